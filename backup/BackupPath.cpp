#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "ui/App.h"

namespace {
constexpr std::size_t kSelectionLimit = 99;
}

// The database chosen becomes the one every operation works on. The backup
// file path that goes with it comes with the backup file selection.
void CzolmgrDlg::OnSelchangeDatabase() {
    const int nIndex = m_cbDatabases.GetCurSel();
    const std::u16string strName =
        nIndex <= 0 ? m_cbDatabases.GetWindowText() : m_cbDatabases.GetLBText(nIndex);
    // A cut name would act on another database: refuse it, keep the last one.
    if (!g_szDatabaseName.Fits(strName, kSelectionLimit)) {
        ui::AppMessageBox(u"The database name is longer than 99 characters and cannot be used.");
        return;
    }
    g_szDatabaseName.Assign(strName, kSelectionLimit);
}

void CzolmgrDlg::OnBrowse() {}
