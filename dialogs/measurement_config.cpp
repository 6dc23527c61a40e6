#include "dialogs/measurement_config.h"

#include <QDialog>

#include "dialogs/dialog_support.h"
#include "settings/meas_config_transmit.h"
#include "settings/records.h"
#include "ui/panel_hooks.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"
#include "ui_measurement_config.h"

namespace dialogs {

namespace {

constexpr int AUTOMATIC = 0;
constexpr int RANGE_200_MOHM = 1;

// What the sequence illustration shows for each measurement sequence.
const char* const SEQUENCE_PICTURES[] = {
    UI_TEXT("ohm7416", "Mess-Sequenz: Referenz (REFC)"),
    UI_TEXT("ohm7416", "Mess-Sequenz: Ohne Kompensation (NONC)"),
    UI_TEXT("ohm7416", "Mess-Sequenz: Einfache Kompensation (ONEC)"),
    UI_TEXT("ohm7416", "Mess-Sequenz: Standard (STAN)"),
};

class MeasurementConfigPanel {
  public:
    explicit MeasurementConfigPanel(QDialog& dialog) : dialog_(dialog) {
        form_.setupUi(&dialog);
        number_items(form_.rangeCombo, AUTOMATIC);
        number_items(form_.autoLowCombo, 1);
        number_items(form_.autoHighCombo, 1);
        for (QComboBox* c : {form_.averageTypeCombo, form_.resolutionCombo, form_.speedCombo,
                             form_.fresModeCombo, form_.displayModeCombo})
            number_items(c, 0);
        fill();
        connect_controls();
    }

  private:
    rec::MeasurementConfiguration& m = rec::measurement_configuration;

    void fill() {
        show_choice(form_.rangeCombo, m.range);
        show_choice(form_.autoLowCombo, m.auto_range_low);
        show_choice(form_.autoHighCombo, m.auto_range_high);
        show_flag(form_.loadCheck, m.load);
        show_flag(form_.continuousCheck, m.continuous);
        show_flag(form_.voltageLimitCheck, m.voltage_limit);
        show_number(form_.averageCountSpin, m.average_count);
        show_choice(form_.averageTypeCombo, m.average_type);
        show_choice(form_.resolutionCombo, m.resolution);
        show_choice(form_.speedCombo, m.speed);
        show_choice(form_.fresModeCombo, m.fres_mode);
        show_choice(form_.displayModeCombo, m.display_mode);
        show_real(form_.referenceSpin, m.reference);
        show_sequence(m.fres_mode);

        form_.referenceSpin->setEnabled(m.display_mode == 1);
        // Each switch excludes the other. A record with both on (a configuration file
        // can hold one) leaves both free, so the operator can switch one of them off.
        bool both = m.load == 1 && m.voltage_limit == 1;
        form_.voltageLimitCheck->setEnabled(m.load != 1 || both);
        form_.loadCheck->setEnabled(m.voltage_limit != 1 || both);
        form_.rangeSubstitute->setVisible(m.voltage_limit == 1);
        show_auto_range(m.range == AUTOMATIC);
    }

    void connect_controls() {
        ui::on_operator(form_.autoLowCombo, &QComboBox::currentIndexChanged, &dialog_,
                        [this] { auto_range_changed(); });
        ui::on_operator(form_.autoHighCombo, &QComboBox::currentIndexChanged, &dialog_,
                        [this] { auto_range_changed(); });
        ui::on_operator(form_.rangeCombo, &QComboBox::currentIndexChanged, &dialog_, [this] {
            m.range = choice(form_.rangeCombo, m.range);
            show_auto_range(m.range == AUTOMATIC);
        });
        ui::on_operator(form_.displayModeCombo, &QComboBox::currentIndexChanged, &dialog_, [this] {
            form_.referenceSpin->setEnabled(choice(form_.displayModeCombo, -1) == 1);
        });
        ui::on_operator(form_.loadCheck, &QCheckBox::toggled, &dialog_,
                        [this] { load_switched(form_.loadCheck->isChecked()); });
        ui::on_operator(form_.voltageLimitCheck, &QCheckBox::toggled, &dialog_,
                        [this] { voltage_limit_switched(form_.voltageLimitCheck->isChecked()); });
        ui::on_operator(form_.fresModeCombo, &QComboBox::currentIndexChanged, &dialog_, [this] {
            m.fres_mode = choice(form_.fresModeCombo, m.fres_mode);
            show_sequence(m.fres_mode);
        });
        ui::on_operator(form_.okButton, &QPushButton::clicked, &dialog_, [this] { ok(); });
        ui::on_operator(form_.cancelButton, &QPushButton::clicked, &dialog_,
                        [this] { dialog_.reject(); });
    }

