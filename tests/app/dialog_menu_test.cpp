// The "Gerät" and "Datei" items that open the configuration dialogs, and the measure
// panel's way to the settings memories.
#include <QAction>

#include "app/main_window.h"
#include "tests/app/app_fixture.h"
#include "ui/panel_hooks.h"

namespace app_test {
namespace {

using DialogMenu = ProgramTest;

TEST_F(DialogMenu, EachItemOpensItsDialog) {
    struct Item {
        const char* action;
        const char* dialog;
    };
    const Item items[] = {
        {"actionMeasurementConfig", "MeasurementConfigDialog"},
        {"actionComparator", "CompareConfigDialog"},
        {"actionTemperature", "TempConfigDialog"},
        {"actionDeviceAccess", "AccessConfigDialog"},
        {"actionInstrumentPrinter", "PrintConfigDialog"},
        {"actionActivateMemory", "ActivateMemoryDialog"},
        {"actionSaveMemory", "SaveMemoryDialog"},
        {"actionPrinterSetup", "PrinterSetupDialog"},
    };
    app::MainWindow window;
    window.show();
    for (const Item& item : items) {
        QString opened;
        on_next_dialog([&](QWidget* dialog) {
            opened = dialog->objectName();
            click(dialog, "cancelButton");
        });
        window.action(item.action)->trigger();
        EXPECT_EQ(opened.toStdString(), item.dialog) << item.action;
    }
}

TEST_F(DialogMenu, TheMeasurePanelsMemoryButtonReachesTheActivationWhileTheWindowLives) {
    {
        app::MainWindow window;
        ASSERT_TRUE(ui::memory_activation_available());
        QString opened;
        on_next_dialog([&](QWidget* dialog) {
            opened = dialog->objectName();
            click(dialog, "cancelButton");
        });
        EXPECT_EQ(ui::open_memory_activation(), -1);
        EXPECT_EQ(opened, "ActivateMemoryDialog");
    }
    EXPECT_FALSE(ui::memory_activation_available());
}

}  // namespace
}  // namespace app_test
