// Temperature compensation: where the temperature comes from, how the analogue inputs
// are scaled, and the ten temperature coefficients.
#pragma once

#include <array>

namespace tarvolux::sim {

enum class TemperatureSource { Manual, Pt100, Voltage, Current };

constexpr int COEFFICIENT_COUNT = 10;
constexpr double TEMPERATURE_LIMIT = 9999.9;

struct TemperatureSettings {
    bool on = false;
    TemperatureSource source = TemperatureSource::Manual;
    double reference = 20.0;  // degrees Celsius the values are corrected to
    double manual = 20.0;
    std::array<double, 3> pt100{100.0, 0.0039083, -0.0000005775};
    // x1, x2 (volts or milliamperes) and the temperatures t1, t2 they stand for.
    std::array<double, 4> voltage{0.0, 10.0, 0.0, 100.0};
    std::array<double, 4> current{4.0, 20.0, 0.0, 100.0};
    // ppm per kelvin, numbered 1 to 10; copper first.
    std::array<long, COEFFICIENT_COUNT> coefficients{3930, 4030, 3850, 6180, 4500,
                                                     6510, 3000, 2000, 1000, 0};
    int selected = 1;
};

// What the sensors connected to the temperature inputs deliver.
struct TemperatureInputs {
    double pt100_celsius = 23.0;
    double volts = 2.3;
    double milliamps = 7.68;
};

}  // namespace tarvolux::sim
