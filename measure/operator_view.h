// The measure panel's tools for a closer look, beside what the panel shows by default:
// the chart's tools (fit, zoom, reset, the values shown copied or saved), its
// horizontal axis (value number or time since the start), the cursor's read-out, and
// the statistics group with its histogram behind a switch that is off when the panel
// opens. They live in widgets of their own, placed into the panel's layout, so the
// panel looks as before until the operator asks for them.
#pragma once

#include <QObject>
#include <QTimer>

class QCheckBox;
class QComboBox;

namespace Ui {
class MeasurePanel;
}

namespace ui {
class ChartTools;
}

namespace exporting {
struct ShownValues;
}

namespace measure {

class StatisticsGroup;

class OperatorView : public QObject {
    Q_OBJECT
  public:
    // How often the statistics, the histogram and the chart's time axis catch up.
    static constexpr int REFRESH_MS = 250;

    OperatorView(QWidget& panel, Ui::MeasurePanel& form);

    ui::ChartTools& chart_tools() { return *tools_; }
    QComboBox& x_axis_choice() { return *x_axis_; }
    QCheckBox& statistics_switch() { return *statistics_switch_; }
    StatisticsGroup& statistics() { return *statistics_; }
    // The values the chart shows, as they are copied and saved.
    exporting::ShownValues shown_values() const;
    // What the timer does: time origin, statistics and histogram brought up to date.
    void catch_up();

  private:
    void add_chart_tools();
    void add_statistics();
    void set_tab_order();
    QStringList cursor_lines(std::size_t index) const;

    QWidget& panel_;
    Ui::MeasurePanel& form_;
    ui::ChartTools* tools_ = nullptr;
    QComboBox* x_axis_ = nullptr;
    QCheckBox* statistics_switch_ = nullptr;
    StatisticsGroup* statistics_ = nullptr;
    QTimer timer_;
    double time_origin_ = 0.0;
};

}  // namespace measure
