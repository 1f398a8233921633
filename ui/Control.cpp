#include "ui/Control.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/Dialog.h"
#include "ui/Text.h"

namespace ui {
namespace {

void SetText(QWidget& widget, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(text);
        button->setAccessibleName(StripMnemonic(text));
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        // Same text, no change: a refresh that repeats itself must not keep the
        // event loop busy.
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        if (combo->lineEdit() != nullptr && combo->lineEdit()->text() != text) {
            combo->lineEdit()->setText(text);
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        group->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(text);
    }
}

QString Text(const QWidget& widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(&widget))
        return combo->currentText();
    if (auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    return {};
}

}  // namespace

QWidget* Control::Find() const {
    return dialog_ == nullptr ? nullptr : dialog_->Widget(id_);
}

void Control::EnableWindow(bool enable) {
    OnWidget<QWidget>([enable](QWidget& w) { w.setEnabled(enable); });
}

bool Control::IsWindowEnabled() const {
    return OnWidget<QWidget>(false, [](QWidget& w) { return w.isEnabled(); });
}

void Control::ShowWindow(bool show) {
    OnWidget<QWidget>([show](QWidget& w) { w.setVisible(show); });
}

bool Control::IsWindowVisible() const {
    return OnWidget<QWidget>(false, [](QWidget& w) { return !w.isHidden(); });
}

void Control::SetWindowText(std::u16string_view text) {
    const QString qtext = ToQString(text);
    OnWidget<QWidget>([&qtext](QWidget& w) { SetText(w, qtext); });
}

std::u16string Control::GetWindowText() const {
    return OnWidget<QWidget>(std::u16string(), [](QWidget& w) { return ToU16(Text(w)); });
}

void Control::Invalidate() {
    OnWidget<QWidget>([](QWidget& w) { w.update(); });
}

void Control::SetFocus() {
    OnWidget<QWidget>([](QWidget& w) { w.setFocus(Qt::OtherFocusReason); });
}

}  // namespace ui
