#include "transfer_fixture.h"

#include <algorithm>
#include <fstream>

#include "driver/zk7416.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "settings/records.h"
#include "settings/settings_files.h"
#include "sim/gpib_bus.h"

namespace {

// Enough for every exchange a transfer has left.
constexpr int FOREVER = 100000;

}  // namespace

void TransferTest::SetUp() {
    SettingsTest::SetUp();
    files::curr_dir = folder.path();
    files::file_name.clear();
}

void TransferTest::TearDown() {
    if (sim) sim->instrument().set_command_listener({});
    sim.reset();
    instrument::tarvolux = 0;
    SettingsTest::TearDown();
}

void TransferTest::connect(Transport transport, tarvolux::sim::InstrumentOptions options) {
    sim = std::make_unique<driver_test::SimConnection>(transport, std::move(options));
    ASSERT_EQ(sim->connect(), 0);
    instrument::tarvolux = sim->handle();
    clear_log();
}

void ConnectedTransferTest::SetUp() {
    TransferTest::SetUp();
    connect();
    rec::device.new_firmware = 1;
}

void TransferTest::send(const std::string& command) {
    ASSERT_EQ(zk7416_send_scpi(sim->handle(), command.c_str()), 0) << command;
}

std::string TransferTest::query(const std::string& query) {
    char answer[ZK7416_ANSWER_SIZE] = {};
    EXPECT_EQ(zk7416_receive_scpi(sim->handle(), query.c_str(), answer), 0) << query;
    return answer;
}

std::size_t TransferTest::sent(std::string_view prefix) const {
    auto lines = log();
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(),
                      [prefix](const std::string& l) { return l.starts_with(prefix); }));
}

std::size_t TransferTest::position(std::string_view command) const {
    auto lines = log();
    auto it = std::find(lines.begin(), lines.end(), command);
    return it == lines.end() ? std::string::npos : static_cast<std::size_t>(it - lines.begin());
}

void TransferTest::expect_sent(
    std::initializer_list<std::pair<std::string_view, std::size_t>> counts) const {
    for (const auto& [prefix, count] : counts) EXPECT_EQ(sent(prefix), count) << prefix;
}

ui::PopupRecord TransferTest::only_popup(ui::PopupKind kind) const {
    auto found = popups(kind);
    EXPECT_EQ(found.size(), 1u);
    return found.empty() ? ui::PopupRecord{} : found.front();
}

void TransferTest::expect_progress_closed(std::size_t panels) const {
    EXPECT_EQ(progress_numbers(ui::ProgressEventKind::Hide).size(), panels);
    ASSERT_FALSE(backend.progress_events().empty());
    EXPECT_EQ(backend.progress_events().back().kind, ui::ProgressEventKind::Hide);
}

std::vector<ui::PopupRecord> TransferTest::popups(ui::PopupKind kind) const {
    std::vector<ui::PopupRecord> found;
    for (const auto& popup : backend.popups())
        if (popup.kind == kind) found.push_back(popup);
    return found;
}

std::vector<int> TransferTest::progress_numbers(ui::ProgressEventKind kind) const {
    std::vector<int> numbers;
    for (const auto& event : backend.progress_events())
        if (event.kind == kind) numbers.push_back(event.number);
    return numbers;
}

std::vector<std::string> TransferTest::progress_labels(ui::ProgressEventKind kind) const {
    std::vector<std::string> labels;
    for (const auto& event : backend.progress_events())
        if (event.kind == kind) labels.push_back(event.label);
    return labels;
}

void TransferTest::prepare_for_full_upload() {
    rec::device.new_firmware = 1;
    // Four limits, the manual temperature source and a fixed range each add a query.
    send("CALC:LIM:COUN 4");
    send("sens:tcom MAN");
    send("SENSE:FRES:RANG:AUTO OFF");
    send(":SENSE:FRES:RANG:MAN 20OHM");
    clear_log();
}

std::vector<std::string> TransferTest::full_upload_wire() {
    std::ifstream in(std::string(TRANSFER_EXPECTED_DIR) + "/upload_full.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void TransferTest::fall_silent_at(const std::string& command) {
    Transport transport = sim->transport();
    tarvolux::sim::SerialDoor* door = transport == Transport::Rs232 ? &sim->serial_door() : nullptr;
    sim->instrument().set_command_listener([command, door](const std::string& line) {
        if (line != command) return;
        if (door) {
            door->faults().arm(tarvolux::sim::SerialFault::SilentCommand, FOREVER);
            door->faults().arm(tarvolux::sim::SerialFault::SilentResponse, FOREVER);
        } else {
            tarvolux::sim::GpibBus::instance().faults().arm(tarvolux::sim::GpibFault::ReadTimeout,
                                                            FOREVER);
            tarvolux::sim::GpibBus::instance().faults().arm(tarvolux::sim::GpibFault::WriteError,
                                                            FOREVER);
        }
    });
}
