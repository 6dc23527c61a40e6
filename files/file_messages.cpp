#include "files/file_messages.h"

#include "ui/ui.h"

namespace files {

std::string cannot_open_text(const std::string& name) {
    return "Kann Datei : " + name + " nicht öffnnen";
}

std::string write_error_text(const std::string& name) {
    return "Fehler beim Schreiben der Datei : " + name +
           "\nDie Datei wurde nicht gespeichert, eine frühere Fassung bleibt erhalten.";
}

std::string read_error_text(const std::string& name) {
    return "Fehler beim Lesen der Datei : " + name + "\nEs wurde nichts geladen.";
}

std::string wrong_size_text(const std::string& name, const std::string& kind,
                            std::size_t expected_size) {
    return "Die Datei : " + name + " ist keine vollständige " + kind + ".\nEine " + kind +
           " ist genau " + std::to_string(expected_size) + " Bytes lang.\nEs wurde nichts geladen.";
}

void show_file_error(const std::string& text) {
    ui::message_box("Fehler-Meldung :", text);
}

}  // namespace files
