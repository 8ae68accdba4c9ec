#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <cmath>
#include <memory>

#include "core/base/libguard.h"
#include "core/lines/linegen.h"
#include "core/session/substance.h"
#include "thermo/substances.h"
#include "ui/services/commode.h"
#include "ui/services/messages.h"

namespace {

using app::Real;

constexpr int kClientW = 790, kClientH = 523;

// The substance as the list names it, in the user's language.
QString rus(int subst) { return QString::fromStdString(app::listName(subst)); }

// An entry of the menu bar or of a menu, named as the window's layout
// names it.
template <class Menu>
QAction* namedAction(Menu* menu, const char* name, const QString& text) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h,
                  const QFont* font = nullptr) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  if (font) l->setFont(*font);
  l->setGeometry(x, y, w, h);
  // Sized to the text like a self-sizing label, never narrower than its box.
  const QSize hint = l->sizeHint();
  l->resize(std::max(w, hint.width()), std::max(h, hint.height()));
  return l;
}

QGroupBox* makeRadioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items,
                          int x, int y, int w, int h, QButtonGroup*& group) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(x, y, w, h);
  group = new QButtonGroup(box);
  const int top = 18, avail = h - top - 4;
  const int rowH = avail / int(items.size());
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], box);
    b->setObjectName(QString::fromLatin1(name) + QString::number(i));
    b->setGeometry(8, top + i * rowH + (rowH - 20) / 2, w - 12, 20);
    group->addButton(b, i);
  }
  group->button(0)->setChecked(true);
  return box;
}

}  // namespace

