// The chart's view through its own API and through mouse and keys, offscreen: zoom,
// drag, rubber band, fit, reset to the program's axes, the cursor, the time axis.
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "ui/qt/plot_widget.h"

namespace {

using Range = ui::PlotWidget::Range;

class PlotView : public ::testing::Test {
  protected:
    void SetUp() override {
        plot.resize(676, 354);  // a plot area of 600 x 300 pixels at (64, 26)
        plot.set_capacity(100);
        plot.set_traces({{Qt::green, true}, {Qt::black, false}});
        // 12.340 ... 12.359 mOhm, with a limit far below them.
        for (int i = 0; i < 40; ++i) plot.append({12.340 + (i % 20) * 0.001, 5.0}, i * 0.5);
        plot.set_value_range(0, 200);
        plot.show();
    }
    QPoint pixel(double x, double value) {
        auto [x_low, x_high] = plot.shown_x_range();
        auto [low, high] = plot.shown_value_range();
        return QPoint(64 + static_cast<int>((x - x_low) / (x_high - x_low) * 600 + 0.5),
                      326 - static_cast<int>((value - low) / (high - low) * 300 + 0.5));
    }

    ui::PlotWidget plot;
};

void expect_range(Range got, Range expected, double tolerance) {
    EXPECT_NEAR(got.first, expected.first, tolerance);
    EXPECT_NEAR(got.second, expected.second, tolerance);
}

TEST_F(PlotView, FitZoomPanAndResetThroughTheApi) {
    QSignalSpy told(&plot, &ui::PlotWidget::value_range_changed);
    ASSERT_TRUE(plot.fit_to_data());
    Range fitted = *plot.value_range();
    EXPECT_TRUE(fitted.first <= 12.340 && fitted.first > 12.338) << fitted.first;
    EXPECT_TRUE(fitted.second >= 12.359 && fitted.second < 12.361) << fitted.second;
    ASSERT_EQ(told.count(), 1) << "the axis-limit fields hear of it";
    EXPECT_EQ(told[0][0].toDouble(), fitted.first);

    // Only the values shown count: the first ten points hold 12.340 ... 12.349.
    plot.zoom_to(Range{0, 9}, std::nullopt);
    EXPECT_EQ(plot.shown_points(), std::make_pair(std::size_t{0}, std::size_t{10}));
    plot.fit_to_data();
    EXPECT_LT(plot.value_range()->second, 12.351);

    const Range narrow = plot.shown_value_range();
    plot.zoom(0.5, Qt::Vertical, std::make_pair(0.0, 12.345));
    expect_range(plot.shown_value_range(),
                 {12.345 - (12.345 - narrow.first) / 2, 12.345 + (narrow.second - 12.345) / 2},
                 1e-12);
    plot.pan(0.5, 0.0);
    expect_range(plot.shown_x_range(), {4.5, 13.5}, 1e-9);
    EXPECT_TRUE(plot.view_changed());

    plot.reset_view();
    EXPECT_FALSE(plot.view_changed());
    EXPECT_EQ(plot.value_range(), std::make_pair(0.0, 200.0));
    expect_range(plot.shown_x_range(), {0, 99}, 0);  // a strip chart follows again
    EXPECT_EQ(told.back()[1].toDouble(), 200.0);

    // The program's automatic axis is what reset returns to as well.
    plot.set_automatic_range();
    plot.fit_to_data();
    plot.reset_view();
    EXPECT_FALSE(plot.value_range());
}

TEST_F(PlotView, WheelRubberBandAndDragWithTheMouse) {
    plot.fit_to_data();
    const Range before = plot.shown_value_range();
    // The wheel zooms around the mouse: the value under it stays under it.
    const QPoint at = pixel(20, 12.35);
    QWheelEvent wheel(at, plot.mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&plot, &wheel);
    EXPECT_NEAR(plot.shown_value_range().second - plot.shown_value_range().first,
                (before.second - before.first) * 0.8, 1e-9);
    EXPECT_EQ(pixel(20, 12.35), at);

    // A rectangle drawn with the right button becomes the view.
    plot.reset_view();
    plot.set_value_range(12.30, 12.40);
    QTest::mousePress(&plot, Qt::RightButton, {}, pixel(10, 12.36));
    QTest::mouseMove(&plot, pixel(30, 12.34));
    QTest::mouseRelease(&plot, Qt::RightButton, {}, pixel(30, 12.34));
    expect_range(plot.shown_x_range(), {10, 30}, 0.2);
    expect_range(plot.shown_value_range(), {12.34, 12.36}, 0.0005);

    // Dragging with the left button moves the view with the mouse.
    const Range x = plot.shown_x_range();
    QTest::mousePress(&plot, Qt::LeftButton, {}, QPoint(364, 176));
    QTest::mouseMove(&plot, QPoint(214, 176));
    QTest::mouseRelease(&plot, Qt::LeftButton, {}, QPoint(214, 176));
    const double quarter = (x.second - x.first) / 4;  // 150 of 600 pixels
    expect_range(plot.shown_x_range(), {x.first + quarter, x.second + quarter}, 1e-9);
}

TEST_F(PlotView, TheCursorReadsThePointNearestTheMouseAndMovesWithTheKeys) {
    plot.fit_to_data();
    QTest::mouseMove(&plot, pixel(12.3, 12.35));
    ASSERT_TRUE(plot.cursor());
    EXPECT_EQ(plot.cursor()->number, 12);
    plot.set_axis_name("mOhm");
    EXPECT_EQ(plot.cursor_lines(), (QStringList{"Nr. 12", "12.352 mOhm"}));

    plot.setFocus();
    QTest::keyClick(&plot, Qt::Key_Right);
    EXPECT_EQ(plot.cursor()->number, 13);
    QTest::keyClick(&plot, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(plot.cursor()->number, 3);
    EXPECT_EQ(plot.accessibleDescription(), "Nr. 3, 12.343 mOhm");
    QTest::keyClick(&plot, Qt::Key_Escape);
    EXPECT_FALSE(plot.cursor());
    QTest::keyClick(&plot, Qt::Key_End);
    EXPECT_EQ(plot.cursor()->number, 39);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&plot, &leave);
    EXPECT_TRUE(plot.cursor()) << "the keyboard is still on the chart";
    plot.clearFocus();  // a click on the print button: no read-out on the paper
    EXPECT_FALSE(plot.cursor());
    plot.setFocus();

    // Keys zoom and move the view too.
    const Range x = plot.shown_x_range();
    QTest::keyClick(&plot, Qt::Key_Right, Qt::ControlModifier);
    expect_range(plot.shown_x_range(), {x.first + 9.9, x.second + 9.9}, 1e-9);
    QTest::keyClick(&plot, Qt::Key_Plus);
    EXPECT_NEAR(plot.shown_x_range().second - plot.shown_x_range().first, 99 * 0.8, 1e-9);
}

TEST_F(PlotView, TheTimeAxisCountsFromItsOrigin) {
    plot.set_time_origin(10.0);
    plot.set_x_axis(ui::PlotWidget::XAxis::Time);
    expect_range(plot.shown_x_range(), {-10.0, 9.5}, 1e-9);
    EXPECT_EQ(plot.seconds_at(39), 9.5);
    plot.zoom_to(Range{0.0, 2.0}, std::nullopt);
    EXPECT_EQ(plot.shown_points(), std::make_pair(std::size_t{20}, std::size_t{25}));
    // Back to numbers: the whole strip again.
    plot.set_x_axis(ui::PlotWidget::XAxis::Number);
    expect_range(plot.shown_x_range(), {0, 99}, 0);
}

}  // namespace
