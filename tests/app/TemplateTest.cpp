// The main dialog as built from template 102, control by control.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "res/resource.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"

namespace {

enum class Kind { kButton, kDefault, kCombo, kEdit, kReadOnlyEdit, kGroup, kText, kList };

struct Expected {
    int id;  // -1: found by caption
    Kind kind;
    const char* caption;
    ui::DialogRect rect;
    bool visible;
    bool enabled;
};

// clang-format off
const Expected kControls[] = {
    {1, Kind::kDefault, "Exit", {360, 263, 50, 16}, true, true},
    {2, Kind::kButton, "Cancel", {7, 263, 50, 16}, false, false},
    {1000, Kind::kCombo, "", {15, 22, 173, 130}, true, true},
    {1001, Kind::kButton, "Disconnect", {137, 40, 50, 16}, true, true},
    {1002, Kind::kCombo, "", {15, 85, 171, 83}, true, true},
    {4, Kind::kButton, "Backup", {15, 148, 50, 16}, true, true},
    {1003, Kind::kButton, "Restore", {78, 148, 50, 16}, true, true},
    {3, Kind::kButton, "Connect", {15, 39, 50, 16}, true, true},
    {-1, Kind::kGroup, "Available SQL Servers:", {7, 7, 403, 56}, true, true},
    {-1, Kind::kGroup, "Current Database:", {7, 73, 403, 36}, true, true},
    {-1, Kind::kGroup, "Backup / Restore Functions", {7, 112, 403, 63}, true, true},
    {1004, Kind::kEdit, "", {15, 123, 237, 14}, true, true},
    {1005, Kind::kButton, "Browse", {259, 122, 50, 16}, true, true},
    {5, Kind::kButton, "Security", {333, 41, 50, 14}, true, true},
    {1013, Kind::kButton, "Start", {198, 41, 50, 14}, true, true},
    {1014, Kind::kReadOnlyEdit, "", {199, 21, 113, 14}, true, true},
    {1016, Kind::kButton, "Continue", {265, 41, 50, 14}, false, true},
    {6, Kind::kButton, "Check DB", {196, 84, 50, 14}, true, true},
    {1007, Kind::kList, "", {7, 178, 403, 78}, true, true},
    {7, Kind::kButton, "Repair DB", {255, 84, 50, 14}, false, true},
    {8, Kind::kButton, "Re-Index DB", {316, 85, 50, 14}, true, true},
    {9, Kind::kButton, "Schedule Automated Backups", {140, 148, 112, 16}, true, true},
    {-1, Kind::kText,
     "*** Scheduled Auto backups are not available with SQL 2005 Express.  This function "
     "requires MSDE, or the full version of SQL Server 2000 or SQL Server 2005.",
     {258, 140, 145, 31}, true, true},
};
// clang-format on

QWidget* FindByCaption(QWidget* window, const QString& caption) {
    for (auto* group : window->findChildren<QGroupBox*>()) {
        if (group->title() == caption)
            return group;
    }
    for (auto* label : window->findChildren<QLabel*>()) {
        if (label->text() == caption)
            return label;
    }
    return nullptr;
}

void ExpectKind(QWidget* widget, Kind kind, const QString& caption) {
    switch (kind) {
        case Kind::kButton:
        case Kind::kDefault: {
            auto* button = qobject_cast<QPushButton*>(widget);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), caption);
            EXPECT_EQ(button->isDefault(), kind == Kind::kDefault);
            break;
        }
        case Kind::kCombo: {
            auto* combo = qobject_cast<QComboBox*>(widget);
            ASSERT_NE(combo, nullptr);
            EXPECT_TRUE(combo->isEditable());
            break;
        }
        case Kind::kEdit:
        case Kind::kReadOnlyEdit: {
            auto* edit = qobject_cast<QLineEdit*>(widget);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->isReadOnly(), kind == Kind::kReadOnlyEdit);
            EXPECT_TRUE(edit->hasFrame());
            break;
        }
        case Kind::kGroup:
            EXPECT_NE(qobject_cast<QGroupBox*>(widget), nullptr);
            break;
        case Kind::kText:
            EXPECT_NE(qobject_cast<QLabel*>(widget), nullptr);
            break;
        case Kind::kList: {
            auto* list = qobject_cast<QTreeWidget*>(widget);
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(list->isHeaderHidden());
            EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
            break;
        }
    }
}

}  // namespace

TEST(TemplateTest, MainDialogIsBuiltAsTemplate102Says) {
    ui::Dialog dialog(IDD_ZOLMGR_DIALOG);
    ASSERT_TRUE(dialog.Create());
    QWidget* window = dialog.Window();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora - Data Manager"));
    EXPECT_EQ(window->size(), ui::MapDialogRect({0, 0, 417, 286}, dialog.Units()).size());
    EXPECT_EQ(dialog.Template().controls.size(), std::size(kControls));

    for (const Expected& e : kControls) {
        const QString caption = QString::fromUtf8(e.caption);
        SCOPED_TRACE(e.id == -1 ? caption.toStdString() : std::to_string(e.id));
        QWidget* widget = e.id == -1 ? FindByCaption(window, caption) : dialog.Widget(e.id);
        ASSERT_NE(widget, nullptr);
        ExpectKind(widget, e.kind, caption);
        const QRect expected = ui::MapDialogRect(e.rect, dialog.Units());
        if (e.kind == Kind::kCombo) {
            // A combo box's template height includes its dropped list.
            EXPECT_EQ(widget->geometry().topLeft(), expected.topLeft());
            EXPECT_EQ(widget->width(), expected.width());
            EXPECT_LE(widget->height(), expected.height());
        } else {
            EXPECT_EQ(widget->geometry(), expected);
        }
        EXPECT_EQ(!widget->isHidden(), e.visible);
        EXPECT_EQ(widget->isEnabled(), e.enabled);
        const bool tabStop = e.kind != Kind::kGroup && e.kind != Kind::kText;
        EXPECT_EQ(widget->focusPolicy() == Qt::StrongFocus, tabStop);
    }
}

TEST(TemplateTest, EveryControlHasAnAccessibleName) {
    ui::Dialog dialog(IDD_ZOLMGR_DIALOG);
    ASSERT_TRUE(dialog.Create());
    const std::pair<int, const char*> unnamedCaptions[] = {{1000, "Available SQL Servers"},
                                                           {1002, "Current Database"},
                                                           {1004, "Backup file"},
                                                           {1014, "Service status"},
                                                           {1007, "Activity log"}};
    for (const auto& [id, name] : unnamedCaptions) {
        EXPECT_EQ(dialog.Widget(id)->accessibleName(), QString::fromUtf8(name)) << id;
    }
    for (QWidget* widget : dialog.Window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
    }
}
