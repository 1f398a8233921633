#include "ui/Button.h"

#include <QAbstractButton>

namespace ui {

int Button::GetCheck() const {
    return OnWidget<QAbstractButton>(0, [](QAbstractButton& b) { return b.isChecked() ? 1 : 0; });
}

void Button::SetCheck(int check) {
    OnWidget<QAbstractButton>([check](QAbstractButton& b) { b.setChecked(check != 0); });
}

void Button::Click() {
    OnWidget<QAbstractButton>([](QAbstractButton& b) { b.click(); });
}

}  // namespace ui
