#include "dialogs/memory_dialogs.h"

#include <QDialog>
#include <QListWidget>
#include <string>

#include "dialogs/dialog_support.h"
#include "driver/zk7416.h"
#include "text/command_text.h"
#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "settings/transfer.h"
#include "instrument/transfer_run.h"
#include "ui/glob.h"
#include "ui/panel_hooks.h"
#include "ui/ui.h"
#include "ui_activate_memory.h"
#include "ui_save_memory.h"

namespace dialogs {

namespace {

using instrument::tarvolux;

constexpr int DEFAULT_BLOCK = rec::MEMORY_LABELS - 1;
constexpr std::size_t LABEL_LENGTH = 10;

// "5,PROBE1", and "Default,..." for the default block.
QString list_label(int block) {
    QString name = latin1_text(text::field_text(rec::memory.label[block]));
    if (block == DEFAULT_BLOCK) return QStringLiteral("Default,") + name;
    return QString::number(block) + ',' + name;
}

// The list of all blocks, the last chosen one selected. Records change only after
// the instrument carried out what the operator asked for.
void fill_list(QListWidget* list) {
    QSignalBlocker quiet(list);
    for (int block = 0; block < rec::MEMORY_LABELS; ++block) {
        auto* item = new QListWidgetItem(list_label(block));
        item->setData(Qt::UserRole, block);
        list->addItem(item);
    }
    int selected = rec::memory.selected;
    list->setCurrentRow(selected >= 0 && selected < rec::MEMORY_LABELS ? selected : 0);
}

int chosen_block(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

std::string chosen_label(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text().toStdString() : std::string();
}

// Gives the chosen block a new label: the operator's text goes to the instrument, and
// the label the instrument then reports goes into the record and the list.
void change_mem_label(QListWidget* list) {
    int block = chosen_block(list);
    if (block < 0) return;
    std::string label = chosen_label(list);
    std::string name = label.substr(label.find(',') + 1);
    std::optional<std::string> answer = ui::prompt(
        UI_TEXT("ohm7416", "Beschriftung ändern"),
        ui::compose(UI_TEXT("ohm7416",
                            "Der aktuelle Name von diesem Block ist : \n\n%1\n\nÄndern Sie "
                            "diesen Namen indem Sie das neue Text eingeben\nBitte keine "
                            "Leerzeichen eingegeben.\n\nDrücken Sie <ESC> zum Abbruch."),
                    name),
        LABEL_LENGTH);
    if (!answer) return;
    str_kill_space(*answer);
    if (answer->empty()) return;
    std::optional<std::string> text = text::checked_command_text(*answer, LABEL_LENGTH);
    if (!text) return;

    char buffer[ZK7416_NAME_SIZE] = {};
    text::copy_text(buffer, *text);
    if (connection_lost(zk7416_set_config_memory_label(tarvolux, block, buffer),
                        UI_TEXT("ohm7416", "Beschriftung schreiben")))
        return;
    rec::memory.selected = block;
    ui::delay(instrument::STEP_PAUSE);
    char reported[ZK7416_NAME_SIZE] = {};
    if (connection_lost(zk7416_get_config_memory_label(tarvolux, block, reported),
                        UI_TEXT("ohm7416", "Beschriftung lesen")))
        return;
    text::copy_text(rec::memory.label[block], text::field_text(reported));
    list->item(block)->setText(list_label(block));
}

}  // namespace

int activate_memory() {
    QDialog dialog(dialog_parent());
    fix_window(dialog);
    Ui::ActivateMemoryDialog form;
    form.setupUi(&dialog);
    fill_list(form.memoryList);

    std::string label;
    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, [&] {
        int block = chosen_block(form.memoryList);
        if (block < 0) return;
        if (failed(zk7416_get_config_memory(tarvolux, block),
                   UI_TEXT("ohm7416", "Einstellungen aktivieren")))
            return;
        rec::memory.selected = block;
        label = chosen_label(form.memoryList);
        dialog.accept();
    });
    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return -1;

    // The recalled block changed the instrument's settings; the records follow.
    int uploaded = settings::upload_current_state(0);
    ui::UpdateMeasurePanel();
    if (uploaded == 0)
        ui::message_box(
            UI_TEXT("ohm7416", "Meldung :"),
            ui::compose(UI_TEXT("ohm7416", "Die Einstellungen vom Block '%1' sind aktiviert"),
                        label));
    return 0;
}

int save_memory() {
    QDialog dialog(dialog_parent());
    Ui::SaveMemoryDialog form;
    form.setupUi(&dialog);
    fill_list(form.memoryList);

    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, [&] {
        int block = chosen_block(form.memoryList);
        if (block < 0) return;
        if (block == DEFAULT_BLOCK) {
            ui::message_box(UI_TEXT("ohm7416", "Meldung :"),
                            UI_TEXT("ohm7416", "Der Default Block kann nicht verändert werden"));
            return;
        }
        if (failed(zk7416_set_config_memory(tarvolux, block),
                   UI_TEXT("ohm7416", "Einstellungen speichern")))
            return;
        rec::memory.selected = block;
        ui::message_box(UI_TEXT("ohm7416", "Meldung :"),
                        ui::compose(UI_TEXT("ohm7416",
                                            "Die aktuellen Einstellungen sind im Block "
                                            "'%1' gespeichert"),
                                    chosen_label(form.memoryList)));
    });
    QObject::connect(form.memoryList, &QListWidget::customContextMenuRequested, &dialog,
                     [&] { change_mem_label(form.memoryList); });
    ui::on_operator(form.relabelButton, &QPushButton::clicked, &dialog,
                    [&] { change_mem_label(form.memoryList); });
    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    dialog.exec();
    return 0;
}

}  // namespace dialogs
