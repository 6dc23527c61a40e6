// measure N: N values through the program's measurement cycle, as the measure panel
// takes them: its start switch, the ticks of its timer, its stop; with --export the
// values also go into an export file, as after switching on "Messwerte speichern".
#include <chrono>
#include <thread>

#include "ctl/console_cycle_view.h"
#include "ctl/export_choice.h"
#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "export/export_file.h"
#include "measure/measure_cycle.h"
#include "settings/records.h"
#include "instrument/transfer_run.h"
#include "ui/console_backend.h"
#include "ui/translatable.h"
#include "ui/ui.h"

namespace ctl {
namespace {

using Clock = std::chrono::steady_clock;

// As often as the measure panel's timer looks at the instrument while no value comes.
constexpr auto TICK_INTERVAL = std::chrono::milliseconds(50);
// The longest integration with averaging delivers a value well within this.
constexpr long DEFAULT_TIMEOUT_SECONDS = 30;
constexpr long MAX_VALUES = 1000000000;
constexpr long MAX_TIMEOUT_SECONDS = 86400;

bool check_measure(const std::vector<std::string>& arguments,
                   const std::map<std::string, std::string>& values, std::string& error) {
    long number = 0;
    if (!to_count(arguments[0], 1, MAX_VALUES, number)) {
        error = ui::compose(
            UI_TEXT("ohm7416", "Befehl measure: Anzahl der Messwerte (1-%1) erwartet statt %2"),
            MAX_VALUES, arguments[0]);
        return false;
    }
    auto timeout = values.find("--timeout");
    if (timeout != values.end() && !to_count(timeout->second, 1, MAX_TIMEOUT_SECONDS, number)) {
        error =
            ui::compose(UI_TEXT("ohm7416", "Option --timeout: Sekunden (1-%1) erwartet statt %2"),
                        MAX_TIMEOUT_SECONDS, timeout->second);
        return false;
    }
    return check_export_options(values, error);
}

bool fail(const std::string& text) {
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), text);
    return false;
}

// Opens the export file as the panel's store switch does, once the operator has picked
// the type, named the file and entered the comment.
bool start_export(Invocation& invocation, const std::string& format_file) {
    if (rec::measurement_configuration.display_mode != 0)
        return fail(UI_TEXT("ohm7416",
                            "Die Messwerte können nicht gespeichert werden: Messwerte werden nur "
                            "in der Anzeige des Widerstands gespeichert."));
    exporting::measure_store_mode = 1;
    return export_as_chosen(invocation, format_file) == 1;
}

// The running export ends with the run, whichever way it ends; the file is checked only
// when the run itself went through.
class ExportScope {
  public:
    explicit ExportScope(bool active) : active_(active) {}
    ~ExportScope() {
        if (active_ && exporting::export_fhdl.is_open()) exporting::close_measurement_export();
        exporting::measure_store_mode = 0;
    }
    ExportScope(const ExportScope&) = delete;
    ExportScope& operator=(const ExportScope&) = delete;

    // Storing was ended underway: a value could not be written (the operator was told).
    bool broken() const { return active_ && exporting::measure_store_mode != 1; }
    bool close() {
        if (!active_ || !exporting::export_fhdl.is_open()) return true;
        std::string path = exporting::export_fhdl.path();
        if (exporting::close_measurement_export()) return true;
        return fail(ui::compose(UI_TEXT("ohm7416",
                                        "Fehler beim Schreiben der Datei : %1\nDie "
                                        "letzten Messwerte fehlen möglicherweise."),
                                path));
    }

  private:
    bool active_;
};

class MeasureRun {
  public:
    MeasureRun(Invocation& invocation, long wanted, std::chrono::seconds timeout)
        : backend_(invocation.backend), view_(invocation.out), wanted_(wanted), timeout_(timeout) {}
    // Nothing of this run may look as if it still measured (tests run the tool more
    // than once in one process).
    ~MeasureRun() { stop(); }

