#include "ui/Dialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include "ui/ControlFactory.h"
#include "ui/DataExchange.h"
#include "ui/DialogWindow.h"
#include "ui/Menu.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Resources.h"
#include "ui/Text.h"
#include "ui/UiThread.h"

namespace ui {

Dialog::Dialog(int templateId, Dialog* parent)
    : template_(FindDialogTemplate(templateId)), parent_(parent) {}

Dialog::~Dialog() {
    systemMenu_.reset();
    if (window_ != nullptr)
        delete window_.data();
}

bool Dialog::Build() {
    CheckUiThread("Dialog::Build");
    if (template_ == nullptr)
        return false;
    if (window_ != nullptr)
        return true;
    QWidget* parentWindow = parent_ != nullptr ? parent_->Window() : nullptr;
    auto* window = new DialogWindow(*this, parentWindow);
    window_ = window;
    const DialogTemplate& t = *template_;
    const QFont font = TemplateFont(t.fontName, t.pointSize);
    window->setFont(font);
    units_ = ComputeBaseUnits(font);
    window->setWindowTitle(ToQString(t.title));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((t.styles & kSysMenu) != 0)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((t.styles & kAppWindow) != 0)
        flags = (flags & ~Qt::Dialog) | Qt::Window;
    window->setWindowFlags(flags);
    const QRect client = MapDialogRect(DialogRect{0, 0, t.cx, t.cy}, units_);
    window->setFixedSize(client.size());
    window->setAccessibleName(ToQString(t.title));

    const ControlCallbacks callbacks{[this](int id) { HandleCommand(id); },
                                     [this](int id) { HandleSelChange(id); }};
    QWidget* previous = nullptr;
    std::vector<QWidget*> frames;
    for (const ControlTemplate& control : t.controls) {
        QWidget* widget = CreateControl(control, window, units_, callbacks);
        if (control.id != kNoId)
            controls_.emplace(control.id, widget);
        if (control.kind == ControlKind::kGroupBox)
            frames.push_back(widget);
        widget->installEventFilter(window);
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
            combo->lineEdit()->installEventFilter(window);
        }
        if (previous != nullptr && widget->focusPolicy() != Qt::NoFocus) {
            QWidget::setTabOrder(previous, widget);
        }
        if (widget->focusPolicy() != Qt::NoFocus)
            previous = widget;
    }
    for (QWidget* frame : frames)
        frame->lower();

    if ((t.styles & kSysMenu) != 0) {
        systemMenu_ = std::make_unique<Menu>(window, [this](unsigned id) { SendSysCommand(id); });
        systemMenu_->AppendItem(SC_CLOSE, u"&Close\tAlt+F4");
    }
    return true;
}

