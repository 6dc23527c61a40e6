// datalogger read BLOCK: a block's stored values as the read-out panel reads and lists
// them: the block chosen in its selector, the whole block or a range, with or without
// date and time and statistics, then "Auslesen"; with --export the values also go into
// an export file, as after "Exportieren".
#include <csignal>
#include <ostream>

#include "ctl/export_choice.h"
#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "datalog/readout.h"
#include "datalog/readout_selection.h"
#include "settings/datalog_blocks.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "instrument/transfer_run.h"
#include "ui/translatable.h"
#include "ui/ui.h"

namespace ctl {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void on_interrupt(int) {
    interrupted = 1;
}

// The read-out's progress on the console, and Ctrl+C as the panel's "Abbrechen": the
// read-out stops after the exchange under way and keeps what it has read. A second
// Ctrl+C ends the tool at once.
class ConsoleReadoutProgress : public datalog::ReadoutProgress {
  public:
    explicit ConsoleReadoutProgress(int block)
        : label_(ui::compose(UI_TEXT("ohm7416", "Datalogger-Block %1 auslesen"), block)) {
        interrupted = 0;
        struct sigaction action {};
        action.sa_handler = on_interrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND | SA_RESTART;
        sigaction(SIGINT, &action, &previous_);
    }
    ~ConsoleReadoutProgress() override { sigaction(SIGINT, &previous_, nullptr); }
    ConsoleReadoutProgress(const ConsoleReadoutProgress&) = delete;
    ConsoleReadoutProgress& operator=(const ConsoleReadoutProgress&) = delete;

    void started(std::int32_t first_index, std::int32_t last_index) override {
        first_index_ = first_index;
        ui::progress_show(label_, last_index - first_index + 1);
    }
    void advanced(std::int32_t next_index) override {
        ui::progress_set_value(next_index - first_index_);
    }
    bool cancel_requested() override { return interrupted != 0; }
    void finished() override { ui::progress_hide(); }

  private:
    std::string label_;
    std::int32_t first_index_ = 0;
    struct sigaction previous_ {};
};

constexpr long NO_INDEX = 0;

long option_number(const Invocation& invocation, const char* option) {
    long number = NO_INDEX;
    if (invocation.has(option))
        to_count(invocation.value(option), 1, settings::LARGEST_BLOCK_SIZE, number);
    return number;
}

bool check_datalogger_read(const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& values, std::string& error) {
    long number = 0;
    if (!to_count(arguments[0], 0, rec::DATALOG_BLOCKS - 1, number)) {
        error = ui::compose(
            UI_TEXT("ohm7416", "Befehl datalogger read: Blocknummer (0-%1) erwartet statt %2"),
            rec::DATALOG_BLOCKS - 1, arguments[0]);
        return false;
    }
    long range[2] = {NO_INDEX, NO_INDEX};
    const char* names[2] = {"--from", "--to"};
    for (int i = 0; i < 2; ++i) {
        auto given = values.find(names[i]);
        if (given != values.end() &&
            !to_count(given->second, 1, settings::LARGEST_BLOCK_SIZE, range[i])) {
            error =
                ui::compose(UI_TEXT("ohm7416", "Option %1: Wertnummer (1-%2) erwartet statt %3"),
                            names[i], settings::LARGEST_BLOCK_SIZE, given->second);
            return false;
        }
    }
    if (range[0] != NO_INDEX && range[1] != NO_INDEX && range[1] < range[0]) {
        error =
            ui::compose(UI_TEXT("ohm7416", "Auswahl nicht zulässig: --to %1 liegt vor --from %2"),
                        range[1], range[0]);
        return false;
    }
    return check_export_options(values, error);
}

bool fail(const std::string& text) {
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), text);
    return false;
}

// As the read-out panel opens and its block selector is set to `block`: the fill state
// of the active block, then, for another block, the instrument's active block changed
// and its fill state. False after one message when the count is not known.
bool choose_block(int block) {
    std::int32_t opened = settings::get_counts();
    if (instrument::is_transport_error(opened)) {
        instrument::report_connection_lost(
            UI_TEXT("ohm7416", "Füllstand des Datalogger-Blocks lesen"), opened);
        return false;
    }
    std::int32_t counted =
        block == rec::datalog.active_block ? opened : datalog::select_readout_block(block);
    if (instrument::is_transport_error(counted)) return false;
    if (counted != 0)
        return fail(ui::compose(UI_TEXT("ohm7416",
                                        "Das Gerät hat die Anzahl der Werte im "
                                        "Datalogger-Block %1 nicht gemeldet (Fehler %2)."),
                                block, counted));
    if (rec::datalog.value_count <= 0)
        return fail(ui::compose(
            UI_TEXT("ohm7416", "Im Datalogger-Block %1 sind keine Werte gespeichert."), block));
    return true;
}

