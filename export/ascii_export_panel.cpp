#include "export/ascii_export_panel.h"

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>

#include "export/export_data.h"
#include "export/export_file.h"
#include "export/export_types.h"
#include "export/statistics_block.h"
#include "text/latin1.h"
#include "text/text_field.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/panel_setup.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"
#include "ui_ascii_export.h"

namespace exporting {

int run_ascii_export_panel(QWidget* parent) {
    // The list is read once for each opening, so it never holds a type twice.
    if (get_export_types() != 1) {
        storing_ended();
        return -1;
    }
    QDialog dialog(ui::dialog_parent(parent));
    Ui::AsciiExportDialog form;
    form.setupUi(&dialog);
    for (int i = 0; i <= export_type_last; ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(
            text::latin1_to_utf8(text::field_text(export_types[i].export_type_name))));
        item->setData(Qt::UserRole, QString::fromStdString(std::string(
                                        text::field_text(export_types[i].export_type_file))));
        form.typeList->addItem(item);
    }
    if (form.typeList->count() > 0) form.typeList->setCurrentRow(0);
    form.okButton->setEnabled(form.typeList->count() > 0);
    // Only a running measurement has statistics to close its export with.
    QCheckBox* statistics = nullptr;
    if (measure_store_mode == 1) {
        statistics = new QCheckBox(
            ui::shown_text(UI_TEXT("ohm7416", "Statistik beim Stopp anhängen")), &dialog);
        statistics->setObjectName(QStringLiteral("statisticsSwitch"));
        statistics->setChecked(statistics_at_stop == 1);
        form.mainLayout->insertWidget(form.mainLayout->indexOf(form.typeList) + 1, statistics);
        QWidget::setTabOrder(form.typeList, statistics);
    }
    ui::prepare_panel(dialog);

    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(form.typeList, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted || !form.typeList->currentItem()) {
        storing_ended();
        return -1;
    }
    if (statistics) statistics_at_stop = statistics->isChecked() ? 1 : 0;
    std::string format_file =
        form.typeList->currentItem()->data(Qt::UserRole).toString().toStdString();
    return export_data(format_file);
}

}  // namespace exporting
