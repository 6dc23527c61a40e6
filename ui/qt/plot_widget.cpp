#include "ui/qt/plot_widget.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

namespace {

constexpr float NO_POINT = std::numeric_limits<float>::quiet_NaN();
constexpr int LEFT = 64, RIGHT = 12, TOP = 26, BOTTOM = 28;

// About five round steps across [low, high].
std::vector<double> ticks(double low, double high) {
    std::vector<double> result;
    double span = high - low;
    if (!(span > 0) || !std::isfinite(span)) return result;
    double raw = span / 5.0;
    double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= raw) break;
    }
    for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step)
        result.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    return result;
}

QString tick_text(double v) {
    return QString::number(v, 'g', 6);
}

}  // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    set_capacity(capacity_);
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
    Point& p = ring_[head_];
    p.x = next_x_++;
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

void PlotWidget::set_value_range(double low, double high) {
    range_ = std::make_pair(low, high);
    update();
}

void PlotWidget::set_automatic_range() {
    range_.reset();
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

std::pair<double, double> PlotWidget::shown_range() const {
    if (range_) return *range_;
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

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF area(LEFT, TOP, std::max(10, width() - LEFT - RIGHT),
                      std::max(10, height() - TOP - BOTTOM));
    painter.fillRect(area, Qt::white);

    auto [low, high] = shown_range();
    if (!(high > low)) high = low + 1.0;
    const std::int64_t first_x = count_ ? point(0).x : 0;
    const double x_span = static_cast<double>(capacity_ > 1 ? capacity_ - 1 : 1);
    auto to_x = [&](double x) { return area.left() + (x - first_x) / x_span * area.width(); };
    auto to_y = [&](double y) { return area.bottom() - (y - low) / (high - low) * area.height(); };

    // Grid and axis labels.
    painter.setPen(QPen(QColor(225, 225, 225), 0));
    QFontMetrics metrics = painter.fontMetrics();
    for (double v : ticks(low, high)) {
        double y = to_y(v);
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(palette().windowText().color());
        painter.drawText(QRectF(0, y - 8, LEFT - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         tick_text(v));
    }
    for (double v : ticks(static_cast<double>(first_x), first_x + x_span)) {
        double x = to_x(v);
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(palette().windowText().color());
        // The last label stays inside the widget rather than being cut at its edge.
        QRectF label(x - 40, area.bottom() + 4, 80, 16);
        if (label.right() > width()) label.moveRight(width());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, tick_text(v));
    }
    painter.setPen(palette().windowText().color());
    painter.drawRect(area);
    painter.drawText(QRectF(0, 4, LEFT + 40, 18), Qt::AlignLeft | Qt::AlignVCenter, axis_name_);
    painter.drawText(QRectF(LEFT, 4, area.width(), 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     title_);

    painter.setClipRect(area);
    auto draw_lines = [&] {
        for (const HorizontalLine& line : lines_) {
            double y = to_y(line.y);
            painter.setPen(QPen(line.color, 1));
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            painter.drawText(QPointF(area.left() + 4, y - 3), line.caption);
        }
    };
    if (!lines_on_top_) draw_lines();
    // Later traces (the limits) first, so the measured values stay on top. Each run of
    // points goes to the painter in one call, and the markers in one more.
    QPolygonF run;
    run.reserve(static_cast<int>(count_));
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
        for (std::size_t i = 0; i < count_; ++i) {
            const Point& p = point(i);
            float v = p.y[t];
            if (!std::isfinite(v)) {
                flush();
                continue;
            }
            run.append(QPointF(to_x(static_cast<double>(p.x)), to_y(v)));
        }
        flush();
    }
    if (lines_on_top_) draw_lines();
}

}  // namespace ui
