// The line to the instrument dies part-way through each of the program's exchanges with
// it, through each door and in each way a line dies. Whatever happens, the operator
// waits at most one time-out per callback, is told once, in German, finds the files
// as they were (or holding every value shown), and after the line is back and the
// interface dialog has connected anew, the same action succeeds.
#include <iomanip>
#include <iostream>
#include <sstream>

#include "tests/e2e/phases.h"

namespace e2e {

void PrintTo(LineFault fault, std::ostream* os) {
    *os << fault_name(fault);
}

namespace {

// What a loaded machine may add to a wait beyond the time-outs.
constexpr double SLACK_SECONDS = 0.6;

struct Case {
    Phase phase;
    LineFault fault;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << phase_name(c.phase) << ", " << fault_name(c.fault);
}

std::string case_name(const ::testing::TestParamInfo<Case>& info) {
    return std::string(phase_name(info.param.phase)) + "_" + fault_name(info.param.fault);
}

// How long the operator may wait from the line's death to the end of the action. One
// exchange finds the line dead after at most one time-out. While measuring, the program
// waits in separate ticks: a fetch that fails counts as an empty poll and the next poll
// finds the line dead; an RS-232 line that answers only EOT looks like an instrument
// without a new value until no value has come for the bound of one measurement (in
// these tests as long as one time-out), when the line is checked once.
double wait_bound(const Case& c) {
    double bound = TIMEOUT_SECONDS;
    if (measuring_phase(c.phase)) bound += TIMEOUT_SECONDS;
    return bound + SLACK_SECONDS;
}

// Cases in which the failed exchange is the last one on the line. An RS-232 poll
// answered with EOT is no failure to the cycle (the instrument says it has no value),
// and a failed fetch is an empty poll, so those go on polling until the line is found
// dead.
bool last_exchange_fails(const Case& c) {
    if (door_of(c.fault) != Door::Rs232 || c.fault == LineFault::PtyClosed) return false;
    if (c.phase == Phase::MeasuringFetch) return false;
    return !(measuring_phase(c.phase) && c.fault == LineFault::Eot);
}

std::string first_lines(const std::string& text, int count) {
    std::string out;
    std::size_t from = 0;
    for (int i = 0; i < count && from <= text.size(); ++i) {
        std::size_t end = text.find('\n', from);
        if (i) out += " / ";
        out += text.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (end == std::string::npos) break;
        from = end + 1;
    }
    return out;
}

class DeadLine : public PhaseRun, public ::testing::WithParamInterface<Case> {};

TEST_P(DeadLine, OneBoundedWaitOneMessageFilesKeptAndTheProgramWorksAgain) {
    const Case c = GetParam();
    make_line(door_of(c.fault));
    prepare(c.phase);
    ASSERT_FALSE(HasFatalFailure());
    const std::size_t mark = popup_mark();
    const auto [command, occurrence] = fatal_command(c.phase);
    line->die_at(command, occurrence, c.fault);

    const ActionTimes times = act(c.phase);
    ASSERT_TRUE(line->died()) << command << " was never sent";
    const double waited = std::chrono::duration<double>(times.end - line->death_time()).count();
    EXPECT_LE(waited, wait_bound(c));
    EXPECT_LE(times.longest_callback, TIMEOUT_SECONDS + SLACK_SECONDS);

    const std::vector<ui::PopupRecord> messages = messages_since(mark);
    ASSERT_EQ(messages.size(), 1u) << (messages.empty() ? "" : messages.back().text);
    EXPECT_EQ(messages[0].title, "Fehler-Meldung :");
    EXPECT_EQ(messages[0].text.rfind(message_start(c.phase), 0), 0u) << messages[0].text;
    if (last_exchange_fails(c)) {
        EXPECT_LE(line->bytes_after_death(), 1u) << "sent after the failed exchange";
    }
    const std::string files = check_files(c.phase);

    // The line is back; the operator connects anew through the interface dialog.
    line->restore();
    line->instrument().clear_logs();
    const std::size_t before_reconnect = popup_mark();
    reconnect();
    EXPECT_TRUE(messages_since(before_reconnect).empty());
    const std::vector<std::string> log = line->instrument().command_log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "*IDN?");
    EXPECT_GT(log.size(), 250u) << "all settings are read again";
    act_again(c.phase);

