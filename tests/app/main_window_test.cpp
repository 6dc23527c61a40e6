// The main menu: the quit question, items that are not available yet, and the two
// information panels.
#include <QAction>
#include <QLineEdit>
#include <QPrinter>
#include <cstring>

#include "app/main_window.h"
#include "settings/print_settings.h"
#include "ui/qt/widget_printing.h"
#include "settings/records.h"
#include "tests/app/app_fixture.h"

namespace app_test {
namespace {

using MainMenu = ProgramTest;

TEST_F(MainMenu, QuitAsksAndNeinLeavesEverythingAsItWas) {
    app::MainWindow window;
    window.show();
    popups.answer_question(false);
    window.action("actionQuit")->trigger();
    ASSERT_EQ(popups.popups().size(), 1u);
    EXPECT_EQ(popups.popups()[0].title, "Frage :");
    EXPECT_EQ(popups.popups()[0].text, "Wollen Sie das Programm beenden");
    EXPECT_EQ(popups.popups()[0].buttons, (std::vector<std::string>{"Ja", "Nein"}));
    EXPECT_TRUE(window.isVisible());

    popups.answer_question(true);
    window.action("actionQuit")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(popups.popups().size(), 2u) << "the close that follows does not ask again";
}

TEST_F(MainMenu, TheCloseBoxAsksTheSameQuestion) {
    app::MainWindow window;
    window.show();
    popups.answer_question(false);
    window.close();
    EXPECT_TRUE(window.isVisible());
    popups.answer_question(true);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(popups_titled("Frage :").size(), 2u);
}

TEST_F(MainMenu, EveryItemOfTheMenuIsAvailable) {
    app::MainWindow window;
    for (const char* available :
         {"actionGpib", "actionRs232", "actionSaveConfig", "actionLoadConfig", "actionMakeBackup",
          "actionLoadBackup", "actionQuit", "actionProgramInfo", "actionDeviceInfo",
          "actionMeasurePanel", "actionUserExportFormat", "actionMeasurementConfig",
          "actionComparator", "actionTemperature", "actionDeviceAccess", "actionInstrumentPrinter",
          "actionActivateMemory", "actionSaveMemory", "actionPrinterSetup",
          "actionDataloggerConfig", "actionDataloggerReadout"})
        EXPECT_TRUE(window.action(available)->isEnabled()) << available;
}

TEST_F(MainMenu, InformationPanelsShowVersionAndIdentification) {
    rec::device = {};
    std::strcpy(rec::device.ident_3, "S/N 7416-0815");
    std::strcpy(rec::device.ident_4, "V0499-2.31");
    std::strcpy(rec::device.ident_5, "CAL 03.11.2002");
    app::MainWindow window;
    window.show();

    QString version;
    on_next_dialog([&](QWidget* dialog) {
        version = dialog->findChild<QLineEdit*>("versionText")->text();
        click(dialog, "okButton");
    });
    window.action("actionProgramInfo")->trigger();
    EXPECT_EQ(version, "V2003.01 ger");

    QStringList fields;
    on_next_dialog([&](QWidget* dialog) {
        for (const char* name : {"firmwareText", "identText", "extraText"})
            fields << dialog->findChild<QLineEdit*>(name)->text();
        click(dialog, "okButton");
    });
    window.action("actionDeviceInfo")->trigger();
    EXPECT_EQ(fields, (QStringList{"V0499-2.31", "S/N 7416-0815", "CAL 03.11.2002"}));
}

}  // namespace
}  // namespace app_test

namespace app_test {
namespace {

TEST(Printing, ThePrintSettingsOfTheInterfaceRecordReachThePrinter) {
    rec::com = {};
    rec::com.print_color_mode = 1;
    rec::com.print_orientation = 1;
    rec::com.print_x_resolution = 600;
    rec::com.print_y_resolution = 150;
    QPrinter printer(QPrinter::HighResolution);
    ui::apply_print_attributes(printer, settings::set_print_attributes());
    EXPECT_EQ(printer.colorMode(), QPrinter::Color);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.resolution(), 600);

    rec::com.print_color_mode = 0;
    rec::com.print_orientation = 2;
    ui::apply_print_attributes(printer, settings::set_print_attributes());
    EXPECT_EQ(printer.colorMode(), QPrinter::GrayScale);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

}  // namespace
}  // namespace app_test
