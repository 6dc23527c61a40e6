// The measure panel's statistics group: what the program counted of the measurement
// since its start (or since "Statistik zurücksetzen"): count, mean, standard deviation,
// minimum, maximum, range, and with the comparator on Cp, Cpk and the count and share
// of each class; overloads, reference measurements and error codes apart. A button
// opens the histogram of the same values in a window of its own. Both show the figures
// the cycle keeps (live_statistics) and are refreshed a few times a second at most.
#pragma once

#include <QGroupBox>
#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

namespace ui {
class HistogramWidget;
}

namespace measure {

class HistogramWindow;

class StatisticsGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit StatisticsGroup(QWidget* parent);
    ~StatisticsGroup() override;

    // Shows the figures and the histogram as they are now, when anything changed since
    // the last refresh (or always with `force`).
    void refresh(bool force = false);
    HistogramWindow& histogram_window() { return *window_; }

  private:
    QLabel* add_figure(int row, int column, const QString& caption, const char* name);
    void show_figures();

    enum Figure { COUNT, MEAN, DEVIATION, MINIMUM, MAXIMUM, RANGE, CP, CPK, FIGURES };
    std::array<QLabel*, FIGURES> figures_{};
    std::array<QLabel*, 5> classes_{};
    std::array<QLabel*, 5> class_captions_{};
    QLabel* overloads_ = nullptr;
    QLabel* references_ = nullptr;
    QLabel* errors_ = nullptr;
    HistogramWindow* window_ = nullptr;
    std::uint64_t shown_version_ = ~std::uint64_t{0};
};

// The histogram of the values since the start or the reset, with the comparator
// limits and the mean drawn as lines.
class HistogramWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HistogramWindow(QWidget* parent);
    void refresh();
    ui::HistogramWidget& histogram() { return *histogram_; }

  private:
    ui::HistogramWidget* histogram_;
};

}  // namespace measure
