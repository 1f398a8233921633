// The exit path: what it asks of the objects, in which order, and how the process ends.
#include <atomic>
#include <thread>

#include "app/ActivityLog.h"
#include "app/CzolmgrApp.h"
#include "app/Globals.h"
#include "app/ProcessEnd.h"
#include "dmo/Registry.h"
#include "instance/Registration.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/RecordingObjects.h"
#include "tests/support/Wait.h"

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
