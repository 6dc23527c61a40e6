// Starting, stopping and reading measured values: the service-request wait on GPIB,
// the operation-register poll on RS-232, and what each reports when no good value
// comes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/zk7416.h"
#include "sim/block_protocol.h"
#include "sim/gpib_bus.h"
#include "sim/status_registers.h"
#include "tests/driver/sim_connection.h"
#include "tests/driver/wire_faults.h"

namespace driver_test {
namespace {

using Lines = std::vector<std::string>;
using tarvolux::sim::EventRegisterId;
using tarvolux::sim::GpibFault;
using tarvolux::sim::InstrumentState;
using tarvolux::sim::SerialFault;

class GpibMeasurement : public ::testing::Test {
  protected:
    void SetUp() override {
        sim = std::make_unique<SimConnection>(Transport::Gpib);
        ASSERT_EQ(sim->connect(), 0);
        sim->clear_log();
    }
    int32_t handle() const { return sim->handle(); }
    Lines log() const { return sim->log(); }

    // Questionable-resistance causes, which raise the questionable summary.
    void set_causes(std::uint8_t causes) {
        sim->instrument().modify(
            [causes](InstrumentState& s) { s.status.set_resistance_causes(causes); });
    }
    // An operation event without the condition behind it: the summary (and a service
    // request) without a value.
    void raise_operation_event_only() {
        sim->instrument().modify([](InstrumentState& s) {
            s.status.raise_event(EventRegisterId::Operation, tarvolux::sim::OPER_VALUE_AVAILABLE);
        });
    }
    void set_value_available() {
        sim->instrument().modify([](InstrumentState& s) {
            s.status.set_condition_bits(EventRegisterId::Operation,
                                        tarvolux::sim::OPER_VALUE_AVAILABLE, true);
        });
    }
    bool service_requested() {
        return sim->instrument().inspect(
            [](const InstrumentState& s) { return s.status.service_requested(); });
    }

    std::unique_ptr<SimConnection> sim;
};

TEST_F(GpibMeasurement, AQuestionableCauseInvalidatesTheValueHighestBitFirst) {
    set_causes(0xC0);
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 310);
    EXPECT_EQ(zk7416_last_status(), 310);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(log(), (Lines{"S:O:C?", ":STAT:QUES?", ":STAT:QUES:FRES?"}));

    sim->clear_log();
    set_causes(0);
    set_causes(0x01);
    double value = 12.5;
    char unit[32] = "OHM";
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 317);
    EXPECT_EQ(value, 0.0);
    EXPECT_STREQ(unit, "OHM") << "only the value is cleared";
}

TEST_F(GpibMeasurement, AQuestionableRequestWithoutACauseGivesNoValue) {
    // A questionable bit outside the resistance causes (the temperature bit).
    sim->instrument().modify([](InstrumentState& s) {
        s.status.set_condition_bits(EventRegisterId::Questionable, tarvolux::sim::QUES_TEMPERATURE,
                                    true);
    });
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 0);
    EXPECT_STREQ(text, "old value");
    EXPECT_EQ(log(), (Lines{"S:O:C?", ":STAT:QUES?", ":STAT:QUES:FRES?"}));
}

TEST_F(GpibMeasurement, AnOperationRequestWithoutAValueMeansWaitingAgain) {
    raise_operation_event_only();
    char text[300] = "old value";
    // The register lacks the value bit, so the driver waits for the next request, which
    // never comes here.
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), ZK7416_ERR_SRQ_WAIT);
    EXPECT_STREQ(text, "old value");
    EXPECT_EQ(log(), (Lines{"S:O:C?"}));
}

TEST_F(GpibMeasurement, TheValueIsFetchedOnceTheRegisterReportsIt) {
    set_value_available();
    // The fetch itself fails here: its status is the result.
    sim->instrument().set_command_listener([this](const std::string& line) {
        if (line == "FE?") sim->bus().faults().arm(GpibFault::ReadTimeout);
    });
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), ZK7416_ERR_READ);
    EXPECT_STREQ(text, "old value");
    EXPECT_EQ(log(), (Lines{"S:O:C?", "FE?"}));
}

