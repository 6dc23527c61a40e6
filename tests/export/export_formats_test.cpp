#include <gtest/gtest.h>

#include "export/ascii_exp.h"
#include "export/export_types.h"
#include "export_fixture.h"
#include "text/text_field.h"

namespace {

void expect_same_format(const exporting::AsciiExp& a, const exporting::AsciiExp& b) {
    EXPECT_EQ(text::field_text(a.format_file), text::field_text(b.format_file));
    EXPECT_EQ(text::field_text(a.extension), text::field_text(b.extension));
    EXPECT_EQ(a.decimal_separator, b.decimal_separator);
    EXPECT_EQ(a.column_separator, b.column_separator);
    EXPECT_EQ(a.max_lines, b.max_lines);
}

class ExportFormatsTest : public ExportTest {
  protected:
    void write_type_list(const std::string& text) {
        write_bytes(project.file("format.for/export.exp"), text);
    }
    static std::string name(int i) {
        return std::string(text::field_text(exporting::export_types[i].export_type_name));
    }
    static std::string file(int i) {
        return std::string(text::field_text(exporting::export_types[i].export_type_file));
    }
};

TEST_F(ExportFormatsTest, ListEndsAtTheEndMark) {
    write_type_list("Eins eins.for\nZwei zwei.for Kommentar\nDrei drei.for\n<ende>\nVier v.for\n");
    ASSERT_EQ(exporting::get_export_types(), 1);
    EXPECT_EQ(exporting::export_type_last, 2);
    EXPECT_EQ(name(1), "Zwei");
    EXPECT_EQ(file(1), "zwei.for");
    EXPECT_TRUE(backend.popups().empty());
}

TEST_F(ExportFormatsTest, ListWithoutEndMarkRunsToTheEndOfTheFile) {
    write_type_list("Eins eins.for\r\nZwei\tzwei.for\r\nDrei drei.for");
    ASSERT_EQ(exporting::get_export_types(), 1);
    EXPECT_EQ(exporting::export_type_last, 2);
    EXPECT_EQ(file(1), "zwei.for");
    EXPECT_EQ(file(2), "drei.for");
}

TEST_F(ExportFormatsTest, EndMarkFirstGivesAnEmptyList) {
    write_type_list("<ende>\nEins eins.for\n");
    ASSERT_EQ(exporting::get_export_types(), 1);
    EXPECT_EQ(exporting::export_type_last, -1);
}

TEST_F(ExportFormatsTest, MoreThanTenTypesKeepsTheFirstTen) {
    std::string list;
    for (int i = 0; i < 12; ++i)
        list += "Typ" + std::to_string(i) + " f" + std::to_string(i) + ".for\n";
    write_type_list(list);
    ASSERT_EQ(exporting::get_export_types(), 1);
    EXPECT_EQ(exporting::export_type_last, 9);
    EXPECT_EQ(file(9), "f9.for");
    ASSERT_EQ(backend.popups().size(), 1u);
    EXPECT_EQ(backend.popups()[0].title, "Fehler-Meldung :");
    EXPECT_EQ(backend.popups()[0].text, "Zu viele Export Type");
}

TEST_F(ExportFormatsTest, OversizedWordsAreCutOrSkippedNeverOverrun) {
    write_type_list(
        "Einsehrsehrlangername_ueber20 eins.for\n"  // name cut to 20
        "Zwei datei_zu_lang.for\n"                  // 17-character file name: skipped
        "Einzelwort\n"                              // no file: skipped
        "\n"
        "Drei vierzehn_o.for\n");
    ASSERT_EQ(exporting::get_export_types(), 1);
    EXPECT_EQ(exporting::export_type_last, 1);
    EXPECT_EQ(name(0), "Einsehrsehrlangernam");
    EXPECT_EQ(file(1), "vierzehn_o.for");  // 14 characters fit
}

TEST_F(ExportFormatsTest, MissingOrUnreadableListIsTold) {
    std::string list = project.file("format.for/export.exp");
    std::filesystem::remove(list);
    EXPECT_EQ(exporting::get_export_types(), -1);
    std::filesystem::create_directory(list);
    EXPECT_EQ(exporting::get_export_types(), -1);
    ASSERT_EQ(backend.popups().size(), 2u);
    EXPECT_EQ(backend.popups()[0].text, "Kann Datei : export.exp nicht öffnnen");
    EXPECT_EQ(backend.popups()[1].text, "Kann Datei : export.exp nicht öffnnen");
}

TEST_F(ExportFormatsTest, InstalledTypesAllHaveUsableFormats) {
    ASSERT_EQ(exporting::get_export_types(), 1);
    ASSERT_GE(exporting::export_type_last, 3);
    bool has_user = false;
    for (int i = 0; i <= exporting::export_type_last; ++i) {
        text::copy_text(exporting::ascii_exp.format_file, file(i));
        ASSERT_EQ(exporting::load_export_para(), 1) << file(i);
        std::string_view extension = text::field_text(exporting::ascii_exp.extension);
        EXPECT_EQ(extension.size(), 4u) << file(i);
        EXPECT_EQ(extension[0], '.') << file(i);
        EXPECT_NE(exporting::ascii_exp.column_separator, exporting::ascii_exp.decimal_separator);
        has_user = has_user || file(i) == "user.for";
    }
    EXPECT_TRUE(has_user);
    EXPECT_TRUE(backend.popups().empty());
}

struct FormatCase {
    const char* extension;
    char decimal_separator;
    char column_separator;
    int max_lines;
    const char* file_text;
};

void PrintTo(const FormatCase& f, std::ostream* out) {
    *out << f.extension;
}

class FormatFile : public ExportTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(FormatFile, IsWrittenExactlyAndReadsBack) {
    exporting::AsciiExp format{};
    text::copy_text(format.format_file, "probe.for");
    text::copy_text(format.extension, GetParam().extension);
    format.decimal_separator = GetParam().decimal_separator;
    format.column_separator = GetParam().column_separator;
    format.max_lines = GetParam().max_lines;
    exporting::ascii_exp = format;
    ASSERT_EQ(exporting::save_export_para(), 1);
    EXPECT_EQ(read_bytes(project.file("format.for/probe.for")), GetParam().file_text);

