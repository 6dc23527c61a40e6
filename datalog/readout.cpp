#include "datalog/readout.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "datalog/block_statistics.h"
#include "datalog/readout_parse.h"
#include "driver/zk7416.h"
#include "settings/datalog_blocks.h"
#include "instrument/instrument_handle.h"
#include "text/latin1.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "settings/transfer.h"
#include "instrument/transfer_run.h"
#include "text/value_format.h"
#include "ui/ui.h"

namespace datalog {

namespace {

constexpr const char* STATISTICS_LABELS[4] = {
    UI_TEXT("ohm7416", "Minimum"), UI_TEXT("ohm7416", "Maximum"), UI_TEXT("ohm7416", "Mittelwert"),
    UI_TEXT("ohm7416", "Std.Abweichung")};

std::string request(const char* format, std::int32_t block, std::int32_t index) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<int>(block), static_cast<int>(index));
    return text;
}

// How a read-out ends after an exchange with this status failed.
ReadoutEnd end_after(std::int32_t status) {
    return instrument::is_transport_error(status) ? ReadoutEnd::ConnectionLost
                                                  : ReadoutEnd::BadAnswer;
}

// One read-out in progress: where it stands and how it ends.
class Reader {
  public:
    Reader(const ReadoutChoice& choice, ReadoutProgress& progress)
        : choice_(choice), progress_(progress), next_(choice.first_index) {}

    ReadoutResult run();

  private:
    bool statistics();
    bool values_in_chunks();
    bool records_in_chunks();
    bool single_values();
    bool single_records();

    // Sends `query`, the answer into `answer`; false (the read-out ends) when the
    // operator cancelled before or the exchange failed.
    bool exchange(const std::string& query, char (&answer)[ZK7416_ANSWER_SIZE]);
    bool may_go_on();
    bool fail(ReadoutEnd end, const std::string& query, std::int32_t status);
    void advance(int values);
    void remember_source();

    ReadoutChoice choice_;
    ReadoutProgress& progress_;
    ReadoutResult result_;
    BlockStatistics statistics_;
    bool statistics_read_ = false;
    std::int32_t next_;   // value number read next
    std::int32_t k_ = 0;  // entry filled next
};

ReadoutResult Reader::run() {
    if (!settings::valid_block(choice_.block)) {
        result_.end = ReadoutEnd::NoBlock;
        return result_;
    }
    // The buffers refuse a range that is no range (to before from, or absurdly long).
    if (!instrument::dl_readout.allocate(choice_.first_index, choice_.last_index)) {
        result_.end = ReadoutEnd::NoMemory;
        return result_;
    }
    result_.requested = instrument::dl_readout.dl_mem_counts();
    ui::BusyCursor busy;
    progress_.started(choice_.first_index, choice_.last_index);
    ui::process_events();
    bool complete = (!choice_.with_statistics || statistics()) &&
                    (choice_.values_only ? values_in_chunks() && single_values()
                                         : records_in_chunks() && single_records());
    if (complete) result_.end = ReadoutEnd::Complete;
    instrument::dl_readout.keep_first(k_);
    result_.read = k_;
    prepare_for_display(choice_.values_only);
    remember_source();
    progress_.finished();
    ui::process_events();
    return result_;
}

bool Reader::may_go_on() {
    if (!progress_.cancel_requested()) return true;
    result_.end = ReadoutEnd::Cancelled;
    return false;
}

bool Reader::fail(ReadoutEnd end, const std::string& query, std::int32_t status) {
    result_.end = end;
    result_.failed_request = query;
    result_.status = status;
    return false;
}

bool Reader::exchange(const std::string& query, char (&answer)[ZK7416_ANSWER_SIZE]) {
    if (!may_go_on()) return false;
    answer[0] = '\0';
    std::int32_t status = zk7416_receive_scpi(instrument::tarvolux, query.c_str(), answer);
    if (status != 0) return fail(end_after(status), query, status);
    return true;
}

void Reader::advance(int values) {
    k_ += values;
    next_ += values;
    progress_.advanced(next_);
}

bool Reader::statistics() {
    if (!may_go_on()) return false;
    statistics_ = read_block_statistics(choice_.block);
    if (statistics_.status != 0)
        return fail(end_after(statistics_.status), UI_TEXT("ohm7416", "Statistik"),
                    statistics_.status);
    statistics_read_ = true;
    ui::delay(instrument::STEP_PAUSE);
    return true;
}

