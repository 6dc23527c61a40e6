// The datalogger configuration dialog, offscreen, against the simulated instrument.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "datalog/log_config_dialog.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "tests/datalog/datalog_fixture.h"
#include "tests/datalog/panel_helpers.h"
#include "ui/panel_hooks.h"

namespace datalog_test {
namespace {

const Lines OPENING = {"DAT:COUNT? 2", "DAT:MIN? 2", "DAT:max? 2", "DAT:AVER? 2", "DAT:DEV? 2"};

class LogConfigDialogTest : public DataloggerTest {
  protected:
    void SetUp() override {
        DataloggerTest::SetUp();
        rec::Datalog& d = rec::datalog;
        d.state = 1;
        d.active_block = 2;
        d.block_size[2] = 100;
        d.free_memory = 50;
        d.filter_mode[2] = 3;
        d.filter_xval[2] = 10;
        for (int b = 0; b < rec::DATALOG_BLOCKS; ++b) {
            if (b != 2) d.filter_xval[b] = 2;
            d.filter_seconds[b] = 1;
            d.filter_delta[b] = 0.001;
        }
        name_block(2, "Ofen");
        store_values(2, 30);
        sim->instrument().modify([](auto& state) { state.datalogger.blocks[2].size = 100; });
        wire.clear();
    }

    // Opens the dialog, runs `steps` in it and closes it with its close button.
    void with_dialog(const std::function<void(QDialog*)>& steps) {
        EXPECT_TRUE(within_dialog(
            "LogConfigDialog", [] { return datalog::log_config(); }, steps));
    }

