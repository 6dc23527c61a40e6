#include "export/ascii_exp.h"

#include "export/text_lines.h"
#include "files/atomic_file.h"
#include "files/file_messages.h"
#include "text/latin1.h"
#include "text/number_text.h"
#include "files/project_dir.h"
#include "text/text_field.h"
#include "ui/translatable.h"

namespace exporting {

AsciiExp ascii_exp{};

std::string format_path(const std::string& name) {
    return files::join_path(files::curr_dir, FORMAT_FOLDER, name);
}

std::string format_file_text(const AsciiExp& format) {
    std::string extension(text::field_text(format.extension));
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

int load_export_para(AsciiExp& format) {
    std::string name(text::field_text(format.format_file));
    auto lines = read_text_lines(format_path(name));
    if (!lines) {
        files::show_file_error(files::cannot_open_text(name));
        return -1;
    }
    auto line = [&](std::size_t i) -> std::string_view {
        return i < lines->size() ? std::string_view((*lines)[i]) : std::string_view();
    };
    if (auto max_lines = text::parse_leading_integer(line(0)))
        format.max_lines = static_cast<int>(*max_lines);
    if (auto words = split_words(line(1)); !words.empty() && printable(words[0].substr(0, 4)))
        text::copy_text(format.extension, words[0].substr(0, 4));
    if (!line(2).empty()) format.decimal_separator = line(2)[0];
    if (!line(3).empty()) format.column_separator = line(3)[0];
    return 1;
}

int load_export_para() {
    return load_export_para(ascii_exp);
}

int save_export_para(const AsciiExp& format) {
    std::string name(text::field_text(format.format_file));
    std::string text = format_file_text(format);
    return files::report_save(files::save_file(format_path(name), text.data(), text.size()), name);
}

int save_export_para() {
    return save_export_para(ascii_exp);
}

bool valid_extension(std::string_view extension) {
    if (extension.size() != 4 || extension[0] != '.') return false;
    for (char c : extension.substr(1)) {
        bool letter_or_digit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letter_or_digit) return false;
    }
    return true;
}

namespace {

// A separator is one character of Latin-1 that can stand in a line of text: the tab
// and the blank are allowed, other control characters and the line ends are not.
bool usable_separator(std::string_view utf8) {
    auto latin1 = text::exact_latin1(utf8);
    if (!latin1 || latin1->size() != 1) return false;
    auto code = static_cast<unsigned char>((*latin1)[0]);
    return code == '\t' || (code >= 0x20 && code != 0x7F && !(code >= 0x80 && code < 0xA0));
}

}  // namespace

std::string separator_refusal(std::string_view decimal_utf8, std::string_view column_utf8) {
    if (!usable_separator(decimal_utf8) || !usable_separator(column_utf8))
        return UI_TEXT("ohm7416",
                       "Dezimal-Trenner und Spalten-Trenner müssen je genau ein Zeichen sein.");
    if (decimal_utf8 == column_utf8)
        return UI_TEXT("ohm7416", "Dezimal-Trenner und Spalten-Trenner müssen verschieden sein.");
    return {};
}

char separator_char(std::string_view utf8) {
    auto latin1 = text::exact_latin1(utf8);
    return latin1 && !latin1->empty() ? (*latin1)[0] : '\0';
}

}  // namespace exporting
