#include "tests/ui/TestDialog.h"

#include "ui/Messages.h"
#include "ui/Resources.h"

const ui::DialogTemplate& TestDialogTemplate(bool cancelEnabled) {
    using namespace ui;
    // clang-format off
    static const DialogTemplate withCancel{
        kTestDialogId + 1, u"Test", 200, 120, u"MS Shell Dlg", 8, kCaption | kSysMenu,
        {
            {IDOK, ControlKind::kDefPushButton, u"&Exit", {140, 100, 50, 14}, kTabStop},
            {IDCANCEL, ControlKind::kPushButton, u"Cancel", {80, 100, 50, 14}, kTabStop},
            {kButtonId, ControlKind::kPushButton, u"Do", {10, 100, 50, 14}, kTabStop},
            {kComboId, ControlKind::kComboBox, u"", {10, 10, 100, 60}, kTabStop | kSorted, true,
             true, u"Things"},
            {kEditId, ControlKind::kEdit, u"", {10, 30, 100, 14}, kTabStop | kBorder},
            {kListId, ControlKind::kListView, u"", {10, 50, 180, 40},
             kTabStop | kNoColumnHeader | kSingleSel, true, true, u"Log"},
        }};
    // clang-format on
    static const DialogTemplate withoutCancel = [] {
        DialogTemplate copy = withCancel;
        copy.id = kTestDialogId;
        copy.controls[1].visible = false;
        copy.controls[1].enabled = false;
        return copy;
    }();
    static const bool registered = [] {
        ui::RegisterDialogTemplate(&withCancel);
        ui::RegisterDialogTemplate(&withoutCancel);
        return true;
    }();
    (void)registered;
    return cancelEnabled ? withCancel : withoutCancel;
}

unsigned g_testMessage = 0;

TestDialog::TestDialog(bool cancelEnabled) : ui::Dialog(TestDialogTemplate(cancelEnabled).id) {
    g_testMessage = ui::RegisterWindowMessage(u"TestDialog.Message");
}

const ui::MessageMap* TestDialog::GetMessageMap() const {
    static const ui::MessageMap map{
        ui::OnClicked(kButtonId, &TestDialog::OnButton),
        ui::OnSelChange(kComboId, &TestDialog::OnComboChange),
        ui::OnTimerMessage(&TestDialog::OnTimer),
        ui::OnEnterIdleMessage(&TestDialog::OnIdle),
        ui::OnSysCommandMessage(&TestDialog::OnSysCommand),
        ui::OnRegisteredMessage(&g_testMessage, &TestDialog::OnMessage),
    };
    return &map;
}

void TestDialog::OnOK() {
    events.push_back("ok");
    ui::Dialog::OnOK();
}

void TestDialog::OnCancel() {
    events.push_back("cancel");
    ui::Dialog::OnCancel();
}

void TestDialog::OnSysCommand(unsigned id) {
    events.push_back("syscommand " + std::to_string(id));
    DefaultSysCommand(id);
}

ui::LRESULT TestDialog::OnMessage(ui::WPARAM w, ui::LPARAM l) {
    events.push_back("message " + std::to_string(w) + " " + std::to_string(l));
    return 1;
}
