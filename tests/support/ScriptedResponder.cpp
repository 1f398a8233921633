#include "tests/support/ScriptedResponder.h"

#include <gtest/gtest.h>

#include "platform/Utf.h"
#include "ui/Dialog.h"
#include "ui/Types.h"

ScriptedResponder::ScriptedResponder() : previous_(ui::SetModalResponder(this)) {}

ScriptedResponder::~ScriptedResponder() {
    ui::SetModalResponder(previous_);
}

int ScriptedResponder::AnswerMessageBox(const ui::MessageBoxRequest& request) {
    boxes.push_back({request.caption, request.text, request.type});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (request.type & ui::MB_BUTTONMASK) == ui::MB_YESNO ? ui::IDYES : ui::IDOK;
}

int ScriptedResponder::AnswerDialog(ui::Dialog& dialog) {
    dialogTitles.emplace_back(dialog.Template().title);
    return onDialog ? onDialog(dialog) : ui::IDCANCEL;
}

std::vector<std::u16string> ScriptedResponder::Texts() const {
    std::vector<std::u16string> texts;
    for (const Box& box : boxes)
        texts.push_back(box.text);
    return texts;
}

std::optional<std::u16string> ScriptedResponder::AnswerOpenFile(
    const ui::OpenFileRequest& request) {
    openFiles.push_back(request);
    return onOpenFile ? onOpenFile(request) : std::nullopt;
}

int UnexpectedModalResponder::AnswerMessageBox(const ui::MessageBoxRequest& request) {
    ADD_FAILURE() << "unexpected message box: " << platform::ToUtf8(request.text);
    return (request.type & ui::MB_BUTTONMASK) == ui::MB_YESNO ? ui::IDNO : ui::IDCANCEL;
}

int UnexpectedModalResponder::AnswerDialog(ui::Dialog& dialog) {
    ADD_FAILURE() << "unexpected dialog: " << platform::ToUtf8(dialog.Template().title);
    return ui::IDCANCEL;
}

std::optional<std::u16string> UnexpectedModalResponder::AnswerOpenFile(
    const ui::OpenFileRequest& request) {
    ADD_FAILURE() << "unexpected open-file dialog: " << platform::ToUtf8(request.title);
    return std::nullopt;
}

std::vector<ScriptedResponder::Box> ScriptedResponder::Captioned(
    std::u16string_view caption) const {
    std::vector<Box> found;
    for (const Box& box : boxes) {
        if (box.caption == caption)
            found.push_back(box);
    }
    return found;
}
