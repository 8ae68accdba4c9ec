// The diagram exported from the command line, run as the program itself
// with no display: every substance on both scales, every refusal, and the
// picture the window would save.

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>

#include "cli_support.h"
#include "gui_test_support.h"
#include "thermo/model.h"
#include "thermo/substances.h"
#include "ui/cli/cliexport.h"
#include "ui/diagram/diagramexport.h"
#include "ui/diagram/render.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/workfile.h"
#include "ui/main/mainwindow.h"
#include "ui/services/commode.h"
#include "ui/services/language.h"
#include "workfile_support.h"

namespace {

using tfs::Real;

struct Outcome {
  int rc = -1;
  QString err;
};

Outcome run(const QStringList& args, const QString& platform = {}) {
  const ProgramRun p = runProgram(args, platform);
  return {p.rc, QString::fromUtf8(p.err)};
}

QStringList exportArgs(const char* subst, const QString& file, QStringList more = {}) {
  return QStringList{QStringLiteral("--export-diagram"), QString::fromLatin1(subst), file} + more;
}

QStringList entries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

int countPixels(const QImage& img, bool (*kind)(QRgb)) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += kind(img.pixel(x, y));
  return n;
}
bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; }

TEST(CliExport, ArgumentsReadLikeASubstanceChoice) {
  const char* argv1[] = {"entrograf", "--tmax", "300", "--export-diagram", "N2", "a.png"};
  const char* argv2[] = {"entrograf", "-style", "fusion"};
  EXPECT_TRUE(app::isExportCall(6, const_cast<char**>(argv1)));
  EXPECT_FALSE(app::isExportCall(3, const_cast<char**>(argv2)));
  EXPECT_FALSE(app::isExportCall(1, const_cast<char**>(argv2)));

  app::ExportRequest r;
  QString error;
  const int n2 = tfs::SubstIndex("N2");
  ASSERT_TRUE(app::parseExportArgs(exportArgs("N2", QStringLiteral("n2.png")), r, error)) << error.toStdString();
  EXPECT_EQ(r.subst, n2);
  EXPECT_EQ(r.name, "N2");
  EXPECT_EQ(r.Tmin, tfs::Ttr[n2] + Real(0.0001));
  EXPECT_EQ(r.Tmax, 350);
  EXPECT_TRUE(r.log);
  EXPECT_EQ(r.file, QStringLiteral("n2.png"));

  // Options in any order, a comma or a point, the linear scale.
  ASSERT_TRUE(app::parseExportArgs(QStringList{QStringLiteral("--scale"), QStringLiteral("lin"), QStringLiteral("--export-diagram"),
                                               QStringLiteral("Ar"), QStringLiteral("ar.SVG"), QStringLiteral("--tmax"),
                                               QStringLiteral("200,5"), QStringLiteral("--tmin"), QStringLiteral("90.25")},
                                   r, error));
  EXPECT_EQ(r.name, "Ar");
  EXPECT_FALSE(r.log);
  EXPECT_EQ(r.Tmax, Real(200.5L));
  EXPECT_EQ(r.Tmin, Real(90.25L));
  // At the triple point itself: raised to just above it, as the main window does.
  const QString ttr = app::fmt("%.4f", tfs::Ttr[n2]);
  ASSERT_TRUE(app::parseExportArgs(exportArgs("N2", QStringLiteral("a.pdf"), {QStringLiteral("--tmin"), ttr}), r, error));
  EXPECT_EQ(r.Tmin, tfs::Ttr[n2] + Real(0.0001));
  // The kind: the T–s diagram unless another is named.
  EXPECT_EQ(r.kind, diagram::kinds::Kind::TS);
  ASSERT_TRUE(app::parseExportArgs(exportArgs("N2", QStringLiteral("a.png"), {QStringLiteral("--kind"), QStringLiteral("hs")}), r, error));
  EXPECT_EQ(r.kind, diagram::kinds::Kind::HS);
  EXPECT_TRUE(r.kindGiven);
  // By the reference equations: their own triple point, up to their highest
  // temperature (1000 K for nitrogen, where the cubic model stops at 700 K).
  ASSERT_TRUE(app::parseExportArgs(exportArgs("N2", QStringLiteral("n2.png"), {QStringLiteral("--model"), QStringLiteral("reference"),
                                                                             QStringLiteral("--tmax"), QStringLiteral("1000")}),
                                   r, error))
      << error.toStdString();
  EXPECT_EQ(r.model, tfs::ModelKind::Reference);
  EXPECT_EQ(r.Tmin, tfs::referenceModel(n2).limits().Ttr + Real(0.0001));
  EXPECT_EQ(r.Tmax, 1000);
  ASSERT_TRUE(app::parseExportArgs(exportArgs("N2", QStringLiteral("n2.png")), r, error));
  EXPECT_EQ(r.model, tfs::ModelKind::Cubic);
  // A refusal leaves the request as it was.
  r.name = "kept";
  EXPECT_FALSE(app::parseExportArgs(exportArgs("N2", QStringLiteral("a.png"), {QStringLiteral("--tmax"), QStringLiteral("1e999")}), r, error));
  EXPECT_EQ(r.name, "kept");
}