TForm1::TForm1(app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("Form1"));
  // "[*]": Qt's mark of unsaved work, shown while the window is modified.
  setWindowTitle(QStringLiteral("Entrograf[*]"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  QFont base = font();
  base.setPixelSize(11);
  setFont(base);

  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  FilesMenu = MainMenu1->addMenu(QCoreApplication::translate("TForm1", " Файл   "));
  Files = FilesMenu->menuAction();
  Files->setObjectName(QStringLiteral("Files"));
  Points = namedAction(MainMenu1, "Points", QCoreApplication::translate("TForm1", "  Точки   "));
  IdProc = namedAction(MainMenu1, "IdProc", QCoreApplication::translate("TForm1", "  Идеальн. процессы "));
  RealProc = namedAction(MainMenu1, "RealProc", QCoreApplication::translate("TForm1", "  Реальн. процессы"));
  // The results tables shown without writing a row.
  TablesMenu = MainMenu1->addMenu(QCoreApplication::translate("TForm1", "  Таблицы "));
  TablesMenu->setObjectName(QStringLiteral("TablesMenu"));
  Tables = TablesMenu->menuAction();
  Tables->setObjectName(QStringLiteral("Tables"));
  IdTable =
      namedAction(TablesMenu, "IdTable", QCoreApplication::translate("TForm1", "Результаты идеальных процессов"));
  RealTable =
      namedAction(TablesMenu, "RealTable", QCoreApplication::translate("TForm1", "Результаты реальных процессов"));
  Diagr = namedAction(MainMenu1, "Diagr", QCoreApplication::translate("TForm1", "  ТS диаграмма"));
  AllEnd = namedAction(MainMenu1, "AllEnd", QCoreApplication::translate("TForm1", "  Выход"));
  const int menuH = MainMenu1->sizeHint().height();
  MainMenu1->setGeometry(0, 0, kClientW, menuH);

  Client = new QWidget(this);
  Client->setObjectName(QStringLiteral("Client"));
  Client->setGeometry(0, menuH, kClientW, kClientH);
  setFixedSize(kClientW, kClientH + menuH);
  QWidget* c = Client;

  QFont big = base;
  big.setPixelSize(18);
  big.setBold(true);
  Label1 = makeLabel(c, "Label1", QCoreApplication::translate("TForm1", "Учебная программа"), 112, 24, 179, 24, &big);
  Label1->setStyleSheet(QStringLiteral("color: blue"));
  QFont title = base;
  title.setPixelSize(20);
  title.setBold(true);
  Label2 = makeLabel(c, "Label2", QStringLiteral("\" Entrograf \""), 32, 56, 480, 24, &title);
  Label2->setStyleSheet(QStringLiteral("color: red"));
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  QFont bold = base;
  bold.setBold(true);
  Label4 = makeLabel(c, "Label4", QCoreApplication::translate("TForm1", "Выбор вешества"), 56, 96, 123, 16, &bold);
  Label3 = makeLabel(c, "Label3", QString(), 280, 96, 48, 16, &bold);

  BboList = new QListWidget(c);
  BboList->setObjectName(QStringLiteral("BboList"));
  BboList->setGeometry(32, 120, 169, 137);
  QFont listFont = base;
  listFont.setPixelSize(10);  // all eleven names without scrolling
  BboList->setFont(listFont);

  Label9 = new QLabel(c);
  Label9->setObjectName(QStringLiteral("Label9"));
  // A little wider than its design box so that no line of the fact sheet
  // breaks in this font; it still ends before the units group.
  QFont small = base;
  small.setPixelSize(10);
  Label9->setFont(small);
  Label9->setGeometry(216, 128, 268, 121);
  Label9->setWordWrap(true);
  Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  UnitsGr = makeRadioGroup(c, "UnitsGr", QCoreApplication::translate("TForm1", "  Размерности выводимых величин "),
                           {QCoreApplication::translate("TForm1", "Удельные [ кг/м3,   кДж/кг,    кДж/(кг.К) ]"),
                            QCoreApplication::translate("TForm1", "Мольные  [ моль/л, Дж/моль, Дж/(моль.К) ]")},
                           488, 120, 297, 121, UnitsGrItems);
  // Between the units and the scale, in their look.
  ModelGr = makeRadioGroup(c, "ModelGr", QCoreApplication::translate("TForm1", "  Модель свойств веществ "),
                           {app::qstr(app::modelTitle(tfs::ModelKind::Cubic)),
                            app::qstr(app::modelTitle(tfs::ModelKind::Reference))},
                           488, 248, 297, 66, ModelGrItems);
  Label10 = makeLabel(c, "Label10", QCoreApplication::translate("TForm1", "Параметры TS диаграммы"), 240, 288, 195, 16, &bold);
  Label11 = makeLabel(c, "Label11", QCoreApplication::translate("TForm1", "Пределы температуры"), 136, 320, 136, 13, &bold);
  TScale = makeRadioGroup(c, "TScale", QCoreApplication::translate("TForm1", "   Шкала температур диаграммы "),
                          {QCoreApplication::translate("TForm1", "Логарифмическая шкала"), QCoreApplication::translate("TForm1", "Линейная шкала")}, 488, 320,
                          297, 89, TScaleItems);

  Label5 = makeLabel(c, "Label5", QCoreApplication::translate("TForm1", "Максимальная т-ра, К"), 88, 352, 113, 13);
  ETma = new QLineEdit(QStringLiteral("300"), c);
  ETma->setObjectName(QStringLiteral("ETma"));
  ETma->setGeometry(232, 344, 57, 21);
  Label6 = makeLabel(c, "Label6", QCoreApplication::translate("TForm1", "Минимальная т-ра, К "), 88, 392, 110, 13);
  ETmi = new QLineEdit(c);
  ETmi->setObjectName(QStringLiteral("ETmi"));
  ETmi->setGeometry(232, 384, 57, 21);

  Button1 = new QPushButton(QCoreApplication::translate("TForm1", "Пересчет"), c);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(344, 360, 75, 25);
  Label8 = makeLabel(c, "Label8", QCoreApplication::translate("TForm1", "Выполнение вспомогательных операций"), 304, 448, 208, 13);
  Button2 = new QPushButton(QCoreApplication::translate("TForm1", "Выход"), c);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(40, 472, 89, 25);
  ProcBar = new QProgressBar(c);
  ProcBar->setObjectName(QStringLiteral("ProcBar"));
  ProcBar->setGeometry(232, 472, 400, 25);
  ProcBar->setRange(0, 100);
  ProcBar->setValue(0);
  ProcBar->setTextVisible(false);

  connect(BboList, &QListWidget::itemClicked, this, [this] { BboListClick(); });
  connect(BboList, &QListWidget::itemActivated, this, [this] { BboListClick(); });
  // Each choice follows its button's state, however it was switched (mouse,
  // keyboard, a script or a screen reader).
  connect(TScaleItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) TScaleClick(id);
  });
  connect(UnitsGrItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) UnitsGrClick(id);
  });
  connect(ModelGrItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (on) ModelGrClick(id);
  });
  connect(Points, &QAction::triggered, this, &TForm1::pointsWindowWanted);
  connect(IdTable, &QAction::triggered, this, &TForm1::resultsWindowWanted);
  connect(RealTable, &QAction::triggered, this, &TForm1::realResultsWindowWanted);
  buildFilesMenu();
  buildHelpMenu();
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(AllEnd, &QAction::triggered, this, &TForm1::Button2Click);
  connect(Diagr, &QAction::triggered, this, &TForm1::DiagrClick);
  connect(IdProc, &QAction::triggered, this, &TForm1::IdProcClick);
  connect(RealProc, &QAction::triggered, this, &TForm1::RealProcClick);
  ETma->installEventFilter(this);
  ETmi->installEventFilter(this);
  // Enter applies an edited limit as leaving the field does.
  for (QLineEdit* field : {ETma, ETmi})
    connect(field, &QLineEdit::returnPressed, this, [this, field] {
      if (!field->isModified()) return;
      field->setModified(false);
      if (field == ETmi)
        ETmiExit();
      else
        ETmaExit();
    });

  FormCreate();
}

