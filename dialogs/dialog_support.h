// What every configuration dialog does the same way: its window, the snapshot of the
// records it edits, filling controls without anyone reacting, writing back only what
// the operator changed, and the one message for a lost connection.
#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "ui/qt/operator_actions.h"
#include "ui/qt/panel_setup.h"
#include "ui/qt/record_controls.h"

class QAbstractButton;
class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;

namespace dialogs {

// The window, and the controls filled from and written back to the records, are
// those every panel has.
using ui::dialog_parent;
using ui::fix_window;

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

using ui::choice;
using ui::edited;
using ui::number_items;
using ui::set_item_values;
using ui::set_visible;
using ui::show_choice;
using ui::show_flag;
using ui::show_number;
using ui::show_real;
using ui::store_choice;
using ui::store_flag;
using ui::store_number;
using ui::store_real;

// A record's Latin-1 text as a control shows it.
QString latin1_text(std::string_view field_text);

// When `status` says the instrument no longer answers: tells the operator in one
// message which step failed, and returns true.
bool connection_lost(std::int32_t status, std::string_view step);

// For a step whose success the operator is told about: true after telling the operator
// that it failed, for any status but 0.
bool failed(std::int32_t status, std::string_view step);

}  // namespace dialogs
