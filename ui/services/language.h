#pragma once
// The language of the program: Russian (the texts as written) or English.
// It follows the system locale; --lang ru|en overrides it. Numbers follow
// the language: a decimal comma in Russian, a point in English.

#include <QLocale>
#include <QString>

namespace app {

enum class Language { Russian, English };

// The language for a system locale's language: Russian for a Russian
// locale and for one that names no language (C, POSIX), English for any
// other.
Language languageOfLocale(QLocale::Language system);

// Takes "--lang ru|en" out of the arguments (argc and argv are shortened),
// so that what follows sees none of it. Without the option the system
// locale decides (languageOfLocale). False, with the reason in error, for
// a missing or unknown value.
bool takeLanguage(int& argc, char** argv, Language& lang, QString& error);

// Installs Qt's own translation and the program's for the language, the
// translator of the plain code, and the language's decimal separator.
// Needs the application object.
void useLanguage(Language lang);

}  // namespace app
