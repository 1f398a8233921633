#include <thread>

#include "app/CzolmgrDlg.h"

void CzolmgrDlg::StartWorker(void (CzolmgrDlg::*work)()) {
    EnableOperationControls(false);
    ++m_nRunningWorkers;
    // Nobody waits for the thread; the end of the dialog ends the process and it with it.
    std::thread([this, work] {
        (this->*work)();
        --m_nRunningWorkers;
    }).detach();
}

int CzolmgrDlg::RunningWorkers() const {
    return m_nRunningWorkers.load();
}
