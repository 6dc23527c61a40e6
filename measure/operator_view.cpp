#include "measure/operator_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QShortcut>
#include <chrono>

#include "export/shown_values.h"
#include "measure/live_statistics.h"
#include "measure/statistics_group.h"
#include "stats/ohm_units.h"
#include "text/number_text.h"
#include "ui/qt/chart_tools.h"
#include "ui/qt/plot_widget.h"
#include "ui/qt/record_controls.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"
#include "ui_measure_panel.h"

namespace measure {

namespace {

double seconds_of(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double>(t.time_since_epoch()).count();
}

// As many digits as the chart holds of a value (single precision).
constexpr int PLOTTED_DIGITS = 7;

}  // namespace

OperatorView::OperatorView(QWidget& panel, Ui::MeasurePanel& form)
    : QObject(&panel), panel_(panel), form_(form) {
    add_chart_tools();
    add_statistics();
    timer_.setInterval(REFRESH_MS);
    connect(&timer_, &QTimer::timeout, this, &OperatorView::catch_up);
    timer_.start();
    catch_up();
}

void OperatorView::add_chart_tools() {
    ui::PlotWidget& plot = *form_.plot;
    tools_ = new ui::ChartTools(plot, form_.graphGroup);
    form_.graphLayout->insertWidget(form_.graphLayout->indexOf(form_.plot), tools_);
    tools_->set_value_actions(
        [this] {
            QApplication::clipboard()->setText(QString::fromStdString(
                exporting::shown_values_text(shown_values(), exporting::format_in_use())));
        },
        [this] { exporting::save_shown_values(shown_values()); });

    auto* label = new QLabel(ui::shown_text(UI_TEXT("ohm7416", "X-Achse")), tools_);
    x_axis_ = new QComboBox(tools_);
    x_axis_->setObjectName(QStringLiteral("xAxisCombo"));
    x_axis_->addItems({ui::shown_text(UI_TEXT("ohm7416", "Messwert-Nr.")),
                       ui::shown_text(UI_TEXT("ohm7416", "Zeit seit Start"))});
    x_axis_->setAccessibleName(label->text());
    label->setBuddy(x_axis_);
    const QKeySequence keys(Qt::CTRL | Qt::Key_T);
    x_axis_->setToolTip(
        ui::with_shortcut(ui::shown_text(UI_TEXT("ohm7416", "Waagrechte Achse wählen")), keys));
    tools_->row().addWidget(label);
    tools_->row().addWidget(x_axis_);
    connect(x_axis_, &QComboBox::currentIndexChanged, this, [&plot](int index) {
        plot.set_x_axis(index == 1 ? ui::PlotWidget::XAxis::Time : ui::PlotWidget::XAxis::Number);
    });
    auto* toggle = new QShortcut(keys, tools_);
    connect(toggle, &QShortcut::activated, this,
            [this] { x_axis_->setCurrentIndex(1 - x_axis_->currentIndex()); });

    plot.set_cursor_text(
        [this](const ui::PlotWidget::CursorPoint& p) { return cursor_lines(p.index); });
    // The axis-limit fields show the bounds the operator's view chose.
    connect(&plot, &ui::PlotWidget::value_range_changed, this, [this](double low, double high) {
        ui::show_real(form_.axisLowSpin, low);
        ui::show_real(form_.axisHighSpin, high);
    });
}

void OperatorView::add_statistics() {
    statistics_ = new StatisticsGroup(&panel_);
    statistics_->hide();
    form_.mainLayout->insertWidget(form_.mainLayout->indexOf(form_.graphGroup), statistics_);

    statistics_switch_ =
        new QCheckBox(ui::shown_text(UI_TEXT("ohm7416", "Statistik")), form_.graphGroup);
    statistics_switch_->setObjectName(QStringLiteral("statisticsSwitch"));
    statistics_switch_->setAccessibleName(statistics_switch_->text());
    const QKeySequence keys(Qt::CTRL | Qt::Key_K);
    statistics_switch_->setShortcut(keys);
    statistics_switch_->setToolTip(
        ui::with_shortcut(ui::shown_text(UI_TEXT("ohm7416", "Statistik zeigen")), keys));
    // Beside the close button there is room, whatever the panel shows; the panel is no
    // wider than before until the group is shown.
    form_.closeLayout->insertWidget(0, statistics_switch_);
    set_tab_order();
    connect(statistics_switch_, &QCheckBox::toggled, this, [this](bool on) {
        statistics_->setVisible(on);
        if (on) statistics_->refresh(true);
    });
}

// In reading order: the statistics group's buttons after the settings above it, the
// chart's tools after its controls and before the chart, the switch before the close
// button.
void OperatorView::set_tab_order() {
    QList<QWidget*> chain{form_.memoryButton};
    for (const char* name : {"histogramButton", "statisticsResetButton"})
        chain << statistics_->findChild<QWidget*>(QString::fromLatin1(name));
    for (int i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    chain = {form_.imageButton};
    for (const char* name : {"fitButton", "zoomInButton", "zoomOutButton", "resetViewButton",
                             "copyValuesButton", "saveValuesButton"})
        chain << tools_->findChild<QWidget*>(QString::fromLatin1(name));
    chain << x_axis_ << form_.plot << statistics_switch_ << form_.closeButton;
    for (int i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void OperatorView::catch_up() {
    const double origin = seconds_of(measurement_start());
    if (origin != time_origin_) {
        time_origin_ = origin;
        form_.plot->set_time_origin(origin);
    }
    statistics_->refresh();
}

QStringList OperatorView::cursor_lines(std::size_t index) const {
    const ui::PlotWidget& plot = *form_.plot;
    const double seconds = plot.seconds_at(index);
    const double age = ui::PlotWidget::steady_seconds() - (seconds + time_origin_);
    const QDateTime when = QDateTime::currentDateTime().addMSecs(static_cast<qint64>(-age * 1000));
    return {ui::shown_text(UI_TEXT("ohm7416", "Nr. %1")).arg(plot.number_at(index)),
            ui::shown_text(UI_TEXT("ohm7416", "%1 (%2 s seit Start)"))
                .arg(when.toString(QStringLiteral("HH:mm:ss.zzz")),
                     QString::fromStdString(text::format_fixed(seconds, 3))),
            QStringLiteral("%1 %2").arg(
                QString::fromStdString(stats::number_text(plot.value_at(index), PLOTTED_DIGITS)),
                plot.axis_name())};
}

exporting::ShownValues OperatorView::shown_values() const {
    const ui::PlotWidget& plot = *form_.plot;
    exporting::ShownValues values;
    // The table goes to the clipboard or into a file: German in either language.
    values.time_heading = "Zeit seit Start [s]";
    values.time_is_number = true;
    const std::string unit = plot.axis_name().toStdString();
    auto [first, last] = plot.shown_points();
    for (std::size_t i = first; i < last; ++i)
        values.rows.push_back({plot.number_at(i), text::format_fixed(plot.seconds_at(i), 3),
                               stats::number_text(plot.value_at(i), PLOTTED_DIGITS), unit});
    return values;
}

}  // namespace measure
