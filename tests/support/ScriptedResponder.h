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
    std::optional<std::u16string> AnswerOpenFile(const ui::OpenFileRequest& request) override;

    // Answers for the next boxes, in order; afterwards OK (Yes for Yes/No).
    std::deque<int> answers;
    // Works a dialog and answers it; without one, dialogs are cancelled.
    std::function<int(ui::Dialog&)> onDialog;
    // Chooses a file in an open-file dialog; without one, the dialog is cancelled.
    std::function<std::optional<std::u16string>(const ui::OpenFileRequest&)> onOpenFile;

    std::vector<Box> boxes;
    std::vector<std::u16string> dialogTitles;
    std::vector<ui::OpenFileRequest> openFiles;

    std::vector<std::u16string> Texts() const;
    std::vector<Box> Captioned(std::u16string_view caption) const;

private:
    ui::ModalResponder* previous_;
};

// Installed for a whole test process: a modal that no test expected fails the
// test and is cancelled, instead of waiting for a person who is not there.
class UnexpectedModalResponder final : public ui::ModalResponder {
public:
    int AnswerMessageBox(const ui::MessageBoxRequest& request) override;
    int AnswerDialog(ui::Dialog& dialog) override;
    std::optional<std::u16string> AnswerOpenFile(const ui::OpenFileRequest& request) override;
};
