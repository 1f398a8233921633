#include "platform/WindowsPath.h"

#include "platform/DataHome.h"
#include "platform/Utf.h"

namespace platform {
namespace {

bool IsDriveLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

// Backslashes become slashes; the rest is relative to `root`.
std::filesystem::path Under(const std::filesystem::path& root, std::u16string_view rest) {
    std::u16string tail(rest);
    for (char16_t& c : tail) {
        if (c == u'\\') c = u'/';
    }
    while (!tail.empty() && tail.front() == u'/') tail.erase(0, 1);
    const std::string bytes = ToUtf8(tail);
    return bytes.empty() ? root : root / bytes;
}

}  // namespace

std::optional<std::filesystem::path> ToLocalPath(std::u16string_view path) {
    if (path.size() >= 2 && path[1] == u':' && IsDriveLetter(path[0])) {
        const char16_t drive = Lower(path[0]);
        if (drive == u'z') return Under("/", path.substr(2));
        const std::string folder = std::string("drive_") + static_cast<char>(drive);
        return Under(DataHome() / folder, path.substr(2));
    }
    if (path.starts_with(u"\\\\")) return std::nullopt;
    if (path.starts_with(u"/")) return std::filesystem::path(ToUtf8(path));
    return Under({}, path);
}

std::u16string ToWindowsPath(const std::filesystem::path& localPath) {
    const std::filesystem::path path = localPath.lexically_normal();
    const std::filesystem::path driveC = (DataHome() / "drive_c").lexically_normal();
    std::u16string prefix = u"Z:";
    std::filesystem::path rest = path;
    const auto relative = path.lexically_relative(driveC);
    if (!relative.empty() && *relative.begin() != "..") {
        prefix = u"C:";
        rest = relative == "." ? std::filesystem::path("/") : "/" / relative;
    }
    std::u16string text = FromUtf8(rest.generic_string());
    for (char16_t& c : text) {
        if (c == u'/') c = u'\\';
    }
    return prefix + text;
}

}  // namespace platform
