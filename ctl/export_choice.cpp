#include "ctl/export_choice.h"

#include "export/ascii_exp.h"
#include "export/export_data.h"
#include "export/export_types.h"
#include "text/latin1.h"
#include "text/text_field.h"
#include "ui/console_backend.h"
#include "ui/translatable.h"
#include "ui/ui.h"

namespace ctl {
namespace {

char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool same_name(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
    return true;
}

std::string type_name(int index) {
    return text::latin1_to_utf8(text::field_text(exporting::export_types[index].export_type_name));
}

std::string type_file(int index) {
    return std::string(text::field_text(exporting::export_types[index].export_type_file));
}

int find_type(const std::string& name) {
    using exporting::export_type_last;
    if (name.empty()) return export_type_last >= 0 ? 0 : -1;
    for (int i = 0; i <= export_type_last; ++i)
        if (same_name(type_name(i), name) || type_file(i) == name) return i;
    return -1;
}

std::string listed_types() {
    std::string list;
    for (int i = 0; i <= exporting::export_type_last; ++i)
        list += (i ? ", " : "") + type_name(i) + " (" + type_file(i) + ")";
    return list.empty() ? UI_TEXT("ohm7416", "keine") : list;
}

}  // namespace

CommandOption format_option() {
    return {
        "--format", "NAME",
        UI_TEXT(
            "ohm7416",
            "Export Typ aus format.for/export.exp, mit seinem Namen (z. B. Tabellenkalkulation) "
            "oder seiner Formatdatei (z. B. tabelle.for) (Vorgabe: der erste Typ der Liste)")};
}

CommandOption comment_option() {
    return {"--comment", "TEXT",
            UI_TEXT("ohm7416",
                    "Kommentar im Kopf der Exportdatei, höchstens 100 Zeichen (Vorgabe: leer)")};
}

bool check_export_options(const std::map<std::string, std::string>& values, std::string& error) {
    for (const char* needs_file : {"--format", "--comment"}) {
        if (values.count(needs_file) && !values.count("--export")) {
            error =
                ui::compose(UI_TEXT("ohm7416", "Option %1 nur zusammen mit --export"), needs_file);
            return false;
        }
    }
    if (values.count("--export") && values.at("--export").empty()) {
        error = UI_TEXT("ohm7416", "Option --export: Dateiname fehlt");
        return false;
    }
    return true;
}

bool choose_export_format(const std::string& name, std::string& format_file) {
    if (exporting::get_export_types() != 1) return false;
    int index = find_type(name);
    if (index < 0) {
        std::string unknown =
            name.empty() ? std::string(UI_TEXT("ohm7416", "Kein Export Typ"))
                         : ui::compose(UI_TEXT("ohm7416", "Unbekannter Export Typ : %1"), name);
        // The list names the types as export.exp does; only "keine" is a text of ours.
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                        ui::compose(UI_TEXT("ohm7416", "%1\nExport Typen in export.exp: %2"),
                                    ui::translatable(unknown), ui::translatable(listed_types())));
        return false;
    }
    // The format is read now as well, so a type whose format file is missing sends
    // nothing to the instrument.
    exporting::AsciiExp format{};
    text::copy_text(format.format_file, type_file(index));
    if (exporting::load_export_para(format) != 1) return false;
    format_file = type_file(index);
    return true;
}

int export_as_chosen(Invocation& invocation, const std::string& format_file) {
    invocation.backend.answer_file(invocation.value("--export"));
    invocation.backend.answer_prompt("Eingabe Kommentar", invocation.value("--comment"));
    return exporting::export_data(format_file);
}

}  // namespace ctl
