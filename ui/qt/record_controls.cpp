#include "ui/qt/record_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVariant>

namespace ui {

namespace {

// Where a control keeps what it was last given.
constexpr const char* SHOWN = "ohm7416_shown";

void remember(QWidget* control, const QVariant& shown) {
    control->setProperty(SHOWN, shown);
}

QVariant current(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentIndex();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->isChecked();
    if (auto* spin = qobject_cast<const QSpinBox*>(control)) return spin->value();
    if (auto* real = qobject_cast<const QDoubleSpinBox*>(control)) return real->value();
    return {};
}

}  // namespace

void set_visible(std::initializer_list<QWidget*> widgets, bool visible) {
    // Disabled while hidden, so assistive technology, which still lists hidden controls,
    // does not offer them either.
    for (QWidget* w : widgets) {
        w->setVisible(visible);
        w->setEnabled(visible);
    }
}

void set_item_values(QComboBox* combo, std::initializer_list<int> values) {
    int index = 0;
    for (int value : values) combo->setItemData(index++, value);
}

void number_items(QComboBox* combo, int first) {
    for (int i = 0; i < combo->count(); ++i) combo->setItemData(i, first + i);
}

void show_choice(QComboBox* combo, int value) {
    QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->findData(value));
    remember(combo, current(combo));
}

void show_flag(QAbstractButton* button, int value) {
    QSignalBlocker quiet(button);
    button->setChecked(value != 0);
    remember(button, current(button));
}

void show_number(QSpinBox* spin, int value) {
    QSignalBlocker quiet(spin);
    spin->setValue(value);
    remember(spin, current(spin));
}

void show_real(QDoubleSpinBox* spin, double value) {
    QSignalBlocker quiet(spin);
    spin->setValue(value);
    remember(spin, current(spin));
}

void set_checked(QAbstractButton* button, bool checked) {
    QSignalBlocker quiet(button);
    button->setChecked(checked);
}

void set_index(QComboBox* combo, int index) {
    QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);
}

void set_number(QSpinBox* spin, int value) {
    QSignalBlocker quiet(spin);
    spin->setValue(value);
}

void set_real(QDoubleSpinBox* spin, double value) {
    QSignalBlocker quiet(spin);
    spin->setValue(value);
}

bool edited(const QWidget* control) {
    return control->property(SHOWN) != current(control);
}

void remember_shown(QWidget* control) {
    remember(control, current(control));
}

int choice(const QComboBox* combo, int otherwise) {
    return combo->currentIndex() < 0 ? otherwise : combo->currentData().toInt();
}

void store_choice(const QComboBox* combo, std::int32_t& field) {
    if (edited(combo)) field = choice(combo, field);
}

void store_flag(const QAbstractButton* button, std::int32_t& field) {
    if (edited(button)) field = button->isChecked() ? 1 : 0;
}

void store_number(const QSpinBox* spin, std::int32_t& field) {
    if (edited(spin)) field = spin->value();
}

void store_real(const QDoubleSpinBox* spin, double& field) {
    if (edited(spin)) field = spin->value();
}

}  // namespace ui
