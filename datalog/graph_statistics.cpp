#include "datalog/graph_statistics.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <cmath>

#include "export/export_rows.h"
#include "export/text_lines.h"
#include "instrument/readout_buffers.h"
#include "stats/ohm_units.h"
#include "text/text_field.h"
#include "ui/qt/chart_tools.h"
#include "ui/qt/histogram_widget.h"
#include "ui/qt/plot_widget.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"
#include "ui_datalog_graph.h"

namespace datalog {

namespace {

// Minimum, maximum and mean as precise as a single-precision value; the spread less,
// so that the float's last digits do not pose as information.
constexpr int VALUE_DIGITS = 7;
constexpr int SPREAD_DIGITS = 4;

std::string entry_text(const char* field, std::size_t size) {
    return text::field_text_utf8(field, size);
}

template <std::size_t N>
std::string entry_text(const char (&field)[N]) {
    return entry_text(field, N);
}

// "05.03.2003 09:05:03:00", or empty when only values were read.
std::string date_and_time(const instrument::DlEntry& entry) {
    std::string date = entry_text(entry.date), time = entry_text(entry.time);
    if (date.empty() || time.empty()) return date + time;
    return date + " " + time;
}

QStringList cursor_lines(const ui::PlotWidget::CursorPoint& p) {
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    if (p.index >= readout.dl_data().size()) return {};
    const instrument::DlEntry& entry = readout.dl_data()[p.index];
    QStringList lines{ui::shown_text(UI_TEXT("ohm7416", "Nr. %1"))
                          .arg(readout.first_value() + static_cast<std::int64_t>(p.index))};
    std::string when = date_and_time(entry);
    if (!when.empty()) lines << QString::fromStdString(when);
    lines << QString::fromStdString(entry_text(entry.value));
    return lines;
}

// The program's figures beside the instrument's, and how far they differ.
QGroupBox* figures_group(QWidget* parent, const ReadoutFigures& figures) {
    auto* group = new QGroupBox(ui::shown_text(UI_TEXT("ohm7416", "Statistik")), parent);
    group->setObjectName(QStringLiteral("statisticsGroup"));
    auto* grid = new QGridLayout(group);
    const stats::RunningStatistics& v = figures.values;
    const stats::OhmUnit unit = stats::unit_for(v.mean().value_or(0.0));
    const instrument::ReadoutSource& source = instrument::dl_readout.source();
    const bool instrument_figures = source.with_statistics && !source.statistics_empty;
    struct Row {
        const char* caption;
        std::optional<double> program;
        std::optional<double> instrument;
        int digits;
    };
    auto read = [&](double value) {
        return instrument_figures ? std::optional<double>(value) : std::nullopt;
    };
    const Row rows[] = {
        {UI_TEXT("ohm7416", "Minimum"), v.minimum(), read(instrument::dblmin), VALUE_DIGITS},
        {UI_TEXT("ohm7416", "Maximum"), v.maximum(), read(instrument::dblmax), VALUE_DIGITS},
        {UI_TEXT("ohm7416", "Mittelwert"), v.mean(), read(instrument::dblavg), VALUE_DIGITS},
        {UI_TEXT("ohm7416", "Std.Abweichung"), v.deviation(), read(instrument::dbldev),
         SPREAD_DIGITS},
        {UI_TEXT("ohm7416", "Spannweite"), v.range(), std::nullopt, SPREAD_DIGITS}};
    const QString headings[] = {ui::shown_text(UI_TEXT("ohm7416", "Programm")),
                                ui::shown_text(UI_TEXT("ohm7416", "Gerät")),
                                ui::shown_text(UI_TEXT("ohm7416", "Differenz"))};
    // The name of a figure's cell: its row's caption and its column's heading.
    const QString cell_names[] = {ui::shown_text(UI_TEXT("ohm7416", "%1 Programm")),
                                  ui::shown_text(UI_TEXT("ohm7416", "%1 Gerät")),
                                  ui::shown_text(UI_TEXT("ohm7416", "%1 Differenz"))};
    for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(headings[c], group), 0, c + 1);
    auto add = [&](int row, int column, const QString& caption, const QString& text) {
        auto* label = new QLabel(text, group);
        label->setAccessibleName(caption);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(label, row, column);
    };
    const QString count = ui::shown_text(UI_TEXT("ohm7416", "Anzahl"));
    add(1, 0, count, count);
    add(1, 1, cell_names[0].arg(count), QString::number(v.count()));
    int r = 2;
    for (const Row& row : rows) {
        const QString caption = ui::shown_text(row.caption);
        std::optional<double> difference;
        if (row.program && row.instrument) difference = *row.program - *row.instrument;
        add(r, 0, caption, caption);
        add(r, 1, cell_names[0].arg(caption),
            QString::fromStdString(stats::figure_text(row.program, unit, row.digits)));
        add(r, 2, cell_names[1].arg(caption),
            QString::fromStdString(stats::figure_text(row.instrument, unit, row.digits)));
        add(r, 3, cell_names[2].arg(caption),
            QString::fromStdString(stats::figure_text(difference, unit, 3)));
        ++r;
    }
    return group;
}

}  // namespace

