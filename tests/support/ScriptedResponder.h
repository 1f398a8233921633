#pragma once
// Answers every modal the program raises, records what it saw, and never blocks.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/Modal.h"

class ScriptedResponder final : public ui::ModalResponder {
public:
    struct Box {
        std::u16string caption;
        std::u16string text;
        unsigned type;
    };

    ScriptedResponder();
    ~ScriptedResponder() override;

    int AnswerMessageBox(const ui::MessageBoxRequest& request) override;
    int AnswerDialog(ui::Dialog& dialog) override;

    // Answers for the next boxes, in order; afterwards OK (Yes for Yes/No).
    std::deque<int> answers;
    // Works a dialog and answers it; without one, dialogs are cancelled.
    std::function<int(ui::Dialog&)> onDialog;

    std::vector<Box> boxes;
    std::vector<std::u16string> dialogTitles;

    std::vector<std::u16string> Texts() const;
};
