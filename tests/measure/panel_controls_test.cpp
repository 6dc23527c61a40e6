// The panel's switches and settings controls: what each sends, what each refuses, and
// that filling the panel from the records sends nothing.
#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "ui/qt/record_controls.h"
#include "measure/measure_cycle.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "tests/measure/measure_fixture.h"
#include "ui/panel_hooks.h"

namespace measure_test {
namespace {

using Controls = PanelOnRs232;

bool contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
}

TEST_F(Controls, FillingThePanelSendsNothingAndListsEveryBlock) {
    rec::datalog.active_block = 3;
    ui::came_from_log_config = 1;
    panel->UpdateMeasurePanel();
    // The block list is refilled, so the fill state is asked for; nothing is set.
    EXPECT_EQ(lines(), (Lines{"DAT:COUNT? 3"}));
    ASSERT_EQ(form().blockCombo->count(), 32);
    EXPECT_EQ(form().blockCombo->itemText(0).toStdString(), "0,BLOCK_0");
    EXPECT_EQ(form().blockCombo->itemText(31).toStdString(), "31,BLOCK_31");
    EXPECT_EQ(form().blockCombo->currentIndex(), 3);
    EXPECT_TRUE(messages().empty());

    // Values from a damaged file select nothing instead of indexing past a table.
    rec::datalog.active_block = 99;
    rec::measurement_configuration.range = 12;
    rec::measurement_configuration.display_mode = 5;
    clear();
    panel->UpdateMeasurePanel();
    EXPECT_EQ(form().blockCombo->currentIndex(), -1);
    EXPECT_EQ(form().rangeCombo->currentIndex(), -1);
    EXPECT_TRUE(lines().empty());
}

TEST_F(Controls, ARefusedRangeFallsBackTo200Milliohms) {
    rec::measurement_configuration.load = 1;
    choose(form().rangeCombo, 0);
    EXPECT_EQ(messages(),
              Lines{"Automatischer Bereichswahl und Induktive Messung ist nicht erlaubt"});
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(rec::measurement_configuration.range, 1);
    EXPECT_EQ(form().rangeCombo->currentIndex(), 1);
    EXPECT_FALSE(form().autoLowCombo->isVisibleTo(panel));

    rec::measurement_configuration.load = 0;
    clear();
    choose(form().rangeCombo, 0);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(contains(lines(), ":SENSE:FRES:RANG:AUTO ON"));
    EXPECT_TRUE(form().autoLowCombo->isVisibleTo(panel));
}

TEST_F(Controls, AutoRangeLimitsThatDoNotRiseAreResetWithOneMessage) {
    choose(form().rangeCombo, 0);
    clear();
    ui::set_index(form().autoLowCombo, 6);
    form().autoHighCombo->setCurrentIndex(0);
    EXPECT_EQ(messages(), Lines{"Auto-Range Min >= Max ist nicht erlaubt"});
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(form().autoLowCombo->currentIndex(), 0);
    EXPECT_EQ(form().autoHighCombo->currentIndex(), 6);
}

TEST_F(Controls, LimitClassesSwitchTheComparatorOnBeforeTheConfiguration) {
    choose(form().displayModeCombo, 2);
    Lines sent = lines();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), "CALC:LIM:STAT 1");
    EXPECT_TRUE(contains(sent, "calc:math:expr LIM"));
    EXPECT_EQ(rec::compare.state, 1);
    EXPECT_TRUE(form().comparatorSwitch->isChecked());
    EXPECT_FALSE(form().graphSwitch->isEnabled());
    EXPECT_FALSE(form().storeSwitch->isEnabled());
    EXPECT_FALSE(form().referenceSpin->isEnabled());

    // While measuring the comparator cannot be taken away from the classes.
    click_start();
    clear();
    form().comparatorSwitch->click();
    EXPECT_TRUE(form().comparatorSwitch->isChecked());
    EXPECT_EQ(rec::compare.state, 1);
    ASSERT_EQ(wire.popups().size(), 1u);
    EXPECT_EQ(wire.popups()[0].title, "Messung läuft");
    EXPECT_EQ(wire.popups()[0].text,
              "Änderungen können nicht gemacht werden während das Gerät im Messmode ist");
    EXPECT_TRUE(lines().empty());

    // Outside a measurement it can, and the display falls back to the resistance.
    click_start();
    clear();
    form().comparatorSwitch->click();
    EXPECT_EQ(lines(), Lines{"CALC:LIM:STAT 0"});
    EXPECT_EQ(rec::measurement_configuration.display_mode, 0);
    EXPECT_EQ(form().displayModeCombo->currentIndex(), 0);
    EXPECT_TRUE(form().graphSwitch->isEnabled());
}

