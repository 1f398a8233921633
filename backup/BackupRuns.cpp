#include "app/CzolmgrDlg.h"

// The backup and restore runs start their worker threads from here once they exist.
void CzolmgrDlg::OnBackup() {}

void CzolmgrDlg::OnRestore() {}
