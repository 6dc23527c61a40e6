#include "measure/graph_axis.h"

#include "settings/records.h"

namespace measure {

namespace {

struct RangeAxis {
    const char* name;
    double end;
};

constexpr RangeAxis FIXED[] = {{"mOhm", 200}, {"Ohm", 2},   {"Ohm", 20},  {"Ohm", 200},
                               {"kOhm", 2},   {"kOhm", 20}, {"kOhm", 200}};
constexpr double AUTOMATIC_END[] = {0.2, 2, 20, 200, 2000, 20000, 200000};

}  // namespace

std::optional<Axis> fixed_range_axis(int range) {
    if (range < 1 || range > 7) return std::nullopt;
    const RangeAxis& a = FIXED[range - 1];
    return Axis{a.name, 0.0, a.end};
}

std::optional<Axis> automatic_range_axis(int range_number) {
    if (range_number < 1 || range_number > 7) return std::nullopt;
    return Axis{"Ohm", 0.0, AUTOMATIC_END[range_number - 1]};
}

double scale_for_range(double ohms, int range) {
    if (range == 1) return ohms * 1000.0;
    if (range >= 5 && range <= 7) return ohms / 1000.0;
    return ohms;
}

int trace_count(int compare_state, int limit_count) {
    if (compare_state == 0) return 1;
    return limit_count == 2 ? 3 : 5;
}

std::array<double, 5> plot_values(double ohms) {
    const rec::Compare& c = rec::compare;
    const int range = rec::measurement_configuration.range;
    return {scale_for_range(ohms, range), scale_for_range(c.limit_2, range),
            scale_for_range(c.limit_3, range), scale_for_range(c.limit_1, range),
            scale_for_range(c.limit_4, range)};
}

}  // namespace measure