TEST_F(GpibMeasurement, ValuesAreFetchedAfterTheirServiceRequest) {
    set_value_available();
    script(*sim, "FE?", "12.345MOHM");
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 0);
    EXPECT_STREQ(text, "12.345MOHM");
    EXPECT_EQ(log(), (Lines{"S:O:C?", "FE?"}));

    // The next value: the condition falls and rises again, which raises a new request.
    auto next_value = [this](const char* answer) {
        sim->instrument().modify([](InstrumentState& s) {
            s.status.set_condition_bits(EventRegisterId::Operation,
                                        tarvolux::sim::OPER_VALUE_AVAILABLE, false);
            s.status.take_event(EventRegisterId::Operation);
        });
        set_value_available();
        script(*sim, "FE?", answer);
    };
    next_value("1.2345 KOHM");
    double value = 0.0;
    char unit[ZK7416_UNIT_SIZE + 4];
    std::memset(unit, 'x', sizeof unit);
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 0);
    EXPECT_DOUBLE_EQ(value, 1.2345);
    EXPECT_STREQ(unit, "KOHM");

    next_value(("5" + std::string(40, 'U')).c_str());
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 0);
    EXPECT_DOUBLE_EQ(value, 5.0);
    EXPECT_EQ(std::string(unit), std::string(ZK7416_UNIT_SIZE - 1, 'U'));
    EXPECT_EQ(unit[ZK7416_UNIT_SIZE], 'x') << "nothing past the unit field";

    next_value("000");
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 0);
    EXPECT_EQ(value, 0.0);
    EXPECT_STREQ(unit, "") << "a value without a unit word has none";
}

TEST_F(GpibMeasurement, WaitAndPollFailures) {
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), ZK7416_ERR_SRQ_WAIT) << "no request";
    sim->bus().faults().arm(GpibFault::WaitError);
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), ZK7416_ERR_SRQ_WAIT);
    set_causes(0x80);
    sim->bus().faults().arm(GpibFault::SerialPollError);
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), ZK7416_ERR_SERIAL_POLL);
    EXPECT_STREQ(text, "old value");
    EXPECT_TRUE(log().empty());
}

TEST_F(GpibMeasurement, StopReadsBothRegistersAndTakesBackAPendingRequest) {
    set_value_available();
    ASSERT_TRUE(service_requested());
    EXPECT_EQ(zk7416_meas_stop(handle()), 0);
    EXPECT_EQ(log(), (Lines{"AB", "S:O:C?", ":STAT:QUES?"}));
    EXPECT_FALSE(service_requested());
}

TEST_F(GpibMeasurement, AFailingSerialPollAtTheStopGivesTheLibrarysErrorCode) {
    sim->bus().faults().arm(GpibFault::SerialPollError);
    EXPECT_EQ(zk7416_meas_stop(handle()), 14) << "EBUS";
    EXPECT_EQ(zk7416_last_status(), 14);
}

class SerialMeasurement : public ::testing::Test {
  protected:
    void SetUp() override {
        sim = std::make_unique<SimConnection>(Transport::Rs232);
        ASSERT_EQ(sim->connect(), 0);
        sim->clear_log();
    }
    int32_t handle() const { return sim->handle(); }
    Lines log() const { return sim->log(); }

    std::unique_ptr<SimConnection> sim;
};

TEST_F(SerialMeasurement, NoValueYetIsReportedAtOnceWithoutFetching) {
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), ZK7416_EOT);
    double value = 1.0;
    char unit[32] = "OHM";
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), ZK7416_EOT);
    EXPECT_STREQ(text, "old value");
    EXPECT_EQ(value, 1.0);
    EXPECT_EQ(log(), (Lines{"S:O:C?", "S:O:C?"}));
}

