#pragma once
// The window menu of a dialog. Linux window managers own the title bar, so the
// dialog offers its own (Alt+Space, or a right-click on its free area) with the
// system commands and whatever items the dialog appends.
// Thread contract: UI thread only.
#include <QMenu>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

namespace ui {

class Menu final {
public:
    // `onCommand` gets the identifier of the chosen item.
    Menu(QWidget* owner, std::function<void(unsigned)> onCommand);

    void AppendSeparator();
    void AppendItem(unsigned id, std::u16string_view text);

    struct Item {
        unsigned id;  // 0 for a separator
        QString text;
    };
    std::vector<Item> Items() const;

    void Popup(const QPoint& globalPos);
    QMenu* Widget() { return &menu_; }
    // Chooses the item with this identifier as the user would.
    bool Trigger(unsigned id);

private:
    QMenu menu_;
    std::function<void(unsigned)> onCommand_;
};

}  // namespace ui
