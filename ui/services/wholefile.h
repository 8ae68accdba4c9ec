#pragma once
// The one way files are written and read: every save and export (the
// diagram, the tables, work files, the autosave) and every work file read.
//
// A file is written whole or not at all: into a new file beside it, every
// byte checked, flushed to the disk, then renamed over the old one. Only a
// regular file is replaced: a symbolic link, a device, a pipe or a folder
// at the path is refused and left as it was (the rename replaces the name
// itself, never what a link points to). A read opens only a regular file
// (a link to one is followed) no larger than a bound, checked before a
// byte is read.

#include <QByteArray>
#include <QString>

class QImage;

namespace app {

enum class FileFault {
  None,
  NotRegular,  // a link, device, pipe or folder at the path
  TooLarge,    // larger than the bound (reading)
  Failed,      // cannot be opened, written whole or read
};

// The largest work file read (about 70000 picked points).
inline constexpr qint64 kMaxWorkFileBytes = qint64(64) << 20;

// Writes the bytes to path whole or not at all; on a failure the old file
// stays as it was and no temporary file is left.
FileFault writeWholeFile(const QString& path, const QByteArray& bytes);

// An image encoded in the format ("PNG") and written as above.
FileFault writeImageFile(const QImage& image, const char* format, const QString& path);

// Reads a regular file of at most limit bytes into bytes.
FileFault readWholeFile(const QString& path, qint64 limit, QByteArray& bytes);

// "Файл не записан !" and the path, with the reason of a refused target.
QString writeFaultMessage(FileFault fault, const QString& path);

}  // namespace app
