#pragma once
// The student's work in a file: a session as JSON text (UTF-8). A work file
// holds the substance and its property model, the limits, the scale and
// the units, how the diagram is shown, the points, the process window's
// state, its results rows and the process lines, the real-process window's
// state with its lines (realProcesses) and its rows (realResults), and the
// liquefaction cycles' data (cycles), whose cycle is solved again on
// opening. The diagram's lines are computed again on opening from
// substance and limits. Each structure's fields are listed once
// (workfile.cpp, with the mechanism of jsonfields.h) for writing, reading
// and comparing.
//
// Every real is written with all its 64 bits: as a JSON number when the
// nearest double is the value itself, otherwise as a pair [hi, lo] of
// doubles whose sum in long double is the value, or as C's hexadecimal
// text where no double holds it (a negative zero, a value beyond the
// double's range). Enums are written by name (since version 3; versions 1
// and 2 held some as integers, which keep their meaning).
//
// The file names its format and version. A reader refuses a version above
// its own, and in a version it knows every section and field is required
// and nothing else may appear: a part added later comes with the next
// version, which older programs then refuse instead of dropping it unseen.
// Version 2 added the real processes and the cycles (a version 1 file
// opens without real processes and the cycles at their defaults); version
// 3 the enums by name, the property model and the diagram's view (older
// files open with the cubic model and the whole T-s diagram).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/session/session.h"
#include "ui/services/wholefile.h"

namespace app {

inline constexpr char kWorkFileFormat[] = "entrograf-work";
inline constexpr int kWorkFileVersion = 3;
// The extension of work files, without its point.
inline constexpr char kWorkFileSuffix[] = "entrograf";

// Whether a path names a work file (by its extension, in any case).
bool isWorkFilePath(const QString& path);

enum class WorkFault {
  None,
  Unreadable,        // the file cannot be read
  NotWorkFile,       // not JSON of this format
  Damaged,           // truncated, a field missing, of the wrong type or unknown
  Newer,             // a version above the program's
  UnknownSubstance,  // a substance the program does not know
  OutOfRange,        // a value outside the library's range
  NotWritten,        // the file cannot be written whole
  NotRegular,        // a device, pipe or folder, not a file
  TooLarge,          // larger than any work file (kMaxWorkFileBytes)
};

struct WorkError {
  WorkFault fault = WorkFault::None;
  QString detail;                      // which field and why
  FileFault file = FileFault::None;  // why the file was not written
};

// The session as a work file's bytes.
QByteArray workFileBytes(const Session& session);

// Every value a work file holds of the session, one "path = text" each,
// reals in their exact hexadecimal text: equal lists, equal work.
QStringList savedValues(const Session& session);

// Reads a work file's bytes. Everything is checked first; then the lines
// are computed and the whole session goes into `into`. On a refusal `into`
// is left untouched.
bool readWorkFile(const QByteArray& bytes, Session& into, WorkError& error);

// Writes the session whole or not at all (writeWholeFile: an earlier file
// of that name is kept when the writing fails, only a regular file is
// replaced).
bool saveWorkFile(const Session& session, const QString& path, WorkError& error);
// Reads a work file from disk into `into` as readWorkFile does: only a
// regular file of at most kMaxWorkFileBytes.
bool openWorkFile(const QString& path, Session& into, WorkError& error);

// The message to the student about a refusal, naming the file.
QString workFileMessage(const WorkError& error, const QString& path);

}  // namespace app
