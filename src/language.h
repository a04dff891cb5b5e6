// The user's language: velkar's own translations, embedded in the program, and Qt's own
// (the file dialog's and message box's buttons, the command line's usage words).
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages velkar ships besides English, as the translation files name them ("de",
// "pt_BR"): translations/CMakeLists.txt lists them.
QStringList shippedLanguages();

// Takes the first of the locale's languages (QLocale::system() follows LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG) that is English or shipped, and installs its translators in the
// application, replacing those installed before. Returns the language chosen ("de",
// "pt_BR"), or an empty string for English. Needs the application object.
QString installTranslations(const QLocale &locale = QLocale::system());
