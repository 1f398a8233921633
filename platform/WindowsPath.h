#pragma once
// The program speaks Windows paths, as its users do. They map to local files the
// way Wine maps them: "C:" is $ZOLMGR_HOME/drive_c, another drive letter X: is
// $ZOLMGR_HOME/drive_x, "Z:" is the root of the file system, and a path that is
// already a POSIX path is taken as it is. A relative path stays relative.
// Thread contract: any thread.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The local file a Windows path names; nothing for a form we cannot map
// (a network path such as \\server\share).
std::optional<std::filesystem::path> ToLocalPath(std::u16string_view windowsPath);

// The Windows form of a local absolute path: C:\... inside drive_c, Z:\... elsewhere.
std::u16string ToWindowsPath(const std::filesystem::path& localPath);

}  // namespace platform