    // One row of the table of outcomes.
    std::ostringstream row;
    row << "| " << phase_name(c.phase) << " | "
        << (door_of(c.fault) == Door::Rs232 ? "RS-232" : "GPIB") << " | " << fault_name(c.fault)
        << " | " << std::fixed << std::setprecision(2) << waited << " s (longest callback "
        << times.longest_callback << " s, bound " << wait_bound(c) << " s) | "
        << first_lines(messages[0].text, 3) << " | " << files << " | "
        << (HasFailure() ? "FAILED" : "reconnected, action repeated") << " |";
    std::cout << "OUTCOME " << row.str() << std::endl;
}

constexpr LineFault ALL_FAULTS[] = {
    LineFault::Silence,   LineFault::Eot,         LineFault::Garbage,     LineFault::CutBlocks,
    LineFault::PtyClosed, LineFault::GpibSilence, LineFault::GpibBusError};

std::vector<Case> every_fault_in(std::initializer_list<Phase> phases) {
    std::vector<Case> cases;
    for (Phase phase : phases)
        for (LineFault fault : ALL_FAULTS) cases.push_back({phase, fault});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Transfers, DeadLine,
                         ::testing::ValuesIn(every_fault_in({Phase::StartUp, Phase::Upload,
                                                             Phase::Download, Phase::Backup,
                                                             Phase::Restore})),
                         case_name);

INSTANTIATE_TEST_SUITE_P(MeasuringAndReadout, DeadLine,
                         ::testing::ValuesIn(every_fault_in({Phase::Measuring, Phase::Readout})),
                         case_name);

// The other exchanges of a measurement tick, on a silent line and one that answers EOT.
INSTANTIATE_TEST_SUITE_P(OtherExchangesOfATick, DeadLine,
                         ::testing::Values(Case{Phase::MeasuringFetch, LineFault::Silence},
                                           Case{Phase::MeasuringFetch, LineFault::Eot},
                                           Case{Phase::MeasuringFetch, LineFault::GpibSilence},
                                           Case{Phase::MeasuringAutoRange, LineFault::Silence},
                                           Case{Phase::MeasuringAutoRange, LineFault::GpibSilence},
                                           Case{Phase::MeasuringDatalogger, LineFault::Silence},
                                           Case{Phase::MeasuringDatalogger,
                                                LineFault::GpibSilence}),
                         case_name);

// The line dies once the connection is open (on GPIB after the status enables that end
// it): the stop of a measurement left running is the exchange that finds it dead, and
// the start-up ends there.
class DeadAfterIdentification : public PhaseRun, public ::testing::WithParamInterface<LineFault> {};

TEST_P(DeadAfterIdentification, TheStopIsTheLastCommandAndTheOperatorIsToldOnce) {
    make_line(door_of(GetParam()));
    line->die_at(line->door() == Door::Rs232 ? "*IDN?" : "*SRE 136", 1, GetParam(), true);
    EXPECT_TRUE(start_program());
    ASSERT_TRUE(line->died());
    const double waited =
        std::chrono::duration<double>(SteadyClock::now() - line->death_time()).count();
    EXPECT_LE(waited, TIMEOUT_SECONDS + SLACK_SECONDS);
    const std::vector<ui::PopupRecord> messages = messages_since(0);
    ASSERT_EQ(messages.size(), 1u);
    const std::string status = GetParam() == LineFault::Silence ? "231" : "230";
    EXPECT_EQ(messages[0].text,
              "Keine Antwort vom Tarvolux Typ 7416 auf den Befehl zum Beenden der Messung "
              "(Fehler " +
                  status +
                  ").\nDie Geräteeinstellungen wurden nicht gelesen.\nDatenübertragungskabel "
                  "OK ?");
    // The answer to the identification is fetched and acknowledged, then "AB" is sent.
    if (line->door() == Door::Rs232) {
        EXPECT_LE(line->bytes_after_death(), 2u + 5u);
    }
    line->restore();
    reconnect();
    EXPECT_EQ(messages_since(0).size(), 1u);
    EXPECT_GT(line->instrument().command_log().size(), 250u);
    std::cout << "OUTCOME | StartUp (dies before the stop) | "
              << (line->door() == Door::Rs232 ? "RS-232" : "GPIB") << " | "
              << fault_name(GetParam()) << " | " << std::fixed << std::setprecision(2) << waited
              << " s | " << first_lines(messages[0].text, 2) << " | nothing written | "
              << (HasFailure() ? "FAILED" : "reconnected") << " |" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Doors, DeadAfterIdentification,
                         ::testing::Values(LineFault::Silence, LineFault::GpibBusError),
                         [](const auto& info) { return std::string(fault_name(info.param)); });

}  // namespace
}  // namespace e2e
