// The GPIB simulation library loaded as a program loads it, against instruments on
// the simulated bus.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "case_name.h"
#include "gpib_door_fixture.h"
#include "sim/library_path.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

// A read sequence: EOS setting, then per read the count and the expected bytes and END.
struct Chunk {
    long count;
    std::string bytes;
    bool end;
};
struct ReadCase {
    const char* name;
    int eos;
    std::vector<Chunk> chunks;
};

const ReadCase READ_CASES[] = {
    {"WholeAnswerWithEoi", 0, {{300, IDN + "\r\n", true}}},
    {"LineFeedEos", ni488::REOS | '\n', {{300, IDN + "\r\n", true}}},
    {"EosInTheMiddle",
     ni488::REOS | ',',
     {{300, "TARVOLUX,", true}, {300, "Typ 7416,", true}, {1, "1", false}, {300, ",", true}}},
    {"EosComparesSevenBits", ni488::REOS | (',' | 0x80), {{300, "TARVOLUX,", true}}},
    {"EosWithAllEightBits", ni488::REOS | ni488::BIN | (',' | 0x80), {{300, IDN + "\r\n", true}}},
    {"EosWithoutReadEnd", ',', {{300, IDN + "\r\n", true}}},
    {"CutByCountRestStays", 0, {{5, "TARVO", false}, {300, IDN.substr(5) + "\r\n", true}}},
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class GpibReads : public GpibDoorTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(GpibReads, ReadEndsAtEosEoiOrCount) {
    const ReadCase& c = GetParam();
    ASSERT_EQ(lib().ibeos(ud_, c.eos) & ni488::ERR, 0);
    write("*IDN?");
    for (const Chunk& chunk : c.chunks) {
        int sta = 0;
        EXPECT_EQ(read(chunk.count, sta), chunk.bytes);
        EXPECT_EQ(sta, ni488::CMPL | (chunk.end ? ni488::END : 0)) << chunk.bytes;
        expect_status(sta, 0, static_cast<long>(chunk.bytes.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Eos, GpibReads, ::testing::ValuesIn(READ_CASES), case_name);

TEST_F(GpibDoorTest, ReadWithNothingWaitingTimesOutAndTheNextCallResetsTheError) {
    int sta = 0;
    read(300, sta);
    EXPECT_EQ(sta, ni488::ERR | ni488::TIMO);
    expect_status(sta, ni488::EABO, 0);

    sta = write("*SRE?");
    expect_status(sta, 0, 6);
    EXPECT_EQ(read(300, sta), "0\r\n");
}

TEST_F(GpibDoorTest, ANewWriteDiscardsAnUnreadAnswer) {
    write("*IDN?");
    write("*SRE?");
    int sta = 0;
    EXPECT_EQ(read(300, sta), "0\r\n");
}

TEST_F(GpibDoorTest, CommandLinesEndAtLineFeedOrWithEoi) {
    const std::string two = "*SRE 8\n*CLS\n";
    lib().ibwrt(ud_, two.data(), static_cast<long>(two.size()));
    lib().ibconfig(ud_, ni488::IbcEOT, 0);
    lib().ibwrt(ud_, "*SRE", 4);
    lib().ibconfig(ud_, ni488::IbcEOT, 1);
    lib().ibwrt(ud_, "?", 1);
    EXPECT_EQ(instrument_->command_log(), (std::vector<std::string>{"*SRE 8", "*CLS", "*SRE?"}));
}

TEST_F(GpibDoorTest, ServiceRequestRisesOnAnEnabledSummaryAndASerialPollTakesItBack) {
    write("*SRE 136");
    write("STAT:OPER:ENAB 256");
    EXPECT_EQ(lib().ibwait(ud_, ni488::TIMO | ni488::RQS), ni488::CMPL | ni488::TIMO);

    const auto value_available = [this](bool on) {
        instrument_->modify([on](InstrumentState& s) {
            s.status.set_condition_bits(EventRegisterId::Operation, OPER_VALUE_AVAILABLE, on);
        });
    };
    value_available(true);
    EXPECT_EQ(lib().ibwait(ud_, ni488::TIMO | ni488::RQS), ni488::CMPL | ni488::RQS);
    char stb = 0;
    EXPECT_EQ(lib().ibrsp(ud_, &stb), ni488::CMPL);
    EXPECT_EQ(static_cast<unsigned char>(stb), 0xC0);
    EXPECT_EQ(poll(), 0x80u) << "summary stays, RQS is gone";
    EXPECT_EQ(lib().ibwait(ud_, ni488::TIMO | ni488::RQS), ni488::CMPL | ni488::TIMO);

    // A new value while the event is still latched is no new reason for service ...
    value_available(false);
    value_available(true);
    EXPECT_EQ(lib().ibwait(ud_, ni488::TIMO | ni488::RQS), ni488::CMPL | ni488::TIMO);
    // ... once the event register was read, it is.
    write("STAT:OPER?");
    value_available(false);
    value_available(true);
    EXPECT_EQ(poll(), 0xC0u);

    // Questionable summary, and an enable that arrives after the event.
    write("*CLS");
    write("*SRE 0");
    write("STAT:QUES:ENAB 528");
    instrument_->modify([](InstrumentState& s) { s.status.set_resistance_causes(0x01); });
    EXPECT_EQ(poll(), 0x08u);
    write("*SRE 136");
    EXPECT_EQ(poll(), 0x48u);
}

TEST_F(GpibDoorTest, WaitWakesWhenAnotherThreadRaisesTheRequest) {
    bus().set_timeout_scale(1);
    write("*SRE 128");
    write("STAT:OPER:ENAB 256");
    std::thread raiser([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        instrument_->modify([](InstrumentState& s) {
            s.status.raise_event(EventRegisterId::Operation, OPER_VALUE_AVAILABLE);
        });
    });
    const int sta = lib().ibwait(ud_, ni488::TIMO | ni488::RQS);
    raiser.join();
    EXPECT_EQ(sta, ni488::CMPL | ni488::RQS);
}

TEST_F(GpibDoorTest, AnAddressWithoutInstrumentHasNoListener) {
    const int other = lib().ibdev(0, 9, 0, ni488::T10s, 1, 0);
    EXPECT_EQ(write("*IDN?", other), ni488::ERR);
    expect_status(ni488::ERR, ni488::ENOL, 0);
    char stb = 0;
    EXPECT_EQ(lib().ibrsp(other, &stb), ni488::ERR);
    EXPECT_EQ(lib().ibclr(other), ni488::ERR);
    EXPECT_EQ(*lib().iberr, ni488::ENOL);

    bus().set_auto_attach(true);
    EXPECT_EQ(write("*IDN?", other), ni488::CMPL);
    ASSERT_NE(bus().instrument_at(9), nullptr);
    EXPECT_EQ(bus().instrument_at(9)->command_log(), std::vector<std::string>{"*IDN?"});
}

TEST_F(GpibDoorTest, DescriptorsAreCheckedAndFreedByGoingOffline) {
    EXPECT_EQ(lib().ibdev(1, PAD, 0, ni488::T10s, 1, 0), -1);
    EXPECT_EQ(*lib().iberr, ni488::ENEB);
    EXPECT_EQ(lib().ibdev(0, 31, 0, ni488::T10s, 1, 0), -1);
    EXPECT_EQ(*lib().iberr, ni488::EARG);
    EXPECT_EQ(lib().ibconfig(ud_, ni488::IbcREADDR, 1), ni488::CMPL);
    EXPECT_EQ(lib().ibconfig(ud_, 0x7777, 1), ni488::ERR);
    EXPECT_EQ(lib().ibtmo(ud_, 18), ni488::ERR);

    EXPECT_EQ(lib().ibpad(ud_, 9), ni488::CMPL);
    bus().attach(9);
    write("*CLS");
    EXPECT_EQ(bus().instrument_at(9)->command_log(), std::vector<std::string>{"*CLS"});

    EXPECT_EQ(lib().ibonl(ud_, 0), ni488::CMPL);
    EXPECT_EQ(write("*CLS"), ni488::ERR);
    EXPECT_EQ(*lib().iberr, ni488::EDVR);
}

TEST_F(GpibDoorTest, ClearDropsTheAnswerAndClearAndLocalAreRecordedInOrder) {
    write("*IDN?");
    EXPECT_EQ(lib().ibclr(ud_), ni488::CMPL);
    int sta = 0;
    read(300, sta);
    EXPECT_EQ(sta, ni488::ERR | ni488::TIMO);
    write("*CLS");
    EXPECT_EQ(lib().ibloc(ud_), ni488::CMPL);
    EXPECT_TRUE(instrument_->local());
    const auto events = instrument_->interface_log();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].event, InterfaceEvent::DeviceClear);
    EXPECT_EQ(events[0].after_commands, 1u);
    EXPECT_EQ(events[1].event, InterfaceEvent::GoToLocal);
    EXPECT_EQ(events[1].after_commands, 2u);
    write("*CLS");
    EXPECT_FALSE(instrument_->local()) << "a command makes it remote again";
}

struct GpibFaultCase {
    const char* name;
    GpibFault fault;
    std::function<int(int ud)> call;
    int sta;
    int err;
};

const GpibFaultCase GPIB_FAULT_CASES[] = {
    {"WriteError", GpibFault::WriteError,
     [](int ud) { return GpibLibrary::get().ibwrt(ud, "*CLS\n", 5); }, ni488::ERR, ni488::EBUS},
    {"ReadTimeout", GpibFault::ReadTimeout,
     [](int ud) {
         char b[300];
         return GpibLibrary::get().ibrd(ud, b, 300);
     },
     ni488::ERR | ni488::TIMO, ni488::EABO},
    {"SerialPollError", GpibFault::SerialPollError,
     [](int ud) {
         char stb;
         return GpibLibrary::get().ibrsp(ud, &stb);
     },
     ni488::ERR, ni488::EBUS},
    {"WaitError", GpibFault::WaitError,
     [](int ud) { return GpibLibrary::get().ibwait(ud, ni488::TIMO | ni488::RQS); }, ni488::ERR,
     ni488::EBUS},
    {"ClearError", GpibFault::ClearError, [](int ud) { return GpibLibrary::get().ibclr(ud); },
     ni488::ERR, ni488::EBUS},
    {"EosError", GpibFault::EosError, [](int ud) { return GpibLibrary::get().ibeos(ud, 0x40A); },
     ni488::ERR, ni488::EARG},
    {"PadError", GpibFault::PadError, [](int ud) { return GpibLibrary::get().ibpad(ud, PAD); },
     ni488::ERR, ni488::EARG},
    {"LocalError", GpibFault::LocalError, [](int ud) { return GpibLibrary::get().ibloc(ud); },
     ni488::ERR, ni488::EBUS},
};

void PrintTo(const GpibFaultCase& c, std::ostream* os) {
    *os << c.name;
}

class GpibFaults : public GpibDoorTest, public ::testing::WithParamInterface<GpibFaultCase> {};

TEST_P(GpibFaults, TheCallFailsOnceAndTheAnswerWaitingStays) {
    const GpibFaultCase& c = GetParam();
    write("*SRE?");
    bus().faults().arm(c.fault);
    EXPECT_EQ(c.call(ud_), c.sta);
    expect_status(c.sta, c.err, 0);
    EXPECT_EQ(instrument_->command_log(), std::vector<std::string>{"*SRE?"});
    EXPECT_TRUE(instrument_->output_pending());
    EXPECT_EQ(c.call(ud_) & ni488::ERR, 0) << "one shot only";
}

INSTANTIATE_TEST_SUITE_P(Faults, GpibFaults, ::testing::ValuesIn(GPIB_FAULT_CASES), case_name);

TEST_F(GpibDoorTest, AnOverlongAnswerIsCutAtTheCountAndItsRestReadAfter) {
    bus().faults().arm(GpibFault::LongResponse);
    write("*SRE?");
    int sta = 0;
    const std::string head = read(300, sta);
    EXPECT_EQ(sta, ni488::CMPL);
    EXPECT_EQ(head.substr(0, 1), "0");
    const std::string rest = read(300, sta);
    EXPECT_EQ(sta, ni488::CMPL | ni488::END);
    EXPECT_EQ(head.size() + rest.size(), LONG_ANSWER_BYTES);
    EXPECT_EQ(rest.substr(rest.size() - 2), "\r\n");
}

TEST(GpibLibraryPath, LiesBesideTheModelLibrary) {
    EXPECT_EQ(gpib_library_path(), std::filesystem::canonical(GPIB_SIM_LIBRARY).string());
}

}  // namespace
}  // namespace sim_test
