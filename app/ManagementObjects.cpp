#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "dmo/ClassIds.h"
#include "dmo/Registry.h"
#include "ui/App.h"

bool CzolmgrDlg::CreateManagementObjects() {
    if (dmo::Failed(dmo::InitializeLibrary())) {
        ui::AppMessageBox(u"CoInitialize Failed");
        return false;
    }
    if (dmo::Failed(dmo::CreateInstance(dmo::kClsidApplication, &g_pApplication))) {
        ui::AppMessageBox(u"Application: CoCreateInstance Failed");
        return false;
    }
    if (dmo::Failed(dmo::CreateInstance(dmo::kClsidServer, &g_pServer))) {
        ui::AppMessageBox(u"Sever: CoCreateInstance Failed");
        return false;
    }
    if (dmo::Failed(dmo::CreateInstance(dmo::kClsidBackup, &g_pBackup))) {
        ui::AppMessageBox(u"Backup: CoCreateInstance Failed");
        return false;
    }
    if (dmo::Failed(dmo::CreateInstance(dmo::kClsidRestore, &g_pRestore))) {
        ui::AppMessageBox(u"Restore: CoCreateInstance Failed");
        return false;
    }
    return true;
}
