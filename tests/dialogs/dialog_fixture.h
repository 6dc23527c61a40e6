// A configuration dialog in a test: the records filled by an upload from a simulated
// instrument behind one of its doors (GPIB unless a test chooses RS-232), the scripted popups
// recording every message and the pauses between the instrument's command lines, and helpers that
// act on the dialog's controls as the operator does.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/settings_files.h"
#include "tests/driver/sim_connection.h"
#include "tests/support/wire_and_pauses.h"

namespace dialogs_test {

using Events = std::vector<std::string>;

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the dialog, runs `steps` once it is shown (inside its modal loop) and
    // returns the dialog's result. `steps` must close the dialog.
    int run(const std::function<int()>& dialog, const std::function<void(QWidget*)>& steps);

    // The instrument's lines and the pauses between them since the last forget().
    Events events() { return popups.events(); }
    // Forgets the lines, pauses and popups so far.
    void forget();
    // Texts of the popups shown, in order.
    std::vector<std::string> messages() const;

    // Has the GPIB door refuse the next `writes` command lines.
    void refuse_writes(int writes = 1);

    static settings::SetImage records() { return settings::capture_set(); }

    // The door the instrument is reached through; a test may choose RS-232 before SetUp.
    driver_test::Transport transport = driver_test::Transport::Gpib;
    test_support::WireAndPauses popups;
    std::unique_ptr<driver_test::SimConnection> sim;
    int refreshes = 0;
};

// The child widget called `name`; the test fails when there is none.
template <class W>
W* control(QWidget* dialog, const char* name) {
    W* w = dialog->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The operator picks item `index` from the list of a combo box.
void choose(QWidget* dialog, const char* combo, int index);
// The operator clicks a button or switch.
void press(QWidget* dialog, const char* button);
// The operator selects all text of a spin box or line edit and types `text`.
void type(QWidget* dialog, const char* field, const QString& text);

}  // namespace dialogs_test
