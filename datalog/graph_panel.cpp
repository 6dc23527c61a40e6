#include "datalog/graph_panel.h"

#include <QDialog>

#include "datalog/graph_statistics.h"
#include "export/export_data.h"
#include "settings/print_settings.h"
#include "files/project_dir.h"
#include "instrument/readout_buffers.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/panel_setup.h"
#include "ui/qt/translation.h"
#include "ui/qt/widget_printing.h"
#include "ui/ui.h"
#include "ui_datalog_graph.h"

namespace datalog {

namespace {

const QColor CURVE_COLOUR(0, 160, 0);

void plot_readout(ui::PlotWidget& plot) {
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    auto values = readout.dl_num_value();
    plot.set_traces({{CURVE_COLOUR}});
    plot.set_curve(std::vector<float>(values.begin(), values.end()));
    plot.set_axis_name(QStringLiteral("Ohm"));
    plot.set_lines_on_top(true);
    // The lines belong to the statistics read with these values; a block without
    // measured values has none to draw.
    const instrument::ReadoutSource& source = readout.source();
    if (source.with_statistics && !source.statistics_empty) {
        plot.set_lines(
            {{instrument::dblmin, Qt::red, ui::shown_text(UI_TEXT("ohm7416", "Minimum"))},
             {instrument::dblmax, Qt::red, ui::shown_text(UI_TEXT("ohm7416", "Maximum"))},
             {instrument::dblavg, Qt::magenta, ui::shown_text(UI_TEXT("ohm7416", "Mittelwert"))}});
    } else {
        plot.set_lines({});
    }
}

}  // namespace

void show_graphic(QWidget* parent) {
    QDialog dialog(ui::dialog_parent(parent));
    Ui::DataloggerGraphDialog form;
    form.setupUi(&dialog);
    plot_readout(*form.plot);
    add_graph_tools(dialog, form);
    ui::prepare_panel(dialog);

    ui::on_operator(form.printButton, &QPushButton::clicked, &dialog,
                     [&] { ui::print_panel(*form.plot, settings::set_print_attributes()); });
    ui::on_operator(form.commentButton, &QPushButton::clicked, &dialog, [&] {
        auto comment = ui::prompt(UI_TEXT("ohm7416", "Eingabe Kommentar"),
                                  UI_TEXT("ohm7416", "Geben Sie bitte den Kommentar ein"),
                                  exporting::REMARK_LENGTH);
        if (comment) form.plot->set_title(QString::fromStdString(*comment));
    });
    ui::on_operator(form.saveImageButton, &QPushButton::clicked, &dialog, [&] {
        ui::save_widget_image(*form.plot, files::join_path(files::curr_dir, "EXPORT"));
    });
    ui::on_operator(form.closeButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}

}  // namespace datalog
