#include "instance/FileName.h"

#include <QString>

#include "platform/Utf.h"

namespace instance {

std::string EscapeName(std::u16string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char byte : platform::ToUtf8(name)) {
        const auto c = static_cast<unsigned char>(byte);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '_') {
            escaped.push_back(byte);
        } else {
            escaped.push_back('%');
            escaped.push_back(kHex[c >> 4]);
            escaped.push_back(kHex[c & 0xF]);
        }
    }
    return escaped;
}

std::u16string UnescapeName(std::string_view escaped) {
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    std::string bytes;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '%' && i + 2 < escaped.size() && hex(escaped[i + 1]) >= 0 &&
            hex(escaped[i + 2]) >= 0) {
            bytes.push_back(static_cast<char>(hex(escaped[i + 1]) * 16 + hex(escaped[i + 2])));
            i += 2;
        } else {
            bytes.push_back(escaped[i]);
        }
    }
    return platform::FromUtf8(bytes);
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    return QString::compare(QString::fromUtf16(a.data(), static_cast<qsizetype>(a.size())),
                            QString::fromUtf16(b.data(), static_cast<qsizetype>(b.size())),
                            Qt::CaseInsensitive) == 0;
}

}  // namespace instance
