#include "tests/support/Wait.h"

#include <QEventLoop>
#include <QTimer>

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        // Handles events as they come, and looks again at least every 5 ms for
        // conditions that no event announces (a worker's atomic flag).
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
