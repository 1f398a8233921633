// The five operation buttons: a worker each, the controls off meanwhile, no
// widget touched off the UI thread.
#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <atomic>

#include "app/Globals.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/Wait.h"
#include "ui/UiThread.h"

namespace {

std::atomic<int> g_violations{0};
void CountViolation(const char*) {
    ++g_violations;
}

const int kOperationControls[] = {IDC_SERVERS,    IDC_DATABASES, IDC_CONNECT,   IDC_DISCONNECT,
                                  IDC_BACKUPFILE, IDC_BACKUP,    IDC_RESTORE,   IDC_BROWSE,
                                  IDC_SECURITY,   IDC_CHECKDB,   IDC_REINDEXDB, IDC_SCHEDULE};

using WorkerTest = MainDialogFixture;

}  // namespace

TEST_F(WorkerTest, EachButtonRunsItsWorkWithTheControlsOffAndBringsThemBack) {
    Open();
    dlg->SendCommand(IDC_CONNECT);
    const auto previous = ui::SetThreadViolationHandler(&CountViolation);
    g_violations = 0;
    for (int button : {IDC_BACKUP, IDC_RESTORE, IDC_CHECKDB, IDC_REPAIRDB, IDC_REINDEXDB}) {
        SCOPED_TRACE(button);
        const int lines = g_ctlActivityLog.GetItemCount();
        dlg->SendCommand(button);
        // Off before the handler returns: a second click cannot start a second run.
        for (int id : kOperationControls)
            EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_FALSE(dlg->TimerInterval(1).has_value());
        EXPECT_TRUE(Enabled(ui::IDOK));  // Exit stays usable
        ASSERT_TRUE(WaitForWorkers());
        EXPECT_GT(g_ctlActivityLog.GetItemCount(), lines);
        for (int id : kOperationControls)
            EXPECT_TRUE(Enabled(id)) << id;
        EXPECT_EQ(dlg->TimerInterval(1), 5000);
    }
    EXPECT_EQ(g_violations, 0);
    ui::SetThreadViolationHandler(previous);
}

TEST_F(WorkerTest, BackupAloneShowsTheWaitCursorUntilTheMouseMoves) {
    Open();
    dlg->SendCommand(IDC_CONNECT);
    dlg->SendCommand(IDC_CHECKDB);
    ASSERT_TRUE(WaitForWorkers());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    dlg->SendCommand(IDC_BACKUP);
    ASSERT_TRUE(WaitForWorkers());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QTest::mouseMove(Widget(IDC_BACKUP));
    EXPECT_TRUE(WaitFor([] { return QGuiApplication::overrideCursor() == nullptr; }));
}
