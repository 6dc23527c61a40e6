// Splits what a network client sends into SCPI lines. A line ends with LF (a CR before
// it is dropped, for terminals that send CR LF). A line the instrument could not take
// is refused whole: longer than the driver sends, or holding a byte outside printable
// Latin-1. Memory stays bounded whatever the client sends.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "driver/zk7416.h"

namespace gateway {

// The longest line forwarded: what the driver's message layer accepts.
inline constexpr std::size_t MAX_LINE_BYTES = ZK7416_COMMAND_SIZE - 1;

struct LineEvent {
    enum class Kind { Line, TooLong, BadByte };
    Kind kind = Kind::Line;
    std::string text;        // the line without its end; empty for a refusal
    bool query = false;      // the line (refused or not) ended in '?'
    std::size_t length = 0;  // bytes the line had, refused or not
};

// Printable Latin-1: the blank up to '~', and no-break space up to 0xFF.
bool printable_latin1(unsigned char byte);

class LineReader {
  public:
    // Appends an event to `out` for every line completed by `bytes`.
    void feed(std::string_view bytes, std::vector<LineEvent>& out);
    // Bytes of the line begun and not yet ended.
    std::size_t pending() const { return length_; }

  private:
    void finish(std::vector<LineEvent>& out);

    std::string line_;
    std::size_t length_ = 0;  // counts past line_ once the line is refused
    bool bad_byte_ = false;
    unsigned char last_ = 0;   // last byte other than CR
    bool cr_pending_ = false;  // a CR that may turn out to end the line
};

}  // namespace gateway
