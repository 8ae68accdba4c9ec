#include "app/cmdline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "app/version.h"
#include "thermo/substances.h"

namespace app {

namespace {

void printOut(const QString& text) {
  const QByteArray b = text.toUtf8();
  std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
  std::fflush(stdout);
}

QString substanceList() {
  QStringList names;
  for (int i = 1; i <= tfs::kSubstCount; ++i) names << QLatin1String(tfs::SubstName[i]);
  return names.join(QStringLiteral(", "));
}

}  // namespace

int answerInfoOptions(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral(ENTROGRAF_APP_NAME));
  QCoreApplication::setApplicationVersion(QStringLiteral(ENTROGRAF_VERSION));
  QCoreApplication::setOrganizationName(QStringLiteral(ENTROGRAF_ORGANIZATION));
  QCoreApplication::setOrganizationDomain(QStringLiteral(ENTROGRAF_ORGANIZATION_DOMAIN));
  QGuiApplication::setDesktopFileName(QStringLiteral(ENTROGRAF_APP_ID));

  QCommandLineParser parser;
  // "-h.png" is a file name for the export, not -h with more letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Диаграммы T-s рабочих веществ и идеальные процессы.\n"
                     "Без параметров открывает окно программы, с рабочим файлом (.entrograf) - сохраненную в нем работу.\n"
                     "Запись диаграммы в файл без окна:\n"
                     "  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--tmin T] [--tmax T] [--scale log|lin]\n"
                     "  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ"));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                QStringLiteral("эта справка"));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("версия программы"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption({QStringLiteral("export-diagram"),
                    QStringLiteral("записать диаграмму вещества или рабочего файла (.entrograf) с его процессами "
                                   "в ФАЙЛ (.png, .svg или .pdf); вещества: ") +
                        substanceList(),
                    QStringLiteral("ВЕЩЕСТВО ФАЙЛ")});
  parser.addOption({QStringLiteral("tmin"),
                    QStringLiteral("нижний предел температуры, K (по умолчанию чуть выше тройной точки)"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("tmax"), QStringLiteral("верхний предел температуры, K (по умолчанию 350)"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("scale"), QStringLiteral("шкала температуры (по умолчанию log)"),
                    QStringLiteral("log|lin")});

  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  // Unknown options are left to Qt and the export; only the two answers here.
  parser.parse(args);
  const bool wantHelp = parser.isSet(help), wantVersion = parser.isSet(version);
  if (!wantHelp && !wantVersion) return -1;

  QCoreApplication a(argc, argv);  // the help text names the program's path
  if (wantHelp)
    printOut(parser.helpText());
  else
    printOut(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
  return 0;
}

}  // namespace app
