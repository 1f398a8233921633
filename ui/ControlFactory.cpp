#include "ui/ControlFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimeEdit>
#include <QTreeWidget>

#include "ui/ComboBox.h"
#include "ui/Resources.h"
#include "ui/Text.h"

namespace ui {
namespace {

bool Has(const ControlTemplate& control, ControlStyle style) {
    return (control.styles & style) != 0;
}

QWidget* MakeButton(const ControlTemplate& control, QWidget* parent,
                    const ControlCallbacks& callbacks) {
    QAbstractButton* button = nullptr;
    if (control.kind == ControlKind::kCheckBox) {
        button = new QCheckBox(ToQString(control.caption), parent);
    } else {
        auto* push = new QPushButton(ToQString(control.caption), parent);
        // The dialog, not the toolkit, decides what Enter does.
        push->setAutoDefault(false);
        push->setDefault(control.kind == ControlKind::kDefPushButton);
        button = push;
    }
    const int id = control.id;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [callbacks, id] { callbacks.clicked(id); });
    return button;
}

QWidget* MakeComboBox(const ControlTemplate& control, QWidget* parent, BaseUnits units,
                      const ControlCallbacks& callbacks) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    combo->setCompleter(nullptr);
    ComboBox::SetSorted(*combo, Has(control, kSorted));
    // The template's height includes the dropped list; show as many rows as fit.
    const int listHeight = MulDiv(control.rect.cy, units.y, 8) - combo->sizeHint().height();
    combo->setMaxVisibleItems(std::max(1, listHeight / std::max(1, combo->fontMetrics().height())));
    const int id = control.id;
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                     [combo] { ComboBox::MarkTyped(*combo, true); });
    QObject::connect(combo, &QComboBox::activated, combo, [combo, callbacks, id] {
        ComboBox::MarkTyped(*combo, false);
        callbacks.selectionChanged(id);
    });
    return combo;
}

QWidget* MakeListView(const ControlTemplate& control, QWidget* parent) {
    auto* view = new QTreeWidget(parent);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setHeaderHidden(Has(control, kNoColumnHeader));
    view->header()->setStretchLastSection(false);
    view->setSelectionMode(Has(control, kSingleSel) ? QAbstractItemView::SingleSelection
                                                    : QAbstractItemView::ExtendedSelection);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setProperty("ui_columns", 0);
    return view;
}

QWidget* MakeListBox(const ControlTemplate& control, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSortingEnabled(Has(control, kSorted));
    list->setSelectionMode(Has(control, kMultipleSel)   ? QAbstractItemView::MultiSelection
                           : Has(control, kExtendedSel) ? QAbstractItemView::ExtendedSelection
                                                        : QAbstractItemView::SingleSelection);
    return list;
}

QWidget* MakeWidget(const ControlTemplate& control, QWidget* parent, BaseUnits units,
                    const ControlCallbacks& callbacks) {
    switch (control.kind) {
        case ControlKind::kPushButton:
        case ControlKind::kDefPushButton:
        case ControlKind::kCheckBox:
            return MakeButton(control, parent, callbacks);
        case ControlKind::kGroupBox: {
            auto* group = new QGroupBox(ToQString(control.caption), parent);
            // A frame drawn behind its neighbours, never in the way of a click.
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            return group;
        }
        case ControlKind::kStatic: {
            auto* label = new QLabel(ToQString(control.caption), parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::kIcon: {
            auto* label = new QLabel(parent);
            const QRect rect = MapDialogRect(control.rect, units);
            label->setPixmap(LoadIcon(control.iconId).pixmap(rect.size()));
            return label;
        }
        case ControlKind::kEdit: {
            auto* edit = new QLineEdit(parent);
            edit->setReadOnly(Has(control, kReadOnly));
            edit->setFrame(Has(control, kBorder));
            return edit;
        }
        case ControlKind::kComboBox:
            return MakeComboBox(control, parent, units, callbacks);
        case ControlKind::kListView:
            return MakeListView(control, parent);
        case ControlKind::kListBox:
            return MakeListBox(control, parent);
        case ControlKind::kDateTimePicker: {
            auto* time = new QTimeEdit(parent);
            time->setDisplayFormat(QStringLiteral("h:mm:ss AP"));
            if (Has(control, kRightAlign))
                time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return time;
        }
    }
    return new QWidget(parent);
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, QWidget* parent, BaseUnits units,
                       const ControlCallbacks& callbacks) {
    QWidget* widget = MakeWidget(control, parent, units, callbacks);
    QRect rect = MapDialogRect(control.rect, units);
    if (control.kind == ControlKind::kComboBox) {
        rect.setHeight(widget->sizeHint().height());
    }
    widget->setGeometry(rect);
    widget->setObjectName(control.id == kNoId ? QString()
                                              : QStringLiteral("id_%1").arg(control.id));
    widget->setProperty("ui_id", control.id);
    const QString caption = StripMnemonic(ToQString(control.caption));
    widget->setAccessibleName(control.accessibleName.empty() ? caption
                                                             : ToQString(control.accessibleName));
    const bool tabStop = Has(control, kTabStop);
    widget->setFocusPolicy(tabStop ? Qt::StrongFocus
                           : (control.kind == ControlKind::kGroupBox ||
                              control.kind == ControlKind::kStatic ||
                              control.kind == ControlKind::kIcon)
                               ? Qt::NoFocus
                               : Qt::ClickFocus);
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
    return widget;
}

}  // namespace ui
