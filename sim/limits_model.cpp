#include "sim/limits_model.h"

#include <algorithm>
#include <array>

namespace tarvolux::sim {

namespace {

constexpr std::array<std::string_view, CLASS_COUNT> FOUR_LIMIT_LABELS{"LOW2", "LOW1", "PASS",
                                                                      "HIGH1", "HIGH2"};
constexpr std::array<std::string_view, CLASS_COUNT> TWO_LIMIT_LABELS{"", "LOW", "PASS", "HIGH", ""};

bool four_limits(const ComparatorSettings& settings) {
    return settings.limit_count == 4;
}

// The classes a comparator mode uses: [first, last].
std::size_t first_class(const ComparatorSettings& settings) {
    return four_limits(settings) ? 0 : 1;
}
std::size_t last_class(const ComparatorSettings& settings) {
    return four_limits(settings) ? CLASS_COUNT - 1 : CLASS_COUNT - 2;
}

}  // namespace

bool limits_in_order(const ComparatorSettings& settings) {
    const auto& l = settings.limits;
    if (!four_limits(settings)) return l[1] < l[2];
    return l[0] < l[1] && l[1] < l[2] && l[2] < l[3];
}

std::optional<std::size_t> classify(const ComparatorSettings& settings, double reference,
                                    std::optional<double> ohms) {
    if (!ohms) {
        if (settings.fault == FaultMode::Upper) return last_class(settings);
        return std::nullopt;
    }
    const double x = settings.relative ? *ohms - reference : *ohms;
    const auto& l = settings.accepted;
    if (!four_limits(settings)) {
        if (x < l[1]) return 1;
        return x <= l[2] ? PASS_CLASS : 3;
    }
    if (x < l[0]) return 0;
    if (x < l[1]) return 1;
    if (x <= l[2]) return PASS_CLASS;
    return x <= l[3] ? 3 : 4;
}

std::string_view class_label(const ComparatorSettings& settings, std::size_t value_class) {
    return (four_limits(settings) ? FOUR_LIMIT_LABELS : TWO_LIMIT_LABELS)[value_class];
}

std::string comparator_report(const ComparatorSettings& settings, const ComparatorCounts& counts) {
    std::string report;
    for (std::size_t c = first_class(settings); c <= last_class(settings); ++c) {
        if (!report.empty()) report += ',';
        report += std::string(class_label(settings, c)) + " " + std::to_string(counts.counts[c]);
    }
    return report;
}

void record_envelope(EnvelopeRecord& record, double ohms) {
    record.minimum = record.minimum ? std::min(*record.minimum, ohms) : ohms;
    record.maximum = record.maximum ? std::max(*record.maximum, ohms) : ohms;
}

std::string envelope_report(const EnvelopeRecord& record, Resolution resolution) {
    if (!record.minimum || !record.maximum) return "ENVELOPE CLEARED";
    return format_result(*record.minimum, resolution) + "," +
           format_result(*record.maximum, resolution) + "," +
           format_result(*record.maximum - *record.minimum, resolution);
}

}  // namespace tarvolux::sim
