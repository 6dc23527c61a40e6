#include "tests/dialogs/dialog_fixture.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "instrument/instrument_handle.h"
#include "settings/records.h"
#include "settings/transfer.h"
#include "tests/ui/modal_helpers.h"
#include "ui/panel_hooks.h"

namespace dialogs_test {

void DialogTest::SetUp() {
    // Numbers are typed with a decimal point, whatever the machine's locale.
    QLocale::setDefault(QLocale::c());
    ui::set_backend(&popups);
    settings::apply_set(settings::SetImage{});
    rec::com = {};
    sim = std::make_unique<driver_test::SimConnection>(transport);
    ASSERT_EQ(sim->connect(), 0);
    instrument::tarvolux = sim->handle();
    popups.attach(sim->instrument_ptr());
    // The records as the program holds them after its start.
    rec::device.new_firmware = 1;
    ASSERT_EQ(settings::upload_current_state(1), 0);
    ui::meas_panel_loaded = 1;
    ui::set_measure_panel_refresh([this] { ++refreshes; });
    forget();
}

void DialogTest::TearDown() {
    ui::set_measure_panel_refresh({});
    ui::meas_panel_loaded = 0;
    sim.reset();
    instrument::tarvolux = 0;
    ui::set_backend(nullptr);
}

int DialogTest::run(const std::function<int()>& dialog,
                    const std::function<void(QWidget*)>& steps) {
    bool ran = false;
    ui_test::on_next_dialog([&](QWidget* shown) {
        ran = true;
        steps(shown);
        // Steps that end early must not leave the dialog waiting for an operator.
        if (shown->isVisible()) {
            ADD_FAILURE() << "the steps left the dialog open";
            ui_test::click(shown, "cancelButton");
        }
    });
    int result = dialog();
    EXPECT_TRUE(ran) << "the dialog was not shown";
    return result;
}

void DialogTest::forget() {
    popups.clear();
    popups.clear_records();
}

std::vector<std::string> DialogTest::messages() const {
    std::vector<std::string> texts;
    for (const auto& p : popups.popups()) texts.push_back(p.text);
    return texts;
}

void DialogTest::refuse_writes(int writes) {
    sim->bus().faults().arm(tarvolux::sim::GpibFault::WriteError, writes);
}

void choose(QWidget* dialog, const char* name, int index) {
    auto* combo = control<QComboBox>(dialog, name);
    if (!combo) return;
    // What a selection from the open list, the arrow keys or assistive technology do.
    combo->setCurrentIndex(index);
}

void press(QWidget* dialog, const char* name) {
    auto* button = control<QAbstractButton>(dialog, name);
    // The space bar, as an operator at the keyboard presses a focused button.
    if (button) QTest::keyClick(button, Qt::Key_Space);
}

void type(QWidget* dialog, const char* name, const QString& text) {
    auto* field = control<QWidget>(dialog, name);
    if (!field) return;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    QTest::keyClicks(field, text);
}

}  // namespace dialogs_test
