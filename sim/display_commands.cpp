#include "sim/display_commands.h"

#include <cmath>

#include "sim/request.h"
#include "sim/setting_commands.h"

namespace tarvolux::sim {

namespace {

constexpr Keyword DISPLAY_MODES[] = {{"OHM", "OHM"}, {"DELTa", "DELTA"}, {"LIMit", "LIMIT"}};

// The display options, in the order of DisplayOption.
constexpr const char* OPTION_PATTERNS[DISPLAY_OPTION_COUNT] = {
    "DISPlay:RANGe",   "DISPlay:CURRent", "DISPlay:TEMPerature", "DISPlay:SAMPle",
    "DISPlay:TRIGger", "DISPlay:AUTO",    "DISPlay:LOAD",        "DISPlay:MEASurement",
};

constexpr double REFERENCE_MAX = 2e5;

// The two resolutions the instrument knows, as it writes them.
constexpr const char* COARSE_TEXT = "0.0005";
constexpr const char* FINE_TEXT = "0.00005";

MeasurementSettings& settings(Request& r) {
    return r.state.settings.measurement;
}

}  // namespace

void DisplayCommands::install(Dispatcher& dispatcher) {
    using D = DisplayCommands;
    static const CommandSpec<D> table[] = {
        {"[SENSe]:FRESistance:REFerence", &D::set_reference},
        {"[SENSe]:FRESistance:REFerence?", &D::read_reference},
        {"[SENSe]:FRESistance:RESolution", &D::set_resolution},
        {"[SENSe]:FRESistance:RESolution?", &D::read_resolution},
        {"DISPlay:CONTrast", &D::set_contrast},
        {"DISPlay:CONTrast?", &D::read_contrast},
    };
    add_commands(dispatcher, *this, table);

    add_choice_setting<DisplayMode>(
        dispatcher, "CALCulate:MATH:EXPRession", DISPLAY_MODES,
        [](InstrumentState & s) -> auto& { return s.settings.measurement.display; });
    for (std::size_t i = 0; i < DISPLAY_OPTION_COUNT; ++i) {
        add_flag_setting(dispatcher, OPTION_PATTERNS[i],
                         [i](InstrumentState& s) -> bool& { return s.display.options[i]; });
    }
}

void DisplayCommands::reset(InstrumentState& state) {
    state.display = {};
}

void DisplayCommands::set_reference(Request& r) {
    if (const auto ohms = r.quantity_arg(0, 0.0, REFERENCE_MAX, resistance_units()))
        settings(r).reference = *ohms;
}

void DisplayCommands::read_reference(Request& r) {
    r.reply(format_setting(settings(r).reference));
}

void DisplayCommands::set_resolution(Request& r) {
    const auto value = r.real_arg(0, 0.0, 1.0);
    if (!value) return;
    if (std::fabs(*value - 0.0005) < 1e-9) {
        settings(r).resolution = Resolution::Coarse;
    } else if (std::fabs(*value - 0.00005) < 1e-10) {
        settings(r).resolution = Resolution::Fine;
    } else {
        r.fail(ScpiError::DataOutOfRange);
    }
}

void DisplayCommands::read_resolution(Request& r) {
    r.reply(settings(r).resolution == Resolution::Coarse ? COARSE_TEXT : FINE_TEXT);
}

void DisplayCommands::set_contrast(Request& r) {
    if (const auto contrast = r.real_arg(0, 0.0, 1.0)) r.state.display.contrast = *contrast;
}

void DisplayCommands::read_contrast(Request& r) {
    r.reply(format_number(r.state.display.contrast));
}

}  // namespace tarvolux::sim
