// Starting and stopping a measurement, waiting for and fetching measured values, and
// the digital I/O port.
#include <cstring>
#include <functional>
#include <string>

#include "driver/answer_parsing.h"
#include "driver/command_helpers.h"
#include "driver/zk7416_internal.h"
#include "platform/gpib_library.h"
#include "platform/ni488.h"

using namespace zk7416;
namespace gpib = platform::gpib;

namespace {

// Operation register bits.
constexpr int32_t kMeasuring = 0x10;
constexpr int32_t kValueAvailable = 0x100;

// Status bytes of the service requests the instrument raises while measuring.
constexpr unsigned kOperationRequest = 0xC0;     // operation summary with RQS
constexpr unsigned kQuestionableRequest = 0x48;  // questionable summary with RQS
constexpr unsigned kBothRequest = 0xC8;          // both summaries with RQS

// The instrument answers a value it cannot measure with a text holding this.
constexpr std::string_view kOverload = ">>>";
// How far into an answer the text read looks for the overload mark.
constexpr std::size_t kOverloadSearchLength = 30;

// What distinguishes the two read functions: how they take an answer.
struct ValueTarget {
    // A questionable cause made the value invalid.
    std::function<void()> clear;
    // The RS-232 overload rule for this kind of read.
    std::function<bool(const std::string&)> overload;
    // The answer to "FE?" into the caller's outputs.
    std::function<void(const std::string&)> take;
};

// zk7416_meas_read: the number and the word after it; only ">>>" alone is an overload.
ValueTarget number_and_unit(double* value, char* unit) {
    return {
        [=] { store(value, 0.0); },
        [](const std::string& answer) { return answer == kOverload; },
        [=](const std::string& answer) {
            double number = 0.0;
            std::size_t length = 0;
            if (!parse_leading_double(answer, number, &length)) return;
            store(value, number);
            copy_bounded(unit, ZK7416_UNIT_SIZE,
                         first_word(std::string_view(answer).substr(length)));
        },
    };
}

// zk7416_meas_read_string: the whole answer; ">>>" near its start is an overload.
ValueTarget whole_answer(char* text) {
    return {
        [=] { copy_bounded(text, ZK7416_ANSWER_SIZE, ""); },
        [](const std::string& answer) {
            return answer.substr(0, kOverloadSearchLength).find(kOverload) != std::string::npos;
        },
        [=](const std::string& answer) { copy_bounded(text, ZK7416_ANSWER_SIZE, answer); },
    };
}

// After a questionable service request or an overload answer: a cause in the
// questionable-resistance register (or a failed query of it) invalidates the value.
int32_t questionable_outcome(int32_t handle, const ValueTarget& target) {
    int32_t reg = 0;
    int32_t code = zk7416_read_quest_fres_reg(handle, &reg);
    if (code != 0) target.clear();
    return code;
}

// GPIB: waits for the service request that announces a new value. `ready` tells
// whether a value waits to be fetched; otherwise the status is the call's result.
int32_t wait_for_value_gpib(int32_t handle, const ValueTarget& target, bool& ready) {
    ready = false;
    int device = slot_device(handle);
    int32_t oper = 0;  // the operation register as last read after a request
    while (!(oper & kValueAvailable)) {
        if (gpib::ibwait(device, ni488::TIMO | ni488::RQS) & (ni488::ERR | ni488::TIMO))
            return fail(ZK7416_ERR_SRQ_WAIT);
        char raw = 0;
        if (gpib::ibrsp(device, &raw) & ni488::ERR) return fail(ZK7416_ERR_SERIAL_POLL);
        unsigned stb = static_cast<unsigned char>(raw);
        if (stb == kOperationRequest) {
            int32_t s = zk7416_read_oper_event_reg(handle, &oper);
            if (s != 0) return s;
        } else if (stb == kQuestionableRequest || stb == kBothRequest) {
            // Both registers are read as part of the exchange; only the resistance
            // causes decide.
            int32_t scratch = 0;
            int32_t s = zk7416_read_oper_event_reg(handle, &scratch);
            if (s == 0) s = zk7416_read_quest_reg(handle, &scratch);
            if (s != 0) return s;
            return questionable_outcome(handle, target);
        } else if (stb == 0 && !(oper & kMeasuring)) {
            return fail(ZK7416_NOT_MEASURING);
        }
        // Any other status byte: the value is still to come.
    }
    ready = true;
    return 0;
}

// RS-232 has no service request: the operation register is polled instead, and the
// caller polls again later on 301.
int32_t poll_value_rs232(int32_t handle, const ValueTarget& target) {
    int32_t oper = 0;
    int32_t s = zk7416_read_oper_event_reg(handle, &oper);
    if (s != 0) return s;
    if (!(oper & kValueAvailable)) return fail(ZK7416_EOT);
    std::string answer;
    if (ask(handle, "FE?", answer) != 0) {
        // A failed fetch counts as an empty poll; the next poll tries again.
        zk7416_status = 0;
        return 0;
    }
    if (target.overload(answer)) return questionable_outcome(handle, target);
    target.take(answer);
    return 0;
}

int32_t read_value(int32_t handle, const ValueTarget& target) {
    if (!begin_call(handle)) return zk7416_status;
    if (serial_transport == 1) return poll_value_rs232(handle, target);
    bool ready = false;
    int32_t s = wait_for_value_gpib(handle, target, ready);
    if (s != 0 || !ready) return s;
    std::string answer;
    s = ask(handle, "FE?", answer);
    if (s == 0) target.take(answer);
    return s;
}

}  // namespace

