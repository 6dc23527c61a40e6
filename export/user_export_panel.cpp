#include "export/user_export_panel.h"

#include <QDialog>

#include "export/ascii_exp.h"
#include "text/latin1.h"
#include "text/text_field.h"
#include "ui/qt/operator_actions.h"
#include "ui/qt/panel_setup.h"
#include "ui/ui.h"
#include "ui_user_export.h"

namespace exporting {

namespace {

constexpr const char* USER_FORMAT = "user.for";

// The tab and the blank cannot be seen in a field; they get their names.
const QString TAB_NAME = QStringLiteral("Tabulator");
const QString BLANK_NAME = QStringLiteral("Leerzeichen");

QString shown_separator(char c) {
    if (c == '\t') return TAB_NAME;
    if (c == ' ') return BLANK_NAME;
    if (c == '\0') return QString();
    return QString::fromStdString(text::latin1_to_utf8(std::string(1, c)));
}

std::string typed_separator(const QString& text) {
    if (text == TAB_NAME) return "\t";
    if (text == BLANK_NAME) return " ";
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
                   {TAB_NAME, QStringLiteral(";"), QStringLiteral(","), BLANK_NAME},
                   format.column_separator);
    ui::prepare_panel(dialog);

    ui::on_operator(form.cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    ui::on_operator(form.okButton, &QPushButton::clicked, &dialog, [&] {
        std::string extension = form.extensionEdit->text().trimmed().toStdString();
        if (!valid_extension(extension)) {
            ui::message_box("Fehler-Meldung :", "Unzulässige Dateierweiterung.Beispiel : <.txt>");
            return;
        }
        std::string decimal = typed_separator(form.decimalCombo->currentText());
        std::string column = typed_separator(form.columnCombo->currentText());
        std::string refusal = separator_refusal(decimal, column);
        if (!refusal.empty()) {
            ui::message_box("Fehler-Meldung :", refusal);
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
