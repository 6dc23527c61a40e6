// The measurement graph on the panel: shown or hidden, its axis for the range, one
// point per value on each trace, its axis-limit fields, comment, printing and image.
#include "export/export_data.h"
#include "measure/graph_axis.h"
#include "measure/graph_colours.h"
#include "measure/measure_panel.h"
#include "settings/print_settings.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "ui/callback_scope.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/record_controls.h"
#include "ui/qt/widget_printing.h"
#include "ui/ui.h"
#include "ui_measure_panel.h"

namespace measure {

namespace {

std::vector<ui::PlotWidget::TraceStyle> trace_styles(int count) {
    std::vector<ui::PlotWidget::TraceStyle> styles{{MEASURED_COLOUR, true}};
    if (count >= 3) {
        QColor inner = count == 3 ? TWO_LIMITS_COLOUR : INNER_LIMITS_COLOUR;
        styles.push_back({inner, false});
        styles.push_back({inner, false});
    }
    if (count == 5) {
        styles.push_back({OUTER_LIMITS_COLOUR, false});
        styles.push_back({OUTER_LIMITS_COLOUR, false});
    }
    return styles;
}

}  // namespace

void MeasurePanel::connect_graph_controls() {
    auto& u = *ui_;
    ui::on_operator(u.axisLowSpin, &QDoubleSpinBox::valueChanged, this,
                    &MeasurePanel::on_axis_limits);
    ui::on_operator(u.axisHighSpin, &QDoubleSpinBox::valueChanged, this,
                    &MeasurePanel::on_axis_limits);
    ui::on_operator(u.commentButton, &QPushButton::clicked, this, &MeasurePanel::on_comment);
    ui::on_operator(u.printButton, &QPushButton::clicked, this, &MeasurePanel::on_print);
    ui::on_operator(u.imageButton, &QPushButton::clicked, this, &MeasurePanel::on_save_image);
}

void MeasurePanel::set_graphic(int show) {
    auto& u = *ui_;
    bool shown = show != 0;
    graphic_ctrl_loaded = shown ? 1 : 0;
    for (QWidget* w : {static_cast<QWidget*>(u.plot), static_cast<QWidget*>(u.commentButton),
                       static_cast<QWidget*>(u.printButton), static_cast<QWidget*>(u.imageButton)})
        w->setVisible(shown);
    ui::set_checked(u.graphSwitch, shown);
    auto fixed = shown ? fixed_range_axis(rec::measurement_configuration.range) : std::nullopt;
    for (QWidget* w :
         {static_cast<QWidget*>(u.axisLowSpin), static_cast<QWidget*>(u.axisHighSpin),
          static_cast<QWidget*>(u.axisLowLabel), static_cast<QWidget*>(u.axisHighLabel)})
        w->setVisible(fixed.has_value());
    if (!shown) return;
    if (fixed) {
        set_axis_fields(fixed->low, fixed->high);
        u.plot->set_axis_name(QString::fromStdString(fixed->name));
        u.plot->set_value_range(fixed->low, fixed->high);
    } else {
        u.plot->set_axis_name(QStringLiteral("Ohm"));
    }
    // The comment of the export, or the one entered for the graph, labels it.
    u.plot->set_title(QString::fromStdString(exporting::remark_text));
    // Exactly as many traces as the comparator has limits to draw.
    u.plot->set_traces(trace_styles(trace_count(rec::compare.state, rec::compare.limit_count)));
}

bool MeasurePanel::graph_shown() const {
    return graphic_ctrl_loaded == 1;
}

void MeasurePanel::set_axis_fields(double low, double high) {
    ui::show_real(ui_->axisLowSpin, low);
    ui::show_real(ui_->axisHighSpin, high);
}

void MeasurePanel::set_graph_axis(const Axis& axis) {
    set_axis_fields(axis.low, axis.high);
    ui_->plot->set_axis_name(QString::fromStdString(axis.name));
    ui_->plot->set_value_range(axis.low, axis.high);
}

void MeasurePanel::plot(const std::array<double, 5>& values) {
    ui_->plot->append(std::vector<double>(values.begin(), values.end()));
}

void MeasurePanel::on_axis_limits() {
    double low = ui_->axisLowSpin->value();
    double high = ui_->axisHighSpin->value();
    if (low < high) ui_->plot->set_value_range(low, high);
}

void MeasurePanel::on_comment() {
    ui::CallbackScope scope;
    auto comment = ui::prompt(UI_TEXT("ohm7416", "Eingabe Kommentar"),
                              UI_TEXT("ohm7416", "Geben Sie bitte den Kommentar ein"),
                              exporting::REMARK_LENGTH);
    if (!comment) return;
    exporting::remark_text = QString::fromStdString(*comment)
                                 .left(static_cast<int>(exporting::REMARK_LENGTH))
                                 .toStdString();
    ui_->plot->set_title(QString::fromStdString(exporting::remark_text));
}

void MeasurePanel::on_print() {
    ui::CallbackScope scope;
    ui::print_panel(*ui_->plot, settings::set_print_attributes());
}

void MeasurePanel::on_save_image() {
    ui::CallbackScope scope;
    ui::save_widget_image(*ui_->plot, files::join_path(files::curr_dir, "EXPORT"));
}

}  // namespace measure
