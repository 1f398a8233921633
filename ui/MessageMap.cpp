#include "ui/MessageMap.h"

namespace ui {

const MessageEntry* MessageMap::Find(MessageKind kind, int id) const {
    for (const MessageEntry& entry : entries_) {
        if (entry.kind != kind)
            continue;
        switch (kind) {
            case MessageKind::kClicked:
            case MessageKind::kSelChange:
                if (entry.id == id)
                    return &entry;
                break;
            case MessageKind::kRegistered:
                if (entry.registered != nullptr && *entry.registered != 0 &&
                    static_cast<int>(*entry.registered) == id) {
                    return &entry;
                }
                break;
            default:
                return &entry;
        }
    }
    return nullptr;
}

}  // namespace ui
