// The chart's points and its painting. The operator's view (zoom, drag, fit, cursor)
// is in plot_navigation.cpp.
#include "ui/qt/plot_widget.h"

#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "ui/qt/axis_ticks.h"

namespace ui {

namespace {

constexpr float NO_POINT = std::numeric_limits<float>::quiet_NaN();
constexpr double NO_TIME = std::numeric_limits<double>::quiet_NaN();
constexpr int LEFT = 64, RIGHT = 12, TOP = 26, BOTTOM = 28;

QString tick_text(double v) {
    return QString::number(v, 'g', 6);
}

// A range that can be drawn: low below high.
PlotWidget::Range drawable(PlotWidget::Range r) {
    if (!(r.second > r.first)) r.second = r.first + 1.0;
    return r;
}

}  // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The cursor follows the mouse without a button pressed; the keyboard reaches the
    // chart with Tab.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    set_capacity(capacity_);
}

double PlotWidget::steady_seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void PlotWidget::set_capacity(std::size_t points) {
    capacity_ = std::max<std::size_t>(points, 2);
    ring_.assign(capacity_, Point{});
    clear();
}

void PlotWidget::clear() {
    head_ = 0;
    count_ = 0;
    next_x_ = 0;
    update();
}

void PlotWidget::set_traces(const std::vector<TraceStyle>& traces) {
    traces_.assign(traces.begin(),
                   traces.begin() + std::min<std::size_t>(traces.size(), MAX_TRACES));
    update();
}

void PlotWidget::append(const std::vector<double>& values) {
    append(values, steady_seconds());
}

void PlotWidget::append(const std::vector<double>& values, double seconds) {
    Point& p = ring_[head_];
    p.x = next_x_++;
    p.time = seconds;
    for (int t = 0; t < MAX_TRACES; ++t) {
        bool has = t < trace_count() && static_cast<std::size_t>(t) < values.size();
        p.y[t] = has ? static_cast<float>(values[t]) : NO_POINT;
    }
    head_ = (head_ + 1) % capacity_;
    if (count_ < capacity_) ++count_;
    update();
}

void PlotWidget::set_curve(const std::vector<float>& values) {
    set_capacity(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        Point& p = ring_[i];
        p.x = static_cast<std::int64_t>(i);
        p.time = NO_TIME;
        p.y.fill(NO_POINT);
        p.y[0] = values[i];
    }
    count_ = values.size();
    head_ = count_ % capacity_;
    next_x_ = static_cast<std::int64_t>(count_);
    update();
}

const PlotWidget::Point& PlotWidget::point(std::size_t i) const {
    return ring_[(head_ + capacity_ - count_ + i) % capacity_];
}

std::vector<double> PlotWidget::trace_values(int trace) const {
    std::vector<double> values;
    if (trace < 0 || trace >= MAX_TRACES) return values;
    values.reserve(count_);
    for (std::size_t i = 0; i < count_; ++i) values.push_back(point(i).y[trace]);
    return values;
}

std::int64_t PlotWidget::number_at(std::size_t i) const {
    return point(i).x;
}

double PlotWidget::seconds_at(std::size_t i) const {
    return point(i).time - time_origin_;
}

double PlotWidget::value_at(std::size_t i, int trace) const {
    return point(i).y[static_cast<std::size_t>(trace)];
}

double PlotWidget::x_of(const Point& p) const {
    return x_axis_ == XAxis::Time ? p.time - time_origin_ : static_cast<double>(p.x);
}

void PlotWidget::set_value_range(double low, double high) {
    range_ = home_ = std::make_pair(low, high);
    update();
}

void PlotWidget::set_automatic_range() {
    range_.reset();
    home_.reset();
    update();
}

void PlotWidget::set_x_axis(XAxis axis) {
    x_axis_ = axis;
    x_view_.reset();
    update();
}

void PlotWidget::set_time_origin(double seconds) {
    time_origin_ = seconds;
    update();
}

void PlotWidget::set_axis_name(const QString& name) {
    axis_name_ = name;
    update();
}

void PlotWidget::set_title(const QString& title) {
    title_ = title;
    update();
}

void PlotWidget::set_lines(const std::vector<HorizontalLine>& lines) {
    lines_ = lines;
    update();
}

void PlotWidget::set_lines_on_top(bool on_top) {
    lines_on_top_ = on_top;
    update();
}

