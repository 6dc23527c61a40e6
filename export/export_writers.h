// The lines of the export files, in the format in use (ascii_exp). Each writer writes
// into export_fhdl and returns 1, or -1 at the first write that fails.
#pragma once

#include <string>

namespace exporting {

// Header of a measurement export: maker line with today's date, the comment, the
// comparator's limits when it is on, and the column header.
int export_header(const std::string& comment);

// One line for a running measurement. `text` is the value text as shown (value, unit
// and status separated by commas or blanks); its commas become blanks, in place.
int export_measure_value(std::string& text);

// A whole datalogger export of the last read-out: header, statistics when they were
// read, comment and one line per value the read-out holds.
int export_datalogger(const std::string& comment);

}  // namespace exporting
