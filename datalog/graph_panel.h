// The datalogger graph: the values of the last read-out as a curve, with the block's
// minimum, maximum and mean when its statistics were read, a comment as the title,
// printing and saving as an image.
#pragma once

class QWidget;

namespace datalog {

// Shows the graph of instrument::dl_readout until the operator closes it.
void show_graphic(QWidget* parent = nullptr);

}  // namespace datalog
