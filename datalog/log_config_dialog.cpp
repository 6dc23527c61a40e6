#include "datalog/log_config_dialog.h"

#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "datalog/block_statistics.h"
#include "driver/zk7416.h"
#include "settings/datalog_blocks.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "instrument/transfer_run.h"
#include "ui/qt/operator_actions.h"
#include "ui/panel_hooks.h"
#include "ui/qt/panel_setup.h"
#include "ui/qt/translation.h"
#include "ui/ui.h"
#include "ui_log_config.h"

namespace datalog {

namespace {

enum FilterMode { ALL, NO_FAIL, FAIL, EVERY_NTH, INTERVAL, DELTA };

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

class LogConfigDialog : public QDialog {
  public:
    explicit LogConfigDialog(QWidget* parent);
    int run();

    // Every way out (the close button, the close box, Escape) closes the same way.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill();
    void show_block_controls();
    void show_filter();
    void hide_filter_params();
    void get_statistics();
    void show_counts();
    void new_block_index();
    void change_block_label();
    void set_block_size();
    void filter_changed();
    void delete_block();
    void switch_datalogger(bool on);

    Ui::LogConfigDialog form_;
    QWidget* list_viewport_ = nullptr;
};

LogConfigDialog::LogConfigDialog(QWidget* parent) : QDialog(parent) {
    form_.setupUi(this);
    Ui::LogConfigDialog& f = form_;
    for (int block = 0; block < rec::DATALOG_BLOCKS; ++block)
        f.blockList->addItem(q(settings::block_list_label(block)));
    f.fillText->installEventFilter(this);
    f.blockList->installEventFilter(this);
    list_viewport_ = f.blockList->viewport();
    list_viewport_->installEventFilter(this);

    ui::on_operator(f.dataloggerSwitch, &QCheckBox::toggled, this,
                    [this](bool on) { switch_datalogger(on); });
    connect(f.blockList, &QListWidget::currentRowChanged, this, [this] { new_block_index(); });
    ui::on_operator(f.filterSelector, &QComboBox::currentIndexChanged, this,
                    [this] { filter_changed(); });
    for (QSpinBox* spin : {f.nSpin, f.hoursSpin, f.minutesSpin, f.secondsSpin})
        ui::on_operator(spin, &QSpinBox::valueChanged, this, [this] { filter_changed(); });
    ui::on_operator(f.deltaSpin, &QDoubleSpinBox::valueChanged, this, [this] { filter_changed(); });
    ui::on_operator(f.deleteButton, &QPushButton::clicked, this, [this] { delete_block(); });
    ui::on_operator(f.closeButton, &QPushButton::clicked, this, &LogConfigDialog::reject);
    ui::prepare_panel(*this);
}

void LogConfigDialog::fill() {
    const rec::Datalog& d = rec::datalog;
    QSignalBlocker block_switch(form_.dataloggerSwitch);
    QSignalBlocker block_list(form_.blockList);
    form_.dataloggerSwitch->setChecked(d.state == 1);
    form_.blockList->setCurrentRow(settings::valid_block(d.active_block) ? d.active_block : -1);
    show_counts();
    show_block_controls();
}

// The filter and the delete button need an active block; a record from a damaged file
// may name none until the operator picks one.
void LogConfigDialog::show_block_controls() {
    bool valid = settings::valid_block(rec::datalog.active_block);
    form_.filterGroup->setEnabled(valid);
    form_.deleteButton->setEnabled(valid);
    if (valid) show_filter();
    hide_filter_params();
}

void LogConfigDialog::show_filter() {
    const rec::Datalog& d = rec::datalog;
    const int b = d.active_block;
    Ui::LogConfigDialog& f = form_;
    const QSignalBlocker blockers[] = {
        QSignalBlocker(f.filterSelector), QSignalBlocker(f.nSpin),
        QSignalBlocker(f.hoursSpin),      QSignalBlocker(f.minutesSpin),
        QSignalBlocker(f.secondsSpin),    QSignalBlocker(f.deltaSpin)};
    f.filterSelector->setCurrentIndex(
        d.filter_mode[b] >= ALL && d.filter_mode[b] <= DELTA ? d.filter_mode[b] : -1);
    f.nSpin->setValue(d.filter_xval[b]);
    f.hoursSpin->setValue(d.filter_hours[b]);
    f.minutesSpin->setValue(d.filter_minutes[b]);
    f.secondsSpin->setValue(d.filter_seconds[b]);
    f.deltaSpin->setValue(d.filter_delta[b]);
}

void LogConfigDialog::hide_filter_params() {
    if (!settings::valid_block(rec::datalog.active_block)) return;
    const int mode = rec::datalog.filter_mode[rec::datalog.active_block];
    if (mode < ALL || mode > DELTA) return;
    Ui::LogConfigDialog& f = form_;
    auto show = [](QWidget* label, QWidget* control, bool visible) {
        label->setVisible(visible);
        control->setVisible(visible);
    };
    show(f.nLabel, f.nSpin, mode == EVERY_NTH);
    show(f.hoursLabel, f.hoursSpin, mode == INTERVAL);
    show(f.minutesLabel, f.minutesSpin, mode == INTERVAL);
    show(f.secondsLabel, f.secondsSpin, mode == INTERVAL);
    show(f.deltaLabel, f.deltaSpin, mode == DELTA);
}

void LogConfigDialog::get_statistics() {
    BlockStatistics statistics = read_block_statistics(rec::datalog.active_block);
    QLineEdit* displays[] = {form_.minimumText, form_.maximumText, form_.meanText,
                             form_.deviationText};
    for (std::size_t i = 0; i < 4; ++i) displays[i]->setText(ui::shown_text(statistics.shown[i]));
}

void LogConfigDialog::show_counts() {
    form_.fillText->setText(q(text::field_text_utf8(rec::datalog.count_text)));
    form_.freeMemory->setText(QString::number(rec::datalog.free_memory));
}

void LogConfigDialog::new_block_index() {
    if (!settings::make_active_block(form_.blockList->currentRow())) return;
    show_block_controls();
    get_statistics();
    show_counts();
}

void LogConfigDialog::change_block_label() {
    const int block = rec::datalog.active_block;
    if (!settings::rename_active_block()) return;
    if (QListWidgetItem* entry = form_.blockList->item(block))
        entry->setText(q(settings::block_list_label(block)));
}

void LogConfigDialog::set_block_size() {
    settings::resize_active_block();
    show_counts();
}

void LogConfigDialog::filter_changed() {
    rec::Datalog& d = rec::datalog;
    const int b = d.active_block;
    if (!settings::valid_block(b)) return;
    Ui::LogConfigDialog& f = form_;
    // The delta as the control shows the record's value, so that leaving the control
    // without an edit is no change even when the record holds more decimals.
    const double shown_delta =
        f.deltaSpin->valueFromText(f.deltaSpin->textFromValue(d.filter_delta[b]));
    const int mode = f.filterSelector->currentIndex();
    if (mode == d.filter_mode[b] && f.nSpin->value() == d.filter_xval[b] &&
        f.hoursSpin->value() == d.filter_hours[b] &&
        f.minutesSpin->value() == d.filter_minutes[b] &&
        f.secondsSpin->value() == d.filter_seconds[b] && f.deltaSpin->value() == shown_delta)
        return;
    if (mode < ALL) return;
    d.filter_mode[b] = mode;
    d.filter_xval[b] = f.nSpin->value();
    d.filter_hours[b] = f.hoursSpin->value();
    d.filter_minutes[b] = f.minutesSpin->value();
    d.filter_seconds[b] = f.secondsSpin->value();
    d.filter_delta[b] = f.deltaSpin->value();
    std::int32_t status = zk7416_set_datalogger_filter(
        instrument::tarvolux, b, d.filter_mode[b], d.filter_xval[b], d.filter_hours[b],
        d.filter_minutes[b], d.filter_seconds[b], d.filter_delta[b]);
    if (instrument::is_transport_error(status)) {
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Datalogger-Filter senden"), status);
    } else if (status != 0) {
        // The record shows what the instrument holds, not what it refused.
        std::int32_t read_back = zk7416_get_datalogger_filter(
            instrument::tarvolux, b, &d.filter_mode[b], &d.filter_xval[b], &d.filter_hours[b],
            &d.filter_minutes[b], &d.filter_seconds[b], &d.filter_delta[b]);
        show_filter();
        ui::message_box(
            UI_TEXT("ohm7416", "Fehler-Meldung :"),
            ui::compose(
                UI_TEXT("ohm7416", "Der Filter wurde nicht übernommen (Fehler %1: %2).\n\n%3"),
                status, ui::translatable(zk7416_status_text(status)),
                ui::translatable(read_back == 0 ? UI_TEXT("ohm7416",
                                                          "Angezeigt wird wieder die "
                                                          "Einstellung des Geräts.")
                                                : UI_TEXT("ohm7416",
                                                          "Die Einstellung des Geräts "
                                                          "konnte nicht gelesen werden."))));
    }
    hide_filter_params();
}

void LogConfigDialog::delete_block() {
    if (ui::confirm(UI_TEXT("ohm7416", "Bitte löschen bestätigen"),
                    UI_TEXT("ohm7416", "Block löschen?"))) {
        std::int32_t status =
            zk7416_datalogger_clear_block(instrument::tarvolux, rec::datalog.active_block);
        if (instrument::is_transport_error(status))
            instrument::report_connection_lost(UI_TEXT("ohm7416", "Datalogger-Block löschen"),
                                               status);
    }
    settings::get_counts();
    show_counts();
    get_statistics();
}

void LogConfigDialog::switch_datalogger(bool on) {
    rec::datalog.state = on ? 1 : 0;
    std::int32_t status = zk7416_set_datalogger_state(instrument::tarvolux, rec::datalog.state);
    if (instrument::is_transport_error(status))
        instrument::report_connection_lost(UI_TEXT("ohm7416", "Datalogger ein- oder ausschalten"),
                                           status);
}

void LogConfigDialog::reject() {
    ui::came_from_log_config = 1;
    if (ui::meas_panel_loaded) ui::UpdateMeasurePanel();
    QDialog::reject();
}

bool LogConfigDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress;
    const int pressed = key ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (watched == form_.fillText) {
        bool left_click = event->type() == QEvent::MouseButtonRelease &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        if (left_click || pressed == Qt::Key_Return || pressed == Qt::Key_Enter ||
            pressed == Qt::Key_Space) {
            set_block_size();
            return key;
        }
    } else if (watched == form_.blockList && pressed == Qt::Key_F2) {
        change_block_label();
        return true;
    } else if (watched == list_viewport_ && event->type() == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // The right click renames the active block; it must not choose another one.
        change_block_label();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int LogConfigDialog::run() {
    fill();
    get_statistics();
    return exec();
}

}  // namespace

int log_config(QWidget* parent) {
    settings::get_counts();
    LogConfigDialog dialog(ui::dialog_parent(parent));
    dialog.run();
    return 0;
}

}  // namespace datalog
