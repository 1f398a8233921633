#include "ui/ComboBox.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/Text.h"

namespace ui {
namespace {
constexpr char kTypedProperty[] = "ui_typed";
constexpr char kSortedProperty[] = "ui_sorted";
}  // namespace

void ComboBox::MarkTyped(QComboBox& combo, bool typed) {
    combo.setProperty(kTypedProperty, typed);
}

bool ComboBox::IsTyped(const QComboBox& combo) {
    return combo.property(kTypedProperty).toBool();
}

void ComboBox::SetSorted(QComboBox& combo, bool sorted) {
    combo.setProperty(kSortedProperty, sorted);
}

int ComboBox::AddString(std::u16string_view text) {
    const QString item = ToQString(text);
    return OnWidget<QComboBox>(kError, [&item](QComboBox& combo) {
        int at = combo.count();
        if (combo.property(kSortedProperty).toBool()) {
            at = 0;
            while (at < combo.count() &&
                   QString::compare(combo.itemText(at), item, Qt::CaseInsensitive) <= 0) {
                ++at;
            }
        }
        // Inserting must not disturb what the edit field shows.
        const QString shown = combo.currentText();
        const bool typed = IsTyped(combo);
        const int selected = typed ? -1 : combo.currentIndex();
        combo.blockSignals(true);
        combo.insertItem(at, item);
        if (selected < 0) {
            combo.setCurrentIndex(-1);
            if (combo.lineEdit() != nullptr)
                combo.lineEdit()->setText(shown);
        }
        combo.blockSignals(false);
        MarkTyped(combo, typed);
        return at;
    });
}

int ComboBox::GetCount() const {
    return OnWidget<QComboBox>(0, [](QComboBox& combo) { return combo.count(); });
}

int ComboBox::GetCurSel() const {
    return OnWidget<QComboBox>(
        kError, [](QComboBox& combo) { return IsTyped(combo) ? kError : combo.currentIndex(); });
}

int ComboBox::SetCurSel(int index) {
    return OnWidget<QComboBox>(kError, [index](QComboBox& combo) {
        combo.blockSignals(true);
        const bool valid = index >= 0 && index < combo.count();
        combo.setCurrentIndex(valid ? index : -1);
        if (!valid && combo.lineEdit() != nullptr)
            combo.lineEdit()->clear();
        combo.blockSignals(false);
        MarkTyped(combo, false);
        return valid ? index : kError;
    });
}

std::u16string ComboBox::GetLBText(int index) const {
    return OnWidget<QComboBox>(std::u16string(), [index](QComboBox& combo) {
        return index >= 0 && index < combo.count() ? ToU16(combo.itemText(index))
                                                   : std::u16string();
    });
}

void ComboBox::ResetContent() {
    OnWidget<QComboBox>([](QComboBox& combo) {
        combo.blockSignals(true);
        combo.clear();
        if (combo.lineEdit() != nullptr)
            combo.lineEdit()->clear();
        combo.blockSignals(false);
        MarkTyped(combo, false);
    });
}

}  // namespace ui