void TForm1::buildFilesMenu() {
  FilesMenu->setObjectName(QStringLiteral("FilesMenu"));
  auto item = [this](const char* name, const QString& text, const QKeySequence& keys, void (TForm1::*wanted)()) {
    QAction* a = FilesMenu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(keys);
    connect(a, &QAction::triggered, this, wanted);
    return a;
  };
  NewWork = item("NewWork", QCoreApplication::translate("TForm1", "Новый"), QKeySequence::New, &TForm1::newWanted);
  OpenWork = item("OpenWork", QCoreApplication::translate("TForm1", "Открыть..."), QKeySequence::Open, &TForm1::openWanted);
  // Ctrl+S here: the diagram window's own Ctrl+S acts only in that window.
  SaveWork = item("SaveWork", QCoreApplication::translate("TForm1", "Сохранить"), QKeySequence::Save, &TForm1::saveWanted);
  SaveWorkAs = item("SaveWorkAs", QCoreApplication::translate("TForm1", "Сохранить как..."), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
                    &TForm1::saveAsWanted);
  FilesMenu->addSeparator();
  RecentMenu = FilesMenu->addMenu(QCoreApplication::translate("TForm1", "Недавние файлы"));
  RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
  RecentMenu->setEnabled(false);
  FilesMenu->addSeparator();
  SaveDiagram = item("SaveDiagramFile", QCoreApplication::translate("TForm1", "Сохранить диаграмму..."), {}, &TForm1::diagramSaveWanted);
  SavePoints = item("SavePointsCsv", QCoreApplication::translate("TForm1", "Сохранить точки в CSV..."), {}, &TForm1::pointsSaveWanted);
  SaveResults = item("SaveResultsCsv", QCoreApplication::translate("TForm1", "Сохранить процессы в CSV..."), {}, &TForm1::resultsSaveWanted);
  // No diagram to save before a substance is chosen.
  connect(FilesMenu, &QMenu::aboutToShow, this, [this] { SaveDiagram->setEnabled(session_.main.chosen); });
}

void TForm1::buildHelpMenu() {
  HelpMenu = MainMenu1->addMenu(QCoreApplication::translate("TForm1", "  Справка"));
  HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
  Guide = HelpMenu->addAction(QCoreApplication::translate("TForm1", "Руководство"));
  Guide->setObjectName(QStringLiteral("Guide"));
  Guide->setShortcut(QKeySequence::HelpContents);
  About = HelpMenu->addAction(QCoreApplication::translate("TForm1", "О программе"));
  About->setObjectName(QStringLiteral("About"));
  connect(Guide, &QAction::triggered, this, &TForm1::guideWanted);
  connect(About, &QAction::triggered, this, &TForm1::aboutWanted);
}

void TForm1::setRecentFiles(const QStringList& paths) {
  RecentMenu->clear();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    QAction* a = RecentMenu->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
    connect(a, &QAction::triggered, this, [this, path] { emit recentWanted(path); });
  }
  RecentMenu->setEnabled(!paths.isEmpty());
}

