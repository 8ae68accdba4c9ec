#pragma once
// Shared by the window tests: the message recorder that replaces modal boxes,
// a program as just started, the steps several tests take in its windows,
// and pictures of the windows on request.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "core/session/session.h"
#include "ui/main/mainwindow.h"
#include "ui/main/program.h"
#include "ui/process/form2.h"
#include "ui/services/messages.h"

namespace testing_support {

// The recorder installed for the whole test program.
app::MessageRecorder& recorder();

// A session and the program's six windows over it, as at start.
struct Started {
  app::Session session;
  app::Program program{session};
};
// answers: the recorder's scripted answers to the questions asked, the
// first one at start (the offer to restore work after an abnormal end).
std::unique_ptr<Started> startProgram(QList<app::Answer> answers = {});

// Nitrogen chosen in the main window's list.
inline void chooseNitrogen(app::Program& p) {
  p.Form1->BboList->setCurrentRow(4);
  p.Form1->BboListClick();
}

// The ideal-process window shown and a process from 100 K and 0.1 MPa to
// 5 MPa computed and drawn; false when the window refused it.
inline bool drawIdealProcess(app::Program& p) {
  TForm2* f = p.Form2.get();
  f->show();
  f->Edit2->setText(QStringLiteral("100"));
  f->Edit4->setText(QStringLiteral("0.1"));
  f->PaNam3->setCurrentIndex(1);
  f->PaNam3Click();
  f->Edit10->setText(QStringLiteral("5"));
  if (!f->Calc0Click()) return false;
  f->BitBtn4->click();
  return true;
}

// With ENTROGRAF_SNAPSHOT=<file.png> the window is written there, the
// suffix put before ".png"; nothing without it.
inline void snapshot(QWidget* w, const char* suffix) {
  const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT");
  if (out.isEmpty()) return;
  QString file = QString::fromLocal8Bit(out);
  if (*suffix) file.replace(QStringLiteral(".png"), QString::fromLatin1(suffix) + QStringLiteral(".png"));
  EXPECT_TRUE(w->grab().save(file));
}

}  // namespace testing_support
