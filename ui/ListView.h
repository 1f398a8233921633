#pragma once
// Report-view list: items of text in columns, one selection at a time.
// Thread contract: any thread (see Control); each call is carried out whole on
// the UI thread, so calls from different threads never interleave inside one.
#include <string>

#include "ui/Control.h"

namespace ui {

class ListView : public Control {
public:
    using Control::Control;

    enum class Align { kLeft, kRight, kCenter };

    // Inserts a column; width -1 leaves the toolkit's default. Returns its index.
    int InsertColumn(int column, std::u16string_view heading, Align align = Align::kLeft,
                     int width = -1);
    void SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    int GetColumnCount() const;

    int GetItemCount() const;
    // Inserts an item with the text in column 0; its index, or -1.
    int InsertItem(int index, std::u16string_view text);
    std::u16string GetItemText(int index) const;
    // Sets or clears the selected state of one item; with single selection,
    // selecting one item takes the selection from the others.
    void SetItemSelected(int index, bool selected);
    bool IsItemSelected(int index) const;
    // Scrolls the item into view; with partialOk false it ends entirely visible.
    void EnsureVisible(int index, bool partialOk);
};

}  // namespace ui
