// Every save and export written whole or not at all: on a full disk (a
// file-size limit) each writer says so and leaves the earlier file whole;
// only a regular file is replaced, a link, device, pipe or folder in its
// place stays as it was; work files are read only when regular and
// bounded, and a key given twice is refused by name.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "file_support.h"
#include "gui_test_support.h"
#include "ui/diagram/diagramexport.h"
#include "ui/files/keeper.h"
#include "ui/files/workfile.h"
#include "ui/services/tableactions.h"
#include "ui/services/wholefile.h"
#include "workfile_support.h"

namespace {

using app::FileFault;

using testing_support::readAll;
using testing_support::write;

QStringList entries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A file-size limit for this process while it lives: a write past it fails
// (its signal ignored), as on a full disk.
class FileLimit {
 public:
  explicit FileLimit(qint64 bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit l = old_;
    l.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &l);
  }
  ~FileLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

// A student's work: its diagram, its tables, its work file.
const app::Session& work() {
  static const std::unique_ptr<app::Session> s = testing_support::nitrogenWork();
  return *s;
}

struct Writer {
  const char* name;
  const char* file;
  std::function<bool(const QString&, FileFault&)> write;
};

const std::vector<Writer>& writers() {
  static const std::vector<Writer> w = [] {
    auto diagramIn = [](const char* file) {
      return Writer{file, file, [](const QString& path, FileFault& fault) {
                      return diagram::saveDiagram(diagram::composePicture(work()), QSize(800, 600), path, &fault);
                    }};
    };
    app::TextTable rows = {{"N", "T, K", "P, МПа"}};
    for (int i = 0; i < 200; ++i) rows.push_back({std::to_string(i), std::to_string(77 + i), "0,1"});
    return std::vector<Writer>{
        diagramIn("d.png"), diagramIn("d.svg"), diagramIn("d.pdf"),
        {"table", "t.csv", [rows](const QString& path, FileFault& fault) { return app::saveCsv(rows, path, &fault); }},
        {"work file", "w.entrograf",
         [](const QString& path, FileFault& fault) {
           app::WorkError e;
           const bool ok = app::saveWorkFile(work(), path, e);
           fault = e.file;
           return ok && e.fault == app::WorkFault::None;
         }},
        {"chart", "c.png", [](const QString& path, FileFault& fault) {
           QImage chart(640, 480, QImage::Format_RGB32);
           for (int y = 0; y < chart.height(); ++y)
             for (int x = 0; x < chart.width(); ++x) chart.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
           fault = app::writeImageFile(chart, "PNG", path);
           return fault == FileFault::None;
         }}};
  }();
  return w;
}

const QByteArray kOld = "an earlier file, whole";

TEST(WholeFile, EveryWriterFailsWholeOnAFullDisk) {
  for (const Writer& w : writers()) {
    SCOPED_TRACE(w.name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString probe = dir.filePath(QStringLiteral("probe")), path = dir.filePath(QLatin1String(w.file));
    FileFault fault = FileFault::Failed;
    ASSERT_TRUE(w.write(probe + QLatin1String(w.file), fault));
    EXPECT_EQ(fault, FileFault::None);
    const qint64 size = QFileInfo(probe + QLatin1String(w.file)).size();
    ASSERT_GT(size, 2 * kOld.size());
    write(path, kOld);
    // Room for half of it: the write stops part way.
    {
      const FileLimit limit(size / 2);
      EXPECT_FALSE(w.write(path, fault));
    }
    EXPECT_EQ(fault, FileFault::Failed);
    EXPECT_EQ(readAll(path), kOld);
    QStringList left = {QLatin1String("probe") + QLatin1String(w.file), QLatin1String(w.file)};
    left.sort();
    EXPECT_EQ(entries(dir.path()), left);
    // Room for all of it: written, over the earlier file.
    {
      const FileLimit limit(size + 1);
      EXPECT_TRUE(w.write(path, fault));
    }
    EXPECT_EQ(QFileInfo(path).size(), size);
  }
}

TEST(WholeFile, OnlyARegularFileIsReplaced) {
  struct Target {
    const char* name;
    std::function<bool(const QString& path, const QString& dir)> make;  // false: cannot here
  };
  const Target targets[] = {
      {"link to a file", [](const QString& p, const QString& d) {
         write(d + QStringLiteral("/pointee"), kOld);
         return QFile::link(d + QStringLiteral("/pointee"), p);
       }},
      {"link to /dev/null", [](const QString& p, const QString&) { return QFile::link(QStringLiteral("/dev/null"), p); }},
      {"dangling link", [](const QString& p, const QString& d) { return QFile::link(d + QStringLiteral("/none"), p); }},
      {"pipe", [](const QString& p, const QString&) { return mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
      {"folder", [](const QString& p, const QString&) { return QDir().mkdir(p); }},
      // A device node of its own (as the null device), where allowed (root).
      {"device", [](const QString& p, const QString&) {
         return mknod(QFile::encodeName(p).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
       }},
  };
  for (const Writer& w : writers())
    for (const Target& t : targets) {
      SCOPED_TRACE(std::string(w.name) + " over a " + t.name);
      QTemporaryDir dir;
      ASSERT_TRUE(dir.isValid());
      const QString path = dir.filePath(QLatin1String(w.file));
      if (!t.make(path, dir.path())) continue;
      struct stat before {}, after {};
      ASSERT_EQ(lstat(QFile::encodeName(path).constData(), &before), 0);
      const QStringList was = entries(dir.path());
      FileFault fault = FileFault::None;
      EXPECT_FALSE(w.write(path, fault));
      EXPECT_EQ(fault, FileFault::NotRegular);
      ASSERT_EQ(lstat(QFile::encodeName(path).constData(), &after), 0);
      EXPECT_EQ(after.st_mode, before.st_mode);
      EXPECT_EQ(after.st_ino, before.st_ino);
      EXPECT_EQ(entries(dir.path()), was);
      if (QFile::exists(dir.filePath(QStringLiteral("pointee")))) {
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("pointee"))), kOld);
      }
    }
}

// Written over, a file keeps its permissions; a new one gets the umask's.
TEST(WholeFile, ReplacedFileKeepsItsPermissions) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("t.csv"));
  write(path, kOld);
  ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0640), 0);
  ASSERT_TRUE(app::saveCsv({{"a", "b"}}, path));
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_TRUE(readAll(path).contains("a")) << readAll(path).toStdString();
  // A new file: what the umask leaves of rw for everyone.
  const mode_t mask = umask(0);
  umask(mask);
  const QString fresh = dir.filePath(QStringLiteral("new.csv"));
  ASSERT_TRUE(app::saveCsv({{"a", "b"}}, fresh));
  ASSERT_EQ(stat(QFile::encodeName(fresh).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
}

// The autosave that cannot be written says so once, keeps the earlier one
// and is tried again at the next tick.
TEST(WholeFile, AutosaveThatCannotBeWrittenSaysSoOnce) {
  QTemporaryDir dir;
  const QString folder = app::autosaveFolder();
  app::setAutosaveFolder(dir.path());
  const std::unique_ptr<app::Session> work = testing_support::nitrogenWork();
  app::Session& s = *work;
  s.touch();
  testing_support::recorder().texts.clear();
  {
    app::Keeper keeper(s, nullptr);
    ASSERT_TRUE(keeper.autosaving());
    write(keeper.autosavePath(), kOld);
    {
      const FileLimit limit(4096);
      keeper.autosave();
      s.touch();
      keeper.autosave();
    }
    EXPECT_EQ(readAll(keeper.autosavePath()), kOld);
    ASSERT_EQ(testing_support::recorder().texts.size(), 1);
    EXPECT_TRUE(testing_support::recorder().texts[0].startsWith(QStringLiteral("Автосохранение не записано !\n")));
    keeper.autosave();
    app::Session back;
    app::WorkError e;
    ASSERT_TRUE(app::openWorkFile(keeper.autosavePath(), back, e)) << e.detail.toStdString();
    EXPECT_EQ(app::workFileBytes(back), app::workFileBytes(s));
    EXPECT_EQ(testing_support::recorder().texts.size(), 1);
  }
  testing_support::recorder().texts.clear();
  app::setAutosaveFolder(folder);
}

TEST(WholeFile, WorkFilesAreReadOnlyWhenRegularAndBounded) {
  QTemporaryDir dir;
  const QString good = dir.filePath(QStringLiteral("good.entrograf"));
  app::WorkError e;
  ASSERT_TRUE(app::saveWorkFile(work(), good, e));
  struct Case {
    const char* name;
    std::function<void(const QString&)> make;
    app::WorkFault fault;
  };
  const Case cases[] = {
      {"link to a work file", [&](const QString& p) { QFile::link(good, p); }, app::WorkFault::None},
      {"link to the zero device", [](const QString& p) { QFile::link(QStringLiteral("/dev/zero"), p); },
       app::WorkFault::NotRegular},
      {"folder", [](const QString& p) { QDir().mkdir(p); }, app::WorkFault::NotRegular},
      {"larger than any work file", [](const QString& p) {
         QFile f(p);
         if (f.open(QIODevice::WriteOnly)) f.resize(app::kMaxWorkFileBytes + 1);
       }, app::WorkFault::TooLarge},
      {"missing", [](const QString&) {}, app::WorkFault::Unreadable},
      // Tiny containers whose parsed form would take 44 times the text.
      {"many tiny values", [](const QString& p) {
         write(p, "{\"format\": \"entrograf-work\", \"version\": 2, \"x\": [" + QByteArray("[0],").repeated(1 << 20) + "[0]]}");
       }, app::WorkFault::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = dir.filePath(QStringLiteral("x.entrograf"));
    c.make(path);
    app::Session s;
    app::WorkError error;
    EXPECT_EQ(app::openWorkFile(path, s, error), c.fault == app::WorkFault::None);
    EXPECT_EQ(error.fault, c.fault);
    if (c.fault != app::WorkFault::None) {
      EXPECT_FALSE(s.main.chosen);
    }
    QFile::remove(path);
    QDir().rmdir(path);
  }
  // The bound itself: a file of exactly it is read, one byte more is not.
  const QString path = dir.filePath(QStringLiteral("bytes"));
  write(path, QByteArray(1000, 'x'));
  QByteArray bytes;
  EXPECT_EQ(app::readWholeFile(path, 1000, bytes), FileFault::None);
  EXPECT_EQ(bytes.size(), 1000);
  EXPECT_EQ(app::readWholeFile(path, 999, bytes), FileFault::TooLarge);
}

// A key twice in an object: refused, naming it as a field is named, with
// the open work untouched; an escaped spelling of a key is the same key.
TEST(WholeFile, KeyGivenTwiceIsRefusedByName) {
  const QByteArray good = app::workFileBytes(work());
  struct Case {
    const char* before;  // the line before which
    const char* insert;  // this is put
    const char* names;
  };
  const Case cases[] = {
      {"\"count\"", "        \"count\": 0,\n", "поле processLines.count повторяется"},
      {"\"version\"", "    \"version\": 2,\n", "раздел version повторяется"},
      {"\"version\"", "    \"vers\\u0069on\": 2,\n", "раздел version повторяется"},
      {"\"Tmax\"", "        \"Tmax\": 300,\n", "поле diagram.Tmax повторяется"},
      {"\"Cp\"", "            \"Cp\": 1,\n", "поле points[0].Cp повторяется"},
      {"\"etaS\"", "                \"etaS\": 0.5,\n", "поле cycles.data[0].etaS повторяется"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.insert);
    QByteArray bytes = good;
    const qsizetype at = bytes.indexOf(c.before);
    ASSERT_GE(at, 0);
    bytes.insert(bytes.lastIndexOf('\n', at) + 1, c.insert);
    const std::unique_ptr<app::Session> open = testing_support::nitrogenWork();
    const QByteArray before = app::workFileBytes(*open);
    app::WorkError error;
    EXPECT_FALSE(app::readWorkFile(bytes, *open, error));
    EXPECT_EQ(error.fault, app::WorkFault::Damaged);
    EXPECT_EQ(error.detail, QString::fromUtf8(c.names));
    EXPECT_EQ(app::workFileBytes(*open), before);
  }
  // The same keys in different objects are no repetition.
  app::Session s;
  app::WorkError error;
  EXPECT_TRUE(app::readWorkFile(good, s, error)) << error.detail.toStdString();
}

}  // namespace
