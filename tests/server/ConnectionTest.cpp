// Connect, the database list and Disconnect.
#include "app/Globals.h"
#include "instance/Catalog.h"
#include "instance/Instance.h"
#include "instance/Sqlite.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/RecordingObjects.h"
#include "ui/ComboBox.h"

namespace {

using Names = std::vector<std::u16string>;
using Calls = std::vector<std::string>;

constexpr char16_t kStartPrompt[] =
    u"The Server does not appear to be running.  Issue 'Start' command then service and retry "
    u"the connection?";

class ConnectionTest : public MainDialogFixture {
protected:
    void OpenWithDoubles() {
        RecordingApplication::names = Names{};
        RegisterRecordingObjects(log, &server);
        useInstance = false;
        Open();
        log.Clear();
    }
    Names Databases() {
        ui::ComboBox combo(dlg.get(), IDC_DATABASES);
        Names names;
        for (int i = 0; i < combo.GetCount(); ++i)
            names.push_back(combo.GetLBText(i));
        return names;
    }
    instance::Instance Local() { return *instance::Instance::Locate(u"TESTBOX\\ZOL", nullptr); }

    CallLog log;
    RecordingServer* server = nullptr;
};

}  // namespace

TEST_F(ConnectionTest, ConnectListsTheUserDatabasesAndEnablesTheOperations) {
    Open();
    dlg->SendCommand(IDC_CONNECT);
    EXPECT_EQ(g_bConnected, 1);
    EXPECT_TRUE(responder.boxes.empty());
    EXPECT_EQ(Databases(), (Names{u"dezurivuvi", u"zol"}));
    EXPECT_EQ(ui::ComboBox(dlg.get(), IDC_DATABASES).GetCurSel(), 0);
    EXPECT_EQ(g_szDatabaseName.View(), u"dezurivuvi");
    for (int id : {IDC_DISCONNECT, IDC_DATABASES, IDC_BACKUP, IDC_RESTORE, IDC_BROWSE, IDC_SECURITY,
                   IDC_CHECKDB, IDC_REINDEXDB, IDC_SCHEDULE}) {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    EXPECT_FALSE(Enabled(IDC_CONNECT));
    EXPECT_FALSE(Enabled(IDC_SERVERS));
}

TEST_F(ConnectionTest, DisconnectAndReconnectListEachDatabaseOnce) {
    Open();
    dlg->SendCommand(IDC_CONNECT);
    dlg->SendCommand(IDC_DISCONNECT);
    EXPECT_EQ(g_bConnected, 0);
    EXPECT_TRUE(Enabled(IDC_CONNECT));
    EXPECT_FALSE(Enabled(IDC_DATABASES));
    EXPECT_EQ(Databases(), (Names{u"dezurivuvi", u"zol"}));  // kept until the next connection
    dlg->SendCommand(IDC_CONNECT);
    EXPECT_EQ(Databases(), (Names{u"dezurivuvi", u"zol"}));
}

TEST_F(ConnectionTest, AServerWithSystemDatabasesOnlyListsNothing) {
    {
        instance::Connection catalog;
        ASSERT_TRUE(catalog.Open(Local().Folder() / instance::kCatalogFile, false));
        ASSERT_TRUE(catalog.Exec("DELETE FROM databases WHERE system = 0"));
    }
    Open();
    g_szDatabaseName.Assign(u"stale");
    dlg->SendCommand(IDC_CONNECT);
    EXPECT_EQ(g_bConnected, 1);
    EXPECT_EQ(Databases(), Names{});
    EXPECT_EQ(ui::ComboBox(dlg.get(), IDC_DATABASES).GetCurSel(), -1);
    EXPECT_EQ(g_szDatabaseName.View(), u"");  // the selection change still ran
}

TEST_F(ConnectionTest, AStoppedServiceIsStartedAndConnectedAfterOk) {
    ASSERT_TRUE(Local().SetServiceState(dmo::kStatusStopped));
    Open();
    EXPECT_EQ(Text(IDC_STATUS), u"Stopped");
    dlg->SendCommand(IDC_CONNECT);
    ASSERT_EQ(responder.Texts(), Names{kStartPrompt});
    EXPECT_EQ(responder.boxes[0].type, ui::MB_OKCANCEL | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(g_bConnected, 1);
    EXPECT_EQ(Text(IDC_STATUS), u"Running");
    EXPECT_EQ(Databases(), (Names{u"dezurivuvi", u"zol"}));
}

TEST_F(ConnectionTest, ThePromptAnsweredCancelLeavesItDisconnected) {
    ASSERT_TRUE(Local().SetServiceState(dmo::kStatusPaused));
    Open();
    responder.answers = {ui::IDCANCEL};
    dlg->SendCommand(IDC_CONNECT);
    EXPECT_EQ(responder.Texts(), Names{kStartPrompt});
    EXPECT_EQ(g_bConnected, 0);
    EXPECT_EQ(Local().ServiceState(), dmo::kStatusPaused);
}

TEST_F(ConnectionTest, StartAndConnectUsesThirtySecondsAndReportsItsFailure) {
    OpenWithDoubles();
    server->connectResult = dmo::E_FAIL;
    server->startResult = dmo::E_FAIL;
    server->status = dmo::kStatusStopped;
    dlg->SendCommand(IDC_CONNECT);
    EXPECT_EQ(responder.Texts(), (Names{kStartPrompt, u"Failed connecting to the SQL Server"}));
    EXPECT_EQ(g_bConnected, 0);
    Calls requests;
    for (const auto& call : log.Calls()) {
        if (call != "server.GetStatus")
            requests.push_back(call);
    }
    EXPECT_EQ(requests, (Calls{"server.SetLoginTimeout 10", "server.SetLoginSecure 1",
                               "server.Connect TESTBOX\\ZOL", "server.SetLoginTimeout 30",
                               "server.Start 1 TESTBOX\\ZOL"}));
}

TEST_F(ConnectionTest, AFailedConnectWhileRunningSaysNothing) {
    OpenWithDoubles();
    server->connectResult = dmo::E_FAIL;
    dlg->SendCommand(IDC_CONNECT);
    EXPECT_TRUE(responder.boxes.empty());
    EXPECT_EQ(g_bConnected, 0);
    EXPECT_TRUE(Enabled(IDC_CONNECT));
}

TEST_F(ConnectionTest, AFailedDisconnectIsReportedAndKeepsTheConnection) {
    OpenWithDoubles();
    dlg->SendCommand(IDC_CONNECT);
    ASSERT_EQ(g_bConnected, 1);
    server->disconnectResult = dmo::E_FAIL;
    dlg->SendCommand(IDC_DISCONNECT);
    EXPECT_EQ(responder.Texts(), Names{u"Failed disconnecting from the SQL Server"});
    EXPECT_EQ(g_bConnected, 1);
    EXPECT_TRUE(Enabled(IDC_DISCONNECT));
}
