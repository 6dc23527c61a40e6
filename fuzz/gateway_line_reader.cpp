// The gateway's line reader on whatever a network client sends: every line it passes on
// fits the driver and holds printable Latin-1 only, nothing is lost or invented, and
// the same bytes give the same lines however they are cut into reads.
// Input: the first byte chooses where the bytes are cut; the rest is the client's.
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "gateway/line_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t step = data[0] % 17 + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::vector<gateway::LineEvent> whole;
    std::vector<gateway::LineEvent> cut;
    gateway::LineReader once;
    gateway::LineReader pieces;
    once.feed(bytes, whole);
    for (std::size_t at = 0; at < bytes.size(); at += step)
        pieces.feed(bytes.substr(at, step), cut);

    std::size_t line_ends = 0;
    for (char c : bytes) line_ends += c == '\n';
    fuzz::check(whole.size() == line_ends, "not one event per line end");
    fuzz::check(cut.size() == whole.size(), "reads cut elsewhere give other lines");
    fuzz::check(once.pending() == pieces.pending(), "reads cut elsewhere leave another rest");
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const gateway::LineEvent& e = whole[i];
        fuzz::check(e.kind == cut[i].kind && e.text == cut[i].text && e.query == cut[i].query,
                    "reads cut elsewhere give another line");
        fuzz::check(e.text.size() <= gateway::MAX_LINE_BYTES,
                    "a line longer than the driver takes");
        for (char c : e.text)
            fuzz::check(gateway::printable_latin1(static_cast<unsigned char>(c)),
                        "a byte outside printable Latin-1 passed");
        fuzz::check(e.kind == gateway::LineEvent::Kind::Line || e.text.empty(),
                    "a refused line carries text");
        fuzz::check(e.kind != gateway::LineEvent::Kind::Line || e.text.size() == e.length,
                    "a passed line lost bytes");
    }
    return 0;
}
