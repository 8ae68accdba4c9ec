#include "ui/files/keeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include "ui/files/workfile.h"
#include "ui/services/filedialog.h"
#include "ui/services/messages.h"
#include "ui/services/wholefile.h"

namespace app {

namespace {

QString& folderOverride() {
  static QString folder;
  return folder;
}

constexpr int kRecentCount = 8;
constexpr int kAutosaveMs = 30000;
// The autosave's note of the work file it came from: a path.
constexpr qint64 kMaxOriginBytes = 65536;
const char* const kRecentKey = "recentFiles";

QString filter() {
  return QCoreApplication::translate("Keeper", "Рабочие файлы (*.%1);;Все файлы (*)").arg(QLatin1String(kWorkFileSuffix));
}

}  // namespace

const char* const kUnsavedQuestion = QT_TRANSLATE_NOOP("Keeper", "Работа не сохранена !\nСохранить ее в файле?");
const char* const kRestoreQuestion =
    QT_TRANSLATE_NOOP("Keeper", "Программа не была завершена нормально !\nВосстановить несохраненную работу?");

QString autosaveFolder() {
  return folderOverride().isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                    : folderOverride();
}

void setAutosaveFolder(const QString& folder) { folderOverride() = folder; }

Keeper::Keeper(Session& session, QWidget* parent) : session_(session), parent_(parent) {
  const QString dir = autosaveFolder();
  if (dir.isEmpty() || !QDir().mkpath(dir)) return;
  const QString marker = dir + QStringLiteral("/autosave.lock");
  const bool leftBehind = QFileInfo::exists(marker);
  lock_ = std::make_unique<QLockFile>(marker);
  // Held for the whole run: never stale by age, only when its process is gone.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    // A marker that names no owner was cut short while it was written: once
    // it is older than any start takes, it is no one's.
    qint64 pid = 0;
    QString host, name;
    const bool named = lock_->getLockInfo(&pid, &host, &name);
    const bool old = QFileInfo(marker).lastModified().secsTo(QDateTime::currentDateTime()) > 10;
    if (named || !old || !lock_->removeStaleLockFile() || !lock_->tryLock(0)) {
      lock_.reset();
      return;
    }
  }
  timer_ = new QTimer(this);
  timer_->setInterval(kAutosaveMs);
  connect(timer_, &QTimer::timeout, this, &Keeper::autosave);
  timer_->start();
  leftBehind_ = leftBehind && QFileInfo::exists(autosavePath());
  if (!leftBehind_) removeAutosave();
}

Keeper::~Keeper() {
  // A normal end: nothing to restore next time.
  if (lock_) {
    removeAutosave();
    lock_->unlock();
  }
}

QString Keeper::autosavePath() const {
  return autosaveFolder() + QStringLiteral("/autosave.") + QLatin1String(kWorkFileSuffix);
}

void Keeper::offerRestore() {
  if (!leftBehind_) return;
  leftBehind_ = false;
  const QString path = autosavePath();
  if (messages().ask(QCoreApplication::translate("Keeper", kRestoreQuestion), false) != Answer::Yes) {
    removeAutosave();
    return;
  }
  Session fresh;
  WorkError error;
  if (!openWorkFile(path, fresh, error)) {
    messages().show(workFileMessage(error, path));
    removeAutosave();
    return;
  }
  // The work file it came from, if any.
  QByteArray origin;
  const QString file = readWholeFile(path + QStringLiteral(".origin"), kMaxOriginBytes, origin) == FileFault::None
                           ? QString::fromUtf8(origin)
                           : QString();
  replace(std::move(fresh), file, true);
}

void Keeper::removeAutosave() {
  QFile::remove(autosavePath());
  QFile::remove(autosavePath() + QStringLiteral(".origin"));
  autosaved_ = -1;
}

