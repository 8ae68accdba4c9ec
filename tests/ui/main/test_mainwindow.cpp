// The main window as a student uses it: substance choice, fact sheet, limit
// fields and their refusals, menu.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

#include "core/diagram/picture.h"
#include "core/process/results.h"
#include "core/lines/linegen.h"
#include "gui_test_support.h"
#include "thermo/report.h"
#include "thermo/substances.h"
#include "ui/diagram/tsvid.h"
#include "ui/files/keeper.h"
#include "ui/main/mainwindow.h"
#include "ui/diagram/tspoints.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form2.h"
#include "ui/process/form3.h"
#include "ui/process/form5.h"
#include "ui/process/form6.h"
#include "ui/services/commode.h"
#include "ui/services/filedialog.h"

// Readable failures for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using app::Real;

QString sep() { return QString(QChar(app::decimalSeparator())); }

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    run = testing_support::startProgram();
    f = run->program.Form1.get();
  }
  void TearDown() override { testing_support::recorder().texts.clear(); }

  app::AppState& state() { return run->session.main; }
  app::DiagramStore& store() { return run->session.lines; }
  diagram::ProcStore& procs() { return run->session.procLines; }

  QStringList takeMessages() {
    QStringList t = testing_support::recorder().texts;
    testing_support::recorder().texts.clear();
    return t;
  }

  // Clicks the list item of a substance as the student does.
  void choose(int subst) {
    QListWidgetItem* item = f->BboList->item(subst - 1);
    f->BboList->scrollToItem(item);
    const QRect r = f->BboList->visualItemRect(item);
    QTest::mouseClick(f->BboList->viewport(), Qt::LeftButton, {}, r.center());
  }

  void activate() {
    f->show();
    f->raise();
    f->activateWindow();
    QApplication::setActiveWindow(f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
  }

  // Types text into a limit field and leaves it for the other one.
  void typeAndLeave(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    field->selectAll();
    if (text.isEmpty())
      QTest::keyClick(field, Qt::Key_Delete);
    else
      QTest::keyClicks(field, text);
    EXPECT_EQ(field->text(), text);
    QLineEdit* other = field == f->ETma ? f->ETmi : f->ETma;
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  std::unique_ptr<testing_support::Started> run;
  TForm1* f = nullptr;
};

struct StoreSnapshot {
  explicit StoreSnapshot(const app::DiagramStore& s) : st(std::make_unique<app::DiagramStore>(s)) {}
  bool sameAs(const app::DiagramStore& o) const {
    for (int i = 0; i <= 10; ++i)
      for (int k = 0; k <= 20; ++k)
        if (st->IsoT[i][k] != o.IsoT[i][k] || st->IsoS[i][k] != o.IsoS[i][k]) return false;
    for (int i = 0; i <= 10; ++i)
      if (st->DomeT[i] != o.DomeT[i]) return false;
    return st->Smin == o.Smin && st->Smax == o.Smax && st->HCount == o.HCount && st->HStep == o.HStep;
  }
  std::unique_ptr<app::DiagramStore> st;
};

TEST_F(MainWindow, LayoutHoldsEveryTextUnclipped) {
  EXPECT_EQ(f->windowTitle(), QStringLiteral("Entrograf[*]"));
  EXPECT_EQ(f->Client->size(), QSize(790, 523));
  ASSERT_EQ(f->BboList->count(), 11);
  for (int i = 1; i <= 11; ++i) EXPECT_EQ(f->BboList->item(i - 1)->text(), QString::fromUtf8(tfs::SubstNameRus[i]));
  EXPECT_EQ(f->BboList->currentRow(), 3);  // "Неон" preselected
  QStringList menu;
  for (QAction* a : f->MainMenu1->actions()) menu << a->text();
  EXPECT_EQ(menu, (QStringList{QStringLiteral(" Файл   "), QStringLiteral("  Точки   "), QStringLiteral("  Идеальн. процессы "),
                               QStringLiteral("  Реальн. процессы"), QStringLiteral("  Таблицы "),
                               QStringLiteral("  ТS диаграмма"), QStringLiteral("  Выход"), QStringLiteral("  Справка")}));
  EXPECT_EQ(f->findChild<QLineEdit*>(QStringLiteral("ETma"))->text(), QStringLiteral("300"));
  EXPECT_TRUE(f->findChild<QProgressBar*>(QStringLiteral("ProcBar")));
  EXPECT_TRUE(f->findChild<QGroupBox*>(QStringLiteral("TScale")));
  EXPECT_EQ(f->TScaleItems->checkedId(), 0);
  EXPECT_EQ(f->UnitsGrItems->checkedId(), 0);

  // All eleven substances are in view without scrolling.
  f->show();
  QApplication::processEvents();
  EXPECT_LE(f->BboList->visualItemRect(f->BboList->item(10)).bottom(), f->BboList->viewport()->height());

  // Fill the fact sheet with the longest substance name, then look for
  // texts wider or taller than their controls.
  choose(2);
  const QRect client(QPoint(0, 0), f->Client->size());
  for (QLabel* l : f->Client->findChildren<QLabel*>()) {
    SCOPED_TRACE(l->objectName().toStdString());
    EXPECT_TRUE(client.contains(l->geometry()));
    if (l->wordWrap()) {
      EXPECT_LE(l->heightForWidth(l->width()), l->height());
      // The fact sheet reads line by line: no line is broken.
      const QFontMetrics fm(l->font());
      for (const QString& line : l->text().split(QLatin1Char('\n')))
        EXPECT_LE(fm.horizontalAdvance(line), l->contentsRect().width()) << line.toStdString();
    } else {
      EXPECT_LE(l->sizeHint().width(), l->width());
    }
  }
  for (QRadioButton* b : f->Client->findChildren<QRadioButton*>()) {
    SCOPED_TRACE(b->text().toStdString());
    EXPECT_LE(b->sizeHint().width(), b->width());
    EXPECT_TRUE(QRect(QPoint(0, 0), b->parentWidget()->size()).contains(b->geometry()));
  }
  for (QPushButton* b : f->Client->findChildren<QPushButton*>()) EXPECT_LE(b->sizeHint().width(), b->width() + 10);
}

// The window as the student sees it after choosing nitrogen. With
// ENTROGRAF_SNAPSHOT=<file.png> the picture is also written there.
TEST_F(MainWindow, NitrogenAsSeen) {
  activate();
  choose(5);
  QApplication::processEvents();
  const QImage img = f->grab().toImage();
  ASSERT_EQ(img.size(), f->size());
  // Text is drawn in the fact sheet and in both limit fields.
  auto inked = [&](QWidget* w) {
    const QRect r(w->mapTo(f, QPoint(0, 0)), w->size());
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) dark += qGray(img.pixel(x, y)) < 100;
    return dark;
  };
  EXPECT_GT(inked(f->Label9), 300);
  EXPECT_GT(inked(f->ETmi), 20);
  EXPECT_GT(inked(f->ETma), 20);
  EXPECT_EQ(f->ETmi->text(), QStringLiteral("63") + sep() + QStringLiteral("15 "));
  if (const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT"); !out.isEmpty()) {
    EXPECT_TRUE(img.save(QString::fromLocal8Bit(out)));
  }
}

