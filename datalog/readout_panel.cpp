#include "datalog/readout_panel.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHeaderView>

#include "datalog/graph_panel.h"
#include "datalog/readout.h"
#include "datalog/readout_list_model.h"
#include "datalog/readout_selection.h"
#include "export/ascii_export_panel.h"
#include "settings/datalog_blocks.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/panel_setup.h"
#include "ui/ui.h"
#include "ui_datalog_readout.h"

namespace datalog {

namespace {

class ReadoutPanel : public QDialog, private ReadoutProgress {
  public:
    explicit ReadoutPanel(QWidget* parent);
    int run();

    // The close button, the close box and Escape: while reading they stop the
    // read-out, otherwise they close the panel.
    void reject() override;

  private:
    // The read-out's progress: the bar, the "Abbrechen" button, and the operator's
    // input while it runs (the other controls rest meanwhile).
    void started(std::int32_t first_index, std::int32_t last_index) override;
    void advanced(std::int32_t next_index) override;
    bool cancel_requested() override;
    void finished() override;

    void fill_block_selector();
    void caluculate_transfer_time();
    void show_range();
    void show_counts();
    void block_chosen();
    bool take_range();
    void read_pressed();
    void set_results_enabled(bool enabled);
    void set_controls_enabled(bool enabled);
    void show_cancel_button(bool shown);

