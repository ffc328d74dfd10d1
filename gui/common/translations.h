#pragma once
// The program's languages: its own texts and Qt's (the standard dialogs'), in
// the desktop's language (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG).
//
// The program's translations are mervan_LANG.qm files in the translations
// folder beside the help files (share/mervan/translations); Qt's own come from
// Qt's translations folder. A language without a file stays in English.

#include "core/numeric/translation.h"

#include <QLocale>
#include <QString>

// The folder of the program's .qm files for the program at programPath:
// ../share/mervan/translations from the program's folder.
QString TranslationsFolder(const QString &programPath);

// Installs, into the running application, the translators of the program and
// of Qt for locale, and keeps the C library's numbers in the C locale so that
// the core writes a decimal point whatever the desktop's language. Returns
// whether the program's own texts are translated (false for English).
bool InstallTranslators(const QLocale &locale = QLocale());

// The core's texts through the installed translations.
Translator CoreTranslator();
