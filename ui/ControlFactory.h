#pragma once
// Builds the Qt widget for one control of a template, placed by its rectangle
// in dialog units, with its styles, start state and accessible name.
// Thread contract: UI thread.
#include <QWidget>
#include <functional>

#include "ui/DialogTemplate.h"
#include "ui/DialogUnits.h"

namespace ui {

struct ControlCallbacks {
    std::function<void(int id)> clicked;
    std::function<void(int id)> selectionChanged;
};

QWidget* CreateControl(const ControlTemplate& control, QWidget* parent, BaseUnits units,
                       const ControlCallbacks& callbacks);

}  // namespace ui
