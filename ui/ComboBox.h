#pragma once
// Drop-down combo box with an edit field. With the sorted style it keeps its
// entries in case-insensitive order itself. Once the user types into the edit
// field no entry is selected (GetCurSel reads -1) until one is chosen again.
// Thread contract: any thread (see Control).
#include <string>

#include "ui/Control.h"

class QComboBox;

namespace ui {

class ComboBox : public Control {
public:
    using Control::Control;

    static constexpr int kError = -1;

    // Adds an entry (in order when sorted); its index, or kError.
    int AddString(std::u16string_view text);
    int GetCount() const;
    int GetCurSel() const;
    // Selects the entry and shows its text in the edit field; -1 clears the
    // selection and the field. Returns the index, or kError.
    int SetCurSel(int index);
    std::u16string GetLBText(int index) const;
    // Removes every entry and clears the edit field.
    void ResetContent();

    // Framework internals: the typed-into state lives on the widget.
    static void MarkTyped(QComboBox& combo, bool typed);
    static bool IsTyped(const QComboBox& combo);
    static void SetSorted(QComboBox& combo, bool sorted);
};

}  // namespace ui
