// A project folder seeded with the installed export formats, a pinned clock and a
// scripted ui, for every export test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "export/ascii_exp.h"
#include "export/export_data.h"
#include "export/export_file.h"
#include "export/format_install.h"
#include "files/project_dir.h"
#include "instrument/readout_buffers.h"
#include "settings/settings_files.h"
#include "test_files.h"
#include "ui/glob.h"
#include "ui/scripted_backend.h"

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::set_backend(&backend);
        settings::apply_set(settings::SetImage{});
        instrument::dl_readout.release();
        exporting::ascii_exp = exporting::AsciiExp{};
        exporting::measure_store_mode = 0;
        files::curr_dir = project.path();
        ASSERT_TRUE(exporting::seed_export_formats(project.path()));
        std::filesystem::create_directory(project.file("EXPORT"));
        setenv("TZ", "UTC0", 1);
        tzset();
        set_time_source(&wednesday_morning);
    }
    void TearDown() override {
        exporting::export_fhdl.close();
        set_time_source(nullptr);
        ui::set_backend(nullptr);
    }

    // 5 March 2003, 09:05:03.
    static std::time_t wednesday_morning() { return 1046855103; }

    // Runs an export in `format` into EXPORT/`name`, the operator entering `comment`
    // (nullptr: the prompt is cancelled).
    int run_export(const std::string& format, const std::string& name, const char* comment) {
        backend.answer_file(export_file(name));
        if (comment)
            backend.answer_prompt(comment);
        else
            backend.cancel_prompt();
        return exporting::export_data(format);
    }

    std::string export_file(const std::string& name) const {
        return project.file("EXPORT/" + name);
    }

    void expect_matches_expected(const std::string& name) const {
        std::string expected = read_bytes(std::string(EXPECTED_DIR) + "/" + name);
        ASSERT_FALSE(expected.empty()) << "no expected file " << name;
        EXPECT_EQ(read_bytes(export_file(name)), expected) << name;
    }

    ScratchFolder project;
    ui::ScriptedBackend backend;
};
