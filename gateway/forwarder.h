// What the gateway does with one line from its client: forwards it through the driver
// and says what goes back. The instrument's own answers, its error queue included, pass
// untouched; the gateway's one query of its own, GATEWAY:ERR?, tells the driver status
// of the last exchange that failed, so a client sees a failure without the gateway
// putting anything into the instrument's answers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gateway/line_reader.h"

namespace gateway {

// Statuses of the gateway's own, beside the driver's (which never use these numbers).
inline constexpr std::int32_t REFUSED_TOO_LONG = 901;
inline constexpr std::int32_t REFUSED_BAD_BYTE = 902;

struct Outcome {
    // The answer line for the client (without its LF); none for a command.
    std::optional<std::string> answer;
    // The line to the instrument is dead: the client is to be disconnected.
    bool line_dead = false;
    // For the gateway's log; empty when there is nothing to say.
    std::string log;
};

// The gateway's query, in any letter case, long or short form, with or without the
// leading colon: GATEway:ERRor?
bool is_gateway_error_query(const std::string& line);

// "<status>,\"<text>\"", the form the instrument answers SYST:ERR? in, in ASCII.
std::string status_answer(std::int32_t status);

class Forwarder {
  public:
    explicit Forwarder(std::int32_t handle) : handle_(handle) {}

    Outcome forward(const LineEvent& event);
    // The status GATEWAY:ERR? would report now (0 when none).
    std::int32_t last_error() const { return last_error_; }
    // A new client starts without the failures of the one before.
    void forget_error() { last_error_ = 0; }

  private:
    Outcome exchange(const std::string& line, bool query);
    // Whether the instrument still answers at all, after an exchange that found the
    // line silent: one "*IDN?", which changes nothing in the instrument.
    bool instrument_answers();

    std::int32_t handle_;
    std::int32_t last_error_ = 0;
};

}  // namespace gateway