TEST_F(SerialMeasurement, AFailedFetchIsAnEmptyPoll) {
    sim->instrument().modify([](InstrumentState& s) {
        s.status.set_condition_bits(EventRegisterId::Operation, tarvolux::sim::OPER_VALUE_AVAILABLE,
                                    true);
    });
    sim->instrument().set_command_listener([this](const std::string& line) {
        if (line == "FE?") sim->serial_door().faults().arm(SerialFault::EotResponse);
    });
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 0);
    EXPECT_EQ(zk7416_last_status(), 0);
    EXPECT_STREQ(text, "old value");
    EXPECT_EQ(log(), (Lines{"S:O:C?", "FE?"}));
}

TEST_F(SerialMeasurement, StopIsTheCommandAlone) {
    EXPECT_EQ(zk7416_meas_stop(handle()), 0);
    EXPECT_EQ(log(), (Lines{"AB"}));
}

// RS-232 answers as they come after the operation register reported a value.
class SerialValues : public SerialMeasurement {
  protected:
    void SetUp() override {
        SerialMeasurement::SetUp();
        sim->instrument().override_answer("S:O:C?", "256");
    }
};

TEST_F(SerialValues, ValuesAreFetchedWhenTheRegisterReportsOne) {
    script(*sim, "FE?", "12.345MOHM");
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 0);
    EXPECT_STREQ(text, "12.345MOHM");
    script(*sim, "FE?", "-0.0042OHM");
    double value = 0.0;
    char unit[32] = "";
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 0);
    EXPECT_DOUBLE_EQ(value, -0.0042);
    EXPECT_STREQ(unit, "OHM");
    EXPECT_EQ(log(), (Lines{"S:O:C?", "FE?", "S:O:C?", "FE?"}));
}

TEST_F(SerialValues, AnOverloadWithoutACauseGivesNoValue) {
    script(*sim, "FE?", ">>>");
    script(*sim, ":STAT:QUES:FRES?", "0");
    double value = 7.0;
    char unit[32] = "OHM";
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 0);
    EXPECT_EQ(value, 7.0);
    EXPECT_STREQ(unit, "OHM");
    EXPECT_EQ(log(), (Lines{"S:O:C?", "FE?", ":STAT:QUES:FRES?"}));
}

TEST_F(SerialValues, AnOverloadWithACauseClearsTheValue) {
    script(*sim, "FE?", ">>>");
    script(*sim, ":STAT:QUES:FRES?", "08");
    double value = 7.0;
    char unit[32] = "OHM";
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 314);
    EXPECT_EQ(value, 0.0);

    script(*sim, "FE?", ">>> Over Range");
    script(*sim, ":STAT:QUES:FRES?", "40");
    char text[300] = "old value";
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 311);
    EXPECT_STREQ(text, "");
}

TEST_F(SerialValues, OnlyTheTextReadLooksForTheMarkInsideTheAnswer) {
    // For the number read only ">>>" alone is an overload; this answer has no number.
    script(*sim, "FE?", ">>> Over Range");
    double value = 7.0;
    char unit[32] = "OHM";
    EXPECT_EQ(zk7416_meas_read(handle(), &value, unit), 0);
    EXPECT_EQ(value, 7.0);
    EXPECT_STREQ(unit, "OHM");
    EXPECT_EQ(log(), (Lines{"S:O:C?", "FE?"}));

    // The text read looks at the first 30 characters.
    const std::string inside = std::string(27, ' ') + ">>>";
    const std::string beyond = std::string(28, ' ') + ">>>";
    char text[300] = "";
    script(*sim, "FE?", inside);
    script(*sim, ":STAT:QUES:FRES?", "1");
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 317);
    script(*sim, "FE?", beyond);
    EXPECT_EQ(zk7416_meas_read_string(handle(), text), 0);
    EXPECT_EQ(std::string(text), beyond);
}

}  // namespace
}  // namespace driver_test
