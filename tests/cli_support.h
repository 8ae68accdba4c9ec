#pragma once
// The program itself run from a test, as from a shell without a display.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <csignal>
#include <sys/resource.h>

struct ProgramRun {
  int rc = -1;  // -1: crashed or hung
  QByteArray out, err;
};

// The environment of the tests without a display and without a named
// platform.
inline QProcessEnvironment withoutDisplay() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(QString::fromLatin1(v));
  return env;
}

// The started process waited for (a minute at most) and what it left.
inline ProgramRun finished(QProcess& p) {
  ProgramRun r;
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return r;
  r.rc = p.exitCode();
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

// In Russian unless the arguments ask for a language: the tests' texts are
// Russian. No display and no named platform, or the one given.
inline ProgramRun runProgram(const QStringList& args, const QString& platform = {}) {
  QProcess p;
  QProcessEnvironment env = withoutDisplay();
  if (!platform.isEmpty()) env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
  p.setProcessEnvironment(env);
  const QString lang = QStringLiteral("--lang");
  p.start(QStringLiteral(ENTROGRAF_BIN), args.contains(lang) ? args : QStringList{lang, QStringLiteral("ru")} + args);
  return finished(p);
}

// The same with the arguments as bytes, a byte that is not UTF-8 too (a
// shell writes them with printf), and with fileLimit > 0 a file-size limit
// of that many bytes, the limit's signal as a new process has it.
inline ProgramRun runProgramBytes(QList<QByteArray> args, qint64 fileLimit = 0) {
  if (!args.contains("--lang")) args = QList<QByteArray>{"--lang", "ru"} + args;
  QString script = QStringLiteral("exec \"$0\"");
  for (const QByteArray& a : args) {
    QString octal;
    for (const char c : a) octal += QStringLiteral("\\%1").arg(unsigned(static_cast<unsigned char>(c)), 3, 8, QChar(u'0'));
    script += QStringLiteral(" \"$(printf '%1')\"").arg(octal);
  }
  QProcess p;
  p.setProcessEnvironment(withoutDisplay());
  if (fileLimit > 0)
    p.setChildProcessModifier([fileLimit] {
      std::signal(SIGXFSZ, SIG_DFL);
      const rlimit limit{rlim_t(fileLimit), rlim_t(fileLimit)};
      setrlimit(RLIMIT_FSIZE, &limit);
    });
  p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QStringLiteral(ENTROGRAF_BIN)});
  return finished(p);
}
