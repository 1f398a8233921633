#pragma once
// A dialog's message map: which handler a click, a selection change, a timer
// tick, an idle notice, a system command or a registered message reaches.
// Entries are looked up in the order of the map.
#include <functional>
#include <initializer_list>
#include <vector>

#include "ui/Types.h"

namespace ui {

class Dialog;

enum class MessageKind {
    kClicked,
    kSelChange,
    kTimer,
    kEnterIdle,
    kSysCommand,
    kRegistered,
};

struct MessageEntry {
    MessageKind kind;
    int id = 0;                            // the control, for clicks and selection changes
    const unsigned* registered = nullptr;  // where a registered message's identifier is kept
    std::function<LRESULT(Dialog&, WPARAM, LPARAM)> handler;
};

class MessageMap final {
public:
    MessageMap(std::initializer_list<MessageEntry> entries) : entries_(entries) {}

    // The first entry for this kind; `id` is the control for clicks and
    // selection changes, the message for registered messages.
    const MessageEntry* Find(MessageKind kind, int id) const;

private:
    std::vector<MessageEntry> entries_;
};

template <class T>
MessageEntry OnClicked(int id, void (T::*handler)()) {
    return {MessageKind::kClicked, id, nullptr, [handler](Dialog& d, WPARAM, LPARAM) {
                (static_cast<T&>(d).*handler)();
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry OnSelChange(int id, void (T::*handler)()) {
    return {MessageKind::kSelChange, id, nullptr, [handler](Dialog& d, WPARAM, LPARAM) {
                (static_cast<T&>(d).*handler)();
                return LRESULT{0};
            }};
}

// Timer ticks: the handler gets the timer's identifier.
template <class T>
MessageEntry OnTimerMessage(void (T::*handler)(unsigned)) {
    return {MessageKind::kTimer, 0, nullptr, [handler](Dialog& d, WPARAM w, LPARAM) {
                (static_cast<T&>(d).*handler)(static_cast<unsigned>(w));
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry OnEnterIdleMessage(void (T::*handler)()) {
    return {MessageKind::kEnterIdle, 0, nullptr, [handler](Dialog& d, WPARAM, LPARAM) {
                (static_cast<T&>(d).*handler)();
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry OnSysCommandMessage(void (T::*handler)(unsigned)) {
    return {MessageKind::kSysCommand, 0, nullptr, [handler](Dialog& d, WPARAM w, LPARAM) {
                (static_cast<T&>(d).*handler)(static_cast<unsigned>(w));
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry OnRegisteredMessage(const unsigned* message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {MessageKind::kRegistered, 0, message, [handler](Dialog& d, WPARAM w, LPARAM l) {
                return (static_cast<T&>(d).*handler)(w, l);
            }};
}

}  // namespace ui
