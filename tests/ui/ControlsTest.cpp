#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "tests/ui/TestDialog.h"
#include "ui/ComboBox.h"
#include "ui/ListView.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }
    TestDialog dialog;
};

}  // namespace

TEST_F(ControlsTest, SortedComboKeepsCaseInsensitiveOrder) {
    ui::ComboBox combo(&dialog, kComboId);
    for (const char16_t* name : {u"zol", u"Beta", u"alpha", u"ZOL", u"beta"})
        combo.AddString(name);
    std::vector<std::u16string> items;
    for (int i = 0; i < combo.GetCount(); ++i)
        items.push_back(combo.GetLBText(i));
    // Equal names keep the order they came in.
    EXPECT_EQ(items, (std::vector<std::u16string>{u"alpha", u"Beta", u"beta", u"zol", u"ZOL"}));
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.GetLBText(99), u"");
}

TEST_F(ControlsTest, TypingIntoTheComboClearsTheSelectionUntilAnEntryIsChosen) {
    ui::ComboBox combo(&dialog, kComboId);
    combo.AddString(u"first");
    combo.AddString(u"second");
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetWindowText(), u"second");

    auto* widget = qobject_cast<QComboBox*>(dialog.Widget(kComboId));
    QTest::keyClicks(widget->lineEdit(), "x");
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.GetWindowText(), u"secondx");
    EXPECT_TRUE(dialog.events.empty());  // typing is no selection change

    // Choosing an entry (as from the list) selects it and tells the dialog.
    widget->setCurrentIndex(0);
    emit widget->activated(0);
    EXPECT_EQ(combo.GetCurSel(), 0);
    EXPECT_EQ(dialog.events, std::vector<std::string>{"selchange"});

    EXPECT_EQ(combo.SetCurSel(5), ui::ComboBox::kError);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetWindowText(), u"");
}

TEST_F(ControlsTest, AddingAnEntryLeavesTypedTextAlone) {
    ui::ComboBox combo(&dialog, kComboId);
    auto* widget = qobject_cast<QComboBox*>(dialog.Widget(kComboId));
    QTest::keyClicks(widget->lineEdit(), "typed");
    combo.AddString(u"entry");
    EXPECT_EQ(combo.GetWindowText(), u"typed");
    EXPECT_EQ(combo.GetCurSel(), -1);
}

TEST_F(ControlsTest, ListViewSelectsOneItemAndScrollsItFullyIntoView) {
    ui::ListView list(&dialog, kListId);
    EXPECT_EQ(list.InsertColumn(0, u""), 0);
    list.SetColumnWidth(0, 4000);
    EXPECT_EQ(list.GetColumnWidth(0), 4000);
    EXPECT_EQ(list.GetColumnCount(), 1);
    auto* view = qobject_cast<QTreeWidget*>(dialog.Widget(kListId));
    for (int i = 0; i < 200; ++i) {
        const int at = list.InsertItem(list.GetItemCount(), u"line " + std::u16string(1, u'a'));
        list.SetItemSelected(at, true);
        list.EnsureVisible(at, false);
    }
    EXPECT_EQ(list.GetItemCount(), 200);
    EXPECT_EQ(view->selectedItems().size(), 1);
    EXPECT_TRUE(list.IsItemSelected(199));
    const QRect item = view->visualItemRect(view->topLevelItem(199));
    // Wholly visible from top to bottom (the 4000-pixel line is wider than any view).
    EXPECT_GE(item.top(), 0);
    EXPECT_LE(item.bottom(), view->viewport()->rect().bottom());
}

TEST_F(ControlsTest, ControlsWithoutCaptionCarryTheirAccessibleName) {
    EXPECT_EQ(dialog.Widget(kComboId)->accessibleName(), QStringLiteral("Things"));
    EXPECT_EQ(dialog.Widget(kListId)->accessibleName(), QStringLiteral("Log"));
    // A caption names its control, without the mnemonic marker.
    EXPECT_EQ(dialog.Widget(ui::IDOK)->accessibleName(), QStringLiteral("Exit"));
}
