#include "app/cmdline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "app/cliout.h"
#include "app/language.h"
#include "app/version.h"

namespace app {

namespace {

void printOut(const QString& text) {
  const QByteArray b = text.toUtf8();
  std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
  std::fflush(stdout);
}

}  // namespace

int answerInfoOptions(int argc, char** argv, Language lang) {
  QCoreApplication::setApplicationName(QStringLiteral(ENTROGRAF_APP_NAME));
  QCoreApplication::setApplicationVersion(QStringLiteral(ENTROGRAF_VERSION));
  QCoreApplication::setOrganizationName(QStringLiteral(ENTROGRAF_ORGANIZATION));
  QCoreApplication::setOrganizationDomain(QStringLiteral(ENTROGRAF_ORGANIZATION_DOMAIN));
  QGuiApplication::setDesktopFileName(QStringLiteral(ENTROGRAF_APP_ID));

  // Only the two answers here; "-h.png" is a file name for the export.
  bool wantHelp = false, wantVersion = false;
  for (int i = 1; i < argc; ++i) {
    const QString a = QString::fromLocal8Bit(argv[i]);
    wantHelp |= a == u"-h" || a == u"--help" || a == u"-help" || a == u"-?" || a == u"--?";
    wantVersion |= a == u"-v" || a == u"--version" || a == u"-version";
  }
  if (!wantHelp && !wantVersion) return -1;
  QCoreApplication a(argc, argv);  // the help text names the program's path
  useLanguage(lang);
  if (!wantHelp) {
    printOut(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
    return 0;
  }

  QCommandLineParser parser;
  // "-h.png" is a file name for the export, not -h with more letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QCoreApplication::translate("CommandLine", "Диаграммы T-s рабочих веществ, идеальные и реальные процессы.\n"
                     "Без параметров открывает окно программы, с рабочим файлом (.entrograf) - сохраненную в нем работу.\n"
                     "Запись диаграммы в файл без окна:\n"
                     "  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--tmin T] [--tmax T] [--scale log|lin]\n"
                     "  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ\n"
                     "Расчет реального устройства без окна (JSON на стандартный вывод):\n"
                     "  entrograf --device ВИД ВЕЩЕСТВО --p1 P --t1 T --p2 P [--eta E] [--t2 T] [--heat Q]\n"
                     "            [--tr T] [--t0 T]\n"
                     "Расчет цикла ожижения без окна (JSON на стандартный вывод):\n"
                     "  entrograf --cycle ВИД ВЕЩЕСТВО [--plow P] [--phigh P] [--t1 T] [--eta-t E] [--dt K]\n"
                     "            [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]"));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                QCoreApplication::translate("CommandLine", "эта справка"));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QCoreApplication::translate("CommandLine", "версия программы"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption({QStringLiteral("export-diagram"),
                    QCoreApplication::translate("CommandLine", "записать диаграмму вещества или рабочего файла (.entrograf) с его процессами "
                                   "в ФАЙЛ (.png, .svg или .pdf); вещества: ") +
                        substanceList(),
                    QCoreApplication::translate("CommandLine", "ВЕЩЕСТВО ФАЙЛ")});
  parser.addOption({QStringLiteral("tmin"),
                    QCoreApplication::translate("CommandLine", "нижний предел температуры, K (по умолчанию чуть выше тройной точки)"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("tmax"), QCoreApplication::translate("CommandLine", "верхний предел температуры, K (по умолчанию 350)"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("scale"), QCoreApplication::translate("CommandLine", "шкала температуры (по умолчанию log)"),
                    QStringLiteral("log|lin")});
  parser.addOption({QStringLiteral("device"),
                    QCoreApplication::translate("CommandLine", "рассчитать устройство: compressor, compressor-isothermal, expander, throttle, "
                                   "exchanger; вещества: ") +
                        substanceList(),
                    QCoreApplication::translate("CommandLine", "ВИД ВЕЩЕСТВО")});
  parser.addOption({QStringLiteral("p1"), QCoreApplication::translate("CommandLine", "давление на входе, МПа"), QStringLiteral("P")});
  parser.addOption({QStringLiteral("t1"), QCoreApplication::translate("CommandLine", "температура на входе, K"), QStringLiteral("T")});
  parser.addOption({QStringLiteral("p2"), QCoreApplication::translate("CommandLine", "давление на выходе, МПа (теплообменнику не нужно)"),
                    QStringLiteral("P")});
  parser.addOption({QStringLiteral("eta"),
                    QCoreApplication::translate("CommandLine", "изоэнтропный (изотермический) КПД компрессора или детандера, 0 < E <= 1 "
                                   "(по умолчанию 1)"),
                    QStringLiteral("E")});
  parser.addOption({QStringLiteral("t2"), QCoreApplication::translate("CommandLine", "температура на выходе теплообменника, K"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("heat"), QCoreApplication::translate("CommandLine", "выделившееся в теплообменнике тепло, кДж/кг"),
                    QStringLiteral("Q")});
  parser.addOption({QStringLiteral("tr"),
                    QCoreApplication::translate("CommandLine", "температура источника (приемника) тепла теплообменника, K (по умолчанию T0)"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("t0"),
                    QCoreApplication::translate("CommandLine", "температура окружающей среды, K (по умолчанию 300, в цикле - T1)"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("cycle"),
                    QCoreApplication::translate("CommandLine", "рассчитать цикл ожижения: linde, linde-precooled, claude; вещества: ") +
                        substanceList(),
                    QCoreApplication::translate("CommandLine", "ВИД ВЕЩЕСТВО")});
  parser.addOption({QStringLiteral("plow"), QCoreApplication::translate("CommandLine", "низкое давление цикла, МПа (по умолчанию 0.101325)"),
                    QStringLiteral("P")});
  parser.addOption({QStringLiteral("phigh"), QCoreApplication::translate("CommandLine", "высокое давление цикла, МПа (по умолчанию 20)"),
                    QStringLiteral("P")});
  parser.addOption({QStringLiteral("eta-t"),
                    QCoreApplication::translate("CommandLine", "изотермический КПД компрессора цикла (по умолчанию 1)"), QStringLiteral("E")});
  parser.addOption({QStringLiteral("dt"),
                    QCoreApplication::translate("CommandLine", "разность температур на теплом конце теплообменников, K (по умолчанию 0)"),
                    QStringLiteral("K")});
  parser.addOption({QStringLiteral("leak"),
                    QCoreApplication::translate("CommandLine", "теплоприток на 1 кг сжатого газа, кДж/кг (по умолчанию 0)"), QStringLiteral("Q")});
  parser.addOption({QStringLiteral("tpre"), QCoreApplication::translate("CommandLine", "температура ванны предварительного охлаждения, K"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("xe"), QCoreApplication::translate("CommandLine", "доля потока высокого давления на детандер, 0 <= X < 1"),
                    QStringLiteral("X")});
  parser.addOption({QStringLiteral("t3"), QCoreApplication::translate("CommandLine", "температура на входе в детандер, K"), QStringLiteral("T")});
  parser.addOption({QStringLiteral("eta-s"),
                    QCoreApplication::translate("CommandLine", "изоэнтропный КПД детандера цикла (по умолчанию 0.8)"), QStringLiteral("E")});
  parser.addOption({QStringLiteral("lang"),
                    QCoreApplication::translate("CommandLine", "язык программы (по умолчанию язык системы)"),
                    QStringLiteral("ru|en")});
  printOut(parser.helpText());
  return 0;
}

}  // namespace app
