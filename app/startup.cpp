#include "app/startup.h"

#include <string>

#include "app/embedded_simulation.h"
#include "app/identification.h"
#include "app/instrument_idle.h"
#include "app/interface_setup.h"
#include "app/main_window.h"
#include "app/menu_actions.h"
#include "app/project_directory.h"
#include "driver/zk7416.h"
#include "export/export_file.h"
#include "settings/com_setup.h"
#include "settings/instrument_handle.h"
#include "settings/project_dir.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "ui/ui.h"

namespace app {

int messedemo_7416_start = 0;
int graphic_ctrl_loaded = 0;

namespace {

std::string measurement_stop_message(std::int32_t status) {
    return "Keine Antwort vom Tarvolux Typ 7416 auf den Befehl zum Beenden der Messung "
           "(Fehler " +
           std::to_string(status) +
           ").\nDie Geräteeinstellungen wurden nicht gelesen.\nDatenübertragungskabel OK ?";
}

void set_print_defaults() {
    rec::com.print_color_mode = 0;
    rec::com.print_orientation = 2;
    rec::com.print_x_resolution = 300;
    rec::com.print_y_resolution = 300;
}

}  // namespace

Program::Program() : simulation_(std::make_unique<EmbeddedSimulation>()) {}

Program::~Program() = default;

bool Program::start(const CommandLine& command_line, const std::string& executable_dir,
                    const std::string& user_data_dir) {
    graphic_ctrl_loaded = 0;
    exporting::measure_store_mode = 0;
    messedemo_7416_start = command_line.messedemo;
    set_print_defaults();

    std::string error;
    settings::curr_dir =
        choose_project_directory(command_line.home, executable_dir, user_data_dir, error);
    if (settings::curr_dir.empty()) {
        ui::message_box("Fehler-Meldung :", error);
        return false;
    }
    serial_port_map() = load_serial_port_map(settings::curr_dir);
    apply_serial_port_map(serial_port_map());
    if (!simulation_->start(command_line.simulate, error)) {
        ui::message_box("Fehler-Meldung :", error);
        return false;
    }

    window_ = std::make_unique<MainWindow>();
    set_main_panel(window_.get());
    window_->show();

    bool have_com_setup = settings::load_com_setup() == 1;
    if (simulation_->running()) {
        // The simulation is the interface of this run, whatever Com.stp says.
        simulation_->select_interface();
    } else if (!have_com_setup) {
        if (setup() == -1) {
            set_main_panel(nullptr);
            window_.reset();
            return false;
        }
        return true;
    }
    create_export_directory();
    connect_and_prepare();
    return true;
}

void Program::connect_and_prepare() {
    char idn[500] = {};
    std::int32_t status = open_interface(idn);
    ui::delay(0.05);
    if (status != 0) {
        window_->show_connection(false);
        ui::message_box("Fehler-Meldung :", kNoConnectionMessage);
        return;
    }
    store_identification(idn);
    check_new_version();
    window_->set_interface_check_marks(rec::com.interface);
    window_->show_connection(true);

    // A measurement left running on the instrument is stopped, and the settings are
    // read only once it reports itself idle. Once the line has failed, nothing more is
    // sent on it: every further command would only hold the operator for another
    // time-out.
    std::int32_t stopped = zk7416_meas_stop(settings::tarvolux);
    ui::delay(0.05);
    if (stopped != 0) {
        ui::message_box("Fehler-Meldung :", measurement_stop_message(stopped));
        return;
    }
    IdleWait idle = wait_until_idle(settings::tarvolux, idle_limit_seconds_);
    if (idle.result != IdleResult::Idle)
        ui::message_box("Fehler-Meldung :", idle_wait_message(idle));
    if (idle.result == IdleResult::NoAnswer) return;

    int uploaded = 0;
    {
        ui::BusyCursor busy;
        uploaded = settings::upload_current_state(1);
    }
    rec::print.state = 0;
    // A failed upload has told the operator which step the line died at.
    if (uploaded != 0) return;
    zk7416_send_scpi(settings::tarvolux, "HCOP:ABOR");
    ui::delay(0.05);
}

void Program::shutdown() {
    set_main_panel(nullptr);
    window_.reset();
    close_measurement_export();
    zk7416_close(settings::tarvolux);
}

}  // namespace app
