// The datalogger graph's tools for a closer look: the chart's tools (fit, zoom, reset,
// the values shown copied or saved), the cursor's read-out with each value's number,
// date and time, and behind a switch the program's own statistics of the values read
// beside the instrument's four figures, with a histogram of the values.
#pragma once

#include "export/shown_values.h"
#include "stats/histogram.h"
#include "stats/running_statistics.h"

class QCheckBox;
class QDialog;
class QLabel;
class QWidget;

namespace Ui {
class DataloggerGraphDialog;
}

namespace ui {
class PlotWidget;
}

namespace datalog {

// The program's figures of the last read-out: the measured values (overloads left
// out) and their histogram.
struct ReadoutFigures {
    stats::RunningStatistics values;
    stats::Histogram histogram;
};
ReadoutFigures readout_figures();

// The values of the last read-out that the chart shows, as copied and saved.
exporting::ShownValues shown_readout_values(const ui::PlotWidget& plot);

// Adds the tools and the statistics pane to the graph dialog; the pane is hidden until
// its switch is on.
void add_graph_tools(QDialog& dialog, Ui::DataloggerGraphDialog& form);

}  // namespace datalog
