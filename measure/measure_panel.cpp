#include "measure/measure_panel.h"

#include <QCloseEvent>
#include <QPointer>
#include <QShortcut>
#include <QSignalBlocker>

#include "driver/zk7416.h"
#include "export/export_file.h"
#include "settings/datalog_blocks.h"
#include "instrument/instrument_handle.h"
#include "measure/operator_view.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "ui/callback_scope.h"
#include "ui/panel_hooks.h"
#include "ui/qt/accessible_names.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/record_controls.h"
#include "ui/qt/value_displays.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"
#include "ui_measure_panel.h"

namespace measure {

int graphic_ctrl_loaded = 0;
int panel_just_loaded = 0;

namespace {

QPointer<MeasurePanel> open_panel;

const char* const SENSOR_NAMES[] = {UI_TEXT("ohm7416", "Manuell"), "PT100",
                                    UI_TEXT("ohm7416", "Spannungseingang"),
                                    UI_TEXT("ohm7416", "Stromeingang")};
const char* const RANGE_NAMES[] = {UI_TEXT("ohm7416", "Automatisch"),
                                   "200 mOhm",
                                   "2 Ohm",
                                   "20 Ohm",
                                   "200 Ohm",
                                   "2 kOhm",
                                   "20 kOhm",
                                   "200 kOhm"};
const char* const DISPLAY_MODES[] = {UI_TEXT("ohm7416", "Widerstand"),
                                     UI_TEXT("ohm7416", "Abweichung"),
                                     UI_TEXT("ohm7416", "Grenzwert")};

// A record's text as shown: the program's own texts in it ("Gelöscht") are translated.
QString text_of(const char* field, std::size_t size) {
    return ui::shown_text(text::field_text_utf8(field, size));
}

template <std::size_t N>
QString text_of(const char (&field)[N]) {
    return text_of(field, N);
}

// A combo box shows a record value only when it names one of its entries.
void select(QComboBox* combo, int index) {
    ui::set_index(combo, index >= 0 && index < combo->count() ? index : -1);
}

// A lamp is lit or dark in colour; the operator who does not see it hears which.
void light(QLabel* lamp, bool lit, const QString& lit_text, const QString& dark_text) {
    ui::show_display_text(lamp, lit ? lit_text : dark_text);
    ui::show_display_state(lamp, lit ? ui::shown_text(UI_TEXT("ohm7416", "an"))
                                     : ui::shown_text(UI_TEXT("ohm7416", "aus")));
    lamp->setStyleSheet(lit ? QStringLiteral("background: #3ad15a; color: black; border-radius: "
                                             "4px; padding: 3px; font-weight: bold;")
                            : QStringLiteral("background: #d6d6d6; color: #555; border-radius: "
                                             "4px; padding: 3px;"));
}

}  // namespace

MeasurePanel* measure_panel() {
    return open_panel.data();
}

MeasurePanel* open_measure_panel(QWidget* parent, bool demo_switch_visible,
                                 std::function<void()> on_closed) {
    if (open_panel) return open_panel.data();
    auto* panel = new MeasurePanel(parent, demo_switch_visible, std::move(on_closed));
    open_panel = panel;
    panel->show();
    panel_just_loaded = 1;
    panel->set_graphic(0);
    ui::meas_panel_loaded = 1;
    panel->UpdateMeasurePanel();
    return panel;
}

void close_measure_panel() {
    if (open_panel) open_panel->close_panel();
}

void toggle_start_switch() {
    if (open_panel) open_panel->form().startButton->click();
}

MeasurePanel::MeasurePanel(QWidget* parent, bool demo_switch_visible,
                           std::function<void()> on_closed)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::MeasurePanel>()),
      on_closed_(std::move(on_closed)) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui_->setupUi(this);
    ui_->demoSwitch->setVisible(demo_switch_visible);
    fill_choices();
    ui::name_controls_for_accessibility(this);
    connect_controls();
    // One key starts and stops, wherever the focus is in the panel.
    auto* start_key = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(start_key, &QShortcut::activated, ui_->startButton, &QAbstractButton::click);
    ui_->startButton->setToolTip(
        ui::shown_text(UI_TEXT("ohm7416", "Messung starten oder beenden (F5)")));
    operator_view_ = new OperatorView(*this, *ui_);
    set_lamp(false);

    // The measurement timer runs while the panel is open; its ticks do nothing while no
    // measurement runs. The temperature timer starts with a measurement.
    measurement_timer_.setInterval(MEASUREMENT_TICK_MS);
    temperature_timer_.setInterval(TEMPERATURE_TICK_MS);
    connect(&measurement_timer_, &QTimer::timeout, this, [this] { CB_TimerInterrupt(*this); });
    connect(&temperature_timer_, &QTimer::timeout, this, [this] { CB_TempTimerInterrupt(*this); });
    measurement_timer_.start();

    ui::set_measure_panel_refresh([this] { UpdateMeasurePanel(); });
    exporting::set_store_switch_follower([this] { ui::set_checked(ui_->storeSwitch, false); });
}

