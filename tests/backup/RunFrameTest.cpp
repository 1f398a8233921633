// The frame of the backup and restore runs, on doubles: the connection point,
// the settings and the run, the error report.
#include "app/Globals.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/RecordingObjects.h"
#include "tests/support/Wait.h"
#include "ui/ComboBox.h"

namespace {

using Calls = std::vector<std::string>;
using Texts = std::vector<std::u16string>;

class RunFrameTest : public MainDialogFixture {
protected:
    void OpenWithDoubles() {
        RecordingApplication::names = Texts{};
        RegisterRecordingObjects(log, &server, &backup, &restore);
        useInstance = false;
        Open();
        dlg->SendCommand(IDC_CONNECT);
        dlg->GetDlgItem(IDC_BACKUPFILE).SetWindowText(u"C:\\ZOLBackup\\zol.bak");
        g_szDatabaseName.Assign(u"zol");
        log.Clear();
    }
    // The requests of one object, by its name in the log.
    Calls Of(const std::string& object) {
        Calls calls;
        for (const auto& call : log.Calls()) {
            if (call.starts_with(object + "."))
                calls.push_back(call.substr(object.size() + 1));
        }
        return calls;
    }

    CallLog log;
    RecordingServer* server = nullptr;
    RecordingBackup* backup = nullptr;
    RecordingRestore* restore = nullptr;
};

}  // namespace

TEST_F(RunFrameTest, BackupSetsItsObjectInOrderAndRunsOnTheServer) {
    OpenWithDoubles();
    backup->script.percents = {5, 10};
    backup->script.complete = std::u16string(63, u'x') + u"finished";
    const int before = g_ctlActivityLog.GetItemCount();
    RunOperation(IDC_BACKUP);
    EXPECT_EQ(Of("backup"),
              (Calls{"FindConnectionPoint", "Advise", "SetDatabase zol",
                     "SetFiles C:\\ZOLBackup\\zol.bak", "SetInitialize 1",
                     "SetPercentCompleteNotification 5", "Run with the server", "Unadvise 42"}));
    EXPECT_TRUE(responder.Captioned(u"Error").empty());
    ASSERT_TRUE(WaitFor([&] { return g_ctlActivityLog.GetItemCount() >= before + 3; }));
    const int count = g_ctlActivityLog.GetItemCount();
    EXPECT_EQ(g_ctlActivityLog.GetItemText(count - 3), u"Backup Percent:  5");
    EXPECT_EQ(g_ctlActivityLog.GetItemText(count - 1), u"Backup Complete:  finished");
}

TEST_F(RunFrameTest, EachConnectionPointFailureHasItsMessageAndNoRun) {
    struct Case {
        const char* name;
        void (*arrange)(RunScript&);
        const char16_t* message;
    };
    const Case cases[] = {
        {"container", [](RunScript& s) { s.noContainer = true; },
         u"Failed in QueryInterface function."},
        {"connection point", [](RunScript& s) { s.findResult = dmo::E_FAIL; },
         u"Failed in FindConnectionPoint function."},
        {"advise", [](RunScript& s) { s.adviseResult = dmo::CONNECT_E_CANNOTCONNECT; },
         u"Failed in Advise function."},
    };
    OpenWithDoubles();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int button : {IDC_BACKUP, IDC_RESTORE}) {
            backup->script = {};
            restore->script = {};
            c.arrange(button == IDC_BACKUP ? backup->script : restore->script);
            responder.boxes.clear();
            log.Clear();
            RunOperation(button);
            const auto boxes = responder.Captioned(u"Error");
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, c.message);
            EXPECT_EQ(boxes[0].type, ui::MB_OK);  // no icon
            const Calls calls = Of(button == IDC_BACKUP ? "backup" : "restore");
            EXPECT_EQ(std::count(calls.begin(), calls.end(), "Run with the server"), 0);
        }
    }
}

