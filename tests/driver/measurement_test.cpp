// Starting, stopping and reading measured values: the service-request wait on GPIB,
// the operation-register poll on RS-232, and what each reports when no good value
// comes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "driver/zk7416.h"
#include "sim/block_protocol.h"
#include "sim/gpib_bus.h"
#include "sim/status_registers.h"
#include "tests/driver/driver_fixture.h"

namespace driver_test {
namespace {

using tarvolux::sim::EventRegisterId;
using tarvolux::sim::GpibFault;
using tarvolux::sim::InstrumentState;
using tarvolux::sim::SerialFault;
using Setup = std::function<void(SimConnection&)>;

void set_value_bit(SimConnection& sim, bool on) {
    sim.instrument().modify([on](InstrumentState& s) {
        s.status.set_condition_bits(EventRegisterId::Operation, tarvolux::sim::OPER_VALUE_AVAILABLE,
                                    on);
    });
}

// Questionable-resistance causes, which raise the questionable summary.
Setup causes(std::uint8_t bits) {
    return [bits](SimConnection& sim) {
        sim.instrument().modify(
            [bits](InstrumentState& s) { s.status.set_resistance_causes(bits); });
    };
}

// The operation register reports a value (on GPIB with the service request it raises)
// and its fetch answers `fetched`; `cause` answers the question for the cause of an
// overload.
Setup value(const std::string& fetched, const char* cause = nullptr) {
    return [=](SimConnection& sim) {
        if (sim.transport() == Transport::Gpib)
            set_value_bit(sim, true);
        else
            sim.instrument().override_answer("S:O:C?", "256");
        script(sim, "FE?", fetched);
        if (cause) script(sim, ":STAT:QUES:FRES?", cause);
    };
}

// The register reports a value, and its fetch fails.
Setup failing_fetch() {
    return [](SimConnection& sim) {
        set_value_bit(sim, true);
        sim.instrument().set_command_listener([&sim](const std::string& line) {
            if (line != "FE?") return;
            if (sim.transport() == Transport::Gpib)
                sim.bus().faults().arm(GpibFault::ReadTimeout);
            else
                sim.serial_door().faults().arm(SerialFault::EotResponse);
        });
    };
}

Setup gpib_fault(
    GpibFault fault, Setup before = [](SimConnection&) {}) {
    return [=](SimConnection& sim) {
        before(sim);
        sim.bus().faults().arm(fault);
    };
}

// A questionable bit outside the resistance causes.
Setup temperature_questionable() {
    return [](SimConnection& sim) {
        sim.instrument().modify([](InstrumentState& s) {
            s.status.set_condition_bits(EventRegisterId::Questionable,
                                        tarvolux::sim::QUES_TEMPERATURE, true);
        });
    };
}

// An operation event without the condition behind it: the summary (and a service
// request) without a value.
Setup value_event_only() {
    return [](SimConnection& sim) {
        sim.instrument().modify([](InstrumentState& s) {
            s.status.raise_event(EventRegisterId::Operation, tarvolux::sim::OPER_VALUE_AVAILABLE);
        });
    };
}

const Setup kNothing = [](SimConnection&) {};

struct ReadCase {
    const char* name;
    Transport transport;
    Setup setup;
    Lines wire;
    int32_t status;
    // A text read gives `text`; a number read gives `value` and `unit`. The outputs start
    // out as "old value", 7.0 and "OHM".
    std::optional<std::string> text;
    double value = 7.0;
    std::string unit = "OHM";
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

const Lines kNone = {};
const Lines kPoll = {"S:O:C?"};
const Lines kFetch = {"S:O:C?", "FE?"};
const Lines kCause = {"S:O:C?", "FE?", ":STAT:QUES:FRES?"};
const Lines kGpibCause = {"S:O:C?", ":STAT:QUES?", ":STAT:QUES:FRES?"};
constexpr auto kGpib = Transport::Gpib;
constexpr auto kRs232 = Transport::Rs232;
constexpr std::nullopt_t kNumberRead = std::nullopt;
const char* const kOld = "old value";

const ReadCase kReadCases[] = {
    // GPIB: a questionable cause invalidates the value, highest bit first, and clears
    // only the value.
    {"GpibCauseEmptiesTheText", kGpib, causes(0xC0), kGpibCause, 310, ""},
    {"GpibCauseClearsTheValue", kGpib, causes(0x01), kGpibCause, 317, kNumberRead, 0.0},
    {"GpibQuestionableWithoutACause", kGpib, temperature_questionable(), kGpibCause, 0, kOld},
    // The register lacks the value bit, so the driver waits for the next request, which
    // never comes here.
    {"GpibOperationRequestWithoutAValue", kGpib, value_event_only(), kPoll, ZK7416_ERR_SRQ_WAIT,
     kOld},
    {"GpibFailingFetch", kGpib, failing_fetch(), kFetch, ZK7416_ERR_READ, kOld},
    {"GpibNoRequest", kGpib, kNothing, kNone, ZK7416_ERR_SRQ_WAIT, kOld},
    {"GpibFailingWait", kGpib, gpib_fault(GpibFault::WaitError), kNone, ZK7416_ERR_SRQ_WAIT, kOld},
    {"GpibFailingPoll", kGpib, gpib_fault(GpibFault::SerialPollError, causes(0x80)), kNone,
     ZK7416_ERR_SERIAL_POLL, kOld},
    {"GpibText", kGpib, value("12.345MOHM"), kFetch, 0, "12.345MOHM"},
    {"GpibNumberAndUnit", kGpib, value("1.2345 KOHM"), kFetch, 0, kNumberRead, 1.2345, "KOHM"},
    {"GpibUnitCutToItsField", kGpib, value("5" + std::string(40, 'U')), kFetch, 0, kNumberRead, 5.0,
     std::string(ZK7416_UNIT_SIZE - 1, 'U')},
    {"GpibReferenceValueHasNoUnit", kGpib, value("000"), kFetch, 0, kNumberRead, 0.0, ""},
    // RS-232: no value yet is reported at once, a failed fetch is an empty poll.
    {"Rs232NoValueYetText", kRs232, kNothing, kPoll, ZK7416_EOT, kOld},
    {"Rs232NoValueYetNumber", kRs232, kNothing, kPoll, ZK7416_EOT, kNumberRead},
    {"Rs232FailingFetch", kRs232, failing_fetch(), kFetch, 0, kOld},
    {"Rs232Text", kRs232, value("12.345MOHM"), kFetch, 0, "12.345MOHM"},
    {"Rs232Number", kRs232, value("-0.0042OHM"), kFetch, 0, kNumberRead, -0.0042},
    // An overload clears the value only when a cause is set.
    {"Rs232OverloadWithoutACause", kRs232, value(">>>", "0"), kCause, 0, kNumberRead},
    {"Rs232OverloadWithACause", kRs232, value(">>>", "08"), kCause, 314, kNumberRead, 0.0},
    {"Rs232OverloadTextWithACause", kRs232, value(">>> Over Range", "40"), kCause, 311, ""},
    // For the number read only ">>>" alone is an overload; this answer has no number.
    {"Rs232NumberReadIgnoresTheMarkInsideTheAnswer", kRs232, value(">>> Over Range"), kFetch, 0,
     kNumberRead},
    // The text read looks at the first 30 characters.
    {"Rs232MarkWithinThirtyCharacters", kRs232, value(std::string(27, ' ') + ">>>", "1"), kCause,
     317, ""},
    {"Rs232MarkBeyondThirtyCharacters", kRs232, value(std::string(28, ' ') + ">>>"), kFetch, 0,
     std::string(28, ' ') + ">>>"},
};

class MeasuredValues : public ::testing::TestWithParam<ReadCase>, public Connected {
  protected:
    void SetUp() override { connect(GetParam().transport); }
};

TEST_P(MeasuredValues, ReadGivesItsStatusAndOutputsAfterThisWire) {
    const ReadCase& c = GetParam();
    c.setup(*sim);
    if (c.text) {
        char text[ZK7416_ANSWER_SIZE] = "old value";
        EXPECT_EQ(zk7416_meas_read_string(handle(), text), c.status);
        EXPECT_EQ(std::string(text), *c.text);
    } else {
        double value = 7.0;
        char unit[ZK7416_UNIT_SIZE + 4];
        std::memset(unit, 'x', sizeof unit);
        std::strcpy(unit, "OHM");
        EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), c.status);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(std::string(unit), c.unit);
        EXPECT_EQ(unit[ZK7416_UNIT_SIZE], 'x') << "nothing past the unit field";
    }
    EXPECT_EQ(zk7416_last_status(), c.status);
    EXPECT_EQ(log(), c.wire);
}

INSTANTIATE_TEST_SUITE_P(Measurement, MeasuredValues, ::testing::ValuesIn(kReadCases), case_name);

using GpibMeasurement = OnGpib;

TEST_F(GpibMeasurement, EveryNewValueRaisesANewRequest) {
    char text[ZK7416_ANSWER_SIZE] = "";
    for (const char* fetched : {"1.5OHM", "2.5OHM"}) {
        // The condition falls and rises again, which raises a new request.
        set_value_bit(*sim, false);
        sim->instrument().modify(
            [](InstrumentState& s) { s.status.take_event(EventRegisterId::Operation); });
        value(fetched)(*sim);
        EXPECT_EQ(zk7416_meas_read_string(handle(), text), 0);
        EXPECT_STREQ(text, fetched);
    }
}

TEST_F(GpibMeasurement, StopReadsBothRegistersAndTakesBackAPendingRequest) {
    auto requested = [this] {
        return sim->instrument().inspect(
            [](const InstrumentState& s) { return s.status.service_requested(); });
    };
    set_value_bit(*sim, true);
    ASSERT_TRUE(requested());
    EXPECT_EQ(zk7416_meas_stop(handle()), 0);
    EXPECT_EQ(log(), (Lines{"AB", "S:O:C?", ":STAT:QUES?"}));
    EXPECT_FALSE(requested());
}

TEST_F(GpibMeasurement, AFailingSerialPollAtTheStopGivesTheLibrarysErrorCode) {
    sim->bus().faults().arm(GpibFault::SerialPollError);
    EXPECT_EQ(zk7416_meas_stop(handle()), 14) << "EBUS";
    EXPECT_EQ(zk7416_last_status(), 14);
}

using SerialMeasurement = OnRs232;

TEST_F(SerialMeasurement, StopIsTheCommandAlone) {
    EXPECT_EQ(zk7416_meas_stop(handle()), 0);
    EXPECT_EQ(log(), (Lines{"AB"}));
}

}  // namespace
}  // namespace driver_test
