#include "sim/status_registers.h"

namespace tarvolux::sim {

void StatusRegisters::set_condition(EventRegisterId reg, std::uint16_t bits) {
    Pair& p = pair(reg);
    p.event |= bits & ~p.condition;
    p.condition = bits;
    update_request();
}

void StatusRegisters::set_condition_bits(EventRegisterId reg, std::uint16_t bits, bool on) {
    const std::uint16_t now = condition(reg);
    set_condition(reg, on ? (now | bits) : (now & ~bits));
}

void StatusRegisters::raise_event(EventRegisterId reg, std::uint16_t bits) {
    pair(reg).event |= bits;
    update_request();
}

void StatusRegisters::clear_event_bits(EventRegisterId reg, std::uint16_t bits) {
    pair(reg).event &= ~bits;
    update_request();
}

std::uint16_t StatusRegisters::take_event(EventRegisterId reg) {
    const std::uint16_t value = pair(reg).event;
    pair(reg).event = 0;
    update_request();
    return value;
}

void StatusRegisters::set_enable(EventRegisterId reg, std::uint16_t bits) {
    pair(reg).enable = bits & ENABLE_MAX;
    update_request();
}

void StatusRegisters::set_resistance_causes(std::uint8_t causes) {
    resistance_ = causes;
    set_condition_bits(EventRegisterId::Questionable, QUES_RESISTANCE, causes != 0);
}

std::uint8_t StatusRegisters::take_standard_event() {
    const std::uint8_t value = esr_;
    esr_ = 0;
    return value;
}

void StatusRegisters::set_service_request_enable(std::uint8_t bits) {
    // Bit 6 cannot be enabled: RQS is not a reason for service of its own.
    sre_ = bits & ~STB_RQS;
    update_request();
}

std::uint8_t StatusRegisters::summaries() const {
    std::uint8_t stb = 0;
    if (operation_.event & operation_.enable) stb |= STB_OPERATION_SUMMARY;
    if (questionable_.event & questionable_.enable) stb |= STB_QUESTIONABLE_SUMMARY;
    return stb;
}

std::uint8_t StatusRegisters::status_byte() const {
    return summaries() | (rqs_ ? STB_RQS : 0);
}

std::uint8_t StatusRegisters::serial_poll() {
    const std::uint8_t stb = status_byte();
    rqs_ = false;
    return stb;
}

void StatusRegisters::clear() {
    operation_.event = 0;
    questionable_.event = 0;
    esr_ = 0;
    rqs_ = false;
    update_request();
}

void StatusRegisters::preset() {
    operation_.enable = 0;
    questionable_.enable = 0;
    update_request();
}

void StatusRegisters::update_request() {
    const std::uint8_t enabled = summaries() & sre_;
    if (enabled & ~enabled_summaries_) rqs_ = true;
    enabled_summaries_ = enabled;
}

}  // namespace tarvolux::sim
