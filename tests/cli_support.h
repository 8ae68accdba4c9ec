#pragma once
// The program itself run from a test, as from a shell without a display.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

struct ProgramRun {
  int rc = -1;  // -1: crashed or hung
  QByteArray out, err;
};

// In Russian unless the arguments ask for a language: the tests' texts are
// Russian. No display and no named platform, or the one given.
inline ProgramRun runProgram(const QStringList& args, const QString& platform = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(QString::fromLatin1(v));
  if (!platform.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
  p.setProcessEnvironment(env);
  const QString lang = QStringLiteral("--lang");
  p.start(QStringLiteral(ENTROGRAF_BIN), args.contains(lang) ? args : QStringList{lang, QStringLiteral("ru")} + args);
  ProgramRun r;
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return r;
  r.rc = p.exitCode();
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}
