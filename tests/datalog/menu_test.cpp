// The main menu's datalogger items open their panels; the read-out ends a running
// measurement export first.
#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "export/export_file.h"
#include "settings/records.h"
#include "tests/datalog/datalog_fixture.h"
#include "tests/datalog/panel_helpers.h"

namespace datalog_test {
namespace {

TEST_F(DataloggerTest, TheMenuOpensConfigurationAndReadOut) {
    rec::datalog.active_block = 1;
    app::MainWindow window;
    QTemporaryDir folder;
    ASSERT_TRUE(exporting::export_fhdl.open(folder.filePath("running.txt").toStdString()));
    exporting::measure_store_mode = 1;
    bool store_switch_off = false;
    exporting::set_store_switch_follower([&] { store_switch_off = true; });

    bool configured = false;
    when_shown("LogConfigDialog", [&](QDialog* dialog) {
        configured = true;
        child<QPushButton>(dialog, "closeButton")->click();
    });
    window.action("actionDataloggerConfig")->trigger();
    EXPECT_TRUE(configured);
    EXPECT_EQ(exporting::measure_store_mode, 1);  // the configuration leaves it running

    bool read_out = false;
    when_shown("ReadoutDialog", [&](QDialog* panel) {
        read_out = true;
        EXPECT_FALSE(exporting::export_fhdl.is_open());
        child<QPushButton>(panel, "closeButton")->click();
    });
    window.action("actionDataloggerReadout")->trigger();
    EXPECT_TRUE(read_out);
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_TRUE(store_switch_off);
    exporting::set_store_switch_follower({});
}

}  // namespace
}  // namespace datalog_test