TEST_F(MainWindow, ChoosingAirFillsFactSheetAndLimits) {
  procs().ProcT[3][5] = 120;
  procs().ProcIndex = 3;
  procs().ProcCount = 3;
  choose(11);
  const app::AppState& st = state();
  EXPECT_TRUE(st.chosen);
  EXPECT_EQ(st.subst, 11);
  EXPECT_EQ(st.name, "Air");
  EXPECT_EQ(st.Tmin, tfs::Ttr[11] + Real(0.0001));
  EXPECT_EQ(st.Tmax, 350);
  EXPECT_NEAR(st.lnTmin, std::log(st.Tmin), 1e-15L);
  const QStringList lines = f->infoText().split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[0], QStringLiteral(" Вещество = Воздух  ( Air )"));
  EXPECT_EQ(lines[2], QStringLiteral(" Критическая температура      = 132") + sep() + QStringLiteral("520 K"));
  EXPECT_EQ(lines[3], QStringLiteral(" Критическое давление       =   3") + sep() + QStringLiteral("768 МПа"));
  // Air starts to boil at its bubble point, 78.90 K (the cubic model's own).
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral(" Температура кипения при 0,1 МПа =  78") + sep() + QStringLiteral("89")))
      << lines[4].toStdString();
  EXPECT_EQ(f->Label9->text(), QString(f->infoText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  EXPECT_EQ(f->Label3->text(), QStringLiteral(" Воздух "));
  EXPECT_EQ(f->ETmi->text(), QStringLiteral("63") + sep() + QStringLiteral("00 "));
  EXPECT_EQ(f->ETma->text(), QStringLiteral("350") + sep() + QStringLiteral("00 "));
  // Lines computed for air, process lines and counters cleared.
  EXPECT_EQ(store().IsoT[0][20], 350);
  EXPECT_LT(store().Smin, store().Smax);
  EXPECT_EQ(procs().ProcT[3][5], 0);
  EXPECT_EQ(procs().ProcIndex, 0);
  EXPECT_EQ(procs().ProcCount, 0);
  EXPECT_TRUE(run->program.TSvid->isVisible());
  EXPECT_TRUE(takeMessages().filter(QStringLiteral("ичего")).isEmpty());
}

TEST_F(MainWindow, TminBelowTriplePointIsCorrected) {
  choose(5);  // N2
  activate();
  takeMessages();
  typeAndLeave(f->ETmi, QStringLiteral("10"));
  EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("T мин < Т затвердевания !\nT мин будет скорректировано !")});
  EXPECT_EQ(f->ETmi->text(), QStringLiteral(" 63") + sep() + QStringLiteral("15"));
  EXPECT_EQ(state().Tmin, tfs::Ttr[5] + Real(0.0001));
}

