#include "app/CzolmgrDlg.h"

// Check, repair and rebuild start their worker threads from here once they exist.
void CzolmgrDlg::OnCheckDB() {}

void CzolmgrDlg::OnRepairDB() {}

void CzolmgrDlg::OnReindexDB() {}