MeasurePanel::~MeasurePanel() {
    measurement_timer_.stop();
    temperature_timer_.stop();
    ui::set_measure_panel_refresh({});
    exporting::set_store_switch_follower({});
    ui::meas_panel_loaded = 0;
}

void MeasurePanel::fill_choices() {
    for (const char* name : RANGE_NAMES) ui_->rangeCombo->addItem(ui::shown_text(name));
    for (int r = 1; r <= 7; ++r) {
        ui_->autoLowCombo->addItem(ui::shown_text(RANGE_NAMES[r]));
        ui_->autoHighCombo->addItem(ui::shown_text(RANGE_NAMES[r]));
    }
    for (const char* mode : DISPLAY_MODES) ui_->displayModeCombo->addItem(ui::shown_text(mode));
}

void MeasurePanel::connect_controls() {
    ui::on_operator(ui_->startButton, &QPushButton::toggled, this, [this] {
        CB_STARTorSTOP(*this, ui_->startButton->isChecked(),
                       ui_->demoSwitch->isVisible() && ui_->demoSwitch->isChecked());
    });
    ui::on_operator(ui_->closeButton, &QPushButton::clicked, this, &MeasurePanel::close_panel);
    connect_function_switches();
    connect_settings_controls();
    connect_graph_controls();
}

void MeasurePanel::closeEvent(QCloseEvent* event) {
    // The close box, the close button and the end of the program all come here.
    if (!closed_) finish();
    event->accept();
}

void MeasurePanel::close_panel() {
    close();
}

void MeasurePanel::finish() {
    ui::CallbackScope scope;
    // No tick may come after this point.
    measurement_timer_.stop();
    temperature_timer_.stop();
    if (exporting::measure_store_mode == 1) exporting::close_measurement_export();
    if (on_closed_) on_closed_();
    stop_measure(*this);
    measuring = 0;
    ui::meas_panel_loaded = 0;
    closed_ = true;
    if (open_panel == this) open_panel.clear();
}

int MeasurePanel::UpdateMeasurePanel() {
    auto& u = *ui_;
    const auto& m = rec::measurement_configuration;
    if (panel_just_loaded || ui::came_from_log_config) {
        fill_block_list();
        panel_just_loaded = 0;
        ui::came_from_log_config = 0;
        settings::get_counts();
    }
    show_envelope_reports();
    ui::set_checked(u.comparatorSwitch, rec::compare.state != 0);
    ui::set_checked(u.envelopeSwitch, rec::env.state != 0);
    const QString inductive = ui::shown_text(UI_TEXT("ohm7416", "Induktiv"));
    const QString limited = ui::shown_text(UI_TEXT("ohm7416", "20 mV Begrenzung"));
    light(u.loadIndicator, m.load == 1, inductive, inductive);
    light(u.voltageLimitIndicator, m.voltage_limit == 1, limited, limited);
    show_range_controls();

    ui::show_display_text(u.limitText1, text_of(rec::compare.limit_text_1));
    ui::show_display_text(u.limitText2, text_of(rec::compare.limit_text_2));
    ui::show_display_text(u.limitText3, text_of(rec::compare.limit_text_3));
    ui::show_display_text(u.limitText4, text_of(rec::compare.limit_text_4));
    show_counts();
    ui::set_checked(u.continuousSwitch, m.continuous != 0);
    select(u.rangeCombo, m.range);
    select(u.autoLowCombo, m.auto_range_low - 1);
    select(u.autoHighCombo, m.auto_range_high - 1);
    select(u.displayModeCombo, m.display_mode);
    ui::show_real(u.referenceSpin, m.reference);
    show_fill_text();
    ui::set_checked(u.dataloggerSwitch, rec::datalog.state != 0);
    select(u.blockCombo,
           settings::valid_block(rec::datalog.active_block) ? rec::datalog.active_block : -1);
    ui::show_real(u.manualTempSpin, rec::tempconf.manual_temp);
    ui::show_real(u.refTempSpin, rec::tempconf.reference_temp);
    ui::set_checked(u.tempCompSwitch, rec::tempconf.state != 0);
    int sensor = rec::tempconf.sensor;
    u.sensorDisplay->setText(sensor >= 0 && sensor < 4 ? ui::shown_text(SENSOR_NAMES[sensor])
                                                       : QString::number(sensor));
    ui::set_checked(u.printerSwitch, rec::print.state != 0);
    ui::set_checked(u.storeSwitch, exporting::measure_store_mode == 1);

    show_display_mode_controls(m.display_mode);
    if (m.display_mode == 2) switch_comparator_on_for_classes();
    end_storing_outside_resistance_mode();

    bool four = rec::compare.limit_count == 4;
    for (QWidget* w : {static_cast<QWidget*>(u.limitText1), static_cast<QWidget*>(u.limitText4),
                       static_cast<QWidget*>(u.count1), static_cast<QWidget*>(u.countLabel1),
                       static_cast<QWidget*>(u.count5), static_cast<QWidget*>(u.countLabel5)})
        w->setVisible(four);
    show_temperature_group();
    if (graphic_ctrl_loaded == 1) set_graphic(1);
    return 0;
}

