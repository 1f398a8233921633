#include "ui/ListView.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "ui/Text.h"

namespace ui {

int ListView::InsertColumn(int column, std::u16string_view heading, Align align, int width) {
    const QString text = ToQString(heading);
    return OnWidget<QTreeWidget>(-1, [&](QTreeWidget& view) {
        // A fresh view reports one unnamed column; the first inserted column takes its place.
        const bool fresh = view.property("ui_columns").toInt() == 0;
        const int count = fresh ? 0 : view.columnCount();
        const int at = std::clamp(column, 0, count);
        view.setColumnCount(count + 1);
        view.setProperty("ui_columns", count + 1);
        QTreeWidgetItem* header = view.headerItem();
        for (int i = count; i > at; --i)
            header->setText(i, header->text(i - 1));
        header->setText(at, text);
        const Qt::Alignment alignment = align == Align::kLeft    ? Qt::AlignLeft
                                        : align == Align::kRight ? Qt::AlignRight
                                                                 : Qt::AlignHCenter;
        header->setTextAlignment(at, alignment | Qt::AlignVCenter);
        if (width >= 0)
            view.setColumnWidth(at, width);
        return at;
    });
}

void ListView::SetColumnWidth(int column, int width) {
    OnWidget<QTreeWidget>([=](QTreeWidget& view) { view.setColumnWidth(column, width); });
}

int ListView::GetColumnWidth(int column) const {
    return OnWidget<QTreeWidget>(0, [=](QTreeWidget& view) { return view.columnWidth(column); });
}

int ListView::GetColumnCount() const {
    return OnWidget<QTreeWidget>(
        0, [](QTreeWidget& view) { return view.property("ui_columns").toInt(); });
}

int ListView::GetItemCount() const {
    return OnWidget<QTreeWidget>(0, [](QTreeWidget& view) { return view.topLevelItemCount(); });
}

int ListView::InsertItem(int index, std::u16string_view text) {
    const QString qtext = ToQString(text);
    return OnWidget<QTreeWidget>(-1, [&](QTreeWidget& view) {
        const int at = std::clamp(index, 0, view.topLevelItemCount());
        auto* item = new QTreeWidgetItem();
        item->setText(0, qtext);
        view.insertTopLevelItem(at, item);
        return at;
    });
}

std::u16string ListView::GetItemText(int index) const {
    return OnWidget<QTreeWidget>(std::u16string(), [index](QTreeWidget& view) {
        QTreeWidgetItem* item = view.topLevelItem(index);
        return item == nullptr ? std::u16string() : ToU16(item->text(0));
    });
}

void ListView::SetItemSelected(int index, bool selected) {
    OnWidget<QTreeWidget>([=](QTreeWidget& view) {
        QTreeWidgetItem* item = view.topLevelItem(index);
        if (item == nullptr)
            return;
        if (selected && view.selectionMode() == QAbstractItemView::SingleSelection) {
            view.clearSelection();
        }
        item->setSelected(selected);
    });
}

bool ListView::IsItemSelected(int index) const {
    return OnWidget<QTreeWidget>(false, [index](QTreeWidget& view) {
        QTreeWidgetItem* item = view.topLevelItem(index);
        return item != nullptr && item->isSelected();
    });
}

void ListView::EnsureVisible(int index, bool partialOk) {
    OnWidget<QTreeWidget>([=](QTreeWidget& view) {
        QTreeWidgetItem* item = view.topLevelItem(index);
        if (item == nullptr)
            return;
        if (partialOk && view.viewport()->rect().intersects(view.visualItemRect(item)))
            return;
        view.scrollToItem(item, QAbstractItemView::EnsureVisible);
    });
}

}  // namespace ui
