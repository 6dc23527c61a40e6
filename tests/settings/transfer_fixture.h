// The settings transfers against the simulated instrument, reached through one of its
// real doors, with the scripted ui answering and recording every popup and progress
// step. Tests assert the wire (the instrument's command log) and the records.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings_fixture.h"
#include "test_files.h"
#include "tests/driver/sim_connection.h"
#include "ui/scripted_backend.h"

class TransferTest : public SettingsTest {
  protected:
    using Transport = driver_test::Transport;

    void SetUp() override;
    void TearDown() override;

    // Connects the program's handle to a new simulated instrument and empties its log.
    void connect(Transport transport = Transport::Gpib,
                 tarvolux::sim::InstrumentOptions options = {});

    // Direct exchanges, to set the instrument up and to look at it afterwards.
    void send(const std::string& command);
    std::string query(const std::string& query);

    std::vector<std::string> log() const { return sim->log(); }
    void clear_log() { sim->clear_log(); }
    // Commands in the log that start with `prefix`.
    std::size_t sent(std::string_view prefix) const;
    // Where `command` stands in the log; npos when it was not sent.
    std::size_t position(std::string_view command) const;

    // How often commands starting with each prefix were sent.
    void expect_sent(std::initializer_list<std::pair<std::string_view, std::size_t>> counts) const;

    std::vector<ui::PopupRecord> popups(ui::PopupKind kind) const;
    // The one popup of this kind; the test fails unless there is exactly one.
    ui::PopupRecord only_popup(ui::PopupKind kind) const;
    // `panels` progress panels were closed, the last of them after every other step.
    void expect_progress_closed(std::size_t panels) const;
    // Values of the progress events of one kind, in order.
    std::vector<int> progress_numbers(ui::ProgressEventKind kind) const;
    std::vector<std::string> progress_labels(ui::ProgressEventKind kind) const;

    // Sets the instrument up for the full upload whose wire is kept in a file, and
    // declares the records' firmware the newer one.
    void prepare_for_full_upload();
    static std::vector<std::string> full_upload_wire();

    // Makes the instrument stop answering from the moment it receives `command` on:
    // that command is executed, but no answer or acknowledge comes back any more.
    void fall_silent_at(const std::string& command);

    ScratchFolder folder;
    std::unique_ptr<driver_test::SimConnection> sim;
};

// Connected through the GPIB door; the records declare the newer firmware.
class ConnectedTransferTest : public TransferTest {
  protected:
    void SetUp() override;
};

// The same tests through the RS-232 door and through the GPIB door.
class TransferThroughDoor : public TransferTest,
                            public ::testing::WithParamInterface<driver_test::Transport> {
  protected:
    void SetUp() override {
        TransferTest::SetUp();
        connect(GetParam());
    }
};

#define TRANSFER_THROUGH_BOTH_DOORS(Suite)                                                  \
    INSTANTIATE_TEST_SUITE_P(                                                               \
        Doors, Suite,                                                                       \
        ::testing::Values(::driver_test::Transport::Rs232, ::driver_test::Transport::Gpib), \
        ::driver_test::transport_name)
