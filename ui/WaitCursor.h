#pragma once
// Shows the wait cursor over the application while it lives.
// Thread contract: UI thread.
namespace ui {

class WaitCursor final {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace ui
