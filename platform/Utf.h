#pragma once
// UTF-16 <-> UTF-8 for file names and SQLite texts. Unpaired surrogates become
// U+FFFD rather than invalid bytes.
#include <string>
#include <string_view>

namespace platform {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace platform
