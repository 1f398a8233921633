#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <thread>

#include "tests/support/ScriptedResponder.h"
#include "tests/support/Wait.h"
#include "tests/ui/TestDialog.h"
#include "ui/App.h"
#include "ui/Menu.h"
#include "ui/Messages.h"

using Events = std::vector<std::string>;

TEST(DialogTest, EnterAnywhereButOnAButtonRunsTheDefaultButton) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    auto* combo = qobject_cast<QComboBox*>(dialog.Widget(kComboId));
    combo->lineEdit()->setFocus();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.events, Events{"ok"});
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.Result(), ui::IDOK);
}

TEST(DialogTest, EnterOnAFocusedButtonClicksThatButton) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.Widget(kButtonId)->setFocus();
    QTest::keyClick(dialog.Widget(kButtonId), Qt::Key_Return);
    EXPECT_EQ(dialog.events, Events{"button"});
    EXPECT_FALSE(dialog.IsEnded());
}

TEST(DialogTest, EscapeAndCloseDoNothingWhileCancelIsDisabled) {
    TestDialog dialog(false);
    ASSERT_TRUE(dialog.Create());
    QTest::keyClick(dialog.Widget(kEditId), Qt::Key_Escape);
    dialog.Window()->close();
    dialog.SendSysCommand(ui::SC_CLOSE);
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(dialog.events, Events{"syscommand 61536"});
    EXPECT_TRUE(dialog.Window()->isVisible());
}

TEST(DialogTest, EscapeIsCancelWhenCancelIsEnabled) {
    TestDialog dialog(true);
    ASSERT_TRUE(dialog.Create());
    QTest::keyClick(dialog.Widget(kEditId), Qt::Key_Escape);
    EXPECT_EQ(dialog.events, Events{"cancel"});
    EXPECT_EQ(dialog.Result(), ui::IDCANCEL);
}

TEST(DialogTest, TimersKeepTheirIdentifier) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.SetTimer(7, 5), 7u);
    EXPECT_EQ(dialog.TimerInterval(7), 5);
    ASSERT_TRUE(WaitFor([&] { return !dialog.events.empty(); }));
    EXPECT_EQ(dialog.events.front(), "timer 7");
    EXPECT_TRUE(dialog.KillTimer(7));
    EXPECT_FALSE(dialog.TimerInterval(7).has_value());
    EXPECT_FALSE(dialog.KillTimer(7));
}

TEST(DialogTest, RegisteredMessagesAreStableAndPostedFromAnyThread) {
    const unsigned first = ui::RegisterWindowMessage(u"Some.Name");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(ui::RegisterWindowMessage(u"Some.Name"), first);
    EXPECT_NE(ui::RegisterWindowMessage(u"Other.Name"), first);

    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    std::thread poster([&] {
        for (int i = 0; i < 3; ++i)
            dialog.PostMessage(g_testMessage, 3, -i);
    });
    poster.join();
    dialog.PostMessage(first, 0, 0);  // not in the map: dropped
    ASSERT_TRUE(WaitFor([&] { return dialog.events.size() == 3; }));
    EXPECT_EQ(dialog.events, (Events{"message 3 0", "message 3 -1", "message 3 -2"}));
}

TEST(DialogTest, WindowMenuOpensWithAltSpaceAndSendsItsCommands) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ui::Menu* menu = dialog.GetSystemMenu();
    ASSERT_NE(menu, nullptr);
    menu->AppendSeparator();
    menu->AppendItem(0x10, u"&About...");
    dialog.Window()->activateWindow();
    QTest::keyClick(dialog.Window(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([&] { return menu->Widget()->isVisible(); }));
    EXPECT_TRUE(menu->Trigger(0x10));
    EXPECT_EQ(dialog.events, Events{"syscommand 16"});
    ASSERT_EQ(menu->Items().size(), 3u);
    EXPECT_EQ(menu->Items()[0].id, ui::SC_CLOSE);
}

TEST(DialogTest, RightClickOnTheFreeAreaOpensTheWindowMenu) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    QContextMenuEvent onFreeArea(QContextMenuEvent::Mouse, QPoint(2, 2),
                                 dialog.Window()->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(dialog.Window(), &onFreeArea);
    EXPECT_TRUE(dialog.GetSystemMenu()->Widget()->isVisible());
}

TEST(DialogTest, ModalDialogsAndBoxesGoToTheResponder) {
    ScriptedResponder responder;
    responder.answers = {ui::IDCANCEL};
    responder.onDialog = [](ui::Dialog& d) {
        d.SendCommand(kButtonId);
        return 42;
    };
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.events, Events{"button"});
    EXPECT_EQ(responder.dialogTitles, std::vector<std::u16string>{u"Test"});

    EXPECT_EQ(dialog.MessageBox(u"Text", u"Error"), ui::IDCANCEL);
    EXPECT_EQ(ui::AppMessageBox(u"Plain"), ui::IDOK);
    EXPECT_EQ(ui::AppMessageBox(u"Sure?", ui::MB_YESNO), ui::IDYES);
    ASSERT_EQ(responder.boxes.size(), 3u);
    EXPECT_EQ(responder.boxes[0].caption, u"Error");
    EXPECT_EQ(responder.boxes[0].type, ui::MB_OK);
    EXPECT_EQ(responder.boxes[1].caption, u"zolmgr");
    EXPECT_EQ(responder.boxes[1].type, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(responder.boxes[2].type, ui::MB_YESNO | ui::MB_ICONQUESTION);
}

TEST(DialogTest, AModalRaisesEnterIdleOnItsOwner) {
    ScriptedResponder responder;
    TestDialog owner;
    ASSERT_TRUE(owner.Create());
    ui::SetMainWindow(&owner);
    ui::AppMessageBox(u"Hello");
    ui::SetMainWindow(nullptr);
    EXPECT_EQ(owner.events, Events{"idle"});
}
