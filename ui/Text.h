#pragma once
// Conversions between the program's UTF-16 texts and Qt's strings.
#include <QString>
#include <string>
#include <string_view>

namespace ui {

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return text.toStdU16String();
}

// Caption without its mnemonic markers ("&About" reads "About").
QString StripMnemonic(const QString& caption);

}  // namespace ui