TEST_F(MainWindow, TmaxAboveTheModelsHighestIsRefusedWithFocusBack) {
  choose(5);
  activate();
  procs().ProcCount = 2;
  const StoreSnapshot before(store());
  // Nitrogen's cubic model shows states up to 700 K.
  typeAndLeave(f->ETma, QStringLiteral("701"));
  EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("Зачем Вам такая высокая температура?")});
  EXPECT_EQ(QApplication::focusWidget(), f->ETma);
  EXPECT_EQ(state().Tmax, 350);  // not kept for a later recomputation
  EXPECT_EQ(f->ETma->text(), QStringLiteral("350") + sep() + QStringLiteral("00 "));
  EXPECT_TRUE(before.sameAs(store()));
  EXPECT_EQ(procs().ProcCount, 2);

  // A later change of Tmin computes with the old Tmax, not with 701.
  typeAndLeave(f->ETmi, QStringLiteral("70"));
  EXPECT_EQ(store().IsoT[5][20], 350);
}

TEST_F(MainWindow, LimitsTheLibraryCannotTakeAreRefused) {
  choose(5);
  activate();
  const StoreSnapshot before(store());
  const app::AppState kept = state();
  struct Case {
    QLineEdit* field;
    const char* text;
    const char* message;
  };
  for (const Case& c : {Case{f->ETma, "50", "T макс < Т затвердевания !\nT макс не будет изменено !"},
                        Case{f->ETma, "-20", "T макс < Т затвердевания !\nT макс не будет изменено !"},
                        Case{f->ETmi, "400", "T мин >= T макс !\nT мин не будет изменено !"},
                        Case{f->ETmi, "350", "T мин >= T макс !\nT мин не будет изменено !"}}) {
    SCOPED_TRACE(c.text);
    typeAndLeave(c.field, QString::fromUtf8(c.text));
    const QStringList m = takeMessages();
    ASSERT_FALSE(m.isEmpty());
    EXPECT_EQ(m.last(), QString::fromUtf8(c.message));
    EXPECT_EQ(state().Tmin, kept.Tmin);
    EXPECT_EQ(state().Tmax, kept.Tmax);
    EXPECT_TRUE(before.sameAs(store()));
  }
  // Tmax just above Tmin is taken: Tmin of 100 K, then Tmax below it refused.
  typeAndLeave(f->ETmi, QStringLiteral("100"));
  typeAndLeave(f->ETma, QStringLiteral("90"));
  EXPECT_EQ(takeMessages().last(), QStringLiteral("T макс <= T мин !\nT макс не будет изменено !"));
  EXPECT_EQ(state().Tmax, 350);
  // An empty Tmax field reads 0: its own message, then the refusal.
  typeAndLeave(f->ETma, QString());
  EXPECT_EQ(takeMessages(), (QStringList{QStringLiteral("В окно ничего не введено\rБудет принято нулевое значение!"),
                                        QStringLiteral("T макс < Т затвердевания !\nT макс не будет изменено !")}));
  EXPECT_EQ(state().Tmax, 350);
}

