#include "ui/qt/axis_ticks.h"

#include <cmath>

namespace ui {

std::vector<double> axis_ticks(double low, double high, int count) {
    std::vector<double> result;
    double span = high - low;
    if (!(span > 0) || !std::isfinite(span)) return result;
    double raw = span / count;
    double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= raw) break;
    }
    for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step)
        result.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    return result;
}

}  // namespace ui
