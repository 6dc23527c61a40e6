// The measurement cycle's view on a console: every value shown goes to the output, one
// a line, and nothing else does, so a script reads exactly the values. What the panel
// shows besides (lamp, temperature, switches, the results of the stop) has no place
// there; the tool ends the run on what the readings tell it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "measure/measure_cycle.h"

namespace ctl {

class ConsoleCycleView : public measure::CycleView {
  public:
    explicit ConsoleCycleView(std::ostream& out) : out_(out) {}

    // Values shown so far (neither error texts nor reference measurements).
    long values() const { return values_; }
    // What the last tick brought, until taken.
    std::optional<measure::Reading> take_reading();

    void show_value(const std::string& text) override;
    void show_reading(const measure::Reading& reading) override;
    void show_temperature(double) override {}
    void set_start_switch(bool) override {}
    void set_lamp(bool) override {}
    void start_temperature_timer() override {}
    void enter_measuring_state() override {}
    void leave_measuring_state() override {}
    void datalogger_switch_off() override {}
    void show_stop_results(bool, bool, bool) override {}
    bool graph_shown() const override { return false; }
    void set_graph_axis(const measure::Axis&) override {}
    void plot(const std::array<double, 5>&) override {}

  private:
    std::ostream& out_;
    long values_ = 0;
    std::optional<measure::Reading> reading_;
};

}  // namespace ctl
