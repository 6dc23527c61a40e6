#include "measure/measure_panel.h"

#include <QCloseEvent>
#include <QPointer>

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
#include "ui/qt/record_controls.h"
#include "ui_measure_panel.h"

namespace measure {

int graphic_ctrl_loaded = 0;
int panel_just_loaded = 0;

namespace {

QPointer<MeasurePanel> open_panel;

const char* const SENSOR_NAMES[] = {"Manuell", "PT100", "Spannungseingang", "Stromeingang"};
const char* const RANGE_NAMES[] = {"Automatisch", "200 mOhm", "2 Ohm",   "20 Ohm",
                                   "200 Ohm",     "2 kOhm",   "20 kOhm", "200 kOhm"};
const char* const DISPLAY_MODES[] = {"Widerstand", "Abweichung", "Grenzwert"};

QString text_of(const char* field, std::size_t size) {
    return QString::fromStdString(text::field_text_utf8(field, size));
}

template <std::size_t N>
QString text_of(const char (&field)[N]) {
    return text_of(field, N);
}

// A combo box shows a record value only when it names one of its entries.
void select(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void light(QLabel* lamp, bool lit, const QString& lit_text, const QString& dark_text) {
    lamp->setText(lit ? lit_text : dark_text);
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
    exporting::set_store_switch_follower([this] { ui_->storeSwitch->setChecked(false); });
}

MeasurePanel::~MeasurePanel() {
    measurement_timer_.stop();
    temperature_timer_.stop();
    ui::set_measure_panel_refresh({});
    exporting::set_store_switch_follower({});
    ui::meas_panel_loaded = 0;
}

void MeasurePanel::fill_choices() {
    for (const char* name : RANGE_NAMES) ui_->rangeCombo->addItem(QString::fromUtf8(name));
    for (int r = 1; r <= 7; ++r) {
        ui_->autoLowCombo->addItem(QString::fromUtf8(RANGE_NAMES[r]));
        ui_->autoHighCombo->addItem(QString::fromUtf8(RANGE_NAMES[r]));
    }
    for (const char* mode : DISPLAY_MODES) ui_->displayModeCombo->addItem(QString::fromUtf8(mode));
}

void MeasurePanel::connect_controls() {
    connect(ui_->startButton, &QPushButton::clicked, this, [this](bool on) {
        CB_STARTorSTOP(*this, on, ui_->demoSwitch->isVisible() && ui_->demoSwitch->isChecked());
    });
    connect(ui_->closeButton, &QPushButton::clicked, this, &MeasurePanel::close_panel);
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
    u.comparatorSwitch->setChecked(rec::compare.state != 0);
    u.envelopeSwitch->setChecked(rec::env.state != 0);
    light(u.loadIndicator, m.load == 1, QStringLiteral("Induktiv"), QStringLiteral("Induktiv"));
    light(u.voltageLimitIndicator, m.voltage_limit == 1, QStringLiteral("20 mV Begrenzung"),
          QStringLiteral("20 mV Begrenzung"));
    show_range_controls();

    u.limitText1->setText(text_of(rec::compare.limit_text_1));
    u.limitText2->setText(text_of(rec::compare.limit_text_2));
    u.limitText3->setText(text_of(rec::compare.limit_text_3));
    u.limitText4->setText(text_of(rec::compare.limit_text_4));
    show_counts();
    u.continuousSwitch->setChecked(m.continuous != 0);
    select(u.rangeCombo, m.range);
    select(u.autoLowCombo, m.auto_range_low - 1);
    select(u.autoHighCombo, m.auto_range_high - 1);
    select(u.displayModeCombo, m.display_mode);
    ui::show_real(u.referenceSpin, m.reference);
    show_fill_text();
    u.dataloggerSwitch->setChecked(rec::datalog.state != 0);
    select(u.blockCombo,
           settings::valid_block(rec::datalog.active_block) ? rec::datalog.active_block : -1);
    ui::show_real(u.manualTempSpin, rec::tempconf.manual_temp);
    ui::show_real(u.refTempSpin, rec::tempconf.reference_temp);
    u.tempCompSwitch->setChecked(rec::tempconf.state != 0);
    int sensor = rec::tempconf.sensor;
    u.sensorDisplay->setText(sensor >= 0 && sensor < 4 ? QString::fromUtf8(SENSOR_NAMES[sensor])
                                                       : QString::number(sensor));
    u.printerSwitch->setChecked(rec::print.state != 0);
    u.storeSwitch->setChecked(exporting::measure_store_mode == 1);

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
    ui_->comparatorSwitch->setChecked(true);
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
    u.tempLabel->setText(manual ? QStringLiteral("Man.Temp.") : QStringLiteral("Mess.Temp."));
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
}

void MeasurePanel::fill_block_list() {
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
    ui_->valueDisplay->setText(QString::fromStdString(text));
}

void MeasurePanel::show_temperature(double celsius) {
    ui_->measuredTempDisplay->setText(QString::number(celsius, 'f', 1));
}

void MeasurePanel::set_start_switch(bool on) {
    ui_->startButton->setChecked(on);
}

void MeasurePanel::set_lamp(bool lit) {
    light(ui_->lampLabel, lit, QStringLiteral("Messung"), QString());
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
    ui_->dataloggerSwitch->setChecked(false);
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
