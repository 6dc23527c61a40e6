// The measurement cycle: starting a measurement, polling the instrument for each value
// on the ticks of a timer, showing, storing and plotting what comes, ending a single
// measurement after its value, and stopping cleanly (idle wait, then the final
// datalogger fill state, envelope report and comparator counts).
//
// Widget-free: the measure panel (and a command-line tool) supply a CycleView that
// shows what the cycle decides. All of it runs on one thread, in the callbacks of the
// start switch and the two timers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "measure/graph_axis.h"
#include "measure/reading.h"

namespace measure {

// 1 while a measurement runs.
extern int measuring;
// 1 while the measuring lamp is lit.
extern int working_light_on;
// The range the graph's axis was last set for in automatic range; -1 forces a new one.
extern int old_aktu_range;
// Last driver status of a start or stop command.
extern int err;
// The demonstration cycle: on, "restart before the next read", and the next output.
extern int demo_7416_flag;
extern int demo_7416_meas_start;
extern int demo_output_number;
// A function switched off while measuring still has its result fetched at the stop.
extern int compareflag;
extern int envelopeflag;
extern int datalogflag;

// Bounds of the graph in automatic range, kept from tick to tick.
extern double graph_ymin;
extern double graph_ymax;

class CycleView {
  public:
    virtual ~CycleView() = default;

    virtual void show_value(const std::string& text) = 0;
    // What a tick brought (a value, the reference measurement or an error code). A view
    // that only displays it shows its text; a console also needs to tell them apart.
    virtual void show_reading(const Reading& reading) { show_value(reading.text); }
    virtual void show_temperature(double celsius) = 0;
    virtual void set_start_switch(bool on) = 0;
    virtual void set_lamp(bool lit) = 0;
    virtual void start_temperature_timer() = 0;
    // The settings controls become read-only (and the results refreshed only at the
    // stop are dimmed) while measuring; the reverse after the stop.
    virtual void enter_measuring_state() = 0;
    virtual void leave_measuring_state() = 0;
    // The instrument ended its datalogger: the datalogger switch goes off.
    virtual void datalogger_switch_off() = 0;
    // The results fetched at the stop are in the records: fill text, envelope, counts.
    virtual void show_stop_results(bool datalogger, bool envelope, bool comparator) = 0;

    // The graph, when it is shown: the plotting step of one value.
    virtual bool graph_shown() const = 0;
    virtual void set_graph_axis(const Axis& axis) = 0;
    virtual void plot(const std::array<double, 5>& values) = 0;
};

// The longest one value may take: the stop waits this long for the instrument to
// become idle, and a measurement that brings no value for this long checks once that
// the instrument still answers.
void set_stop_idle_limit(double seconds);

// The start/stop switch moved: on starts, off stops.
void CB_STARTorSTOP(CycleView& view, bool switch_on, bool demo_switch_on);
// One tick of the measurement timer. Does nothing while no measurement runs, and
// nothing while another callback is in progress (the next tick polls again).
void CB_TimerInterrupt(CycleView& view);
// One tick of the temperature timer.
void CB_TempTimerInterrupt(CycleView& view);
// Stops the instrument and restores the panel. Returns 0.
int stop_measure(CycleView& view);

// Ends storing with a message when the display mode no longer gives values to store
// (deviation and class texts carry no unit). True when storing was ended.
bool end_storing_outside_resistance_mode();

}  // namespace measure
