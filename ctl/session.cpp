#include "ctl/session.h"

#include "driver/zk7416.h"
#include "export/project_directory.h"
#include "settings/com_setup.h"
#include "settings/instrument_connection.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "instrument/serial_port_map.h"
#include "tools/embedded_instrument.h"
#include "ui/translatable.h"
#include "ui/ui.h"

namespace ctl {
namespace {

bool usable_baud(int baud) {
    return baud >= 1200 && baud <= 38400;
}

bool fail(const std::string& text) {
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), text);
    return false;
}

}  // namespace

Session::Session(const GlobalOptions& options, const Environment& environment)
    : options_(options), environment_(environment) {}

Session::~Session() {
    if (connected_) zk7416_close(instrument::tarvolux);
}

bool Session::open_project() {
    if (project_open_) return true;
    std::string error;
    files::curr_dir = exporting::choose_project_directory(
        options_.home, environment_.executable_dir, environment_.user_data_dir, error);
    if (files::curr_dir.empty()) return fail(error);
    project_open_ = true;
    return true;
}

bool Session::choose_interface() {
    bool have_com_setup = settings::load_com_setup() == 1;
    // The same order as the program: the operator's COM devices first, so the
    // simulation's pseudo-terminal is the last word on COM1.
    instrument::apply_serial_port_map(instrument::load_serial_port_map(files::curr_dir));

    if (options_.simulate != Simulation::None) {
        bool gpib = options_.simulate == Simulation::Gpib;
        simulation_ = std::make_unique<tools::EmbeddedInstrument>();
        std::string error;
        auto transport = gpib ? tools::SimulatedTransport::Gpib : tools::SimulatedTransport::Rs232;
        if (!simulation_->start(transport, settings::SIMULATED_COM_PORT, error)) return fail(error);
        settings::select_simulated_interface(gpib);
    } else if (options_.port) {
        rec::com.interface = 1;
        rec::com.com_port = static_cast<std::int16_t>(*options_.port);
        if (!usable_baud(rec::com.baud_rate)) rec::com.baud_rate = 9600;
    } else if (options_.gpib_address) {
        rec::com.interface = 0;
        rec::com.gpib_address = *options_.gpib_address;
    } else if (!have_com_setup) {
        return fail(ui::compose(UI_TEXT("ohm7416",
                                        "Keine Schnittstelle eingestellt: %1 fehlt.\nBitte "
                                        "die Schnittstelle im Programm einstellen oder "
                                        "--port, --gpib oder --simulate angeben."),
                                files::join_path(files::curr_dir, "Com.stp")));
    }
    if (options_.baud) rec::com.baud_rate = *options_.baud;
    return true;
}

bool Session::connect() {
    if (connected_) return true;
    if (!open_project() || !choose_interface()) return false;
    if (settings::connect_and_identify() != 0) return fail(settings::NO_CONNECTION_TEXT);
    connected_ = true;
    return true;
}

bool Session::connect_and_prepare() {
    return connect() && settings::bring_to_known_state() == 0;
}

}  // namespace ctl