    // True when `wanted` values were shown; false after one message to the operator.
    bool run(const ExportScope& storing) {
        Clock::time_point last_value{};
        while (view_.values() < wanted_) {
            if (measure::measuring == 0) {
                // Started, or started again after a single measurement ended by itself.
                measure::CB_STARTorSTOP(view_, true, false);
                if (measure::measuring == 0) return false;
                last_value = Clock::now();
            }
            int errors_before = backend_.errors_shown();
            long values_before = view_.values();
            measure::CB_TimerInterrupt(view_);
            if (storing.broken()) return stop();
            if (auto reading = view_.take_reading();
                reading && reading->kind == measure::Reading::Kind::Error) {
                if (!error_reading(*reading, errors_before)) return false;
            }
            if (view_.values() > values_before) {
                last_value = Clock::now();
                continue;
            }
            if (Clock::now() - last_value > timeout_) {
                fail(ui::compose(UI_TEXT("ohm7416",
                                         "Das Gerät hat %1 s lang keinen Messwert "
                                         "geliefert. Die Messung wurde beendet."),
                                 static_cast<long>(timeout_.count())));
                return stop();
            }
            std::this_thread::sleep_for(TICK_INTERVAL);
        }
        // A single measurement has already stopped after its value.
        stop();
        return true;
    }

  private:
    // The start switch off, as the operator stops, unless the cycle has stopped by
    // itself. Always false: the run is over.
    bool stop() {
        if (measure::measuring) measure::CB_STARTorSTOP(view_, false, false);
        return false;
    }

    // An error code instead of a value. A lost line ends the run with one message;
    // with an inductive load the cycle has stopped by itself; otherwise the measurement
    // goes on as it does on the panel, and the code is only reported.
    bool error_reading(const measure::Reading& reading, int errors_before) {
        if (instrument::is_transport_error(reading.status)) {
            stop();
            // The stop may have told the operator already.
            if (backend_.errors_shown() == errors_before)
                instrument::report_connection_lost(UI_TEXT("ohm7416", "Messwert lesen"),
                                                   reading.status);
            return false;
        }
        if (measure::measuring == 0) {
            if (backend_.errors_shown() == errors_before)
                fail(ui::compose(UI_TEXT("ohm7416",
                                         "Die Messung wurde wegen %1 beendet (Messung "
                                         "mit induktiver Last)."),
                                 ui::translatable(reading.text)));
            return false;
        }
        ui::message_box(
            UI_TEXT("ohm7416", "Meldung :"),
            ui::compose(UI_TEXT("ohm7416", "Kein Messwert: %1"), ui::translatable(reading.text)));
        return true;
    }

    ui::ConsoleBackend& backend_;
    ConsoleCycleView view_;
    long wanted_;
    std::chrono::seconds timeout_;
};

int run_measure(Invocation& invocation) {
    long wanted = 0, timeout = DEFAULT_TIMEOUT_SECONDS;
    to_count(invocation.arguments[0], 1, MAX_VALUES, wanted);
    if (invocation.has("--timeout"))
        to_count(invocation.value("--timeout"), 1, MAX_TIMEOUT_SECONDS, timeout);

    bool exporting = invocation.has("--export");
    std::string format_file;
    // The format is checked before the instrument is even connected: an unknown type
    // sends nothing.
    if (exporting && !(invocation.session.open_project() &&
                       choose_export_format(invocation.value("--format"), format_file)))
        return 1;
    if (!invocation.session.connect_and_prepare()) return 1;

    ExportScope storing(exporting);
    if (exporting && !start_export(invocation, format_file)) return 1;
    bool measured;
    {
        MeasureRun run(invocation, wanted, std::chrono::seconds(timeout));
        measured = run.run(storing);
    }
    bool closed = storing.close();
    return measured && closed ? 0 : 1;
}

}  // namespace

extern const Subcommand MEASURE_COMMAND{
    "measure",
    "N",
    1,
    UI_TEXT("ohm7416",
            "N Messwerte messen wie im Messfenster und ausgeben, einen je Zeile; bei Einzelmessung "
            "(Dauermessung aus) wird nach jedem Wert neu gestartet, die Einstellungen des Geräts "
            "bleiben, wie sie sind"),
    {{"--export", UI_TEXT("ohm7416", "DATEI"),
      UI_TEXT("ohm7416",
              "die Messwerte auch in diese Exportdatei schreiben, wie mit \"Messwerte speichern\"; "
              "eine vorhandene Datei wird überschrieben; nur in der Anzeige des Widerstands "
              "(Vorgabe: keine Exportdatei)")},
     format_option(),
     comment_option(),
     {"--timeout", UI_TEXT("ohm7416", "SEKUNDEN"),
      ui::compose(
          UI_TEXT("ohm7416", "Abbruch mit Fehler, wenn so lange kein Messwert kommt (Vorgabe: %1)"),
          DEFAULT_TIMEOUT_SECONDS)}},
    run_measure,
    check_measure};

}  // namespace ctl
