#include <gtest/gtest.h>

#include "export/export_writers.h"
#include "export_fixture.h"
#include "settings/limits.h"
#include "settings/records.h"
#include "text/text_field.h"

namespace {

using ExportWritersTest = ExportTest;

void set_limits(int count, double l1, double l2, double l3, double l4) {
    rec::compare.state = 1;
    rec::compare.limit_count = count;
    rec::compare.limit_1 = l1;
    rec::compare.limit_2 = l2;
    rec::compare.limit_3 = l3;
    rec::compare.limit_4 = l4;
    settings::format_limit_for_display();
}

int store(const char* value_text) {
    std::string text = value_text;
    return exporting::export_measure_value(text);
}

TEST_F(ExportWritersTest, MeasurementWithTwoLimitsSemicolonAndDecimalComma) {
    set_limits(2, 50.0, 1.5, 15.0, 190.0);
    exporting::measure_store_mode = 1;
    ASSERT_EQ(run_export("tabelle.for", "measurement_two_limits.csv", "Prüfling A; Charge 7"), 1);
    EXPECT_TRUE(exporting::export_fhdl.is_open());

    std::string text = "1.5,mOhm,PASS";
    EXPECT_EQ(exporting::export_measure_value(text), 1);
    EXPECT_EQ(text, "1.5 mOhm PASS");  // changed in place
    EXPECT_EQ(store(">>> Over Range"), 1);
    exporting::export_fhdl.close();
    expect_matches_expected("measurement_two_limits.csv");
}

TEST_F(ExportWritersTest, MeasurementWithFourLimitsLowestFirst) {
    set_limits(4, 0.5, 1.5, 15.0, 150000.0);
    exporting::measure_store_mode = 1;
    ASSERT_EQ(run_export("komma.for", "measurement_four_limits.csv", nullptr), 1);
    EXPECT_EQ(store("12.345 kOhm,HIGH"), 1);
    exporting::export_fhdl.close();
    expect_matches_expected("measurement_four_limits.csv");
}

TEST_F(ExportWritersTest, MeasurementWithoutComparatorHasNoLimitBlock) {
    set_limits(4, 0.5, 1.5, 15.0, 150000.0);
    rec::compare.state = 0;
    exporting::measure_store_mode = 1;
    ASSERT_EQ(run_export("tabulat.for", "measurement_no_comparator.txt", "ohne Komparator"), 1);
    exporting::export_fhdl.close();
    expect_matches_expected("measurement_no_comparator.txt");
}

void put(instrument::DlEntry& entry, const char* value, const char* date, const char* time) {
    text::copy_text(entry.value, value);
    text::copy_text(entry.date, date);
    text::copy_text(entry.time, time);
}

TEST_F(ExportWritersTest, DataloggerWithStatisticsDateAndTime) {
    rec::datalog.active_block = 3;
    text::copy_utf8_text(rec::datalog.block_name[3], "Wärmetest");
    text::copy_text(rec::datalog.stat_min, "1.2340 mOhm");
    text::copy_text(rec::datalog.stat_max, "1.5000 mOhm");
    text::copy_text(rec::datalog.stat_avg, "1.3500 mOhm");
    text::copy_text(rec::datalog.stat_dev, "0.0500 mOhm");
    rec::upload = {1, 0, 1, 1, 3};
    ASSERT_TRUE(instrument::dl_readout.allocate(1, 3));
    auto entries = instrument::dl_readout.dl_data();
    put(entries[0], "1.234 mOhm", "05.03.2003", "08:15:30:00");
    put(entries[1], "1.5 mOhm", "05.03.2003", "08:15:40:00");
    put(entries[2], "1.35 mOhm", "06.03.2003", "00:00:05:00");

    ASSERT_EQ(run_export("tabelle.for", "datalogger_statistics.csv", "Ofen 2"), 1);
    EXPECT_FALSE(exporting::export_fhdl.is_open());
    EXPECT_EQ(backend.busy_events(), (std::vector<bool>{true, false}));
    expect_matches_expected("datalogger_statistics.csv");
}

TEST_F(ExportWritersTest, DataloggerValuesOnlyKeepABlankBeforeTheLineEnd) {
    text::copy_text(rec::datalog.block_name[0], "Block 0");
    rec::upload = {0, 1, 0, 5, 7};
    ASSERT_TRUE(instrument::dl_readout.allocate(5, 7));
    auto entries = instrument::dl_readout.dl_data();
    put(entries[0], "12.5 Ohm", "", "");
    put(entries[1], "12.6 Ohm", "", "");
    put(entries[2], "1.2 kOhm", "", "");

    ASSERT_EQ(run_export("tabelle.for", "datalogger_values_only.csv", ""), 1);
    expect_matches_expected("datalogger_values_only.csv");
}

TEST_F(ExportWritersTest, DataloggerWritesOnlyWhatTheReadOutHolds) {
    rec::upload = {0, 1, 0, 1, 10};
    ASSERT_TRUE(instrument::dl_readout.allocate(1, 10));
    for (auto& entry : instrument::dl_readout.dl_data()) put(entry, "1.0 Ohm", "", "");
    rec::upload.first_index = 5;  // the range changed after the read-out
    rec::upload.last_index = 50;
    rec::datalog.active_block = 99;  // no such block: no name

    ASSERT_EQ(run_export("tabelle.for", "bereich.csv", "x"), 1);
    std::string file = read_bytes(export_file("bereich.csv"));
    EXPECT_NE(file.find("Datalogger: ; 99,  ;\n"), std::string::npos);
    EXPECT_NE(file.find("Z\xE4hler ; Wert ; Einheit ;\n1 ; 1,0 ; Ohm ; \n"), std::string::npos);
    EXPECT_TRUE(file.ends_with("\n10 ; 1,0 ; Ohm ; \n"));
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 5 + 10);
}

}  // namespace
