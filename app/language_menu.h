// The language the program shows: Qt's translations installed at start, and the menu
// item "Info > Sprache / Language" that stores the operator's choice for the next start.
#pragma once

#include <QTranslator>

#include "ui/qt/language.h"

namespace app {

class MainWindow;

// Installs the program's translation (English) or Qt's German one (German), so the
// panels' forms and Qt's own dialogs (file selection, printing) speak `language`. The
// translators must outlive the application's use of them.
void install_translations(ui::Language language, ui::TranslationCatalogue& program,
                          QTranslator& qt_own);

// Adds "Sprache / Language" with "Deutsch" and "English" to the Info menu; the item
// checked is the stored choice, else `shown`. A choice is stored per user and takes
// effect at the next start, as the message says.
void add_language_menu(MainWindow& window, ui::Language shown);

}  // namespace app
