#include "export/export_data.h"

#include "export/ascii_exp.h"
#include "export/export_file.h"
#include "export/export_writers.h"
#include "files/file_messages.h"
#include "files/project_dir.h"
#include "text/text_field.h"
#include "ui/ui.h"

namespace exporting {

std::string remark_text;

namespace {

// Cuts UTF-8 text after `count` characters.
std::string first_characters(const std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts_character && characters++ == count) return text.substr(0, i);
    }
    return text;
}

// Unlike a failed save, a failed export leaves what was written so far.
void report_write_error(const std::string& path) {
    files::show_file_error(ui::compose(
        UI_TEXT("ohm7416", "Fehler beim Schreiben der Datei : %1\nDer Export ist unvollständig."),
        path));
}

int stop(bool close_file) {
    if (close_file) export_fhdl.close();
    storing_ended();
    return -1;
}

}  // namespace

ui::FileSelection export_file_selection(const std::string& title, std::string_view extension) {
    ui::FileSelection selection;
    selection.title = title;
    selection.start_folder = files::join_path(files::curr_dir, "EXPORT");
    selection.file_spec = "*" + std::string(extension);
    selection.mode = ui::FileMode::Save;
    selection.restrict_extension = true;
    selection.allow_new_folders = true;
    return selection;
}

int export_data(const std::string& format_file) {
    text::copy_text(ascii_exp.format_file, format_file);
    if (load_export_para() != 1) return stop(false);

    auto path = ui::select_file(
        export_file_selection(UI_TEXT("ohm7416", "Daten exportieren"), text::field_text(ascii_exp.extension)));
    if (!path) return stop(false);
    files::file_name = *path;

    auto comment =
        ui::prompt(UI_TEXT("ohm7416", "Eingabe Kommentar"),
                   UI_TEXT("ohm7416", "Geben Sie bitte den Kommentar ein"), REMARK_LENGTH);
    remark_text = comment ? first_characters(*comment, REMARK_LENGTH) : std::string();

    if (!export_fhdl.open(files::file_name)) {
        files::show_file_error(files::cannot_open_text(files::file_name));
        return stop(false);
    }
    if (measure_store_mode == 1) {
        if (export_header(remark_text) == 1) return 1;
        report_write_error(files::file_name);
        return stop(true);
    }
    int written;
    {
        ui::BusyCursor busy;
        written = export_datalogger(remark_text);
    }
    bool closed = export_fhdl.close();
    if (written == 1 && closed) return 1;
    report_write_error(files::file_name);
    return -1;
}

}  // namespace exporting
