// A histogram drawn with QPainter: bars of counts over a value axis with its unit,
// vertical lines with captions (the comparator limits, the mean), and a caption that
// says how the bins were chosen.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "stats/histogram.h"
#include "stats/ohm_units.h"

namespace ui {

class HistogramWidget : public QWidget {
    Q_OBJECT
  public:
    struct Bar {
        double low;
        double high;
        std::uint64_t count;
    };
    struct Line {
        double x;
        QColor color;
        QString caption;
    };

    explicit HistogramWidget(QWidget* parent = nullptr);

    // The bins of `histogram` by Scott's rule for `deviation`, in `unit`, with the lines
    // (in ohms) and the caption that names the rule and the bin width.
    void show_histogram(const stats::Histogram& histogram, std::optional<double> deviation,
                        const stats::OhmUnit& unit, const std::vector<Line>& lines_in_ohms);

    const std::vector<Bar>& bars() const { return bars_; }
    const std::vector<Line>& lines() const { return lines_; }
    QString unit_name() const { return unit_; }
    QString caption() const { return caption_; }

    QSize sizeHint() const override { return {520, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Bar> bars_;
    std::vector<Line> lines_;
    QString unit_;
    QString caption_;
};

}  // namespace ui
