// The exit path: what it asks of the objects, in which order, and how the process ends.
#include <atomic>
#include <thread>

#include "app/CzolmgrApp.h"
#include "app/Globals.h"
#include "app/ProcessEnd.h"
#include "dmo/Registry.h"
#include "instance/Registration.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/RecordingObjects.h"

namespace {

class ExitTest : public MainDialogFixture {
protected:
    void OpenWithDoubles() {
        RegisterRecordingObjects(log, &server);
        useInstance = false;
        Open();
        log.Clear();
    }
    CallLog log;
    RecordingServer* server = nullptr;
};

using Calls = std::vector<std::string>;

}  // namespace

TEST_F(ExitTest, NotConnectedMakesNoRequest) {
    OpenWithDoubles();
    dlg->SendCommand(ui::IDOK);
    EXPECT_EQ(log.Calls(), Calls{});
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->Result(), ui::IDOK);
}

TEST_F(ExitTest, ConnectedAbortsBothRunsBeforeDisconnecting) {
    OpenWithDoubles();
    g_bConnected = 1;
    dlg->SendCommand(ui::IDOK);
    const Calls calls = log.Calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(
        Calls(calls.begin(), calls.begin() + 4),
        (Calls{"backup.Abort", "restore.Abort", "server.ReleaseIdleFiles", "server.DisConnect"}));
    EXPECT_EQ(g_bConnected, 0);
    EXPECT_TRUE(responder.boxes.empty());
    EXPECT_TRUE(dlg->IsEnded());
}

TEST_F(ExitTest, FailedDisconnectIsReportedAndTheDialogEndsAllTheSame) {
    OpenWithDoubles();
    server->disconnectResult = dmo::E_FAIL;
    g_bConnected = 1;
    dlg->SendCommand(ui::IDOK);
    ASSERT_EQ(responder.boxes.size(), 1u);
    EXPECT_EQ(responder.boxes[0].text, u"Failed disconnecting from the SQL Server");
    EXPECT_EQ(g_bConnected, 1);
    EXPECT_TRUE(dlg->IsEnded());
}

TEST_F(ExitTest, ConnectedToTheRealInstanceDisconnects) {
    Open();
    dlg->SendCommand(IDC_CONNECT);
    ASSERT_EQ(g_bConnected, 1);
    dlg->SendCommand(ui::IDOK);
    EXPECT_EQ(g_bConnected, 0);
    EXPECT_TRUE(Enabled(IDC_CONNECT));
    EXPECT_TRUE(dlg->IsEnded());
}

// The whole program: start-up runs the dialog; Exit, with a worker still busy
// inside the server object, ends the process with status 0 and no crash.
[[noreturn]] void RunProgramAndExitWhileAWorkerRuns() {
    TempHome home;
    instance::RegisterClasses();
    ScriptedResponder responder;
    std::atomic<bool> started{false};
    responder.onDialog = [&started](ui::Dialog& dialog) {
        std::thread([&started] {
            for (;;) {
                std::int32_t status = 0;
                if (g_pServer != nullptr)
                    g_pServer->GetStatus(&status);
                started = true;
            }
        }).detach();
        while (!started)
            std::this_thread::yield();
        dialog.SendCommand(IDC_CONNECT);
        dialog.SendCommand(ui::IDOK);
        return ui::IDOK;
    };
    int argc = 1;
    char name[] = "zolmgr";
    char* argv[] = {name, nullptr};
    EndProcess(theApp.Run(argc, argv));
}

TEST(ProgramExitTest, ExitWhileAWorkerRunsEndsTheProcessCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunProgramAndExitWhileAWorkerRuns(), ::testing::ExitedWithCode(0), "");
}
