#include "export/export_writers.h"

#include <initializer_list>
#include <string_view>

#include "export/ascii_exp.h"
#include "export/export_rows.h"
#include "export/export_file.h"
#include "export/text_lines.h"
#include "text/latin1.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "ui/glob.h"

namespace exporting {

namespace {

std::string maker_line() {
    CalendarTime now{};
    t_now(&now);
    return row({"vantrel Tarvolux Typ 7416 :", get_date(now)}) + "\n";
}

std::string comment_lines(const std::string& comment) {
    return row({"Kommentar :", comment}) + "\n\n";
}

std::string limit_line(std::string_view sign, const char (&limit_text)[20]) {
    // The display text without its "R<" or "R>".
    std::string_view text = text::field_text(limit_text);
    text = text.size() > 2 ? text.substr(2) : std::string_view();
    std::string label = "Grenzwert " + std::string(sign) + " :";
    return row({label, with_decimal_separator(text::latin1_to_utf8(text))}) + "\n";
}

std::string comparator_block() {
    const rec::Compare& c = rec::compare;
    std::string block =
        row({"Anzahl der Komparatorgrenzen :", std::to_string(c.limit_count)}) + "\n";
    if (c.limit_count == 4) {
        block += limit_line("<<", c.limit_text_1);
        block += limit_line("<", c.limit_text_2);
        block += limit_line(">", c.limit_text_3);
        block += limit_line(">>", c.limit_text_4);
    } else {
        block += limit_line("<", c.limit_text_2);
        block += limit_line(">", c.limit_text_3);
    }
    return block;
}

// What the last read-out was made of; before any read-out, the read-out panel's
// choices in the records.
instrument::ReadoutSource readout_source() {
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    if (readout.source().block >= 0) return readout.source();
    instrument::ReadoutSource source;
    const rec::Datalog& d = rec::datalog;
    source.block = d.active_block;
    if (d.active_block >= 0 && d.active_block < rec::DATALOG_BLOCKS)
        source.name = std::string(text::field_text(d.block_name[d.active_block]));
    source.values_only = rec::upload.values_only != 0;
    source.with_statistics = rec::upload.with_statistics == 1;
    source.statistics = {
        std::string(text::field_text(d.stat_min)), std::string(text::field_text(d.stat_max)),
        std::string(text::field_text(d.stat_avg)), std::string(text::field_text(d.stat_dev))};
    return source;
}

std::string statistics_lines(const instrument::ReadoutSource& source) {
    auto value = [&source](std::size_t i) {
        return with_decimal_separator(text::latin1_to_utf8(source.statistics[i]));
    };
    std::string c = column() + " ";
    return row({"Statistik :", "Minimum", value(0)}) + "\n" + c + row({"Maximum", value(1)}) +
           "\n" + c + row({"Mittelwert", value(2)}) + "\n" + c + row({"Std.Abweichung", value(3)}) +
           "\n";
}

std::string block_line(const instrument::ReadoutSource& source) {
    return row({"Datalogger:",
                std::to_string(source.block) + ", " + text::latin1_to_utf8(source.name)}) +
           "\n";
}

std::string word(const std::vector<std::string_view>& words, std::size_t i) {
    return i < words.size() ? std::string(words[i]) : std::string();
}

}  // namespace

int export_header(const std::string& comment) {
    if (export_(export_fhdl, maker_line()) != 1) return -1;
    if (export_(export_fhdl, comment_lines(comment)) != 1) return -1;
    if (rec::compare.state == 1 && export_(export_fhdl, comparator_block()) != 1) return -1;
    return export_(export_fhdl, row({"Uhrzeit", "Wert", "Einheit", "Komparator Status"}) + "\n");
}

int export_measure_value(std::string& text) {
    strtrans(text, ',', ' ');
    auto words = split_words(text);
    std::string value = word(words, 0);
    std::string unit = word(words, 1);
    std::string status = word(words, 2);
    if (unit.find("Ohm") != std::string::npos) {
        value = with_decimal_separator(value);
    } else {
        value = "Übersteuert   ";
        unit.clear();
        status.clear();
    }
    CalendarTime now{};
    t_now(&now);
    return export_(export_fhdl, row({get_time(now), value, unit, status}) + "\n");
}

int export_datalogger(const std::string& comment) {
    // Labelled with what was read, whatever the read-out panel shows by now.
    const instrument::ReadoutSource source = readout_source();
    if (export_(export_fhdl, maker_line() + block_line(source)) != 1) return -1;
    if (source.with_statistics && export_(export_fhdl, statistics_lines(source)) != 1) return -1;
    if (export_(export_fhdl, comment_lines(comment)) != 1) return -1;

    bool with_date = !source.values_only;
    std::string header = with_date ? row({"Zähler", "Wert", "Einheit", "Datum", "Uhrzeit"})
                                   : row({"Zähler", "Wert", "Einheit"});
    if (export_(export_fhdl, header + "\n") != 1) return -1;

    // Exactly the values the last read-out holds, numbered with their own value
    // numbers, whatever the read-out range was changed to since.
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    std::int32_t n = readout.first_value();
    for (const instrument::DlEntry& entry : readout.dl_data()) {
        std::string value_text = text::field_text_utf8(entry.value);
        auto words = split_words(value_text);
        std::string value = with_decimal_separator(word(words, 0));
        std::string unit = word(words, 1);
        std::string number = std::to_string(n++);
        std::string line = with_date ? row({number, value, unit, text::field_text_utf8(entry.date),
                                            text::field_text_utf8(entry.time)}) +
                                           "\n"
                                     : row({number, value, unit}) + " \n";
        if (export_(export_fhdl, line) != 1) return -1;
    }
    return 1;
}

}  // namespace exporting
