// The measure panel: the operator's working view while measuring. The running value,
// the measurement settings that can be changed on the spot, the comparator, envelope,
// datalogger, temperature and printer functions with their results, and the graph.
// One can be open at a time; it lives from the menu item until its close button.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "measure/measure_cycle.h"

namespace Ui {
class MeasurePanel;
}

namespace measure {

class OperatorView;

// 1 while the graph is shown; only then does the tick plot.
extern int graphic_ctrl_loaded;
// Set when the panel opens: the first refresh fills the block list.
extern int panel_just_loaded;

class MeasurePanel : public QWidget, public CycleView {
    Q_OBJECT
  public:
    // How often the timers look at the instrument.
    static constexpr int MEASUREMENT_TICK_MS = 50;
    static constexpr int TEMPERATURE_TICK_MS = 1000;

    MeasurePanel(QWidget* parent, bool demo_switch_visible, std::function<void()> on_closed);
    ~MeasurePanel() override;

    // Shows the records on every control. Returns 0.
    int UpdateMeasurePanel();
    // 0 hides the graph; anything else shows it and sets it up for the range and the
    // comparator.
    void set_graphic(int show);
    // What the close button does: storing ends, the measurement stops, the panel goes.
    void close_panel();

    Ui::MeasurePanel& form() { return *ui_; }
    QTimer& measurement_timer() { return measurement_timer_; }
    QTimer& temperature_timer() { return temperature_timer_; }
    // Chart tools, horizontal axis, statistics and histogram.
    OperatorView& operator_view() { return *operator_view_; }

    // CycleView
    void show_value(const std::string& text) override;
    void show_temperature(double celsius) override;
    void set_start_switch(bool on) override;
    void set_lamp(bool lit) override;
    void start_temperature_timer() override;
    void enter_measuring_state() override;
    void leave_measuring_state() override;
    void datalogger_switch_off() override;
    void show_stop_results(bool datalogger, bool envelope, bool comparator) override;
    bool graph_shown() const override;
    void set_graph_axis(const Axis& axis) override;
    void plot(const std::array<double, 5>& values) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void finish();
    void connect_controls();
    void connect_function_switches();
    void connect_settings_controls();
    void connect_graph_controls();
    void fill_choices();

    // Function switches and close button.
    void on_datalogger_switch();
    void on_comparator_switch();
    void on_envelope_switch();
    void on_printer_switch();

    // Settings controls.
    void on_graph_switch();
    void on_store_switch();
    void on_continuous_switch();
    void on_range();
    void on_auto_range_limit();
    void on_display_mode();
    void on_reference();
    void on_block_chosen();
    void on_block_rename();
    void on_fill_text_click();
    void on_envelope_clear();
    void on_temperature_compensation();
    void on_temperatures();
    void on_memory_button();

    // Graph controls.
    void on_axis_limits();
    void on_comment();
    void on_print();
    void on_save_image();

    void show_display_mode_controls(int mode);
    void show_temperature_group();
    void show_range_controls();
    void show_envelope_reports();
    void show_counts();
    void show_fill_text();
    void fill_block_list();
    void set_block_entry(int block);
    void set_results_dimmed(bool dimmed);
    std::vector<QWidget*> settings_controls();
    void set_axis_fields(double low, double high);
    void switch_comparator_on_for_classes();

    std::unique_ptr<Ui::MeasurePanel> ui_;
    QTimer measurement_timer_;
    QTimer temperature_timer_;
    std::function<void()> on_closed_;
    bool closed_ = false;
    OperatorView* operator_view_ = nullptr;
};

// The panel while it is open, else nullptr.
MeasurePanel* measure_panel();
// Opens the panel as a window of `parent`. `on_closed` runs when it has closed (the
// main menu enables its item again).
MeasurePanel* open_measure_panel(QWidget* parent, bool demo_switch_visible,
                                 std::function<void()> on_closed);
// Closes the open panel as its close button does (nothing when none is open).
void close_measure_panel();

// The start switch of the open panel, switched as a click would (the key F5 in the
// panel and the menu item of the main window).
void toggle_start_switch();

}  // namespace measure
