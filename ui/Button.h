#pragma once
// Push button or check box. Thread contract: any thread (see Control).
#include "ui/Control.h"

namespace ui {

class Button : public Control {
public:
    using Control::Control;

    // 1 checked, 0 not; push buttons read 0.
    int GetCheck() const;
    void SetCheck(int check);
    // Acts as a click by the user: the dialog gets the button's command.
    void Click();
};

}  // namespace ui
