// The program and ohm7416ctl in English show English and write, byte for byte, the files
// they write in German: configuration, datalogger and measurement exports, the user's
// export format (whose separators the panel shows by name).
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <chrono>
#include <cstdio>

#include "app/main_window.h"
#include "sim/instrument.h"
#include "tests/ctl/ctl_fixture.h"
#include "tests/ui/modal_helpers.h"
#include "ui/glob.h"
#include "ui/qt/language.h"

namespace ctl_test {
namespace {

using namespace std::chrono;

// Twelve values in block 3, stored on 15.03.2024.
void stored_values(Bench& bench) {
    bench.instrument().modify([](tarvolux::sim::InstrumentState& state) {
        tarvolux::sim::LogBlock& block = state.datalogger.blocks[3];
        block.size = std::max(block.size, 12);
        for (int k = 0; k < 12; ++k) {
            char text[32];
            std::snprintf(text, sizeof text, "%.4fMOHM", 12.0 + k / 1000.0);
            block.values.push_back({text, (12.0 + k / 1000.0) / 1000.0,
                                    sys_days(2024y / March / 15) + hours(10) + seconds(k)});
        }
    });
}

// A user format whose column separator the panel shows by its name.
const char* const USER_FORMAT =
    "65000 \t\t   Max Anzahl der Zeilen\n.txt        Datei Extension\n.         "
    "Dezimal Trenner\n\t         SpaltenTrenner";

struct Written {
    std::string menu, read_button;  // two texts shown
    std::string configuration, readout_export, user_format, measure_export, values;
    std::string refusal;  // ohm7416ctl's message for an unknown export type
    std::size_t messages = 0;
};

class Language : public SteadyCtlTest {
  protected:
    Written run(ui::Language language) {
        ui::TranslationCatalogue catalogue;
        EXPECT_TRUE(catalogue.load(language, ui::translations_directory()));
        QCoreApplication::installTranslator(&catalogue.translator());
        const std::string tag = ui::language_name(language);
        Written w;
        drive_program(
            [&](app::MainWindow& window, ui::ScriptedBackend& popups, Bench&) {
                w.menu = window.findChild<QMenu*>("menuDatei")->title().toStdString();
                popups.answer_file(file(tag + ".cfg"));
                window.action("actionSaveConfig")->trigger();

                popups.answer_file(file(tag + "-block.txt"));
                popups.answer_prompt("Ofen 3");
                ui_test::on_next_dialog([&](QWidget* panel) {
                    auto* selector = panel->findChild<QComboBox*>("blockSelector");
                    selector->setCurrentIndex(3);
                    selector->activated(3);
                    w.read_button =
                        panel->findChild<QPushButton*>("readButton")->text().toStdString();
                    ui_test::click(panel, "readButton");
                    ui_test::on_next_dialog([](QWidget* types) {
                        types->findChild<QListWidget*>("typeList")->setCurrentRow(0);
                        ui_test::click(types, "okButton");
                    });
                    ui_test::click(panel, "exportButton");
                    ui_test::click(panel, "closeButton");
                });
                window.action("actionDataloggerReadout")->trigger();

                write_bytes((home / "format.for" / "user.for").string(), USER_FORMAT);
                ui_test::on_next_dialog([](QWidget* dialog) {
                    ui_test::click(dialog, "okButton");
                    // A separator not understood is refused and the panel stays.
                    if (dialog->isVisible()) qobject_cast<QDialog*>(dialog)->reject();
                });
                window.action("actionUserExportFormat")->trigger();
                for (const ui::PopupRecord& popup : popups.popups())
                    w.messages += popup.kind == ui::PopupKind::Message;
            },
            stored_values);
        w.configuration = read_bytes(file(tag + ".cfg"));
        w.readout_export = read_bytes(file(tag + "-block.txt"));
        w.user_format = read_bytes((home / "format.for" / "user.for").string());

        CtlResult measured =
            ctl({"measure", "5", "--export", file(tag + "-values.csv"), "--comment", "Los 17"});
        EXPECT_EQ(measured.status, 0) << measured.err;
        w.values = measured.out;
        w.measure_export = read_bytes(file(tag + "-values.csv"));
        w.refusal = ctl({"measure", "1", "--export", file("nie.csv"), "--format", "Lotus"}).err;
        QCoreApplication::removeTranslator(&catalogue.translator());
        return w;
    }
};

TEST_P(Language, EnglishIsShownAndEveryFileIsTheGermanOne) {
    Written german = run(ui::Language::German);
    Written english = run(ui::Language::English);

    EXPECT_EQ(german.menu, "&Datei");
    EXPECT_EQ(english.menu, "&File");
    EXPECT_EQ(german.read_button, "&Auslesen");
    EXPECT_EQ(english.read_button, "&Read out");
    EXPECT_EQ(german.refusal.rfind("Fehler-Meldung : Unbekannter Export Typ : Lotus\n", 0), 0u)
        << german.refusal;
    EXPECT_EQ(english.refusal.rfind("Error message : Unknown export type : Lotus\n", 0), 0u)
        << english.refusal;

    EXPECT_EQ(english.messages, 0u) << "no refusal, no message";
    EXPECT_EQ(german.user_format, USER_FORMAT);
    for (auto [name, de, en] :
         {std::tuple{"configuration", german.configuration, english.configuration},
          std::tuple{"datalogger export", german.readout_export, english.readout_export},
          std::tuple{"user format", german.user_format, english.user_format},
          std::tuple{"measurement export", german.measure_export, english.measure_export},
          std::tuple{"values printed", german.values, english.values}}) {
        EXPECT_FALSE(de.empty()) << name;
        EXPECT_EQ(de, en) << name;
    }
}

CTL_THROUGH_BOTH_DOORS(Language);

}  // namespace
}  // namespace ctl_test