TEST(CliExport, EverySubstanceOnBothScales) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (int i = 1; i <= tfs::kSubstCount; ++i) {
    const char* id = tfs::SubstName[i];
    const QString png = dir.filePath(QStringLiteral("%1.png").arg(i));
    const QString svg = dir.filePath(QStringLiteral("%1.svg").arg(i));
    Outcome a = run(exportArgs(id, png));
    Outcome b = run(exportArgs(id, svg, {QStringLiteral("--scale"), QStringLiteral("lin")}));
    ASSERT_EQ(a.rc, 0) << id << ' ' << a.err.toStdString();
    ASSERT_EQ(b.rc, 0) << id << ' ' << b.err.toStdString();
    const QImage img(png);
    ASSERT_FALSE(img.isNull()) << id;
    EXPECT_EQ(img.width(), 1200) << id;
    EXPECT_GT(img.height(), 800) << id;
    EXPECT_GT(countPixels(img, isRed), 300) << id;   // isobars
    EXPECT_GT(countPixels(img, isBlue), 20) << id;   // liquid side of the dome
    QSvgRenderer r(svg);
    ASSERT_TRUE(r.isValid()) << id;
    EXPECT_EQ(r.viewBox().width(), 1200) << id;
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_GE(text.count(QStringLiteral("<polyline")), 12) << id;
    EXPECT_TRUE(text.contains(QStringLiteral("МПа"))) << id;
  }
  // Nitrogen by its reference equation up to 1000 K.
  const QString hot = dir.filePath(QStringLiteral("n2-1000.png"));
  const Outcome n = run(exportArgs("N2", hot, {QStringLiteral("--model"), QStringLiteral("reference"), QStringLiteral("--tmax"),
                                               QStringLiteral("1000")}));
  ASSERT_EQ(n.rc, 0) << n.err.toStdString();
  EXPECT_GT(countPixels(QImage(hot), isRed), 300);
  // A platform named in the environment that has no display: still drawn.
  const QString xcb = dir.filePath(QStringLiteral("xcb.png"));
  const Outcome x = run(exportArgs("N2", xcb), QStringLiteral("xcb"));
  EXPECT_EQ(x.rc, 0) << x.err.toStdString();
  EXPECT_FALSE(QImage(xcb).isNull());
  // The PDF with its own limits.
  const QString pdf = dir.filePath(QStringLiteral("o2.pdf"));
  Outcome c = run(exportArgs("O2", pdf, {QStringLiteral("--tmin"), QStringLiteral("60"), QStringLiteral("--tmax"), QStringLiteral("200")}));
  ASSERT_EQ(c.rc, 0) << c.err.toStdString();
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_GT(bytes.size(), 10000);
}

