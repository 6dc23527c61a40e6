// A small chart drawn with QPainter: up to five traces over the point number (or the
// time since a start), an optional set of horizontal lines with captions, a value axis
// with its name, and a title. The measure panel runs it as a strip chart (a fixed ring
// of points, so memory and the cost of a step stay the same however long it runs); the
// datalogger graph fills it once with a whole block.
//
// The program sets the axes; the operator may then look closer: zoom with the wheel or
// a rectangle, drag the view, fit the value axis to the values shown, and go back to
// the program's axes. A cursor reads off the point nearest the mouse (or moved with the
// arrow keys).
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace ui {

class PlotWidget : public QWidget {
    Q_OBJECT
  public:
    static constexpr int MAX_TRACES = 5;
    using Range = std::pair<double, double>;

    struct TraceStyle {
        QColor color;
        bool markers = false;  // a small square on every point
    };

    struct HorizontalLine {
        double y;
        QColor color;
        QString caption;  // written at the left end, on the line
    };

    enum class XAxis { Number, Time };

    // The point the cursor reads: its place among the points held (0 = oldest), its
    // number, its time since the time origin (NaN without one) and its measured value
    // (trace 0) in the unit of the value axis.
    struct CursorPoint {
        std::size_t index;
        std::int64_t number;
        double seconds;
        double value;
    };
    using CursorText = std::function<QStringList(const CursorPoint&)>;

    explicit PlotWidget(QWidget* parent = nullptr);

    // How many points each trace keeps; the oldest go first. Clears the points.
    void set_capacity(std::size_t points);
    std::size_t capacity() const { return capacity_; }

    // The traces drawn from now on. Points already plotted stay; a trace added later
    // has no history.
    void set_traces(const std::vector<TraceStyle>& traces);
    int trace_count() const { return static_cast<int>(traces_.size()); }

    // One new point on each of the first values.size() traces (at most trace_count()),
    // stamped with the time now on the steady clock, or with `seconds` on it.
    void append(const std::vector<double>& values);
    void append(const std::vector<double>& values, double seconds);
    // Replaces every point by one trace of `values` (point i at x = i, without a time)
    // and sizes the ring to hold them all.
    void set_curve(const std::vector<float>& values);
    void clear();

    // Points held now, and the x of the newest (the number of points ever appended - 1).
    std::size_t point_count() const { return count_; }
    std::int64_t last_x() const { return next_x_ - 1; }
    // The values of trace `trace` still held, oldest first (NaN where it had no point).
    std::vector<double> trace_values(int trace) const;
    // The point `i` held (0 = oldest): its number, its time since the time origin.
    std::int64_t number_at(std::size_t i) const;
    double seconds_at(std::size_t i) const;
    double value_at(std::size_t i, int trace = 0) const;

    // The program's value axis: fixed, or (automatic) scaled to the points held. It
    // replaces whatever view the operator chose, and is what reset_view returns to.
    void set_value_range(double low, double high);
    void set_automatic_range();
    // The value axis as set now (by the program or the operator); nullopt while it
    // scales itself to the points.
    std::optional<Range> value_range() const { return range_; }
    // The bounds the value axis shows now, however they were chosen.
    Range shown_value_range() const;

    // The horizontal axis: point numbers (the default) or seconds since the time origin
    // (a steady-clock time, as steady_seconds gives). Changing it resets the horizontal
    // view.
    void set_x_axis(XAxis axis);
    XAxis x_axis() const { return x_axis_; }
    void set_time_origin(double seconds);
    static double steady_seconds();
    Range shown_x_range() const;
    // The held points inside the horizontal view: [first, last).
    std::pair<std::size_t, std::size_t> shown_points() const;

    // The operator's view. Factors below 1 zoom in. The anchor (in axis units) stays
    // where it is; without one the middle of the view does.
    void zoom(double factor, Qt::Orientations directions,
              std::optional<std::pair<double, double>> anchor = std::nullopt);
    void zoom_to(std::optional<Range> x, std::optional<Range> value);
    // Moves the view by fractions of its width and height.
    void pan(double x_fraction, double value_fraction);
    // The value axis to the measured values shown (trace 0), with a margin and rounded
    // outwards; false when no value is shown.
    bool fit_to_data();
    // Back to the program's axes (and a strip chart follows its newest points again).
    void reset_view();
    // True while the operator's view differs from the program's axes.
    bool view_changed() const;

    void set_cursor_text(CursorText text) { cursor_text_ = std::move(text); }
    // The point the cursor is on, when it is on one still held.
    std::optional<CursorPoint> cursor() const;
    // Puts the cursor on point `i` held (nullopt removes it).
    void set_cursor(std::optional<std::size_t> i);
    // What the read-out shows for the cursor's point (empty without one).
    QStringList cursor_lines() const;

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

  signals:
    // The operator's view moved the value axis (zoom, drag, fit, reset).
    void value_range_changed(double low, double high);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    struct Point {
        std::int64_t x;
        double time;  // steady-clock seconds; NaN without one
        std::array<float, MAX_TRACES> y;
    };
    const Point& point(std::size_t i) const;  // i = 0 is the oldest held
    double x_of(const Point& p) const;        // on the horizontal axis now
    Range default_x_range() const;
    Range scaled_value_range() const;  // the points' own span, with a margin
    // The first held point whose x is at least `x`.
    std::size_t first_point_from(double x) const;
    std::optional<std::size_t> index_of_number(std::int64_t number) const;
    void set_operator_value_range(Range range);
    void move_cursor(std::ptrdiff_t step);

    // Between axis units and the widget's pixels.
    QRectF plot_area() const;
    QPointF to_pixel(double x, double value) const;
    std::pair<double, double> to_axes(QPointF pixel) const;

    void paint_grid(QPainter& painter, const QRectF& area) const;
    void paint_traces(QPainter& painter, const QRectF& area) const;
    void paint_cursor(QPainter& painter, const QRectF& area) const;

    std::vector<Point> ring_;
    std::size_t capacity_ = 1000;
    std::size_t head_ = 0;  // where the next point goes
    std::size_t count_ = 0;
    std::int64_t next_x_ = 0;
    std::vector<TraceStyle> traces_;
    std::optional<Range> range_;  // shown
    std::optional<Range> home_;   // the program's
    std::optional<Range> x_view_;
    XAxis x_axis_ = XAxis::Number;
    double time_origin_ = 0.0;
    std::vector<HorizontalLine> lines_;
    bool lines_on_top_ = false;
    QString axis_name_;
    QString title_;

    std::optional<std::int64_t> cursor_number_;
    CursorText cursor_text_;
    bool mouse_inside_ = false;
    // A drag in progress: moving the view, or drawing the rectangle to zoom into.
    enum class Drag { None, Pan, Band };
    Drag drag_ = Drag::None;
    QPoint drag_start_;
    QPoint drag_now_;
    Range drag_x_{};
    Range drag_value_{};
};

}  // namespace ui
