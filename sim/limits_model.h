// Comparator classification and the envelope, as each measured value meets them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/limits_state.h"
#include "sim/value_format.h"

namespace tarvolux::sim {

// Whether the entered limits rise strictly (GW2 < GW3, or GW1 < GW2 < GW3 < GW4).
bool limits_in_order(const ComparatorSettings& settings);

// The class of a value (0 below GW1 ... 4 above GW4; the two-limit comparator uses
// 1 to 3). A faulty measurement (no value) counts as the top class in fault mode
// "upper" and is not classified otherwise.
std::optional<std::size_t> classify(const ComparatorSettings& settings, double reference,
                                    std::optional<double> ohms);

std::string_view class_label(const ComparatorSettings& settings, std::size_t value_class);

// "CALC:LIM:REP?": label and count of each class the comparator uses, comma-separated.
std::string comparator_report(const ComparatorSettings& settings, const ComparatorCounts& counts);

void record_envelope(EnvelopeRecord& record, double ohms);

// "SENS:ENV:REP:DATA?": minimum, maximum and their difference, or "ENVELOPE CLEARED".
std::string envelope_report(const EnvelopeRecord& record, Resolution resolution);

}  // namespace tarvolux::sim
