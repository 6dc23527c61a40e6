#include "app/startup.h"

#include "app/embedded_simulation.h"
#include "app/interface_setup.h"
#include "app/main_window.h"
#include "app/menu_actions.h"
#include "driver/zk7416.h"
#include "export/export_file.h"
#include "export/project_directory.h"
#include "measure/measure_panel.h"
#include "settings/com_setup.h"
#include "settings/instrument_connection.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "ui/ui.h"

namespace app {

int messedemo_7416_start = 0;

namespace {

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
    measure::graphic_ctrl_loaded = 0;
    exporting::measure_store_mode = 0;
    messedemo_7416_start = command_line.messedemo;
    set_print_defaults();

    std::string error;
    files::curr_dir = exporting::choose_project_directory(command_line.home, executable_dir,
                                                          user_data_dir, error);
    if (files::curr_dir.empty()) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), error);
        return false;
    }
    serial_port_map() = instrument::load_serial_port_map(files::curr_dir);
    instrument::apply_serial_port_map(serial_port_map());
    simulation_->set_line_pacing(command_line.line_pacing);
    if (!simulation_->start(command_line.simulate, error)) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), error);
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
    if (settings::connect_and_identify() != 0) {
        window_->show_connection(false);
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), settings::NO_CONNECTION_TEXT);
        return;
    }
    window_->set_interface_check_marks(rec::com.interface);
    window_->show_connection(true);
    settings::bring_to_known_state(idle_limit_seconds_);
}

void Program::shutdown() {
    measure::close_measure_panel();
    set_main_panel(nullptr);
    window_.reset();
    if (exporting::measure_store_mode == 1) exporting::close_measurement_export();
    zk7416_close(instrument::tarvolux);
}

}  // namespace app