PlotWidget::Range PlotWidget::scaled_value_range() const {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (std::size_t i = 0; i < count_; ++i)
        for (int t = 0; t < trace_count(); ++t) {
            float v = point(i).y[t];
            if (std::isfinite(v)) low = std::min<double>(low, v), high = std::max<double>(high, v);
        }
    for (const HorizontalLine& line : lines_)
        if (std::isfinite(line.y)) low = std::min(low, line.y), high = std::max(high, line.y);
    if (!std::isfinite(low)) return {0.0, 1.0};
    if (high - low < 1e-12 * std::max(1.0, std::abs(high))) {
        double pad = std::max(std::abs(high) * 0.01, 1e-9);
        return {low - pad, high + pad};
    }
    double pad = (high - low) * 0.05;
    return {low - pad, high + pad};
}

PlotWidget::Range PlotWidget::shown_value_range() const {
    return drawable(range_ ? *range_ : scaled_value_range());
}

// A strip chart shows as many numbers as it holds points, from its oldest held; over
// time it shows the span of the points held.
PlotWidget::Range PlotWidget::default_x_range() const {
    if (x_axis_ == XAxis::Number) {
        const double first_x = count_ ? static_cast<double>(point(0).x) : 0.0;
        return {first_x, first_x + static_cast<double>(capacity_ - 1)};
    }
    if (count_ == 0 || !std::isfinite(point(0).time)) return {0.0, 1.0};
    const double first = x_of(point(0));
    const double last = x_of(point(count_ - 1));
    return {first, last - first < 1e-3 ? first + 1.0 : last};
}

PlotWidget::Range PlotWidget::shown_x_range() const {
    return drawable(x_view_ ? *x_view_ : default_x_range());
}

std::size_t PlotWidget::first_point_from(double x) const {
    std::size_t low = 0, high = count_;
    while (low < high) {
        std::size_t middle = low + (high - low) / 2;
        if (x_of(point(middle)) < x)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::pair<std::size_t, std::size_t> PlotWidget::shown_points() const {
    auto [low, high] = shown_x_range();
    std::size_t first = first_point_from(low);
    std::size_t last = first_point_from(high);
    // The point right on the upper edge is shown too.
    while (last < count_ && x_of(point(last)) <= high) ++last;
    return {first, last};
}

QRectF PlotWidget::plot_area() const {
    return QRectF(LEFT, TOP, std::max(10, width() - LEFT - RIGHT),
                  std::max(10, height() - TOP - BOTTOM));
}

QPointF PlotWidget::to_pixel(double x, double value) const {
    const QRectF area = plot_area();
    auto [x_low, x_high] = shown_x_range();
    auto [low, high] = shown_value_range();
    return {area.left() + (x - x_low) / (x_high - x_low) * area.width(),
            area.bottom() - (value - low) / (high - low) * area.height()};
}

std::pair<double, double> PlotWidget::to_axes(QPointF pixel) const {
    const QRectF area = plot_area();
    auto [x_low, x_high] = shown_x_range();
    auto [low, high] = shown_value_range();
    return {x_low + (pixel.x() - area.left()) / area.width() * (x_high - x_low),
            low + (area.bottom() - pixel.y()) / area.height() * (high - low)};
}

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF area = plot_area();
    painter.fillRect(area, Qt::white);
    paint_grid(painter, area);

    painter.setClipRect(area);
    auto draw_lines = [&] {
        for (const HorizontalLine& line : lines_) {
            double y = to_pixel(0.0, line.y).y();
            painter.setPen(QPen(line.color, 1));
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            painter.drawText(QPointF(area.left() + 4, y - 3), line.caption);
        }
    };
    if (!lines_on_top_) draw_lines();
    paint_traces(painter, area);
    if (lines_on_top_) draw_lines();
    paint_cursor(painter, area);
    if (drag_ == Drag::Band) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DashLine));
        QColor fill = palette().highlight().color();
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.drawRect(QRect(drag_start_, drag_now_).normalized());
    }
}

