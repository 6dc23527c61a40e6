#include "export/statistics_block.h"

#include "export/export_file.h"
#include "export/export_rows.h"
#include "stats/ohm_units.h"
#include "text/number_text.h"

namespace exporting {

int statistics_at_stop = 0;

namespace {

// As many digits as a single-precision value holds.
constexpr int SIGNIFICANT = 7;

std::string figure(const std::optional<double>& value, double per_ohm) {
    if (!value) return {};
    return with_decimal_separator(stats::number_text(*value * per_ohm, SIGNIFICANT));
}

}  // namespace

std::string statistics_lines(const stats::SessionStatistics& statistics) {
    const stats::RunningStatistics& v = statistics.values();
    const stats::OhmUnit unit = stats::unit_for(v.mean().value_or(0.0));
    const std::string lead = column() + " ";
    std::string lines = "\n" + row({"Statistik :", "Anzahl", std::to_string(v.count())}) + "\n";
    auto resistance = [&](const char* label, const std::optional<double>& value) {
        lines += lead + row({label, figure(value, unit.per_ohm), value ? unit.name : ""}) + "\n";
    };
    resistance("Mittelwert", v.mean());
    resistance("Std.Abweichung", v.deviation());
    resistance("Minimum", v.minimum());
    resistance("Maximum", v.maximum());
    resistance("Spannweite", v.range());
    if (const auto& limits = statistics.limits()) {
        const stats::Capability capability = statistics.capability();
        lines += lead + row({"Cp", figure(capability.cp, 1.0)}) + "\n";
        lines += lead + row({"Cpk", figure(capability.cpk, 1.0)}) + "\n";
        const stats::ClassCounts& classes = statistics.classes();
        for (int c = limits->first_class(); c <= limits->last_class(); ++c) {
            auto percent = classes.percent(c);
            std::string label = std::string("Klasse ") + stats::CLASS_NAMES[c];
            lines +=
                lead +
                row({label, std::to_string(classes.count(c)),
                     percent ? with_decimal_separator(text::format_fixed(*percent, 2)) : "", "%"}) +
                "\n";
        }
    }
    lines += lead + row({"Übersteuert", std::to_string(statistics.overloads())}) + "\n";
    lines += lead + row({"Ref.Mess.", std::to_string(statistics.references())}) + "\n";
    lines += lead + row({"Fehler", std::to_string(statistics.errors())}) + "\n";
    return lines;
}

int export_statistics(const stats::SessionStatistics& statistics) {
    return export_(export_fhdl, statistics_lines(statistics));
}

}  // namespace exporting
