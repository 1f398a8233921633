#pragma once
// A handle on one control of a dialog, reached by id. Every operation is safe
// from any thread: off the UI thread it is carried out on the UI thread while
// the caller waits. A handle that is not attached, or whose control does not
// exist, does nothing and reads as empty.
#include <QWidget>
#include <string>
#include <string_view>

#include "ui/UiThread.h"

namespace ui {

class Dialog;

class Control {
public:
    Control() = default;
    Control(Dialog* dialog, int id) : dialog_(dialog), id_(id) {}
    virtual ~Control() = default;

    void Attach(Dialog* dialog, int id) {
        dialog_ = dialog;
        id_ = id;
    }
    int Id() const { return id_; }
    bool IsAttached() const { return dialog_ != nullptr; }

    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void ShowWindow(bool show);
    // The control's own visibility flag (false while hidden by its style or ShowWindow).
    bool IsWindowVisible() const;
    void SetWindowText(std::u16string_view text);
    std::u16string GetWindowText() const;
    // Schedules a repaint of the whole control.
    void Invalidate();
    void SetFocus();

protected:
    // Runs `work` with the control's widget on the UI thread; `fallback` when
    // there is none or it is not a W.
    template <class W, class R, class F>
    R OnWidget(R fallback, F work) const {
        R result = fallback;
        RunOnUiThread([&] {
            if (W* widget = qobject_cast<W*>(Find()))
                result = work(*widget);
        });
        return result;
    }
    template <class W, class F>
    void OnWidget(F work) const {
        RunOnUiThread([&] {
            if (W* widget = qobject_cast<W*>(Find()))
                work(*widget);
        });
    }

private:
    QWidget* Find() const;

    Dialog* dialog_ = nullptr;
    int id_ = 0;
};

}  // namespace ui
