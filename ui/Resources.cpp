#include "ui/Resources.h"

#include <map>
#include <mutex>

#include "ui/UiThread.h"

namespace ui {
namespace {

struct Table {
    std::mutex mutex;
    std::map<int, const DialogTemplate*> dialogs;
    std::map<int, std::u16string> strings;
    std::map<int, std::function<QIcon()>> icons;
};

Table& Resources() {
    static Table table;
    return table;
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate* dialog) {
    std::lock_guard lock(Resources().mutex);
    Resources().dialogs[dialog->id] = dialog;
}

void RegisterString(int id, std::u16string text) {
    std::lock_guard lock(Resources().mutex);
    Resources().strings[id] = std::move(text);
}

void RegisterIcon(int id, std::function<QIcon()> make) {
    std::lock_guard lock(Resources().mutex);
    Resources().icons[id] = std::move(make);
}

const DialogTemplate* FindDialogTemplate(int id) {
    std::lock_guard lock(Resources().mutex);
    auto found = Resources().dialogs.find(id);
    return found == Resources().dialogs.end() ? nullptr : found->second;
}

std::u16string LoadString(int id) {
    std::lock_guard lock(Resources().mutex);
    auto found = Resources().strings.find(id);
    return found == Resources().strings.end() ? std::u16string() : found->second;
}

QIcon LoadIcon(int id) {
    CheckUiThread("LoadIcon");
    std::function<QIcon()> make;
    {
        std::lock_guard lock(Resources().mutex);
        auto found = Resources().icons.find(id);
        if (found == Resources().icons.end())
            return QIcon();
        make = found->second;
    }
    return make();
}

}  // namespace ui