void Dialog::Initialise() {
    if (OnInitDialog() && window_ != nullptr) {
        // Default focus: the first control in tab order that takes it.
        for (const ControlTemplate& control : template_->controls) {
            QWidget* widget = control.id != kNoId ? Widget(control.id) : nullptr;
            if (widget != nullptr && widget->isEnabled() && !widget->isHidden() &&
                widget->focusPolicy() != Qt::NoFocus) {
                widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

bool Dialog::Create() {
    if (!Build())
        return false;
    Initialise();
    if (!ended_)
        window_->show();
    return true;
}

int Dialog::DoModal() {
    if (!Build())
        return -1;
    Initialise();
    if (ended_)
        return result_;
    return RunModalDialog(*this);
}

int Dialog::ExecLoop() {
    CheckUiThread("Dialog::ExecLoop");
    if (window_ == nullptr)
        return result_;
    modalLoop_ = true;
    window_->exec();
    modalLoop_ = false;
    return result_;
}

void Dialog::EndDialog(int result) {
    RunOnUiThread([this, result] {
        ended_ = true;
        result_ = result;
        for (auto& [id, timer] : timers_)
            timer->stop();
        if (window_ != nullptr)
            window_->Finish(result);
    });
}

bool Dialog::OnInitDialog() {
    DataExchange dx(*this);
    DoDataExchange(dx);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

Control Dialog::GetDlgItem(int id) {
    return Control(this, id);
}

QWidget* Dialog::Window() const {
    CheckUiThread("Dialog::Window");
    return window_.data();
}

QWidget* Dialog::Widget(int id) const {
    CheckUiThread("Dialog::Widget");
    auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

unsigned Dialog::SetTimer(unsigned id, unsigned elapseMs) {
    unsigned result = 0;
    RunOnUiThread([&] {
        if (window_ == nullptr || ended_)
            return;
        QTimer*& timer = timers_[id];
        if (timer == nullptr) {
            timer = new QTimer(window_);
            QObject::connect(timer, &QTimer::timeout, window_, [this, id] { HandleTimer(id); });
        }
        timer->start(static_cast<int>(elapseMs));
        result = id;
    });
    return result;
}

bool Dialog::KillTimer(unsigned id) {
    bool killed = false;
    RunOnUiThread([&] {
        auto found = timers_.find(id);
        if (found == timers_.end() || !found->second->isActive())
            return;
        found->second->stop();
        killed = true;
    });
    return killed;
}

std::optional<int> Dialog::TimerInterval(unsigned id) const {
    std::optional<int> interval;
    RunOnUiThread([&] {
        auto found = timers_.find(id);
        if (found != timers_.end() && found->second->isActive()) {
            interval = found->second->interval();
        }
    });
    return interval;
}

int Dialog::MessageBox(std::u16string_view text, std::u16string_view caption, unsigned type) {
    return ShowMessageBox(
        MessageBoxRequest{this, std::u16string(caption), std::u16string(text), type});
}

void Dialog::PostMessage(unsigned message, WPARAM wParam, LPARAM lParam, ReleaseParam release) {
    // Posting is safe from any thread. Without a window the message is dropped
    // (and its storage freed with it).
    UiCall call;
    auto* event = new MessageEvent(message, wParam, lParam, release);
    QPointer<DialogWindow> window = window_;
    if (window != nullptr) {
        QCoreApplication::postEvent(window.data(), event);
    } else {
        delete event;
    }
}

void Dialog::UpdateWindow() {
    RunOnUiThread([this] {
        if (window_ != nullptr)
            window_->repaint();
    });
}

void Dialog::SetIcon(const QIcon& icon, bool) {
    CheckUiThread("Dialog::SetIcon");
    if (window_ != nullptr)
        window_->setWindowIcon(icon);
}

Menu* Dialog::GetSystemMenu() {
    return systemMenu_.get();
}

void Dialog::ShowSystemMenu(const QPoint& globalPos) {
    if (systemMenu_ != nullptr)
        systemMenu_->Popup(globalPos);
}

bool Dialog::Dispatch(MessageKind kind, int id, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const MessageMap* map = GetMessageMap();
    const MessageEntry* entry = map != nullptr ? map->Find(kind, id) : nullptr;
    if (entry == nullptr)
        return false;
    const LRESULT value = entry->handler(*this, wParam, lParam);
    if (result != nullptr)
        *result = value;
    return true;
}

void Dialog::SendCommand(int id) {
    HandleCommand(id);
}

void Dialog::HandleCommand(int id) {
    CheckUiThread("Dialog::HandleCommand");
    if (ended_)
        return;
    if (Dispatch(MessageKind::kClicked, id, 0, 0, nullptr))
        return;
    if (id == IDOK) {
        if (QWidget* ok = Widget(IDOK); ok != nullptr && !ok->isEnabled())
            return;
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

// Esc and the close request are the cancel command, unless the dialog's
// Cancel button exists and is disabled: then they do nothing.
void Dialog::HandleCancelRequest() {
    if (QWidget* cancel = Widget(IDCANCEL); cancel != nullptr && !cancel->isEnabled())
        return;
    HandleCommand(IDCANCEL);
}

void Dialog::HandleSelChange(int id) {
    if (!ended_)
        Dispatch(MessageKind::kSelChange, id, 0, 0, nullptr);
}

void Dialog::SendTimer(unsigned id) {
    CheckUiThread("Dialog::SendTimer");
    HandleTimer(id);
}

void Dialog::HandleTimer(unsigned id) {
    if (!ended_)
        Dispatch(MessageKind::kTimer, 0, id, 0, nullptr);
}

void Dialog::HandleRegistered(unsigned message, WPARAM wParam, LPARAM lParam) {
    Dispatch(MessageKind::kRegistered, static_cast<int>(message), wParam, lParam, nullptr);
}

void Dialog::SendSysCommand(unsigned id) {
    CheckUiThread("Dialog::SendSysCommand");
    if (!Dispatch(MessageKind::kSysCommand, 0, id, 0, nullptr))
        DefaultSysCommand(id);
}

void Dialog::DefaultSysCommand(unsigned id) {
    if ((id & 0xFFF0u) == SC_CLOSE)
        HandleCancelRequest();
}

void Dialog::NotifyEnterIdle() {
    CheckUiThread("Dialog::NotifyEnterIdle");
    if (!ended_)
        Dispatch(MessageKind::kEnterIdle, 0, 0, 0, nullptr);
}

}  // namespace ui
