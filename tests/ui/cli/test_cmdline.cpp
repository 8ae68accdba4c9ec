// The command line as a student or a script meets it, run as the program
// itself with no display: malformed lines refused with status 2 and never
// the windows, help and version only where they stand as options, values
// the library cannot write refused by their ranges, no number JSON cannot
// hold, exports that write only regular files and whole, and work files
// read only when regular, bounded and with every key once.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "cli_support.h"
#include "file_support.h"
#include "ui/cli/cliout.h"

namespace {

using testing_support::readAll;
using testing_support::write;

const QByteArray kOld = "an earlier file, whole";

// The things an export or an open meets in its folder.
struct Folder {
  QTemporaryDir dir;
  QString at(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  Folder() {
    const QByteArray sample = readAll(QStringLiteral(ENTROGRAF_SOURCE_DIR "/docs/nitrogen.entrograf"));
    for (const char* name : {"old.png", "old.svg", "old.pdf"}) write(at(name), kOld);
    write(at("target.txt"), "what the link points to");
    QFile::link(at("target.txt"), at("link.png"));
    QFile::link(QStringLiteral("/dev/null"), at("null.svg"));
    mkfifo(QFile::encodeName(at("fifo.pdf")).constData(), 0600);
    QDir(dir.path()).mkdir(QStringLiteral("folder.png"));
    write(at("work.entrograf"), sample);
    QFile::link(at("work.entrograf"), at("worklink.entrograf"));
    QFile::link(QStringLiteral("/dev/zero"), at("zero.entrograf"));
    mkfifo(QFile::encodeName(at("fifo.entrograf")).constData(), 0600);
    QDir(dir.path()).mkdir(QStringLiteral("folder.entrograf"));
    // Sparse: larger than any work file, nothing on the disk.
    QFile big(at("big.entrograf"));
    if (big.open(QIODevice::WriteOnly)) big.resize(qint64(65) << 20);
    // "count" twice: the second would drop every process line.
    QByteArray dup = sample;
    const qsizetype count = dup.indexOf("\"count\"");
    dup.insert(dup.indexOf('\n', count) + 1, "        \"count\": 0,\n");
    write(at("dup.entrograf"), dup);
  }

  // Nothing in the folder changed but the files named (made by the call).
  void unchanged(const QStringList& made, const std::string& what) const {
    for (const char* name : {"old.png", "old.svg", "old.pdf"}) EXPECT_EQ(readAll(at(name)), kOld) << what << name;
    EXPECT_EQ(QFileInfo(at("link.png")).symLinkTarget(), at("target.txt")) << what;
    EXPECT_EQ(readAll(at("target.txt")), QByteArray("what the link points to")) << what;
    EXPECT_EQ(QFileInfo(at("null.svg")).symLinkTarget(), QStringLiteral("/dev/null")) << what;
    struct stat st {};
    EXPECT_TRUE(lstat(QFile::encodeName(at("fifo.pdf")).constData(), &st) == 0 && S_ISFIFO(st.st_mode)) << what;
    EXPECT_TRUE(QFileInfo(at("folder.png")).isDir()) << what;
    EXPECT_TRUE(QDir(at("folder.png")).isEmpty()) << what;
    const QStringList all = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QStringList known = {"old.png", "old.svg", "old.pdf", "target.txt", "link.png", "null.svg", "fifo.pdf",
                               "folder.png", "work.entrograf", "worklink.entrograf", "zero.entrograf",
                               "fifo.entrograf", "folder.entrograf", "big.entrograf", "dup.entrograf"};
    for (const QString& e : all)
      EXPECT_TRUE(known.contains(e) || made.contains(e)) << what << ": left " << e.toStdString();
    for (const QString& m : made) EXPECT_GT(QFileInfo(dir.filePath(m)).size(), 1000) << what << m.toStdString();
  }
};

TEST(CommandLine, EveryCaseAnsweredAndNothingHarmed) {
  struct Case {
    QList<QByteArray> args;  // "@" stands for the folder
    int rc;
    const char* says;     // on standard error ("" for nothing)
    const char* prints;   // at the start of standard output ("" for nothing)
    qint64 fileLimit = 0;
    QStringList made = {};
  };
  const char* device = "--device";
  const Case cases[] = {
      // Help and version only as options of their own.
      {{"-v"}, 0, "", "Entrograf "},
      {{"--lang", "en", "--export-diagram", "N2", "@/out.png", "--help"}, 0, "", "Usage: "},
      {{"--p1", "-v"}, 2, "--p1 задается только с --export-diagram, --device или --cycle", ""},
      {{device, "compressor", "N2", "--p1", "-v", "--t1", "300", "--p2", "1"}, 2, "--p1 \"-v\" - не число", ""},
      {{device, "compressor", "N2", "--p1", "0.1", "--t1", "-h", "--p2", "1"}, 2, "--t1 \"-h\" - не число", ""},
      // Malformed lines: a reason, status 2, no window (none could start).
      {{"--device\xff", "N2"}, 2, "аргумент \"--device\\xff\" не в кодировке UTF-8", ""},
      {{"--cycle", "linde", "N\xc3"}, 2, "не в кодировке UTF-8", ""},
      {{"--export-diagram", "N2", "@/\xff.png"}, 2, "не в кодировке UTF-8", ""},
      {{"--verbose"}, 2, "непонятный аргумент \"--verbose\"", ""},
      {{"--lang", "en", "--export-diagram", "He", "@/x.png", "--kind"}, 2, "no value after --kind\n", ""},
      {{"notes.txt"}, 2, "\"notes.txt\" - не рабочий файл (.entrograf)", ""},
      {{"@/work.entrograf", "@/worklink.entrograf"}, 2, "открывается только один рабочий файл", ""},
      {{"--tmax", "300"}, 2, "--tmax задается только", ""},
      {{device, "throttle", "N2", "--cycle", "linde", "N2"}, 2, "не задаются вместе", ""},
      // Efficiencies from 0.01; nothing printed that JSON cannot hold.
      {{device, "compressor-isothermal", "N2", "--p1", "0.1", "--t1", "300", "--p2", "1", "--eta", "1e-308"}, 2,
       "Изотермический КПД должен быть не меньше 0,01 и не больше 1", ""},
      {{device, "expander", "N2", "--p1", "1", "--t1", "300", "--p2", "0.1", "--eta", "0.0099"}, 2,
       "Изоэнтропный КПД должен быть не меньше 0,01", ""},
      {{device, "compressor-isothermal", "N2", "--p1", "0.1", "--t1", "300", "--p2", "1", "--eta", "0.01"}, 0, "", "{"},
      {{device, "compressor-isothermal", "N2", "--p1", "0.5", "--t1", "164.05", "--p2", "2"}, 0, "", "{"},
      {{device, "compressor-isothermal", "R14", "--p1", "0.01", "--t1", "204", "--p2", "0.03"}, 0, "", "{"},
      {{"--cycle", "linde", "N2", "--eta-t", "1e-307"}, 2, "", ""},
      // Values beyond the library's range are refused by the range first.
      {{device, "compressor", "N2", "--p1", "1e300", "--t1", "300", "--p2", "1"}, 2, "--p1: Давление должно быть в пределах", ""},
      {{device, "compressor", "N2", "--p1", "0.1", "--t1", "1e300", "--p2", "1"}, 2, "--t1: Температура должна быть в пределах", ""},
      {{device, "compressor", "N2", "--p1", "0.1", "--t1", "300", "--p2", "1e300"}, 2, "--p2: Давление должно быть в пределах", ""},
      {{device, "exchanger", "N2", "--p1", "0.1", "--t1", "300", "--t2", "1e300"}, 2, "--t2: Температура должна быть в пределах", ""},
      {{device, "exchanger", "N2", "--p1", "0.1", "--t1", "300", "--heat", "1e300"}, 2, "Состояние на выходе вне пределов", ""},
      // A full disk: status 1, the earlier file whole, no temporary left.
      {{"--export-diagram", "N2", "@/old.svg"}, 1, "файл \"", "", 4096},
      {{"--export-diagram", "N2", "@/old.pdf"}, 1, "\" не записан", "", 4096},
      {{"--export-diagram", "N2", "@/old.png"}, 1, "\" не записан", "", 4096},
      {{"--export-diagram", "@/work.entrograf", "@/old.svg"}, 1, "\" не записан", "", 4096},
      // Only a regular file is written: links, devices, pipes and folders stay.
      {{"--export-diagram", "N2", "@/link.png"}, 1, "не записан: это не обычный файл", ""},
      {{"--export-diagram", "N2", "@/null.svg"}, 1, "не обычный файл", ""},
      {{"--export-diagram", "N2", "@/fifo.pdf"}, 1, "не обычный файл", ""},
      {{"--export-diagram", "N2", "@/folder.png"}, 1, "не обычный файл", ""},
      {{"--export-diagram", "Ar", "@/new.pdf"}, 0, "", "", 0, {"new.pdf"}},
      // Work files read only when regular and bounded, every key once.
      {{"--export-diagram", "@/zero.entrograf", "@/out.png"}, 2, "Это не обычный файл", ""},
      {{"--export-diagram", "@/fifo.entrograf", "@/out.png"}, 2, "Это не обычный файл", ""},
      {{"--export-diagram", "@/folder.entrograf", "@/out.png"}, 2, "Это не обычный файл", ""},
      {{"--export-diagram", "@/big.entrograf", "@/out.png"}, 2, "Файл больше 64 МБ", ""},
      {{"--export-diagram", "@/dup.entrograf", "@/out.png"}, 2, "поле processLines.count повторяется", ""},
      {{"--export-diagram", "@/worklink.entrograf", "@/out.png"}, 0, "", "", 0, {"out.png"}},
  };
  for (const Case& c : cases) {
    const Folder f;
    ASSERT_TRUE(f.dir.isValid());
    QList<QByteArray> args;
    for (QByteArray a : c.args) args << a.replace('@', QFile::encodeName(f.dir.path()));
    const std::string what = args.join(' ').toStdString() + ": ";
    const ProgramRun r = runProgramBytes(args, c.fileLimit);
    EXPECT_EQ(r.rc, c.rc) << what << r.err.toStdString();
    const QString err = QString::fromUtf8(r.err);
    if (*c.says) {
      EXPECT_TRUE(err.contains(QString::fromUtf8(c.says))) << what << r.err.toStdString();
    }
    if (c.rc != 0) {
      EXPECT_TRUE(err.startsWith(QStringLiteral("entrograf: ")) || err.contains(QStringLiteral("\nentrograf: ")))
          << what << r.err.toStdString();
    }
    EXPECT_FALSE(err.contains(QStringLiteral("overflow"))) << what;
    EXPECT_TRUE(r.out.startsWith(c.prints)) << what << r.out.toStdString();
    if (!*c.prints) {
      EXPECT_TRUE(r.out.isEmpty()) << what << r.out.toStdString();
    }
    if (r.out.startsWith('{')) {
      QJsonParseError e{};
      const QJsonObject j = QJsonDocument::fromJson(r.out, &e).object();
      EXPECT_EQ(e.error, QJsonParseError::NoError) << what << r.out.toStdString();
      // What must not be negative is not, not even by a rounding residue.
      for (const char* key : {"sgen", "exergy_destroyed"}) EXPECT_GE(j[QLatin1String(key)].toDouble(-1), 0) << what << key;
      EXPECT_FALSE(r.out.contains(": -0,") || r.out.contains(": -0}")) << what;
    }
    f.unchanged(c.made, what);
  }
}

// The shared output refuses a number JSON cannot hold, naming its key.
TEST(CommandLine, NoNumberJsonCannotHold) {
  struct Case {
    std::string json;
    const char* key;  // nullptr: printed
  };
  const tfs::Real inf = INFINITY, huge = 1e4000L;
  const Case cases[] = {
      {"{\"work\": " + app::jsonNumber(-inf) + "}", "work"},
      {"{\"a\": 1, \"heat\": " + app::jsonNumber(std::nan("")) + ", \"b\": 2}", "heat"},
      {"{\"s\": [{\"sgen\": " + app::jsonNumber(huge) + "}]}", "sgen"},
      {"{\"message\": \"inf nan -inf\", \"fom\": null, \"x\": -1.5e-7, \"ok\": true}", nullptr},
  };
  for (const Case& c : cases) {
    QString error;
    testing::internal::CaptureStdout();
    const int rc = app::printJson(c.json, error);
    const std::string out = testing::internal::GetCapturedStdout();
    if (c.key) {
      EXPECT_EQ(rc, app::kNotPrintable) << c.json;
      EXPECT_TRUE(out.empty()) << c.json;
      EXPECT_TRUE(error.contains(QStringLiteral("\"%1\"").arg(QLatin1String(c.key)))) << error.toStdString();
    } else {
      EXPECT_EQ(rc, 0) << error.toStdString();
      EXPECT_EQ(out, c.json + '\n');
    }
  }
}

}  // namespace
