#include "core/base/libguard.h"

#include <cstdlib>
#include <iostream>

#include "core/base/numfmt.h"
#include "core/base/tr.h"
#include "thermo/report.h"

namespace app {

namespace {

// The property library writes its texts in Russian from these pieces (and
// routine names and numbers); each piece is put into the user's language.
const char* const kLibraryPieces[] = {
    QT_TRANSLATE_NOOP("Library", " Используемая в программе "),
    QT_TRANSLATE_NOOP("Library", " Используемое в программе "),
    QT_TRANSLATE_NOOP("Library", " выше критической для данного вещества!"),
    QT_TRANSLATE_NOOP("Library", " ниже тройной точки для данного вещества!"),
    QT_TRANSLATE_NOOP("Library", " выше критического для данного вещества!"),
    QT_TRANSLATE_NOOP("Library", " выше предельного для данного вещества!"),
    QT_TRANSLATE_NOOP("Library", " выше предельной для данного вещества!"),
    QT_TRANSLATE_NOOP("Library", " не больше нуля!"),
    QT_TRANSLATE_NOOP("Library", " температура "),
    QT_TRANSLATE_NOOP("Library", " давление "),
    QT_TRANSLATE_NOOP("Library", " плотность "),
    QT_TRANSLATE_NOOP("Library", "Значение h менше h затвердевания !"),
    QT_TRANSLATE_NOOP("Library", "Значение S менше S затвердевания !"),
    QT_TRANSLATE_NOOP("Library", "Значение h больше h при T=1000 K !"),
    QT_TRANSLATE_NOOP("Library", "Значение S больше S при T=1000 K !"),
    QT_TRANSLATE_NOOP("Library", "Задано P > Pkp при расчете свойств в насышении !"),
    QT_TRANSLATE_NOOP("Library", "Задано T > Tkp при расчете свойств в насышении !"),
    QT_TRANSLATE_NOOP("Library", "  Температура Т="),
    QT_TRANSLATE_NOOP("Library", " ниже Т тройной точки !"),
    QT_TRANSLATE_NOOP("Library", "Название вещества указано неправильно!"),
    QT_TRANSLATE_NOOP("Library", "Значение h больше h на изоэнтропе при наибольшем давлении !"),
    QT_TRANSLATE_NOOP("Library", "Значение h меньше h на изоэнтропе при наименьшем давлении !"),
    QT_TRANSLATE_NOOP("Library", "Значения h и S не являются числами !"),
    QT_TRANSLATE_NOOP("Library", "Значение h больше h при T="),
    QT_TRANSLATE_NOOP("Library", "Значение S больше S при T="),
};

// Where refusals are said.
Notify& refusalRoute() {
  static Notify route = [](const std::string& text) { std::cerr << text << '\n'; };
  return route;
}

}  // namespace

std::string libraryText(const std::string& text) {
  std::string out = text;
  for (const char* piece : kLibraryPieces) {
    const std::string to = translate("Library", piece);
    if (to == piece) continue;
    const std::string from = piece;
    for (std::size_t at = out.find(from); at != std::string::npos; at = out.find(from, at + to.size()))
      out.replace(at, from.size(), to);
  }
  return localized(out);
}

void showRefusal(const LibraryResult& r) {
  if (!r.ok) refusalRoute()(r.text);
}

void installLibraryHandlers(Notify notify) {
  refusalRoute() = notify;
  tfs::setMessageHandler([notify](const std::string& text) { notify(libraryText(text)); });
  tfs::setFatalHandler([notify](const std::string& text) {
    notify(libraryText(text));
    std::exit(1);
  });
}

ScopedLibraryMessages::ScopedLibraryMessages(Notify notify) : previous_(tfs::currentMessageHandler()) {
  tfs::setMessageHandler([notify](const std::string& text) { notify(libraryText(text)); });
}

ScopedLibraryMessages::~ScopedLibraryMessages() { tfs::setMessageHandler(previous_); }

}  // namespace app
