// The whole program as it runs: start-up makes the toolkit's application, runs
// the dialog, and ends the process. This executable has a main of its own so
// that nothing of the toolkit exists before start-up, as in the program.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "app/ActivityLog.h"
#include "app/CzolmgrApp.h"
#include "app/Globals.h"
#include "app/ProcessEnd.h"
#include "instance/Registration.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "tests/support/ScriptedResponder.h"
#include "tests/support/TempHome.h"
#include "tests/support/Wait.h"
#include "ui/Dialog.h"

namespace {

// The whole program: start-up runs the dialog; Exit, with a worker still busy
// inside the server object, ends the process with status 0 and no crash.
[[noreturn]] void RunProgramAndExitWhileAWorkerRuns() {
    TempHome home;
    instance::RegisterClasses();
    res::Install();
    ScriptedResponder responder;
    std::atomic<bool> started{false};
    responder.onDialog = [&started](ui::Dialog& dialog) {
        dialog.SendCommand(IDC_CONNECT);
        // A worker that keeps using the objects, the log and the progress message.
        std::thread([&started] {
            for (;;) {
                std::int32_t status = 0;
                if (g_pServer != nullptr)
                    g_pServer->GetStatus(&status);
                AppendLogLine(u"still working");
                g_ctlActivityLog.GetItemCount();
                PostUpdateText(kBackupComplete, u"text");
                PostUpdatePercent(kBackupPercent, 5);
                started = true;
            }
        }).detach();
        EXPECT_TRUE(WaitFor([&started] { return started.load(); }));
        dialog.SendCommand(ui::IDOK);
        return ui::IDOK;
    };
    int argc = 1;
    char name[] = "zolmgr";
    char* argv[] = {name, nullptr};
    EndProcess(theApp.Run(argc, argv));
}

}  // namespace

TEST(ProgramExitTest, ExitWhileAWorkerRunsEndsTheProcessCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgramAndExitWhileAWorkerRuns(), ::testing::ExitedWithCode(0), "");
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
