#include "export/shown_values.h"

#include "export/export_data.h"
#include "export/export_rows.h"
#include "export/export_types.h"
#include "files/atomic_file.h"
#include "text/latin1.h"
#include "text/text_field.h"
#include "ui/translatable.h"
#include "ui/ui.h"

namespace exporting {

AsciiExp format_in_use() {
    if (ascii_exp.decimal_separator != '\0') return ascii_exp;
    AsciiExp format{};
    if (get_export_types() == 1 && export_type_last >= 0) {
        text::copy_text(format.format_file, text::field_text(export_types[0].export_type_file));
        if (load_export_para(format) == 1) return format;
    }
    format = AsciiExp{};
    text::copy_text(format.extension, ".csv");
    format.decimal_separator = '.';
    format.column_separator = ';';
    return format;
}

std::string shown_values_text(const ShownValues& values, const AsciiExp& format) {
    // The column heads go into the file or the clipboard: German in either language.
    std::string table = row({"Nr.", values.time_heading, "Wert", "Einheit"}, format) + "\n";
    for (const ShownValues::Row& r : values.rows) {
        std::string time = values.time_is_number ? with_decimal_separator(r.time, format) : r.time;
        table +=
            row({std::to_string(r.number), time, with_decimal_separator(r.value, format), r.unit},
                format) +
            "\n";
    }
    return table;
}

int save_shown_values(const ShownValues& values) {
    const AsciiExp format = format_in_use();
    auto path = ui::select_file(export_file_selection(UI_TEXT("ohm7416", "Als CSV speichern"),
                                                      text::field_text(format.extension)));
    if (!path) return 0;
    std::string bytes = text::utf8_to_latin1(shown_values_text(values, format));
    return files::report_save(files::save_file(*path, bytes.data(), bytes.size()), *path);
}

}  // namespace exporting