TEST_F(RunFrameTest, AFailedRunReportsItsCodeAndDescription) {
    struct Case {
        dmo::HRESULT status;
        std::optional<std::u16string> description;
        std::optional<std::u16string> report;  // none: no box
    };
    const Case cases[] = {
        {dmo::E_FAIL, u"[zolmgr] The disk is full.",
         u"Backup returned Error Code: 80004005\r\n[zolmgr] The disk is full."},
        {dmo::E_ACCESSDENIED, std::nullopt, u"Backup returned Error Code: 80070005\r\n"},
        {dmo::SQLDMO_E_ABORTED, u"[zolmgr] The backup was aborted.", std::nullopt},
        {dmo::S_FALSE, std::nullopt, std::nullopt},
    };
    OpenWithDoubles();
    for (const Case& c : cases) {
        backup->script = {};
        backup->script.runResult = c.status;
        backup->script.errorInfo = c.description;
        responder.boxes.clear();
        RunOperation(IDC_BACKUP);
        const auto boxes = responder.Captioned(u"Error");
        if (c.report) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, *c.report);
        } else {
            EXPECT_TRUE(boxes.empty());
        }
    }
    restore->script.runResult = dmo::E_FAIL;
    responder.boxes.clear();
    RunOperation(IDC_RESTORE);
    ASSERT_EQ(responder.Captioned(u"Error").size(), 1u);
    EXPECT_EQ(responder.Captioned(u"Error")[0].text, u"Restore returned Error Code: 80004005\r\n");
}

TEST_F(RunFrameTest, AFailedUnadviseIsReportedAndTheRunEndsNormally) {
    OpenWithDoubles();
    restore->script.unadviseResult = dmo::CONNECT_E_NOCONNECTION;
    RunOperation(IDC_RESTORE);
    const auto boxes = responder.Captioned(u"Error");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Failed in Unadvise function.");
}

TEST_F(RunFrameTest, RestoreTakesATypedNameAndLeavesThePathAlone) {
    OpenWithDoubles();
    ui::ComboBox(dlg.get(), IDC_DATABASES).SetCurSel(-1);
    dlg->GetDlgItem(IDC_DATABASES).SetWindowText(u"newdb");
    RunOperation(IDC_RESTORE);
    EXPECT_EQ(Of("restore"),
              (Calls{"FindConnectionPoint", "Advise", "SetDatabase newdb",
                     "SetFiles C:\\ZOLBackup\\zol.bak", "SetReplaceDatabase 1",
                     "SetPercentCompleteNotification 5", "Run with the server", "Unadvise 42"}));
    EXPECT_EQ(g_szDatabaseName.View(), u"newdb");
    EXPECT_EQ(Text(IDC_BACKUPFILE), u"C:\\ZOLBackup\\zol.bak");
}

TEST_F(RunFrameTest, APathOrNameTooLongForItsFieldIsRefusedAndNothingRuns) {
    OpenWithDoubles();
    const std::u16string longPath = u"C:\\" + std::u16string(100, u'p') + u".bak";
    dlg->GetDlgItem(IDC_BACKUPFILE).SetWindowText(longPath);
    for (int button : {IDC_BACKUP, IDC_RESTORE})
        RunOperation(button);
    EXPECT_EQ(responder.Texts(),
              (Texts{u"The backup file path is longer than 99 characters and cannot be used.",
                     u"The backup file path is longer than 99 characters and cannot be used."}));
    EXPECT_TRUE(Of("backup").empty());
    EXPECT_TRUE(Of("restore").empty());
    EXPECT_EQ(Text(IDC_BACKUPFILE), longPath);

    responder.boxes.clear();
    g_szDatabaseName.Assign(u"zol");
    dlg->GetDlgItem(IDC_BACKUPFILE).SetWindowText(u"C:\\ZOLBackup\\zol.bak");
    ui::ComboBox(dlg.get(), IDC_DATABASES).SetCurSel(-1);
    dlg->GetDlgItem(IDC_DATABASES).SetWindowText(std::u16string(100, u'n'));
    RunOperation(IDC_RESTORE);
    EXPECT_EQ(responder.Texts(),
              Texts{u"The database name is longer than 99 characters and cannot be used."});
    EXPECT_TRUE(Of("restore").empty());
    EXPECT_EQ(g_szDatabaseName.View(), u"zol");
}
