#pragma once
// The integrity check and the repair of one database file.
// Thread contract: any thread; the caller sees that no other session writes
// the file during a repair (single-user mode).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "dmo/Status.h"

namespace instance {

// Every message line of the check starts with this fixed text of 47 characters.
inline constexpr std::u16string_view kMessagePrefix =
    u"[ZOL embedded instance] integrity check notice:";
static_assert(kMessagePrefix.size() == 47);

struct CheckResult {
    dmo::HRESULT status = dmo::S_OK;  // S_OK: sound; S_FALSE: problems found; failure: not checked
    std::optional<std::u16string> messages;  // lines behind the prefix, separated by "\n"
};

// SQLite's full check of the file.
CheckResult CheckDatabaseFile(const std::filesystem::path& file);

// The repair that may lose data: the file is rebuilt from every row that can
// still be read, with all indexes made anew, and replaces the old one in one
// step. A sound file is left alone. The messages say what was done and lost.
CheckResult RepairDatabaseFile(const std::filesystem::path& file);

}  // namespace instance