TEST_F(MainWindow, AcceptedLimitRecomputesAndResetsCounters) {
  choose(5);
  activate();
  procs().ProcT[1][0] = 100;
  procs().ProcIndex = 1;
  procs().ProcCount = 1;
  typeAndLeave(f->ETma, QStringLiteral("300,5"));
  // The comma is read, with the warning while the flag is still set.
  ASSERT_EQ(takeMessages().size(), 1);
  EXPECT_EQ(state().Tmax, 300.5L);
  EXPECT_NEAR(state().lnTmax, std::log(300.5L), 1e-15L);
  EXPECT_EQ(store().IsoT[4][20], 300.5L);
  EXPECT_EQ(procs().ProcIndex, 0);
  EXPECT_EQ(procs().ProcCount, 0);
  EXPECT_EQ(procs().ProcT[1][0], 100);  // lines are kept
  EXPECT_EQ(f->ProcBar->value(), 100);

  // One clean number clears the shared flag: later stray texts are silent.
  typeAndLeave(f->ETmi, QStringLiteral("70"));
  typeAndLeave(f->ETma, QStringLiteral("320K"));
  EXPECT_TRUE(takeMessages().isEmpty());
  EXPECT_EQ(state().Tmin, 70);
  EXPECT_EQ(state().Tmax, 320);
  EXPECT_EQ(store().DomeT[10], 70);
}

TEST_F(MainWindow, RepeatedLibraryNotesAreShownOnce) {
  choose(5);
  activate();
  takeMessages();
  // A diagram a tenth of a kelvin high above the triple point.
  typeAndLeave(f->ETma, QStringLiteral("63.25"));
  EXPECT_EQ(state().Tmax, 63.25L);
  const QStringList m = takeMessages();
  EXPECT_EQ(m.size(), QSet<QString>(m.begin(), m.end()).size()) << m.join(QLatin1Char('|')).toStdString();
  // The library's own handlers are back afterwards.
  tfs::message("x<0 in x^y");
  EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("x<0 in x^y")});
}

TEST_F(MainWindow, LeavingAnUneditedFieldChangesNothing) {
  choose(5);
  activate();
  procs().ProcCount = 4;
  // The field shows Tmin rounded below the triple point; passing through it
  // must not bring the correction message or a recomputation.
  f->ETmi->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  f->ETma->setFocus(Qt::TabFocusReason);
  f->ETmi->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(takeMessages().isEmpty());
  EXPECT_EQ(procs().ProcCount, 4);
}

