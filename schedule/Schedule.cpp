#include "app/CzolmgrDlg.h"

// The schedule dialog and the job it writes come with scheduled maintenance.
void CzolmgrDlg::OnSchedule() {}
