#include "dialogs/compare_config.h"

#include <QDialog>
#include <array>
#include <string>

#include "dialogs/dialog_support.h"
#include "ui/qt/value_displays.h"
#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"
#include "instrument/transfer_run.h"
#include "settings/limits.h"
#include "settings/records.h"
#include "instrument/transfer_run.h"
#include "ui/glob.h"
#include "ui/panel_hooks.h"
#include "ui/qt/translation.h"
#include "ui/ui.h"
#include "ui_compare_config.h"

namespace dialogs {

namespace {

using instrument::tarvolux;

constexpr int FOUR_LIMITS = 4;

// The limits in record order: limit_1 ('<<') to limit_4 ('>>').
using Limits = std::array<double, 4>;

Limits limits_of(const rec::Compare& c) {
    return {c.limit_1, c.limit_2, c.limit_3, c.limit_4};
}

// The class counters are the instrument's report, not a setting: whatever the dialog
// read last stays, also when Cancel puts the settings back.
void copy_counts(rec::Compare& to, const rec::Compare& from) {
    to.count_1 = from.count_1;
    to.count_2 = from.count_2;
    to.count_3 = from.count_3;
    to.count_4 = from.count_4;
    to.count_5 = from.count_5;
}

class CompareConfigPanel {
  public:
    explicit CompareConfigPanel(QDialog& dialog)
        : dialog_(dialog), unit_(settings::limit_unit(rec::measurement_configuration.range)) {
        form_.setupUi(&dialog);
        set_item_values(form_.limitCountCombo, {2, FOUR_LIMITS});
        number_items(form_.faultCombo, 0);
        spins_ = {form_.limit1Spin, form_.limit2Spin, form_.limit3Spin, form_.limit4Spin};
        fill();
        connect_controls();
    }

    // Cancel: the settings as they were, sent again (with the record's own fault mode),
    // so the instrument, which may have switched its number of limits meanwhile, holds
    // what the record says. A line found gone during the dialog gets this one bounded
    // attempt too, but the operator, already told, is not told again.
    void cancel(RecordSnapshot<rec::Compare>& snapshot) {
        rec::Compare last = c;
        snapshot.restore();
        copy_counts(c, last);
        snapshot.keep();
        auto failed = [this](std::int32_t status, const char* step) {
            if (!instrument::is_transport_error(status)) return false;
            if (!line_gone_) instrument::report_connection_lost(step, status);
            return true;
        };
        if (failed(zk7416_set_config_comparator_mode(tarvolux, c.state, c.relative, c.fault),
                   UI_TEXT("ohm7416", "Komparator-Modus")))
            return;
        ui::delay(instrument::STEP_PAUSE);
        failed(send_limits(), UI_TEXT("ohm7416", "Komparatorgrenzen"));
    }

  private:
    rec::Compare& c = rec::compare;

    void fill() {
        form_.unitCaption->setText(ui::shown_text(unit_.caption));
        form_.unitCaption->setAccessibleName(ui::shown_text(unit_.caption));
        show_flag(form_.stateCheck, c.state);
        show_choice(form_.limitCountCombo, c.limit_count);
        show_flag(form_.relativeCheck, c.relative);
        show_choice(form_.faultCombo, c.fault);
        shown_ = limits_of(c);
        for (int i = 0; i < 4; ++i) show_limit(i);
        show_counts();
        count_in_instrument_ = c.limit_count;
        show_four_limits(c.limit_count == FOUR_LIMITS);
    }

