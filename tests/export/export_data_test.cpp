#include <gtest/gtest.h>

#include "export/export_writers.h"
#include "export_fixture.h"
#include "settings/records.h"

namespace {

using ExportDataTest = ExportTest;

TEST_F(ExportDataTest, AsksForTheFileAndTheCommentAsTheOperatorKnowsThem) {
    exporting::measure_store_mode = 1;
    ASSERT_EQ(run_export("tabelle.for", "a.csv", "Kommentar"), 1);
    ASSERT_EQ(backend.popups().size(), 2u);
    const ui::PopupRecord& file = backend.popups()[0];
    EXPECT_EQ(file.kind, ui::PopupKind::FileSelection);
    EXPECT_EQ(file.title, "Daten exportieren");
    EXPECT_EQ(file.file.start_folder, project.file("EXPORT"));
    EXPECT_EQ(file.file.file_spec, "*.csv");
    EXPECT_EQ(file.file.mode, ui::FileMode::Save);
    EXPECT_TRUE(file.file.restrict_extension);
    EXPECT_TRUE(file.file.allow_new_folders);
    const ui::PopupRecord& prompt = backend.popups()[1];
    EXPECT_EQ(prompt.kind, ui::PopupKind::Prompt);
    EXPECT_EQ(prompt.title, "Eingabe Kommentar");
    EXPECT_EQ(prompt.text, "Geben Sie bitte den Kommentar ein");
    EXPECT_EQ(prompt.max_length, 100u);
    EXPECT_EQ(files::file_name, export_file("a.csv"));
    EXPECT_EQ(exporting::remark_text, "Kommentar");
}

TEST_F(ExportDataTest, CommentIsCutAfterAHundredCharacters) {
    std::string long_comment;
    for (int i = 0; i < 60; ++i) long_comment += "äb";
    ASSERT_EQ(run_export("tabelle.for", "a.csv", long_comment.c_str()), 1);
    std::string expected;
    for (int i = 0; i < 50; ++i) expected += "äb";
    EXPECT_EQ(exporting::remark_text, expected);
}

TEST_F(ExportDataTest, CancelledFileChoiceSwitchesStoringOffAndWritesNothing) {
    exporting::measure_store_mode = 1;
    backend.cancel_file();
    EXPECT_EQ(exporting::export_data("tabelle.for"), -1);
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_FALSE(exporting::export_fhdl.is_open());
    EXPECT_EQ(backend.popups().size(), 1u);  // the file selection only
    EXPECT_EQ(project.entry_count(), 2u);    // format.for and the empty EXPORT
    EXPECT_TRUE(std::filesystem::is_empty(project.file("EXPORT")));
}

TEST_F(ExportDataTest, FileThatCannotBeOpenedIsTold) {
    exporting::measure_store_mode = 1;
    std::string path = project.file("gibt/es/nicht.csv");
    backend.answer_file(path);
    backend.answer_prompt("");
    EXPECT_EQ(exporting::export_data("tabelle.for"), -1);
    EXPECT_EQ(exporting::measure_store_mode, 0);
    EXPECT_EQ(backend.popups().back().title, "Fehler-Meldung :");
    EXPECT_EQ(backend.popups().back().text, "Kann Datei : " + path + " nicht öffnnen");
}

TEST_F(ExportDataTest, MissingFormatStopsBeforeTheFileChoice) {
    exporting::measure_store_mode = 1;
    EXPECT_EQ(exporting::export_data("fehlt.for"), -1);
    EXPECT_EQ(exporting::measure_store_mode, 0);
    ASSERT_EQ(backend.popups().size(), 1u);
    EXPECT_EQ(backend.popups()[0].text, "Kann Datei : fehlt.for nicht öffnnen");
}

TEST_F(ExportDataTest, FailedDataloggerWriteIsToldAndTheFileClosed) {
    rec::upload = {0, 1, 0, 1, 500};
    ASSERT_TRUE(instrument::dl_readout.allocate(1, 500));
    {
        FileSizeLimit limit(300);
        EXPECT_EQ(run_export("tabelle.for", "voll.csv", "x"), -1);
    }
    EXPECT_FALSE(exporting::export_fhdl.is_open());
    EXPECT_EQ(backend.popups().back().text,
              "Fehler beim Schreiben der Datei : " + export_file("voll.csv") +
                  "\nDer Export ist unvollständig.");
}

}  // namespace
