#include "ui/services/wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

// Closes the descriptor and removes the temporary file unless released.
class Temporary {
 public:
  ~Temporary() {
    if (fd >= 0) ::close(fd);
    if (!name.isEmpty()) ::unlink(name.constData());
  }
  // Closes the descriptor, reporting a failure of the last writes.
  bool close() {
    const int f = fd;
    fd = -1;
    return ::close(f) == 0;
  }
  int fd = -1;
  QByteArray name;
};

bool writeAll(int fd, const char* data, qint64 size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size_t(size));
    if (n < 0 && errno == EINTR) continue;
    // A full disk or a file-size limit: a short count, then an error.
    if (n <= 0) return false;
    data += n;
    size -= n;
  }
  return true;
}

// A new file beside the target, under a name no one else uses.
bool createBeside(const QByteArray& dir, Temporary& t) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QByteArray name =
        dir + "/.entrograf-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
      t.fd = fd;
      t.name = name;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

}  // namespace

FileFault writeWholeFile(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return FileFault::Failed;
  const QByteArray target = QFile::encodeName(path);
  struct stat old {};
  const bool exists = ::lstat(target.constData(), &old) == 0;
  if (!exists && errno != ENOENT) return FileFault::Failed;
  if (exists && !S_ISREG(old.st_mode)) return FileFault::NotRegular;
  // A file its owner made read-only stays as it is.
  if (exists && ::access(target.constData(), W_OK) != 0) return FileFault::Failed;

  Temporary t;
  if (!createBeside(QFile::encodeName(QFileInfo(path).path()), t)) return FileFault::Failed;
  // A file written over keeps its permissions (and its owner where allowed);
  // a new one gets the user's umask from open().
  if (exists) {
    if (::fchmod(t.fd, old.st_mode & 07777) != 0) return FileFault::Failed;
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(t.fd, old.st_uid, old.st_gid);
  }
  if (!writeAll(t.fd, bytes.constData(), bytes.size()) || ::fsync(t.fd) != 0 || !t.close()) return FileFault::Failed;
  // Only now, with every byte on the disk, does the old file go.
  if (::rename(t.name.constData(), target.constData()) != 0) return FileFault::Failed;
  t.name.clear();
  return FileFault::None;
}

FileFault writeImageFile(const QImage& image, const char* format, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, format)) return FileFault::Failed;
  buffer.close();
  return writeWholeFile(path, bytes);
}

FileFault readWholeFile(const QString& path, qint64 limit, QByteArray& bytes) {
  // Not blocking: a pipe opens at once and is then refused as no file.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return FileFault::Failed;
  Temporary closer;
  closer.fd = fd;
  struct stat st {};
  if (::fstat(fd, &st) != 0) return FileFault::Failed;
  if (!S_ISREG(st.st_mode)) return FileFault::NotRegular;
  if (st.st_size > limit) return FileFault::TooLarge;
  QByteArray data;
  // One byte more than the size tells a file that grew since.
  data.resize(qsizetype(st.st_size) + 1);
  qint64 got = 0;
  for (;;) {
    if (got == data.size()) {
      if (got > limit) return FileFault::TooLarge;
      data.resize(std::min<qint64>(limit + 1, 2 * got + 1));
    }
    const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return FileFault::Failed;
    if (n == 0) break;
    got += n;
  }
  if (got > limit) return FileFault::TooLarge;
  data.truncate(qsizetype(got));
  bytes = std::move(data);
  return FileFault::None;
}

QString writeFaultMessage(FileFault fault, const QString& path) {
  const QString file = QDir::toNativeSeparators(path);
  if (fault == FileFault::NotRegular)
    return QCoreApplication::translate("Files", "Файл не записан: это не обычный файл\n(ссылка, устройство или папка) !\n") + file;
  return QCoreApplication::translate("Files", "Файл не записан !\n") + file;
}

}  // namespace app
