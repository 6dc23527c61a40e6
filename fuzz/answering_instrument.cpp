#include "fuzz/answering_instrument.h"

namespace fuzz {

namespace {
constexpr char STX = 0x02, ETX = 0x03, EOT = 0x04, ACK = 0x06;
}

std::string AnsweringInstrument::respond(std::string_view written) {
    if (written.size() > 1 && written.front() == STX) return std::string(1, ACK);
    if (written == std::string_view(&EOT, 1)) {
        if (next_ >= answers_.size()) return std::string(1, EOT);
        return STX + answers_[next_++] + "\r\n" + ETX;
    }
    if (written == std::string_view(&ACK, 1)) return std::string(1, EOT);
    return {};
}

std::vector<std::string> split_lines(std::string_view data) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = data.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(data.substr(start));
            return lines;
        }
        lines.emplace_back(data.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace fuzz
