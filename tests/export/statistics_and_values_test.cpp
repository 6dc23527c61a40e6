// The statistics block that closes a measurement export, and the table of the values
// a chart shows, in the separators of the format in use.
#include <gtest/gtest.h>

#include <filesystem>

#include "export/shown_values.h"
#include "export/statistics_block.h"
#include "export_fixture.h"
#include "text/text_field.h"

namespace {

using StatisticsBlockTest = ExportTest;

TEST_F(StatisticsBlockTest, ASpreadsheetReadsLabelsNumbersAndUnitsInTheFormatsSeparators) {
    ASSERT_EQ(exporting::statistics_at_stop, 0) << "off until the operator asks for it";
    text::copy_text(exporting::ascii_exp.format_file, "tabelle.for");
    ASSERT_EQ(exporting::load_export_para(), 1);

    stats::SessionStatistics s;
    const stats::Limits limits{2, 0, 0.0120, 0.0130, 0};
    for (double ohms : {0.0124, 0.0125, 0.0126, 0.0131}) s.add_resistance(ohms, 1e-4, limits);
    s.add_overload();
    s.add_error();
    EXPECT_EQ(exporting::statistics_lines(s),
              "\n"
              "Statistik : ; Anzahl ; 4 ;\n"
              "; Mittelwert ; 12,65 ; mOhm ;\n"
              "; Std.Abweichung ; 0,3109126 ; mOhm ;\n"
              "; Minimum ; 12,4 ; mOhm ;\n"
              "; Maximum ; 13,1 ; mOhm ;\n"
              "; Spannweite ; 0,7 ; mOhm ;\n"
              "; Cp ; 0,5360563 ;\n"
              "; Cpk ; 0,3752394 ;\n"
              "; Klasse < ; 0 ; 0,00 ; % ;\n"
              "; Klasse Gut ; 3 ; 75,00 ; % ;\n"
              "; Klasse > ; 1 ; 25,00 ; % ;\n"
              "; Übersteuert ; 1 ;\n"
              "; Ref.Mess. ; 0 ;\n"
              "; Fehler ; 1 ;\n");

    // Without values and without the comparator: empty cells, no classes.
    stats::SessionStatistics none;
    none.add_reference();
    EXPECT_EQ(exporting::statistics_lines(none),
              "\nStatistik : ; Anzahl ; 0 ;\n; Mittelwert ;  ;  ;\n; Std.Abweichung ;  ;  ;\n"
              "; Minimum ;  ;  ;\n; Maximum ;  ;  ;\n; Spannweite ;  ;  ;\n"
              "; Übersteuert ; 0 ;\n; Ref.Mess. ; 1 ;\n; Fehler ; 0 ;\n");
}

TEST_F(StatisticsBlockTest, ShownValuesSavedInTheFirstTypesFormatBeforeAnyExport) {
    exporting::ShownValues values;
    values.time_heading = "Zeit seit Start [s]";
    values.time_is_number = true;
    values.rows = {{7, "0.250", "12.345", "mOhm"}, {8, "0.500", "12.35", "mOhm"}};
    const std::string path = export_file("grafik.csv");
    backend.answer_file(path);
    EXPECT_EQ(exporting::save_shown_values(values), 1);
    EXPECT_EQ(read_bytes(path),
              "Nr. ; Zeit seit Start [s] ; Wert ; Einheit ;\n"
              "7 ; 0,250 ; 12,345 ; mOhm ;\n"
              "8 ; 0,500 ; 12,35 ; mOhm ;\n");
    ASSERT_EQ(backend.popups().size(), 1u) << "the file dialog, and no message";
    EXPECT_EQ(backend.popups()[0].title, "Als CSV speichern");
    // Written under a temporary name and renamed: nothing else is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(project.file("EXPORT")),
                            std::filesystem::directory_iterator()),
              1);

    // A date and time stay text; the format chosen last counts.
    text::copy_text(exporting::ascii_exp.format_file, "tabulat.for");
    ASSERT_EQ(exporting::load_export_para(), 1);
    values.time_heading = "Datum Uhrzeit";
    values.time_is_number = false;
    values.rows = {{1, "05.03.2003 09:05:03:00", "1.5", "Ohm"}};
    EXPECT_EQ(exporting::shown_values_text(values, exporting::format_in_use()),
              "Nr. \t Datum Uhrzeit \t Wert \t Einheit \t\n1 \t 05.03.2003 09:05:03:00 \t 1.5 \t "
              "Ohm \t\n");

    backend.cancel_file();
    EXPECT_EQ(exporting::save_shown_values(values), 0);
}

}  // namespace