void Keeper::autosave() {
  if (!lock_) return;
  // Work that a file holds needs no autosave.
  if (!session_.modified()) {
    if (autosaved_ != -1) removeAutosave();
    return;
  }
  if (session_.changes == autosaved_) return;
  WorkError error;
  // With the work file it belongs to (without it a restore is new work).
  const bool written = saveWorkFile(session_, autosavePath(), error) &&
                       writeWholeFile(autosavePath() + QStringLiteral(".origin"), file_.toUtf8()) == FileFault::None;
  if (!written) {
    // Said once, tried again at every tick until it is written.
    if (!autosaveFailed_)
      messages().show(QCoreApplication::translate("Keeper", "Автосохранение не записано !\n") +
                      QDir::toNativeSeparators(autosavePath()));
    autosaveFailed_ = true;
    return;
  }
  autosaveFailed_ = false;
  autosaved_ = session_.changes;
}

bool Keeper::mayDiscard() {
  if (!session_.modified()) return true;
  switch (messages().ask(QCoreApplication::translate("Keeper", kUnsavedQuestion), true)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    case Answer::Cancel: return false;
  }
  return false;
}

void Keeper::replace(Session&& fresh, const QString& file, bool unsaved) {
  const int revision = session_.linesRevision;
  const long changes = session_.changes;
  session_ = std::move(fresh);
  // The counters go on, so that the new contents count as changed.
  session_.linesRevision = revision + 1;
  session_.changes = changes + 1;
  session_.savedChanges = unsaved ? changes : session_.changes;
  setFile(file);
  emit sessionReplaced();
  autosave();
}

void Keeper::newWork() {
  if (!mayDiscard()) return;
  replace(Session{}, {}, false);
}

void Keeper::open() {
  if (!mayDiscard()) return;
  const QString path = askFile({false, parent_, QCoreApplication::translate("Keeper", "Открыть работу"), QFileInfo(file_).path(), filter()});
  if (!path.isEmpty()) openFile(path);
}

bool Keeper::openFile(const QString& path) {
  Session fresh;
  WorkError error;
  if (!openWorkFile(path, fresh, error)) {
    messages().show(workFileMessage(error, path));
    if (error.fault == WorkFault::Unreadable) forget(path);
    return false;
  }
  replace(std::move(fresh), path, false);
  remember(path);
  return true;
}

void Keeper::openRecent(const QString& path) {
  if (mayDiscard()) openFile(path);
}

bool Keeper::save() { return file_.isEmpty() ? saveAs() : saveTo(file_); }

bool Keeper::saveAs() {
  const QString name = session_.main.chosen ? QString::fromStdString(session_.main.name) : QCoreApplication::translate("Keeper", "Работа");
  const QString offered = file_.isEmpty() ? name + u'.' + QLatin1String(kWorkFileSuffix) : file_;
  QString path = askFile({true, parent_, QCoreApplication::translate("Keeper", "Сохранить работу"), offered, filter()});
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += u'.' + QLatin1String(kWorkFileSuffix);
  return saveTo(path);
}

bool Keeper::saveTo(const QString& path) {
  WorkError error;
  if (!saveWorkFile(session_, path, error)) {
    messages().show(workFileMessage(error, path));
    return false;
  }
  session_.savedChanges = session_.changes;
  setFile(path);
  remember(path);
  // The file holds the work now.
  if (lock_) removeAutosave();
  return true;
}

void Keeper::setFile(const QString& path) {
  file_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
  emit fileChanged(file_);
}

QStringList Keeper::recentFiles() const { return QSettings().value(QLatin1String(kRecentKey)).toStringList(); }

void Keeper::remember(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList list = recentFiles();
  list.removeAll(full);
  list.prepend(full);
  while (list.size() > kRecentCount) list.removeLast();
  QSettings().setValue(QLatin1String(kRecentKey), list);
  emit recentChanged(list);
}

void Keeper::forget(const QString& path) {
  QStringList list = recentFiles();
  if (list.removeAll(QFileInfo(path).absoluteFilePath()) == 0) return;
  QSettings().setValue(QLatin1String(kRecentKey), list);
  emit recentChanged(list);
}

}  // namespace app
