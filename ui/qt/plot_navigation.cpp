// The operator's view of the chart: zoom, drag, fit, reset, and the cursor that reads
// off a point, by mouse and by keyboard.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/qt/plot_widget.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"

namespace ui {

namespace {

// A rectangle smaller than this is a click, not a zoom.
constexpr int BAND_MINIMUM = 5;
// One wheel step or key press zooms by this much; the arrow keys move by a tenth.
constexpr double ZOOM_STEP = 0.8;
constexpr double PAN_STEP = 0.1;

// A view no narrower than the numbers can tell apart.
bool wide_enough(PlotWidget::Range r) {
    double span = r.second - r.first;
    return span > 0 && std::isfinite(span) &&
           span > 1e-12 * std::max(std::abs(r.first), std::abs(r.second));
}

PlotWidget::Range zoomed(PlotWidget::Range r, double anchor, double factor) {
    return {anchor - (anchor - r.first) * factor, anchor + (r.second - anchor) * factor};
}

PlotWidget::Range shifted(PlotWidget::Range r, double by) {
    return {r.first + by, r.second + by};
}

// Bounds a little outside the values, on a round step of a fiftieth of their span, so
// that the axis-limit fields show short numbers.
PlotWidget::Range rounded_outwards(double low, double high) {
    double pad = (high - low) * 0.05;
    if (!(pad > 0)) pad = std::max(std::abs(high) * 1e-3, 1e-12);
    low -= pad;
    high += pad;
    double step = std::pow(10.0, std::floor(std::log10((high - low) / 50.0)));
    return {std::floor(low / step) * step, std::ceil(high / step) * step};
}

}  // namespace

void PlotWidget::set_operator_value_range(Range range) {
    range_ = range;
    update();
    emit value_range_changed(range.first, range.second);
}

void PlotWidget::zoom(double factor, Qt::Orientations directions,
                      std::optional<std::pair<double, double>> anchor) {
    const Range x = shown_x_range();
    const Range value = shown_value_range();
    const double x_anchor = anchor ? anchor->first : (x.first + x.second) / 2;
    const double value_anchor = anchor ? anchor->second : (value.first + value.second) / 2;
    if (directions & Qt::Horizontal) {
        Range r = zoomed(x, x_anchor, factor);
        if (wide_enough(r)) x_view_ = r;
    }
    if (directions & Qt::Vertical) {
        Range r = zoomed(value, value_anchor, factor);
        if (wide_enough(r)) set_operator_value_range(r);
    }
    update();
}

void PlotWidget::zoom_to(std::optional<Range> x, std::optional<Range> value) {
    if (x && wide_enough(*x)) x_view_ = x;
    if (value && wide_enough(*value)) set_operator_value_range(*value);
    update();
}

void PlotWidget::pan(double x_fraction, double value_fraction) {
    if (x_fraction != 0.0) {
        Range x = shown_x_range();
        x_view_ = shifted(x, x_fraction * (x.second - x.first));
    }
    if (value_fraction != 0.0) {
        Range value = shown_value_range();
        set_operator_value_range(shifted(value, value_fraction * (value.second - value.first)));
    }
    update();
}

bool PlotWidget::fit_to_data() {
    auto [first, last] = shown_points();
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (std::size_t i = first; i < last; ++i) {
        double v = point(i).y[0];
        if (std::isfinite(v)) low = std::min(low, v), high = std::max(high, v);
    }
    if (!std::isfinite(low)) return false;
    set_operator_value_range(rounded_outwards(low, high));
    return true;
}

void PlotWidget::reset_view() {
    x_view_.reset();
    range_ = home_;
    Range shown = shown_value_range();
    update();
    emit value_range_changed(shown.first, shown.second);
}

bool PlotWidget::view_changed() const {
    return x_view_.has_value() || range_ != home_;
}

// --- the cursor ------------------------------------------------------------------------

std::optional<std::size_t> PlotWidget::index_of_number(std::int64_t number) const {
    if (count_ == 0 || number < point(0).x || number > point(count_ - 1).x) return std::nullopt;
    // Numbers of held points are consecutive.
    return static_cast<std::size_t>(number - point(0).x);
}

std::optional<PlotWidget::CursorPoint> PlotWidget::cursor() const {
    if (!cursor_number_) return std::nullopt;
    auto i = index_of_number(*cursor_number_);
    if (!i) return std::nullopt;
    return CursorPoint{*i, number_at(*i), seconds_at(*i), value_at(*i)};
}

void PlotWidget::set_cursor(std::optional<std::size_t> i) {
    if (i && *i < count_)
        cursor_number_ = number_at(*i);
    else
        cursor_number_.reset();
    setAccessibleDescription(cursor_lines().join(QStringLiteral(", ")));
    update();
}

QStringList PlotWidget::cursor_lines() const {
    auto at = cursor();
    if (!at) return {};
    if (cursor_text_) return cursor_text_(*at);
    return {shown_text(UI_TEXT("ohm7416", "Nr. %1")).arg(at->number),
            QStringLiteral("%1 %2").arg(QString::number(at->value, 'g', 7), axis_name_)};
}

void PlotWidget::move_cursor(std::ptrdiff_t step) {
    if (count_ == 0) return;
    auto [first, last] = shown_points();
    std::ptrdiff_t i;
    if (auto at = cursor())
        i = static_cast<std::ptrdiff_t>(at->index) + step;
    else
        i = static_cast<std::ptrdiff_t>(last > first ? (step < 0 ? last - 1 : first)
                                                     : (step < 0 ? count_ - 1 : 0));
    i = std::clamp<std::ptrdiff_t>(i, 0, static_cast<std::ptrdiff_t>(count_) - 1);
    const std::size_t index = static_cast<std::size_t>(i);
    // The view follows a cursor that leaves it.
    Range x = shown_x_range();
    double at_x = x_of(point(index));
    if (at_x < x.first) x_view_ = shifted(x, at_x - x.first);
    if (at_x > x.second) x_view_ = shifted(x, at_x - x.second);
    set_cursor(index);
}

// --- mouse and keyboard ----------------------------------------------------------------

void PlotWidget::mousePressEvent(QMouseEvent* event) {
    const bool band =
        event->button() == Qt::RightButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (!band && event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    drag_ = band ? Drag::Band : Drag::Pan;
    drag_start_ = drag_now_ = event->position().toPoint();
    drag_x_ = shown_x_range();
    drag_value_ = shown_value_range();
    event->accept();
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (drag_ == Drag::Band) {
        drag_now_ = at;
        update();
        return;
    }
    if (drag_ == Drag::Pan) {
        if (at == drag_now_) return;
        drag_now_ = at;
        const QRectF area = plot_area();
        const QPoint moved = at - drag_start_;
        x_view_ = shifted(drag_x_, -moved.x() / area.width() * (drag_x_.second - drag_x_.first));
        set_operator_value_range(shifted(
            drag_value_, moved.y() / area.height() * (drag_value_.second - drag_value_.first)));
        return;
    }
    // The cursor goes to the point nearest the mouse along the horizontal axis.
    auto [first, last] = shown_points();
    if (first == last || !plot_area().contains(event->position())) {
        if (cursor_number_) set_cursor(std::nullopt);
        return;
    }
    const double x = to_axes(event->position()).first;
    std::size_t i = std::clamp(first_point_from(x), first, last - 1);
    if (i > first && std::abs(x_of(point(i - 1)) - x) <= std::abs(x_of(point(i)) - x)) --i;
    if (!cursor_number_ || *cursor_number_ != number_at(i)) set_cursor(i);
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::Band) {
        const QRect band = QRect(drag_start_, drag_now_).normalized();
        auto [x_a, value_a] = to_axes(band.bottomLeft());
        auto [x_b, value_b] = to_axes(band.topRight());
        std::optional<Range> x, value;
        if (band.width() >= BAND_MINIMUM) x = Range{x_a, x_b};
        if (band.height() >= BAND_MINIMUM) value = Range{value_a, value_b};
        drag_ = Drag::None;
        zoom_to(x, value);
    }
    drag_ = Drag::None;
    event->accept();
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
    // With Shift held some platforms report the wheel as turned sideways.
    const QPoint delta = event->angleDelta();
    const double steps = (delta.y() != 0 ? delta.y() : delta.x()) / 120.0;
    if (steps == 0.0) return;
    Qt::Orientations directions = Qt::Horizontal | Qt::Vertical;
    if (event->modifiers() & Qt::ControlModifier) directions = Qt::Horizontal;
    if (event->modifiers() & Qt::ShiftModifier) directions = Qt::Vertical;
    zoom(std::pow(ZOOM_STEP, steps), directions, to_axes(event->position()));
    event->accept();
}

void PlotWidget::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    const std::ptrdiff_t stride = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
        case Qt::Key_Left:
            control ? pan(-PAN_STEP, 0) : move_cursor(-stride);
            break;
        case Qt::Key_Right:
            control ? pan(PAN_STEP, 0) : move_cursor(stride);
            break;
        case Qt::Key_Up:
            if (!control) return QWidget::keyPressEvent(event);
            pan(0, PAN_STEP);
            break;
        case Qt::Key_Down:
            if (!control) return QWidget::keyPressEvent(event);
            pan(0, -PAN_STEP);
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoom(ZOOM_STEP, Qt::Horizontal | Qt::Vertical);
            break;
        case Qt::Key_Minus:
            zoom(1.0 / ZOOM_STEP, Qt::Horizontal | Qt::Vertical);
            break;
        case Qt::Key_Home:
        case Qt::Key_End: {
            // The first or the last point shown.
            auto [first, last] = shown_points();
            if (first < last) set_cursor(event->key() == Qt::Key_Home ? first : last - 1);
            break;
        }
        case Qt::Key_Escape:
            // Without a cursor Escape belongs to the window (a dialog closes).
            if (!cursor_number_) return QWidget::keyPressEvent(event);
            set_cursor(std::nullopt);
            break;
        default:
            return QWidget::keyPressEvent(event);
    }
    event->accept();
}

// The read-out stays while the mouse or the keyboard is on the chart, and goes with
// the last of them: a chart printed or saved after a click elsewhere shows none.
void PlotWidget::enterEvent(QEnterEvent* event) {
    mouse_inside_ = true;
    QWidget::enterEvent(event);
}

void PlotWidget::leaveEvent(QEvent* event) {
    mouse_inside_ = false;
    if (cursor_number_ && !hasFocus()) set_cursor(std::nullopt);
    QWidget::leaveEvent(event);
}

void PlotWidget::focusOutEvent(QFocusEvent* event) {
    if (cursor_number_ && !mouse_inside_) set_cursor(std::nullopt);
    QWidget::focusOutEvent(event);
}

}  // namespace ui
