#include "gateway/forwarder.h"

#include <algorithm>
#include <cctype>

#include "text/latin1.h"

namespace gateway {

namespace {

bool line_lost(std::int32_t status) {
    return status == ZK7416_ERR_WRITE || status == ZK7416_ERR_READ;
}

// The driver's text of a status, for the log (UTF-8).
std::string described(std::int32_t status) {
    switch (status) {
        case REFUSED_TOO_LONG:
            return "Zeile zu lang (mehr als " + std::to_string(MAX_LINE_BYTES) + " Bytes)";
        case REFUSED_BAD_BYTE:
            return "Zeichen außerhalb von druckbarem Latin-1";
        default:
            return zk7416_status_text(status);
    }
}

std::string status_log(std::string_view what, std::int32_t status) {
    return std::string(what) + ": Status " + std::to_string(status) + " (" + described(status) +
           ")";
}

}  // namespace

bool is_gateway_error_query(const std::string& line) {
    std::string upper(line);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (!upper.empty() && upper.front() == ':') upper.erase(0, 1);
    for (const char* form : {"GATE:ERR?", "GATE:ERROR?", "GATEWAY:ERR?", "GATEWAY:ERROR?"})
        if (upper == form) return true;
    return false;
}

std::string status_answer(std::int32_t status) {
    // SCPI error texts are 7-bit ASCII, and VISA clients decode answers as ASCII unless
    // told otherwise: the German letters are spelt out.
    std::string ascii;
    for (char c : text::utf8_to_latin1(described(status))) {
        switch (static_cast<unsigned char>(c)) {
            case 0xE4:
                ascii += "ae";
                break;
            case 0xF6:
                ascii += "oe";
                break;
            case 0xFC:
                ascii += "ue";
                break;
            case 0xC4:
                ascii += "Ae";
                break;
            case 0xD6:
                ascii += "Oe";
                break;
            case 0xDC:
                ascii += "Ue";
                break;
            case 0xDF:
                ascii += "ss";
                break;
            default:
                ascii += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        }
    }
    return std::to_string(status) + ",\"" + ascii + "\"";
}

Outcome Forwarder::forward(const LineEvent& event) {
    if (event.kind != LineEvent::Kind::Line) {
        last_error_ = event.kind == LineEvent::Kind::TooLong ? REFUSED_TOO_LONG : REFUSED_BAD_BYTE;
        Outcome refused;
        if (event.query) refused.answer = "";
        refused.log = status_log("Zeile mit " + std::to_string(event.length) + " Bytes abgewiesen",
                                 last_error_);
        return refused;
    }
    if (event.text.empty()) return {};
    if (is_gateway_error_query(event.text)) {
        Outcome outcome{status_answer(last_error_), false, {}};
        last_error_ = 0;
        return outcome;
    }
    return exchange(event.text, event.query);
}

Outcome Forwarder::exchange(const std::string& line, bool query) {
    char answer[ZK7416_ANSWER_SIZE] = {};
    const std::int32_t status = query ? zk7416_receive_scpi(handle_, line.c_str(), answer)
                                      : zk7416_send_scpi(handle_, line.c_str());
    if (status == 0) return {query ? std::optional<std::string>(answer) : std::nullopt, false, {}};

    Outcome failed;
    last_error_ = status;
    const std::string shown = text::latin1_to_utf8(line);
    if (line_lost(status) && !instrument_answers()) {
        failed.line_dead = true;
        failed.log = status_log("\"" + shown + "\": das Gerät antwortet nicht mehr", status) +
                     "; Client getrennt";
        return failed;
    }
    if (query) failed.answer = "";
    failed.log = status_log("\"" + shown + "\"", status);
    return failed;
}

bool Forwarder::instrument_answers() {
    char idn[ZK7416_ANSWER_SIZE] = {};
    return !line_lost(zk7416_receive_scpi(handle_, "*IDN?", idn));
}

}  // namespace gateway