// Limit classification needs the comparator.
void MeasurePanel::switch_comparator_on_for_classes() {
    ui::CallbackScope scope;
    ui::set_checked(ui_->comparatorSwitch, true);
    rec::compare.state = 1;
    zk7416_send_scpi(instrument::tarvolux, "CALC:LIM:STAT 1");
}

void MeasurePanel::show_display_mode_controls(int mode) {
    auto& u = *ui_;
    if (mode == 0) {
        u.referenceSpin->setEnabled(false);
        u.graphSwitch->setEnabled(true);
        u.storeSwitch->setEnabled(measuring == 0);
    } else if (mode == 1 || mode == 2) {
        set_graphic(0);
        u.referenceSpin->setEnabled(mode == 1 && measuring == 0);
        u.graphSwitch->setEnabled(false);
        u.storeSwitch->setEnabled(false);
    }
}

void MeasurePanel::show_range_controls() {
    auto& u = *ui_;
    bool limited = rec::measurement_configuration.voltage_limit == 1;
    u.rangeCombo->setVisible(!limited);
    u.rangeLabel->setVisible(!limited);
    u.rangeSubstitute->setVisible(limited);
    bool automatic = !limited && rec::measurement_configuration.range == 0;
    for (QWidget* w :
         {static_cast<QWidget*>(u.autoLowCombo), static_cast<QWidget*>(u.autoLowLabel),
          static_cast<QWidget*>(u.autoHighCombo), static_cast<QWidget*>(u.autoHighLabel)})
        w->setVisible(automatic);
}

void MeasurePanel::show_temperature_group() {
    auto& u = *ui_;
    bool on = rec::tempconf.state == 1;
    bool manual = rec::tempconf.sensor == 0;
    for (QWidget* w : {static_cast<QWidget*>(u.sensorLabel), static_cast<QWidget*>(u.sensorDisplay),
                       static_cast<QWidget*>(u.refTempLabel), static_cast<QWidget*>(u.refTempSpin),
                       static_cast<QWidget*>(u.refTempUnit), static_cast<QWidget*>(u.tempLabel),
                       static_cast<QWidget*>(u.tempUnit)})
        w->setVisible(on);
    // The operator's manual temperature and the measured one have a control each, so a
    // measured temperature never lands in the manual one.
    u.tempLabel->setText(ui::shown_text(manual ? UI_TEXT("ohm7416", "Man.Temp.")
                                               : UI_TEXT("ohm7416", "Mess.Temp.")));
    u.tempLabel->setBuddy(manual ? static_cast<QWidget*>(u.manualTempSpin)
                                 : static_cast<QWidget*>(u.measuredTempDisplay));
    u.manualTempSpin->setVisible(on && manual);
    u.manualTempSpin->setEnabled(measuring == 0);
    u.measuredTempDisplay->setVisible(on && !manual);
    u.measuredTempDisplay->setEnabled(measuring == 1);
}

void MeasurePanel::show_envelope_reports() {
    ui_->envelopeReport1->setText(text_of(rec::env.report_1));
    ui_->envelopeReport2->setText(text_of(rec::env.report_2));
    ui_->envelopeReport3->setText(text_of(rec::env.report_3));
}

