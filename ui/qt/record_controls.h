// Filling controls from record fields and writing them back. Filling fires no signal, so
// nothing reacts to it, and each control remembers what it was given; writing back
// changes a field only when the operator changed its control, so a value the control
// cannot show exactly (a double with more digits, a number outside the box's range)
// survives a panel closed without edits.
#pragma once

#include <cstdint>
#include <initializer_list>

class QAbstractButton;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;

namespace ui {

void set_visible(std::initializer_list<QWidget*> widgets, bool visible);

// The values the items of a combo box stand for, in item order.
void set_item_values(QComboBox* combo, std::initializer_list<int> values);
// Items standing for first, first + 1, ...
void number_items(QComboBox* combo, int first);

// Showing a record value. A value no item stands for selects no item.
void show_choice(QComboBox* combo, int value);
void show_flag(QAbstractButton* button, int value);
void show_number(QSpinBox* spin, int value);
void show_real(QDoubleSpinBox* spin, double value);

// A change the program makes itself (a switch put back, a choice that follows another):
// no signal, so nothing reacts as if the operator had acted, and the control still
// counts as edited when it no longer shows what it was filled with. Panels react to the
// controls' change signals (`toggled`, `currentIndexChanged`, `valueChanged`), which
// mouse, keyboard and assistive technology all raise; every change the program makes
// goes through these or the show_ functions above.
void set_checked(QAbstractButton* button, bool checked);
void set_index(QComboBox* combo, int index);
void set_number(QSpinBox* spin, int value);
void set_real(QDoubleSpinBox* spin, double value);

// True when the control no longer shows what it was last given.
bool edited(const QWidget* control);
// The control now counts as showing what it shows (after its value was sent).
void remember_shown(QWidget* control);

void store_choice(const QComboBox* combo, std::int32_t& field);
void store_flag(const QAbstractButton* button, std::int32_t& field);
void store_number(const QSpinBox* spin, std::int32_t& field);
void store_real(const QDoubleSpinBox* spin, double& field);

// The value the selected item stands for; `otherwise` when no item is selected.
int choice(const QComboBox* combo, int otherwise);

}  // namespace ui
