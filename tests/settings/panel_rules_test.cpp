// The rules the configuration panels share, against the simulated instrument: sending
// the measurement configuration, and the datalogger block name, size and selection.
#include "driver/zk7416.h"
#include "text/command_text.h"
#include "settings/datalog_blocks.h"
#include "settings/meas_config_transmit.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "tests/support/wire_and_pauses.h"
#include "transfer_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class PanelRules : public ConnectedTransferTest {
  protected:
    void SetUp() override {
        ConnectedTransferTest::SetUp();
        ui::set_backend(&wire);
        wire.attach(sim->instrument_ptr());
        auto& m = rec::measurement_configuration;
        m = {};
        m.range = 3;
        m.auto_range_low = 2;
        m.auto_range_high = 6;
        m.continuous = 1;
        m.average_count = 4;
        m.fres_mode = 3;
        m.speed = 1;
        m.reference = 1.5;
    }

    Lines messages() const {
        Lines texts;
        for (const auto& p : wire.popups()) texts.push_back(p.text);
        return texts;
    }

    test_support::WireAndPauses wire;
};

TEST_F(PanelRules, MeasurementConfigurationGoesOutInOrderWithItsPauses) {
    const Lines measurement = {"SENSE:AVER:TCON MOV", "sens:aver:coun 4",
                               "init:cont on",        "sour:volt:lim:stat off",
                               "sens:fres:load real", "sens:fres:mode stan",
                               "sens:fres:nplc med",  "pause 0.05"};
    const Lines display = {"SENSE:FRES:RANG:MAN?", "calc:math:expr OHM", "sens:fres:ref  1.500000",
                           "sens:fres:res 0.0005", "pause 0.05"};
    auto expected = [&](const Lines& range) {
        Lines all = measurement;
        all.insert(all.end(), range.begin(), range.end());
        all.insert(all.end(), display.begin(), display.end());
        return all;
    };

    ASSERT_EQ(settings::transmit_meas_config(), 1);
    EXPECT_EQ(wire.events(),
              expected({"SENSE:FRES:RANG:AUTO OFF", ":SENSE:FRES:RANG:MAN 20OHM", "pause 0.05"}));

    // Automatic range adds the limits, after the range and before the display mode.
    rec::measurement_configuration.range = 0;
    wire.clear();
    ASSERT_EQ(settings::transmit_meas_config(), 1);
    Lines automatic = wire.events();
    ASSERT_GT(automatic.size(), 12u);
    EXPECT_EQ(Lines(automatic.begin(), automatic.begin() + 8), measurement);
    EXPECT_EQ(automatic[8], ":SENSE:FRES:RANG:AUTO ON");
    EXPECT_EQ(automatic[9], "pause 0.05");
    EXPECT_EQ(automatic[10].substr(0, 20), ":SENSE:FRES:RANG:LOW");
    EXPECT_EQ(Lines(automatic.end() - 6, automatic.end()),
              (Lines{"pause 0.05", "SENSE:FRES:RANG:MAN?", "calc:math:expr OHM",
                     "sens:fres:ref  1.500000", "sens:fres:res 0.0005", "pause 0.05"}));
    EXPECT_TRUE(messages().empty());
}

struct Refusal {
    int range, load, voltage_limit, fres_mode;
    const char* text;
};

TEST_F(PanelRules, ImplausibleCombinationsAreRefusedBeforeAnythingIsSent) {
    const Refusal rows[] = {
        {0, 1, 0, 3, "Automatischer Bereichswahl und Induktive Messung ist nicht erlaubt"},
        {0, 0, 1, 3, "Automatischer Bereichswahl und 20mV Begrenzung ist nicht erlaubt"},
        {2, 1, 1, 3, "Induktive Messung und 20mV Begrenzung ist nicht erlaubt"},
        {0, 0, 0, 0, "Automatischer Bereichswahl und 'Mess-Sequenze = Referenz' is not allowed"},
        // The first rule that fails is the one reported.
        {0, 1, 1, 0, "Automatischer Bereichswahl und Induktive Messung ist nicht erlaubt"},
    };
    for (const Refusal& row : rows) {
        auto& m = rec::measurement_configuration;
        m.range = row.range, m.load = row.load, m.voltage_limit = row.voltage_limit,
        m.fres_mode = row.fres_mode;
        wire.clear();
        wire.clear_records();
        EXPECT_EQ(settings::transmit_meas_config(), -1) << row.text;
        EXPECT_TRUE(wire.events().empty()) << row.text;
        EXPECT_EQ(messages(), Lines{row.text});
    }
}

TEST_F(PanelRules, AFailedCommandStopsTheSequenceWithItsMessage) {
    rec::measurement_configuration.range = 9;  // a record from a damaged file
    EXPECT_EQ(settings::transmit_meas_config(), -1);
    EXPECT_EQ(messages(), Lines{"7416-Fehler: Config-Range -2"});
    Lines events = wire.events();
    ASSERT_EQ(events.size(), 8u);  // the measurement settings and their pause only
    EXPECT_EQ(events.back(), "pause 0.05");
}

TEST_F(PanelRules, AutoRangeLimitsMustRise) {
    auto& m = rec::measurement_configuration;
    EXPECT_EQ(settings::check_auto_range_limits(), 1);
    m.auto_range_low = 5, m.auto_range_high = 5;
    EXPECT_EQ(settings::check_auto_range_limits(), -1);
    EXPECT_EQ(m.auto_range_low, 1);
    EXPECT_EQ(m.auto_range_high, 7);
    EXPECT_EQ(messages(), Lines{"Auto-Range Min >= Max ist nicht erlaubt"});
    EXPECT_TRUE(wire.events().empty());
}

