// Soak run: the measure panel (offscreen) measuring with storing and graph on against
// the simulated instrument on a pseudo-terminal, for a given time, with faults
// sprinkled at random from a fixed seed and without the mandated pauses (the instrument
// runs on an instant clock, the pauses do not sleep).
//
// Two kinds of faults. Those a measurement survives: an answer request refused with
// EOT, a command refused with EOT, noise instead of an acknowledge, a missing closing
// EOT (a slow answer: one time-out), an over-long answer, an overload value, a
// reference measurement, a spell of questionable values. And a line that dies: one
// NAK, one answer that never comes, one cut block, a line silent until it is mended,
// a pseudo-terminal that closes. Those end the measurement with one message; the soak
// then mends the line, connects anew as the interface dialog does (close, open,
// identify, read all settings) and starts measuring again into the same export file.
//
// It reports the values measured and exported (they must be equal: every value shown
// is in the file), the faults injected and survived, and the resident memory at the
// start and the end.
//   build/bin/ohm7416_soak [seconds=60] [seed=7416] [timeout-seconds=0.2]
// Exit status 0 when every check held, 1 otherwise.
#include <unistd.h>

#include <QApplication>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "bench/numeric_arguments.h"
#include "driver/zk7416.h"
#include "export/ascii_exp.h"
#include "export/export_file.h"
#include "export/export_writers.h"
#include "measure/measure_cycle.h"
#include "measure/measure_panel.h"
#include "settings/instrument_connection.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "sim/block_protocol.h"
#include "sim/clock.h"
#include "sim/instrument.h"
#include "sim/serial_door.h"
#include "ui/console_backend.h"
#include "ui/ui.h"
#include "ui_measure_panel.h"

namespace {

namespace sim = tarvolux::sim;
using SteadyClock = std::chrono::steady_clock;

double resident_mib() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The operator of the soak: no windows, pauses that do not sleep, every message counted
// and written to a log in the soak's folder (nothing is kept in memory, so memory stays
// flat however long it runs).
class SoakBackend : public ui::ConsoleBackend {
  public:
    explicit SoakBackend(std::ostream& log) : ui::ConsoleBackend(log) { set_pacing(false); }

    int messages = 0;
    std::string last_message;

    void message_box(const std::string& title, const std::string& text) override {
        ++messages;
        last_message = text;
        ui::ConsoleBackend::message_box(title, text);
    }
};

// The panel as the cycle's view, with every reading counted on its way to the panel.
class CountingView : public measure::CycleView {
  public:
    explicit CountingView(measure::MeasurePanel& panel) : panel_(panel) {}

    long values = 0;      // values shown that the cycle stores (overloads included)
    long overloads = 0;   // of those, the overloads
    long references = 0;  // reference measurements (shown, not stored)
    long errors = 0;      // driver codes shown (questionable values, among others)

    void show_value(const std::string& text) override { panel_.show_value(text); }
    void show_reading(const measure::Reading& reading) override {
        if (reading.kind == measure::Reading::Kind::Error) {
            ++errors;
        } else if (reading.reference) {
            ++references;
        } else if (reading.kind == measure::Reading::Kind::Value) {
            ++values;
            if (!reading.ohms) ++overloads;
        }
        panel_.show_reading(reading);
    }
    void show_temperature(double celsius) override { panel_.show_temperature(celsius); }
    void set_start_switch(bool on) override { panel_.set_start_switch(on); }
    void set_lamp(bool lit) override { panel_.set_lamp(lit); }
    void start_temperature_timer() override { panel_.start_temperature_timer(); }
    void enter_measuring_state() override { panel_.enter_measuring_state(); }
    void leave_measuring_state() override { panel_.leave_measuring_state(); }
    void datalogger_switch_off() override { panel_.datalogger_switch_off(); }
    void show_stop_results(bool datalogger, bool envelope, bool comparator) override {
        panel_.show_stop_results(datalogger, envelope, comparator);
    }
    bool graph_shown() const override { return panel_.graph_shown(); }
    void set_graph_axis(const measure::Axis& axis) override { panel_.set_graph_axis(axis); }
    void plot(const std::array<double, 5>& values) override { panel_.plot(values); }

