// What the operator does while the line dies: each phase gets the program ready, names
// the command after which the line is dead, runs the operator's action, knows the files
// involved and repeats the action once the line is back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/program_on_line.h"

namespace measure {
class MeasurePanel;
}

namespace e2e {

enum class Phase {
    StartUp,    // the upload of the program's start
    Upload,     // the upload after the interface dialog
    Download,   // a loaded configuration sent to the instrument
    Backup,     // all stored settings memories read into a backup file
    Restore,    // a backup file sent back into the memories
    Measuring,  // measuring with storing and graph on: the poll dies
    Readout,    // a datalogger block read out
    // Measuring, with the line dying at other exchanges of a tick.
    MeasuringFetch,       // at the value's fetch ("FE?")
    MeasuringAutoRange,   // at the graph's range query in automatic range
    MeasuringDatalogger,  // at the datalogger's state query
};

const char* phase_name(Phase phase);
bool measuring_phase(Phase phase);

// What the action showed and how long it made the operator wait.
struct ActionTimes {
    SteadyClock::time_point end;
    double longest_callback = 0.0;  // the longest single wait inside the action
};

class PhaseRun : public ProgramOnLine {
  protected:
    // The program started and set up for the phase, its files in place.
    void prepare(Phase phase);
    // The command (and its occurrence, counted from preparation) after which the line
    // is dead.
    std::pair<std::string, int> fatal_command(Phase phase) const;
    ActionTimes act(Phase phase);
    // What the operator is told first in the one message.
    static std::string message_start(Phase phase);
    // The files stand as before the action (or hold what they must); a text for the
    // report.
    std::string check_files(Phase phase);
    // The action once more, on the restored line: it succeeds.
    void act_again(Phase phase);

  private:
    void open_measure_panel(Phase phase);
    ActionTimes tick_until_stopped();
    void tick_until_value();
    void read_out(bool expect_complete);
    std::vector<std::string> export_value_lines(const std::filesystem::path& path) const;

    measure::MeasurePanel* panel_ = nullptr;
    std::vector<std::string> shown_;    // values the measure panel showed, in order
    std::string kept_bytes_;            // the file that must stay as it was
    std::vector<std::string> listed_;   // value rows the read-out panel listed
    SteadyClock::time_point read_end_;  // when the read-out's read button returned
};

}  // namespace e2e
