#include "sim/block_protocol.h"

#include "sim/instrument.h"

namespace tarvolux::sim {

BlockProtocol::BlockProtocol(Instrument& instrument, FaultSet<SerialFault>& faults)
    : instrument_(instrument), faults_(faults) {}

std::string BlockProtocol::receive(std::string_view bytes) {
    std::string out;
    for (char byte : bytes) on_byte(byte, out);
    return out;
}

void BlockProtocol::on_byte(char byte, std::string& out) {
    switch (state_) {
        case State::Block:
            if (byte == ctl::STX) {
                // A new block without the end of the last: the client started over.
                block_.clear();
            } else if (byte == ctl::ETX) {
                state_ = State::Idle;
                finish_block(out);
            } else if (block_.size() >= MAX_BLOCK_BYTES) {
                state_ = State::Idle;
                block_.clear();
                out += ctl::NAK;
            } else {
                block_ += byte;
            }
            return;
        case State::AwaitAck:
            if (byte == ctl::ACK) {
                state_ = State::Idle;
                if (!faults_.fire(SerialFault::NoClosingEot)) out += ctl::EOT;
                return;
            }
            if (byte == ctl::NAK) {
                out += last_answer_;
                return;
            }
            // Anything else means the client gave up on the answer; serve it afresh.
            state_ = State::Idle;
            break;
        case State::Idle:
            break;
    }
    if (byte == ctl::STX) {
        state_ = State::Block;
        block_.clear();
    } else if (byte == ctl::EOT) {
        answer_request(out);
    }
    // Other bytes outside a block are line noise and ignored.
}

bool is_command_message(std::string_view message) {
    if (message.size() < 2 || message.back() != '\n') return false;
    message.remove_suffix(1);
    if (message.back() == '\r') message.remove_suffix(1);
    if (message.empty()) return false;
    for (char c : message) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return false;
    }
    return true;
}

void BlockProtocol::finish_block(std::string& out) {
    const std::string message = std::move(block_);
    block_.clear();
    if (!is_command_message(message)) {
        out += ctl::NAK;
        return;
    }
    if (faults_.fire(SerialFault::SilentCommand)) return;
    if (faults_.fire(SerialFault::NakCommand)) {
        out += ctl::NAK;
        return;
    }
    if (faults_.fire(SerialFault::EotCommand)) {
        out += ctl::EOT;
        return;
    }
    instrument_.execute(message);
    // The acknowledgement follows the execution, so an answer is ready once it is seen.
    if (faults_.fire(SerialFault::GarbageAck)) {
        out += SERIAL_GARBAGE;
    } else {
        out += ctl::ACK;
    }
}

void BlockProtocol::answer_request(std::string& out) {
    if (faults_.fire(SerialFault::SilentResponse)) return;
    if (faults_.fire(SerialFault::GarbageResponse)) {
        out += SERIAL_GARBAGE;
        return;
    }
    if (!instrument_.output_pending() || faults_.fire(SerialFault::EotResponse)) {
        out += ctl::EOT;
        return;
    }
    if (faults_.fire(SerialFault::LongResponse)) instrument_.stretch_output(LONG_ANSWER_BYTES);
    last_answer_ = ctl::STX + instrument_.take_output().bytes;
    if (!faults_.fire(SerialFault::CutResponse)) last_answer_ += ctl::ETX;
    out += last_answer_;
    state_ = State::AwaitAck;
}

}  // namespace tarvolux::sim
