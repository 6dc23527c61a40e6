// The operator's tools for a chart, in a row beside it: fit the value axis to the
// values shown, zoom in and out, go back to the program's axes, and copy or save the
// values shown. Each has a keyboard shortcut (shown in its tooltip) that works
// anywhere in the chart's window while the chart is shown; the row shows and hides
// with the chart.
#pragma once

#include <QKeySequence>
#include <QWidget>
#include <functional>

class QHBoxLayout;
class QPushButton;

namespace ui {

class PlotWidget;

class ChartTools : public QWidget {
    Q_OBJECT
  public:
    ChartTools(PlotWidget& plot, QWidget* parent);

    // What "Daten kopieren" and "Als CSV speichern" do; the buttons show only once set.
    void set_value_actions(std::function<void()> copy, std::function<void()> save);
    // The row, for controls of the chart's owner after the tools.
    QHBoxLayout& row() { return *row_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // `caption` and `purpose` are marked German texts, shown in the language chosen.
    QPushButton* add_button(const char* name, const char* caption, const char* purpose,
                            const QKeySequence& keys);

    PlotWidget& plot_;
    QHBoxLayout* row_;
    QPushButton* copy_;
    QPushButton* save_;
    std::function<void()> copy_action_;
    std::function<void()> save_action_;
};

// "purpose (keys)", the keys as the operator's desktop writes them.
QString with_shortcut(const QString& purpose, const QKeySequence& keys);

}  // namespace ui
