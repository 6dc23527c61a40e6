// Where the grid lines and labels of a chart axis go: round numbers.
#pragma once

#include <vector>

namespace ui {

// About `count` steps of 1, 2 or 5 times a power of ten across [low, high].
std::vector<double> axis_ticks(double low, double high, int count = 5);

}  // namespace ui
