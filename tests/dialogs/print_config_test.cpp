// The instrument's printer and the PC printer set-up.
#include <QLineEdit>
#include <QSpinBox>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "dialogs/print_config.h"
#include "settings/com_setup.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "text/text_field.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/ui/modal_helpers.h"

namespace dialogs_test {
namespace {

using ui_test::click;

class PrintConfig : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        p = rec::Print{};
        p.item_time = 1;
        p.item_temperature = 1;
        text::copy_text(p.label_text, "LOT_7");
        p.header = 25;
        p.tdst_minutes = 5;
    }
    rec::Print& p = rec::print;
};

TEST_F(PrintConfig, OkSendsTheItemsInTheDriversOrderThenTheState) {
    int result = run(dialogs::print_config, [](QWidget* d) {
        press(d, "itemDateCheck");
        type(d, "labelEdit", "Charge 8");
        click(d, "okButton");
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(
        events(),
        (Events{"HCOP:ITEM:TEMP:STAT 1", "HCOP:ITEM:NUM:STAT 0", "HCOP:ITEM:LAB:STAT 0",
                "HCOP:ITEM:TIME:STAT 1", "HCOP:ITEM:DATE:STAT 1", "HCOP:HEAD 25",
                "HCOP:ITEM:LAB:TEXT Charge_8", "HCOP:TDST 00,05,00", "pause 0.05", "HCOP:ABORT"}));
    EXPECT_EQ(text::field_text(p.label_text), "Charge_8") << "as the instrument now holds it";
    EXPECT_EQ(p.item_date, 1);
    EXPECT_EQ(refreshes, 1) << "the measure panel's printer switch follows";
}

TEST_F(PrintConfig, TheSerialPrinterWarningLeavesTheSwitchOn) {
    rec::com.interface = 1;
    run(dialogs::print_config, [&](QWidget* d) {
        press(d, "stateCheck");
        EXPECT_EQ(messages(), std::vector<std::string>{
                                  "Sie können den seriellen Drucker während der Kommunikation "
                                  "mit dem PC nicht verwenden"});
        press(d, "stateCheck");
        EXPECT_EQ(messages().size(), 1u) << "switching off says nothing";
        press(d, "stateCheck");
        click(d, "okButton");
    });
    EXPECT_EQ(events().back(), "HCOP");
    EXPECT_EQ(p.state, 1);
}

TEST_F(PrintConfig, TheCounterResetGoesOutWhenConfirmedAndCancelSendsNothingElse) {
    popups.answer_question(true);
    popups.answer_question(false);
    settings::SetImage before = records();
    int result = run(dialogs::print_config, [](QWidget* d) {
        press(d, "resetCounterButton");
        press(d, "resetCounterButton");
        press(d, "itemNumberCheck");
        click(d, "cancelButton");
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(events(), Events{"HCOP:NUM:RES"});
    EXPECT_EQ(popups.popups().at(0).title, "Bitte löschen bestätigen");
    EXPECT_EQ(popups.popups().at(0).text, "Reset Drucker Zähler?");
    EXPECT_EQ(records(), before);
}

TEST_F(PrintConfig, ALabelThatWouldBreakTheCommandLineIsRefused) {
    settings::SetImage before = records();
    run(dialogs::print_config, [&](QWidget* d) {
        type(d, "labelEdit", "A;HCOP");
        click(d, "okButton");
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_NE(messages()[0].find("Komma und Semikolon sind nicht erlaubt."), std::string::npos);
        EXPECT_EQ(records(), before);
        click(d, "cancelButton");
    });
    EXPECT_TRUE(events().empty());
}

class PrinterSetup : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        files::curr_dir = folder().string();
        rec::com.print_color_mode = 0;
        rec::com.print_orientation = 2;
        rec::com.print_x_resolution = 300;
        rec::com.print_y_resolution = 300;
    }
    void TearDown() override {
        settings::set_simulated_interface(false);
        std::filesystem::remove_all(folder());
        DialogTest::TearDown();
    }
    static std::filesystem::path folder() {
        std::filesystem::path f = std::filesystem::temp_directory_path() /
                                  ("ohm7416-printer-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        return f;
    }
    static std::string com_file() { return (folder() / "Com.stp").string(); }
    static std::string bytes_of(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write_com_file(const rec::Com& com) {
        std::ofstream(com_file(), std::ios::binary)
            .write(reinterpret_cast<const char*>(&com), sizeof com);
    }
    static void choose_resolution(QWidget* d, int dpi) {
        control<QSpinBox>(d, "xResolutionSpin")->setValue(dpi);
    }
};

TEST_F(PrinterSetup, OkKeepsTheWholeInterfaceRecordInComStp) {
    rec::com.interface = 1;
    rec::com.com_port = 2;
    int result = run(dialogs::load_printer_setup, [](QWidget* d) {
        choose(d, "orientationCombo", 0);
        choose_resolution(d, 600);
        click(d, "okButton");
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(rec::com.print_orientation, 1);
    EXPECT_EQ(rec::com.print_x_resolution, 600);
    EXPECT_EQ(bytes_of(com_file()),
              std::string(reinterpret_cast<const char*>(&rec::com), sizeof rec::com));
}

TEST_F(PrinterSetup, UnderSimulationOnlyThePrintFieldsReachComStp) {
    rec::Com operators{};
    operators.interface = 0;
    operators.gpib_address = 12;
    operators.print_orientation = 2;
    operators.print_x_resolution = 300;
    operators.print_y_resolution = 300;
    write_com_file(operators);
    ASSERT_EQ(settings::load_com_setup(), 1);
    // What the built-in simulation does to the interface record at start.
    rec::com.interface = 1;
    rec::com.com_port = 1;
    rec::com.baud_rate = 9600;
    settings::set_simulated_interface(true);
    std::string before = bytes_of(com_file());

    EXPECT_EQ(run(dialogs::load_printer_setup, [](QWidget* d) { click(d, "okButton"); }), 1);
    EXPECT_EQ(bytes_of(com_file()), before) << "OK without edits leaves every byte";

    EXPECT_EQ(run(dialogs::load_printer_setup,
                  [](QWidget* d) {
                      choose_resolution(d, 1200);
                      click(d, "okButton");
                  }),
              1);
    rec::Com expected = operators;
    expected.print_x_resolution = 1200;
    EXPECT_EQ(bytes_of(com_file()),
              std::string(reinterpret_cast<const char*>(&expected), sizeof expected));
    EXPECT_EQ(rec::com.interface, 1) << "the run keeps talking to the simulation";

    std::filesystem::remove(com_file());
    ASSERT_EQ(settings::load_com_setup(), -1);
    EXPECT_EQ(run(dialogs::load_printer_setup,
                  [](QWidget* d) {
                      choose_resolution(d, 150);
                      click(d, "okButton");
                  }),
              1);
    EXPECT_FALSE(std::filesystem::exists(com_file())) << "no Com.stp is made up";
    EXPECT_EQ(rec::com.print_x_resolution, 150) << "the setting holds for this run";
    EXPECT_TRUE(messages().empty());
}

TEST_F(PrinterSetup, AComStpThatCannotBeWrittenKeepsThePanelOpenAndCancelTakesItBack) {
    files::curr_dir = (folder() / "missing").string();
    rec::Com before = rec::com;
    int result = run(dialogs::load_printer_setup, [&](QWidget* d) {
        choose_resolution(d, 600);
        click(d, "okButton");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(messages().size(), 1u);
        click(d, "cancelButton");
    });
    EXPECT_EQ(result, -1);
    EXPECT_EQ(std::memcmp(&rec::com, &before, sizeof before), 0);
}

}  // namespace
}  // namespace dialogs_test
