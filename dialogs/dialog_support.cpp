#include "dialogs/dialog_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVariant>
#include <string>

#include "driver/zk7416.h"
#include "settings/latin1.h"
#include "settings/transfer_run.h"
#include "ui/ui.h"

namespace dialogs {

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

QWidget* dialog_parent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

void fix_window(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
}

void set_visible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets) w->setVisible(visible);
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

bool edited(const QWidget* control) {
    return control->property(SHOWN) != current(control);
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

QString latin1_text(std::string_view field_text) {
    return QString::fromStdString(settings::latin1_to_utf8(field_text));
}

bool connection_lost(std::int32_t status, std::string_view step) {
    if (!settings::is_transport_error(status)) return false;
    settings::report_connection_lost(step, status);
    return true;
}

bool failed(std::int32_t status, std::string_view step) {
    if (status == 0) return false;
    if (connection_lost(status, step)) return true;
    std::string text = "Das Gerät hat den Befehl nicht ausgeführt.\nSchritt: ";
    text += step;
    text += "\nFehler " + std::to_string(status) + ": " + zk7416_status_text(status);
    ui::message_box("Fehler-Meldung :", text);
    return true;
}

}  // namespace dialogs