TEST(CommandText, OnlyLatin1WithoutSeparatorsOrControlsWithinTheField) {
    EXPECT_EQ(text::command_text_refusal("Ofen Nr.3", 10), "");
    EXPECT_EQ(text::command_text_refusal("Größe", 10), "");  // Latin-1 letters pass
    EXPECT_EQ(text::command_text_refusal("x,3", 10),
              "Der Text \"x,3\" kann nicht übertragen werden:\nKomma und Semikolon sind nicht "
              "erlaubt.");
    EXPECT_NE(text::command_text_refusal("a;*RST", 10), "");
    EXPECT_NE(text::command_text_refusal("a\tb", 10), "");
    EXPECT_NE(text::command_text_refusal("Ω-Probe", 10), "");   // beyond Latin-1
    EXPECT_NE(text::command_text_refusal("\xff\xfe", 10), "");  // no UTF-8 at all
    EXPECT_NE(text::command_text_refusal("ÄÄÄÄÄÄ", 5), "");     // 6 bytes in Latin-1
    EXPECT_EQ(text::command_text_refusal("ÄÄÄÄÄ", 5), "");
}

class BlockRules : public PanelRules {
  protected:
    void SetUp() override {
        PanelRules::SetUp();
        auto& d = rec::datalog;
        d.active_block = 2;
        d.block_size[2] = 100;
        d.free_memory = 50;
        send("dat:size 2,100");
        wire.clear();
    }
};

TEST_F(BlockRules, SizeIsCheckedAgainstStoredValuesAndFreeMemory) {
    auto& d = rec::datalog;
    d.value_count = 30;
    const struct {
        const char* typed;
        const char* message;
    } refused[] = {
        {"29", "Wert zu klein\n\nEs wird nicht geändert."},
        {"151", "Kein Speicher mehr frei\n\nEs wird nicht geändert."},
        {"12abc",
         "Ungültige Blockgröße \"12abc\": erlaubt ist eine ganze Zahl von 0 bis 20000."
         "\n\nEs wird nicht geändert."},
        {"20001",
         "Ungültige Blockgröße \"20001\": erlaubt ist eine ganze Zahl von 0 bis "
         "20000.\n\nEs wird nicht geändert."},
    };
    for (const auto& row : refused) {
        wire.clear_records();
        wire.answer_prompt(row.typed);
        EXPECT_FALSE(settings::resize_active_block()) << row.typed;
        EXPECT_EQ(messages().back(), row.message);
        EXPECT_EQ(d.block_size[2], 100);
        EXPECT_EQ(d.free_memory, 50);
    }
    EXPECT_TRUE(wire.events().empty());

    wire.clear_records();
    wire.answer_prompt(" 150 ");  // all of the free memory
    EXPECT_TRUE(settings::resize_active_block());
    EXPECT_EQ(d.block_size[2], 150);
    EXPECT_EQ(d.free_memory, 0);
    EXPECT_EQ(query("dat:size? 2"), "150");
    EXPECT_EQ(text::field_text(d.count_text), "150(0)");
    EXPECT_EQ(wire.popups().front().title, "Change Block Size");
}

TEST_F(BlockRules, ASizeTheInstrumentDoesNotTakeLeavesTheRecord) {
    wire.answer_prompt("120");
    sim->instrument().override_answer("dat:size?", "100");
    EXPECT_FALSE(settings::resize_active_block());
    sim->instrument().clear_scripted_answers();
    EXPECT_EQ(rec::datalog.block_size[2], 100);
    EXPECT_EQ(rec::datalog.free_memory, 50);
    EXPECT_EQ(messages().back(),
              "Das Gerät hat die Blockgröße 120 nicht angenommen.\n\nEs wird nicht geändert.");
}

TEST_F(BlockRules, NamesAreCheckedAndTakenAsTheInstrumentReadsThemBack) {
    wire.answer_prompt("x,3");
    EXPECT_FALSE(settings::rename_active_block());
    EXPECT_TRUE(wire.events().empty());

    wire.answer_prompt("   ");
    EXPECT_FALSE(settings::rename_active_block());
    wire.cancel_prompt();
    EXPECT_FALSE(settings::rename_active_block());
    EXPECT_TRUE(wire.events().empty());

    wire.answer_prompt(" Ofen 3 ");
    EXPECT_TRUE(settings::rename_active_block());
    EXPECT_EQ(text::field_text(rec::datalog.block_name[2]), "Ofen_3");
    Lines events = wire.events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1], "pause 0.05");
    EXPECT_EQ(settings::block_list_label(2), "2,Ofen_3");
}

TEST_F(BlockRules, ChoosingABlockSendsOnlyForAnotherValidBlock) {
    EXPECT_FALSE(settings::make_active_block(2));
    EXPECT_FALSE(settings::make_active_block(32));
    EXPECT_FALSE(settings::make_active_block(-1));
    EXPECT_TRUE(wire.events().empty());

    rec::datalog.block_size[5] = 7;
    EXPECT_TRUE(settings::make_active_block(5));
    EXPECT_EQ(rec::datalog.active_block, 5);
    EXPECT_EQ(query("DAT:SEL:BLOCK?"), "5");
    EXPECT_EQ(text::field_text(rec::datalog.count_text), "7(0)");

    // A record from a damaged file is never used as an index.
    rec::datalog.active_block = 99;
    wire.clear();
    EXPECT_EQ(settings::get_counts(), -2);
    EXPECT_EQ(text::field_text(rec::datalog.count_text), "");
    EXPECT_FALSE(settings::resize_active_block());
    EXPECT_FALSE(settings::rename_active_block());
    EXPECT_TRUE(wire.events().empty());
}

}  // namespace
