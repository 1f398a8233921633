// The service status box and the Start/Stop and Pause/Continue buttons.
#include "app/Globals.h"
#include "instance/Instance.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/RecordingObjects.h"
#include "tests/support/Wait.h"
#include "ui/Modal.h"

namespace {

using Calls = std::vector<std::string>;

class ServiceStatusTest : public MainDialogFixture {
protected:
    void OpenWithDoubles() {
        RecordingApplication::names = std::vector<std::u16string>{};
        RegisterRecordingObjects(log, &server);
        useInstance = false;
        Open();
        log.Clear();
    }
    // The requests made, status reads left out.
    Calls Requests() const {
        Calls requests;
        for (const std::string& call : log.Calls()) {
            if (call != "server.GetStatus")
                requests.push_back(call);
        }
        return requests;
    }
    void SetLocalState(std::int32_t state) {
        ASSERT_TRUE(instance::Instance::Locate(u"TESTBOX\\ZOL", nullptr)->SetServiceState(state));
    }

    CallLog log;
    RecordingServer* server = nullptr;
};

struct Row {
    std::int32_t status;
    const char16_t* text;
    bool startEnabled;
    bool pauseEnabled;
    const char16_t* startCaption;
    const char16_t* pauseCaption;
};

}  // namespace

TEST_F(ServiceStatusTest, EachStatusShowsItsTextCaptionsAndEnabledStates) {
    OpenWithDoubles();
    const Row rows[] = {
        {0, u"Unknown", true, false, u"Start", u"Pause"},
        {1, u"Running", true, true, u"Stop", u"Pause"},
        {2, u"Paused", true, true, u"Stop", u"Continue"},
        {3, u"Stopped", true, false, u"Start", u"Pause"},
        {4, u"Starting...", false, false, u"Stop", u"Pause"},
        {5, u"Stopping...", false, false, u"Start", u"Pause"},
        {6, u"Continuing...", false, false, u"Stop", u"Pause"},
        {7, u"Pausing...", false, false, u"Stop", u"Continue"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.status);
        server->status = row.status;
        dlg->UpdateServiceStatus();
        EXPECT_EQ(Text(IDC_STATUS), row.text);
        EXPECT_EQ(Enabled(IDC_STARTSTOP), row.startEnabled);
        EXPECT_EQ(Enabled(IDC_PAUSECONTINUE), row.pauseEnabled);
        EXPECT_EQ(Text(IDC_STARTSTOP), row.startCaption);
        EXPECT_EQ(Text(IDC_PAUSECONTINUE), row.pauseCaption);
        EXPECT_FALSE(Visible(IDC_PAUSECONTINUE));
    }
}

TEST_F(ServiceStatusTest, AnUnknownValueChangesNothing) {
    OpenWithDoubles();
    server->status = dmo::kStatusPausing;
    dlg->UpdateServiceStatus();
    for (std::int32_t odd : {9, 8, -1}) {
        server->status = odd;
        dlg->UpdateServiceStatus();
        EXPECT_EQ(Text(IDC_STATUS), u"Pausing...");
        EXPECT_FALSE(Enabled(IDC_STARTSTOP));
        EXPECT_EQ(Text(IDC_STARTSTOP), u"Stop");
        EXPECT_EQ(Text(IDC_PAUSECONTINUE), u"Continue");
    }
}

TEST_F(ServiceStatusTest, OnlyTheStatusTimerRefreshesTheStatus) {
    OpenWithDoubles();
    server->status = dmo::kStatusStopped;
    dlg->SendTimer(2);
    EXPECT_EQ(Text(IDC_STATUS), u"Running");
    EXPECT_EQ(log.Calls(), Calls{});
    dlg->SendTimer(1);
    EXPECT_EQ(Text(IDC_STATUS), u"Stopped");

    // And the running timer does it by itself.
    server->status = dmo::kStatusPaused;
    dlg->SetTimer(1, 1);
    EXPECT_TRUE(WaitFor([&] { return Text(IDC_STATUS) == u"Paused"; }));
}

