#include "ui/WaitCursor.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

#include "ui/UiThread.h"

namespace ui {

WaitCursor::WaitCursor() {
    RunOnUiThread([] { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); });
}

WaitCursor::~WaitCursor() {
    RunOnUiThread([] { QGuiApplication::restoreOverrideCursor(); });
}

}  // namespace ui

namespace ui {
namespace {

// Owned by the application, so it goes with it if the mouse never moves.
class ResetOnMouseMove final : public QObject {
public:
    explicit ResetOnMouseMove(QObject* parent) : QObject(parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            QGuiApplication::restoreOverrideCursor();
            deleteLater();
            qApp->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void ShowWaitCursorUntilMouseMoves() {
    RunOnUiThread([] {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        qApp->installEventFilter(new ResetOnMouseMove(qApp));
    });
}

}  // namespace ui
