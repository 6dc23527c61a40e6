#include "dialogs/temp_config.h"

#include <QDialog>
#include <QListWidget>
#include <array>
#include <cmath>

#include "dialogs/dialog_support.h"
#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"
#include "text/number_text.h"
#include "settings/records.h"
#include "instrument/transfer_run.h"
#include "ui/glob.h"
#include "ui/panel_hooks.h"
#include "ui/ui.h"
#include "ui_temp_config.h"

namespace dialogs {

namespace {

constexpr int COEFFICIENTS = 10;
constexpr double COEFFICIENT_LIMIT = 99999;
constexpr int MANUAL = 0;
constexpr int PT100 = 1;
constexpr int VOLTAGE_INPUT = 2;
constexpr int CURRENT_INPUT = 3;

// How the shared input controls read for the voltage and the current input.
struct InputLook {
    const char* first;
    const char* second;
    const char* unit;
    double highest;
};
constexpr InputLook VOLTAGE_LOOK{"U1", "U2", "V", 10.0};
constexpr InputLook CURRENT_LOOK{"I1", "I2", "mA", 20.0};

class TempConfigPanel {
  public:
    explicit TempConfigPanel(QDialog& dialog) : dialog_(dialog) {
        form_.setupUi(&dialog);
        number_items(form_.sensorCombo, MANUAL);
        inputs_ = {form_.inputSpin1, form_.inputSpin2, form_.inputSpin3, form_.inputSpin4};
        pt100_ = {form_.pt100Spin1, form_.pt100Spin2, form_.pt100Spin3};
        fill();
        connect_controls();
    }

  private:
    rec::Tempconf& t = rec::tempconf;

    void fill() {
        show_flag(form_.stateCheck, t.state);
        show_choice(form_.sensorCombo, t.sensor);
        show_real(form_.referenceTempSpin, t.reference_temp);
        // Filled whatever the sensor: OK must never take a manual temperature from a
        // control that was not given the record's.
        show_real(form_.manualTempSpin, t.manual_temp);
        for (int n = 1; n <= COEFFICIENTS; ++n) {
            working_[n - 1] = t.coefficient[n - 1];
            auto* item = new QListWidgetItem(QString::number(working_[n - 1]));
            item->setData(Qt::UserRole, n);
            form_.coefficientList->addItem(item);
        }
        selected_ = t.active_coefficient;
        {
            QSignalBlocker quiet(form_.coefficientList);
            form_.coefficientList->setCurrentRow(selected_ - 1);
        }
        update_tempconf();
    }

