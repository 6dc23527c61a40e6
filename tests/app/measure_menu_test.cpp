// The measure panel as the program's menu opens it: one at a time, with the menu
// entries that rest while a measurement runs, and stopped when the program ends.
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "measure/measure_panel.h"
#include "ui_measure_panel.h"
#include "tests/app/app_fixture.h"

namespace app_test {
namespace {

class MeasureMenu : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        write_serial_com_stp();
        app::CommandLine cl;
        std::string error;
        ASSERT_TRUE(app::parse_command_line({"--home", home.string()}, cl, error)) << error;
        ASSERT_TRUE(program.start(cl, "", (home / "user").string()));
        clear_wire();
    }
    void TearDown() override {
        program.shutdown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ProgramTest::TearDown();
    }
    QAction* item(const char* name) { return program.window()->action(name); }
    QAction* menu(const char* name) {
        return program.window()->findChild<QMenu*>(name)->menuAction();
    }

    app::Program program;
};

TEST_F(MeasureMenu, MeasuringRestsTheSettingsMenusAndQuittingStopsTheInstrumentFirst) {
    item("actionMeasurePanel")->trigger();
    measure::MeasurePanel* panel = measure::measure_panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(item("actionMeasurePanel")->isEnabled());
    panel->measurement_timer().stop();

    panel->form().startButton->click();
    EXPECT_FALSE(menu("menuGeraet")->isEnabled());
    EXPECT_FALSE(menu("menuSchnittstelle")->isEnabled());
    EXPECT_FALSE(item("actionDataloggerReadout")->isEnabled());
    EXPECT_FALSE(item("actionLoadConfig")->isEnabled());
    EXPECT_TRUE(item("actionQuit")->isEnabled());

    clear_wire();
    program.shutdown();
    auto log = wire();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "AB");
    EXPECT_EQ(measure::measure_panel(), nullptr);
}

TEST_F(MeasureMenu, ClosingThePanelGivesTheMenuItemBackAndTheMenusStayUsable) {
    item("actionMeasurePanel")->trigger();
    measure::MeasurePanel* panel = measure::measure_panel();
    ASSERT_NE(panel, nullptr);
    panel->measurement_timer().stop();
    panel->form().startButton->click();
    panel->form().closeButton->click();
    EXPECT_TRUE(item("actionMeasurePanel")->isEnabled());
    EXPECT_TRUE(menu("menuGeraet")->isEnabled());
    EXPECT_TRUE(item("actionLoadConfig")->isEnabled());
    EXPECT_EQ(measure::measure_panel(), nullptr);
}

}  // namespace
}  // namespace app_test
