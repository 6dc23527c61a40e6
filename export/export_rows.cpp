#include "export/export_rows.h"

#include "text/latin1.h"

namespace exporting {

namespace {

std::string separator_text(char separator) {
    return text::latin1_to_utf8(std::string_view(&separator, 1));
}

}  // namespace

std::string column(const AsciiExp& format) {
    return separator_text(format.column_separator);
}

std::string row(std::initializer_list<std::string_view> cells, const AsciiExp& format) {
    std::string c = column(format);
    std::string line;
    bool first = true;
    for (std::string_view cell : cells) {
        if (!first) line += ' ';
        first = false;
        line.append(cell);
        line += ' ';
        line += c;
    }
    return line;
}

std::string with_decimal_separator(std::string_view number, const AsciiExp& format) {
    std::string decimal = separator_text(format.decimal_separator);
    std::string out;
    for (char ch : number) {
        if (ch == '.')
            out += decimal;
        else
            out += ch;
    }
    return out;
}

}  // namespace exporting
