#include <system_error>
#include <thread>

#include "app/CzolmgrDlg.h"

void CzolmgrDlg::StartWorker(void (CzolmgrDlg::*work)()) {
    EnableOperationControls(false);
    ++m_nRunningWorkers;
    try {
        // Nobody waits for the thread; the end of the dialog ends the process and it with it.
        std::thread([this, work] {
            (this->*work)();
            --m_nRunningWorkers;
        }).detach();
    } catch (const std::system_error&) {
        // No thread, no operation: the controls come back as they would after one.
        --m_nRunningWorkers;
        EnableOperationControls(true);
    }
}

int CzolmgrDlg::RunningWorkers() const {
    return m_nRunningWorkers.load();
}