TEST_F(ServiceStatusTest, EachButtonMakesTheRequestsItsStateCallsFor) {
    const std::string name = "TESTBOX\\ZOL";
    struct Case {
        std::int32_t status;
        int button;
        Calls requests;
    };
    const Case cases[] = {
        {1, IDC_STARTSTOP, {"server.Connect " + name, "server.Shutdown", "server.DisConnect"}},
        {3, IDC_STARTSTOP, {"server.Start 0 (none)"}},
        {1, IDC_PAUSECONTINUE, {"server.Connect " + name, "server.Pause", "server.DisConnect"}},
        {2, IDC_PAUSECONTINUE, {"server.Continue"}},
        {0, IDC_STARTSTOP, {}},
        {2, IDC_STARTSTOP, {}},  // reads "Stop", yet makes no request
        {3, IDC_PAUSECONTINUE, {}},
    };
    OpenWithDoubles();
    for (std::int32_t pending : {4, 5, 6, 7}) {
        for (int button : {IDC_STARTSTOP, IDC_PAUSECONTINUE}) {
            server->status = pending;
            log.Clear();
            dlg->SendCommand(button);
            EXPECT_EQ(Requests(), Calls{}) << pending;
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.status) + " " + std::to_string(c.button));
        server->status = c.status;
        log.Clear();
        dlg->SendCommand(c.button);
        EXPECT_EQ(Requests(), c.requests);
    }
    EXPECT_TRUE(responder.boxes.empty());
}

TEST_F(ServiceStatusTest, StopAndPauseEndTheConnection) {
    Open();
    for (int button : {IDC_STARTSTOP, IDC_PAUSECONTINUE}) {
        SetLocalState(dmo::kStatusRunning);
        dlg->SendCommand(IDC_CONNECT);
        ASSERT_EQ(g_bConnected, 1);
        dlg->SendCommand(button);
        EXPECT_EQ(g_bConnected, 0);
        EXPECT_TRUE(Enabled(IDC_CONNECT));
        EXPECT_FALSE(Enabled(IDC_BACKUP));
    }
    EXPECT_EQ(Text(IDC_STATUS), u"Paused");
    EXPECT_EQ(Text(IDC_STARTSTOP), u"Stop");
}

TEST_F(ServiceStatusTest, FailedDisconnectAfterAStopKeepsTheConnection) {
    OpenWithDoubles();
    g_bConnected = 1;
    dlg->SetConnectedState(true);
    server->disconnectResult = dmo::E_FAIL;
    dlg->SendCommand(IDC_STARTSTOP);
    ASSERT_EQ(responder.Texts(),
              std::vector<std::u16string>{u"Failed disconnecting from the SQL Server"});
    EXPECT_EQ(g_bConnected, 1);
    EXPECT_TRUE(Enabled(IDC_DISCONNECT));
}

TEST_F(ServiceStatusTest, StopStartAndTheStateSurvivesARestart) {
    Open();
    dlg->SendCommand(IDC_STARTSTOP);
    EXPECT_EQ(Text(IDC_STATUS), u"Stopped");
    EXPECT_EQ(Text(IDC_STARTSTOP), u"Start");
    dlg->SendCommand(IDC_STARTSTOP);
    EXPECT_EQ(Text(IDC_STATUS), u"Running");
    dlg->SendCommand(IDC_STARTSTOP);

    // The program starts again and finds the service as it was left.
    TearDown();
    SetUp();
    Open();
    EXPECT_EQ(Text(IDC_STATUS), u"Stopped");
    EXPECT_EQ(Text(IDC_STARTSTOP), u"Start");
}

TEST_F(ServiceStatusTest, AnOpenModalRefreshesTheStatusWhenItGoesIdle) {
    Open();
    std::vector<std::u16string> seen;
    responder.onDialog = [&](ui::Dialog&) {
        seen.push_back(Text(IDC_STATUS));
        SetLocalState(dmo::kStatusStopping);  // changed behind the dialog's back
        ui::RaiseModalIdle();
        seen.push_back(Text(IDC_STATUS));
        return ui::IDOK;
    };
    dlg->SendSysCommand(IDM_ABOUTBOX);
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"Running", u"Stopping..."}));
    EXPECT_FALSE(Enabled(IDC_STARTSTOP));
}
