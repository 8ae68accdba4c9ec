#pragma once
// The plain code's texts through the windows' translation: a text is marked
// with translate("context", "русский текст") where it is written, and the
// windows install Qt's translator. Without one (the core's own tests) a
// text stays as written, in Russian.

#include <initializer_list>
#include <string>

// Marks a text for translation where it is written as data (a table of
// names); translate() gives it in the user's language where it is shown.
// The same definition as Qt's, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace app {

using Translator = std::string (*)(const char* context, const char* text);

// Installs the translator; nullptr leaves the texts as written.
void setTranslator(Translator translator);

// The text in the user's language.
std::string translate(const char* context, const char* text);

// The text with %1, %2, ... replaced by the arguments in order.
std::string withArgs(std::string text, std::initializer_list<std::string> args);

}  // namespace app
