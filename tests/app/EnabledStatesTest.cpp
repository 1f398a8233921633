// Which controls SetConnectedState and EnableOperationControls switch, and which they leave.
#include <atomic>
#include <thread>

#include "app/Globals.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/Wait.h"

namespace {

// Controls neither routine touches: they keep whatever state they had.
const int kUntouched[] = {ui::IDOK,     IDC_STARTSTOP, IDC_PAUSECONTINUE,
                          IDC_REPAIRDB, IDC_STATUS,    IDC_ACTIVITYLOG};

class EnabledStatesTest : public MainDialogFixture {
protected:
    // Gives the untouched controls a mix of states, so that a routine that
    // wrongly enables or wrongly disables one of them shows.
    void MixUntouchedStates(std::initializer_list<int> ids) {
        for (int id : ids)
            dlg->GetDlgItem(id).EnableWindow(false);
    }
    std::map<int, bool> UntouchedStates() {
        std::map<int, bool> states;
        for (int id : kUntouched)
            states[id] = Enabled(id);
        return states;
    }
};

}  // namespace

TEST_F(EnabledStatesTest, SetConnectedStateFollowsTheConnection) {
    Open();
    // 1013 and 1016 are set by the status refresh that ends SetConnectedState.
    MixUntouchedStates({IDC_REPAIRDB, IDC_STATUS, IDC_ACTIVITYLOG});
    for (bool connected : {true, false}) {
        SCOPED_TRACE(connected);
        const auto before = UntouchedStates();
        dlg->GetDlgItem(IDC_BACKUPFILE).EnableWindow(false);
        dlg->SetConnectedState(connected);
        EXPECT_EQ(Enabled(IDC_CONNECT), !connected);
        EXPECT_EQ(Enabled(IDC_SERVERS), !connected);
        for (int id : {IDC_DISCONNECT, IDC_DATABASES, IDC_BACKUP, IDC_RESTORE, IDC_BROWSE,
                       IDC_SECURITY, IDC_CHECKDB, IDC_REINDEXDB, IDC_SCHEDULE}) {
            EXPECT_EQ(Enabled(id), connected) << id;
        }
        EXPECT_FALSE(Enabled(IDC_BACKUPFILE));  // not its business
        EXPECT_EQ(UntouchedStates(), before);
        EXPECT_EQ(g_bConnected, 0);
    }
}

TEST_F(EnabledStatesTest, EnableOperationControlsFromAWorkerSwitchesAllTwelveAndTheTimer) {
    Open();
    dlg->SetConnectedState(true);
    MixUntouchedStates({IDC_PAUSECONTINUE, IDC_REPAIRDB, IDC_STATUS, IDC_ACTIVITYLOG});
    const int operations[] = {IDC_SERVERS,    IDC_DATABASES, IDC_CONNECT,   IDC_DISCONNECT,
                              IDC_BACKUPFILE, IDC_BACKUP,    IDC_RESTORE,   IDC_BROWSE,
                              IDC_SECURITY,   IDC_CHECKDB,   IDC_REINDEXDB, IDC_SCHEDULE};
    const auto before = UntouchedStates();
    for (bool enable : {false, true}) {
        SCOPED_TRACE(enable);
        std::atomic<bool> done{false};
        std::thread worker([&] {
            dlg->EnableOperationControls(enable);
            done = true;
        });
        ASSERT_TRUE(WaitFor([&] { return done.load(); }));
        worker.join();
        for (int id : operations)
            EXPECT_EQ(Enabled(id), enable) << id;
        EXPECT_EQ(UntouchedStates(), before);
        EXPECT_EQ(dlg->TimerInterval(1).has_value(), enable);
    }
    // After an operation Connect and Disconnect are both enabled until the next
    // SetConnectedState sorts them by connection.
    EXPECT_TRUE(Enabled(IDC_CONNECT));
    EXPECT_TRUE(Enabled(IDC_DISCONNECT));
    EXPECT_EQ(g_nStatusTimer, 1u);
}
