// The whole program, offscreen, against the simulated instrument on a line that can
// die: a fresh project directory, a Com.stp for the line's door, the scripted popup
// back end, and a short transport time-out so a dead line costs a test one second.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "tests/e2e/simulated_line.h"
#include "ui/scripted_backend.h"

namespace e2e {

// The time-out of every exchange in these tests (the program's own is 10 s).
inline constexpr double TIMEOUT_SECONDS = 1.0;
inline constexpr int GPIB_ADDRESS = 7;

class ProgramOnLine : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The instrument behind `door`, and the Com.stp that names it.
    void make_line(Door door);
    // The program's start-up, as from the command line with --home.
    bool start_program();

    QAction* action(const char* name) const;
    // Chooses a menu item, as the operator does.
    void choose(const char* name) { action(name)->trigger(); }
    // The interface dialog of the line's door, confirmed with OK: the program connects
    // anew and reads all settings.
    void reconnect();

    // Message boxes shown since the popup count `mark`.
    std::vector<ui::PopupRecord> messages_since(std::size_t mark) const;
    std::size_t popup_mark() const { return popups.popups().size(); }

    std::filesystem::path file(const std::string& relative) const { return home / relative; }

    std::filesystem::path home;
    ui::ScriptedBackend popups;
    std::unique_ptr<SimulatedLine> line;
    app::Program program;
    bool started = false;
};

}  // namespace e2e