TEST_F(MainWindow, LeavingLimitFieldsBeforeAChoiceDoesNothing) {
  activate();
  typeAndLeave(f->ETma, QStringLiteral("400"));
  typeAndLeave(f->ETmi, QString());
  EXPECT_TRUE(takeMessages().isEmpty());
  EXPECT_FALSE(state().chosen);
  EXPECT_EQ(store().HCount, -1);
}

TEST_F(MainWindow, DiagramFromMenuBeforeAChoiceComputesNeon) {
  f->Diagr->trigger();
  EXPECT_TRUE(state().chosen);
  EXPECT_EQ(state().name, "Ne");
  EXPECT_EQ(f->Label3->text(), QStringLiteral(" Неон "));
  EXPECT_GT(store().HCount, 0);
  EXPECT_TRUE(run->program.TSvid->isVisible());
}

TEST_F(MainWindow, ScaleGroupSetsTheSharedScaleKind) {
  f->TScaleItems->button(1)->click();
  EXPECT_EQ(state().scale, app::ScaleKind::Linear);
  f->TScaleItems->button(0)->click();
  EXPECT_EQ(state().scale, app::ScaleKind::Logarithmic);
}

TEST_F(MainWindow, DeactivationClearsProgressAndExitCloses) {
  choose(4);
  EXPECT_EQ(f->ProcBar->value(), 100);
  activate();
  run->program.TSvid->show();
  run->program.TSvid->activateWindow();
  QApplication::setActiveWindow(run->program.TSvid.get());
  QApplication::processEvents();
  EXPECT_EQ(f->ProcBar->value(), 0);
  f->Button2->click();
  EXPECT_FALSE(f->isVisible());
}

// The title bar marks work that no file holds yet with Qt's modified mark,
// whatever changed it, and names the work file.
TEST_F(MainWindow, TheTitleMarksUnsavedWork) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("n2.entrograf"));
  app::setFileDialog([&](const app::FileRequest&) { return path; });
  EXPECT_FALSE(f->isWindowModified());
  struct Step {
    const char* what;
    std::function<void()> act;
    bool modified;
    const char* title;
  };
  const Step steps[] = {
      {"substance", [&] { choose(5); }, true, "Entrograf[*]"},
      {"saved", [&] { ASSERT_TRUE(run->program.Files->save()); }, false, "Entrograf - n2.entrograf[*]"},
      {"units", [&] { f->UnitsGrItems->button(1)->click(); }, true, "Entrograf - n2.entrograf[*]"},
      {"a process typed", [&] { run->program.Form2->Edit2->setText(QStringLiteral("300")); }, true,
       "Entrograf - n2.entrograf[*]"},
      {"opened again", [&] { ASSERT_TRUE(run->program.Files->openFile(path)); }, false, "Entrograf - n2.entrograf[*]"},
      {"a point picked", [&] { run->session.points.push_back({}); run->session.touch(); }, true,
       "Entrograf - n2.entrograf[*]"},
      {"new work", [&] { run->session.savedChanges = run->session.changes; run->program.Files->newWork(); }, false,
       "Entrograf[*]"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(f->isWindowModified(), step.modified);
    EXPECT_EQ(f->windowTitle(), QString::fromLatin1(step.title));
  }
  app::setFileDialog([](const app::FileRequest&) { return QString(); });
}

// Per mole the diagram's isenthalps are round molar values (its labels
// multiples of the molar step); back per kilogram the lines are those of
// the first computation to the last bit.
TEST_F(MainWindow, PerMoleTheIsenthalpsAreRoundMolarValues) {
  choose(5);
  const auto before = std::make_unique<app::DiagramStore>(store());
  f->UnitsGrItems->button(1)->click();
  ASSERT_GE(store().HCount, 0);
  const diagram::Picture p = diagram::composePicture(run->session);
  int labels = 0;
  for (const diagram::Label& l : p.labels) {
    if (l.role != diagram::LabelRole::Isenthalp) continue;
    ++labels;
    const double v = QString::fromStdString(l.text).trimmed().toDouble();
    EXPECT_EQ(std::fmod(v, double(store().HStep)), 0) << l.text;
  }
  EXPECT_EQ(labels, store().HCount + 1);
  EXPECT_NE(std::memcmp(before->HValue, store().HValue, sizeof before->HValue), 0);
  f->UnitsGrItems->button(0)->click();
  EXPECT_EQ(std::memcmp(before.get(), &store(), sizeof(app::DiagramStore)), 0);
}

