#include "app/language_menu.h"

#include <QActionGroup>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <tuple>

#include "app/main_window.h"
#include "ui/qt/operator_actions.h"
#include "ui/callback_scope.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"
#include "ui/ui.h"

namespace app {

void install_translations(ui::Language language, ui::TranslationCatalogue& program,
                          QTranslator& qt_own) {
    if (language == ui::Language::English) {
        // Qt's own texts are English already.
        QApplication::installTranslator(&program.translator());
        return;
    }
    // The program speaks German, so do Qt's own dialogs, whatever the desktop's language.
    if (qt_own.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_own);
}

namespace {

void choose(ui::Language chosen, ui::Language shown) {
    // The message waits for the operator: measurement ticks wait with it.
    ui::CallbackScope scope;
    if (!ui::store_language(chosen)) {
        ui::message_box(
            UI_TEXT("ohm7416", "Fehler-Meldung :"),
            UI_TEXT("ohm7416", "Die Wahl der Sprache konnte nicht gespeichert werden."));
        return;
    }
    // Both languages, since the operator may not read the one shown now.
    if (chosen != shown)
        ui::message_box(UI_TEXT("ohm7416", "Sprache / Language"),
                        UI_TEXT("ohm7416",
                                "Die gewählte Sprache gilt ab dem nächsten Start des Programms.\n"
                                "The language chosen applies from the next start of the program."));
}

}  // namespace

void add_language_menu(MainWindow& window, ui::Language shown) {
    auto* info = window.findChild<QMenu*>(QStringLiteral("menuInfo"));
    if (!info) return;
    auto* menu = info->addMenu(ui::shown_text(UI_TEXT("ohm7416", "&Sprache / Language")));
    menu->setObjectName(QStringLiteral("menuLanguage"));
    auto* group = new QActionGroup(menu);
    ui::Language checked = ui::stored_language().value_or(shown);
    for (auto [language, name, text] :
         {std::tuple{ui::Language::German, "actionGerman", UI_TEXT("ohm7416", "&Deutsch")},
          std::tuple{ui::Language::English, "actionEnglish", UI_TEXT("ohm7416", "&English")}}) {
        QAction* item = menu->addAction(ui::shown_text(text));
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        item->setChecked(language == checked);
        group->addAction(item);
        ui::on_operator(item, &QAction::triggered, menu,
                        [language = language, shown] { choose(language, shown); });
    }
}

}  // namespace app
