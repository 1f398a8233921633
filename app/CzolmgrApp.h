#pragma once
// The application object: starts the process, runs the main dialog, ends.
#include "ui/App.h"

class CzolmgrApp : public ui::App {
public:
    CzolmgrApp() = default;

protected:
    bool InitInstance() override;
};

extern CzolmgrApp theApp;