// Every radio choice of the windows follows its button's state, whether
// the button was clicked, switched by a script or through the
// accessibility interface (a screen reader): the choice ticked is the one
// computed.
TEST_F(MainWindow, EveryRadioChoiceFollowsItsButtonHoweverSwitched) {
  choose(5);
  TForm2* ideal = run->program.Form2.get();
  TForm5* real = run->program.Form5.get();
  struct Choice {
    const char* what;
    QAbstractButton* button;
    std::function<int()> chosen;
    int value;
  };
  std::vector<Choice> choices;
  for (int k = 0; k < 5; ++k)
    choices.push_back({"process", ideal->ProItem[k], [=] { return ideal->calc().ProcKind; }, k});
  for (int k = 0; k < proc::kDeviceCount; ++k)
    choices.push_back({"device", real->DevItem[k], [=] { return int(real->calc().Kind); }, k});
  for (int k = 0; k < 2; ++k) {
    choices.push_back({"units", f->UnitsGrItems->button(k), [this] { return int(state().units); }, k});
    choices.push_back({"scale", f->TScaleItems->button(k), [this] { return int(state().scale); }, k});
  }
  const std::pair<const char*, std::function<void(QAbstractButton*)>> ways[] = {
      {"accessibility", [](QAbstractButton* b) {
         QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
         ASSERT_TRUE(a && a->actionInterface());
         ASSERT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
         a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
       }},
      {"script", [](QAbstractButton* b) { b->setChecked(true); }},
      {"mouse", [](QAbstractButton* b) { b->click(); }}};
  for (const auto& [how, press] : ways) {
    // Each choice in turn, then back to the first of its group, so that
    // every button is switched on from another one.
    for (const bool back : {false, true}) {
      for (const Choice& c : choices) {
        if (back && c.value != 0) continue;
        SCOPED_TRACE(testing::Message() << how << ' ' << c.what << ' ' << c.value);
        press(c.button);
        EXPECT_TRUE(c.button->isChecked());
        EXPECT_EQ(c.chosen(), c.value);
      }
    }
  }
  // The real-process window's fields follow the device ticked.
  QAccessible::queryAccessibleInterface(real->DevItem[int(proc::Device::Throttle)])
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_FALSE(real->EEta->isEnabled());
  EXPECT_TRUE(real->EP2->isEnabled());
}

