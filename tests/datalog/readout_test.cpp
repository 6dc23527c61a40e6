// Reading a datalogger block out of the simulated instrument: the exact wire with its
// pauses, what the read-out keeps, and how it ends when the line or the answers fail.
#include <cmath>
#include <functional>

#include "datalog/readout.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "text/text_field.h"
#include "sim/gpib_bus.h"
#include "tests/datalog/datalog_fixture.h"

namespace datalog_test {
namespace {

namespace sim = tarvolux::sim;
using datalog::ReadoutChoice;
using datalog::ReadoutEnd;

const Lines STATISTICS = {"DAT:MIN? 3", "DAT:max? 3", "DAT:AVER? 3", "DAT:DEV? 3", "pause 0.05"};

Lines joined(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

datalog::ReadoutResult read(ReadoutChoice choice) {
    datalog::ReadoutProgress progress;
    return datalog::read_stored_values(choice, progress);
}

std::string field(const char* text) {
    return std::string(text);
}

TEST_F(DataloggerTest, ValuesWithDateComeSevenAtATimeThenOneByOne) {
    store_values(3, 45);
    name_block(3, "Ofen_3");
    auto result = read({.block = 3, .first_index = 1, .last_index = 45, .with_statistics = true});

    EXPECT_EQ(result.end, ReadoutEnd::Complete);
    EXPECT_EQ(events(), joined({STATISTICS, requests("DV? %d,%d", 3, {1, 8, 15, 22, 29, 36}),
                                requests("dat:data:all? %d,%d", 3, {43, 44, 45})}));
    EXPECT_TRUE(messages().empty());

    const auto& readout = instrument::dl_readout;
    ASSERT_EQ(readout.dl_mem_counts(), 45);
    for (int k = 0; k < 45; ++k) {
        const instrument::DlEntry& entry = readout.dl_data()[k];
        EXPECT_EQ(field(entry.value), shown_text(k)) << k;
        EXPECT_EQ(field(entry.date), "15.03.2024") << k;
        char time[16];
        std::snprintf(time, sizeof time, "10:00:%02d:%02d", k, k);
        EXPECT_EQ(field(entry.time), time) << k;
        EXPECT_NEAR(readout.dl_num_value()[k], (12.0 + k / 1000.0) / 1000.0, 1e-8) << k;
    }
    const instrument::ReadoutSource& source = readout.source();
    EXPECT_EQ(source.block, 3);
    EXPECT_EQ(source.name, "Ofen_3");
    EXPECT_FALSE(source.values_only);
    EXPECT_TRUE(source.with_statistics);
    EXPECT_NEAR(instrument::dblmin, 0.012, 1e-7);
    EXPECT_NEAR(instrument::dblmax, 0.012044, 1e-7);
    auto lines = datalog::statistics_lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("Statistik Minimum   12.0", 0), 0u) << lines[0];
    EXPECT_EQ(lines[3].rfind("Statistik Std.Abweichung   ", 0), 0u) << lines[3];
    EXPECT_NE(lines[3].find("Ohm"), std::string::npos) << lines[3];
}

struct Range {
    int first, last;
    bool values_only;
    Lines wire;
};

TEST_F(DataloggerTest, ARangeIsFetchedInWholeChunksAndTheRestOneByOne) {
    store_values(3, 60);
    const Range ranges[] = {
        {1, 20, true, requests("DA? %d,%d", 3, {1})},
        {5, 44, true, requests("DA? %d,%d", 3, {5, 25})},
        {5, 44, false,
         joined({requests("DV? %d,%d", 3, {5, 12, 19, 26, 33}),
                 requests("dat:data:all? %d,%d", 3, {40, 41, 42, 43, 44})})},
        {58, 60, true, requests("DAT:DATA:FRES? %d,%d", 3, {58, 59, 60})},
        {7, 7, false, requests("dat:data:all? %d,%d", 3, {7})},
    };
    for (const Range& range : ranges) {
        wire.clear();
        auto result = read({3, range.first, range.last, range.values_only, false});
        std::string row = std::to_string(range.first) + ".." + std::to_string(range.last);
        EXPECT_EQ(result.end, ReadoutEnd::Complete) << row;
        EXPECT_EQ(events(), range.wire) << row;
        const auto& readout = instrument::dl_readout;
        ASSERT_EQ(readout.dl_mem_counts(), range.last - range.first + 1) << row;
        EXPECT_EQ(readout.first_value(), range.first) << row;
        for (int k = 0; k < readout.dl_mem_counts(); ++k) {
            EXPECT_EQ(field(readout.dl_data()[k].value), shown_text(range.first - 1 + k)) << row;
            EXPECT_EQ(field(readout.dl_data()[k].date).empty(), range.values_only) << row;
        }
        EXPECT_EQ(readout.source().values_only, range.values_only);
        EXPECT_TRUE(datalog::statistics_lines().empty());
    }
    EXPECT_TRUE(messages().empty());
}

// A fault armed on the instrument when it receives the third "DV?" of a read-out.
struct Fault {
    const char* name;
    Transport transport;
    std::function<void(driver_test::SimConnection&)> arm;
};

void PrintTo(const Fault& fault, std::ostream* os) {
    *os << fault.name;
}

class FaultOnTheThirdChunk : public DataloggerTest, public ::testing::WithParamInterface<Fault> {
  protected:
    void SetUp() override { start(GetParam().transport); }
};

TEST_P(FaultOnTheThirdChunk, EndsTheReadOutWithTheValuesReallyRead) {
    store_values(3, 45);
    int chunks = 0;
    auto* connection = sim.get();
    auto arm = GetParam().arm;
    sim->instrument().set_command_listener([&chunks, connection, arm](const std::string& line) {
        if (line.rfind("DV?", 0) == 0 && ++chunks == 3) arm(*connection);
    });
    auto result = read({.block = 3, .first_index = 1, .last_index = 45});
    sim->instrument().set_command_listener({});

    EXPECT_EQ(result.end, ReadoutEnd::ConnectionLost);
    EXPECT_EQ(result.read, 14);
    // One time-out: nothing is asked after the exchange that failed.
    EXPECT_EQ(events(), requests("DV? %d,%d", 3, {1, 8, 15}));
    const auto& readout = instrument::dl_readout;
    ASSERT_EQ(readout.dl_mem_counts(), 14);
    for (int k = 0; k < 14; ++k) EXPECT_EQ(field(readout.dl_data()[k].value), shown_text(k)) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultOnTheThirdChunk,
    ::testing::Values(Fault{"Rs232Silence", Transport::Rs232,
                            [](driver_test::SimConnection& c) {
                                c.serial_door().faults().arm(sim::SerialFault::SilentResponse);
                            }},
                      Fault{"Rs232Eot", Transport::Rs232,
                            [](driver_test::SimConnection& c) {
                                c.serial_door().faults().arm(sim::SerialFault::EotResponse);
                            }},
                      Fault{"Rs232CutBlock", Transport::Rs232,
                            [](driver_test::SimConnection& c) {
                                c.serial_door().faults().arm(sim::SerialFault::CutResponse);
                            }},
                      Fault{"GpibSilence", Transport::Gpib,
                            [](driver_test::SimConnection& c) {
                                c.bus().faults().arm(sim::GpibFault::ReadTimeout);
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ThroughBothDoors, TheOperatorIsToldOnceHowManyValuesWereRead) {
    store_values(3, 45);
    sim->instrument().script_answer("DV?", "12.0MOHM,15,03,2024", 1);
    std::vector<datalog::ReadoutResult> ends;
    datalog::ReadoutProgress progress;
    rec::datalog.active_block = 3;
    rec::upload = {0, 0, 0, 1, 45};
    // The first chunk's answer lacks six records: not one value of it is data.
    EXPECT_EQ(datalog::read_data_logger(progress), 0);
    EXPECT_EQ(events(), requests("DV? %d,%d", 3, {1}));
    EXPECT_EQ(instrument::dl_readout.dl_mem_counts(), 0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0],
              "Das Gerät hat auf \"DV? 3,1\" keine gültige Antwort gegeben.\nDas Auslesen "
              "wurde beendet.\n\nEs wurden 0 von 45 Werten gelesen.");
    EXPECT_EQ(wire.popups()[0].title, "Fehler-Meldung :");

    // A lost line: the step and the driver's reason, then the count.
    wire.clear();
    wire.clear_records();
    int chunks = 0;
    auto* connection = sim.get();
    sim->instrument().set_command_listener([&chunks, connection](const std::string& line) {
        if (line.rfind("DV?", 0) != 0 || ++chunks != 2) return;
        if (connection->transport() == Transport::Rs232)
            connection->serial_door().faults().arm(sim::SerialFault::EotResponse);
        else
            connection->bus().faults().arm(sim::GpibFault::ReadTimeout);
    });
    EXPECT_EQ(datalog::read_data_logger(progress), 0);
    sim->instrument().set_command_listener({});
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].rfind("Keine Antwort vom Tarvolux Typ 7416.\nSchritt: Datalogger "
                                  "auslesen, DV? 3,8\nFehler ",
                                  0),
              0u)
        << messages()[0];
    EXPECT_NE(messages()[0].find("\n\nEs wurden 7 von 45 Werten gelesen."), std::string::npos);
    EXPECT_EQ(instrument::dl_readout.dl_mem_counts(), 7);
}

INSTANTIATE_TEST_SUITE_P(Doors, ThroughBothDoors,
                         ::testing::Values(Transport::Rs232, Transport::Gpib),
                         driver_test::transport_name);

class Cancelling : public datalog::ReadoutProgress {
  public:
    explicit Cancelling(int after) : after_(after) {}
    void advanced(std::int32_t next) override { last_ = next; }
    bool cancel_requested() override { return ++asked_ > after_; }
    std::int32_t last_ = 0;

