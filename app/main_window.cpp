#include "app/main_window.h"

#include <QCloseEvent>
#include <QString>

#include "app/info_panels.h"
#include "app/interface_setup.h"
#include "app/menu_actions.h"
#include "dialogs/access_config.h"
#include "dialogs/compare_config.h"
#include "dialogs/measurement_config.h"
#include "dialogs/memory_dialogs.h"
#include "dialogs/print_config.h"
#include "dialogs/temp_config.h"
#include "datalog/log_config_dialog.h"
#include "datalog/readout_panel.h"
#include "export/export_file.h"
#include "settings/records.h"
#include "app/record_text.h"
#include "app/startup.h"
#include "export/user_export_panel.h"
#include "measure/measure_panel.h"
#include "settings/settings_file_ops.h"
#include "ui/qt/operator_actions.h"
#include "ui/callback_scope.h"
#include "ui/glob.h"
#include "ui/panel_hooks.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"
#include "ui_main_window.h"

namespace app {
namespace {

MainWindow* current_main_panel = nullptr;

}  // namespace

MainWindow* main_panel() {
    return current_main_panel;
}
void set_main_panel(MainWindow* window) {
    current_main_panel = window;
}

MainWindow::MainWindow() : ui_(std::make_unique<Ui::MainWindow>()) {
    ui_->setupUi(this);
    build_dispatch_table();
    ui::on_operator(ui_->menubar, &QMenuBar::triggered, this, &MainWindow::dispatch);
    set_interface_check_marks(-1);
    ui::set_measuring_menus([this](bool measuring) { set_measuring(measuring); });
    ui::set_memory_activation([] { return dialogs::activate_memory(); });
}

MainWindow::~MainWindow() {
    ui::set_measuring_menus({});
    ui::set_memory_activation({});
    if (current_main_panel == this) current_main_panel = nullptr;
}

QAction* MainWindow::action(const char* name) const {
    return findChild<QAction*>(name);
}

// One row per menu item. Items whose dialogs are not part of the program yet are shown
// dimmed: they must not pretend to work.
void MainWindow::build_dispatch_table() {
    auto& u = *ui_;
    rows_ = {
        {u.actionPrinterSetup, [] { dialogs::load_printer_setup(); }},
        {u.actionUserExportFormat, [this] { exporting::load_user_export_panel(this); }},
        {u.actionGpib,
         [] {
             if (gpib_setup() == 1) after_interface_change();
         }},
        {u.actionRs232,
         [] {
             if (serial_setup() == 1) after_interface_change();
         }},
        {u.actionActivateMemory, [] { dialogs::activate_memory(); }},
        {u.actionSaveMemory, [] { dialogs::save_memory(); }},
        {u.actionMeasurementConfig, [] { dialogs::measurement_config(); }},
        {u.actionDataloggerConfig, [this] { datalog::log_config(this); }},
        {u.actionComparator, [] { dialogs::compare_config(); }},
        {u.actionTemperature, [] { dialogs::temp_config(); }},
        {u.actionDeviceAccess, [] { dialogs::access_config(); }},
        {u.actionInstrumentPrinter, [] { dialogs::print_config(); }},
        {u.actionSaveConfig, [] { settings::save_configuration_to_hard_disc(); }},
        {u.actionLoadConfig, [] { load_configuration_and_offer_transfer(); }},
        {u.actionMakeBackup, [] { settings::MakeBackupFile(); }},
        {u.actionLoadBackup, [] { settings::LoadBackupFile(); }},
        {u.actionQuit,
         [this] {
             if (confirm_quit()) {
                 quitting_ = true;
                 close();
             }
         }},
        {u.actionMeasurePanel, [this] { open_measure_panel(); }},
        {u.actionStartStop, [] { measure::toggle_start_switch(); }},
        {u.actionDataloggerReadout,
         [this] {
             // A read-out and a running measurement export do not share the line.
             if (exporting::measure_store_mode == 1) exporting::close_measurement_export();
             datalog::upload_menue(this);
         }},
        {u.actionProgramInfo, [this] { show_program_info(this); }},
        {u.actionDeviceInfo, [this] { show_device_info(this); }},
    };
    for (const auto& row : rows_) {
        row.action->setEnabled(static_cast<bool>(row.run));
        if (!row.run)
            row.action->setToolTip(
                ui::shown_text(UI_TEXT("ohm7416", "In dieser Version noch nicht verfügbar")));
    }
    // The start switch is the measure panel's; its key works while the panel is open.
    u.actionStartStop->setEnabled(false);
}

bool MainWindow::available(QAction* action) const {
    for (const auto& row : rows_)
        if (row.action == action) return static_cast<bool>(row.run);
    return true;
}

void MainWindow::set_measuring(bool measuring) {
    auto& u = *ui_;
    // The read-out, every dialog that sends settings, the interface, and the file items
    // that send to the instrument or recall its memories one after the other.
    for (QAction* a : {u.actionDataloggerReadout, u.actionDataloggerConfig, u.actionLoadConfig,
                       u.actionMakeBackup, u.actionLoadBackup})
        a->setEnabled(!measuring && available(a));
    u.menuGeraet->menuAction()->setEnabled(!measuring);
    u.menuSchnittstelle->menuAction()->setEnabled(!measuring);
}

void MainWindow::dispatch(QAction* triggered) {
    // Measurement ticks wait while a menu action talks to the instrument or waits for
    // the operator.
    ui::CallbackScope scope;
    for (const auto& row : rows_) {
        if (row.action != triggered || !row.run) continue;
        // The item's own check mark is the interface's, not a toggle.
        if (triggered == ui_->actionGpib || triggered == ui_->actionRs232)
            set_interface_check_marks(rec::com.interface);
        row.run();
        return;
    }
}

void MainWindow::set_interface_check_marks(int interface) {
    ui_->actionGpib->setChecked(interface == 0);
    ui_->actionRs232->setChecked(interface == 1);
}

void MainWindow::show_connection(bool connected) {
    if (!connected) {
        ui_->connectionLabel->setText(
            ui::shown_text(UI_TEXT("ohm7416", "Keine Verbindung zum Tarvolux Typ 7416")));
        ui_->deviceLabel->clear();
        return;
    }
    QString how =
        rec::com.interface == 0
            ? ui::shown_text(UI_TEXT("ohm7416", "GPIB, Adresse %1")).arg(rec::com.gpib_address)
            : QStringLiteral("RS232, COM%1, %2 Baud")
                  .arg(rec::com.com_port)
                  .arg(rec::com.baud_rate);
    ui_->connectionLabel->setText(ui::shown_text(UI_TEXT("ohm7416", "Verbunden über %1")).arg(how));
    const rec::Device& d = rec::device;
    ui_->deviceLabel->setText(QStringLiteral("%1 %2\n%3   Firmware %4")
                                  .arg(record_text(d.ident_1), record_text(d.ident_2),
                                       record_text(d.ident_3), record_text(d.ident_4)));
}

void MainWindow::open_measure_panel() {
    QAction* item = ui_->actionMeasurePanel;
    QAction* start_stop = ui_->actionStartStop;
    measure::open_measure_panel(this, messedemo_7416_start == 1, [item, start_stop] {
        item->setEnabled(true);
        start_stop->setEnabled(false);
    });
    item->setEnabled(false);
    start_stop->setEnabled(true);
}

bool MainWindow::confirm_quit() {
    return LG_ConfirmPopup(UI_TEXT("ohm7416", "Frage :"),
                           UI_TEXT("ohm7416", "Wollen Sie das Programm beenden")) == 1;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box asks the same question as the menu; the menu has asked already.
    if (quitting_ || confirm_quit()) {
        quitting_ = true;
        // A running measurement is stopped and storing ends before the program does.
        measure::close_measure_panel();
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace app
