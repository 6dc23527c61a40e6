#include "sim/system_commands.h"

#include <chrono>

#include "sim/request.h"
#include "sim/setting_commands.h"

namespace tarvolux::sim {

namespace {

using namespace std::chrono;

constexpr long YEAR_MIN = 1900;
// The instrument takes dates up to 3000, but the model's calendar counts nanoseconds in
// 64 bits and ends in April 2262; a later date is refused rather than overflowing it.
constexpr long YEAR_MAX = 2261;
constexpr int OUTPUT_MAX = 7;  // three lines

// Moves the instrument's clock so that it shows `shown` now.
void set_clock(InstrumentState& state, Clock::Calendar shown) {
    state.system.clock_offset = shown - state.clock.calendar();
}

}  // namespace

Clock::Calendar instrument_time(const InstrumentState& state) {
    return state.clock.calendar() + state.system.clock_offset;
}

void SystemCommands::install(Dispatcher& dispatcher) {
    using S = SystemCommands;
    static const CommandSpec<S> table[] = {
        {"SYSTem:DATE", &S::set_date},        {"SYSTem:DATE?", &S::read_date},
        {"SYSTem:TIME", &S::set_time},        {"SYSTem:TIME?", &S::read_time},
        {"REGister:INPut?", &S::read_inputs},
    };
    add_commands(dispatcher, *this, table);

    add_flag_setting(dispatcher, "SYSTem:KLOCk",
                     [](InstrumentState& s) -> bool& { return s.system.keyboard_locked; });
    add_integer_setting(dispatcher, "REGister:OUTPut", 0, OUTPUT_MAX,
                        [](InstrumentState& s) -> int& { return s.system.outputs; });
}

// The clock keeps running; the inputs are what is wired to them.
void SystemCommands::reset(InstrumentState& state) {
    state.system.keyboard_locked = false;
    state.system.outputs = 0;
}

// Year, month, day; the time of day stays.
void SystemCommands::set_date(Request& r) {
    const auto y = r.integer_arg(0, YEAR_MIN, YEAR_MAX);
    const auto m = y ? r.integer_arg(1, 1, 12) : std::nullopt;
    const auto d = m ? r.integer_arg(2, 1, 31) : std::nullopt;
    if (!d) return;
    const year_month_day date{year{static_cast<int>(*y)}, month{static_cast<unsigned>(*m)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok()) {
        r.fail(ScpiError::DataOutOfRange);
        return;
    }
    const Clock::Calendar now = instrument_time(r.state);
    set_clock(r.state, sys_days{date} + (now - floor<days>(now)));
}

void SystemCommands::read_date(Request& r) {
    const year_month_day date{floor<days>(instrument_time(r.state))};
    r.reply(
        std::to_string(static_cast<int>(date.year())) + "," +
        two_digit_fields({static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())}));
}

// Hours, minutes, seconds; the date stays.
void SystemCommands::set_time(Request& r) {
    const auto time = clock_args(r, 0, 23);
    if (!time) return;
    const Clock::Calendar now = instrument_time(r.state);
    set_clock(r.state, floor<days>(now) + hours(time->hours) + minutes(time->minutes) +
                           seconds(time->seconds));
}

void SystemCommands::read_time(Request& r) {
    const Clock::Calendar now = instrument_time(r.state);
    const hh_mm_ss time{floor<seconds>(now - floor<days>(now))};
    r.reply(
        two_digit_fields({time.hours().count(), time.minutes().count(), time.seconds().count()}));
}

void SystemCommands::read_inputs(Request& r) {
    r.reply(std::to_string(r.state.system.inputs));
}

}  // namespace tarvolux::sim
