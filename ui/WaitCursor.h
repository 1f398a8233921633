#pragma once
// Shows the wait cursor over the application while it lives.
// Thread contract: any thread (carried out on the UI thread).
namespace ui {

class WaitCursor final {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace ui

namespace ui {

// Shows the wait cursor over the application until the mouse next moves, as a
// cursor set on the original platform lasts until the window sets its own again.
// Thread contract: any thread (carried out on the UI thread).
void ShowWaitCursorUntilMouseMoves();

}  // namespace ui
