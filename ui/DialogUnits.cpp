#include "ui/DialogUnits.h"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>

#include "ui/Text.h"

namespace ui {

BaseUnits ComputeBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int a, int b, int c) {
    return static_cast<int>(std::llround(static_cast<double>(a) * b / c));
}

QRect MapDialogRect(const DialogRect& rect, BaseUnits units) {
    const int left = MulDiv(rect.x, units.x, 4);
    const int top = MulDiv(rect.y, units.y, 8);
    const int right = MulDiv(rect.x + rect.cx, units.x, 4);
    const int bottom = MulDiv(rect.y + rect.cy, units.y, 8);
    return QRect(left, top, right - left, bottom - top);
}

QFont TemplateFont(std::u16string_view family, int pointSize) {
    static const bool substituted = [] {
        QFont::insertSubstitutions(
            QStringLiteral("MS Shell Dlg"),
            QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Noto Sans"), QStringLiteral("Sans Serif")});
        return true;
    }();
    (void)substituted;
    QFont font(ToQString(family));
    font.setPointSize(pointSize);
    return font;
}

}  // namespace ui
