#pragma once
// The backup run starts with no file at its target. Rather than deleting the
// old backup (and being left with none if the run fails), it is moved aside,
// deleted once the new one is in place, and put back after a failed run.
// Thread contract: the worker thread of one run.
#include <filesystem>
#include <optional>
#include <string_view>

class OldBackup final {
public:
    // Moves the file the Windows path names aside, if there is one.
    explicit OldBackup(std::u16string_view windowsPath);
    OldBackup(const OldBackup&) = delete;
    OldBackup& operator=(const OldBackup&) = delete;

    // After the run: drops the old file when it succeeded, else puts it back.
    void Settle(bool succeeded);

private:
    std::optional<std::filesystem::path> target_;
    std::filesystem::path aside_;
    bool moved_ = false;
};
