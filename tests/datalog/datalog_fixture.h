// The datalogger against the simulated instrument behind one of its real doors, with
// the scripted ui answering popups and recording the wire with its pauses.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/driver/sim_connection.h"
#include "tests/support/wire_and_pauses.h"

namespace datalog_test {

using Lines = std::vector<std::string>;
using driver_test::Transport;

class DataloggerTest : public ::testing::Test {
  protected:
    void SetUp() override { start(Transport::Rs232); }
    void TearDown() override;

    // A new simulated instrument of this firmware generation, connected.
    void start(Transport transport,
               tarvolux::sim::Firmware firmware = tarvolux::sim::Firmware::New);

    // Puts `count` values into the instrument's block: value k (from 0) is
    // 12.0000 + k/1000 milliohms, stored on 15.03.2024 at 10:00:k; `overloads` makes
    // every value an overload without a resistance.
    void store_values(int block, int count, bool overloads = false);
    // A value stored at the given date, as the instrument keeps it.
    void store_value_at(int block, const std::string& text, int year, unsigned month, unsigned day);
    // The value text the instrument stored as value k, and as the list shows it.
    static std::string stored_text(int k);
    static std::string shown_text(int k);

    // The block's name in the instrument and in the record.
    void name_block(int block, const std::string& name);

    // A project folder of this test with the installed export formats and EXPORT/; the
    // program's curr_dir points to it.
    void use_project_folder();

    Lines events() { return wire.events(); }
    Lines messages() const;
    // The pause-separated requests a chunked read makes, for expected wires.
    static Lines requests(const char* format, int block, std::initializer_list<int> indices);

    test_support::WireAndPauses wire;
    std::unique_ptr<driver_test::SimConnection> sim;
    std::filesystem::path project;
};

// The same tests through the RS-232 door and through the GPIB door.
class ThroughBothDoors : public DataloggerTest, public ::testing::WithParamInterface<Transport> {
  protected:
    void SetUp() override { start(GetParam()); }
};

}  // namespace datalog_test
