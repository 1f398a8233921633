#include "app/ActivityLog.h"
#include "app/CzolmgrDlg.h"
#include "ui/WaitCursor.h"

void CzolmgrDlg::OnBackup() {
    ui::ShowWaitCursorUntilMouseMoves();
    StartWorker(&CzolmgrDlg::BackupDatabase);
}

void CzolmgrDlg::OnRestore() { StartWorker(&CzolmgrDlg::RestoreDatabase); }

void CzolmgrDlg::BackupDatabase() {
    EnableOperationControls(false);
    AppendLogLine(u"Backup is not available in this version.");
    EnableOperationControls(true);
}

void CzolmgrDlg::RestoreDatabase() {
    EnableOperationControls(false);
    AppendLogLine(u"Restore is not available in this version.");
    EnableOperationControls(true);
}
