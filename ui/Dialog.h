#pragma once
// A dialog built from a template: controls by id, member wrappers bound by data
// exchange, a message map, modal runs, timers that keep their identifier,
// posted messages and a window menu.
//
// Thread contract: construction, DoModal, Create and the virtual handlers run
// on the UI thread. EndDialog, GetDlgItem, SetTimer, KillTimer, MessageBox,
// PostMessage and UpdateWindow may be called from any thread.
#include <QIcon>
#include <QPointer>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Control.h"
#include "ui/DialogTemplate.h"
#include "ui/DialogUnits.h"
#include "ui/MessageMap.h"
#include "ui/Messages.h"
#include "ui/Types.h"

class QWidget;
class QTimer;

namespace ui {

class DataExchange;
class DialogWindow;
class Menu;

class Dialog {
public:
    explicit Dialog(int templateId, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Builds, initialises and runs the dialog modally through the modal seam;
    // returns the code it ended with.
    int DoModal();
    // Builds and initialises the dialog and shows it without a modal loop (the
    // screenshot and the tests drive it this way). False when it cannot be built.
    bool Create();

    void EndDialog(int result);
    bool IsEnded() const { return ended_; }
    int Result() const { return result_; }

    Control GetDlgItem(int id);
    unsigned SetTimer(unsigned id, unsigned elapseMs);
    bool KillTimer(unsigned id);
    // The period of a running timer; nothing when it is not running.
    std::optional<int> TimerInterval(unsigned id) const;

    // A message box owned by this dialog (caption as given, no icon unless asked).
    int MessageBox(std::u16string_view text, std::u16string_view caption, unsigned type = MB_OK);
    // `release` (if given) frees what lParam points to once the message is done with.
    void PostMessage(unsigned message, WPARAM wParam, LPARAM lParam,
                     ReleaseParam release = nullptr);
    // Repaints the dialog at once.
    void UpdateWindow();

    // UI thread only.
    void SetIcon(const QIcon& icon, bool big);
    Menu* GetSystemMenu();
    void SendCommand(int id);
    void SendSysCommand(unsigned id);
    // Acts as a tick of the timer with this identifier.
    void SendTimer(unsigned id);
    void NotifyEnterIdle();
    QWidget* Window() const;
    QWidget* Widget(int id) const;
    BaseUnits Units() const { return units_; }
    // The real modal loop; the modal seam calls it when no responder answers.
    int ExecLoop();
    const DialogTemplate& Template() const { return *template_; }
    Dialog* Parent() const { return parent_; }

protected:
    // Default: binds the controls through DoDataExchange; true sets the default focus.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    virtual void OnOK();
    virtual void OnCancel();
    virtual const MessageMap* GetMessageMap() const { return nullptr; }
    // What a system command does when the map has no handler for it.
    void DefaultSysCommand(unsigned id);

private:
    friend class DialogWindow;
    friend class Control;

    bool Build();
    void Initialise();
    bool Dispatch(MessageKind kind, int id, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void HandleCommand(int id);
    void HandleSelChange(int id);
    void HandleCancelRequest();
    void HandleTimer(unsigned id);
    void HandleRegistered(unsigned message, WPARAM wParam, LPARAM lParam);
    void ShowSystemMenu(const QPoint& globalPos);

    const DialogTemplate* template_;
    Dialog* parent_;
    QPointer<DialogWindow> window_;
    std::map<int, QWidget*> controls_;
    std::map<unsigned, QTimer*> timers_;
    std::unique_ptr<Menu> systemMenu_;
    BaseUnits units_;
    bool ended_ = false;
    int result_ = 0;
    bool modalLoop_ = false;
};

}  // namespace ui
