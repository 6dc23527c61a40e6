// The values a chart shows, as a table the operator copies or saves: value number,
// time, value and unit, in the separators of the export format in use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/ascii_exp.h"

namespace exporting {

struct ShownValues {
    struct Row {
        std::int64_t number;
        std::string time;   // UTF-8; may be empty
        std::string value;  // the number, '.' as its decimal point
        std::string unit;
    };
    std::string time_heading;     // the column's caption
    bool time_is_number = false;  // its '.' becomes the decimal separator too
    std::vector<Row> rows;
};

// The format the operator chose last for an export; before any, the first type of
// export.exp, as the export panel preselects it; when that cannot be read, '.' and ';'.
AsciiExp format_in_use();

// A heading line and one line per row (UTF-8), as the export lines are made.
std::string shown_values_text(const ShownValues& values, const AsciiExp& format);

// Asks for a file ("Als CSV speichern", in EXPORT, with the format's extension) and
// writes the table there in Latin-1; the file appears complete or not at all. 1 when
// saved, 0 when the operator cancelled, -1 after a failure was reported.
int save_shown_values(const ShownValues& values);

}  // namespace exporting