// The range the read button takes: the whole block when neither end is given.
bool choose_range(const Invocation& invocation, int block) {
    const long stored = rec::datalog.value_count;
    const long from = option_number(invocation, "--from");
    const long to = option_number(invocation, "--to");
    const long first = from != NO_INDEX ? from : 1;
    const long last = to != NO_INDEX ? to : stored;
    if (first > stored || last > stored)
        return fail(ui::compose(UI_TEXT("ohm7416",
                                        "Im Datalogger-Block %1 sind nur %2 Werte "
                                        "gespeichert; die Werte %3 bis %4 können nicht "
                                        "ausgelesen werden."),
                                block, stored, first, last));
    const bool read_all = from == NO_INDEX && to == NO_INDEX;
    return datalog::choose_readout_range(read_all, static_cast<std::int32_t>(first),
                                         static_cast<std::int32_t>(last));
}

// The panel's list: the statistics lines, then one line a value read.
void list_readout(std::ostream& out) {
    for (const std::string& line : datalog::statistics_lines()) out << line << '\n';
    const auto values = static_cast<std::size_t>(instrument::dl_readout.dl_mem_counts());
    for (std::size_t k = 0; k < values; ++k) out << datalog::value_line(k) << '\n';
}

int run_datalogger_read(Invocation& invocation) {
    long block = 0;
    to_count(invocation.arguments[0], 0, rec::DATALOG_BLOCKS - 1, block);
    const bool exporting = invocation.has("--export");
    std::string format_file;
    // The format is checked before the instrument is even connected: an unknown type
    // sends nothing.
    if (exporting && !(invocation.session.open_project() &&
                       choose_export_format(invocation.value("--format"), format_file)))
        return 1;
    if (!invocation.session.connect_and_prepare()) return 1;
    if (!choose_block(static_cast<int>(block)) ||
        !choose_range(invocation, static_cast<int>(block)))
        return 1;
    rec::upload.values_only = invocation.has("--with-date") ? 0 : 1;
    rec::upload.with_statistics = invocation.has("--statistics") ? 1 : 0;

    int read;
    {
        ConsoleReadoutProgress progress(static_cast<int>(block));
        read = datalog::read_data_logger(progress);
    }
    list_readout(invocation.out);
    // As on the panel, a read-out that ended early can still be exported: the file
    // then holds exactly the values read.
    bool exported = true;
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    if (exporting && readout.dl_buffers_allocated() && readout.dl_mem_counts() > 0)
        exported = export_as_chosen(invocation, format_file) == 1;
    instrument::dl_readout.release();
    return read == 1 && exported ? 0 : 1;
}

}  // namespace

extern const Subcommand DATALOGGER_READ_COMMAND{
    "datalogger read",
    UI_TEXT("ohm7416", "BLOCK"),
    1,
    UI_TEXT(
        "ohm7416",
        "die gespeicherten Werte eines Datalogger-Blocks (0-31) auslesen wie mit \"Datalogger "
        "auslesen\" und ausgeben wie dessen Liste: mit --statistics zuerst die vier "
        "Statistik-Zeilen, dann eine Zeile je Wert, die Felder durch Tabulatoren getrennt "
        "(Nummer, Wert, mit --with-date auch Datum und Uhrzeit). Der Block wird, wie im "
        "Programm, der aktive Block des Geräts. Ein leerer Block ist ein Fehler. Endet das "
        "Auslesen vorzeitig (Verbindung verloren, ungültige Antwort, Strg+C wie \"Abbrechen\"), "
        "werden die bis dahin gelesenen Werte ausgegeben und exportiert, Rückgabewert 1"),
    {{"--from", "N",
      UI_TEXT("ohm7416",
              "erster auszulesender Wert (Vorgabe: 1; ohne --from und --to der ganze Block)")},
     {"--to", "M",
      UI_TEXT("ohm7416", "letzter auszulesender Wert (Vorgabe: der letzte gespeicherte Wert)")},
     {"--with-date", "",
      UI_TEXT("ohm7416", "die Werte mit Datum und Uhrzeit auslesen (Vorgabe: nur die Messwerte)")},
     {"--statistics", "",
      UI_TEXT("ohm7416",
              "auch die Statistik des Blocks auslesen: Minimum, Maximum, Mittelwert, "
              "Std.Abweichung (Vorgabe: ohne Statistik)")},
     {"--export", UI_TEXT("ohm7416", "DATEI"),
      UI_TEXT("ohm7416",
              "die gelesenen Werte auch in diese Exportdatei schreiben, wie mit \"Exportieren\"; "
              "eine vorhandene Datei wird überschrieben (Vorgabe: keine Exportdatei)")},
     format_option(),
     comment_option()},
    run_datalogger_read,
    check_datalogger_read};

}  // namespace ctl
