#pragma once
// zevizu.ini: the folder of the last backup file chosen, as raw UTF-16LE text
// without byte-order mark, terminator or line end, in the current directory.
// Thread contract: UI thread (it depends on the process's current directory).
#include <optional>
#include <string>
#include <string_view>

inline constexpr char kSettingsFileName[] = "zevizu.ini";

// The folder held in the file (from at most its first 1000 bytes; an odd last
// byte is no character); nothing when the file cannot be opened or read.
std::optional<std::u16string> ReadBackupFolder();

// Writes the file whole. It is replaced in one step, so a failure leaves the
// old content (or no file) rather than part of the new one.
bool WriteBackupFolder(std::u16string_view folder);
