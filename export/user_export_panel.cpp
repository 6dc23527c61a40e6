#include "export/user_export_panel.h"

#include <QDialog>

#include "export/ascii_exp.h"
#include "text/latin1.h"
#include "text/text_field.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/panel_setup.h"
#include "ui/qt/translation.h"
#include "ui/ui.h"
#include "ui_user_export.h"

namespace exporting {

namespace {

constexpr const char* USER_FORMAT = "user.for";

// The tab and the blank cannot be seen in a field; they get their names, in the language
// shown (the German name is understood as well).
constexpr const char* TAB_NAME = UI_TEXT("ohm7416", "Tabulator");
constexpr const char* BLANK_NAME = UI_TEXT("ohm7416", "Leerzeichen");

bool names(const QString& text, const char* name) {
    return text == ui::shown_text(name) || text == QString::fromUtf8(name);
}

QString shown_separator(char c) {
    if (c == '\t') return ui::shown_text(TAB_NAME);
    if (c == ' ') return ui::shown_text(BLANK_NAME);
    if (c == '\0') return QString();
    return QString::fromStdString(text::latin1_to_utf8(std::string(1, c)));
}

std::string typed_separator(const QString& text) {
    if (names(text, TAB_NAME)) return "\t";
    if (names(text, BLANK_NAME)) return " ";
    return text.toStdString();
}

void fill_separator(QComboBox* combo, const QStringList& choices, char current) {
    combo->addItems(choices);
    combo->setCurrentText(shown_separator(current));
}

}  // namespace

int load_user_export_panel(QWidget* parent) {
    // A copy: a running measurement export keeps the separators it started with.
    AsciiExp format = ascii_exp;
    text::copy_text(format.format_file, USER_FORMAT);
    load_export_para(format);

    QDialog dialog(ui::dialog_parent(parent));
    Ui::UserExportDialog form;
    form.setupUi(&dialog);
    form.extensionEdit->setText(
        QString::fromStdString(std::string(text::field_text(format.extension))));
    fill_separator(form.decimalCombo, {QStringLiteral("."), QStringLiteral(",")},
                   format.decimal_separator);
    fill_separator(form.columnCombo,
                   {ui::shown_text(TAB_NAME), QStringLiteral(";"), QStringLiteral(","),
                    ui::shown_text(BLANK_NAME)},
                   format.column_separator);
    ui::prepare_panel(dialog);

    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, [&] {
        std::string extension = form.extensionEdit->text().trimmed().toStdString();
        if (!valid_extension(extension)) {
            ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                            UI_TEXT("ohm7416", "Unzulässige Dateierweiterung.Beispiel : <.txt>"));
            return;
        }
        std::string decimal = typed_separator(form.decimalCombo->currentText());
        std::string column = typed_separator(form.columnCombo->currentText());
        std::string refusal = separator_refusal(decimal, column);
        if (!refusal.empty()) {
            ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), refusal);
            return;
        }
        AsciiExp edited = format;
        text::copy_text(edited.extension, extension);
        edited.decimal_separator = separator_char(decimal);
        edited.column_separator = separator_char(column);
        if (save_export_para(edited) == 1) dialog.accept();
    });
    return dialog.exec() == QDialog::Accepted ? 1 : -1;
}

}  // namespace exporting
