// info: who the instrument is. Only connects and identifies: a measurement running on
// the instrument is left alone.
#include <algorithm>
#include <ostream>
#include <utility>

#include "ctl/command_line.h"
#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "ui/translatable.h"

namespace ctl {
namespace {

int run_info(Invocation& invocation) {
    if (!invocation.session.connect()) return 1;
    const rec::Device& d = rec::device;
    const std::pair<std::string, std::string> lines[] = {
        {UI_TEXT("ohm7416", "Hersteller:"), text::field_text_utf8(d.ident_1)},
        {UI_TEXT("ohm7416", "Gerät:"), text::field_text_utf8(d.ident_2)},
        {UI_TEXT("ohm7416", "Kennung:"), text::field_text_utf8(d.ident_3)},
        {UI_TEXT("ohm7416", "Firmware:"), text::field_text_utf8(d.ident_4)},
        {UI_TEXT("ohm7416", "Zusatz:"), text::field_text_utf8(d.ident_5)},
        {UI_TEXT("ohm7416", "Firmware-Generation:"),
         ui::shown(d.new_firmware == 1 ? UI_TEXT("ohm7416", "neu (ab April 1997)")
                                       : UI_TEXT("ohm7416", "alt (bis März 1997)"))}};
    // The values line up one blank after the longest caption.
    std::size_t widest = 0;
    for (const auto& [caption, value] : lines) widest = std::max(widest, width(ui::shown(caption)));
    for (const auto& [caption, value] : lines) {
        std::string shown = ui::shown(caption);
        invocation.out << shown << std::string(widest + 1 - width(shown), ' ') << value << '\n';
    }
    return 0;
}

}  // namespace

extern const Subcommand INFO_COMMAND{
    "info", "",
    0,      UI_TEXT("ohm7416", "Identifikation und Firmware-Generation des Geräts ausgeben"),
    {},     run_info};

}  // namespace ctl