// The model choice: every window computes on the model chosen, as after a
// substance choice. Nitrogen boils at its published 77.355 K by the
// reference equation (77.352 K by the cubic model's own saturation line):
// the fact sheet, an ideal process from the boiling liquid, a throttle into
// the dome and the Linde–Hampson cycle's liquid give that model's value; a
// state picked on the diagram is that model's state; every heading and
// every row names its model.
TEST_F(MainWindow, ModelChoiceSwitchesEveryWindowToThatModel) {
  choose(5);
  TForm2* ideal = run->program.Form2.get();
  TForm5* real = run->program.Form5.get();
  TCycles* cycles = run->program.Cycles.get();
  TTSvid* tv = run->program.TSvid.get();
  EXPECT_EQ(f->ModelGrItems->checkedId(), 0);
  EXPECT_EQ(f->ModelGr->title(), QStringLiteral("  Модель свойств веществ "));
  struct Case {
    tfs::ModelKind kind;
    double Tboil, Tcr;  // K
    const char* title;
    const char* cell;
  };
  const Case cases[] = {{tfs::ModelKind::Reference, 77.355, 126.192, "Эталонное уравнение состояния", "эталонное"},
                        {tfs::ModelKind::Cubic, 77.352, 126.25, "Кубическое уравнение (SRK)", "SRK"}};
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    ++n;
    const tfs::Model& m = tfs::model(5, c.kind);
    const tfs::Model& other = tfs::model(5, c.kind == tfs::ModelKind::Cubic ? tfs::ModelKind::Reference : tfs::ModelKind::Cubic);
    procs().ProcT[1][0] = 100;
    procs().ProcIndex = procs().ProcCount = 1;
    run->session.deviceLines.lines.resize(1);
    f->ModelGrItems->button(int(c.kind))->click();
    EXPECT_EQ(state().model, c.kind);
    EXPECT_TRUE(tv->isVisible());
    // The former model's lines come off the diagram; the dome ends at the
    // model's own critical point; Tmin sits on its own triple point.
    EXPECT_EQ(procs().ProcCount, 0);
    EXPECT_EQ(procs().ProcT[1][0], 0);
    EXPECT_TRUE(run->session.deviceLines.lines.empty());
    EXPECT_EQ(state().Tmin, m.limits().Ttr + Real(0.0001));
    EXPECT_NEAR(double(store().DomeT[1]), c.Tcr - 0.01 * (c.Tcr - double(state().Tmin)), 1e-6);
    EXPECT_EQ(f->ETmi->text(), app::fmt("%5.2f ", state().Tmin));
    EXPECT_TRUE(f->infoText().contains(app::fmt("%7.3f K", Real(c.Tboil)))) << f->infoText().toStdString();
    const QString heading = QStringLiteral(" Рабочее вещество - Азот  [ %1 ] ").arg(QString::fromUtf8(c.title));
    EXPECT_EQ(ideal->Label1->text(), heading);
    EXPECT_EQ(real->Label1->text(), heading);
    EXPECT_EQ(cycles->Label1->text(), heading);

    // The ideal window: the boiling liquid at 0.101325 MPa heated to 300 K.
    ideal->setProBoxIndex(proc::kIsobar);
    ideal->ProBoxClick();
    ideal->PaNam1->setCurrentIndex(proc::kPressure);
    ideal->PaNam1Click();
    ideal->PaNam2->setCurrentIndex(proc::kDryness);
    ideal->PaNam2Click();
    ideal->Edit2->setText(app::fmt("%.6f", Real(0.101325L)));
    ideal->Edit4->setText(QStringLiteral("0"));
    ideal->PaNam3->setCurrentIndex(proc::kTemperature);
    ideal->PaNam3Click();
    ideal->Edit10->setText(QStringLiteral("300"));
    ASSERT_TRUE(ideal->Calc0Click());
    EXPECT_NEAR(double(ideal->calc().StartPt.T), c.Tboil, 5e-4);
    ideal->BitBtn1Click();
    TForm3* results = run->program.Form3.get();
    EXPECT_EQ(results->cell(proc::kResultColumns - 1, 2 * n - 1), QString::fromUtf8(c.cell));
    EXPECT_TRUE(results->Label1->text().contains(QString::fromUtf8(c.title)));

    // The real-process window: liquid at 1 MPa throttled into the dome.
    real->DevItem[int(proc::Device::Throttle)]->click();
    real->Edit2->setText(QStringLiteral("100"));
    real->Edit4->setText(QStringLiteral("1"));
    real->EP2->setText(app::fmt("%.6f", Real(0.101325L)));
    real->Calc0->click();
    ASSERT_EQ(real->calc().Result.status, proc::DeviceStatus::Solved);
    EXPECT_NEAR(double(real->calc().Result.outlet.T), c.Tboil, 5e-4);
    real->BitBtn1->click();
    TForm6* devices = run->program.Form6.get();
    EXPECT_EQ(devices->cell(proc::kDeviceColumns - 1, 3 * n - 2), QString::fromUtf8(c.cell));

    // The cycle, solved again on the model: its liquid boils there too.
    const proc::CycleState* liquid = run->session.cycles.result.at(5);
    ASSERT_NE(liquid, nullptr);
    EXPECT_NEAR(double(liquid->p.T), c.Tboil, 5e-4);

    // A state picked on the diagram: the model's own state at its T and s.
    tv->resize(1200, 900);
    QApplication::processEvents();
    tv->Timer1Timer();
    const QPoint at = tv->viewPosOf(6, 200).toPoint();
    QTest::mouseMove(tv->Chart1View, at + QPoint(0, 1));
    QTest::mouseMove(tv->Chart1View, at);
    QTest::mouseClick(tv->Chart1View, Qt::LeftButton, {}, at);
    ASSERT_EQ(int(run->session.points.size()), n);
    const app::PointRow& row = run->session.points.back();
    EXPECT_EQ(row.model, c.kind);
    Real P = 0, d = 0, h = 0, Cp = 0, x = 0, Po = 0;
    m.Pdh_Ts(row.T, row.s, P, d, h, Cp, x);
    EXPECT_NEAR(double(row.P), double(P), 1e-9 * double(P));
    other.Pdh_Ts(row.T, row.s, Po, d, h, Cp, x);
    EXPECT_GT(std::fabs(double(Po - P)), 1e-4 * double(P));  // the other model's differs
    TTS_points* points = run->program.TS_points.get();
    EXPECT_EQ(points->cell(9, n).trimmed(), QString::fromUtf8(c.cell));
  }
  // Rows of both models in one table: each keeps its own, the headings name both.
  const QString both = QStringLiteral("[ Кубическое уравнение (SRK); Эталонное уравнение состояния ]");
  EXPECT_TRUE(run->program.Form3->Label1->text().endsWith(both));
  EXPECT_TRUE(run->program.Form6->Label1->text().endsWith(both));
  EXPECT_TRUE(run->program.TS_points->Label1->text().endsWith(both));
  EXPECT_EQ(run->program.Form3->cell(proc::kResultColumns - 1, 1), QStringLiteral("эталонное"));
  EXPECT_TRUE(takeMessages().isEmpty());
}

