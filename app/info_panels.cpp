#include "app/info_panels.h"

#include <QDialog>

#include "settings/records.h"
#include "app/record_text.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/panel_setup.h"
#include "ui_device_info.h"
#include "ui_program_info.h"

namespace app {
namespace {

// Fixed windows: no minimise or maximise.
template <typename Form>
void prepare(QDialog& dialog, Form& form) {
    form.setupUi(&dialog);
    ui::prepare_panel(dialog);
    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
}

}  // namespace

void show_program_info(QWidget* parent) {
    QDialog dialog(parent);
    Ui::ProgramInfoDialog form;
    prepare(dialog, form);
    form.versionText->setText(QString::fromUtf8(kProgramVersion));
    dialog.exec();
}

void show_device_info(QWidget* parent) {
    QDialog dialog(parent);
    Ui::DeviceInfoDialog form;
    prepare(dialog, form);
    const rec::Device& d = rec::device;
    form.firmwareText->setText(record_text(d.ident_4));
    form.identText->setText(record_text(d.ident_3));
    form.extraText->setText(record_text(d.ident_5));
    dialog.exec();
}

}  // namespace app