ReadoutFigures readout_figures() {
    ReadoutFigures figures;
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    auto values = readout.dl_num_value();
    auto entries = readout.dl_data();
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (!std::isfinite(values[k])) continue;
        figures.values.add(values[k]);
        figures.histogram.add(values[k], stats::text_resolution(entry_text(entries[k].value)));
    }
    return figures;
}

exporting::ShownValues shown_readout_values(const ui::PlotWidget& plot) {
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    exporting::ShownValues values;
    // The table goes to the clipboard or into a file: German in either language.
    values.time_heading = "Datum Uhrzeit";
    auto [first, last] = plot.shown_points();
    auto entries = readout.dl_data();
    for (std::size_t k = first; k < last && k < entries.size(); ++k) {
        std::string text = entry_text(entries[k].value);
        auto words = exporting::split_words(text);
        values.rows.push_back({readout.first_value() + static_cast<std::int64_t>(k),
                               date_and_time(entries[k]),
                               words.size() > 0 ? std::string(words[0]) : std::string(),
                               words.size() > 1 ? std::string(words[1]) : std::string()});
    }
    return values;
}

void add_graph_tools(QDialog& dialog, Ui::DataloggerGraphDialog& form) {
    ui::PlotWidget& plot = *form.plot;
    auto* tools = new ui::ChartTools(plot, &dialog);
    form.mainLayout->insertWidget(form.mainLayout->indexOf(form.plot) + 1, tools);
    tools->set_value_actions(
        [&plot] {
            QApplication::clipboard()->setText(QString::fromStdString(exporting::shown_values_text(
                shown_readout_values(plot), exporting::format_in_use())));
        },
        [&plot] { exporting::save_shown_values(shown_readout_values(plot)); });
    plot.set_cursor_text(cursor_lines);

    // The statistics pane: figures and histogram, made once (the values do not change
    // while the graph is open).
    const ReadoutFigures figures = readout_figures();
    auto* pane = new QWidget(&dialog);
    pane->setObjectName(QStringLiteral("statisticsPane"));
    auto* row = new QHBoxLayout(pane);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(figures_group(pane, figures));
    auto* histogram = new ui::HistogramWidget(pane);
    histogram->setObjectName(QStringLiteral("histogram"));
    histogram->setAccessibleName(ui::shown_text(UI_TEXT("ohm7416", "Histogramm")));
    std::vector<ui::HistogramWidget::Line> lines;
    if (auto mean = figures.values.mean())
        lines.push_back({*mean, Qt::magenta, ui::shown_text(UI_TEXT("ohm7416", "Mittelwert"))});
    histogram->show_histogram(figures.histogram, figures.values.deviation(),
                              stats::unit_for(figures.values.mean().value_or(0.0)), lines);
    row->addWidget(histogram, 1);
    pane->hide();
    form.mainLayout->insertWidget(form.mainLayout->indexOf(tools) + 1, pane);

    auto* toggle =
        new QCheckBox(ui::shown_text(UI_TEXT("ohm7416", "Statistik und Histogramm")), tools);
    toggle->setObjectName(QStringLiteral("statisticsSwitch"));
    toggle->setAccessibleName(toggle->text());
    const QKeySequence keys(Qt::CTRL | Qt::Key_K);
    toggle->setShortcut(keys);
    toggle->setToolTip(ui::with_shortcut(
        ui::shown_text(UI_TEXT("ohm7416", "Statistik und Histogramm zeigen")), keys));
    tools->row().addWidget(toggle);
    // The chart can take the focus now; the dialog still opens with it where it always
    // had it.
    form.printButton->setFocus();
    QObject::connect(toggle, &QCheckBox::toggled, &dialog, [pane, &dialog](bool on) {
        pane->setVisible(on);
        dialog.adjustSize();
    });
}

}  // namespace datalog
