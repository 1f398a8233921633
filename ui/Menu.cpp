#include "ui/Menu.h"

#include "ui/Text.h"
#include "ui/UiThread.h"

namespace ui {

// The menu has no Qt parent: this object owns it, and outlives no dialog window.
Menu::Menu(QWidget*, std::function<void(unsigned)> onCommand) : onCommand_(std::move(onCommand)) {
    menu_.setAccessibleName(QStringLiteral("Window menu"));
}

void Menu::AppendSeparator() {
    CheckUiThread("Menu::AppendSeparator");
    menu_.addSeparator();
}

void Menu::AppendItem(unsigned id, std::u16string_view text) {
    CheckUiThread("Menu::AppendItem");
    // The item text may carry a shortcut hint after a tab, as window menus do.
    const QStringList parts = ToQString(text).split(u'\t');
    QAction* action = menu_.addAction(parts.value(0));
    if (parts.size() > 1)
        action->setShortcut(QKeySequence(parts.value(1)));
    action->setData(id);
    QObject::connect(action, &QAction::triggered, &menu_, [this, id] { onCommand_(id); });
}

std::vector<Menu::Item> Menu::Items() const {
    std::vector<Item> items;
    for (QAction* action : menu_.actions()) {
        items.push_back({action->isSeparator() ? 0u : action->data().toUInt(), action->text()});
    }
    return items;
}

void Menu::Popup(const QPoint& globalPos) {
    CheckUiThread("Menu::Popup");
    menu_.popup(globalPos);
}

bool Menu::Trigger(unsigned id) {
    CheckUiThread("Menu::Trigger");
    for (QAction* action : menu_.actions()) {
        if (!action->isSeparator() && action->data().toUInt() == id) {
            menu_.hide();
            action->trigger();
            return true;
        }
    }
    return false;
}

}  // namespace ui
