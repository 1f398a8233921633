#pragma once
// Names of servers and databases become folder and file names only through
// this escaping: letters, digits, '-' and '_' stay; every other byte of the
// UTF-8 form becomes %XX. So no name can climb out of its folder or clash with
// the instance's own files.
#include <string>
#include <string_view>

namespace instance {

std::string EscapeName(std::u16string_view name);
std::u16string UnescapeName(std::string_view escaped);

// Case-insensitive comparison, as the server's default collation compares names.
bool SameName(std::u16string_view a, std::u16string_view b);

}  // namespace instance
