#include "dialogs/print_config.h"

#include <QDialog>
#include <optional>
#include <string>

#include "dialogs/dialog_support.h"
#include "driver/zk7416.h"
#include "settings/com_setup.h"
#include "text/command_text.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "instrument/transfer_run.h"
#include "ui/glob.h"
#include "ui/panel_hooks.h"
#include "ui/ui.h"
#include "ui_print_config.h"
#include "ui_printer_setup.h"

namespace dialogs {

namespace {

using instrument::tarvolux;

constexpr std::size_t LABEL_LENGTH = 10;
constexpr int RS232 = 1;

class PrintConfigPanel {
  public:
    explicit PrintConfigPanel(QDialog& dialog) : dialog_(dialog) {
        form_.setupUi(&dialog);
        fill();
        connect_controls();
    }

  private:
    rec::Print& p = rec::print;

    void fill() {
        show_flag(form_.stateCheck, p.state);
        show_flag(form_.itemTimeCheck, p.item_time);
        show_flag(form_.itemDateCheck, p.item_date);
        show_flag(form_.itemNumberCheck, p.item_number);
        show_flag(form_.itemTemperatureCheck, p.item_temperature);
        show_flag(form_.itemLabelCheck, p.item_label);
        shown_label_ = latin1_text(text::field_text(p.label_text));
        form_.labelEdit->setText(shown_label_);
        show_number(form_.headerSpin, p.header);
        show_number(form_.hoursSpin, p.tdst_hours);
        show_number(form_.minutesSpin, p.tdst_minutes);
        show_number(form_.secondsSpin, p.tdst_seconds);
    }

    void connect_controls() {
        ui::on_operator(form_.stateCheck, &QCheckBox::toggled, &dialog_, [](bool on) {
            // A warning only: the switch keeps its value.
            if (on && rec::com.interface == RS232)
                ui::message_box(
                    UI_TEXT("ohm7416", "Meldung :"),
                    UI_TEXT("ohm7416",
                            "Sie können den seriellen Drucker während der Kommunikation "
                            "mit dem PC nicht verwenden"));
        });
        ui::on_operator(form_.resetCounterButton, &QPushButton::clicked, &dialog_, [] {
            if (LG_ConfirmPopup(UI_TEXT("ohm7416", "Bitte löschen bestätigen"),
                                UI_TEXT("ohm7416", "Reset Drucker Zähler?")) == 1)
                connection_lost(zk7416_printer_counter_reset(tarvolux),
                                UI_TEXT("ohm7416", "Druckerzähler"));
        });
        ui::on_operator(form_.okButton, &QPushButton::clicked, &dialog_, [this] { ok(); });
        ui::on_operator(form_.cancelButton, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    void ok() {
        // The label goes into a command line: it is checked before anything changes.
        std::optional<std::string> label;
        QString typed = form_.labelEdit->text();
        if (typed != shown_label_) {
            label = text::checked_command_text(typed.toStdString(), LABEL_LENGTH);
            if (!label) return;
        }
        store_flag(form_.stateCheck, p.state);
        store_flag(form_.itemTimeCheck, p.item_time);
        store_flag(form_.itemDateCheck, p.item_date);
        store_flag(form_.itemNumberCheck, p.item_number);
        store_flag(form_.itemTemperatureCheck, p.item_temperature);
        store_flag(form_.itemLabelCheck, p.item_label);
        if (label) text::copy_text(p.label_text, *label);
        store_number(form_.headerSpin, p.header);
        store_number(form_.hoursSpin, p.tdst_hours);
        store_number(form_.minutesSpin, p.tdst_minutes);
        store_number(form_.secondsSpin, p.tdst_seconds);

        auto send = [this](char* text) {
            return zk7416_set_config_printer_mode(
                tarvolux, p.item_temperature, p.item_number, p.item_label, p.item_time, p.item_date,
                p.header, text, p.tdst_hours, p.tdst_minutes, p.tdst_seconds);
        };
        if (connection_lost(instrument::send_text_field(p.label_text, send),
                            UI_TEXT("ohm7416", "Druckereinstellungen")))
            return;
        ui::delay(instrument::STEP_PAUSE);
        if (connection_lost(zk7416_set_config_printer_state(tarvolux, p.state),
                            UI_TEXT("ohm7416", "Drucker Ein/Aus")))
            return;
        dialog_.accept();
    }

    QDialog& dialog_;
    Ui::PrintConfigDialog form_;
    QString shown_label_;
};

}  // namespace

int print_config() {
    RecordSnapshot snapshot(rec::print);
    QDialog dialog(dialog_parent());
    fix_window(dialog);
    PrintConfigPanel panel(dialog);
    if (dialog.exec() != QDialog::Accepted) return -1;
    snapshot.keep();
    ui::UpdateMeasurePanel();
    return 0;
}

int load_printer_setup() {
    RecordSnapshot snapshot(rec::com);
    QDialog dialog(dialog_parent());
    fix_window(dialog);
    Ui::PrinterSetupDialog form;
    form.setupUi(&dialog);
    set_item_values(form.colorModeCombo, {0, 1});
    set_item_values(form.orientationCombo, {1, 2});
    rec::Com& com = rec::com;
    show_choice(form.colorModeCombo, com.print_color_mode);
    show_choice(form.orientationCombo, com.print_orientation);
    show_number(form.xResolutionSpin, com.print_x_resolution);
    show_number(form.yResolutionSpin, com.print_y_resolution);

    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, [&] {
        store_choice(form.colorModeCombo, com.print_color_mode);
        store_choice(form.orientationCombo, com.print_orientation);
        store_number(form.xResolutionSpin, com.print_x_resolution);
        store_number(form.yResolutionSpin, com.print_y_resolution);
        // A failed save has told the operator; the values hold for this run and the
        // panel stays open.
        if (settings::save_print_setup() == 1) dialog.accept();
    });
    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return -1;
    snapshot.keep();
    return 1;
}

}  // namespace dialogs
