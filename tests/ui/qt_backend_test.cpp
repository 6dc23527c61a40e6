// The Qt back end with real widgets, offscreen: the keys and buttons of every popup,
// the prompt's length limit, the progress panel, and printing into a PDF file.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/modal_helpers.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/widget_printing.h"

namespace ui_test {
namespace {

void press(QWidget* dialog, Qt::Key key) { QTest::keyClick(dialog, key); }

TEST(QtBackend, QuestionEnterMeansJaEscapeMeansNein) {
    ui::QtBackend backend;
    ui::Question q{"Frage :", "Wollen Sie das Programm beenden"};
    QString title, focused;
    on_next_dialog([&](QWidget* dialog) {
        title = dialog->windowTitle();
        if (auto* b = qobject_cast<QPushButton*>(dialog->focusWidget())) focused = b->text();
        press(dialog, Qt::Key_Return);
    });
    EXPECT_TRUE(backend.question(q));
    EXPECT_EQ(title, "Frage :");
    EXPECT_EQ(focused, "Ja");

    on_next_dialog([](QWidget* dialog) { press(dialog, Qt::Key_Escape); });
    EXPECT_FALSE(backend.question(q));
}

TEST(QtBackend, ThreeButtonPopupBindsEnterAndEscapeByRole) {
    ui::QtBackend backend;
    ui::ThreeButtonPopup popup;
    popup.title = "Schnittstellen Einstellungen";
    popup.text = "Bitte wählen Sie die Schnittstelle aus";
    popup.buttons = {"Seriell (RS232)", "GPIB    (488.2)", "Abbrechen"};
    popup.focus = 1;
    popup.enter_button = 0;
    popup.escape_button = 3;

    on_next_dialog([](QWidget* dialog) { press(dialog, Qt::Key_Escape); });
    EXPECT_EQ(backend.three_button(popup), 3);

    bool open_after_enter = false;
    QStringList texts;
    on_next_dialog([&](QWidget* dialog) {
        press(dialog, Qt::Key_Return);  // Enter means no button here
        open_after_enter = dialog->isVisible();
        for (auto* b : dialog->findChildren<QPushButton*>()) texts << b->text();
        click(dialog, "popupButton2");
    });
    EXPECT_EQ(backend.three_button(popup), 2);
    EXPECT_TRUE(open_after_enter);
    EXPECT_EQ(texts, (QStringList{"Seriell (RS232)", "GPIB    (488.2)", "Abbrechen"}));
}

TEST(QtBackend, PromptHonoursItsMaximumLengthAndCancel) {
    ui::QtBackend backend;
    ui::Prompt prompt{"Eingabe Kommentar", "Geben Sie bitte den Kommentar ein", 5};
    on_next_dialog([](QWidget* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("promptEdit"), "Kommentar");
        press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(backend.prompt(prompt), std::optional<std::string>("Komme"));

    on_next_dialog([](QWidget* dialog) { press(dialog, Qt::Key_Escape); });
    EXPECT_EQ(backend.prompt(prompt), std::nullopt);
}

TEST(QtBackend, ProgressPanelShowsLabelMaximumAndValue) {
    ui::QtBackend backend;
    backend.progress_show("Übertragen der geladenen Einstellungen", 89);
    backend.progress_set_value(3);
    QDialog* panel = backend.progress_panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->findChild<QLabel*>("progressLabel")->text(),
              QString::fromUtf8("Übertragen der geladenen Einstellungen"));
    auto* bar = panel->findChild<QProgressBar*>("progressBar");
    EXPECT_EQ(bar->maximum(), 89);
    EXPECT_EQ(bar->value(), 3);
    backend.progress_set_maximum(25);
    EXPECT_EQ(bar->maximum(), 25);
    backend.progress_hide();
    EXPECT_FALSE(panel->isVisible());
}

TEST(WidgetPrinting, APanelPrintsIntoAPdfFileWithTheStoredAttributes) {
    QTemporaryDir dir;
    QLabel panel("Tarvolux Typ 7416");
    panel.resize(400, 200);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("panel.pdf"));
    ui::PrintAttributes attributes;  // the stored defaults: b/w, landscape, 300 dpi
    ui::apply_print_attributes(printer, attributes);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.colorMode(), QPrinter::GrayScale);
    EXPECT_EQ(printer.resolution(), 300);
    ASSERT_TRUE(ui::render_widget(panel, printer));
    QFile pdf(dir.filePath("panel.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));

    attributes.orientation = 1;
    attributes.color_mode = 1;
    ui::apply_print_attributes(printer, attributes);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.colorMode(), QPrinter::Color);
}

}  // namespace
}  // namespace ui_test