TEST(CliExport, RefusalsSayWhyAndLeaveNoFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath(QStringLiteral("d.png"));
  struct Case {
    QStringList args;
    int rc;
    const char* says;
  };
  const Case cases[] = {
      {exportArgs("N3", file), app::kExportBadArguments, "неизвестное вещество \"N3\""},
      {exportArgs("n2", file), app::kExportBadArguments, "неизвестное вещество"},
      {exportArgs("N2", dir.filePath(QStringLiteral("d.jpg"))), app::kExportBadArguments, "формат файла"},
      {exportArgs("N2", dir.filePath(QStringLiteral("d"))), app::kExportBadArguments, "формат файла"},
      {exportArgs("N2", file, {QStringLiteral("--tmin"), QStringLiteral("50")}), app::kExportBadArguments, "T мин < Т затвердевания"},
      {exportArgs("N2", file, {QStringLiteral("--tmin"), QStringLiteral("300"), QStringLiteral("--tmax"), QStringLiteral("300")}),
       app::kExportBadArguments, "T мин >= T макс"},
      {exportArgs("N2", file, {QStringLiteral("--tmax"), QStringLiteral("700.01")}), app::kExportBadArguments, "T макс > 700 K"},
      {exportArgs("N2", file, {QStringLiteral("--tmax"), QStringLiteral("1000"), QStringLiteral("--model"), QStringLiteral("srk")}),
       app::kExportBadArguments, "T макс > 700 K"},
      {exportArgs("CH4", file, {QStringLiteral("--model"), QStringLiteral("reference"), QStringLiteral("--tmax"), QStringLiteral("700")}),
       app::kExportBadArguments, "T макс > 625 K"},
      // The reference equation's triple point lies a millikelvin above the cubic model's.
      {exportArgs("N2", file, {QStringLiteral("--model"), QStringLiteral("reference"), QStringLiteral("--tmin"), QStringLiteral("63.1505")}),
       app::kExportBadArguments, "T мин < Т затвердевания (63"},
      {exportArgs("N2", file, {QStringLiteral("--model"), QStringLiteral("SRK")}), app::kExportBadArguments,
       "неизвестная модель \"SRK\""},
      {exportArgs("N2", file, {QStringLiteral("--model"), QStringLiteral("srk"), QStringLiteral("--model"), QStringLiteral("srk")}),
       app::kExportBadArguments, "--model указан дважды"},
      {exportArgs("N2", file, {QStringLiteral("--tmax"), QStringLiteral("60")}), app::kExportBadArguments, "T макс < Т затвердевания"},
      {exportArgs("N2", file, {QStringLiteral("--tmin"), QStringLiteral("7O")}), app::kExportBadArguments, "\"7O\" - не число"},
      {exportArgs("N2", file, {QStringLiteral("--tmax"), QStringLiteral("nan")}), app::kExportBadArguments, "не число"},
      {exportArgs("N2", file, {QStringLiteral("--tmax")}), app::kExportBadArguments, "нет значения"},
      {exportArgs("N2", file, {QStringLiteral("--scale"), QStringLiteral("ln")}), app::kExportBadArguments, "шкала \"ln\""},
      {exportArgs("N2", file, {QStringLiteral("--dpi"), QStringLiteral("300")}), app::kExportBadArguments, "непонятный аргумент"},
      {exportArgs("N2", file, {QStringLiteral("--tmin"), QStringLiteral("80"), QStringLiteral("--tmin"), QStringLiteral("90")}),
       app::kExportBadArguments, "--tmin указан дважды"},
      {exportArgs("N2", file, {QStringLiteral("--scale"), QStringLiteral("lin"), QStringLiteral("--scale"), QStringLiteral("lin")}),
       app::kExportBadArguments, "--scale указан дважды"},
      {QStringList{QStringLiteral("--export-diagram"), QStringLiteral("N2")}, app::kExportBadArguments, "не указаны вещество и файл"},
      {exportArgs("N2", file, {QStringLiteral("--kind"), QStringLiteral("pv")}), app::kExportBadArguments, "вид диаграммы \"pv\""},
      {exportArgs("N2", file, {QStringLiteral("--kind"), QStringLiteral("ph"), QStringLiteral("--kind"), QStringLiteral("ph")}),
       app::kExportBadArguments, "--kind указан дважды"},
      {exportArgs("N2", file, {QStringLiteral("--kind")}), app::kExportBadArguments, "нет значения"},
      {exportArgs("N2", dir.filePath(QStringLiteral("missing/d.png"))), app::kExportFailed, "не записан"},
  };
  for (const Case& c : cases) {
    const Outcome r = run(c.args);
    const std::string what = c.args.join(u' ').toStdString();
    EXPECT_EQ(r.rc, c.rc) << what;
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << what << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("entrograf: ")) || r.err.contains(QStringLiteral("\nentrograf: ")))
        << what;
    EXPECT_TRUE(entries(dir.path()).isEmpty()) << what << ": " << entries(dir.path()).join(u' ').toStdString();
  }
  // A directory in the file's place, and an earlier file kept whole.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.svg")));
  Outcome r = run(exportArgs("He", dir.filePath(QStringLiteral("taken.svg"))));
  EXPECT_EQ(r.rc, app::kExportFailed);
  EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("taken.svg")});
  QFile old(file);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  r = run(exportArgs("He", file, {QStringLiteral("--tmax"), QStringLiteral("1001")}));
  EXPECT_EQ(r.rc, app::kExportBadArguments);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("old"));
}

