#pragma once
// A small dialog of the framework's own, with a record of what reached its
// message map.
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/MessageMap.h"

inline constexpr int kTestDialogId = 9000;
inline constexpr int kButtonId = 10;
inline constexpr int kComboId = 11;
inline constexpr int kEditId = 12;
inline constexpr int kListId = 13;

const ui::DialogTemplate& TestDialogTemplate(bool cancelEnabled);

// The registered message the test dialog handles.
extern unsigned g_testMessage;

class TestDialog : public ui::Dialog {
public:
    explicit TestDialog(bool cancelEnabled = false);

    std::vector<std::string> events;

protected:
    const ui::MessageMap* GetMessageMap() const override;
    void OnOK() override;
    void OnCancel() override;

    void OnButton() { events.push_back("button"); }
    void OnComboChange() { events.push_back("selchange"); }
    void OnTimer(unsigned id) { events.push_back("timer " + std::to_string(id)); }
    void OnIdle() { events.push_back("idle"); }
    void OnSysCommand(unsigned id);
    ui::LRESULT OnMessage(ui::WPARAM w, ui::LPARAM l);
};
