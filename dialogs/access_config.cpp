#include "dialogs/access_config.h"

#include <QCheckBox>
#include <QDialog>
#include <array>
#include <cstdint>

#include "dialogs/dialog_support.h"
#include "settings/device_access.h"
#include "settings/records.h"
#include "instrument/transfer_run.h"
#include "ui/ui.h"
#include "ui_access_config.h"

namespace dialogs {

namespace {

constexpr int SWITCHES = 19;

// The record's fields in record order, which is the order of the switches.
std::array<std::int32_t*, SWITCHES> fields(rec::Access& a) {
    return {&a.meas, &a.expr, &a.lim_conf, &a.lim_eval, &a.prin,     &a.comp, &a.comm,
            &a.mem,  &a.scal, &a.dat,      &a.env_eval, &a.env_conf, &a.cont, &a.stat,
            &a.reg,  &a.date, &a.fast,     &a.cal,      &a.manr};
}

}  // namespace

int access_config() {
    RecordSnapshot snapshot(rec::access);
    QDialog dialog(dialog_parent());
    fix_window(dialog);
    Ui::AccessConfigDialog form;
    form.setupUi(&dialog);
    const std::array<QCheckBox*, SWITCHES> switches = {
        form.measCheck,    form.exprCheck,    form.limConfCheck, form.limEvalCheck, form.prinCheck,
        form.compCheck,    form.commCheck,    form.memCheck,     form.scalCheck,    form.datCheck,
        form.envEvalCheck, form.envConfCheck, form.contCheck,    form.statCheck,    form.regCheck,
        form.dateCheck,    form.fastCheck,    form.calCheck,     form.manrCheck};
    auto record = fields(rec::access);
    for (int i = 0; i < SWITCHES; ++i) show_flag(switches[i], *record[i]);

    ui::on_operator(form.calCheck, &QCheckBox::toggled, &dialog, [](bool on) {
        if (on)
            ui::message_box(
                UI_TEXT("ohm7416", "Frage :"),
                UI_TEXT("ohm7416", "Achtung:\n\nSie geben Zugriff auf das Kalibriermenu."));
    });
    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, [&] {
        for (int i = 0; i < SWITCHES; ++i) store_flag(switches[i], *record[i]);
        if (connection_lost(settings::send_device_access(rec::access),
                            UI_TEXT("ohm7416", "Gerätezugriff")))
            return;
        ui::delay(instrument::STEP_PAUSE);
        dialog.accept();
    });
    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return -1;
    snapshot.keep();
    return 0;
}

}  // namespace dialogs
