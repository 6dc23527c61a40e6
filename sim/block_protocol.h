// The instrument's side of the RS-232 block protocol, byte in, bytes out:
//   client: STX command LF ETX      instrument: ACK (NAK for a malformed block)
//   client: EOT (asks for the answer)
//   instrument: EOT when no answer waits, else STX answer CR LF ETX
//   client: ACK                     instrument: EOT (closes the exchange)
// A NAK from the client instead of the ACK repeats the answer block.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "sim/fault_set.h"

namespace tarvolux::sim {

class Instrument;

namespace ctl {
constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char EOT = 0x04;
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
}  // namespace ctl

enum class SerialFault {
    NakCommand,       // a good command block is refused with NAK (not executed)
    EotCommand,       // a good command block is answered with EOT (not executed)
    SilentCommand,    // a command block gets no reply at all (not executed)
    GarbageAck,       // the command is executed, but SERIAL_GARBAGE comes instead of ACK
    EotResponse,      // a request is answered with EOT although an answer waits (it stays)
    SilentResponse,   // a request gets no reply at all (an answer stays)
    CutResponse,      // the answer block lacks its ETX
    NoClosingEot,     // the client's ACK of an answer gets no closing EOT
    LongResponse,     // the answer is stretched to LONG_ANSWER_BYTES
    GarbageResponse,  // a request gets SERIAL_GARBAGE instead of a block (an answer stays)
};

// What comes instead of the ACK under SerialFault::GarbageAck, and instead of the answer
// block under SerialFault::GarbageResponse.
constexpr std::string_view SERIAL_GARBAGE = "\xA5\x5A\xFF";
// A block longer than this is refused with NAK before its ETX arrives.
constexpr std::size_t MAX_BLOCK_BYTES = 1024;

class BlockProtocol {
  public:
    BlockProtocol(Instrument& instrument, FaultSet<SerialFault>& faults);

    // Feeds received bytes; returns what to send back.
    std::string receive(std::string_view bytes);

  private:
    enum class State { Idle, Block, AwaitAck };

    void on_byte(char byte, std::string& out);
    void finish_block(std::string& out);
    void answer_request(std::string& out);

    Instrument& instrument_;
    FaultSet<SerialFault>& faults_;
    State state_ = State::Idle;
    std::string block_;
    std::string last_answer_;
};

// Whether a block's content is one command line: printable text ending in LF (a CR
// before the LF is allowed), nothing else.
bool is_command_message(std::string_view message);

}  // namespace tarvolux::sim