  private:
    measure::MeasurePanel& panel_;
};

enum class Fault {
    // survived
    EotResponse,
    EotCommand,
    GarbageAck,
    SlowAnswer,
    LongAnswer,
    Overload,
    Reference,
    Questionable,
    // the line dies
    Nak,
    LostAnswer,
    CutBlock,
    DeadLine,
    PtyClosed,
};
constexpr int SURVIVABLE = 8;
constexpr int KINDS = 13;

const char* fault_name(Fault f) {
    static const char* names[KINDS] = {"EOT instead of the answer",
                                       "EOT instead of the acknowledge",
                                       "noise instead of ACK",
                                       "slow answer (no closing EOT)",
                                       "over-long answer",
                                       "overload answer, no cause",
                                       "reference measurement",
                                       "questionable values (1-20 polls)",
                                       "NAK",
                                       "answer lost (one time-out)",
                                       "cut block (one time-out)",
                                       "line silent until mended",
                                       "pseudo-terminal closed"};
    return names[static_cast<int>(f)];
}

bool survivable(Fault f) {
    return static_cast<int>(f) < SURVIVABLE;
}

struct Counts {
    long injected = 0;
    long survived = 0;  // survivable: the measurement went on; line faults: ended with
                        // exactly one message and measuring again after reconnecting
};

class Soak {
  public:
    Soak(double seconds, unsigned seed, double timeout)
        : seconds_(seconds), random_(seed), timeout_(timeout) {}

    int run();

  private:
    bool set_up();
    void inject(Fault fault);
    bool mend_and_reconnect();
    long exported_lines() const;
    long line_faults() const;
    void report(double wall, long exported, bool ok) const;

    double seconds_;
    std::mt19937 random_;
    double timeout_;

    std::filesystem::path folder_;
    std::shared_ptr<sim::Instrument> instrument_;
    std::unique_ptr<sim::SerialDoor> door_;
    std::ofstream message_log_;
    std::unique_ptr<SoakBackend> backend_;
    measure::MeasurePanel* panel_ = nullptr;
    std::unique_ptr<CountingView> view_;