    void connect_controls() {
        ui::on_operator(form_.limitCountCombo, &QComboBox::currentIndexChanged, &dialog_,
                        [this] { limit_count_changed(); });
        ui::on_operator(form_.clearButton, &QPushButton::clicked, &dialog_, [this] { clear(); });
        ui::on_operator(form_.okButton, &QPushButton::clicked, &dialog_, [this] { ok(); });
        ui::on_operator(form_.cancelButton, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    void show_limit(int i) {
        show_real(spins_[i], settings::shift_decimal(shown_[i], -unit_.exponent));
    }

    // The limit in ohms: the one shown, unless the operator typed another.
    double limit(int i) const {
        return edited(spins_[i]) ? settings::shift_decimal(spins_[i]->value(), unit_.exponent)
                                 : shown_[i];
    }

    void show_counts() {
        ui::show_display_text(form_.count1Value, QString::number(c.count_1));
        ui::show_display_text(form_.count2Value, QString::number(c.count_2));
        ui::show_display_text(form_.count3Value, QString::number(c.count_3));
        ui::show_display_text(form_.count4Value, QString::number(c.count_4));
        ui::show_display_text(form_.count5Value, QString::number(c.count_5));
    }

    // The outer limits and their classes exist in four-limit mode only.
    void show_four_limits(bool four) {
        set_visible({form_.limit4Label, form_.limit4Spin, form_.limit1Label, form_.limit1Spin,
                     form_.count5Label, form_.count5Value, form_.count1Label, form_.count1Value},
                    four);
        // Fewer rows take less room: the dialog shrinks to them instead of stretching
        // the count box and the unit caption over the empty space.
        dialog_.adjustSize();
    }

    // Reads one thing from the instrument; false when the exchange failed (the operator
    // has been told).
    bool read(std::int32_t status, const char* step) {
        if (!connection_lost(status, step)) return true;
        line_gone_ = line_gone_ || instrument::is_line_gone(status);
        return false;
    }

    std::int32_t read_report(int count) {
        if (count == FOUR_LIMITS)
            return zk7416_comparator_4_limit_report(tarvolux, &c.count_1, &c.count_2, &c.count_3,
                                                    &c.count_4, &c.count_5);
        return zk7416_comparator_2_limit_report(tarvolux, &c.count_2, &c.count_3, &c.count_4);
    }

    // The instrument switches at once; the limits it then holds go into the controls
    // only, its counters into the record.
    void limit_count_changed() {
        int n = choice(form_.limitCountCombo, count_in_instrument_);
        if (n == count_in_instrument_) return;
        std::string command = "CALC:LIM:COUN " + std::to_string(n);
        if (!read(zk7416_send_scpi(tarvolux, command.c_str()),
                  UI_TEXT("ohm7416", "Anzahl der Komparatorgrenzen")))
            return;
        count_in_instrument_ = n;
        ui::delay(instrument::STEP_PAUSE);
        bool four = n == FOUR_LIMITS;
        show_four_limits(four);
        Limits read_limits = shown_;
        std::int32_t status =
            four ? zk7416_get_config_4_limit_comparator(tarvolux, &read_limits[0], &read_limits[1],
                                                        &read_limits[2], &read_limits[3])
                 : zk7416_get_config_2_limit_comparator(tarvolux, &read_limits[1], &read_limits[2]);
        if (!read(status, UI_TEXT("ohm7416", "Komparatorgrenzen"))) return;
        ui::delay(instrument::STEP_PAUSE);
        bool counted = read(read_report(n), UI_TEXT("ohm7416", "Komparatorzähler"));
        for (int i = four ? 0 : 1; i <= (four ? 3 : 2); ++i) {
            shown_[i] = read_limits[i];
            show_limit(i);
        }
        if (counted) show_counts();
    }

    void clear() {
        if (LG_ConfirmPopup(UI_TEXT("ohm7416", "Bitte löschen bestätigen"),
                            UI_TEXT("ohm7416", "Daten des Komparator löschen?")) != 1)
            return;
        if (!read(zk7416_comparator_clear(tarvolux),
                  UI_TEXT("ohm7416", "Komparatorzähler löschen")))
            return;
        ui::delay(instrument::STEP_PAUSE);
        if (!read(read_report(choice(form_.limitCountCombo, c.limit_count)),
                  UI_TEXT("ohm7416", "Komparatorzähler")))
            return;
        show_counts();
        ui::UpdateMeasurePanel();
    }

    std::int32_t send_limits() {
        if (c.limit_count == FOUR_LIMITS)
            return zk7416_set_config_4_limit_comparator(tarvolux, c.limit_1, c.limit_2, c.limit_3,
                                                        c.limit_4);
        return zk7416_set_config_2_limit_comparator(tarvolux, c.limit_2, c.limit_3);
    }

    // A refused or failed OK leaves the record as it was before it: limits the
    // instrument did not take never stay there for a later send.
    void ok() {
        rec::Compare before = c;
        store_flag(form_.stateCheck, c.state);
        store_choice(form_.limitCountCombo, c.limit_count);
        store_flag(form_.relativeCheck, c.relative);
        store_choice(form_.faultCombo, c.fault);
        c.limit_1 = limit(0);
        c.limit_2 = limit(1);
        c.limit_3 = limit(2);
        c.limit_4 = limit(3);
        if (settings::check_limits() != 1) {
            c = before;
            return;
        }
        settings::format_limit_for_display();
        std::int32_t status =
            zk7416_set_config_comparator_mode(tarvolux, c.state, c.relative, c.fault);
        if (!read(status, UI_TEXT("ohm7416", "Komparator-Modus"))) {
            c = before;
            return;
        }
        ui::delay(instrument::STEP_PAUSE);
        status = send_limits();
        if (status == ZK7416_LIMITS_NOT_ACKNOWLEDGED) {
            ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                            UI_TEXT("ohm7416",
                                    "Das Gerät hat die Grenzwerte nicht angenommen.\n\n"
                                    "Bitte Grenze Eingabe ändern"));
            c = before;
            return;
        }
        if (!read(status, UI_TEXT("ohm7416", "Komparatorgrenzen"))) {
            c = before;
            return;
        }
        dialog_.accept();
    }

    QDialog& dialog_;
    Ui::CompareConfigDialog form_;
    settings::LimitUnit unit_;
    std::array<QDoubleSpinBox*, 4> spins_{};
    // The limits in ohms that the controls were last given, in record order.
    Limits shown_{};
    // The number of limits the instrument was last switched to.
    int count_in_instrument_ = 2;
    // An exchange found no line at all (not merely no answer to one query).
    bool line_gone_ = false;
};

}  // namespace

int compare_config() {
    RecordSnapshot snapshot(rec::compare);
    QDialog dialog(dialog_parent());
    fix_window(dialog);
    CompareConfigPanel panel(dialog);
    if (dialog.exec() == QDialog::Accepted) {
        snapshot.keep();
        ui::UpdateMeasurePanel();
    } else {
        panel.cancel(snapshot);
    }
    return 0;
}

}  // namespace dialogs
