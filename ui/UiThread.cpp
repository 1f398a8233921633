#include "ui/UiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace ui {
namespace {

void AbortOnViolation(const char* what) {
    std::fprintf(stderr, "zolmgr: widget touched off the UI thread: %s\n", what);
    std::abort();
}

std::atomic<ThreadViolationHandler> g_violationHandler{&AbortOnViolation};

}  // namespace

bool IsUiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

void RunOnUiThread(const std::function<void()>& work) {
    if (IsUiThread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&work] { work(); }, Qt::BlockingQueuedConnection);
}

void CheckUiThread(const char* what) {
    if (!IsUiThread()) {
        g_violationHandler.load()(what);
    }
}

ThreadViolationHandler SetThreadViolationHandler(ThreadViolationHandler handler) {
    return g_violationHandler.exchange(handler != nullptr ? handler : &AbortOnViolation);
}

}  // namespace ui
