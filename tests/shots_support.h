#pragma once
// Shared by the programs that take pictures of the windows for looking at
// (not tests): a window saved as a PNG, and their main, which takes the
// pictures in Russian and in English.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "ui/files/keeper.h"
#include "ui/services/language.h"
#include "ui/services/messages.h"

namespace testing_support {

// The window as it is once the events waiting are handled, as <dir>/<name>.png.
inline void saveShot(QWidget* w, const QString& dir, const QString& name) {
  QApplication::processEvents();
  w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// Takes the pictures of one language, their names starting with the tag.
using Shots = void (*)(const QString& dir, app::Language lang, const QString& tag);

// The pictures in Russian ("ru") and English ("en") into the folder the
// first argument names (the current one without it), the autosave in a
// folder of the run's own. Refusals are written out, not shown in a box.
inline int shotsMain(int argc, char** argv, Shots shots) {
  QApplication a(argc, argv);
  app::installLibraryHandlers();
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  const QTemporaryDir own;
  app::setAutosaveFolder(own.path());
  app::MessageRecorder said;
  app::setMessageService(&said);
  shots(dir, app::Language::Russian, QStringLiteral("ru"));
  shots(dir, app::Language::English, QStringLiteral("en"));
  for (const QString& t : said.texts) qInfo("%s", qPrintable(t));
  app::setMessageService(nullptr);
  return 0;
}

}  // namespace testing_support