// Tmax up to the model's highest temperature is taken, and the lines reach
// it; above, the specified refusal. Tmin's bound is each model's triple
// point (methane: the reference equation ends at 625 K, 90.6941 K triple
// point; the cubic model 1000 K, 90.68 K).
TEST_F(MainWindow, LimitsFollowTheChosenModel) {
  choose(9);
  activate();
  struct Case {
    int model;
    const char* Tmax;
    Real Tmin;  // the triple point
    Real highest;
  };
  for (const Case& c : {Case{0, "1000", 90.68L, 1000}, Case{1, "625", 90.6941L, 625}}) {
    SCOPED_TRACE(c.model);
    f->ModelGrItems->button(c.model)->click();
    activate();  // back from the diagram the choice showed
    takeMessages();
    typeAndLeave(f->ETma, QString::fromLatin1(c.Tmax));
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(state().Tmax, c.highest);
    EXPECT_EQ(store().IsoT[10][20], c.highest);
    typeAndLeave(f->ETma, app::fmt("%.2f", c.highest + Real(0.01)));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("Зачем Вам такая высокая температура?")});
    EXPECT_EQ(state().Tmax, c.highest);
    typeAndLeave(f->ETmi, QStringLiteral("50"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("T мин < Т затвердевания !\nT мин будет скорректировано !")});
    EXPECT_NEAR(double(state().Tmin), double(c.Tmin + Real(0.0001)), 1e-9);
  }
  // Back to the cubic model: 625 K stays, its lower triple point is taken.
  f->ModelGrItems->button(0)->click();
  EXPECT_EQ(state().Tmax, 625);
  EXPECT_NEAR(double(state().Tmin), 90.6801, 1e-9);
}

}  // namespace
