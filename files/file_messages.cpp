#include "files/file_messages.h"

#include "ui/translatable.h"
#include "ui/ui.h"

namespace files {

std::string cannot_open_text(const std::string& name) {
    return ui::compose(UI_TEXT("ohm7416", "Kann Datei : %1 nicht öffnnen"), name);
}

std::string write_error_text(const std::string& name) {
    return ui::compose(UI_TEXT("ohm7416",
                               "Fehler beim Schreiben der Datei : %1\nDie Datei wurde "
                               "nicht gespeichert, eine frühere Fassung bleibt erhalten."),
                       name);
}

std::string read_error_text(const std::string& name) {
    return ui::compose(
        UI_TEXT("ohm7416", "Fehler beim Lesen der Datei : %1\nEs wurde nichts geladen."), name);
}

std::string wrong_size_text(const std::string& name, const std::string& kind,
                            std::size_t expected_size) {
    return ui::compose(UI_TEXT("ohm7416",
                               "Die Datei : %1 ist keine vollständige %2.\nEine %2 ist "
                               "genau %3 Bytes lang.\nEs wurde nichts geladen."),
                       name, ui::translatable(kind), expected_size);
}

void show_file_error(const std::string& text) {
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), text);
}

}  // namespace files