    static QString text(QDialog* dialog, const char* name) {
        return child<QLineEdit>(dialog, name)->text();
    }
    // Which of the five filter parameters are shown: n, hours, minutes, seconds, delta.
    static std::string shown_parameters(QDialog* dialog) {
        std::string shown;
        for (const char* name : {"nSpin", "hoursSpin", "minutesSpin", "secondsSpin", "deltaSpin"})
            shown += child<QWidget>(dialog, name)->isHidden() ? '-' : 'x';
        return shown;
    }
};

TEST_F(LogConfigDialogTest, ShowsTheRecordAndSendsOnlyWhatTheOperatorChanges) {
    int refreshed = 0;
    ui::meas_panel_loaded = 1;
    ui::came_from_log_config = 0;
    ui::set_measure_panel_refresh([&] { ++refreshed; });
    with_dialog([&](QDialog* dialog) {
        expect_named_controls(dialog);
        EXPECT_EQ(events(), OPENING);
        EXPECT_EQ(text(dialog, "fillText"), "100(30)");
        EXPECT_EQ(text(dialog, "freeMemory"), "50");
        EXPECT_EQ(text(dialog, "minimumText"), "12.000 mOhm");
        EXPECT_EQ(text(dialog, "maximumText"), "12.029 mOhm");
        auto* list = child<QListWidget>(dialog, "blockList");
        ASSERT_EQ(list->count(), 32);
        EXPECT_EQ(list->item(2)->text(), "2,Ofen");
        EXPECT_EQ(list->currentRow(), 2);
        EXPECT_TRUE(child<QCheckBox>(dialog, "dataloggerSwitch")->isChecked());
        EXPECT_EQ(child<QComboBox>(dialog, "filterSelector")->currentIndex(), 3);
        EXPECT_EQ(child<QSpinBox>(dialog, "nSpin")->value(), 10);
        EXPECT_EQ(shown_parameters(dialog), "x----");

        // The block that is active already: nothing to send.
        wire.clear();
        list->setCurrentRow(2);
        child<QSpinBox>(dialog, "nSpin")->interpretText();
        EXPECT_TRUE(events().empty());

        list->setCurrentRow(5);
        EXPECT_EQ(events(), (Lines{"DAT:SEL:BLOCK 5", "DAT:COUNT? 5", "DAT:MIN? 5", "DAT:max? 5",
                                   "DAT:AVER? 5", "DAT:DEV? 5"}));
        EXPECT_EQ(rec::datalog.active_block, 5);
        EXPECT_EQ(text(dialog, "minimumText"), "Gelöscht");
        EXPECT_EQ(text(dialog, "deviationText"), "Gelöscht");
        EXPECT_EQ(shown_parameters(dialog), "-----");

        wire.clear();
        auto* filter = child<QComboBox>(dialog, "filterSelector");
        filter->setCurrentIndex(4);
        EXPECT_EQ(shown_parameters(dialog), "-xxx-");
        // Each committed value is sent; the same value again sends nothing.
        child<QSpinBox>(dialog, "hoursSpin")->setValue(1);
        child<QSpinBox>(dialog, "minutesSpin")->setValue(5);
        child<QSpinBox>(dialog, "minutesSpin")->setValue(5);
        EXPECT_EQ(events(), (Lines{"DAT:FILT 5,YTIME", "DAT:FILT:YTIM 5,00,00,01",
                                   "DAT:FILT 5,YTIME", "DAT:FILT:YTIM 5,01,00,01",
                                   "DAT:FILT 5,YTIME", "DAT:FILT:YTIM 5,01,05,01"}));
        EXPECT_EQ(rec::datalog.filter_mode[5], 4);
        EXPECT_EQ(rec::datalog.filter_minutes[5], 5);

        wire.clear();
        child<QCheckBox>(dialog, "dataloggerSwitch")->click();
        EXPECT_EQ(events(), Lines{"DAT:STAT 0"});
        EXPECT_EQ(rec::datalog.state, 0);
        EXPECT_TRUE(wire.popups().empty());
    });
    EXPECT_EQ(ui::came_from_log_config, 1);
    EXPECT_EQ(refreshed, 1);
    ui::set_measure_panel_refresh({});
    ui::meas_panel_loaded = 0;
}

TEST_F(LogConfigDialogTest, ClearingAsksFirstAndRefreshesEitherWay) {
    with_dialog([&](QDialog* dialog) {
        const Lines refresh = {"DAT:COUNT? 2", "DAT:MIN? 2", "DAT:max? 2", "DAT:AVER? 2",
                               "DAT:DEV? 2"};
        wire.clear();
        wire.answer_question(false);
        child<QPushButton>(dialog, "deleteButton")->click();
        EXPECT_EQ(events(), refresh);
        ASSERT_EQ(wire.popups().size(), 1u);
        EXPECT_EQ(wire.popups()[0].title, "Bitte löschen bestätigen");
        EXPECT_EQ(wire.popups()[0].text, "Block löschen?");

        wire.clear();
        wire.answer_question(true);
        child<QPushButton>(dialog, "deleteButton")->click();
        Lines cleared = {"DAT:CLEAR 2"};
        cleared.insert(cleared.end(), refresh.begin(), refresh.end());
        EXPECT_EQ(events(), cleared);
        EXPECT_EQ(text(dialog, "fillText"), "100(0)");
        EXPECT_EQ(text(dialog, "maximumText"), "Gelöscht");
    });
}

TEST_F(LogConfigDialogTest, SizeByClickOnTheFillTextAndNameByRightClick) {
    with_dialog([&](QDialog* dialog) {
        auto* fill = child<QLineEdit>(dialog, "fillText");
        wire.clear();
        wire.answer_prompt("29");  // fewer than the 30 values stored
        QTest::mouseClick(fill, Qt::LeftButton);
        wire.answer_prompt("120");
        sim->instrument().override_answer("dat:size?", "100");  // the instrument keeps 100
        QTest::mouseClick(fill, Qt::LeftButton);
        sim->instrument().clear_scripted_answers();
        EXPECT_EQ(messages(),
                  (Lines{"Wert zu klein\n\nEs wird nicht geändert.",
                         "Das Gerät hat die Blockgröße 120 nicht angenommen.\n\nEs wird nicht "
                         "geändert."}));
        EXPECT_EQ(rec::datalog.block_size[2], 100);
        EXPECT_EQ(text(dialog, "freeMemory"), "50");

        wire.answer_prompt("150");
        QTest::mouseClick(fill, Qt::LeftButton);
        EXPECT_EQ(text(dialog, "fillText"), "150(30)");
        EXPECT_EQ(text(dialog, "freeMemory"), "0");

        // A right click on another entry renames the active block, and only that.
        auto* list = child<QListWidget>(dialog, "blockList");
        const QPoint on_entry_7 = list->visualItemRect(list->item(7)).center();
        wire.clear();
        wire.clear_records();
        wire.answer_prompt("x,3");
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, on_entry_7);
        EXPECT_TRUE(events().empty());
        EXPECT_EQ(messages().size(), 1u);
        EXPECT_EQ(wire.popups()[0].title, "Beschriftung ändern");

        wire.answer_prompt(" Ofen 3 ");
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, on_entry_7);
        EXPECT_EQ(events(), (Lines{"DAT:STATE:DEF Ofen_3,2", "pause 0.05", "DAT:STATE:NAME? 2"}));
        EXPECT_EQ(list->item(2)->text(), "2,Ofen_3");
        EXPECT_EQ(list->currentRow(), 2);
        EXPECT_EQ(rec::datalog.active_block, 2);
    });
}

TEST_F(LogConfigDialogTest, AnActiveBlockOutOfRangeIsNeverUsedAsAnIndex) {
    rec::datalog.active_block = 99;  // from a damaged configuration file
    with_dialog([&](QDialog* dialog) {
        EXPECT_TRUE(events().empty());
        EXPECT_EQ(child<QListWidget>(dialog, "blockList")->currentRow(), -1);
        EXPECT_FALSE(child<QWidget>(dialog, "filterGroup")->isEnabled());
        EXPECT_FALSE(child<QWidget>(dialog, "deleteButton")->isEnabled());
        EXPECT_EQ(text(dialog, "fillText"), "");
        QTest::mouseClick(child<QLineEdit>(dialog, "fillText"), Qt::LeftButton);
        EXPECT_TRUE(events().empty());

        child<QListWidget>(dialog, "blockList")->setCurrentRow(2);
        EXPECT_EQ(events().front(), "DAT:SEL:BLOCK 2");
        EXPECT_TRUE(child<QWidget>(dialog, "filterGroup")->isEnabled());
        EXPECT_EQ(text(dialog, "fillText"), "100(30)");
    });
    EXPECT_TRUE(wire.popups().empty());
}

}  // namespace
}  // namespace datalog_test