void TForm1::showSession() {
  const app::AppState& st = session_.main;
  BboList->setCurrentRow(st.subst - 1);
  if (st.chosen) {
    Label3->setText(QStringLiteral(" ") + rus(st.subst) + QStringLiteral(" "));
    ETmi->setText(app::fmt("%5.2f ", st.Tmin));
    ETma->setText(app::fmt("%5.2f ", st.Tmax));
    buildInfo();
  } else {
    // As at start.
    Label3->clear();
    ETmi->clear();
    ETma->setText(QStringLiteral("300"));
    info_.clear();
    Label9->clear();
  }
  Label3->adjustSize();
  for (QLineEdit* field : {ETmi, ETma}) field->setModified(false);
  {
    // Shown as the session holds them: nothing to choose again.
    const QSignalBlocker q1(UnitsGrItems), q2(TScaleItems), q3(ModelGrItems);
    UnitsGrItems->button(int(st.units))->setChecked(true);
    TScaleItems->button(int(st.scale))->setChecked(true);
    ModelGrItems->button(int(st.model))->setChecked(true);
  }
  ProcBar->setValue(0);
}

void TForm1::FormCreate() {
  if (QScreen* s = screen()) {
    const QRect g = s->geometry();
    move(g.x() + int(std::nearbyint((g.width() - 800) / 2.0)), g.y() + int(std::nearbyint((g.height() - 600) / 2.0)));
  }
  app::AppState& st = session_.main;
  st.subst = 4;
  st.name = tfs::SubstName[4];
  for (int i = 1; i <= tfs::kSubstCount; ++i) BboList->addItem(rus(i));
  BboList->setCurrentRow(3);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Leaving a limit field for another control of this window (not a switch
  // to another window) is its exit event.
  if (event->type() == QEvent::FocusOut && (watched == ETma || watched == ETmi)) {
    const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
    auto* field = static_cast<QLineEdit*>(watched);
    // Leaving a field that was not edited changes no limit.
    if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason && field->isModified()) {
      field->setModified(false);
      if (field == ETmi)
        ETmiExit();
      else
        ETmaExit();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) FormDeactivate();
  QWidget::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Unsaved work is saved or dropped first, as the student answers.
  if (mayClose && !mayClose()) {
    event->ignore();
    return;
  }
  event->accept();
  // Closing the main window ends the program, whatever else is open.
  QCoreApplication::quit();
}

bool TForm1::recompute(const app::AppState& candidate) {
  const app::LineInputs in = app::lineInputs(candidate);

  // The library's notes (e.g. an entropy below the solidification line on a
  // diagram only a fraction of a kelvin high) repeat for every point of a
  // line: each different text is shown once, after the computation.
  QStringList notes;
  auto fresh = std::make_unique<app::DiagramStore>();
  bool ok = false;
  {
    const app::ScopedLibraryMessages collect([&notes](const std::string& text) {
      const QString q = QString::fromStdString(text);
      if (!notes.contains(q)) notes << q;
    });
    ok = app::libraryGuarded([&] { app::ComputeAll(*fresh, in, [this](int p) { ProcBar->setValue(p); }); });
  }
  for (const QString& q : notes) app::messages().show(q);
  if (!ok) {
    ProcBar->setValue(0);
    app::messages().show(QCoreApplication::translate("TForm1", "Диаграмма при этих условиях не рассчитывается !\n"
                                        "Остаются прежние значения !"));
    return false;
  }
  session_.lines = *fresh;
  session_.main = candidate;
  session_.main.chosen = true;
  session_.linesRevision += 1;
  session_.touch();
  return true;
}

void TForm1::buildInfo() {
  QStringList lines;
  for (const std::string& l : app::factSheet(session_.main.eos())) lines << QString::fromStdString(l);
  info_ = lines.join(QStringLiteral("\r\n"));
  Label9->setText(lines.join(QLatin1Char('\n')));
}

void TForm1::BboListClick() {
  const app::MessageScope action;
  const int row = BboList->currentRow();
  if (row < 0 || row >= tfs::kSubstCount) return;
  const app::AppState previous = session_.main;
  const app::AppState c = app::substanceChoice(previous, row + 1);
  if (!recompute(c)) {
    if (previous.chosen) BboList->setCurrentRow(previous.subst - 1);
    return;
  }
  const QString name = rus(c.subst);
  Label3->setText(QStringLiteral(" ") + name + QStringLiteral(" "));
  Label3->adjustSize();
  diagramRenewed();
}

void TForm1::ETmiExit() { limitExit(ETmi, true); }

void TForm1::ETmaExit() { limitExit(ETma, false); }

void TForm1::limitExit(QLineEdit* field, bool lower) {
  const app::MessageScope action;
  // No limits exist before a substance is chosen.
  if (!session_.main.chosen) return;
  const app::AppState cur = session_.main;
  Real typed = lower ? cur.Tmin : cur.Tmax;
  app::EditToNumber(field->text(), typed, warn_);
  const app::LimitCheck check =
      lower ? app::checkTmin(cur.eos(), typed, cur.Tmax) : app::checkTmax(cur.eos(), cur.Tmin, typed);
  // A Tmin below the triple point is raised to it, with a word.
  if (check.fault == app::LimitFault::TminBelowTriple) {
    app::messages().show(app::qstr(app::limitMessage(check.fault)));
    field->setText(app::fmt(" %4.2f", check.value));
  }
  if (check.refused()) {
    app::messages().show(app::qstr(app::limitMessage(check.fault)));
    field->setText(app::fmt("%5.2f ", lower ? cur.Tmin : cur.Tmax));
    // Back into the field once the focus change under way has finished.
    if (check.fault == app::LimitFault::TmaxTooHigh)
      QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
    return;
  }
  const app::AppState next = lower ? app::withLimits(cur, check.value, cur.Tmax)
                                   : app::withLimits(cur, cur.Tmin, check.value);
  if (!recompute(next)) {
    field->setText(app::fmt("%5.2f ", lower ? session_.main.Tmin : session_.main.Tmax));
    return;
  }
  session_.procLines.resetCounters();
  emit diagramComputed();
}

void TForm1::TScaleClick(int index) {
  const app::ScaleKind scale = index == 0 ? app::ScaleKind::Logarithmic : app::ScaleKind::Linear;
  if (scale != session_.main.scale) session_.touch();
  session_.main.scale = scale;
  emit scaleChanged();
}

void TForm1::UnitsGrClick(int index) {
  const app::Units u = index == 0 ? app::Units::Specific : app::Units::Molar;
  if (u == session_.main.units) return;
  session_.main.units = u;
  // The isenthalps take round values of the units shown: the lines again
  // for them (the same substance and limits: nothing else changes).
  if (session_.main.chosen) {
    const app::MessageScope action;
    auto fresh = std::make_unique<app::DiagramStore>();
    if (app::libraryGuarded([&] { app::ComputeAll(*fresh, app::lineInputs(session_.main), {}); }))
      session_.lines = *fresh;
  }
  session_.touch();
  emit unitsChanged();
}

void TForm1::ModelGrClick(int index) {
  const tfs::ModelKind kind = index == 1 ? tfs::ModelKind::Reference : tfs::ModelKind::Cubic;
  const app::AppState previous = session_.main;
  if (kind == previous.model) return;
  if (!previous.chosen) {
    // Nothing computed yet: the substance chosen next takes this model.
    session_.main = app::modelChoice(previous, kind);
    session_.touch();
    return;
  }
  // Everything computed again by the other model, as for another
  // substance; the limits stay where the model admits them.
  const app::MessageScope action;
  if (!recompute(app::modelChoice(previous, kind))) {
    const QSignalBlocker quiet(ModelGrItems);
    ModelGrItems->button(int(previous.model))->setChecked(true);
    return;
  }
  diagramRenewed();
}

void TForm1::diagramRenewed() {
  ETmi->setText(app::fmt("%5.2f ", session_.main.Tmin));
  ETma->setText(app::fmt("%5.2f ", session_.main.Tmax));
  for (QLineEdit* field : {ETmi, ETma}) field->setModified(false);
  buildInfo();
  session_.procLines.resetCounters();
  session_.procLines.clearLines();
  emit substanceChosen(QString::fromStdString(app::substanceHeading(session_.main)));
  emit diagramComputed();
  emit diagramWanted();
}

void TForm1::FormDeactivate() { ProcBar->setValue(0); }

void TForm1::Button2Click() { close(); }

void TForm1::DiagrClick() {
  if (!session_.main.chosen) {
    // Nothing computed yet: take the preselected substance as if clicked.
    BboList->setCurrentRow(session_.main.subst - 1);
    BboListClick();
    return;
  }
  emit diagramWanted();
}

void TForm1::IdProcClick() { emit processWindowWanted(); }

void TForm1::RealProcClick() { emit realProcessWindowWanted(); }
