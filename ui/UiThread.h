#pragma once
// The one thread that owns every widget, and the means by which other threads
// reach it. Controls are only ever touched on the UI thread: a call from a
// worker is carried out there while the worker waits.
#include <functional>

namespace ui {

bool IsUiThread();

// Runs `work` on the UI thread and returns when it has run. Directly when
// called on the UI thread. Must not be called while the UI thread waits for
// the caller (nothing in the program waits for a worker).
void RunOnUiThread(const std::function<void()>& work);

// Ends the UI's service to other threads, once the main dialog has ended and
// before it is destroyed: calls already on their way are carried out (the
// caller handles events meanwhile); from then on a call from another thread
// never returns, as the process is about to end. Neither running the work on
// the caller's thread nor answering with an empty value would be right.
// UI thread only.
void FinishUi();
// Blocks the calling thread until FinishUi has begun.
void WaitForFinishUi();

// Held by a thread that reaches the UI, or that must finish something before the
// process ends: keeps FinishUi waiting (it carries out the holder's UI calls
// meanwhile) for as long as it is held. Taking it once the UI has finished
// blocks for good, unless the thread holds one already.
class UiCall final {
public:
    enum class Mode {
        kWait,  // once the UI has finished, wait for the end of the process
        kDrop,  // once the UI has finished, go on without it (the holder checks)
    };
    explicit UiCall(Mode mode = Mode::kWait);
    // False when the UI had finished and the mode was kDrop: leave the UI alone.
    explicit operator bool() const { return counted_ || !dropped_; }
    ~UiCall();
    UiCall(const UiCall&) = delete;
    UiCall& operator=(const UiCall&) = delete;

private:
    bool counted_ = false;
    bool dropped_ = false;
};

// Called by everything that touches a widget. A call off the UI thread is a
// fault: the handler reports it (by default the process stops with a message).
void CheckUiThread(const char* what);
using ThreadViolationHandler = void (*)(const char* what);
ThreadViolationHandler SetThreadViolationHandler(ThreadViolationHandler handler);

}  // namespace ui
