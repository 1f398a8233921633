#include "app/CzolmgrApp.h"

#include "app/CzolmgrDlg.h"

CzolmgrApp theApp;

bool CzolmgrApp::InitInstance() {
    InitCommonControls();
    ui::App::InitInstance();
    EnableEmbeddedControls();
    SetRegistryKey(u"Local AppWizard-Generated Applications");

    CzolmgrDlg dlg;
    ui::SetMainWindow(&dlg);
    dlg.DoModal();
    ui::SetMainWindow(nullptr);
    // No message loop of our own: the process ends with the dialog.
    return false;
}
