// The instrument's status reporting: the operation and questionable register pairs
// (condition and event with enable), the questionable-resistance register that feeds
// the questionable condition, the standard event status register, the service request
// enable and the status byte.
//
// Service request rule: RQS rises when an enabled summary bit of the status byte
// (summary & *SRE) goes from 0 to 1 - also when *SRE itself newly enables a summary
// that is already set. It stays up until a serial poll reads the status byte, which
// clears RQS but not the summaries; a new RQS needs the summary to fall (its event
// register read or cleared) and rise again. *CLS clears the event registers, the
// standard event status register and a pending RQS.
#pragma once

#include <cstdint>

namespace tarvolux::sim {

enum class EventRegisterId { Operation, Questionable };

// Status byte bits.
constexpr std::uint8_t STB_QUESTIONABLE_SUMMARY = 0x08;
constexpr std::uint8_t STB_RQS = 0x40;
constexpr std::uint8_t STB_OPERATION_SUMMARY = 0x80;

// Standard event status register: this instrument reports every rejected command as
// an execution error, the bit the driver looks at.
constexpr std::uint8_t ESR_EXECUTION_ERROR = 0x10;

// Operation register bits.
constexpr std::uint16_t OPER_CALIBRATING = 0x0001;
constexpr std::uint16_t OPER_MEASURING = 0x0010;
constexpr std::uint16_t OPER_VALUE_AVAILABLE = 0x0100;

// Questionable register bits.
constexpr std::uint16_t QUES_TEMPERATURE = 0x0010;
// Summary of the questionable-resistance register (any cause set).
constexpr std::uint16_t QUES_RESISTANCE = 0x0200;

// SCPI enable registers hold 15 bits.
constexpr std::uint16_t ENABLE_MAX = 0x7FFF;

class StatusRegisters {
  public:
    std::uint16_t condition(EventRegisterId reg) const { return pair(reg).condition; }
    std::uint16_t event(EventRegisterId reg) const { return pair(reg).event; }
    std::uint16_t enable(EventRegisterId reg) const { return pair(reg).enable; }

    // Every 0 -> 1 transition of a condition bit latches into the event register.
    void set_condition(EventRegisterId reg, std::uint16_t bits);
    void set_condition_bits(EventRegisterId reg, std::uint16_t bits, bool on);
    void raise_event(EventRegisterId reg, std::uint16_t bits);
    void clear_event_bits(EventRegisterId reg, std::uint16_t bits);
    // Reading an event register clears it.
    std::uint16_t take_event(EventRegisterId reg);
    void set_enable(EventRegisterId reg, std::uint16_t bits);

    // Questionable-resistance causes (bit 7 ... bit 0); any cause sets QUES_RESISTANCE
    // in the questionable condition.
    std::uint8_t resistance_causes() const { return resistance_; }
    void set_resistance_causes(std::uint8_t causes);

    std::uint8_t standard_event() const { return esr_; }
    void raise_standard_event(std::uint8_t bits) { esr_ |= bits; }
    std::uint8_t take_standard_event();

    std::uint8_t service_request_enable() const { return sre_; }
    void set_service_request_enable(std::uint8_t bits);

    // Summaries plus RQS, as a serial poll would see them, without clearing anything.
    std::uint8_t status_byte() const;
    bool service_requested() const { return rqs_; }
    // The status byte with RQS; clears RQS.
    std::uint8_t serial_poll();

    // *CLS.
    void clear();
    // STAT:PRES: the enables of the operation and questionable registers to 0.
    void preset();

  private:
    struct Pair {
        std::uint16_t condition = 0;
        std::uint16_t event = 0;
        std::uint16_t enable = 0;
    };

    Pair& pair(EventRegisterId reg) {
        return reg == EventRegisterId::Operation ? operation_ : questionable_;
    }
    const Pair& pair(EventRegisterId reg) const {
        return reg == EventRegisterId::Operation ? operation_ : questionable_;
    }
    std::uint8_t summaries() const;
    void update_request();

    Pair operation_;
    Pair questionable_;
    std::uint8_t resistance_ = 0;
    std::uint8_t esr_ = 0;
    std::uint8_t sre_ = 0;
    bool rqs_ = false;
    std::uint8_t enabled_summaries_ = 0;  // summaries & SRE at the last update
};

}  // namespace tarvolux::sim
