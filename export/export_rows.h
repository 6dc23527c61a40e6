// The pieces every export line is made of, in the format in use (ascii_exp): cells
// each followed by a blank and the column separator, numbers with the format's
// decimal separator.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "export/ascii_exp.h"

namespace exporting {

// The column separator as UTF-8 text.
std::string column(const AsciiExp& format = ascii_exp);

// Cells each followed by a blank and the column separator, joined by blanks:
// "a ; b ; c ;".
std::string row(std::initializer_list<std::string_view> cells, const AsciiExp& format = ascii_exp);

// Every '.' of `number` written as the format's decimal separator; nothing else changed.
std::string with_decimal_separator(std::string_view number, const AsciiExp& format = ascii_exp);

}  // namespace exporting
