// The About box: from the window menu item, and from nowhere else.
#include <QLabel>
#include <QTest>

#include "res/resource.h"
#include "tests/support/MainDialogFixture.h"
#include "tests/support/Wait.h"
#include "ui/Menu.h"

using AboutTest = MainDialogFixture;

TEST_F(AboutTest, WindowMenuItemOpensTheAboutBox) {
    Open();
    QStringList texts;
    responder.onDialog = [&](ui::Dialog& about) {
        for (auto* label : about.Window()->findChildren<QLabel*>())
            texts << label->text();
        about.SendCommand(ui::IDOK);
        return ui::IDCANCEL;
    };
    dlg->Window()->activateWindow();
    QTest::keyClick(dlg->Window(), Qt::Key_Space, Qt::AltModifier);
    ui::Menu* menu = dlg->GetSystemMenu();
    ASSERT_TRUE(WaitFor([&] { return menu->Widget()->isVisible(); }));
    EXPECT_TRUE(menu->Trigger(IDM_ABOUTBOX));

    EXPECT_EQ(responder.dialogTitles, std::vector<std::u16string>{u"About zolmgr"});
    EXPECT_TRUE(texts.contains(QStringLiteral("zolmgr Version 1.0")));
    EXPECT_FALSE(dlg->IsEnded());
}

TEST_F(AboutTest, NoOtherCommandOpensIt) {
    Open();
    dlg->SendSysCommand(ui::SC_CLOSE);
    for (int id : {IDC_CONNECT, IDC_DISCONNECT, IDC_STARTSTOP})
        dlg->SendCommand(id);
    QTest::keyClick(dlg->Window(), Qt::Key_F1);
    EXPECT_TRUE(responder.dialogTitles.empty());
}
