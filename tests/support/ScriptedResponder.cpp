#include "tests/support/ScriptedResponder.h"

#include "ui/Dialog.h"
#include "ui/Types.h"

ScriptedResponder::ScriptedResponder() {
    ui::SetModalResponder(this);
}

ScriptedResponder::~ScriptedResponder() {
    ui::SetModalResponder(nullptr);
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

std::optional<std::u16string> ScriptedResponder::AnswerOpenFile(const ui::OpenFileRequest& request) {
    openFiles.push_back(request);
    return onOpenFile ? onOpenFile(request) : std::nullopt;
}