bool Reader::values_in_chunks() {
    auto entries = instrument::dl_readout.dl_data();
    for (std::int32_t chunk = result_.requested / VALUES_PER_REQUEST; chunk > 0; --chunk) {
        std::string query = request("DA? %d,%d", choice_.block, next_);
        char answer[ZK7416_ANSWER_SIZE];
        if (!exchange(query, answer)) return false;
        auto values = split_values(text::field_text(answer), VALUES_PER_REQUEST);
        if (!values) return fail(ReadoutEnd::BadAnswer, query, 0);
        for (int i = 0; i < VALUES_PER_REQUEST; ++i)
            text::copy_text(entries[k_ + i].value, (*values)[i]);
        advance(VALUES_PER_REQUEST);
        ui::delay(instrument::LOOP_PAUSE);
    }
    return true;
}

bool Reader::single_values() {
    auto entries = instrument::dl_readout.dl_data();
    while (next_ <= choice_.last_index) {
        std::string query = request("DAT:DATA:FRES? %d,%d", choice_.block, next_);
        char answer[ZK7416_ANSWER_SIZE];
        if (!exchange(query, answer)) return false;
        if (!split_values(text::field_text(answer), 1))
            return fail(ReadoutEnd::BadAnswer, query, 0);
        text::copy_text(entries[k_].value, text::field_text(answer));
        advance(1);
        ui::delay(instrument::LOOP_PAUSE);
    }
    return true;
}

bool Reader::records_in_chunks() {
    auto entries = instrument::dl_readout.dl_data();
    for (std::int32_t chunk = result_.requested / RECORDS_PER_REQUEST; chunk > 0; --chunk) {
        std::string query = request("DV? %d,%d", choice_.block, next_);
        char answer[ZK7416_ANSWER_SIZE];
        bool answered = exchange(query, answer);
        if (result_.end == ReadoutEnd::Cancelled) return false;
        ui::delay(instrument::LOOP_PAUSE);
        if (!answered) return false;
        auto records = split_records(text::field_text(answer), RECORDS_PER_REQUEST);
        if (!records) return fail(ReadoutEnd::BadAnswer, query, 0);
        for (int i = 0; i < RECORDS_PER_REQUEST; ++i) {
            instrument::DlEntry& entry = entries[k_ + i];
            const StoredRecord& record = (*records)[i];
            text::copy_text(entry.value, record.value);
            text::copy_text(entry.date, record.date);
            text::copy_text(entry.time, record.time);
        }
        advance(RECORDS_PER_REQUEST);
    }
    return true;
}

bool Reader::single_records() {
    auto entries = instrument::dl_readout.dl_data();
    while (next_ <= choice_.last_index) {
        std::string query = request("dat:data:all? %d,%d", choice_.block, next_);
        if (!may_go_on()) return false;
        char value[ZK7416_VALUE_SIZE] = {};
        char date[ZK7416_DATE_SIZE] = {};
        char time[ZK7416_TIME_SIZE] = {};
        std::int32_t status = zk7416_datalogger_read_block(instrument::tarvolux, choice_.block,
                                                           next_, value, date, time);
        if (status != 0) return fail(end_after(status), query, status);
        // The driver leaves the date and time empty when the record lacks their fields.
        if (!value[0] || !date[0] || !time[0]) return fail(ReadoutEnd::BadAnswer, query, 0);
        instrument::DlEntry& entry = entries[k_];
        text::copy_text(entry.value, text::field_text(value));
        text::copy_text(entry.date, text::field_text(date));
        text::copy_text(entry.time, text::field_text(time));
        advance(1);
        ui::delay(instrument::LOOP_PAUSE);
    }
    return true;
}

void Reader::remember_source() {
    instrument::ReadoutSource source;
    source.block = choice_.block;
    source.name = std::string(text::field_text(rec::datalog.block_name[choice_.block]));
    source.values_only = choice_.values_only;
    source.with_statistics = statistics_read_;
    source.statistics_empty = statistics_read_ && statistics_.empty;
    if (statistics_read_) {
        for (std::size_t i = 0; i < 4; ++i)
            source.statistics[i] = text::utf8_to_latin1(statistics_.shown[i]);
        // An empty block has no figures; the last ones stay, but nothing draws them.
        if (statistics_.read()) {
            instrument::dblmin = statistics_.ohms[0];
            instrument::dblmax = statistics_.ohms[1];
            instrument::dblavg = statistics_.ohms[2];
            instrument::dbldev = statistics_.ohms[3];
        }
    }
    instrument::dl_readout.set_source(std::move(source));
}

}  // namespace