TEST_F(Controls, TheFillTextSizesTheBlockOnlyWhileNothingIsMeasured) {
    click_start();
    clear();
    form().fillButton->click();  // dimmed while measuring, and ignored if reached
    wire.answer_prompt("100");
    EXPECT_TRUE(wire.popups().empty());
    click_start();
    clear();
    form().fillButton->click();
    ASSERT_EQ(wire.popups().size(), 1u);
    EXPECT_EQ(wire.popups()[0].title, "Change Block Size");
    EXPECT_EQ(rec::datalog.block_size[0], 100);
    EXPECT_EQ(form().fillButton->text().toStdString(), "100(0)");
}

TEST_F(Controls, BlocksAreChosenAndRenamedFromTheList) {
    choose(form().blockCombo, 4);
    EXPECT_EQ(lines(), (Lines{"DAT:SEL:BLOCK 4", "DAT:COUNT? 4"}));
    EXPECT_EQ(rec::datalog.active_block, 4);
    choose(form().blockCombo, 4);  // the active one again: nothing
    EXPECT_EQ(lines().size(), 2u);

    wire.answer_prompt("Ofen 2");
    emit form().blockCombo->customContextMenuRequested({});
    EXPECT_EQ(form().blockCombo->itemText(4).toStdString(), "4,Ofen_2");
}

TEST_F(Controls, EnvelopeClearAndTemperatureGroupSendWhatTheyShow) {
    form().envelopeClearButton->click();
    EXPECT_EQ(lines(), Lines{"SENS:ENV:CLE"});
    EXPECT_EQ(form().envelopeReport2->text().toStdString(), "Gelöscht");
    EXPECT_EQ(text::field_text_utf8(rec::env.report_3), "Gelöscht");

    clear();
    form().tempCompSwitch->click();
    EXPECT_EQ(rec::tempconf.state, 1);
    EXPECT_FALSE(lines().empty());
    EXPECT_TRUE(form().manualTempSpin->isVisibleTo(panel));
    EXPECT_EQ(form().tempLabel->text().toStdString(), "Man.Temp.");

    // Leaving a field unchanged sends nothing; a change sends the group.
    clear();
    form().refTempSpin->interpretText();
    EXPECT_TRUE(lines().empty());
    form().manualTempSpin->setValue(23.5);
    EXPECT_EQ(rec::tempconf.manual_temp, 23.5);
    EXPECT_FALSE(lines().empty());
}

TEST_F(Controls, TheSettingsMemoryButtonOpensTheRegisteredDialog) {
    int opened = 0;
    ui::set_memory_activation([&] { return ++opened; });
    panel->UpdateMeasurePanel();
    click_start();
    click_start();  // the stop enables the button again when a dialog is there
    EXPECT_TRUE(form().memoryButton->isEnabled());
    form().memoryButton->click();
    EXPECT_EQ(opened, 1);
    ui::set_memory_activation({});
}

class PrinterSwitch : public MeasurePanelTest {};

TEST_P(PrinterSwitch, NotesThatTheSerialPrinterCannotBeUsedOverRs232) {
    rec::com.interface = GetParam() == Transport::Rs232 ? 1 : 0;
    form().printerSwitch->click();
    EXPECT_EQ(rec::print.state, 1);
    EXPECT_FALSE(lines().empty());
    Lines expected;
    if (GetParam() == Transport::Rs232)
        expected = {
            "Sie können den seriellen Drucker während der Kommunikation mit dem PC "
            "nicht verwenden"};
    EXPECT_EQ(messages(), expected);
    rec::com = {};
}

MEASURE_ON_BOTH_TRANSPORTS(PrinterSwitch);

}  // namespace
}  // namespace measure_test

namespace measure_test {
namespace {

// Screen readers and desktop automation find every control by the caption it shows.
TEST_F(Controls, EveryControlHasAnAccessibleName) {
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QLabel*>(w) == nullptr;
        if (!control || qobject_cast<QLabel*>(w) || w->inherits("QComboBoxPrivateContainer") ||
            w->parentWidget() == nullptr || w->objectName().startsWith("qt_") ||
            !w->objectName().size() || w->inherits("QGroupBox") || w->inherits("QScrollBar"))
            continue;
        if (w->focusPolicy() == Qt::NoFocus && !w->inherits("ui::PlotWidget")) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
    EXPECT_EQ(form().startButton->accessibleName().toStdString(), "Messung Start / Stop");
    EXPECT_EQ(form().refTempSpin->accessibleName().toStdString(), "Ref.Temp.");
    EXPECT_EQ(form().valueDisplay->accessibleName().toStdString(), "Messwert");
    EXPECT_EQ(form().count3->accessibleName().toStdString(), "Zähler Gut");
}

}  // namespace
}  // namespace measure_test
