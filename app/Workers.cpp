#include <thread>

#include "app/CzolmgrDlg.h"

void CzolmgrDlg::StartWorker(void (CzolmgrDlg::*work)()) {
    EnableOperationControls(false);
    // Nobody waits for the thread; the end of the dialog ends the process and it with it.
    std::thread([this, work] { (this->*work)(); }).detach();
}
