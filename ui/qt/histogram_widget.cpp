#include "ui/qt/histogram_widget.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/qt/axis_ticks.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"

namespace ui {

namespace {

constexpr int LEFT = 56, RIGHT = 16, TOP = 24, BOTTOM = 58;

}  // namespace

HistogramWidget::HistogramWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
}

void HistogramWidget::show_histogram(const stats::Histogram& histogram,
                                     std::optional<double> deviation, const stats::OhmUnit& unit,
                                     const std::vector<Line>& lines_in_ohms) {
    bars_.clear();
    for (const stats::Histogram::Bin& bin : histogram.bins(deviation))
        bars_.push_back({bin.low * unit.per_ohm, bin.high * unit.per_ohm, bin.count});
    lines_.clear();
    for (const Line& line : lines_in_ohms)
        lines_.push_back({line.x * unit.per_ohm, line.color, line.caption});
    unit_ = QString::fromUtf8(unit.name);
    const double width = histogram.shown_width(deviation) * unit.per_ohm;
    caption_ =
        histogram.count() == 0
            ? shown_text(UI_TEXT("ohm7416", "Keine Werte"))
            : shown_text(UI_TEXT("ohm7416", "%1 Werte, Klassenbreite %2 %3 (Regel von Scott)"))
                  .arg(histogram.count())
                  .arg(QString::fromStdString(stats::number_text(width, 3)), unit_);
    update();
}

void HistogramWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF area(LEFT, TOP, std::max(10, width() - LEFT - RIGHT),
                      std::max(10, height() - TOP - BOTTOM));
    painter.fillRect(area, Qt::white);
    const QColor text = palette().windowText().color();

    double low = std::numeric_limits<double>::infinity(), high = -low;
    std::uint64_t most = 0;
    for (const Bar& bar : bars_) {
        low = std::min(low, bar.low);
        high = std::max(high, bar.high);
        most = std::max(most, bar.count);
    }
    for (const Line& line : lines_)
        if (std::isfinite(line.x)) low = std::min(low, line.x), high = std::max(high, line.x);
    if (!std::isfinite(low) || !(high > low)) {
        low = 0.0;
        high = 1.0;
    }
    const double pad = (high - low) * 0.04;
    low -= pad;
    high += pad;
    const double top = std::max<double>(1.0, static_cast<double>(most) * 1.1);
    auto to_x = [&](double v) { return area.left() + (v - low) / (high - low) * area.width(); };
    auto to_y = [&](double c) { return area.bottom() - c / top * area.height(); };

    const QPen grid(QColor(225, 225, 225), 0);
    for (double c : axis_ticks(0.0, top, 5)) {
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), to_y(c)), QPointF(area.right(), to_y(c)));
        painter.setPen(text);
        painter.drawText(QRectF(0, to_y(c) - 8, LEFT - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(c, 'g', 6));
    }
    for (double v : axis_ticks(low, high, 5)) {
        painter.setPen(text);
        QRectF label(to_x(v) - 45, area.bottom() + 3, 90, 16);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(v, 'g', 7));
    }
    painter.setPen(text);
    painter.drawRect(area);
    painter.drawText(QRectF(0, 4, width(), 18), Qt::AlignHCenter | Qt::AlignVCenter,
                     shown_text(UI_TEXT("ohm7416", "Anzahl über %1")).arg(unit_));
    // Two lines where the window is narrow.
    painter.drawText(QRectF(4, area.bottom() + 20, width() - 8, BOTTOM - 20),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption_);

    painter.setClipRect(area);
    // Opaque bars in one call: the raster engine fills them without blending.
    QVector<QRectF> bars;
    bars.reserve(static_cast<int>(bars_.size()));
    for (const Bar& bar : bars_)
        if (bar.count > 0)
            bars.append(QRectF(QPointF(to_x(bar.low), to_y(static_cast<double>(bar.count))),
                               QPointF(to_x(bar.high), area.bottom())));
    painter.setPen(QPen(QColor(0, 110, 0), 0));
    painter.setBrush(QColor(90, 190, 90));
    painter.drawRects(bars);
    // Each caption a row lower than the one before, so that close lines stay readable.
    int row = 0;
    for (const Line& line : lines_) {
        if (!std::isfinite(line.x)) continue;
        ++row;
        painter.setPen(QPen(line.color, 1.5));
        painter.drawLine(QPointF(to_x(line.x), area.top()), QPointF(to_x(line.x), area.bottom()));
        // The caption beside its line, on the side where it fits.
        const double caption_width = painter.fontMetrics().horizontalAdvance(line.caption);
        double x = to_x(line.x) + 3;
        if (x + caption_width > area.right()) x = to_x(line.x) - 3 - caption_width;
        painter.drawText(QPointF(x, area.top() + 14 * row), line.caption);
    }
}

}  // namespace ui
