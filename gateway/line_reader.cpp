#include "gateway/line_reader.h"

namespace gateway {

bool printable_latin1(unsigned char byte) {
    return (byte >= 0x20 && byte <= 0x7E) || byte >= 0xA0;
}

void LineReader::feed(std::string_view bytes, std::vector<LineEvent>& out) {
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\n') {
            finish(out);
            continue;
        }
        // A CR counts only when something other than the line end follows it.
        if (cr_pending_) {
            cr_pending_ = false;
            bad_byte_ = true;
            ++length_;
        }
        if (byte == '\r') {
            cr_pending_ = true;
            continue;
        }
        if (!printable_latin1(byte)) bad_byte_ = true;
        // Past the limit nothing more is kept; the line is refused when it ends.
        if (++length_ <= MAX_LINE_BYTES && !bad_byte_) line_.push_back(c);
        last_ = byte;
    }
}

void LineReader::finish(std::vector<LineEvent>& out) {
    LineEvent event;
    event.query = last_ == '?';
    event.length = length_;
    if (length_ > MAX_LINE_BYTES)
        event.kind = LineEvent::Kind::TooLong;
    else if (bad_byte_)
        event.kind = LineEvent::Kind::BadByte;
    else
        event.text = std::move(line_);
    out.push_back(std::move(event));
    line_.clear();
    length_ = 0;
    bad_byte_ = false;
    last_ = 0;
    cr_pending_ = false;
}

}  // namespace gateway
