#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

#include "app/numfmt.h"
#include "app/tr.h"

namespace app {

namespace {

std::string translated(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

bool takeLanguage(int& argc, char** argv, Language& lang, QString& error) {
  lang = QLocale::system().language() == QLocale::Russian ? Language::Russian : Language::English;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--lang") != 0) continue;
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (std::strcmp(value, "ru") == 0) {
      lang = Language::Russian;
    } else if (std::strcmp(value, "en") == 0) {
      lang = Language::English;
    } else {
      error = QStringLiteral("--lang: ru или en");
      return false;
    }
    for (int k = i; k + 2 <= argc; ++k) argv[k] = argv[k + 2];
    argc -= 2;
    --i;
  }
  return true;
}

void useLanguage(Language lang) {
  auto* app = QCoreApplication::instance();
  if (lang == Language::Russian) {
    // Qt's own dialogs and menus in Russian.
    auto* qt = new QTranslator(app);
    if (qt->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(qt);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    setDecimalSeparator(',');
  } else {
    auto* own = new QTranslator(app);
    if (own->load(QStringLiteral(":/i18n/entrograf_en.qm"))) QCoreApplication::installTranslator(own);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    setDecimalSeparator('.');
  }
  setTranslator(translated);
}

}  // namespace app
