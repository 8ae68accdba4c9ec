#include "ui/services/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

#include "core/base/numfmt.h"
#include "core/base/tr.h"

namespace app {

namespace {

std::string translated(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

Language languageOfLocale(QLocale::Language system) {
  return system == QLocale::Russian || system == QLocale::C || system == QLocale::AnyLanguage ? Language::Russian
                                                                                              : Language::English;
}

bool takeLanguage(int& argc, char** argv, Language& lang, QString& error) {
  lang = languageOfLocale(QLocale::system().language());
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--lang") != 0) continue;
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (std::strcmp(value, "ru") == 0) {
      lang = Language::Russian;
    } else if (std::strcmp(value, "en") == 0) {
      lang = Language::English;
    } else {
      error = QCoreApplication::translate("Language", "--lang: ru или en");
      return false;
    }
    for (int k = i; k + 2 <= argc; ++k) argv[k] = argv[k + 2];
    argc -= 2;
    --i;
  }
  return true;
}

void useLanguage(Language lang) {
  // The translation installed before goes: the language can change.
  static QTranslator* installed = nullptr;
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  auto* t = new QTranslator(QCoreApplication::instance());
  bool loaded = false;
  if (lang == Language::Russian) {
    // The program is written in Russian; Qt's own dialogs and menus follow.
    loaded = t->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    setDecimalSeparator(',');
  } else {
    loaded = t->load(QStringLiteral(":/i18n/entrograf_en.qm"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    setDecimalSeparator('.');
  }
  if (loaded && QCoreApplication::installTranslator(t))
    installed = t;
  else
    delete t;
  setTranslator(translated);
}

}  // namespace app