    exporting::ascii_exp = exporting::AsciiExp{};
    text::copy_text(exporting::ascii_exp.format_file, "probe.for");
    ASSERT_EQ(exporting::load_export_para(), 1);
    expect_same_format(exporting::ascii_exp, format);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatFile,
                         ::testing::Values(FormatCase{".dat", ',', ';', 65000,
                                                      "65000 \t\t   Max Anzahl der Zeilen\n"
                                                      ".dat        Datei Extension\n"
                                                      ",         Dezimal Trenner\n"
                                                      ";         SpaltenTrenner"},
                                           FormatCase{".tx", '.', '\t',
                                                      -1,  // short extension: right-aligned
                                                      "-1 \t\t   Max Anzahl der Zeilen\n"
                                                      " .tx        Datei Extension\n"
                                                      ".         Dezimal Trenner\n"
                                                      "\t         SpaltenTrenner"}));

TEST_F(ExportFormatsTest, UnreadableLinesKeepTheirFieldsAndMissingFilesAreTold) {
    write_bytes(project.file("format.for/kurz.for"), "viele\n.csv\n");
    exporting::ascii_exp.max_lines = 7;
    exporting::ascii_exp.decimal_separator = ',';
    text::copy_text(exporting::ascii_exp.format_file, "kurz.for");
    ASSERT_EQ(exporting::load_export_para(), 1);
    EXPECT_EQ(exporting::ascii_exp.max_lines, 7);
    EXPECT_EQ(text::field_text(exporting::ascii_exp.extension), ".csv");
    EXPECT_EQ(exporting::ascii_exp.decimal_separator, ',');

    // A damaged extension (control bytes) would be kept empty or cut, written back as
    // blanks and read as the next word: it is no extension.
    write_bytes(project.file("format.for/kurz.for"), std::string("1\n.\0\0t\n", 7));
    ASSERT_EQ(exporting::load_export_para(), 1);
    EXPECT_EQ(text::field_text(exporting::ascii_exp.extension), ".csv");

    text::copy_text(exporting::ascii_exp.format_file, "fehlt.for");
    EXPECT_EQ(exporting::load_export_para(), -1);
    EXPECT_EQ(backend.popups().back().text, "Kann Datei : fehlt.for nicht öffnnen");
}

TEST_F(ExportFormatsTest, SeedingNeverTouchesAnOperatorsFormats) {
    std::string user = project.file("format.for/user.for");
    write_bytes(user, "eigenes Format");
    EXPECT_TRUE(exporting::seed_export_formats(project.path()));
    EXPECT_EQ(read_bytes(user), "eigenes Format");

    ScratchFolder fresh;
    EXPECT_FALSE(exporting::seed_export_formats(fresh.path(), fresh.file("nichts")));
    EXPECT_EQ(fresh.entry_count(), 0u);
    EXPECT_TRUE(exporting::seed_export_formats(fresh.path()));
    EXPECT_EQ(read_bytes(fresh.file("format.for/user.for")),
              read_bytes((exporting::installed_format_dir() / "user.for").string()));
    EXPECT_EQ(fresh.entry_count(), 1u);  // no staging folder left
}

}  // namespace
