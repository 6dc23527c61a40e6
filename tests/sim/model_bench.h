// The instrument core on a clock the test moves, talked to line by line without a door.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "sim/instrument.h"

namespace sim_test {

class ModelBench {
  public:
    explicit ModelBench(tarvolux::sim::Firmware firmware = tarvolux::sim::Firmware::New);

    // The answer without its CR LF; empty when none came.
    std::string query(const std::string& line);
    // Command lines the instrument must accept: the test fails on any error they queue.
    void send(const std::vector<std::string>& lines);
    // The number of the oldest queued error, removed; 0 when none.
    int next_error();
    void wait(std::chrono::milliseconds time) { clock->advance(time); }
    // One single measurement of a resistor of `ohms`, taken and fetched as the driver's
    // RS-232 path does; its answer. The clock moves on by the measuring time.
    std::string measure(double ohms);

    template <class F>
    void modify(F&& f) {
        instrument.modify(std::forward<F>(f));
    }
    template <class F>
    auto inspect(F&& f) const {
        return instrument.inspect(std::forward<F>(f));
    }

    std::shared_ptr<tarvolux::sim::ManualClock> clock;
    tarvolux::sim::Instrument instrument;
};

// `lines` followed by `more`.
inline std::vector<std::string> with(std::vector<std::string> lines,
                                     const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

}  // namespace sim_test
