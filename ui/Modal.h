#pragma once
// The one seam every modal interaction goes through: message boxes and modal
// dialogs (later also the open-file dialog). In production they are real Qt
// modals; a test installs a responder that sees each one and answers it, so no
// test ever blocks on a real modal.
// Thread contract: ShowMessageBox from any thread (it is carried out on the UI
// thread); the rest on the UI thread. The responder is called on the UI thread.
#include <QObject>
#include <optional>
#include <string>

namespace ui {

class Dialog;

struct MessageBoxRequest {
    Dialog* owner = nullptr;  // the dialog the box belongs to
    std::u16string caption;
    std::u16string text;
    unsigned type = 0;  // MB_ button set | MB_ icon
};

// An open-file dialog. Paths are Windows paths; the filter is in the original
// notation: display text and pattern separated by "|", the list ended by "||".
struct OpenFileRequest {
    Dialog* owner = nullptr;
    std::u16string title;
    std::u16string filter;
    std::u16string initialFile;
    bool fileMustExist = false;
};

class ModalResponder {
public:
    virtual ~ModalResponder() = default;
    // Returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int AnswerMessageBox(const MessageBoxRequest& request) = 0;
    // The dialog is built and initialised; the responder may work its controls.
    // Its answer is the dialog's result unless the dialog ended itself.
    virtual int AnswerDialog(Dialog& dialog) = 0;
    // The chosen file's full Windows path; nothing for Cancel.
    virtual std::optional<std::u16string> AnswerOpenFile(const OpenFileRequest& request) = 0;
};

// Null returns to real modals. The caller keeps the responder alive.
// Returns the responder that was installed before.
ModalResponder* SetModalResponder(ModalResponder* responder);

// For a responder: the modal it is answering goes idle once more (as a real
// one does after every burst of input), so its owner gets the enter-idle
// notification again. Nothing happens outside a responder's answer.
void RaiseModalIdle();

int ShowMessageBox(const MessageBoxRequest& request);
std::optional<std::u16string> ShowOpenFileDialog(const OpenFileRequest& request);
// Runs a built and initialised dialog modally; returns the code it ended with.
int RunModalDialog(Dialog& dialog);

// While a modal owned by `owner` runs, tells it each time the modal's event loop
// is about to wait for input (the enter-idle notification).
class EnterIdleScope final {
public:
    explicit EnterIdleScope(Dialog* owner);
    ~EnterIdleScope();
    EnterIdleScope(const EnterIdleScope&) = delete;
    EnterIdleScope& operator=(const EnterIdleScope&) = delete;

private:
    QMetaObject::Connection connection_;
};

}  // namespace ui
