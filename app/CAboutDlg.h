#pragma once
// The About box (template 100): nothing to handle but OK.
#include "ui/Dialog.h"

class CAboutDlg : public ui::Dialog {
public:
    CAboutDlg();
};
