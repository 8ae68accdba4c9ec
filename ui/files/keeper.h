#pragma once
// Keeps the student's work: the work file the session belongs to, the
// "Файл" menu's new, open and save, the recent files, the question before
// unsaved work is dropped, and the autosave that lets the next start
// restore the work after an abnormal end.
//
// The autosave and its marker live in one folder (the user's data folder).
// The marker is a lock file held for the whole run: one left behind by a
// process that no longer runs is an abnormal end. A normal end (the
// keeper's destruction) removes both. A second program running at the same
// time finds the marker held and keeps no autosave.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/session/session.h"

class QLockFile;
class QTimer;
class QWidget;

namespace app {

// The folder of the autosave and its marker: QStandardPaths'
// AppDataLocation unless set (tests set a temporary one).
QString autosaveFolder();
void setAutosaveFolder(const QString& folder);

// The texts of the questions.
extern const char* const kUnsavedQuestion;
extern const char* const kRestoreQuestion;

class Keeper : public QObject {
  Q_OBJECT
 public:
  // Takes the autosave marker. parent: the window the dialogs belong to.
  Keeper(Session& session, QWidget* parent);
  ~Keeper() override;

  // The work file the session belongs to; empty for new work.
  const QString& currentFile() const { return file_; }
  // The recent files, the last opened or saved first.
  QStringList recentFiles() const;
  // Whether this program keeps an autosave (no other one holds the marker).
  bool autosaving() const { return lock_ != nullptr; }
  QString autosavePath() const;

  // Before work is dropped: unsaved work is saved or dropped as the
  // student answers; false when the student cancels or the save failed.
  bool mayDiscard();
  // After an abnormal end: offers to restore the work the autosave kept.
  void offerRestore();

 public slots:
  void newWork();
  // The dialog, then openFile.
  void open();
  // A work file in place of the session; false (a message, the session
  // unchanged) when it is refused. Does not ask about unsaved work.
  bool openFile(const QString& path);
  // A recent file: asks about unsaved work first.
  void openRecent(const QString& path);
  bool save();
  bool saveAs();
  // Writes the autosave when the session changed since the last one.
  void autosave();

 signals:
  // The session's contents were replaced: every window shows it anew.
  void sessionReplaced();
  // The work file changed (empty: new work).
  void fileChanged(const QString& path);
  void recentChanged(const QStringList& paths);

 private:
  void replace(Session&& fresh, const QString& file, bool unsaved);
  bool saveTo(const QString& path);
  void setFile(const QString& path);
  void remember(const QString& path);
  void forget(const QString& path);
  void removeAutosave();

  Session& session_;
  QWidget* parent_;
  QString file_;
  std::unique_ptr<QLockFile> lock_;
  QTimer* timer_ = nullptr;
  long autosaved_ = -1;    // the session's change count in the autosave
  bool leftBehind_ = false;  // the marker of an abnormal end was found
  bool autosaveFailed_ = false;  // the last autosave was not written (said once)
};

}  // namespace app
