#pragma once
// Data exchange: binds member wrappers to the dialog's controls by id. It binds
// controls only; no text or value travels through it.
// Thread contract: UI thread (called from the dialog's initialisation).
#include "ui/Control.h"

namespace ui {

class Dialog;

class DataExchange final {
public:
    explicit DataExchange(Dialog& dialog) : dialog_(dialog) {}

    void Bind(int id, Control& control) { control.Attach(&dialog_, id); }

private:
    Dialog& dialog_;
};

}  // namespace ui