void MeasurePanel::show_counts() {
    const rec::Compare& c = rec::compare;
    ui_->count1->setText(QString::number(c.count_1));
    ui_->count2->setText(QString::number(c.count_2));
    ui_->count3->setText(QString::number(c.count_3));
    ui_->count4->setText(QString::number(c.count_4));
    ui_->count5->setText(QString::number(c.count_5));
}

void MeasurePanel::show_fill_text() {
    ui_->fillButton->setText(text_of(rec::datalog.count_text));
    // The button is named for its caption; what it shows is read as its description.
    ui::show_display_state(ui_->fillButton, ui_->fillButton->text());
}

void MeasurePanel::fill_block_list() {
    QSignalBlocker quiet(ui_->blockCombo);
    ui_->blockCombo->clear();
    for (int i = 0; i < rec::DATALOG_BLOCKS; ++i)
        ui_->blockCombo->addItem(QString::fromStdString(settings::block_list_label(i)), i);
}

void MeasurePanel::set_block_entry(int block) {
    if (settings::valid_block(block) && block < ui_->blockCombo->count())
        ui_->blockCombo->setItemText(block,
                                     QString::fromStdString(settings::block_list_label(block)));
}

// --- what the measurement cycle shows ---------------------------------------------------

void MeasurePanel::show_value(const std::string& text) {
    ui::show_display_text(ui_->valueDisplay, ui::shown_text(text));
}

void MeasurePanel::show_temperature(double celsius) {
    ui_->measuredTempDisplay->setText(QString::number(celsius, 'f', 1));
}

void MeasurePanel::set_start_switch(bool on) {
    ui::set_checked(ui_->startButton, on);
}

void MeasurePanel::set_lamp(bool lit) {
    light(ui_->lampLabel, lit, ui::shown_text(UI_TEXT("ohm7416", "Messung")), QString());
}

void MeasurePanel::start_temperature_timer() {
    temperature_timer_.start();
}

// The settings controls that rest while a measurement runs (they stay visible).
std::vector<QWidget*> MeasurePanel::settings_controls() {
    auto& u = *ui_;
    return {u.storeSwitch,         u.continuousSwitch, u.rangeCombo,    u.autoLowCombo,
            u.autoHighCombo,       u.displayModeCombo, u.referenceSpin, u.blockCombo,
            u.envelopeClearButton, u.tempCompSwitch,   u.refTempSpin,   u.memoryButton,
            u.fillButton,          u.manualTempSpin};
}

void MeasurePanel::enter_measuring_state() {
    for (QWidget* w : settings_controls()) w->setEnabled(false);
    ui_->measuredTempDisplay->setEnabled(rec::tempconf.sensor != 0);
    set_results_dimmed(true);
}

void MeasurePanel::set_results_dimmed(bool dimmed) {
    auto& u = *ui_;
    bool envelope = dimmed && rec::env.state == 1;
    for (QWidget* w :
         {static_cast<QWidget*>(u.envelopeReport1), static_cast<QWidget*>(u.envelopeReport2),
          static_cast<QWidget*>(u.envelopeReport3)})
        w->setEnabled(!envelope);
    bool counts = dimmed && rec::compare.state == 1;
    for (QWidget* w : {static_cast<QWidget*>(u.count1), static_cast<QWidget*>(u.count2),
                       static_cast<QWidget*>(u.count3), static_cast<QWidget*>(u.count4),
                       static_cast<QWidget*>(u.count5)})
        w->setEnabled(!counts);
}

void MeasurePanel::leave_measuring_state() {
    auto& u = *ui_;
    for (QWidget* w : settings_controls()) w->setEnabled(true);
    // The store switch, the reference and the graph follow the display mode.
    show_display_mode_controls(rec::measurement_configuration.display_mode);
    u.memoryButton->setEnabled(ui::memory_activation_available());
    u.measuredTempDisplay->setEnabled(false);
}

void MeasurePanel::datalogger_switch_off() {
    ui::set_checked(ui_->dataloggerSwitch, false);
}

void MeasurePanel::show_stop_results(bool datalogger, bool envelope, bool comparator) {
    auto& u = *ui_;
    if (datalogger) show_fill_text();
    if (envelope) show_envelope_reports();
    if (comparator) show_counts();
    u.fillButton->setEnabled(true);
    u.envelopeClearButton->setEnabled(true);
    set_results_dimmed(false);
}

}  // namespace measure
