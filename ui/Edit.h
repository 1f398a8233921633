#pragma once
// Single-line edit box. Thread contract: any thread (see Control).
#include "ui/Control.h"

namespace ui {

class Edit : public Control {
public:
    using Control::Control;

    bool IsReadOnly() const;
};

}  // namespace ui
