#include "ui/DialogWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/Dialog.h"
#include "ui/Messages.h"

namespace ui {

DialogWindow::DialogWindow(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {}

void DialogWindow::Finish(int result) {
    finishing_ = true;
    done(result);
    finishing_ = false;
}

// Esc, the close box and Alt+F4 all arrive here: they are the cancel command.
void DialogWindow::reject() {
    if (finishing_) {
        QDialog::reject();
        return;
    }
    dialog_.HandleCancelRequest();
}

void DialogWindow::accept() {
    if (finishing_) {
        QDialog::accept();
        return;
    }
    dialog_.HandleCommand(IDOK);
}

bool DialogWindow::event(QEvent* event) {
    if (event->type() == MessageEvent::EventType()) {
        auto* message = static_cast<MessageEvent*>(event);
        dialog_.HandleRegistered(message->message, message->wParam, message->lParam);
        return true;
    }
    return QDialog::event(event);
}

// Enter and Esc are the dialog's, whichever control has the focus, as on the
// original platform: a combo box's edit field does not swallow them.
bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(event))
        QDialog::keyPressEvent(event);
}

bool DialogWindow::HandleKey(QKeyEvent* event) {
    // Alt+Space opens the window menu, whichever control has the focus.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::AltModifier) {
        dialog_.ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // A focused push button takes Enter itself; elsewhere the default button does.
            if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
                if (button->isEnabled())
                    button->click();
                return true;
            }
            int defaultId = IDOK;
            for (QPushButton* button : findChildren<QPushButton*>()) {
                if (button->isDefault())
                    defaultId = button->property("ui_id").toInt();
            }
            dialog_.HandleCommand(defaultId);
            return true;
        }
        case Qt::Key_Escape:
            if (auto* combo = qobject_cast<QComboBox*>(focusWidget());
                combo && combo->view() && combo->view()->isVisible()) {
                return false;  // closes the open list first
            }
            dialog_.HandleCancelRequest();
            return true;
        default:
            return false;
    }
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* under = childAt(event->pos());
    // Only the dialog's free area (or a frame or text on it) offers the window menu.
    if (under == nullptr || qobject_cast<QGroupBox*>(under) != nullptr ||
        qobject_cast<QLabel*>(under) != nullptr) {
        dialog_.ShowSystemMenu(event->globalPos());
        event->accept();
        return;
    }
    QDialog::contextMenuEvent(event);
}

}  // namespace ui