TEST(CliExport, PictureEqualsTheWindows) {
  // The program in Russian, as the export is asked to draw.
  const char keep = app::decimalSeparator();
  app::useLanguage(app::Language::Russian);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (bool log : {true, false}) {
    const QString mine = dir.filePath(QStringLiteral("window.png")), theirs = dir.filePath(QStringLiteral("cli.png"));
    Outcome r = run(exportArgs("N2", theirs, {QStringLiteral("--tmax"), QStringLiteral("300"), QStringLiteral("--scale"),
                                          log ? QStringLiteral("log") : QStringLiteral("lin")}));
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();

    // The same diagram chosen in the program and saved from its window.
    auto run = testing_support::startProgram();
    TForm1* main = run->program.Form1.get();
    main->TScaleItems->button(log ? 0 : 1)->click();
    main->BboList->setCurrentRow(4);
    main->BboListClick();
    main->ETma->setText(QStringLiteral("300"));
    main->ETmaExit();
    TTSvid* w = run->program.TSvid.get();
    w->resize(diagram::kExportWidth, diagram::kExportHeight);
    QApplication::processEvents();
    ASSERT_EQ(w->Chart1View->size(), QSize(diagram::kExportWidth, diagram::kExportHeight));
    ASSERT_TRUE(diagram::saveDiagram(w->picture(), w->Chart1View->size(), mine));
    run.reset();

    const QImage a = QImage(mine).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(theirs).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(a.size(), b.size());
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) differ += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differ, 0) << (log ? "log" : "lin");
  }
  app::setDecimalSeparator(keep);
  EXPECT_TRUE(testing_support::recorder().texts.isEmpty());
}

// Each kind from the command line equals a save from the window showing
// that kind at the export's size.
TEST(CliExport, EveryKindEqualsTheWindows) {
  const char keep = app::decimalSeparator();
  app::useLanguage(app::Language::Russian);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::pair<const char*, diagram::kinds::Kind> kinds[] = {{"ph", diagram::kinds::Kind::PH},
                                                                {"hs", diagram::kinds::Kind::HS}};
  for (const auto& [name, kind] : kinds) {
    SCOPED_TRACE(name);
    const QString mine = dir.filePath(QStringLiteral("window.png")), theirs = dir.filePath(QStringLiteral("cli.png"));
    const Outcome r = run(exportArgs("N2", theirs, {QStringLiteral("--kind"), QString::fromLatin1(name)}));
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    auto program = testing_support::startProgram();
    TForm1* main = program->program.Form1.get();
    main->BboList->setCurrentRow(4);
    main->BboListClick();
    TTSvid* w = program->program.TSvid.get();
    w->resize(diagram::kExportWidth, diagram::kExportHeight);
    QApplication::processEvents();
    w->setKind(kind);
    ASSERT_TRUE(diagram::saveDiagram(w->picture(), w->Chart1View->size(), mine));
    program.reset();
    const QImage a = QImage(mine).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(theirs).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_TRUE(a == b);
    // The kind's own lines: the teal isotherms of both kinds.
    EXPECT_GT(countPixels(b, [](QRgb c) { return qRed(c) < 40 && qGreen(c) > 100 && qGreen(c) < 160 && qBlue(c) > 100 && qBlue(c) < 160; }), 500);
  }
  app::setDecimalSeparator(keep);
  EXPECT_TRUE(testing_support::recorder().texts.isEmpty());
}

TEST(CliExport, DrawsWithoutAnyWidgetAndLeavesTheSessionAlone) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QApplication::allWidgets().isEmpty());
  app::ExportRequest req;
  QString error;
  ASSERT_TRUE(app::parseExportArgs(exportArgs("Ar", dir.filePath(QStringLiteral("ar.png"))), req, error));
  ASSERT_EQ(app::runExport(req, error), 0) << error.toStdString();
  EXPECT_TRUE(QApplication::allWidgets().isEmpty());
  EXPECT_FALSE(QImage(dir.filePath(QStringLiteral("ar.png"))).isNull());

  // With the program open on nitrogen, an export of argon changes nothing of it.
  auto run = testing_support::startProgram();
  run->program.Form1->BboList->setCurrentRow(4);
  run->program.Form1->BboListClick();
  const app::Session before = run->session;
  ASSERT_EQ(app::runExport(req, error), 0);
  EXPECT_EQ(run->session.main.name, "N2");
  EXPECT_EQ(run->session.main.Tmin, before.main.Tmin);
  EXPECT_EQ(run->session.linesRevision, before.linesRevision);
  EXPECT_EQ(run->session.lines.Smax, before.lines.Smax);
}

