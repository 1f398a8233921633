#include "app/ActivityLog.h"
#include "app/CzolmgrDlg.h"

void CzolmgrDlg::OnCheckDB() { StartWorker(&CzolmgrDlg::CheckDatabase); }

void CzolmgrDlg::OnRepairDB() { StartWorker(&CzolmgrDlg::RepairDatabase); }

void CzolmgrDlg::OnReindexDB() { StartWorker(&CzolmgrDlg::ReindexDatabase); }

void CzolmgrDlg::CheckDatabase() {
    EnableOperationControls(false);
    AppendLogLine(u"Check DB is not available in this version.");
    EnableOperationControls(true);
}

void CzolmgrDlg::RepairDatabase() {
    EnableOperationControls(false);
    AppendLogLine(u"Repair DB is not available in this version.");
    EnableOperationControls(true);
}

void CzolmgrDlg::ReindexDatabase() {
    EnableOperationControls(false);
    AppendLogLine(u"Re-Index DB is not available in this version.");
    EnableOperationControls(true);
}
