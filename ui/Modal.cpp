#include "ui/Modal.h"

#include <QAbstractEventDispatcher>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <atomic>
#include <vector>

#include "platform/WindowsPath.h"
#include "ui/App.h"
#include "ui/Dialog.h"
#include "ui/Text.h"
#include "ui/Types.h"
#include "ui/UiThread.h"

namespace ui {
namespace {

std::atomic<ModalResponder*> g_responder{nullptr};
// Owners of the modals a responder is answering, innermost last (UI thread only).
std::vector<Dialog*> g_answering;

// Tells the owner its modal went idle, then lets the responder answer.
template <class Answer>
auto AnswerThroughResponder(Dialog* owner, Answer answer) -> decltype(answer()) {
    g_answering.push_back(owner);
    if (owner != nullptr)
        owner->NotifyEnterIdle();
    auto result = answer();
    g_answering.pop_back();
    return result;
}

int RunRealMessageBox(const MessageBoxRequest& request) {
    Dialog* owner = request.owner != nullptr ? request.owner : MainWindow();
    QMessageBox box(owner != nullptr ? owner->Window() : nullptr);
    box.setWindowTitle(ToQString(request.caption));
    box.setText(ToQString(request.text));
    switch (request.type & MB_ICONMASK) {
        case MB_ICONEXCLAMATION:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
    }
    switch (request.type & MB_BUTTONMASK) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
    }
    EnterIdleScope idle(owner);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return IDOK;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return (request.type & MB_BUTTONMASK) == MB_OK ? IDOK : IDCANCEL;
    }
}

// The original filter notation to Qt's: "Text|pattern|...||" becomes
// "Text (pattern)" entries; blanks around a pattern mean nothing.
QStringList QtFilters(const QString& filter) {
    QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        const QString text = parts[i].trimmed();
        const QString patterns = parts[i + 1].simplified().replace(u';', u' ');
        // Qt shows the patterns in parentheses; a text that already does keeps its own.
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        filters << (text.endsWith(shown) ? text : QStringLiteral("%1 %2").arg(text, shown));
    }
    return filters;
}

std::optional<std::u16string> RunRealOpenFileDialog(const OpenFileRequest& request) {
    Dialog* owner = request.owner != nullptr ? request.owner : MainWindow();
    QFileDialog dialog(owner != nullptr ? owner->Window() : nullptr, ToQString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(QtFilters(ToQString(request.filter)));
    if (auto local = platform::ToLocalPath(request.initialFile)) {
        const QFileInfo initial(QString::fromStdString(std::filesystem::absolute(*local).string()));
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    EnterIdleScope idle(owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return platform::ToWindowsPath(dialog.selectedFiles().front().toStdString());
}

}  // namespace

EnterIdleScope::EnterIdleScope(Dialog* owner) {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (owner == nullptr || dispatcher == nullptr || owner->Window() == nullptr)
        return;
    QPointer<QWidget> alive = owner->Window();
    connection_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                   owner->Window(), [owner, alive] {
                                       if (alive)
                                           owner->NotifyEnterIdle();
                                   });
}

EnterIdleScope::~EnterIdleScope() {
    QObject::disconnect(connection_);
}

ModalResponder* SetModalResponder(ModalResponder* responder) {
    return g_responder.exchange(responder);
}

void RaiseModalIdle() {
    CheckUiThread("RaiseModalIdle");
    if (!g_answering.empty() && g_answering.back() != nullptr) {
        g_answering.back()->NotifyEnterIdle();
    }
}

int ShowMessageBox(const MessageBoxRequest& request) {
    int answer = IDCANCEL;
    RunOnUiThread([&] {
        if (ModalResponder* responder = g_responder.load()) {
            // A real box goes idle as soon as it shows; the responder's box does too.
            Dialog* owner = request.owner != nullptr ? request.owner : MainWindow();
            answer =
                AnswerThroughResponder(owner, [&] { return responder->AnswerMessageBox(request); });
        } else {
            answer = RunRealMessageBox(request);
        }
    });
    return answer;
}

std::optional<std::u16string> ShowOpenFileDialog(const OpenFileRequest& request) {
    std::optional<std::u16string> chosen;
    RunOnUiThread([&] {
        if (ModalResponder* responder = g_responder.load()) {
            Dialog* owner = request.owner != nullptr ? request.owner : MainWindow();
            chosen =
                AnswerThroughResponder(owner, [&] { return responder->AnswerOpenFile(request); });
        } else {
            chosen = RunRealOpenFileDialog(request);
        }
    });
    return chosen;
}

int RunModalDialog(Dialog& dialog) {
    CheckUiThread("RunModalDialog");
    Dialog* owner = dialog.Parent() != nullptr ? dialog.Parent() : MainWindow();
    if (owner == &dialog)
        owner = nullptr;
    if (ModalResponder* responder = g_responder.load()) {
        const int answer =
            AnswerThroughResponder(owner, [&] { return responder->AnswerDialog(dialog); });
        if (!dialog.IsEnded())
            dialog.EndDialog(answer);
        return dialog.Result();
    }
    EnterIdleScope idle(owner);
    return dialog.ExecLoop();
}

}  // namespace ui
