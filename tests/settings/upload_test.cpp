// Upload: the instrument's settings into the records, in transfer order.
#include <cstring>

#include "driver/zk7416.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "settings/transfer.h"
#include "sim/clock.h"
#include "transfer_fixture.h"

namespace {

using ui::ProgressEventKind;

std::vector<int> counting(int from, int to) {
    std::vector<int> values;
    for (int v = from; v <= to; ++v) values.push_back(v);
    return values;
}

class UploadOrder : public TransferThroughDoor {};

TEST_P(UploadOrder, FullUploadAsksEverySettingOnceInTransferOrder) {
    prepare_for_full_upload();

    ASSERT_EQ(settings::upload_current_state(1), 0);

    std::vector<std::string> expected = full_upload_wire();
    ASSERT_EQ(expected.size(), 298u);
    EXPECT_EQ(log(), expected);
    EXPECT_TRUE(backend.popups().empty());
    EXPECT_EQ(rec::compare.limit_count, 4);
    EXPECT_EQ(rec::tempconf.sensor, 0);
    EXPECT_EQ(rec::measurement_configuration.range, 3);
}

TRANSFER_THROUGH_BOTH_DOORS(UploadOrder);

using Upload = ConnectedTransferTest;

TEST_F(Upload, SettingsOnlyLeavesBlocksLabelsAndSpeedAlone) {
    std::memset(&rec::datalog, 0x5A, sizeof rec::datalog);
    std::memset(&rec::memory, 0x5A, sizeof rec::memory);
    settings::pc_speed_factor = 123.0;
    rec::print.state = 1;
    rec::Datalog expected = rec::datalog;
    const rec::Memory memory_before = rec::memory;

    ASSERT_EQ(settings::upload_current_state(0), 0);

    // Of the datalogger only its state and the active block are read.
    expected.state = rec::datalog.state;
    expected.active_block = rec::datalog.active_block;
    EXPECT_EQ(std::memcmp(&rec::datalog, &expected, sizeof expected), 0);
    EXPECT_EQ(std::memcmp(&rec::memory, &memory_before, sizeof memory_before), 0);
    EXPECT_EQ(settings::pc_speed_factor, 123.0);
    EXPECT_EQ(rec::print.state, 0);

    expect_sent({{"DAT:SIZE?", 0},
                 {"DAT:STATE:NAME?", 0},
                 {"DAT:FILT", 0},
                 {"mem:stat:name?", 0},
                 {"acc:manr?", 1}});

    EXPECT_EQ(progress_labels(ProgressEventKind::Show),
              std::vector<std::string>{"Übertragen der geladenen Einstellungen"});
    EXPECT_EQ(progress_numbers(ProgressEventKind::Show), std::vector<int>{89});
    EXPECT_EQ(progress_numbers(ProgressEventKind::Maximum), std::vector<int>{25});
    EXPECT_EQ(progress_numbers(ProgressEventKind::Value), counting(0, 25));
    expect_progress_closed(1);
}

TEST_F(Upload, FullUploadReadsBlocksAndLabelsAndMeasuresTheLine) {
    send("DAT:SIZE 3,500");
    send("DAT:STATE:DEF Ofen_3,3");
    send("DAT:FILT 3,XVAL");
    send("DAT:FILT:XVAL 3,12");
    send("mem:stat:def Probe,7");
    clear_log();
    settings::pc_speed_factor = -1.0;

    ASSERT_EQ(settings::upload_current_state(1), 0);

    EXPECT_EQ(rec::datalog.block_size[3], 500);
    EXPECT_EQ(text::field_text(rec::datalog.block_name[3]), "Ofen_3");
    EXPECT_EQ(rec::datalog.filter_mode[3], 3);
    EXPECT_EQ(rec::datalog.filter_xval[3], 12);
    EXPECT_EQ(text::field_text(rec::memory.label[7]), "Probe");
    // 33 real label queries take some time, and far less than a second each.
    EXPECT_GT(settings::pc_speed_factor, 0.0);
    EXPECT_LT(settings::pc_speed_factor, 1.0 / 15);

    EXPECT_EQ(progress_numbers(ProgressEventKind::Show), std::vector<int>{89});
    EXPECT_TRUE(progress_numbers(ProgressEventKind::Maximum).empty());
    // One step per block, per label and per settings step.
    EXPECT_EQ(progress_numbers(ProgressEventKind::Value), counting(0, 32 + 33 + 25));
}

struct CapacityCase {
    tarvolux::sim::Firmware firmware;
    int new_firmware;
    bool asked;
};

void PrintTo(const CapacityCase& c, std::ostream* os) {
    *os << (c.asked ? "newer firmware" : "older firmware");
}

class DataloggerCapacity : public TransferTest,
                           public ::testing::WithParamInterface<CapacityCase> {};

TEST_P(DataloggerCapacity, FreeMemoryIsTheCapacityLessAllBlocks) {
    tarvolux::sim::InstrumentOptions options;
    options.firmware = GetParam().firmware;
    connect(Transport::Gpib, options);
    rec::device.new_firmware = GetParam().new_firmware;
    send("DAT:SIZE 0,1500");
    send("DAT:SIZE 9,2500");
    long capacity = GetParam().asked ? std::stol(query("DAT:SIZE?")) : 20000;
    long used = 0;
    for (int b = 0; b < rec::DATALOG_BLOCKS; ++b)
        used += std::stol(query("DAT:SIZE? " + std::to_string(b)));
    ASSERT_GE(used, 4000);
    clear_log();

    ASSERT_EQ(settings::upload_current_state(1), 0);

    EXPECT_EQ(position("DAT:SIZE?") != std::string::npos, GetParam().asked);
    EXPECT_EQ(rec::datalog.free_memory, capacity - used);
}

INSTANTIATE_TEST_SUITE_P(Firmware, DataloggerCapacity,
                         ::testing::Values(CapacityCase{tarvolux::sim::Firmware::New, 1, true},
                                           CapacityCase{tarvolux::sim::Firmware::Old, 0, false}),
                         [](const auto& info) { return info.param.asked ? "New" : "Old"; });

TEST_F(Upload, TwoLimitModeFillsTheUnusedLimitsAndKeepsTheirCounts) {
    ASSERT_EQ(zk7416_set_config_2_limit_comparator(sim->handle(), 10.0, 20.0), 0);
    rec::compare.limit_1 = rec::compare.limit_4 = -3.0;
    rec::compare.count_1 = 111;
    rec::compare.count_5 = 555;
    clear_log();

    ASSERT_EQ(settings::upload_current_state(0), 0);

    EXPECT_EQ(rec::compare.limit_count, 2);
    EXPECT_DOUBLE_EQ(rec::compare.limit_2, 10.0);
    EXPECT_DOUBLE_EQ(rec::compare.limit_3, 20.0);
    EXPECT_EQ(rec::compare.limit_1, 50.0);
    EXPECT_EQ(rec::compare.limit_4, 190.0);
    EXPECT_EQ(rec::compare.count_1, 111);
    EXPECT_EQ(rec::compare.count_5, 555);
    EXPECT_EQ(text::field_text(rec::compare.limit_text_1), "R<50.00 Ohm");
    EXPECT_EQ(text::field_text(rec::compare.limit_text_4), "R>190.00 Ohm");
    expect_sent({{"CALC:LIM:GW", 0}, {"CALC:LIM:LOW?", 1}});
}

TEST_F(Upload, ClearedEnvelopeReadsGeloeschtInAllThreeFields) {
    send("SENS:ENV:CLE");
    text::copy_text(rec::env.report_1, "1.000 Ohm");
    text::copy_text(rec::env.report_2, "2.000 Ohm");
    text::copy_text(rec::env.report_3, "3.000 Ohm");

    ASSERT_EQ(settings::upload_current_state(0), 0);

    // Latin-1 in the records, as the files keep it.
    EXPECT_EQ(text::field_text(rec::env.report_1), "Gel\xF6scht");
    EXPECT_EQ(text::field_text(rec::env.report_2), "Gel\xF6scht");
    EXPECT_EQ(text::field_text(rec::env.report_3), "Gel\xF6scht");
}

TEST_F(TransferTest, EnvelopeReportIsRewrittenForDisplay) {
    tarvolux::sim::InstrumentOptions options;
    options.clock = std::make_shared<tarvolux::sim::InstantClock>();
    connect(Transport::Gpib, options);
    send("SENS:ENV:STAT 1");
    char value[ZK7416_ANSWER_SIZE] = {};
    ASSERT_EQ(zk7416_meas_start(sim->handle()), 0);
    ASSERT_EQ(zk7416_meas_read_string(sim->handle(), value), 0);
    ASSERT_EQ(zk7416_meas_stop(sim->handle()), 0);
    ASSERT_NE(query("SENS:ENV:REP:DATA?"), "ENVELOPE CLEARED");

    ASSERT_EQ(settings::upload_current_state(0), 0);

    // "12.345MOHM" from the instrument becomes "12.345 mOhm" in the record.
    for (std::string field : {rec::env.report_1, rec::env.report_2, rec::env.report_3}) {
        EXPECT_TRUE(field.ends_with("Ohm")) << field;
        EXPECT_NE(field.find(' '), std::string::npos) << field;
    }
}

TEST_F(Upload, SelectedCoefficientBecomesTheHighestNumberWithItsValue) {
    for (int n = 1; n <= 10; ++n)
        send("SENS:TCOM:TCO " + std::to_string(n) + "," + std::to_string(100 + n));
    send("SENS:TCOM:TCO 3,42");
    send("SENS:TCOM:TCO 7,42");
    send("SENS:TCOM:TCO:SEL 3");

    ASSERT_EQ(settings::upload_current_state(0), 0);
    EXPECT_EQ(rec::tempconf.coefficient[2], 42);
    EXPECT_EQ(rec::tempconf.coefficient[6], 42);
    EXPECT_EQ(rec::tempconf.active_coefficient, 7);

    send("SENS:TCOM:TCO:SEL 5");
    ASSERT_EQ(settings::upload_current_state(0), 0);
    EXPECT_EQ(rec::tempconf.active_coefficient, 5);
}

// Answers that hold nothing to convert leave the field as it was.
struct OddAnswer {
    const char* name;
    const char* header;
    const char* answer;
    std::int32_t* field;
    std::int32_t before;
};

void PrintTo(const OddAnswer& odd, std::ostream* os) {
    *os << odd.header << " answered " << odd.answer;
}

class OddAnswers : public Upload, public ::testing::WithParamInterface<OddAnswer> {};

TEST_P(OddAnswers, LeaveTheFieldUnchanged) {
    const OddAnswer& odd = GetParam();
    *odd.field = odd.before;
    sim->instrument().script_answer(odd.header, odd.answer);

    ASSERT_EQ(settings::upload_current_state(1), 0);

    EXPECT_EQ(*odd.field, odd.before);
    EXPECT_TRUE(backend.popups().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OddAnswers,
    ::testing::Values(OddAnswer{"Capacity", "DAT:SIZE?", "n/a", &rec::datalog.free_memory, -7},
                      OddAnswer{"LimitCount", "CALC:LIM:COUN?", "ABC", &rec::compare.limit_count,
                                4},
                      OddAnswer{"NoCoefficientHasTheValue", "SENS:TCOM:TCO:SEL?", "999",
                                &rec::tempconf.active_coefficient, 4}),
    [](const auto& info) { return info.param.name; });

}  // namespace
