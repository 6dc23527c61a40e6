// Reading the datalogger out: single values with or without date and time, the
// chunked reads of 20 values or 7 values with date and time, and the statistics.
#pragma once

#include "sim/command_group.h"

namespace tarvolux::sim {

// Values per chunked read.
constexpr int VALUES_PER_CHUNK = 20;
constexpr int RECORDS_PER_CHUNK = 7;

class DataloggerReadout final : public CommandGroup {
  public:
    void install(Dispatcher& dispatcher) override;

  private:
    void read_record(Request& r);
    void read_value(Request& r);
    void read_values(Request& r);
    void read_records(Request& r);
    void read_minimum(Request& r);
    void read_maximum(Request& r);
    void read_mean(Request& r);
    void read_deviation(Request& r);
};

}  // namespace tarvolux::sim