extern "C" {

int32_t zk7416_meas_start(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    return zk7416_send_scpi(handle, "IN");
}

int32_t zk7416_meas_stop(int32_t handle) {
    if (!begin_call(handle)) return zk7416_status;
    int32_t s = zk7416_send_scpi(handle, "AB");
    if (s != 0 || serial_transport == 1) return s;
    // Reading both registers and polling takes back a service request the stopped
    // measurement left pending, so the next start begins clean.
    int32_t scratch = 0;
    s = zk7416_read_oper_event_reg(handle, &scratch);
    if (s == 0) s = zk7416_read_quest_reg(handle, &scratch);
    if (s != 0) return s;
    char stb = 0;
    if (gpib::ibrsp(slot_device(handle), &stb) & ni488::ERR) {
        // The library's error code is the result; its code 0 (a system error) would
        // read as success, so that one is reported as a failed serial poll.
        int code = gpib::err();
        return fail(code != 0 ? code : ZK7416_ERR_SERIAL_POLL);
    }
    return 0;
}

int32_t zk7416_meas_read(int32_t handle, double* value, char* unit) {
    return read_value(handle, number_and_unit(value, unit));
}

int32_t zk7416_meas_read_string(int32_t handle, char* text) {
    return read_value(handle, whole_answer(text));
}

int32_t zk7416_system_set_register(int32_t handle, int32_t out3, int32_t out2, int32_t out1) {
    if (!begin_call(handle) || !flags_valid({out3, out2, out1}, -2)) return zk7416_status;
    return send_formatted(handle, "REG:OUTP %d", out3 * 4 + out2 * 2 + out1);
}

int32_t zk7416_system_get_register(int32_t handle, int32_t* in4, int32_t* in3, int32_t* in2,
                                   int32_t* in1) {
    if (!begin_call(handle)) return zk7416_status;
    std::string answer;
    int32_t s = ask(handle, "reg:inp?", answer);
    int32_t inputs = 0;
    if (s != 0 || !parse_leading_int(answer, inputs)) return s;
    store(in4, (inputs >> 3) & 1);
    store(in3, (inputs >> 2) & 1);
    store(in2, (inputs >> 1) & 1);
    store(in1, inputs & 1);
    return 0;
}

}  // extern "C"
