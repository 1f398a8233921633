#include "app/CzolmgrDlg.h"
#include "app/Globals.h"
#include "app/StatusTimer.h"
#include "res/resource.h"
#include "ui/UiThread.h"

void CzolmgrDlg::SetConnectedState(bool connected) {
    m_btnConnect.EnableWindow(!connected);
    m_cbServers.EnableWindow(!connected);
    m_btnDisconnect.EnableWindow(connected);
    m_cbDatabases.EnableWindow(connected);
    m_btnBackup.EnableWindow(connected);
    m_btnRestore.EnableWindow(connected);
    m_btnBrowse.EnableWindow(connected);
    m_btnSecurity.EnableWindow(connected);
    m_btnCheckDB.EnableWindow(connected);
    m_btnReIndex.EnableWindow(connected);
    m_btnSchedule.EnableWindow(connected);
    UpdateServiceStatus();
}

// Called by the worker threads at the start and end of each long operation.
// The whole change is carried out at once on the UI thread, so no click is
// handled between its steps.
void CzolmgrDlg::EnableOperationControls(bool enable) {
    ui::RunOnUiThread([this, enable] { SwitchOperationControls(enable); });
}

void CzolmgrDlg::SwitchOperationControls(bool enable) {
    if (enable) {
        g_nStatusTimer = SetTimer(kStatusTimerId, kStatusTimerPeriodMs);
    } else {
        KillTimer(g_nStatusTimer);
    }
    m_cbServers.EnableWindow(enable);
    m_cbDatabases.EnableWindow(enable);
    m_btnConnect.EnableWindow(enable);
    m_btnDisconnect.EnableWindow(enable);
    m_editBackupFile.EnableWindow(enable);
    m_btnBackup.EnableWindow(enable);
    m_btnRestore.EnableWindow(enable);
    m_btnBrowse.EnableWindow(enable);
    m_btnSecurity.EnableWindow(enable);
    m_btnCheckDB.EnableWindow(enable);
    m_btnReIndex.EnableWindow(enable);
    m_btnSchedule.EnableWindow(enable);
}
