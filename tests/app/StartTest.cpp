// The main dialog right after its initialisation, against the real instance.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/Globals.h"
#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "ui/Menu.h"

using StartTest = MainDialogFixture;

TEST_F(StartTest, OpensDisconnectedShowingTheLocalInstanceRunning) {
    Open();
    for (int id : {IDC_CONNECT, IDC_SERVERS, IDC_BACKUPFILE, ui::IDOK, IDC_STARTSTOP}) {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    for (int id : {IDC_DISCONNECT, IDC_DATABASES, IDC_BACKUP, IDC_RESTORE, IDC_BROWSE, IDC_SECURITY,
                   IDC_CHECKDB, IDC_REINDEXDB, IDC_SCHEDULE}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_FALSE(Visible(IDC_REPAIRDB));
    EXPECT_FALSE(Visible(IDC_PAUSECONTINUE));
    EXPECT_FALSE(Visible(ui::IDCANCEL));
    EXPECT_FALSE(Enabled(ui::IDCANCEL));
    EXPECT_EQ(Text(IDC_BACKUPFILE), u"");
    EXPECT_EQ(Text(IDC_SERVERS), u"TESTBOX\\ZOL");
    EXPECT_EQ(Text(IDC_STATUS), u"Running");
    EXPECT_EQ(Text(IDC_STARTSTOP), u"Stop");
    EXPECT_EQ(Text(IDC_PAUSECONTINUE), u"Pause");
    EXPECT_EQ(g_szServerName.View(), u"TESTBOX\\ZOL");
    EXPECT_EQ(g_bConnected, 0);
    EXPECT_TRUE(responder.boxes.empty());
}

TEST_F(StartTest, StartsTheStatusTimerAndTheEmptyActivityLog) {
    Open();
    EXPECT_EQ(g_nStatusTimer, 1u);
    EXPECT_EQ(dlg->TimerInterval(1), 5000);
    EXPECT_NE(g_uUpdateTextMsg, 0u);
    EXPECT_EQ(g_ctlActivityLog.GetColumnCount(), 1);
    EXPECT_EQ(g_ctlActivityLog.GetColumnWidth(0), 4000);
    EXPECT_EQ(g_ctlActivityLog.GetItemCount(), 0);
}

TEST_F(StartTest, WindowMenuCarriesTheAboutItemAfterASeparator) {
    Open();
    const auto items = dlg->GetSystemMenu()->Items();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].id, 0u);
    EXPECT_EQ(items.back().id, IDM_ABOUTBOX);
    EXPECT_EQ(items.back().text, QStringLiteral("&About zolmgr..."));
    EXPECT_FALSE(dlg->Window()->windowIcon().isNull());
}

TEST_F(StartTest, EnterInTheServerListsEditFieldRunsTheExitPath) {
    Open();
    auto* combo = qobject_cast<QComboBox*>(Widget(IDC_SERVERS));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->Result(), ui::IDOK);
}

TEST_F(StartTest, EscapeAndTheCloseRequestLeaveTheDialogOpen) {
    Open();
    QTest::keyClick(Widget(IDC_BACKUPFILE), Qt::Key_Escape);
    dlg->Window()->close();
    dlg->SendSysCommand(ui::SC_CLOSE);
    EXPECT_FALSE(dlg->IsEnded());
}