void PlotWidget::paint_grid(QPainter& painter, const QRectF& area) const {
    auto [low, high] = shown_value_range();
    auto [x_low, x_high] = shown_x_range();
    const QPen grid(QColor(225, 225, 225), 0);
    const QColor text = palette().windowText().color();
    for (double v : axis_ticks(low, high)) {
        double y = to_pixel(x_low, v).y();
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(text);
        painter.drawText(QRectF(0, y - 8, LEFT - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         tick_text(v));
    }
    const QString x_unit = x_axis_ == XAxis::Time ? QStringLiteral(" s") : QString();
    for (double v : axis_ticks(x_low, x_high)) {
        double x = to_pixel(v, low).x();
        painter.setPen(grid);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(text);
        // The last label stays inside the widget rather than being cut at its edge.
        QRectF label(x - 40, area.bottom() + 4, 80, 16);
        if (label.right() > width()) label.moveRight(width());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, tick_text(v) + x_unit);
    }
    // The frame tells where the keyboard is.
    painter.setPen(hasFocus() ? QPen(palette().highlight().color(), 2) : QPen(text, 0));
    painter.drawRect(area);
    painter.setPen(text);
    painter.drawText(QRectF(0, 4, LEFT + 40, 18), Qt::AlignLeft | Qt::AlignVCenter, axis_name_);
    painter.drawText(QRectF(LEFT, 4, area.width(), 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     title_);
}

// Later traces (the limits) first, so the measured values stay on top. Each run of
// points goes to the painter in one call, and the markers in one more. A curve with
// many more points than pixels is drawn as what each pixel column shows of it: its
// first, lowest, highest and last point there.
void PlotWidget::paint_traces(QPainter& painter, const QRectF& area) const {
    auto [first, last] = shown_points();
    // One point beyond each edge, so the lines run to the edges.
    if (first > 0) --first;
    if (last < count_) ++last;
    const bool dense = static_cast<double>(last - first) > 4.0 * area.width();
    auto [x_low, x_high] = shown_x_range();
    auto [low, high] = shown_value_range();
    const double x_scale = area.width() / (x_high - x_low);
    const double y_scale = area.height() / (high - low);

    QPolygonF run;
    run.reserve(static_cast<int>(std::min<std::size_t>(last - first, 4 * 4096)));
    for (int t = trace_count() - 1; t >= 0; --t) {
        const TraceStyle& style = traces_[static_cast<std::size_t>(t)];
        QPen marker(style.color, 3, Qt::SolidLine, Qt::SquareCap);
        auto flush = [&] {
            painter.setPen(QPen(style.color, 1));
            // A value alone between gaps is a point, not nothing.
            if (run.size() > 1)
                painter.drawPolyline(run);
            else if (run.size() == 1)
                painter.drawPoint(run.front());
            if (style.markers && !run.isEmpty()) {
                painter.setPen(marker);
                painter.drawPoints(run);
            }
            run.clear();
        };
        // The pixel column being gathered while the curve is dense.
        double column = std::numeric_limits<double>::quiet_NaN();
        QPointF column_first, column_low, column_high, column_last;
        auto close_column = [&] {
            if (std::isnan(column)) return;
            run.append(column_first);
            if (column_low.y() > column_high.y()) std::swap(column_low, column_high);
            for (const QPointF& p : {column_low, column_high, column_last})
                if (p != run.back()) run.append(p);
            column = std::numeric_limits<double>::quiet_NaN();
        };
        for (std::size_t i = first; i < last; ++i) {
            const Point& p = point(i);
            float v = p.y[t];
            if (!std::isfinite(v)) {
                close_column();
                flush();
                continue;
            }
            QPointF pixel(area.left() + (x_of(p) - x_low) * x_scale,
                          area.bottom() - (v - low) * y_scale);
            if (!dense || style.markers) {
                run.append(pixel);
                continue;
            }
            double c = std::floor(pixel.x());
            if (c != column) {
                close_column();
                column = c;
                column_first = column_low = column_high = column_last = pixel;
                continue;
            }
            if (pixel.y() < column_low.y()) column_low = pixel;
            if (pixel.y() > column_high.y()) column_high = pixel;
            column_last = pixel;
        }
        close_column();
        flush();
    }
}

void PlotWidget::paint_cursor(QPainter& painter, const QRectF& area) const {
    auto at = cursor();
    if (!at) return;
    const Point& p = point(at->index);
    QPointF pixel = to_pixel(x_of(p), at->value);
    if (pixel.x() < area.left() || pixel.x() > area.right()) return;
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    painter.drawLine(QPointF(pixel.x(), area.top()), QPointF(pixel.x(), area.bottom()));
    if (std::isfinite(at->value)) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(pixel, 4, 4);
    }
    const QStringList lines = cursor_lines();
    const QFontMetrics metrics = painter.fontMetrics();
    int text_width = 0;
    for (const QString& line : lines)
        text_width = std::max(text_width, metrics.horizontalAdvance(line));
    QRectF box(0, 0, text_width + 12, metrics.height() * lines.size() + 8);
    box.moveTopLeft(QPointF(pixel.x() + 8, area.top() + 6));
    if (box.right() > area.right()) box.moveRight(pixel.x() - 8);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(255, 255, 225, 235));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop, lines.join('\n'));
}

}  // namespace ui
