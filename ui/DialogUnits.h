#pragma once
// Dialog units to pixels, computed the way the original platform computes them:
// the base units are the template font's average character width (over the
// 52 letters, rounded) and its height; x = x * baseX / 4, y = y * baseY / 8.
#include <QFont>
#include <QRect>

#include "ui/DialogTemplate.h"

namespace ui {

struct BaseUnits {
    int x = 0;
    int y = 0;
};

BaseUnits ComputeBaseUnits(const QFont& font);

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

QRect MapDialogRect(const DialogRect& rect, BaseUnits units);

// The font a template names, with the original platform's logical dialog font
// mapped to a font this system has.
QFont TemplateFont(std::u16string_view family, int pointSize);

}  // namespace ui
