#pragma once
// Registered window messages: a name maps to one identifier for the life of
// the process, in the range the original platform gives them (0xC000 and up).
// Thread contract: any thread.
#include <QEvent>
#include <string_view>

#include "ui/Types.h"

namespace ui {

unsigned RegisterWindowMessage(std::u16string_view name);

// The event a posted message travels in to its dialog's window.
class MessageEvent final : public QEvent {
public:
    MessageEvent(unsigned message, WPARAM wParam, LPARAM lParam);
    static QEvent::Type EventType();

    unsigned message;
    WPARAM wParam;
    LPARAM lParam;
};

}  // namespace ui
