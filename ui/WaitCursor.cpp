#include "ui/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

#include "ui/UiThread.h"

namespace ui {

WaitCursor::WaitCursor() {
    CheckUiThread("WaitCursor");
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace ui
