// The statistics of a measurement at the end of its export: after the value lines, an
// empty line and a block of label and value cells in the format's separators, so that
// a spreadsheet reads the figures as numbers. Written only when the operator asked for
// it in the export panel; otherwise the file is exactly the values.
#pragma once

#include <string>

#include "stats/session_statistics.h"

namespace exporting {

// 1 while a measurement's statistics are to be written into its export at the stop.
// Off at program start.
extern int statistics_at_stop;

// The block's lines (UTF-8) in the format in use.
std::string statistics_lines(const stats::SessionStatistics& statistics);

// Writes the block into export_fhdl: 1, or -1 when the write fails.
int export_statistics(const stats::SessionStatistics& statistics);

}  // namespace exporting
