#include "export/export_types.h"

#include "export/ascii_exp.h"
#include "export/text_lines.h"
#include "files/file_messages.h"
#include "text/text_field.h"
#include "ui/ui.h"

namespace exporting {

ExportType export_types[MAX_EXPORT_TYPES]{};
int export_type_last = -1;

namespace {

constexpr const char* TYPE_LIST = "export.exp";
constexpr std::string_view END_MARK = "<ende>";

}  // namespace

int get_export_types() {
    auto lines = read_text_lines(format_path(TYPE_LIST));
    if (!lines) {
        files::show_file_error(files::cannot_open_text(TYPE_LIST));
        return -1;
    }
    int count = 0;
    for (const std::string& line : *lines) {
        if (line.compare(0, END_MARK.size(), END_MARK) == 0) break;
        auto words = split_words(line);
        if (words.size() < 2 || words[1].size() >= sizeof export_types[0].export_type_file)
            continue;
        text::copy_text(export_types[count].export_type_name, words[0]);
        text::copy_text(export_types[count].export_type_file, words[1]);
        if (++count == MAX_EXPORT_TYPES) {
            ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                            UI_TEXT("ohm7416", "Zu viele Export Type"));
            break;
        }
    }
    export_type_last = count - 1;
    return 1;
}

}  // namespace exporting
