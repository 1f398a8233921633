// Check DB, Repair DB and Re-Index DB through the main dialog, on the real
// instance's files and on doubles for the paths no real file takes.
#include "app/Globals.h"
#include "dmo/ComPtr.h"
#include "instance/Instance.h"
#include "instance/Integrity.h"
#include "instance/Sessions.h"
#include "res/resource.h"
#include "tests/support/DamagedFiles.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/RecordingObjects.h"
#include "tests/support/Wait.h"

namespace {

using Lines = std::vector<std::u16string>;
using Calls = std::vector<std::string>;

constexpr char16_t kProblems[] =
    u"Problems detected!!!\r\n\r\nContact Kelvane Technical Support before proceeding.";
constexpr char16_t kSingleUser[] =
    u"Could not set database to single user mode. There may be users in ZOL.";

class MaintenanceTest : public MainDialogFixture {
protected:
    void Connect() {
        Open();
        dlg->SendCommand(IDC_CONNECT);
        ASSERT_EQ(g_bConnected, 1);
        g_szDatabaseName.Assign(u"zol");
    }
    void ConnectToDoubles() {
        RecordingApplication::names = std::vector<std::u16string>{};
        RegisterRecordingObjects(log, &server);
        useInstance = false;
        Open();
        dlg->SendCommand(IDC_CONNECT);
        database = dmo::ComPtr<RecordingDatabase>::Adopt(new RecordingDatabase(log));
        server->database = database.Get();
        g_szDatabaseName.Assign(u"zol");
        log.Clear();
    }
    std::filesystem::path ZolFile() {
        return instance::Instance::Locate(u"TESTBOX\\ZOL", nullptr)->FindDatabase(u"zol")->file;
    }
    Calls Requests() {
        Calls calls;
        for (const auto& call : log.Calls()) {
            if (call != "server.GetStatus")
                calls.push_back(call);
        }
        return calls;
    }

    CallLog log;
    RecordingServer* server = nullptr;
    dmo::ComPtr<RecordingDatabase> database;
};

}  // namespace

TEST_F(MaintenanceTest, APassingCheckLogsTwoLinesAndHidesRepair) {
    Connect();
    dlg->GetDlgItem(IDC_REPAIRDB).ShowWindow(true);  // shown by an earlier check
    EXPECT_EQ(RunOperation(IDC_CHECKDB), (Lines{u"Checking database integrity . . .",
                                                u"Database passes all integrity tests"}));
    EXPECT_FALSE(Visible(IDC_REPAIRDB));
    EXPECT_TRUE(responder.boxes.empty());
}

TEST_F(MaintenanceTest, ADamagedDatabaseIsFoundThenRepairedAfterYes) {
    Connect();
    const auto file = ZolFile();
    ZeroPage(file, RootPage(file, "customers_name"));

    const Lines found = RunOperation(IDC_CHECKDB);
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found.front(), u"Checking database integrity . . .");
    for (std::size_t i = 1; i < found.size(); ++i) {
        EXPECT_FALSE(found[i].starts_with(instance::kMessagePrefix.substr(0, 10))) << i;
        EXPECT_FALSE(found[i].empty());
    }
    EXPECT_EQ(responder.Texts(), Lines{kProblems});
    EXPECT_TRUE(Visible(IDC_REPAIRDB));

    responder.boxes.clear();
    const Lines repaired = RunOperation(IDC_REPAIRDB);
    ASSERT_EQ(responder.boxes.size(), 1u);
    EXPECT_EQ(responder.boxes[0].type, ui::MB_YESNO | ui::MB_ICONQUESTION);
    EXPECT_TRUE(responder.boxes[0].text.starts_with(
        u"Continue with repairing the database only if you have done the following:\r\n\r\n"
        u"Performed a backup of the database\r\n"));
    EXPECT_TRUE(std::find(repaired.begin(), repaired.end(),
                          u"Repair: table 'customers': 4 rows kept.") != repaired.end());
    EXPECT_TRUE(Visible(IDC_REPAIRDB));  // a repair does not hide it

    EXPECT_EQ(RunOperation(IDC_CHECKDB), (Lines{u"Checking database integrity . . .",
                                                u"Database passes all integrity tests"}));
    EXPECT_FALSE(Visible(IDC_REPAIRDB));
}

TEST_F(MaintenanceTest, RepairDeclinedMakesNoRequest) {
    ConnectToDoubles();
    responder.answers = {ui::IDNO};
    EXPECT_EQ(RunOperation(IDC_REPAIRDB), Lines{});
    EXPECT_EQ(Requests(), Calls{});
}

