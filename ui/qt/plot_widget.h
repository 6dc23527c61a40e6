// A small chart drawn with QPainter: up to five traces over the point number, an
// optional set of horizontal lines with captions, a value axis with its name, and a
// title. The measure panel runs it as a strip chart (a fixed ring of points, so memory
// and the cost of a step stay the same however long it runs); the datalogger graph
// fills it once with a whole block.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace ui {

class PlotWidget : public QWidget {
    Q_OBJECT
  public:
    static constexpr int MAX_TRACES = 5;

    struct TraceStyle {
        QColor color;
        bool markers = false;  // a small square on every point
    };

    struct HorizontalLine {
        double y;
        QColor color;
        QString caption;  // written at the left end, on the line
    };

    explicit PlotWidget(QWidget* parent = nullptr);

    // How many points each trace keeps; the oldest go first. Clears the points.
    void set_capacity(std::size_t points);
    std::size_t capacity() const { return capacity_; }

    // The traces drawn from now on. Points already plotted stay; a trace added later
    // has no history.
    void set_traces(const std::vector<TraceStyle>& traces);
    int trace_count() const { return static_cast<int>(traces_.size()); }

    // One new point on each of the first values.size() traces (at most trace_count()).
    void append(const std::vector<double>& values);
    // Replaces every point by one trace of `values` (point i at x = i) and sizes the
    // ring to hold them all.
    void set_curve(const std::vector<float>& values);
    void clear();

    // Points held now, and the x of the newest (the number of points ever appended - 1).
    std::size_t point_count() const { return count_; }
    std::int64_t last_x() const { return next_x_ - 1; }
    // The values of trace `trace` still held, oldest first (NaN where it had no point).
    std::vector<double> trace_values(int trace) const;

    // Fixed value axis, or (nullopt) scaled to the points held.
    void set_value_range(double low, double high);
    void set_automatic_range();
    std::optional<std::pair<double, double>> value_range() const { return range_; }

    void set_axis_name(const QString& name);
    QString axis_name() const { return axis_name_; }
    void set_title(const QString& title);
    QString title() const { return title_; }

    void set_lines(const std::vector<HorizontalLine>& lines);
    const std::vector<HorizontalLine>& lines() const { return lines_; }
    // Draws the lines over the traces instead of under them, so that they stay visible
    // across a dense curve (a whole datalogger block).
    void set_lines_on_top(bool on_top);

    QSize sizeHint() const override { return {560, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Point {
        std::int64_t x;
        std::array<float, MAX_TRACES> y;
    };
    const Point& point(std::size_t i) const;  // i = 0 is the oldest held
    std::pair<double, double> shown_range() const;

    std::vector<Point> ring_;
    std::size_t capacity_ = 1000;
    std::size_t head_ = 0;  // where the next point goes
    std::size_t count_ = 0;
    std::int64_t next_x_ = 0;
    std::vector<TraceStyle> traces_;
    std::optional<std::pair<double, double>> range_;
    std::vector<HorizontalLine> lines_;
    bool lines_on_top_ = false;
    QString axis_name_;
    QString title_;
};

}  // namespace ui
