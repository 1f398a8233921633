#pragma once
// Registered window messages: a name maps to one identifier for the life of
// the process, in the range the original platform gives them (0xC000 and up).
// Thread contract: any thread.
#include <QEvent>
#include <string_view>

#include "ui/Types.h"

namespace ui {

unsigned RegisterWindowMessage(std::u16string_view name);

// Frees what a posted message's lParam points to.
using ReleaseParam = void (*)(LPARAM lParam);

// The event a posted message travels in to its dialog's window. When the
// message carries storage of its own (`release` given), the event frees it
// once the message has been handled, or when it is dropped undelivered, so
// the storage never outlives the message nor leaks.
class MessageEvent final : public QEvent {
public:
    MessageEvent(unsigned message, WPARAM wParam, LPARAM lParam, ReleaseParam release = nullptr);
    ~MessageEvent() override;
    MessageEvent(const MessageEvent&) = delete;
    MessageEvent& operator=(const MessageEvent&) = delete;
    static QEvent::Type EventType();

    unsigned message;
    WPARAM wParam;
    LPARAM lParam;

private:
    ReleaseParam release_;
};

}  // namespace ui
