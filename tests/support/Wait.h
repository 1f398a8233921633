#pragma once
// Waits, handling events, until `done` holds or `bound` passes. Never sleeps
// blindly: the event loop wakes it as soon as something happens.
#include <chrono>
#include <functional>

bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds bound = std::chrono::seconds(10));
