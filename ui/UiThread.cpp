#include "ui/UiThread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

namespace ui {
namespace {

void AbortOnViolation(const char* what) {
    std::fprintf(stderr, "zolmgr: widget touched off the UI thread: %s\n", what);
    std::abort();
}

std::atomic<ThreadViolationHandler> g_violationHandler{&AbortOnViolation};
std::atomic<bool> g_finished{false};
std::atomic<int> g_inFlight{0};

[[noreturn]] void BlockForGood() {
    std::promise<void> never;
    never.get_future().wait();
    std::abort();
}

}  // namespace

bool IsUiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

// How many UiCalls this thread holds: one held keeps the UI up, so calls
// nested inside it go on even after the UI has begun to finish.
thread_local int t_held = 0;

UiCall::UiCall(Mode mode) {
    if (IsUiThread())
        return;
    if (t_held == 0) {
        ++g_inFlight;
        if (g_finished) {
            --g_inFlight;
            if (mode == Mode::kDrop) {
                dropped_ = true;
                return;
            }
            BlockForGood();
        }
    }
    ++t_held;
    counted_ = true;
}

UiCall::~UiCall() {
    if (!counted_)
        return;
    if (--t_held == 0)
        --g_inFlight;
}

void RunOnUiThread(const std::function<void()>& work) {
    if (IsUiThread()) {
        work();
        return;
    }
    UiCall call;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&work] { work(); }, Qt::BlockingQueuedConnection);
}

void WaitForFinishUi() {
    g_finished.wait(false);
}

void FinishUi() {
    CheckUiThread("FinishUi");
    g_finished = true;
    g_finished.notify_all();
    while (g_inFlight > 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::yield();
    }
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
