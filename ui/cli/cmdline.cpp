#include "ui/cli/cmdline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "ui/cli/cliout.h"
#include "ui/files/workfile.h"
#include "ui/services/language.h"
#include "ui/services/version.h"

namespace app {

namespace {

void printOut(const QString& text) {
  const QByteArray b = text.toUtf8();
  std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
  std::fflush(stdout);
}

bool isHelp(const QByteArray& a) { return a == "-h" || a == "--help" || a == "-help" || a == "-?" || a == "--?"; }
bool isVersion(const QByteArray& a) { return a == "-v" || a == "--version" || a == "-version"; }

// The options of a state and of the saturation line (--model is every
// call's).
const char* const kStateOptions[] = {"--t", "--p", "--d", "--h", "--s", "--x"};

bool isStateOption(const QString& a) {
  for (const char* o : kStateOptions)
    if (a == QLatin1String(o)) return true;
  return false;
}

// The options and how many values each takes; which call they belong to
// is the call's own business.
int valueCount(const QByteArray& a) {
  static const char* const calls[] = {"--export-diagram", "--device", "--cycle"};
  static const char* const substanceCalls[] = {"--state", "--saturation"};
  static const char* const single[] = {"--tmin", "--tmax", "--scale", "--p1",   "--t1",   "--p2",    "--eta",
                                       "--t2",   "--heat", "--tr",    "--t0",   "--plow", "--phigh", "--eta-t",
                                       "--dt",   "--leak", "--tpre",  "--xe",   "--t3",   "--eta-s", "--lang",
                                       "--model", "--kind"};
  for (const char* c : calls)
    if (a == c) return 2;
  for (const char* c : substanceCalls)
    if (a == c) return 1;
  for (const char* c : single)
    if (a == c) return 1;
  if (isStateOption(QString::fromUtf8(a))) return 1;
  return -1;
}

// An argument as it can be shown: bytes that are not printable ASCII as \xNN.
QString shown(const QByteArray& a) {
  if (QByteArrayView(a).isValidUtf8()) return QString::fromUtf8(a);
  QString s;
  for (const char c : a) {
    const auto b = static_cast<unsigned char>(c);
    s += b >= 0x20 && b < 0x7f ? QString(QChar(b)) : QStringLiteral("\\x%1").arg(b, 2, 16, QChar(u'0'));
  }
  return s;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  CommandLine line;
  bool help = false, version = false;
  CommandLine::Kind call = CommandLine::Windows;
  QByteArray firstOption;  // an option of a call, seen before or without one
  auto malformed = [&](CommandLine::Fault f, const QByteArray& a) {
    if (line.fault != CommandLine::None) return;
    line.fault = f;
    line.argument = shown(a);
  };
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (!QByteArrayView(a).isValidUtf8()) {
      malformed(CommandLine::NotUtf8, a);
      continue;
    }
    if (isHelp(a)) {
      help = true;
      continue;
    }
    if (isVersion(a)) {
      version = true;
      continue;
    }
    const int values = valueCount(a);
    if (values >= 0) {
      const CommandLine::Kind k = a == "--export-diagram" ? CommandLine::Export
                                  : a == "--device"       ? CommandLine::Device
                                  : a == "--cycle"        ? CommandLine::Cycle
                                  : a == "--state"        ? CommandLine::State
                                  : a == "--saturation"   ? CommandLine::Saturation
                                                          : CommandLine::Windows;
      if (k != CommandLine::Windows) {
        if (call != CommandLine::Windows) malformed(CommandLine::TwoCalls, a);
        call = k;
      } else if (a != "--lang" && firstOption.isEmpty()) {
        firstOption = a;
      }
      // The values go with the option, whatever they look like; the call
      // checks them (a missing one included).
      for (int v = 0; v < values && i + 1 < argc; ++v) {
        ++i;
        if (!QByteArrayView(argv[i]).isValidUtf8()) malformed(CommandLine::NotUtf8, argv[i]);
      }
      continue;
    }
    if (a.startsWith('-') && a != "-") {
      // A call reports its own unknown arguments with its usage.
      if (call == CommandLine::Windows) malformed(CommandLine::UnknownOption, a);
      continue;
    }
    if (!line.workFile.isEmpty()) {
      malformed(CommandLine::SecondWorkFile, a);
    } else {
      line.workFile = QString::fromUtf8(a);
      if (!isWorkFilePath(line.workFile)) malformed(CommandLine::NotWorkFile, a);
    }
  }
  if (help || version) {
    line.kind = help ? CommandLine::Help : CommandLine::Version;
    return line;
  }
  if (call != CommandLine::Windows) {
    // Its own arguments are the call's to check, all but the bytes.
    line.workFile.clear();
    line.kind = line.fault == CommandLine::NotUtf8 || line.fault == CommandLine::TwoCalls ? CommandLine::Malformed : call;
    if (line.kind == call) line.fault = CommandLine::None;
    return line;
  }
  if (!firstOption.isEmpty()) malformed(CommandLine::WithoutCall, firstOption);
  line.kind = line.fault == CommandLine::None ? CommandLine::Windows : CommandLine::Malformed;
  return line;
}

QString commandLineError(const CommandLine& line) {
  const QString a = line.argument;
  switch (line.fault) {
    case CommandLine::None: return {};
    case CommandLine::NotUtf8:
      return QCoreApplication::translate("CommandLine", "аргумент \"%1\" не в кодировке UTF-8").arg(a);
    case CommandLine::UnknownOption:
      return QCoreApplication::translate("CommandLine", "непонятный аргумент \"%1\" (см. entrograf --help)").arg(a);
    case CommandLine::WithoutCall:
      if (a == QLatin1String("--model"))
        return QCoreApplication::translate(
                   "CommandLine",
                   "%1 задается только с --export-diagram, --device, --cycle, --state или --saturation (см. entrograf --help)")
            .arg(a);
      if (isStateOption(a))
        return QCoreApplication::translate("CommandLine", "%1 задается только с --state или --saturation (см. entrograf --help)")
            .arg(a);
      return QCoreApplication::translate("CommandLine",
                                         "%1 задается только с --export-diagram, --device или --cycle (см. entrograf --help)")
          .arg(a);
    case CommandLine::TwoCalls:
      return QCoreApplication::translate("CommandLine",
                                         "%1: --export-diagram, --device, --cycle, --state и --saturation не задаются вместе")
          .arg(a);
    case CommandLine::NotWorkFile:
      return QCoreApplication::translate("CommandLine", "\"%1\" - не рабочий файл (.entrograf)").arg(a);
    case CommandLine::SecondWorkFile:
      return QCoreApplication::translate("CommandLine", "\"%1\": открывается только один рабочий файл").arg(a);
  }
  return {};
}

int refuseCommandLine(int argc, char** argv, Language lang) {
  QCoreApplication a(argc, argv);
  useLanguage(lang);
  printErr(commandLineError(readCommandLine(argc, argv)));
  return kMalformedCommandLine;
}

int answerInfoOptions(int argc, char** argv, Language lang) {
  QCoreApplication::setApplicationName(QStringLiteral(ENTROGRAF_APP_NAME));
  QCoreApplication::setApplicationVersion(QStringLiteral(ENTROGRAF_VERSION));
  QCoreApplication::setOrganizationName(QStringLiteral(ENTROGRAF_ORGANIZATION));
  QCoreApplication::setOrganizationDomain(QStringLiteral(ENTROGRAF_ORGANIZATION_DOMAIN));
  QGuiApplication::setDesktopFileName(QStringLiteral(ENTROGRAF_APP_ID));

  // Only the two answers here; "-h.png" is a file name for the export, and
  // "--p1 -v" a value, not the version.
  const CommandLine::Kind kind = readCommandLine(argc, argv).kind;
  const bool wantHelp = kind == CommandLine::Help, wantVersion = kind == CommandLine::Version;
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
                     "  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--model srk|reference] [--tmin T] [--tmax T]\n"
                     "            [--scale log|lin] [--kind ts|ph|hs]\n"
                     "  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ [--kind ts|ph|hs]\n"
                     "Расчет реального устройства без окна (JSON на стандартный вывод):\n"
                     "  entrograf --device ВИД ВЕЩЕСТВО [--model srk|reference] --p1 P --t1 T --p2 P [--eta E]\n"
                     "            [--t2 T] [--heat Q] [--tr T] [--t0 T]\n"
                     "Расчет цикла ожижения без окна (JSON на стандартный вывод):\n"
                     "  entrograf --cycle ВИД ВЕЩЕСТВО [--model srk|reference] [--plow P] [--phigh P] [--t1 T]\n"
                     "            [--eta-t E] [--dt K] [--leak Q] [--tpre T] [--xe X] [--t3 T] [--eta-s E] [--t0 T]\n"
                     "Свойства состояния и линии насыщения без окна (JSON на стандартный вывод):\n"
                     "  entrograf --state ВЕЩЕСТВО [--model srk|reference] --t T --p P\n"
                     "  entrograf --saturation ВЕЩЕСТВО [--model srk|reference] (--t T | --p P)"));
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
  parser.addOption({QStringLiteral("tmax"),
                    QCoreApplication::translate("CommandLine", "верхний предел температуры, K (по умолчанию 350; не выше наибольшей "
                                   "температуры вещества в модели, от 623 до 1000 K)"),
                    QStringLiteral("T")});
  parser.addOption({QStringLiteral("scale"), QCoreApplication::translate("CommandLine", "шкала температуры (по умолчанию log)"),
                    QStringLiteral("log|lin")});
  parser.addOption({QStringLiteral("model"),
                    QCoreApplication::translate("CommandLine", "модель свойств веществ: srk - кубическое уравнение состояния (у гелия - "
                                   "его собственное), reference - эталонное уравнение вещества (по умолчанию srk)"),
                    QStringLiteral("srk|reference")});
  parser.addOption({QStringLiteral("kind"),
                    QCoreApplication::translate("CommandLine", "вид диаграммы: ts (T–s, по умолчанию), ph (lg p–h), hs (h–s)"),
                    QStringLiteral("ts|ph|hs")});
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
                    QCoreApplication::translate("CommandLine", "изоэнтропный (изотермический) КПД компрессора или детандера, 0.01 <= E <= 1 "
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
  parser.addOption({QStringLiteral("state"),
                    QCoreApplication::translate("CommandLine", "рассчитать состояние по паре параметров из --t T (K), --p P (МПа), "
                                   "--d D (кг/м3), --h H (кДж/кг), --s S (кДж/(кг.К)) и --x X (степень сухости в процентах, "
                                   "как в окне процессов: 0 - кипящая жидкость, 100 - сухой насыщенный пар); пары те, что "
                                   "допускает окно процессов: --t и --p, --t и --x, --p и --h, --p и --s, --p и --x, --d и --t, "
                                   "--h и --s; quality в ответе - массовая доля пара внутри купола (null вне его); вещества: ") +
                        substanceList(),
                    QCoreApplication::translate("CommandLine", "ВЕЩЕСТВО")});
  parser.addOption({QStringLiteral("saturation"),
                    QCoreApplication::translate("CommandLine", "рассчитать кипящую жидкость и сухой насыщенный пар при "
                                   "температуре --t T (K) или давлении --p P (МПа); у воздуха давления (температуры) начала "
                                   "и конца кипения различны; вещества: ") +
                        substanceList(),
                    QCoreApplication::translate("CommandLine", "ВЕЩЕСТВО")});
  parser.addOption({QStringLiteral("model"),
                    QCoreApplication::translate("CommandLine", "модель свойств для --state и --saturation: srk - кубическое "
                                   "уравнение состояния (у гелия - его собственное), reference - эталонное уравнение "
                                   "вещества (по умолчанию srk)"),
                    QStringLiteral("srk|reference")});
  parser.addOption({QStringLiteral("lang"),
                    QCoreApplication::translate("CommandLine", "язык программы (по умолчанию язык системы)"),
                    QStringLiteral("ru|en")});
  printOut(parser.helpText());
  return 0;
}

}  // namespace app
