#include "text/command_text.h"

#include "text/latin1.h"
#include "ui/translatable.h"
#include "ui/ui.h"

namespace text {

std::string command_text_refusal(std::string_view utf8, std::size_t max_bytes) {
    auto refuse = [utf8](const std::string& reason) {
        return ui::compose(UI_TEXT("ohm7416", "Der Text \"%1\" kann nicht übertragen werden:\n%2"),
                           std::string(utf8), ui::translatable(reason));
    };
    auto latin1 = exact_latin1(utf8);
    if (!latin1)
        return refuse(
            UI_TEXT("ohm7416", "Er enthält Zeichen, die das Gerät nicht darstellen kann."));
    for (char c : *latin1) {
        auto code = static_cast<unsigned char>(c);
        if (c == ',' || c == ';')
            return refuse(UI_TEXT("ohm7416", "Komma und Semikolon sind nicht erlaubt."));
        if (code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0))
            return refuse(UI_TEXT("ohm7416", "Steuerzeichen sind nicht erlaubt."));
    }
    if (latin1->size() > max_bytes)
        return refuse(ui::compose(UI_TEXT("ohm7416", "Er ist länger als %1 Zeichen."), max_bytes));
    return {};
}

std::optional<std::string> checked_command_text(std::string_view utf8, std::size_t max_bytes) {
    std::string refusal = command_text_refusal(utf8, max_bytes);
    if (!refusal.empty()) {
        ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"), refusal);
        return std::nullopt;
    }
    return exact_latin1(utf8);
}

}  // namespace text