  private:
    int after_;
    int asked_ = 0;
};

TEST_F(DataloggerTest, ACancelKeepsWhatWasReadAsAFaultDoes) {
    store_values(3, 100);
    rec::datalog.active_block = 3;
    rec::upload = {1, 1, 0, 1, 100};
    Cancelling progress(3);
    EXPECT_EQ(datalog::read_data_logger(progress), 0);
    EXPECT_EQ(events(), requests("DA? %d,%d", 3, {1, 21, 41}));
    EXPECT_EQ(progress.last_, 61);
    EXPECT_EQ(instrument::dl_readout.dl_mem_counts(), 60);
    EXPECT_EQ(messages(), Lines{"Das Auslesen wurde abgebrochen.\n\nEs wurden 60 von 100 Werten "
                                "gelesen."});
    EXPECT_EQ(wire.popups()[0].title, "Meldung :");
}

class OldFirmwareDates : public DataloggerTest, public ::testing::WithParamInterface<int> {};

TEST_P(OldFirmwareDates, GetTheirCenturyWhateverTheFirmwareFlagSays) {
    start(Transport::Rs232, sim::Firmware::Old);
    rec::device.new_firmware = GetParam();  // 1: a configuration file of a newer instrument
    for (int k = 0; k < 7; ++k) store_value_at(2, stored_text(k), 1998, 12, 31);
    store_value_at(2, stored_text(7), 2005, 1, 1);
    store_value_at(2, stored_text(8), 2089, 6, 30);

    auto result = read({.block = 2, .first_index = 1, .last_index = 9});
    ASSERT_EQ(result.end, ReadoutEnd::Complete);
    auto entries = instrument::dl_readout.dl_data();
    ASSERT_EQ(entries.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(field(entries[k].value), shown_text(k)) << k;
        EXPECT_EQ(field(entries[k].time), "23:59:58:00") << k;
    }
    EXPECT_EQ(field(entries[0].date), "31.12.1998");  // from a "DV?" chunk
    EXPECT_EQ(field(entries[6].date), "31.12.1998");
    EXPECT_EQ(field(entries[7].date), "01.01.2005");  // single reads
    EXPECT_EQ(field(entries[8].date), "30.06.2089");
}

INSTANTIATE_TEST_SUITE_P(Flags, OldFirmwareDates, ::testing::Values(0, 1));

TEST_F(DataloggerTest, NewFirmwareDatesStayAsTheyAreUnderAWrongFlag) {
    rec::device.new_firmware = 0;
    store_values(1, 8);
    ASSERT_EQ(read({.block = 1, .first_index = 1, .last_index = 8}).end, ReadoutEnd::Complete);
    for (const auto& entry : instrument::dl_readout.dl_data()) {
        EXPECT_EQ(field(entry.date), "15.03.2024");
        EXPECT_EQ(field(entry.time).size(), 11u);
    }
    EXPECT_EQ(field(instrument::dl_readout.dl_data()[7].value), shown_text(7));
}

TEST_F(DataloggerTest, ABlockWithoutMeasuredValuesHasNoFiguresToShow) {
    store_values(4, 5, true);
    instrument::dblmin = instrument::dblmax = instrument::dblavg = 42.0;
    auto result = read({.block = 4,
                        .first_index = 1,
                        .last_index = 5,
                        .values_only = true,
                        .with_statistics = true});
    ASSERT_EQ(result.end, ReadoutEnd::Complete);
    const instrument::ReadoutSource& source = instrument::dl_readout.source();
    EXPECT_TRUE(source.with_statistics);
    EXPECT_TRUE(source.statistics_empty);
    EXPECT_EQ(datalog::statistics_lines(),
              (Lines{"Statistik Minimum   Gelöscht", "Statistik Maximum   Gelöscht",
                     "Statistik Mittelwert   Gelöscht", "Statistik Std.Abweichung   Gelöscht"}));
    EXPECT_EQ(instrument::dblmin, 42.0);
    EXPECT_EQ(text::field_text(rec::datalog.stat_max), "BLOCK EMPTY");
    for (float ohms : instrument::dl_readout.dl_num_value()) EXPECT_TRUE(std::isnan(ohms));
    EXPECT_EQ(field(instrument::dl_readout.dl_data()[0].value), ">>>");
}

TEST_F(DataloggerTest, FailedStatisticsLeaveNoFiguresOfAnotherBlock) {
    store_values(3, 10);
    text::copy_text(rec::datalog.stat_min, "1.000 mOhm");
    text::copy_text(rec::datalog.stat_max, "9.000 mOhm");
    sim->instrument().set_command_listener([door = &sim->serial_door()](const std::string& line) {
        if (line == "DAT:max? 3") door->faults().arm(sim::SerialFault::EotResponse);
    });
    auto result = read({.block = 3, .first_index = 1, .last_index = 10, .with_statistics = true});
    sim->instrument().set_command_listener({});
    EXPECT_EQ(result.end, ReadoutEnd::ConnectionLost);
    EXPECT_EQ(result.read, 0);
    EXPECT_EQ(events(), (Lines{"DAT:MIN? 3", "DAT:max? 3"}));
    EXPECT_EQ(text::field_text(rec::datalog.stat_min), "");
    EXPECT_EQ(text::field_text(rec::datalog.stat_max), "");
    EXPECT_FALSE(instrument::dl_readout.source().with_statistics);
}

TEST_F(DataloggerTest, NothingIsSentForABlockOutOfRange) {
    rec::datalog.active_block = 99;  // from a damaged configuration file
    rec::upload = {0, 0, 1, 1, 10};
    datalog::ReadoutProgress progress;
    EXPECT_EQ(datalog::read_data_logger(progress), -1);
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(messages(), Lines{"Es ist kein gültiger Datalogger-Block gewählt."});
    EXPECT_FALSE(instrument::dl_readout.dl_buffers_allocated());
}

TEST(TransferTimeEstimate, CountsWholeRequestsAtTheMeasuredSpeed) {
    settings::pc_speed_factor = 0.01;  // 1.2 s per request
    EXPECT_DOUBLE_EQ(datalog::transfer_time_estimate(45, false, false), 6 * 1.2);
    EXPECT_DOUBLE_EQ(datalog::transfer_time_estimate(45, true, false), 2 * 1.2);
    EXPECT_NEAR(datalog::transfer_time_estimate(20000, false, true), 2857 * 1.2 * 0.7, 1e-9);
    EXPECT_DOUBLE_EQ(datalog::transfer_time_estimate(6, false, false), 0.0);
    EXPECT_DOUBLE_EQ(datalog::transfer_time_estimate(-40, true, false), 0.0);  // to before from
    settings::pc_speed_factor = 0;
}

}  // namespace
}  // namespace datalog_test