void prepare_for_display(bool values_only) {
    auto entries = instrument::dl_readout.dl_data();
    auto ohms = instrument::dl_readout.dl_num_value();
    for (std::size_t k = 0; k < entries.size(); ++k) {
        instrument::DlEntry& entry = entries[k];
        float value = text::format_for_display(entry.value);
        // An overload (">>>") has no resistance; a gap shows it better than 0 ohms.
        bool resistance = text::field_text(entry.value).find("Ohm") != std::string_view::npos;
        ohms[k] = resistance ? value : std::numeric_limits<float>::quiet_NaN();
        if (values_only) continue;
        std::string date(text::field_text(entry.date));
        widen_year(date);
        text::copy_text(entry.date, date);
    }
}

ReadoutResult read_stored_values(const ReadoutChoice& choice, ReadoutProgress& progress) {
    return Reader(choice, progress).run();
}

}  // namespace datalog

namespace datalog {

std::string readout_end_text(const ReadoutResult& result) {
    std::string how_many = ui::compose(UI_TEXT("ohm7416", "Es wurden %1 von %2 Werten gelesen."),
                                       result.read, result.requested);
    // A request is a command line or the name of a step ("Statistik").
    ui::Translatable request{result.failed_request};
    switch (result.end) {
        case ReadoutEnd::Cancelled:
            return ui::compose(UI_TEXT("ohm7416", "Das Auslesen wurde abgebrochen.\n\n%1"),
                               how_many);
        case ReadoutEnd::ConnectionLost:
            return ui::compose(
                "%1\n\n%2",
                instrument::connection_lost_text(
                    ui::compose(UI_TEXT("ohm7416", "Datalogger auslesen, %1"), request),
                    result.status),
                how_many);
        case ReadoutEnd::BadAnswer:
            return ui::compose(
                UI_TEXT("ohm7416",
                        "Das Gerät hat auf \"%1\" keine gültige Antwort gegeben%2.\nDas "
                        "Auslesen wurde beendet.\n\n%3"),
                request,
                result.status != 0 ? ui::compose(UI_TEXT("ohm7416", " (Fehler %1)"), result.status)
                                   : std::string(),
                how_many);
        case ReadoutEnd::NoBlock:
            return UI_TEXT("ohm7416", "Es ist kein gültiger Datalogger-Block gewählt.");
        case ReadoutEnd::Complete:
        case ReadoutEnd::NoMemory:
            break;
    }
    return {};
}

int read_data_logger(ReadoutProgress& progress) {
    ReadoutChoice choice;
    choice.block = rec::datalog.active_block;
    choice.first_index = rec::upload.first_index;
    choice.last_index = rec::upload.last_index;
    choice.values_only = rec::upload.values_only == 1;
    choice.with_statistics = rec::upload.with_statistics == 1;
    ReadoutResult result = read_stored_values(choice, progress);
    std::string text = readout_end_text(result);
    if (!text.empty())
        ui::message_box(result.end == ReadoutEnd::Cancelled
                            ? UI_TEXT("ohm7416", "Meldung :")
                            : UI_TEXT("ohm7416", "Fehler-Meldung :"),
                        text);
    switch (result.end) {
        case ReadoutEnd::Complete:
            return 1;
        case ReadoutEnd::NoMemory:
        case ReadoutEnd::NoBlock:
            return -1;
        default:
            return 0;
    }
}

std::vector<std::string> statistics_lines() {
    std::vector<std::string> lines;
    const instrument::ReadoutSource& source = instrument::dl_readout.source();
    if (!source.with_statistics) return lines;
    for (std::size_t i = 0; i < 4; ++i)
        lines.push_back(ui::compose(UI_TEXT("ohm7416", "Statistik %1   %2"),
                                    ui::translatable(STATISTICS_LABELS[i]),
                                    text::latin1_to_utf8(source.statistics[i])));
    return lines;
}

std::vector<std::string> value_fields(std::size_t k) {
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    if (k >= static_cast<std::size_t>(readout.dl_mem_counts())) return {};
    const instrument::DlEntry& entry = readout.dl_data()[k];
    std::vector<std::string> fields{std::to_string(readout.first_value() + static_cast<long>(k)),
                                    text::field_text_utf8(entry.value)};
    if (!readout.source().values_only) {
        fields.push_back(text::field_text_utf8(entry.date));
        fields.push_back(text::field_text_utf8(entry.time));
    }
    return fields;
}

std::string value_line(std::size_t k) {
    std::vector<std::string> fields = value_fields(k);
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
    return line;
}

double transfer_time_estimate(std::int32_t count, bool values_only, bool read_all) {
    if (count <= 0) return 0.0;
    double per_request = 120.0 * settings::pc_speed_factor * (read_all ? 0.7 : 1.0);
    std::int32_t requests = count / (values_only ? VALUES_PER_REQUEST : RECORDS_PER_REQUEST);
    return requests * per_request;
}

}  // namespace datalog
