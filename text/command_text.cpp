#include "text/command_text.h"

#include "text/latin1.h"
#include "ui/ui.h"

namespace text {

std::string command_text_refusal(std::string_view utf8, std::size_t max_bytes) {
    std::string head = "Der Text \"" + std::string(utf8) + "\" kann nicht übertragen werden:\n";
    auto latin1 = exact_latin1(utf8);
    if (!latin1) return head + "Er enthält Zeichen, die das Gerät nicht darstellen kann.";
    for (char c : *latin1) {
        auto code = static_cast<unsigned char>(c);
        if (c == ',' || c == ';') return head + "Komma und Semikolon sind nicht erlaubt.";
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0))
            return head + "Steuerzeichen sind nicht erlaubt.";
    }
    if (latin1->size() > max_bytes)
        return head + "Er ist länger als " + std::to_string(max_bytes) + " Zeichen.";
    return {};
}

std::optional<std::string> checked_command_text(std::string_view utf8, std::size_t max_bytes) {
    std::string refusal = command_text_refusal(utf8, max_bytes);
    if (!refusal.empty()) {
        ui::message_box("Fehler-Meldung :", refusal);
        return std::nullopt;
    }
    return exact_latin1(utf8);
}

}  // namespace text