    Ui::ReadoutDialog form_;
    ReadoutListModel model_;
    bool reading_ = false;
    bool cancel_ = false;
    std::int32_t first_index_ = 0;
};

ReadoutPanel::ReadoutPanel(QWidget* parent) : QDialog(parent) {
    form_.setupUi(this);
    Ui::ReadoutDialog& f = form_;
    f.valueList->setModel(&model_);
    f.valueList->header()->setStretchLastSection(true);

    ui::on_operator(f.blockSelector, &QComboBox::currentIndexChanged, this,
                    [this] { block_chosen(); });
    ui::on_operator(f.readAllSwitch, &QCheckBox::toggled, this, [this] {
        rec::upload.read_all = form_.readAllSwitch->isChecked() ? 1 : 0;
        caluculate_transfer_time();
        show_range();
    });
    auto range_edited = [this] {
        if (take_range()) caluculate_transfer_time();
    };
    ui::on_operator(f.fromSpin, &QSpinBox::valueChanged, this, range_edited);
    ui::on_operator(f.toSpin, &QSpinBox::valueChanged, this, range_edited);
    ui::on_operator(f.valuesOnlySwitch, &QCheckBox::toggled, this, range_edited);
    ui::on_operator(f.graphButton, &QPushButton::clicked, this, [this] { show_graphic(this); });
    ui::on_operator(f.exportButton, &QPushButton::clicked, this,
                    [this] { exporting::run_ascii_export_panel(this); });
    ui::on_operator(f.readButton, &QPushButton::clicked, this, [this] { read_pressed(); });
    ui::on_operator(f.cancelButton, &QPushButton::clicked, this, [this] { cancel_ = true; });
    ui::on_operator(f.closeButton, &QPushButton::clicked, this, &ReadoutPanel::reject);
    ui::prepare_panel(*this);
}

int ReadoutPanel::run() {
    Ui::ReadoutDialog& f = form_;
    {
        const QSignalBlocker blockers[] = {QSignalBlocker(f.readAllSwitch),
                                           QSignalBlocker(f.valuesOnlySwitch),
                                           QSignalBlocker(f.statisticsSwitch)};
        f.readAllSwitch->setChecked(rec::upload.read_all == 1);
        f.valuesOnlySwitch->setChecked(rec::upload.values_only == 1);
        f.statisticsSwitch->setChecked(rec::upload.with_statistics == 1);
    }
    fill_block_selector();
    caluculate_transfer_time();
    show_counts();
    f.progressBar->hide();
    show_cancel_button(false);
    set_results_enabled(false);
    show_range();
    return exec();
}

void ReadoutPanel::fill_block_selector() {
    QSignalBlocker blocker(form_.blockSelector);
    form_.blockSelector->clear();
    for (int block = 0; block < rec::DATALOG_BLOCKS; ++block)
        form_.blockSelector->addItem(
            QString::number(block) + ", " +
            QString::fromStdString(text::field_text_utf8(rec::datalog.block_name[block])));
    const int active = rec::datalog.active_block;
    form_.blockSelector->setCurrentIndex(settings::valid_block(active) ? active : -1);
}

// The fill text, and the read button and the estimate, which need stored values.
void ReadoutPanel::show_counts() {
    form_.fillText->setText(QString::fromStdString(text::field_text_utf8(rec::datalog.count_text)));
    const bool values = rec::datalog.value_count > 0;
    form_.readButton->setEnabled(values);
    form_.estimate->setEnabled(values);
}

void ReadoutPanel::caluculate_transfer_time() {
    rec::upload.read_all = form_.readAllSwitch->isChecked() ? 1 : 0;
    rec::upload.values_only = form_.valuesOnlySwitch->isChecked() ? 1 : 0;
    const bool read_all = rec::upload.read_all == 1;
    const std::int32_t count =
        read_all ? rec::datalog.value_count : rec::upload.last_index - rec::upload.first_index + 1;
    const double seconds = transfer_time_estimate(count, rec::upload.values_only == 1, read_all);
    form_.estimate->setText(QString::number(seconds, 'f', 1));
}

void ReadoutPanel::show_range() {
    Ui::ReadoutDialog& f = form_;
    const bool range = rec::upload.read_all == 0;
    if (range) {
        const int highest = std::max<int>(1, rec::datalog.value_count);
        const QSignalBlocker blockers[] = {QSignalBlocker(f.fromSpin), QSignalBlocker(f.toSpin)};
        f.fromSpin->setRange(1, highest);
        f.toSpin->setRange(1, highest);
        f.fromSpin->setValue(rec::upload.first_index);
        f.toSpin->setValue(rec::upload.last_index);
    }
    for (QWidget* w : {static_cast<QWidget*>(f.fromLabel), static_cast<QWidget*>(f.fromSpin),
                       static_cast<QWidget*>(f.toLabel), static_cast<QWidget*>(f.toSpin)})
        w->setVisible(range);
}

void ReadoutPanel::block_chosen() {
    const int block = form_.blockSelector->currentIndex();
    if (settings::valid_block(block) && block != rec::datalog.active_block) {
        // What was read belongs to the block before; it is not offered for this one.
        set_results_enabled(false);
        select_readout_block(block);
        show_counts();
        caluculate_transfer_time();
    }
    show_range();
}

// The from and to controls into the record; false (and the operator told) when "to"
// lies before "from".
bool ReadoutPanel::take_range() {
    return take_readout_range(form_.fromSpin->value(), form_.toSpin->value());
}

void ReadoutPanel::read_pressed() {
    Ui::ReadoutDialog& f = form_;
    if (!choose_readout_range(f.readAllSwitch->isChecked(), f.fromSpin->value(), f.toSpin->value()))
        return;
    rec::upload.values_only = f.valuesOnlySwitch->isChecked() ? 1 : 0;
    rec::upload.with_statistics = f.statisticsSwitch->isChecked() ? 1 : 0;

    set_results_enabled(false);
    model_.clear();
    ui::process_events();
    read_data_logger(*this);
    model_.show_readout();
    for (int row = 0; row < model_.statistics_rows(); ++row)
        f.valueList->setFirstColumnSpanned(row, {}, true);
    const instrument::DatalogReadout& readout = instrument::dl_readout;
    set_results_enabled(readout.dl_buffers_allocated() && readout.dl_mem_counts() > 0);
}

void ReadoutPanel::set_results_enabled(bool enabled) {
    form_.graphButton->setEnabled(enabled);
    form_.exportButton->setEnabled(enabled);
}

void ReadoutPanel::set_controls_enabled(bool enabled) {
    Ui::ReadoutDialog& f = form_;
    for (QWidget* w :
         {static_cast<QWidget*>(f.blockSelector), static_cast<QWidget*>(f.readAllSwitch),
          static_cast<QWidget*>(f.fromSpin), static_cast<QWidget*>(f.toSpin),
          static_cast<QWidget*>(f.valuesOnlySwitch), static_cast<QWidget*>(f.statisticsSwitch),
          static_cast<QWidget*>(f.readButton), static_cast<QWidget*>(f.closeButton),
          static_cast<QWidget*>(f.valueList)})
        w->setEnabled(enabled);
}

// "Abbrechen" is there only while reading; hidden, it is disabled too, so assistive
// technology, which still lists it, cannot press it.
void ReadoutPanel::show_cancel_button(bool shown) {
    form_.cancelButton->setVisible(shown);
    form_.cancelButton->setEnabled(shown);
}

void ReadoutPanel::started(std::int32_t first_index, std::int32_t last_index) {
    reading_ = true;
    cancel_ = false;
    set_controls_enabled(false);
    // Counted in values read: "1200 von 20000".
    first_index_ = first_index;
    form_.progressBar->setRange(0, std::max(0, last_index - first_index + 1));
    form_.progressBar->setValue(0);
    form_.progressBar->show();
    show_cancel_button(true);
    form_.cancelButton->setFocus();
}

void ReadoutPanel::advanced(std::int32_t next_index) {
    form_.progressBar->setValue(std::min(next_index - first_index_, form_.progressBar->maximum()));
    QCoreApplication::processEvents();
}

bool ReadoutPanel::cancel_requested() {
    // The one place the operator's input is taken during a read-out: only the
    // "Abbrechen" button (and Escape or the close box, which mean the same) is live.
    QCoreApplication::processEvents();
    return cancel_;
}

void ReadoutPanel::finished() {
    reading_ = false;
    form_.progressBar->hide();
    show_cancel_button(false);
    set_controls_enabled(true);
    show_counts();
}

void ReadoutPanel::reject() {
    if (reading_) {
        cancel_ = true;
        return;
    }
    model_.clear();
    instrument::dl_readout.release();
    QDialog::reject();
}

}  // namespace

int upload_menue(QWidget* parent) {
    settings::get_counts();
    ReadoutPanel panel(ui::dialog_parent(parent));
    panel.run();
    return 0;
}

}  // namespace datalog
