#include "tests/datalog/datalog_fixture.h"

#include <chrono>
#include <cstdio>

#include <unistd.h>

#include "export/format_install.h"
#include "instrument/instrument_handle.h"
#include "files/project_dir.h"
#include "instrument/readout_buffers.h"
#include "settings/records.h"
#include "settings/settings_files.h"
#include "text/text_field.h"
#include "ui/ui.h"

namespace datalog_test {

using namespace std::chrono;
namespace sim = tarvolux::sim;

void DataloggerTest::start(Transport transport, sim::Firmware firmware) {
    if (sim) sim->instrument().set_command_listener({});
    sim.reset();
    ui::set_backend(&wire);
    settings::apply_set(settings::SetImage{});
    instrument::dl_readout.release();
    sim::InstrumentOptions options;
    options.firmware = firmware;
    sim = std::make_unique<driver_test::SimConnection>(transport, options);
    ASSERT_EQ(sim->connect(), 0);
    instrument::tarvolux = sim->handle();
    rec::device.new_firmware = firmware == sim::Firmware::New ? 1 : 0;
    wire.attach(sim->instrument_ptr());
    wire.clear_records();
}

void DataloggerTest::use_project_folder() {
    project = std::filesystem::path(::testing::TempDir()) /
              ("ohm7416-datalog-" + std::to_string(::getpid()));
    std::filesystem::remove_all(project);
    std::filesystem::create_directories(project / "EXPORT");
    ASSERT_TRUE(exporting::seed_export_formats(project));
    files::curr_dir = project.string();
}

void DataloggerTest::TearDown() {
    if (!project.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(project, ignored);
    }
    if (sim) sim->instrument().set_command_listener({});
    sim.reset();
    instrument::tarvolux = 0;
    instrument::dl_readout.release();
    ui::set_backend(nullptr);
}

std::string DataloggerTest::stored_text(int k) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4fMOHM", 12.0 + k / 1000.0);
    return text;
}

std::string DataloggerTest::shown_text(int k) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f mOhm", 12.0 + k / 1000.0);
    return text;
}

void DataloggerTest::store_values(int block, int count, bool overloads) {
    const sys_days day = 2024y / March / 15;
    sim->instrument().modify([&](sim::InstrumentState& state) {
        sim::LogBlock& b = state.datalogger.blocks[static_cast<std::size_t>(block)];
        b.size = std::max(b.size, static_cast<int>(b.values.size()) + count);
        for (int k = 0; k < count; ++k) {
            sim::StoredValue value;
            value.text = overloads ? ">>>" : stored_text(k);
            if (!overloads) value.ohms = (12.0 + k / 1000.0) / 1000.0;
            value.stamp = day + hours(10) + seconds(k) + milliseconds(10 * (k % 100));
            b.values.push_back(value);
        }
    });
}

void DataloggerTest::store_value_at(int block, const std::string& text, int year, unsigned month,
                                    unsigned day) {
    sim->instrument().modify([&](sim::InstrumentState& state) {
        sim::LogBlock& b = state.datalogger.blocks[static_cast<std::size_t>(block)];
        b.values.push_back(
            {text, 0.012,
             sys_days(std::chrono::year(year) / std::chrono::month(month) / std::chrono::day(day)) +
                 hours(23) + minutes(59) + seconds(58)});
    });
}

void DataloggerTest::name_block(int block, const std::string& name) {
    sim->instrument().modify([&](sim::InstrumentState& state) {
        state.datalogger.blocks[static_cast<std::size_t>(block)].name = name;
    });
    text::copy_text(rec::datalog.block_name[block], name);
}

Lines DataloggerTest::messages() const {
    Lines texts;
    for (const auto& popup : wire.popups())
        if (popup.kind == ui::PopupKind::Message) texts.push_back(popup.text);
    return texts;
}

Lines DataloggerTest::requests(const char* format, int block, std::initializer_list<int> indices) {
    Lines lines;
    for (int index : indices) {
        char text[64];
        std::snprintf(text, sizeof text, format, block, index);
        lines.push_back(text);
        lines.push_back("pause 0.01");
    }
    return lines;
}

}  // namespace datalog_test
