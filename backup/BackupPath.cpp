#include "app/CzolmgrDlg.h"
#include "app/Globals.h"

namespace {
constexpr std::size_t kSelectionLimit = 99;
}

// The database chosen becomes the one every operation works on. The backup
// file path that goes with it comes with the backup file selection.
void CzolmgrDlg::OnSelchangeDatabase() {
    const int nIndex = m_cbDatabases.GetCurSel();
    const std::u16string strName =
        nIndex <= 0 ? m_cbDatabases.GetWindowText() : m_cbDatabases.GetLBText(nIndex);
    if (g_szDatabaseName.Fits(strName, kSelectionLimit)) {
        g_szDatabaseName.Assign(strName, kSelectionLimit);
    }
}

void CzolmgrDlg::OnBrowse() {}
