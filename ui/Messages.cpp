#include "ui/Messages.h"

#include <map>
#include <mutex>
#include <string>

namespace ui {

unsigned RegisterWindowMessage(std::u16string_view name) {
    static std::mutex mutex;
    static std::map<std::u16string, unsigned, std::less<>> messages;
    if (name.empty())
        return 0;
    std::lock_guard lock(mutex);
    auto found = messages.find(name);
    if (found != messages.end())
        return found->second;
    const auto id = static_cast<unsigned>(0xC000 + messages.size());
    messages.emplace(std::u16string(name), id);
    return id;
}

MessageEvent::MessageEvent(unsigned messageId, WPARAM w, LPARAM l, ReleaseParam release)
    : QEvent(EventType()), message(messageId), wParam(w), lParam(l), release_(release) {}

MessageEvent::~MessageEvent() {
    if (release_ != nullptr) release_(lParam);
}

QEvent::Type MessageEvent::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace ui
