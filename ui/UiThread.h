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

// Called by everything that touches a widget. A call off the UI thread is a
// fault: the handler reports it (by default the process stops with a message).
void CheckUiThread(const char* what);
using ThreadViolationHandler = void (*)(const char* what);
ThreadViolationHandler SetThreadViolationHandler(ThreadViolationHandler handler);

}  // namespace ui