// A work file in place of the substance: its session's diagram with its
// process lines, limits, scale and units, as the program draws it; a bad
// one is refused with exit code 2 and its reason, and nothing is written.
TEST(CliExport, WorkFileDrawsItsSessionAndBadOnesWriteNothing) {
  QTemporaryDir dir;
  const std::unique_ptr<app::Session> work = testing_support::nitrogenWork();
  const QString good = dir.filePath(QStringLiteral("работа.entrograf"));
  app::WorkError error;
  ASSERT_TRUE(app::saveWorkFile(*work, good, error));
  const QString png = dir.filePath(QStringLiteral("work.png")), ref = dir.filePath(QStringLiteral("ref.png")),
                plain = dir.filePath(QStringLiteral("plain.png"));
  const Outcome a = run({QStringLiteral("--export-diagram"), good, png});
  ASSERT_EQ(a.rc, 0) << a.err.toStdString();
  auto back = std::make_unique<app::Session>();
  ASSERT_TRUE(app::openWorkFile(good, *back, error));
  // Drawn in Russian, as the export was asked to (its numbers with a comma).
  const char keep = app::decimalSeparator();
  app::setDecimalSeparator(',');
  const diagram::Picture picture = diagram::composePicture(*back);
  app::setDecimalSeparator(keep);
  ASSERT_TRUE(diagram::saveDiagram(picture, QSize(diagram::kExportWidth, diagram::kExportHeight), ref));
  EXPECT_EQ(QImage(png), QImage(ref));
  ASSERT_EQ(run(exportArgs("N2", plain, {QStringLiteral("--tmax"), QStringLiteral("300"), QStringLiteral("--scale"),
                                          QStringLiteral("lin")}))
                .rc,
            0);
  // The process lines: thick red lines the substance alone does not have.
  EXPECT_GT(countPixels(QImage(png), isRed), countPixels(QImage(plain), isRed) + 1000);
  // Its diagram as another kind: the picture of that session shown so.
  // (A kind and a zoom kept in the work file itself come with its version 3.)
  ASSERT_EQ(run({QStringLiteral("--export-diagram"), good, png, QStringLiteral("--kind"), QStringLiteral("hs")}).rc, 0);
  back->view.kind = diagram::kinds::Kind::HS;
  {
    diagram::Composer composer;
    app::setDecimalSeparator(',');
    const diagram::Picture hs = diagram::composeForChart(composer, *back, QSize(diagram::kExportWidth, diagram::kExportHeight));
    app::setDecimalSeparator(keep);
    ASSERT_EQ(hs.kind, diagram::kinds::Kind::HS);
    ASSERT_TRUE(diagram::saveDiagram(hs, QSize(diagram::kExportWidth, diagram::kExportHeight), ref));
  }
  EXPECT_TRUE(QImage(png) == QImage(ref));

  auto write = [&](const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  };
  const QByteArray bytes = app::workFileBytes(*work);
  QByteArray newer = bytes;
  newer.replace("\"version\": 3", "\"version\": 4");
  app::Session none;
  struct Case {
    QString file;
    QStringList more;
    const char* says;
  };
  const Case cases[] = {
      {dir.filePath(QStringLiteral("нет.entrograf")), {}, "Файл не прочитан !"},
      {write("cut.entrograf", bytes.left(bytes.size() / 3)), {}, "Рабочий файл поврежден !"},
      {write("newer.entrograf", newer), {}, "более новой версией"},
      {write("none.entrograf", app::workFileBytes(none)), {}, "вещество не выбрано"},
      {good, {QStringLiteral("--tmax"), QStringLiteral("300")}, "--tmax"},
      // The work file holds its model.
      {good, {QStringLiteral("--model"), QStringLiteral("reference")}, "--model"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.toStdString());
    const QString out = dir.filePath(QStringLiteral("bad.svg"));
    const Outcome o = run(QStringList{QStringLiteral("--export-diagram"), c.file, out} + c.more);
    EXPECT_EQ(o.rc, app::kExportBadArguments);
    EXPECT_TRUE(o.err.contains(QString::fromUtf8(c.says))) << o.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
  }
}

}  // namespace
