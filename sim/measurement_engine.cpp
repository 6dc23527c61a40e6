#include "sim/measurement_engine.h"

#include <algorithm>
#include <chrono>
#include <numeric>

#include "sim/datalogger_model.h"
#include "sim/limits_model.h"
#include "sim/printer_commands.h"
#include "sim/system_commands.h"
#include "sim/temperature_model.h"

namespace tarvolux::sim {

namespace {

using std::chrono::milliseconds;

constexpr auto OPER = EventRegisterId::Operation;
constexpr auto QUES = EventRegisterId::Questionable;

// A clock that jumps far ahead (a suspended machine) does not flood the model with
// values; the backlog beyond this is dropped.
constexpr int CATCH_UP_MAX = 10000;

constexpr std::string_view OVERLOAD = ">>>";
constexpr std::string_view REFERENCE_MEASUREMENT = "000";

Clock::Duration integration_time(Integration integration) {
    switch (integration) {
        case Integration::Min:
            return milliseconds(20);
        case Integration::Med:
            return milliseconds(200);
        case Integration::Max:
            return milliseconds(1000);
        case Integration::Standard:
            break;
    }
    return milliseconds(100);
}

int averaging_count(const MeasurementSettings& settings) {
    return std::max(1, settings.averaging_count);
}

// One value's worth of conversions: a repeating average takes n new ones, a moving
// average one new one averaged with the n - 1 before it.
double convert(InstrumentState& state) {
    const MeasurementSettings& settings = state.settings.measurement;
    std::deque<double>& window = state.run.window;
    const auto n = static_cast<std::size_t>(averaging_count(settings));
    if (settings.averaging == AveragingType::Repeating) window.clear();
    do {
        window.push_back(state.resistor.convert());
    } while (settings.averaging == AveragingType::Repeating && window.size() < n);
    while (window.size() > n) window.pop_front();
    return std::accumulate(window.begin(), window.end(), 0.0) / static_cast<double>(window.size());
}

struct Reading {
    std::optional<double> ohms;  // none for a measurement that failed (overload, questionable)
    std::string text;            // the value in resistance display
    int range;
};

Reading take_reading(InstrumentState& state) {
    const MeasurementSettings& settings = state.settings.measurement;
    const double ohms = compensate(state, convert(state));
    int range = settings.manual_range;
    if (settings.auto_range) {
        const int low = std::min(settings.auto_low, settings.auto_high);
        const int high = std::max(settings.auto_low, settings.auto_high);
        range = fitting_range(ohms, settings.resolution, low, high).value_or(high);
    }
    if (state.status.resistance_causes() != 0) return {std::nullopt, std::string(OVERLOAD), range};
    const auto text = format_in_range(ohms, range, settings.resolution);
    if (!text) return {std::nullopt, std::string(OVERLOAD), range};
    return {ohms, *text, range};
}

std::string display_text(const InstrumentState& state, const Reading& reading,
                         std::optional<std::size_t> value_class) {
    const MeasurementSettings& settings = state.settings.measurement;
    switch (settings.display) {
        case DisplayMode::Ohm:
            break;
        case DisplayMode::Delta:
            if (!reading.ohms) break;
            return format_deviation(*reading.ohms - settings.reference, reading.range,
                                    settings.resolution);
        case DisplayMode::Limit:
            if (!value_class) break;
            return std::string(class_label(state.settings.comparator, *value_class));
    }
    return reading.text;
}

// Each new value makes the value-available bit rise again, even when the last one was
// never fetched, so it is a new reason for a service request; a questionable value
// also raises the questionable event anew.
void publish(InstrumentState& state, std::string answer, bool questionable) {
    state.run.answer = std::move(answer);
    state.status.clear_event_bits(OPER, OPER_VALUE_AVAILABLE);
    state.status.set_condition_bits(OPER, OPER_VALUE_AVAILABLE, false);
    state.status.set_condition_bits(OPER, OPER_VALUE_AVAILABLE, true);
    if (questionable) {
        state.status.clear_event_bits(QUES, QUES_RESISTANCE);
        state.status.raise_event(QUES, QUES_RESISTANCE);
    }
}

void produce_value(InstrumentState& state) {
    if (state.run.reference_due) {
        state.run.reference_due = false;
        publish(state, std::string(REFERENCE_MEASUREMENT), false);
        return;
    }
    const Reading reading = take_reading(state);
    state.run.range = reading.range;
    const StoredSettings& settings = state.settings;
    const auto value_class =
        classify(settings.comparator, settings.measurement.reference, reading.ohms);
    if (settings.comparator.on && value_class) ++state.comparator.counts[*value_class];
    const bool failed = !reading.ohms || (settings.comparator.on && value_class != PASS_CLASS);
    if (settings.envelope.on && reading.ohms) record_envelope(state.envelope, *reading.ohms);
    log_value(state, StoredValue{reading.text, reading.ohms, instrument_time(state)}, failed);
    print_value(state);
    publish(state, display_text(state, reading, value_class),
            state.status.resistance_causes() != 0);
}

}  // namespace

Clock::Duration measuring_time(const MeasurementSettings& settings) {
    Clock::Duration time = integration_time(settings.integration);
    if (settings.averaging == AveragingType::Repeating) time *= averaging_count(settings);
    if (settings.load == LoadType::Complex) time *= 2;
    return time;
}

void start_measuring(InstrumentState& state) {
    state.run.measuring = true;
    state.run.conversion_start = state.clock.now();
    state.run.window.clear();
    state.status.set_condition_bits(OPER, OPER_MEASURING, true);
}

void stop_measuring(InstrumentState& state) {
    state.run.measuring = false;
    state.status.set_condition_bits(OPER, OPER_MEASURING, false);
}

void advance_measurement(InstrumentState& state) {
    MeasurementRun& run = state.run;
    if (!run.measuring) return;
    const Clock::Duration time = measuring_time(state.settings.measurement);
    // The first value asks the clock whether its wait is over (an instant clock says
    // yes at once); values that are overdue as well follow by the clock's time alone.
    if (!state.clock.elapsed(run.conversion_start, time)) return;
    int produced = 0;
    do {
        run.conversion_start += time;
        produce_value(state);
        if (!state.settings.measurement.continuous) {
            stop_measuring(state);
            return;
        }
    } while (++produced < CATCH_UP_MAX && state.clock.now() - run.conversion_start >= time);
    if (state.clock.now() - run.conversion_start >= time) run.conversion_start = state.clock.now();
}

std::optional<std::string> fetch_value(InstrumentState& state) {
    if (!state.run.answer) return std::nullopt;
    state.status.set_condition_bits(OPER, OPER_VALUE_AVAILABLE, false);
    state.status.clear_event_bits(OPER, OPER_VALUE_AVAILABLE);
    return state.run.answer;
}

}  // namespace tarvolux::sim