    void connect_controls() {
        QObject::connect(form_.coefficientList, &QListWidget::currentRowChanged, &dialog_,
                         [this](int row) {
                             if (row >= 0) selected_ = row + 1;
                         });
        QObject::connect(form_.coefficientList, &QListWidget::customContextMenuRequested, &dialog_,
                         [this] { change_coef(); });
        ui::on_operator(form_.changeCoefficientButton, &QPushButton::clicked, &dialog_,
                        [this] { change_coef(); });
        ui::on_operator(form_.sensorCombo, &QComboBox::currentIndexChanged, &dialog_, [this] {
            t.sensor = choice(form_.sensorCombo, t.sensor);
            update_tempconf();
        });
        ui::on_operator(form_.okButton, &QPushButton::clicked, &dialog_, [this] { ok(); });
        ui::on_operator(form_.cancelButton, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    // Shows the controls of the chosen sensor and fills them.
    void update_tempconf() {
        if (t.sensor < MANUAL || t.sensor > CURRENT_INPUT) return;
        bool manual = t.sensor == MANUAL;
        form_.manualTempLabel->setVisible(manual);
        form_.manualTempSpin->setVisible(manual);
        form_.pt100Group->setVisible(t.sensor == PT100);
        form_.inputGroup->setVisible(t.sensor == VOLTAGE_INPUT || t.sensor == CURRENT_INPUT);
        if (manual) show_real(form_.manualTempSpin, t.manual_temp);
        if (t.sensor == PT100)
            for (int i = 0; i < 3; ++i) show_real(pt100_[i], t.pt100_scale[i]);
        if (t.sensor == VOLTAGE_INPUT) show_input(VOLTAGE_LOOK, t.voltage_scale);
        if (t.sensor == CURRENT_INPUT) show_input(CURRENT_LOOK, t.current_scale);
    }

    void show_input(const InputLook& look, const double (&scale)[4]) {
        form_.inputLabel1->setText(look.first);
        form_.inputLabel2->setText(look.second);
        form_.inputSpin1->setAccessibleName(look.first);
        form_.inputSpin2->setAccessibleName(look.second);
        form_.unitLabel1->setText(look.unit);
        form_.unitLabel2->setText(look.unit);
        form_.inputSpin1->setMaximum(look.highest);
        form_.inputSpin2->setMaximum(look.highest);
        for (int i = 0; i < 4; ++i) show_real(inputs_[i], scale[i]);
    }

    void change_coef() {
        QListWidgetItem* item = form_.coefficientList->item(selected_ - 1);
        if (!item) return;
        std::string text = ui::compose(
            UI_TEXT("ohm7416",
                    "Der Temperaturkoeffizient in diesem Register ist\n\n%1\n\nÄndern Sie diesen "
                    "Koeffizienten, indem Sie den neuen Wert eingeben.\n\nDrücken Sie <ESC> zum "
                    "Abbruch"),
            item->text().toStdString());
        std::optional<std::string> answer =
            ui::prompt(UI_TEXT("ohm7416", "Den Temperaturkoeffizient ändern"), text, 10);
        if (!answer) return;
        str_kill_space(*answer);
        if (answer->empty()) return;
        std::optional<int> value = coefficient_from_answer(*answer);
        if (!value) return;
        working_[selected_ - 1] = *value;
        item->setText(QString::fromStdString(*answer));
    }

    // Takes one command's status: false when the connection was lost (the operator has
    // been told), otherwise waits the pause.
    bool send(std::int32_t status, const std::string& step, double pause) {
        if (connection_lost(status, step)) return false;
        ui::delay(pause);
        return true;
    }

    void ok() {
        store_flag(form_.stateCheck, t.state);
        store_choice(form_.sensorCombo, t.sensor);
        store_real(form_.manualTempSpin, t.manual_temp);
        store_real(form_.referenceTempSpin, t.reference_temp);
        t.active_coefficient = selected_;
        for (int n = 1; n <= COEFFICIENTS; ++n) {
            t.coefficient[n - 1] = working_[n - 1];
            if (!send(zk7416_set_config_temp_coefficient(instrument::tarvolux, n, working_[n - 1]),
                      ui::compose(UI_TEXT("ohm7416", "Temperaturkoeffizient %1"), n),
                      instrument::LOOP_PAUSE))
                return;
        }
        if (!send(zk7416_set_active_temp_coefficient(instrument::tarvolux, t.active_coefficient),
                  UI_TEXT("ohm7416", "Aktiver Temperaturkoeffizient"), instrument::STEP_PAUSE) ||
            !send(zk7416_set_config_temp_compensation(instrument::tarvolux, t.state, t.sensor,
                                                      t.reference_temp, t.manual_temp),
                  UI_TEXT("ohm7416", "Temperaturkompensation"), instrument::STEP_PAUSE) ||
            !send_scaling())
            return;
        dialog_.accept();
    }

    // The scaling of the chosen sensor, then the closing pause.
    bool send_scaling() {
        std::int32_t status = 0;
        const char* step = "";
        if (t.sensor == PT100) {
            for (int i = 0; i < 3; ++i) store_real(pt100_[i], t.pt100_scale[i]);
            const double* s = t.pt100_scale;
            status = zk7416_set_config_scale_pt100(instrument::tarvolux, s[0], s[1], s[2]);
            step = UI_TEXT("ohm7416", "PT100-Skalierung");
        } else if (t.sensor == VOLTAGE_INPUT || t.sensor == CURRENT_INPUT) {
            bool voltage = t.sensor == VOLTAGE_INPUT;
            double(&s)[4] = voltage ? t.voltage_scale : t.current_scale;
            for (int i = 0; i < 4; ++i) store_real(inputs_[i], s[i]);
            status = zk7416_set_config_scale_ui_input(instrument::tarvolux, voltage ? 0 : 1, s[0],
                                                      s[1], s[2], s[3]);
            step = voltage ? UI_TEXT("ohm7416", "Skalierung Spannungseingang")
                           : UI_TEXT("ohm7416", "Skalierung Stromeingang");
        }
        return send(status, step, instrument::STEP_PAUSE);
    }

    QDialog& dialog_;
    Ui::TempConfigDialog form_;
    std::array<QDoubleSpinBox*, 4> inputs_{};
    std::array<QDoubleSpinBox*, 3> pt100_{};
    // The coefficients as edited; they reach the record and the instrument on OK.
    std::array<std::int32_t, COEFFICIENTS> working_{};
    int selected_ = 1;
};

}  // namespace

std::optional<int> coefficient_from_answer(const std::string& answer) {
    std::optional<double> v = text::parse_typed_number(answer);
    if (!v) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                        ui::compose(UI_TEXT("ohm7416",
                                            "Die Eingabe '%1' ist keine Zahl.\n\nEs sind "
                                            "keine Änderungen getätigt."),
                                    answer));
        return std::nullopt;
    }
    if (std::fabs(*v) > COEFFICIENT_LIMIT) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                        UI_TEXT("ohm7416",
                                "Der Wert muss zwischen -99,999 und 99,999 sein.\n\nEs sind keine "
                                "Änderungen getätigt."));
        return std::nullopt;
    }
    return static_cast<int>(std::trunc(*v));
}

int temp_config() {
    RecordSnapshot snapshot(rec::tempconf);
    QDialog dialog(dialog_parent());
    fix_window(dialog);
    TempConfigPanel panel(dialog);
    if (dialog.exec() != QDialog::Accepted) return -1;
    snapshot.keep();
    ui::UpdateMeasurePanel();
    return 0;
}

}  // namespace dialogs
