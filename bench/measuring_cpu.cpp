// The program's CPU while it measures: the measure panel with graph and storing on,
// against the simulated instrument at its fastest integration over a pseudo-terminal,
// with the real pauses. The simulator runs on its own thread; only the program's
// thread is counted. Target: under 5 % of one core.
//   build/bin/ohm7416_measuring_cpu [seconds=60] [baud=38400]
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/numeric_arguments.h"
#include "driver/zk7416.h"
#include "export/ascii_exp.h"
#include "export/export_file.h"
#include "export/export_writers.h"
#include "measure/measure_panel.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "tools/embedded_instrument.h"
#include "ui/qt/qt_backend.h"
#include "ui_measure_panel.h"

namespace {

double thread_cpu_seconds() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The Qt back end, with the time spent in the pauses between commands added up.
class PausedTime : public ui::Backend {
  public:
    explicit PausedTime(ui::QtBackend& qt) : qt_(qt) {}
    double paused = 0.0;
    double cpu_in_pauses = 0.0;

    void message_box(const std::string& t, const std::string& x) override {
        std::fprintf(stderr, "%s %s\n", t.c_str(), x.c_str());
    }
    bool question(const ui::Question&) override { return false; }
    std::optional<std::string> prompt(const ui::Prompt&) override { return std::nullopt; }
    int three_button(const ui::ThreeButtonPopup&) override { return 3; }
    std::optional<std::string> select_file(const ui::FileSelection&) override {
        return std::nullopt;
    }
    void progress_show(const std::string&, int) override {}
    void progress_set_label(const std::string&) override {}
    void progress_set_maximum(int) override {}
    void progress_set_value(int) override {}
    void progress_hide() override {}
    void set_busy(bool) override {}
    void delay(double seconds) override {
        auto start = std::chrono::steady_clock::now();
        double cpu_start = thread_cpu_seconds();
        qt_.delay(seconds);
        paused += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu_in_pauses += thread_cpu_seconds() - cpu_start;
    }
    void process_events() override { qt_.process_events(); }

  private:
    ui::QtBackend& qt_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<double> arguments =
        bench::numeric_arguments(argc, argv, "[seconds=60] [baud=38400]", {60, 38400});
    const double seconds = arguments[0];
    const int baud = static_cast<int>(arguments[1]);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);

    ui::QtBackend qt;
    PausedTime backend(qt);
    ui::set_backend(&backend);
    tools::EmbeddedInstrument instrument;
    std::string error;
    if (!instrument.start(tools::SimulatedTransport::Rs232, 1, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    char idn[ZK7416_ANSWER_SIZE] = {};
    std::int32_t handle = 0;
    if (zk7416_init_serial(1, baud, 10.0, idn, 0, &handle) != 0) return 1;
    instrument::tarvolux = handle;
    zk7416_send_scpi(handle, "sens:fres:nplc min");
    zk7416_send_scpi(handle, "init:cont on");

    auto& m = rec::measurement_configuration;
    m.range = 1;
    m.continuous = 1;
    rec::datalog.active_block = 0;
    exporting::ascii_exp.column_separator = ';';
    exporting::ascii_exp.decimal_separator = ',';
    char path[] = "/tmp/ohm7416-cpu-XXXXXX";
    ::close(::mkstemp(path));
    exporting::export_fhdl.open(path);
    exporting::measure_store_mode = 1;
    exporting::export_header("CPU");

    measure::MeasurePanel* panel = measure::open_measure_panel(nullptr, false, {});
    panel->form().graphSwitch->click();
    panel->form().startButton->click();

    const double cpu_start = thread_cpu_seconds();
    const double paused_start = backend.paused;
    const double cpu_in_pauses_start = backend.cpu_in_pauses;
    const auto wall_start = std::chrono::steady_clock::now();
    QTimer::singleShot(static_cast<int>(seconds * 1000), &application,
                       [&application] { application.exit(0); });
    application.exec();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
    const double cpu = thread_cpu_seconds() - cpu_start;
    const double paused = backend.paused - paused_start;
    const double cpu_in_pauses = backend.cpu_in_pauses - cpu_in_pauses_start;
    const std::size_t points = panel->form().plot->last_x() + 1;

    panel->close_panel();
    ::unlink(path);
    std::printf("wall %.1f s, baud %d, values %zu (%.1f per second)\n", wall, baud, points,
                points / wall);
    std::printf("program thread CPU %.3f s = %.2f %% of one core\n", cpu, 100.0 * cpu / wall);
    std::printf("time in mandated pauses %.1f s, CPU in them %.3f s (the window repaints)\n",
                paused, cpu_in_pauses);
    std::printf("CPU outside the pauses %.3f s = %.2f %% of one core\n", cpu - cpu_in_pauses,
                100.0 * (cpu - cpu_in_pauses) / wall);
    std::printf("CPU per value %.3f ms\n", 1000.0 * cpu / std::max<std::size_t>(points, 1));
    ui::set_backend(nullptr);
    return 0;
}