    void show_sequence(int sequence) {
        bool known = sequence >= 0 && sequence < 4;
        form_.sequenceIllustration->setText(known ? ui::shown_text(SEQUENCE_PICTURES[sequence])
                                                  : QString());
    }

    void show_auto_range(bool visible) {
        set_visible(
            {form_.autoLowLabel, form_.autoLowCombo, form_.autoHighLabel, form_.autoHighCombo},
            visible);
    }

    // Puts the corrected limits back into the controls.
    void show_auto_range_limits() {
        show_choice(form_.autoLowCombo, m.auto_range_low);
        show_choice(form_.autoHighCombo, m.auto_range_high);
    }

    void auto_range_changed() {
        m.auto_range_low = choice(form_.autoLowCombo, m.auto_range_low);
        m.auto_range_high = choice(form_.autoHighCombo, m.auto_range_high);
        if (settings::check_auto_range_limits() != 1) show_auto_range_limits();
    }

    void load_switched(bool on) {
        m.load = on ? 1 : 0;
        if (on) ui::set_checked(form_.voltageLimitCheck, false);
        form_.voltageLimitCheck->setEnabled(!on);
    }

    // The 20 mV limitation measures in the 200 mOhm range only.
    void voltage_limit_switched(bool on) {
        m.voltage_limit = on ? 1 : 0;
        if (on) ui::set_checked(form_.loadCheck, false);
        form_.loadCheck->setEnabled(!on);
        form_.rangeSubstitute->setVisible(on);
        ui::set_index(form_.rangeCombo,
                      form_.rangeCombo->findData(on ? RANGE_200_MOHM : AUTOMATIC));
        form_.rangeCombo->setVisible(!on);
        show_auto_range(!on);
    }

    void ok() {
        store_choice(form_.rangeCombo, m.range);
        store_choice(form_.autoLowCombo, m.auto_range_low);
        store_choice(form_.autoHighCombo, m.auto_range_high);
        if (settings::check_auto_range_limits() != 1) {
            show_auto_range_limits();
            return;
        }
        store_flag(form_.loadCheck, m.load);
        store_flag(form_.continuousCheck, m.continuous);
        store_number(form_.averageCountSpin, m.average_count);
        store_choice(form_.averageTypeCombo, m.average_type);
        store_choice(form_.resolutionCombo, m.resolution);
        store_flag(form_.voltageLimitCheck, m.voltage_limit);
        store_choice(form_.speedCombo, m.speed);
        store_choice(form_.fresModeCombo, m.fres_mode);
        store_choice(form_.displayModeCombo, m.display_mode);
        store_real(form_.referenceSpin, m.reference);
        // A refused combination or a failed command has been reported; the operator
        // corrects the values or cancels.
        if (settings::transmit_meas_config() == 1) dialog_.accept();
    }

    QDialog& dialog_;
    Ui::MeasurementConfigDialog form_;
};

}  // namespace

int measurement_config() {
    RecordSnapshot snapshot(rec::measurement_configuration);
    QDialog dialog(dialog_parent());
    fix_window(dialog);
    MeasurementConfigPanel panel(dialog);
    if (dialog.exec() != QDialog::Accepted) return -1;
    snapshot.keep();
    ui::UpdateMeasurePanel();
    return 0;
}

}  // namespace dialogs
