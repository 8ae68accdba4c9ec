#include "ui/cli/cliexport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSize>
#include <cstdio>
#include <memory>

#include "core/base/libguard.h"
#include "core/diagram/picture.h"
#include "core/diagram/view.h"
#include "core/lines/linegen.h"
#include "core/session/substance.h"
#include "thermo/substances.h"
#include "ui/cli/cliout.h"
#include "ui/diagram/diagramexport.h"
#include "ui/diagram/render.h"
#include "ui/files/workfile.h"
#include "ui/services/commode.h"
#include "ui/services/messages.h"

namespace app {

namespace {

const char* const kOption = "--export-diagram";

QString usage() {
  return QCoreApplication::translate("Export", "запись диаграммы в файл:\n"
      "  entrograf --export-diagram ВЕЩЕСТВО ФАЙЛ [--model srk|reference] [--tmin T] [--tmax T] [--scale log|lin]\n"
      "            [--kind ts|ph|hs]\n"
      "  entrograf --export-diagram РАБОЧИЙ_ФАЙЛ.entrograf ФАЙЛ [--kind ts|ph|hs]\n"
      "  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air\n"
      "  ФАЙЛ: .png, .svg или .pdf\n"
      "  вид диаграммы: ts (T–s, по умолчанию), ph (lg p–h), hs (h–s)");
}

// The kind named by --kind; false for another text.
bool kindOf(const QString& value, diagram::kinds::Kind& k) {
  using diagram::kinds::Kind;
  const std::pair<const char*, Kind> names[] = {{"ts", Kind::TS}, {"ph", Kind::PH}, {"hs", Kind::HS}};
  for (const auto& [name, kind] : names)
    if (value == QLatin1String(name)) {
      k = kind;
      return true;
    }
  return false;
}

// Takes the value of --kind into r; false with the reason when it names no
// kind.
bool takeKind(const QString& value, ExportRequest& r, QString& error) {
  r.kindGiven = true;
  if (kindOf(value, r.kind)) return true;
  error = QCoreApplication::translate("Export", "вид диаграммы \"") + value +
          QCoreApplication::translate("Export", "\": допустимы ts, ph и hs");
  return false;
}

// Writes the session's picture as the window shows it at the export's size:
// 0, or kExportFailed for a file not written whole (a
// full disk) or a target that is no regular file, which is left alone.
int save(const Session& session, const QString& file, QString& error) {
  FileFault fault = FileFault::None;
  const QSize chart(diagram::kExportWidth, diagram::kExportHeight);
  diagram::Composer composer;
  if (diagram::saveDiagram(diagram::composeForChart(composer, session, chart), chart, file, &fault)) return 0;
  error = QCoreApplication::translate("Export", "файл \"") + file + QCoreApplication::translate("Export", "\" не записан");
  if (fault == FileFault::NotRegular)
    error += QCoreApplication::translate("Export", ": это не обычный файл (ссылка, устройство или папка)");
  return kExportFailed;
}

}  // namespace

bool isExportCall(int argc, char** argv) { return hasOption(argc, argv, kOption); }

bool parseExportArgs(const QStringList& arguments, ExportRequest& req, QString& error) {
  QStringList args = arguments;
  ExportRequest r;
  const bool modelGiven = args.contains(QStringLiteral("--model"));
  if (!takeModelOption(args, r.model, error)) return false;
  const qsizetype at = args.indexOf(QLatin1String(kOption));
  if (at < 0 || at + 2 >= args.size() || args[at + 1].startsWith(u'-') || args[at + 2].startsWith(u"--")) {
    error = QCoreApplication::translate("Export", "не указаны вещество и файл\n") + usage();
    return false;
  }
  const QString id = args[at + 1];
  if (isWorkFilePath(id)) {
    // Limits, scale, units and the model are the work file's own.
    r.workFile = id;
    r.file = args[at + 2];
    QStringList rest = args.mid(0, at) + args.mid(at + 3);
    if (modelGiven) rest.prepend(QStringLiteral("--model"));
    for (qsizetype i = 0; i < rest.size(); ++i) {
      if (rest[i] == u"--kind") {
        ++i;
        continue;
      }
      error = QCoreApplication::translate("Export", "с рабочим файлом \"") + rest[i] + QCoreApplication::translate("Export", "\" не задается: пределы, шкала и модель берутся из файла");
      return false;
    }
    const auto kind = [&r](const QString&, const QString& value, QString& why) { return takeKind(value, r, why); };
    if (!readOptions(rest, {{QStringLiteral("--kind"), true}}, usage(), {}, kind, error)) return false;
    if (diagram::formatOf(r.file) == diagram::ImageFormat::Unknown) {
      error = QCoreApplication::translate("Export", "формат файла \"") + r.file + QCoreApplication::translate("Export", "\" неизвестен: допустимы .png, .svg, .pdf");
      return false;
    }
    req = r;
    return true;
  }
  if (!readSubstance(id, r.name, error)) return false;
  r.subst = tfs::SubstIndex(r.name);
  r.file = args[at + 2];

  const QStringList rest = args.mid(0, at) + args.mid(at + 3);
  bool tminGiven = false, tmaxGiven = false;
  tfs::Real tmin = 0, tmax = 0;
  const std::map<QString, bool> applies = {{QStringLiteral("--tmin"), true},
                                           {QStringLiteral("--tmax"), true},
                                           {QStringLiteral("--scale"), true},
                                           {QStringLiteral("--kind"), true}};
  const auto take = [&](const QString& opt, const QString& value, QString& why) {
    if (opt == u"--kind") return takeKind(value, r, why);
    if (opt == u"--scale") {
      if (value != u"log" && value != u"lin") {
        why = QCoreApplication::translate("Export", "шкала \"") + value + QCoreApplication::translate("Export", "\": допустимы log и lin");
        return false;
      }
      r.log = value == u"log";
      return true;
    }
    tfs::Real v = 0;
    if (!readCliNumber(value, v)) {
      why = opt + QStringLiteral(" \"") + value + QCoreApplication::translate("CommandLine", "\" - не число");
      return false;
    }
    (opt == u"--tmin" ? tminGiven : tmaxGiven) = true;
    (opt == u"--tmin" ? tmin : tmax) = v;
    return true;
  };
  if (!readOptions(rest, applies, usage(), {}, take, error)) return false;

  // The limits a substance choice sets, and the checks of the limit fields,
  // by the model. A Tmin below the triple point is refused here (the window
  // corrects it); one between the triple point and a hair above it is the
  // lowest limit.
  AppState none;
  none.model = r.model;
  const AppState chosen = substanceChoice(none, r.subst);
  const tfs::Model& m = chosen.eos();
  const tfs::Real ttr = m.limits().Ttr;
  r.Tmax = tmaxGiven ? tmax : chosen.Tmax;
  const LimitCheck upper = checkTmax(m, 0, r.Tmax);
  if (upper.fault == LimitFault::TmaxTooHigh) {
    error = QCoreApplication::translate("Export", "T макс > %1 K !").arg(fmt("%.0f", highestTmax(m)));
    return false;
  }
  if (upper.fault == LimitFault::TmaxBelowTriple) {
    error = QCoreApplication::translate("Export", "T макс < Т затвердевания") + fmt(" (%.4f K)", ttr) + QStringLiteral(" !");
    return false;
  }
  const LimitCheck lower = checkTmin(m, tminGiven ? tmin : chosen.Tmin, r.Tmax);
  if (tminGiven && tmin < ttr) {
    error = QCoreApplication::translate("Export", "T мин < Т затвердевания") + fmt(" (%.4f K)", ttr) + QStringLiteral(" !");
    return false;
  }
  if (lower.refused()) {
    error = QCoreApplication::translate("Export", "T мин >= T макс !");
    return false;
  }
  r.Tmin = lower.value;
  if (diagram::formatOf(r.file) == diagram::ImageFormat::Unknown) {
    error = QCoreApplication::translate("Export", "формат файла \"") + r.file + QCoreApplication::translate("Export", "\" неизвестен: допустимы .png, .svg, .pdf");
    return false;
  }
  req = r;
  return true;
}

int runExport(const ExportRequest& req, QString& error) {
  auto session = std::make_unique<Session>();
  if (!req.workFile.isEmpty()) {
    // The work file's session, its lines computed as on opening it.
    WorkError e;
    if (!openWorkFile(req.workFile, *session, e)) {
      error = workFileMessage(e, req.workFile);
      return kExportBadArguments;
    }
    if (!session->main.chosen) {
      error = QCoreApplication::translate("Export", "в рабочем файле \"") + req.workFile + QCoreApplication::translate("Export", "\" вещество не выбрано");
      return kExportBadArguments;
    }
    if (req.kindGiven && req.kind != session->view.kind) {
      session->view.kind = req.kind;
      diagram::showWhole(session->view);
    }
    return save(*session, req.file, error);
  }
  // A session of its own: the substance chosen with the given limits.
  AppState none;
  none.model = req.model;
  AppState c = withLimits(substanceChoice(none, req.subst), req.Tmin, req.Tmax);
  c.scale = req.log ? ScaleKind::Logarithmic : ScaleKind::Linear;
  c.chosen = true;
  session->main = c;
  session->view.kind = req.kind;
  if (!libraryGuarded([&] { ComputeAll(session->lines, lineInputs(c), {}); })) {
    error = QCoreApplication::translate("Export", "диаграмма при этих условиях не рассчитывается !");
    return kExportFailed;
  }
  return save(*session, req.file, error);
}

int exportMain(int argc, char** argv, Language lang) {
  // No display needed: the picture is drawn offscreen whatever platform the
  // environment names.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication a(argc, argv);
  return headlessCall(lang, [](QString& error) {
    ExportRequest req;
    return parseExportArgs(QGuiApplication::arguments().mid(1), req, error) ? runExport(req, error)
                                                                            : kExportBadArguments;
  });
}

}  // namespace app