TEST_F(MaintenanceTest, SingleUserRefusedWhileAnotherSessionIsOpen) {
    Connect();
    std::u16string error;
    auto holder = instance::Session::Open(ZolFile(), &error);
    ASSERT_TRUE(holder);
    EXPECT_EQ(RunOperation(IDC_REPAIRDB), Lines{});
    ASSERT_EQ(responder.boxes.size(), 2u);
    EXPECT_EQ(responder.boxes[1].text, kSingleUser);
}

TEST_F(MaintenanceTest, SingleUserIsLeftAfterARepairThatFailed) {
    ConnectToDoubles();
    database->checkStatus = dmo::E_FAIL;
    database->checkMessages = std::u16string(47, u'p') + u"repair went wrong";
    EXPECT_EQ(RunOperation(IDC_REPAIRDB), Lines{u"repair went wrong"});
    EXPECT_EQ(Requests(), (Calls{"server.GetDatabaseByName zol", "database.GetDBOption",
                                 "options.SetSingleUser 1", "database.CheckTables 3",
                                 "options.SetSingleUser 0"}));
    EXPECT_EQ(responder.boxes.size(), 1u);  // the confirmation only
}

TEST_F(MaintenanceTest, RepairWithoutMessagesPassesAndSingleUserFailuresSaySo) {
    ConnectToDoubles();
    database->checkStatus = dmo::S_FALSE;  // no text: counts as passing
    EXPECT_EQ(RunOperation(IDC_REPAIRDB), Lines{u"Database passes all integrity tests"});

    for (bool optionsFail : {true, false}) {
        responder.boxes.clear();
        database->optionsResult = optionsFail ? dmo::E_FAIL : dmo::S_OK;
        database->singleUserResult = optionsFail ? dmo::S_OK : dmo::E_FAIL;
        EXPECT_EQ(RunOperation(IDC_REPAIRDB), Lines{});
        ASSERT_EQ(responder.boxes.size(), 2u);
        EXPECT_EQ(responder.boxes[1].text, kSingleUser);
    }
}

TEST_F(MaintenanceTest, ProblemsWithoutTextStillWarnAndShowRepair) {
    ConnectToDoubles();
    database->checkStatus = dmo::S_FALSE;
    EXPECT_EQ(RunOperation(IDC_CHECKDB), Lines{u"Checking database integrity . . ."});
    EXPECT_EQ(responder.Texts(), Lines{kProblems});
    EXPECT_TRUE(Visible(IDC_REPAIRDB));
}

TEST_F(MaintenanceTest, AnUnknownDatabaseLogsNothing) {
    Connect();
    dlg->GetDlgItem(IDC_REPAIRDB).ShowWindow(true);
    g_szDatabaseName.Assign(u"nosuch");
    for (int button : {IDC_CHECKDB, IDC_REINDEXDB})
        EXPECT_EQ(RunOperation(button), Lines{});
    EXPECT_FALSE(Visible(IDC_REPAIRDB));  // every check hides it first
    EXPECT_EQ(RunOperation(IDC_REPAIRDB), Lines{});
    EXPECT_EQ(responder.boxes.size(), 1u);  // the confirmation only
}

TEST_F(MaintenanceTest, ReindexLogsOneLinePerTableOfTheSample) {
    Connect();
    EXPECT_EQ(RunOperation(IDC_REINDEXDB),
              (Lines{u"Rebuilding Indexes", u"    Reindexing 1 of 3", u"    Reindexing 2 of 3",
                     u"    Reindexing 3 of 3", u"Rebuild Indexes Completed"}));
    g_szDatabaseName.Assign(u"ZOL");  // names compare without letter case
    EXPECT_EQ(RunOperation(IDC_REINDEXDB).size(), 5u);
}

TEST_F(MaintenanceTest, ReindexOfNoTablesAndOfATableThatCannotBeFetched) {
    ConnectToDoubles();
    EXPECT_EQ(RunOperation(IDC_REINDEXDB),
              (Lines{u"Rebuilding Indexes", u"Rebuild Indexes Completed"}));

    database->tableCount = 3;
    database->missingTables = {0};
    log.Clear();
    EXPECT_EQ(RunOperation(IDC_REINDEXDB),
              (Lines{u"Rebuilding Indexes", u"    Reindexing 1 of 3", u"    Reindexing 2 of 3",
                     u"    Reindexing 3 of 3", u"Rebuild Indexes Completed"}));
    EXPECT_EQ(Requests(), (Calls{"server.GetDatabaseByName zol", "database.GetTableCount",
                                 "database.GetTableByOrd 0", "database.GetTableByOrd 1",
                                 "table1.RebuildIndexes 0 0", "database.GetTableByOrd 2",
                                 "table2.RebuildIndexes 0 0"}));
}