    std::map<Fault, Counts> counts_;
    int questionable_left_ = 0;
    long ticks_ = 0;
    long unexpected_ends_ = 0;
    long failed_reconnects_ = 0;
    long ends_with_other_than_one_message_ = 0;
    double rss_start_ = 0, rss_warm_ = 0, rss_end_ = 0, rss_high_ = 0;
};

bool Soak::set_up() {
    char pattern[] = "/tmp/ohm7416-soak-XXXXXX";
    if (!::mkdtemp(pattern)) return false;
    folder_ = pattern;
    message_log_.open(folder_ / "messages.txt");
    backend_ = std::make_unique<SoakBackend>(message_log_);
    ui::set_backend(backend_.get());

    sim::InstrumentOptions options;
    options.clock = std::make_shared<sim::InstantClock>();
    instrument_ = std::make_shared<sim::Instrument>(options);
    door_ = std::make_unique<sim::SerialDoor>(instrument_);
    door_->start();
    door_->place_link(folder_ / "tty");
    zk7416_set_com_device(1, (folder_ / "tty").c_str());

    // The program's own start-up: connect, identify, stop, wait for idle, read all.
    rec::com.interface = 1;
    rec::com.com_port = 1;
    rec::com.baud_rate = 38400;
    settings::set_transport_timeout(timeout_);
    if (settings::connect_and_identify() != 0 || settings::bring_to_known_state() != 0) {
        std::fprintf(stderr, "soak: no connection to the simulated instrument\n");
        return false;
    }
    // Storing into a spreadsheet export, as the export panel's first type does.
    exporting::ascii_exp.column_separator = ';';
    exporting::ascii_exp.decimal_separator = ',';
    if (!exporting::export_fhdl.open((folder_ / "soak.csv").string()) ||
        exporting::export_header("Soak") != 1)
        return false;
    exporting::measure_store_mode = 1;

    panel_ = measure::open_measure_panel(nullptr, false, {});
    // The soak ticks itself, without the timer's interval.
    panel_->measurement_timer().stop();
    panel_->form().graphSwitch->click();
    view_ = std::make_unique<CountingView>(*panel_);
    return measure::graphic_ctrl_loaded == 1;
}

void Soak::inject(Fault fault) {
    auto& faults = door_->faults();
    switch (fault) {
        case Fault::EotResponse:
            faults.arm(sim::SerialFault::EotResponse);
            break;
        case Fault::EotCommand:
            faults.arm(sim::SerialFault::EotCommand);
            break;
        case Fault::GarbageAck:
            faults.arm(sim::SerialFault::GarbageAck);
            break;
        case Fault::SlowAnswer:
            faults.arm(sim::SerialFault::NoClosingEot);
            break;
        case Fault::LongAnswer:
            faults.arm(sim::SerialFault::LongResponse);
            break;
        case Fault::Overload:
            instrument_->script_answer("FE?", ">>>", 1);
            break;
        case Fault::Reference:
            instrument_->script_answer("FE?", "000", 1);
            break;
        case Fault::Questionable:
            questionable_left_ = std::uniform_int_distribution<int>(1, 20)(random_);
            instrument_->modify(
                [](sim::InstrumentState& state) { state.status.set_resistance_causes(0x10); });
            break;
        case Fault::Nak:
            faults.arm(sim::SerialFault::NakCommand);
            break;
        case Fault::LostAnswer:
            faults.arm(sim::SerialFault::SilentResponse);
            break;
        case Fault::CutBlock:
            faults.arm(sim::SerialFault::CutResponse);
            break;
        case Fault::DeadLine:
            faults.arm(sim::SerialFault::SilentCommand, 1 << 30);
            faults.arm(sim::SerialFault::SilentResponse, 1 << 30);
            break;
        case Fault::PtyClosed:
            door_->stop();
            break;
    }
    ++counts_[fault].injected;
}

// What the operator does after the message: the line is mended (the adapter plugged
// in again), the interface dialog connects anew and reads all settings, and the start
// switch goes on again.
bool Soak::mend_and_reconnect() {
    door_->faults().clear();
    instrument_->clear_scripted_answers();
    if (!door_->running()) {
        door_->start();
        door_->place_link(folder_ / "tty");
    }
    zk7416_close(instrument::tarvolux);
    const int before = backend_->messages;
    if (settings::connect_and_identify() != 0 || settings::upload_current_state(1) != 0 ||
        backend_->messages != before) {
        ++failed_reconnects_;
        return false;
    }
    measure::CB_STARTorSTOP(*view_, true, false);
    return measure::measuring == 1;
}

long Soak::line_faults() const {
    long n = 0;
    for (const auto& [fault, c] : counts_)
        if (!survivable(fault)) n += c.injected;
    return n;
}

long Soak::exported_lines() const {
    std::ifstream in(folder_ / "soak.csv", std::ios::binary);
    long lines = 0;
    bool header_done = false;
    for (std::string line; std::getline(in, line);) {
        if (header_done)
            ++lines;
        else if (line.rfind("Uhrzeit ;", 0) == 0)
            header_done = true;
    }
    return lines;
}

int Soak::run() {
    if (!set_up()) return 1;
    rss_start_ = rss_high_ = resident_mib();
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> survivable_kind(0, SURVIVABLE - 1);
    std::uniform_int_distribution<int> fatal_kind(SURVIVABLE, KINDS - 1);

    const auto start = SteadyClock::now();
    const auto end = start + std::chrono::duration_cast<SteadyClock::duration>(
                                 std::chrono::duration<double>(seconds_));
    const auto warm = start + std::chrono::seconds(std::min(60, static_cast<int>(seconds_ / 10)));
    bool warm_taken = false;
    // A line now and then shows the memory's course over the run.
    const auto report_every = std::chrono::duration_cast<SteadyClock::duration>(
        std::chrono::duration<double>(std::max(seconds_ / 6, 1.0)));
    auto next_report = start + report_every;
    measure::CB_STARTorSTOP(*view_, true, false);
    while (SteadyClock::now() < end) {
        const double roll = chance(random_);
        Fault fault{};
        bool injected = false;
        if (roll < 0.0005) {
            fault = static_cast<Fault>(fatal_kind(random_));
            injected = true;
        } else if (roll < 0.02 && questionable_left_ == 0) {
            fault = static_cast<Fault>(survivable_kind(random_));
            injected = true;
        }
        if (injected) inject(fault);
        const int messages_before = backend_->messages;

        measure::CB_TimerInterrupt(*view_);
        ++ticks_;
        QCoreApplication::processEvents();

        if (questionable_left_ > 0 && --questionable_left_ == 0)
            instrument_->modify(
                [](sim::InstrumentState& state) { state.status.set_resistance_causes(0); });

        if (measure::measuring == 1) {
            if (injected && survivable(fault) && backend_->messages == messages_before)
                ++counts_[fault].survived;
        } else {
            // The measurement ended: one message, then the operator mends and restarts.
            const bool one_message = backend_->messages == messages_before + 1;
            if (!one_message) ++ends_with_other_than_one_message_;
            if (!injected || survivable(fault)) ++unexpected_ends_;
            const bool restarted = mend_and_reconnect();
            if (injected && !survivable(fault) && one_message && restarted)
                ++counts_[fault].survived;
            if (!restarted) break;
        }
        if (ticks_ % 1000 == 0) {
            // The simulator keeps every command line for tests; the soak needs none.
            instrument_->clear_logs();
            rss_high_ = std::max(rss_high_, resident_mib());
            if (!warm_taken && SteadyClock::now() >= warm) {
                rss_warm_ = resident_mib();
                warm_taken = true;
            }
            if (SteadyClock::now() >= next_report) {
                next_report += report_every;
                std::printf("after %6.0f s: %9ld values, %6ld line faults, resident %.1f MiB\n",
                            std::chrono::duration<double>(SteadyClock::now() - start).count(),
                            view_->values, line_faults(), resident_mib());
                std::fflush(stdout);
            }
        }
    }
    const double wall = std::chrono::duration<double>(SteadyClock::now() - start).count();
    if (measure::measuring == 1) measure::CB_STARTorSTOP(*view_, false, false);
    rss_end_ = resident_mib();
    rss_high_ = std::max(rss_high_, rss_end_);
    if (!warm_taken) rss_warm_ = rss_end_;
    const bool closed = exporting::close_measurement_export();
    const long exported = exported_lines();

    bool ok = closed && exported == view_->values && unexpected_ends_ == 0 &&
              failed_reconnects_ == 0 && ends_with_other_than_one_message_ == 0;
    for (const auto& [fault, c] : counts_)
        if (c.survived != c.injected) ok = false;
    report(wall, exported, ok);

    panel_->close_panel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    zk7416_close(instrument::tarvolux);
    door_->stop();
    if (ok) std::filesystem::remove_all(folder_);
    return ok ? 0 : 1;
}

void Soak::report(double wall, long exported, bool ok) const {
    std::printf("soak: %.1f s, %ld ticks (%.0f a second), transport time-out %.2f s\n", wall,
                ticks_, ticks_ / wall, timeout_);
    std::printf("values measured %ld (of them overloads %ld), exported %ld: %s\n", view_->values,
                view_->overloads, exported, exported == view_->values ? "equal" : "DIFFERENT");
    std::printf("shown besides: %ld reference measurements, %ld driver codes\n", view_->references,
                view_->errors);
    long injected = 0, survived = 0;
    for (int k = 0; k < KINDS; ++k) {
        auto it = counts_.find(static_cast<Fault>(k));
        if (it == counts_.end()) continue;
        injected += it->second.injected;
        survived += it->second.survived;
        std::printf("  %-34s %8ld injected, %8ld %s\n", fault_name(it->first), it->second.injected,
                    it->second.survived,
                    survivable(it->first) ? "survived" : "ended with one message, restarted");
    }
    std::printf("faults injected %ld, handled as expected %ld\n", injected, survived);
    std::printf(
        "unexpected ends %ld, ends without exactly one message %ld, failed reconnects "
        "%ld\n",
        unexpected_ends_, ends_with_other_than_one_message_, failed_reconnects_);
    if (!backend_->last_message.empty())
        std::printf("last message: %s\n", backend_->last_message.c_str());
    std::printf(
        "resident memory: start %.1f MiB, after warm-up %.1f MiB, end %.1f MiB, "
        "highest %.1f MiB\n",
        rss_start_, rss_warm_, rss_end_, rss_high_);
    std::printf("%s\n", ok ? "soak: passed" : "soak: FAILED (files kept in the soak folder)");
    if (!ok) std::printf("soak folder: %s\n", folder_.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    constexpr const char* usage = "[seconds=60] [seed=7416] [timeout-seconds=0.2]";
    const std::vector<double> arguments =
        bench::numeric_arguments(argc, argv, usage, {60, 7416, 0.2});
    const double seconds = arguments[0];
    const double timeout = arguments[2];
    if (seconds <= 0 || timeout <= 0 || arguments[1] < 0 ||
        arguments[1] > std::numeric_limits<unsigned>::max()) {
        std::fprintf(stderr, "usage: %s %s\n", argv[0], usage);
        return 2;
    }
    const auto seed = static_cast<unsigned>(arguments[1]);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    Soak soak(seconds, seed, timeout);
    const int status = soak.run();
    ui::set_backend(nullptr);
    return status;
}
