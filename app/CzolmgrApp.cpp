#include "app/CzolmgrApp.h"

#include "app/CzolmgrDlg.h"
#include "ui/UiThread.h"

CzolmgrApp theApp;

bool CzolmgrApp::InitInstance() {
    InitCommonControls();
    ui::App::InitInstance();
    EnableEmbeddedControls();
    SetRegistryKey(u"Local AppWizard-Generated Applications");

    CzolmgrDlg dlg;
    ui::SetMainWindow(&dlg);
    dlg.DoModal();
    // Workers may still be running: from here on they wait for the end of the
    // process instead of reaching a dialog that is going away.
    ui::FinishUi();
    ui::SetMainWindow(nullptr);
    // No message loop of our own: the process ends with the dialog.
    return false;
}
