// What every configuration dialog does the same way: its window, the snapshot of the
// records it edits, filling controls without anyone reacting, writing back only what
// the operator changed, and the one message for a lost connection.
#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <string_view>

class QAbstractButton;
class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;

namespace dialogs {

// The window a dialog is modal to: the modal dialog open now, else the active window.
QWidget* dialog_parent();

// Title and close box only: no minimise, maximise or system menu.
void fix_window(QDialog& dialog);

// A record as it was when its dialog opened. Unless the dialog keeps its changes, the
// record is put back when the snapshot ends: Cancel, Escape and the close box leave
// the record as the dialog found it.
template <class Record>
class RecordSnapshot {
  public:
    explicit RecordSnapshot(Record& record) : record_(record), saved_(record) {}
    ~RecordSnapshot() {
        if (!kept_) restore();
    }
    RecordSnapshot(const RecordSnapshot&) = delete;
    RecordSnapshot& operator=(const RecordSnapshot&) = delete;

    void keep() { kept_ = true; }
    void restore() { record_ = saved_; }
    const Record& saved() const { return saved_; }

  private:
    Record& record_;
    Record saved_;
    bool kept_ = false;
};

void set_visible(std::initializer_list<QWidget*> widgets, bool visible);

// The values the items of a combo box stand for, in item order.
void set_item_values(QComboBox* combo, std::initializer_list<int> values);
// Items standing for first, first + 1, ...
void number_items(QComboBox* combo, int first);

// Showing a record value. No signal fires, so nothing reacts to it; the control
// remembers what it showed. A value no item stands for selects no item.
void show_choice(QComboBox* combo, int value);
void show_flag(QAbstractButton* button, int value);
void show_number(QSpinBox* spin, int value);
void show_real(QDoubleSpinBox* spin, double value);

// True when the control no longer shows what it was last given.
bool edited(const QWidget* control);

// Writing a control back into its field: the field changes only when the operator
// changed the control, so a value the control cannot show exactly (a double with more
// digits, a number outside the box's range) survives an OK without edits.
void store_choice(const QComboBox* combo, std::int32_t& field);
void store_flag(const QAbstractButton* button, std::int32_t& field);
void store_number(const QSpinBox* spin, std::int32_t& field);
void store_real(const QDoubleSpinBox* spin, double& field);

// The value the selected item stands for; `otherwise` when no item is selected.
int choice(const QComboBox* combo, int otherwise);

// A record's Latin-1 text as a control shows it.
QString latin1_text(std::string_view field_text);

// When `status` says the instrument no longer answers: tells the operator in one
// message which step failed, and returns true.
bool connection_lost(std::int32_t status, std::string_view step);

// For a step whose success the operator is told about: true after telling the operator
// that it failed, for any status but 0.
bool failed(std::int32_t status, std::string_view step);

}  // namespace dialogs
