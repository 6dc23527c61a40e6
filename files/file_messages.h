// The operator's messages about program files, all under the title "Fehler-Meldung :".
#pragma once

#include <string>

namespace files {

std::string cannot_open_text(const std::string& name);
std::string write_error_text(const std::string& name);
std::string read_error_text(const std::string& name);
// A settings file whose length is not `expected_size`; `kind` names the kind of file
// ("Konfigurationsdatei", "Backup-Datei").
std::string wrong_size_text(const std::string& name, const std::string& kind,
                            std::size_t expected_size);

void show_file_error(const std::string& text);

}  // namespace files
