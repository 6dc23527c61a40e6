// info: who the instrument is. Only connects and identifies: a measurement running on
// the instrument is left alone.
#include <ostream>

#include "ctl/session.h"
#include "ctl/subcommand.h"
#include "settings/records.h"
#include "text/text_field.h"

namespace ctl {
namespace {

int run_info(Invocation& invocation) {
    if (!invocation.session.connect()) return 1;
    const rec::Device& d = rec::device;
    std::ostream& out = invocation.out;
    out << "Hersteller:          " << text::field_text_utf8(d.ident_1) << '\n'
        << "Gerät:               " << text::field_text_utf8(d.ident_2) << '\n'
        << "Kennung:             " << text::field_text_utf8(d.ident_3) << '\n'
        << "Firmware:            " << text::field_text_utf8(d.ident_4) << '\n'
        << "Zusatz:              " << text::field_text_utf8(d.ident_5) << '\n'
        << "Firmware-Generation: "
        << (d.new_firmware == 1 ? "neu (ab April 1997)" : "alt (bis März 1997)") << '\n';
    return 0;
}

}  // namespace

extern const Subcommand INFO_COMMAND{
    "info", "", 0, "Identifikation und Firmware-Generation des Geräts ausgeben", {}, run_info};

}  // namespace ctl
