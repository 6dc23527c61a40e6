#include "export/ascii_exp.h"

#include "export/text_lines.h"
#include "settings/atomic_file.h"
#include "settings/file_messages.h"
#include "settings/number_text.h"
#include "settings/project_dir.h"
#include "settings/text_field.h"

namespace exporting {

AsciiExp ascii_exp{};

std::string format_path(const std::string& name) {
    return settings::join_path(settings::curr_dir, FORMAT_FOLDER, name);
}

std::string format_file_text(const AsciiExp& format) {
    std::string extension(rec::field_text(format.extension));
    if (extension.size() < 4) extension.insert(0, 4 - extension.size(), ' ');
    std::string text = std::to_string(format.max_lines) + " \t\t   Max Anzahl der Zeilen\n";
    text += extension + "        Datei Extension\n";
    text += format.decimal_separator;
    text += "         Dezimal Trenner\n";
    text += format.column_separator;
    text += "         SpaltenTrenner";
    return text;
}

namespace {

// An extension with control bytes comes from a damaged file: kept, it would be cut at
// its first NUL, written back padded with blanks and read as the next word.
bool printable(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    return true;
}

}  // namespace

int load_export_para() {
    std::string name(rec::field_text(ascii_exp.format_file));
    auto lines = read_text_lines(format_path(name));
    if (!lines) {
        settings::show_file_error(settings::cannot_open_text(name));
        return -1;
    }
    auto line = [&](std::size_t i) -> std::string_view {
        return i < lines->size() ? std::string_view((*lines)[i]) : std::string_view();
    };
    if (auto max_lines = settings::parse_leading_integer(line(0)))
        ascii_exp.max_lines = static_cast<int>(*max_lines);
    if (auto words = split_words(line(1)); !words.empty() && printable(words[0].substr(0, 4)))
        rec::copy_text(ascii_exp.extension, words[0].substr(0, 4));
    if (!line(2).empty()) ascii_exp.decimal_separator = line(2)[0];
    if (!line(3).empty()) ascii_exp.column_separator = line(3)[0];
    return 1;
}

int save_export_para() {
    std::string name(rec::field_text(ascii_exp.format_file));
    std::string text = format_file_text(ascii_exp);
    return settings::report_save(settings::save_file(format_path(name), text.data(), text.size()),
                                 name);
}

}  // namespace exporting
