#include "process/form2.h"

#include <QApplication>
#include <QGuiApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/appstate.h"
#include "app/commode.h"
#include "app/libguard.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/windows.h"
#include "diagram/procstore.h"
#include "diagram/tsvid.h"
#include "process/form3.h"
#include "process/path.h"
#include "thermo/substances.h"

using proc::Real;

namespace {

const QString kPairMsg = QStringLiteral("Принятое Вами сочетание параметров\nне разрешено в данной программе.");
const QString kLinesMsg = QStringLiteral("В программе число линий процессов\nограничено 10-тью линиями");
const QString kCoincideMsg = QStringLiteral("Параметры начальной и конечной точек\nсовпадают!");

QColor Lime() { return QColor(0, 255, 0); }
QColor Aqua() { return QColor(0, 255, 255); }
QColor Yellow() { return QColor(255, 255, 0); }

void Paint(QWidget* w, const QColor& c) {
  w->setAutoFillBackground(true);
  QPalette p = w->palette();
  p.setColor(QPalette::Window, c);
  w->setPalette(p);
}

QLineEdit* Entry(QWidget* parent, int left, int top, int width = 49, int height = 21) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(left, top, width, height);
  e->setTextMargins(0, 0, 0, 0);
  return e;
}

QLabel* Caption(QWidget* parent, const QString& text, int left, int top, bool bold = false) {
  auto* l = new QLabel(text, parent);
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  l->move(left, top);
  l->adjustSize();
  return l;
}

QComboBox* ParamList(QWidget* parent, int left, int top) {
  auto* c = new QComboBox(parent);
  c->setGeometry(left, top, 145, 21);
  c->addItems(TForm2::paramItems());
  return c;
}

QPushButton* Button(QWidget* parent, const QString& text, int left, int top, int width = 97, int height = 25) {
  auto* b = new QPushButton(text, parent);
  b->setGeometry(left, top, width, height);
  return b;
}

bool Inside(const QWidget* w, const QWidget* panel) {
  for (; w; w = w->parentWidget())
    if (w == panel) return true;
  return false;
}

}  // namespace

struct TForm2::Snapshot {
  proc::ProcPoint st, en;
  Real shownStart[proc::kParamCount], shownEnd[proc::kParamCount];
  Real Q, L, dd, di, ds;
  QStringList texts;
};

const QStringList& TForm2::paramItems() {
  static const QStringList items = {
      QStringLiteral(" Температура"), QStringLiteral(" Давление"), QStringLiteral(" Плотность"),
      QStringLiteral(" Уд. объем"),   QStringLiteral(" Энтальпия"), QStringLiteral(" Энтропия"),
      QStringLiteral(" Степень сухости")};
  return items;
}

const QStringList& TForm2::unitLabels() {
  static const QStringList units = {QStringLiteral("K"),      QStringLiteral("МПа"),        QStringLiteral("кг/м3"),
                                    QStringLiteral("м3/кг"),  QStringLiteral("кДж/кг"),     QStringLiteral("кДж/(кг.К)"),
                                    QStringLiteral("%")};
  return units;
}

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Расчет идеальных термодинамических процессов"));
  setFixedSize(800, 572);
  // A small font, so that the numbers fit the narrow fields.
  QFont base = font();
  base.setPixelSize(11);
  setFont(base);

  Label1 = new QLabel(this);
  QFont bold = base;
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setGeometry(280, 16, 55, 20);

  ProBox = new QGroupBox(QStringLiteral("Выбор процесса"), this);
  ProBox->setGeometry(8, 40, 225, 185);
  Paint(ProBox, Lime());
  ProGroup = new QButtonGroup(this);
  const QStringList procs = {QStringLiteral("Изотерма ( Т = const )"), QStringLiteral("Изобара ( P = const )"),
                             QStringLiteral("Изохора ( v = const )"), QStringLiteral("Изоэнтальпа ( i = const )"),
                             QStringLiteral("Изоэнтропа ( S = const )")};
  for (int k = 0; k < 5; ++k) {
    ProItem[k] = new QRadioButton(procs[k], ProBox);
    ProItem[k]->setGeometry(12, 28 + k * 30, 205, 22);
    ProGroup->addButton(ProItem[k], k);
  }

  // Start state.
  Panel2 = new QFrame(this);
  Panel2->setGeometry(248, 48, 537, 177);
  Panel2->setFrameShape(QFrame::Panel);
  Panel2->setFrameShadow(QFrame::Raised);
  Paint(Panel2, Lime());
  Label3 = Caption(Panel2, QStringLiteral("Параметры начальной точки процесса"), 24, 6, true);
  Label22 = Caption(Panel2, QStringLiteral("Предельные значения    мин              мах"), 236, 22);
  PaNam1 = ParamList(Panel2, 24, 40);
  PaNam2 = ParamList(Panel2, 24, 72);
  Edit2 = Entry(Panel2, 184, 40);
  Edit4 = Entry(Panel2, 184, 72);
  Label2 = Caption(Panel2, QString(), 240, 43);
  Label4 = Caption(Panel2, QString(), 240, 75);
  Edit1 = Entry(Panel2, 360, 40);
  Edit3 = Entry(Panel2, 440, 40);
  Edit5 = Entry(Panel2, 360, 72);
  Edit6 = Entry(Panel2, 440, 72);
  for (QLineEdit* e : {Edit1, Edit3, Edit5, Edit6}) e->setEnabled(false);
  const QStringList heads = {QStringLiteral("Температура"), QStringLiteral("Давление"), QStringLiteral("Плотность"),
                             QStringLiteral("Энтальпия"), QStringLiteral("Энтропия")};
  const int startLefts[5] = {24, 128, 240, 352, 456};
  QLineEdit** startFields[5] = {&ETn, &EPn, &Edn, &Ehn, &ESn};
  for (int k = 0; k < 5; ++k) {
    Caption(Panel2, heads[k], startLefts[k], 114);
    *startFields[k] = Entry(Panel2, startLefts[k], 136);
    (*startFields[k])->setReadOnly(true);
  }

  // End state.
  Panel3 = new QFrame(this);
  Panel3->setGeometry(248, 256, 537, 137);
  Panel3->setFrameShape(QFrame::Panel);
  Panel3->setFrameShadow(QFrame::Raised);
  Paint(Panel3, Aqua());
  Label5 = Caption(Panel3, QStringLiteral("Определяющий параметр конечной точки"), 24, 8, true);
  PaNam3 = ParamList(Panel3, 24, 32);
  Edit10 = Entry(Panel3, 184, 32);
  Label6 = Caption(Panel3, QString(), 240, 35);
  Edit8 = Entry(Panel3, 368, 32);
  Edit9 = Entry(Panel3, 448, 32);
  Edit8->setEnabled(false);
  Edit9->setEnabled(false);
  const int endLefts[5] = {24, 136, 248, 360, 464};
  QLineEdit** endFields[5] = {&ETk, &EPk, &Edk, &Ehk, &ESk};
  for (int k = 0; k < 5; ++k) {
    Caption(Panel3, heads[k], endLefts[k], 74);
    *endFields[k] = Entry(Panel3, endLefts[k], 96);
    (*endFields[k])->setReadOnly(true);
  }

  // Results.
  Panel4 = new QFrame(this);
  Panel4->setGeometry(248, 416, 529, 121);
  Panel4->setFrameShape(QFrame::Panel);
  Panel4->setFrameShadow(QFrame::Raised);
  Paint(Panel4, Yellow());
  Label7 = Caption(Panel4, QStringLiteral("Результаты  процесса"), 16, 10, true);
  Label8 = Caption(Panel4, QStringLiteral("Выделившееся тепло"), 16, 43);
  Label9 = new QLabel(QStringLiteral("Совеошенная газом техническая работа"), Panel4);
  Label9->setWordWrap(true);
  Label9->setGeometry(16, 72, 140, 36);
  Label10 = Caption(Panel4, QStringLiteral("Изменение плотности"), 272, 19);
  Label11 = Caption(Panel4, QStringLiteral("Изменение энтальпии"), 272, 51);
  Label12 = Caption(Panel4, QStringLiteral("Изменение энтропии"), 272, 83);
  EQ = Entry(Panel4, 160, 40);
  EL = Entry(Panel4, 160, 80);
  Edd = Entry(Panel4, 440, 16);
  Edh = Entry(Panel4, 440, 48);
  EdS = Entry(Panel4, 440, 80);
  for (QLineEdit* e : {EQ, EL, Edd, Edh, EdS}) e->setReadOnly(true);

  Calc0 = Button(this, QStringLiteral("Вычислить"), 112, 304);
  BitBtn1 = Button(this, QStringLiteral("В таблицу"), 112, 352);
  BitBtn4 = Button(this, QStringLiteral("TS диаграмма"), 112, 400);
  BitBtn2 = Button(this, QStringLiteral("Конец => Начало"), 112, 448);
  BitBtn5 = Button(this, QStringLiteral("Назад"), 16, 400, 75, 25);
  QFont narrow = base;
  narrow.setPixelSize(10);
  BitBtn2->setFont(narrow);

  // Initial choices.
  if (QWidget* main = static_cast<QWidget*>(app::windows().Form1)) move(main->pos());
  PaNam1->setCurrentIndex(0);
  Label2->setText(unitLabels()[0]);
  PaNam2->setCurrentIndex(1);
  Label4->setText(unitLabels()[1]);
  PaNam3->setCurrentIndex(0);
  Label6->setText(unitLabels()[0]);
  for (QLabel* l : {Label2, Label4, Label6}) l->adjustSize();
  ProcKind = 0;
  setProBoxIndex(0);
  Kind1 = 0;
  Kind2 = 1;
  Kind3 = 0;
  Carried = false;
  TableCount = 0;

  connect(ProGroup, &QButtonGroup::idClicked, this, [this](int) { ProBoxClick(); });
  connect(PaNam1, &QComboBox::activated, this, [this](int) { PaNam1Click(); });
  connect(PaNam2, &QComboBox::activated, this, [this](int) { PaNam2Click(); });
  connect(PaNam3, &QComboBox::activated, this, [this](int) { PaNam3Click(); });
  connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(); });
  connect(Edit4, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
  connect(Edit10, &QLineEdit::textChanged, this, [this] { Edit10Change(); });
  // Only the student's own edits end the carried-over start.
  connect(Edit2, &QLineEdit::textEdited, this, [this] { Carried = false; });
  connect(Edit4, &QLineEdit::textEdited, this, [this] { Carried = false; });
  for (QLineEdit* e : {Edit2, Edit4, Edit10}) e->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, &TForm2::onFocusChanged);
  connect(Calc0, &QPushButton::clicked, this, [this] { Calc0Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
}

void TForm2::setSubstanceCaption(const QString& text) {
  Label1->setText(text);
  Label1->adjustSize();
  // A state carried over belongs to the former substance.
  Carried = false;
}

std::string TForm2::substance() const { return app::state().name; }

int TForm2::proBoxIndex() const { return ProGroup->checkedId(); }

void TForm2::setProBoxIndex(int i) {
  if (i >= 0 && i < 5) ProItem[i]->setChecked(true);
}

void TForm2::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  FormActivate();
}

bool TForm2::eventFilter(QObject* obj, QEvent* e) {
  if (e->type() == QEvent::FocusOut) {
    if (obj == Edit2) Edit2Exit();
    else if (obj == Edit4) Edit4Exit();
    else if (obj == Edit10) Edit10Exit();
  }
  return QWidget::eventFilter(obj, e);
}

void TForm2::onFocusChanged(QWidget* old, QWidget* now) {
  if (old && Inside(old, Panel2) && !Inside(now, Panel2)) Panel2Exit();
}

void TForm2::FormActivate() {
  PaNam1->setCurrentIndex(Kind1);
  PaNam2->setCurrentIndex(Kind2);
  PaNam3->setCurrentIndex(Kind3);
  Label2->setText(unitLabels()[Kind1]);
  Label4->setText(unitLabels()[Kind2]);
  Label6->setText(unitLabels()[Kind3]);
  for (QLabel* l : {Label2, Label4, Label6}) l->adjustSize();
}

void TForm2::ProBoxClick() {
  ProcKind = proBoxIndex();
  PaNam1->setCurrentIndex(Kind1);
  PaNam3->setCurrentIndex(Kind3);
}

void TForm2::PaNam1Click() {
  Kind1 = PaNam1->currentIndex();
  Label2->setText(unitLabels()[Kind1]);
  Label2->adjustSize();
  // No limits are defined for the parameters.
  Edit1->setText(app::fmt("%6.2f", 0));
  Edit3->setText(app::fmt("%6.2f", 0));
}

void TForm2::PaNam2Click() {
  PairRefused = 0;
  Kind2 = PaNam2->currentIndex();
  Label4->setText(unitLabels()[Kind2]);
  Label4->adjustSize();
  if (!proc::PairAllowed(Kind1, Kind2)) {
    app::messages().show(kPairMsg);
    PairRefused = 2;
  }
}

void TForm2::PaNam3Click() {
  PairRefused = 0;
  Kind3 = PaNam3->currentIndex();
  Label6->setText(unitLabels()[Kind3]);
  Label6->adjustSize();
  if (!proc::PairAllowed(proc::ConstKind(ProcKind), Kind3)) {
    app::messages().show(kPairMsg);
    PairRefused = 3;
  }
}

namespace {

// Reads an entry as the numeric field parser does, without a warning.
bool ReadEntry(const QLineEdit* e, Real& value) {
  const QString text = e->text().trimmed();
  if (text.isEmpty()) return false;
  unsigned char flag = 0;
  app::EditToNumber(text, value, flag);
  return true;
}

}  // namespace

void TForm2::Edit2Exit() {
  Real v = 0;
  if (!ReadEntry(Edit2, v)) return;
  ShownStart[Kind1] = v;
  switch (Kind1) {
    case proc::kTemperature: ETn->setText(app::fmt("%6.2f", v)); break;
    case proc::kPressure: EPn->setText(app::fmt("%6.3f", v)); break;
    case proc::kDensity: Edn->setText(app::fmt("%6.2f", v)); break;
    case proc::kVolume:
      if (v != 0) Edn->setText(app::fmt("%6.2f", 1 / v));
      break;
    case proc::kEnthalpy: Ehn->setText(app::fmt("%6.2f", v)); break;
    case proc::kEntropy: ESn->setText(app::fmt("%6.4f", v)); break;
    default: break;
  }
  Value1 = proc::ToInternal(Kind1, v);
}

void TForm2::Edit4Exit() {
  Real v = 0;
  if (!ReadEntry(Edit4, v)) return;
  ShownStart[Kind2] = v;
  Value2 = proc::ToInternal(Kind2, v);
  QLineEdit* fields[proc::kParamCount] = {ETn, EPn, Edn, nullptr, Ehn, ESn, nullptr};
  if (QLineEdit* f = fields[Kind2]) f->setText(app::fmt("%6.2f", v));
}

void TForm2::Edit10Exit() {
  Real v = 0;
  if (!ReadEntry(Edit10, v)) return;
  ShownEnd[Kind3] = v;
  Value3 = proc::ToInternal(Kind3, v);
  QLineEdit* fields[proc::kParamCount] = {ETk, EPk, Edk, nullptr, Ehk, ESk, nullptr};
  if (QLineEdit* f = fields[Kind3]) f->setText(app::fmt("%6.2f", v));
}

void TForm2::Edit2Change() {
  for (QLineEdit* e : {ETn, EPn, Edn, Ehn, ESn, ETk, EPk, Edk, Ehk, ESk}) e->clear();
}

void TForm2::Edit4Change() { Edit2Change(); }

void TForm2::Edit10Change() {
  for (QLineEdit* e : {ETk, EPk, Edk, Ehk, ESk}) e->clear();
}

void TForm2::showStart() {
  const proc::ProcPoint& p = StartPt;
  ShownStart[0] = p.T;
  ShownStart[1] = p.P;
  ShownStart[2] = p.d;
  ShownStart[3] = p.v;
  ShownStart[4] = p.i;
  ShownStart[5] = p.s;
  ETn->setText(app::fmt("%6.2f", p.T));
  EPn->setText(app::fmt("%6.3f", p.P));
  Edn->setText(app::fmt("%6.2f", p.d));
  Ehn->setText(app::fmt("%6.2f", p.i));
  ESn->setText(app::fmt("%6.4f", p.s));
}

void TForm2::showEnd() {
  const proc::ProcPoint& p = EndPt;
  ShownEnd[0] = p.T;
  ShownEnd[1] = p.P;
  ShownEnd[2] = p.d;
  ShownEnd[3] = p.v;
  ShownEnd[4] = p.i;
  ShownEnd[5] = p.s;
  ETk->setText(app::fmt("%6.2f", p.T));
  EPk->setText(app::fmt("%6.3f", p.P));
  Edk->setText(app::fmt("%6.2f", p.d));
  Ehk->setText(app::fmt("%6.2f", p.i));
  ESk->setText(app::fmt("%6.4f", p.s));
}

// Shows why a pair gave no state; false when there is nothing to show.
bool TForm2::refuseStatus(proc::SolveStatus st) {
  using proc::SolveStatus;
  const int n = app::state().subst;
  const QString dry = QStringLiteral("Степень сухости задается только для влажного пара:\n");
  QString text;
  switch (st) {
    case SolveStatus::Solved: return false;
    case SolveStatus::NotAdmitted: text = kPairMsg; break;
    case SolveStatus::DrynessHotT:
      text = dry + QStringLiteral("температура должна быть ниже критической (Ткр = ") +
             app::fmt("%6.2f", tfs::Tcr[n]).trimmed() + QStringLiteral(" K).");
      break;
    case SolveStatus::DrynessColdT:
      text = dry + QStringLiteral("температура должна быть не ниже температуры тройной точки (Ттр = ") +
             app::fmt("%6.2f", tfs::Ttr[n]).trimmed() + QStringLiteral(" K).");
      break;
    case SolveStatus::DrynessHighP:
      text = dry + QStringLiteral("давление должно быть ниже критического (Ркр = ") +
             app::fmt("%6.3f", tfs::Pcr[n]).trimmed() + QStringLiteral(" МПа).");
      break;
    case SolveStatus::DrynessLowP:
      text = dry + QStringLiteral("ниже давления тройной точки (Ртр = ") +
             app::fmt("%8.5f", proc::TriplePressure(substance())).trimmed() +
             QStringLiteral(" МПа) насыщенного состояния нет.");
      break;
    case SolveStatus::NotPositive:
      text = QStringLiteral("Температура, давление, плотность и удельный объем\nдолжны быть больше нуля.");
      break;
    case SolveStatus::NoState:
      text = QStringLiteral("Состояния с заданными энтальпией и энтропией\nв области расчета нет.");
      break;
  }
  app::messages().show(text);
  return true;
}

TForm2::Snapshot TForm2::takeSnapshot() const {
  Snapshot s;
  s.st = StartPt;
  s.en = EndPt;
  for (int k = 0; k < proc::kParamCount; ++k) {
    s.shownStart[k] = ShownStart[k];
    s.shownEnd[k] = ShownEnd[k];
  }
  s.Q = ProcQ;
  s.L = ProcL;
  s.dd = DeltaD;
  s.di = DeltaI;
  s.ds = DeltaS;
  for (QLineEdit* e : {ETn, EPn, Edn, Ehn, ESn, ETk, EPk, Edk, Ehk, ESk, EQ, EL, Edd, Edh, EdS}) s.texts << e->text();
  return s;
}

void TForm2::restore(const Snapshot& s) {
  StartPt = s.st;
  EndPt = s.en;
  for (int k = 0; k < proc::kParamCount; ++k) {
    ShownStart[k] = s.shownStart[k];
    ShownEnd[k] = s.shownEnd[k];
  }
  ProcQ = s.Q;
  ProcL = s.L;
  DeltaD = s.dd;
  DeltaI = s.di;
  DeltaS = s.ds;
  int k = 0;
  for (QLineEdit* e : {ETn, EPn, Edn, Ehn, ESn, ETk, EPk, Edk, Ehk, ESk, EQ, EL, Edd, Edh, EdS})
    e->setText(s.texts[k++]);
}

void TForm2::Panel2Exit() {
  // A carried-over start stays exactly as it was carried.
  if (Carried) return;
  const Snapshot before = takeSnapshot();
  const std::string name = substance();
  proc::SolveStatus st = proc::SolveStatus::Solved;
  const bool ok = app::libraryGuarded([&] {
    proc::ProcPoint p = StartPt;
    st = proc::SolvePair(name, Kind1, Kind2, Value1, Value2, p);
    if (st == proc::SolveStatus::Solved) {
      StartPt = p;
      showStart();
    }
  });
  if (!ok) {
    restore(before);
    return;
  }
  // No state shown from values the pair did not determine.
  if (st != proc::SolveStatus::Solved)
    for (QLineEdit* e : {ETn, EPn, Edn, Ehn, ESn}) e->clear();
}

bool TForm2::Calc0Click() {
  const Snapshot before = takeSnapshot();
  const std::string name = substance();
  bool done = false;
  const bool ok = app::libraryGuarded([&] {
    // The start state, unless it was carried over from the last end.
    if (!Carried) {
      Edit2Exit();
      Edit4Exit();
      PairRefused = 0;
      if (!proc::PairAllowed(Kind1, Kind2)) {
        app::messages().show(kPairMsg);
        PairRefused = 2;
        return;
      }
      proc::ProcPoint p = StartPt;
      const proc::SolveStatus st = proc::SolvePair(name, Kind1, Kind2, Value1, Value2, p);
      if (refuseStatus(st)) {
        for (QLineEdit* e : {ETn, EPn, Edn, Ehn, ESn}) e->clear();
        return;
      }
      StartPt = p;
      showStart();
    }
    Edit10Exit();
    // The end pair.
    PairRefused = 0;
    if (!proc::PairAllowed(proc::ConstKind(ProcKind), Kind3)) {
      app::messages().show(kPairMsg);
      PairRefused = 3;
      return;
    }
    // End state, heat and work.
    proc::ProcPoint e = EndPt;
    const proc::SolveStatus st = proc::SolveEnd(name, ProcKind, Kind3, Value3, StartPt, e);
    if (refuseStatus(st)) return;
    EndPt = e;
    const proc::ProcResult r = proc::HeatAndWork(ProcKind, StartPt, EndPt);
    ProcQ = r.Q;
    ProcL = r.L;
    showEnd();
    DeltaD = r.dd;
    DeltaI = r.di;
    DeltaS = r.ds;
    EQ->setText(app::fmt("%6.2f", ProcQ));
    EL->setText(app::fmt("%6.3f", ProcL));
    Edd->setText(app::fmt("%6.2f", DeltaD));
    Edh->setText(app::fmt("%6.2f", DeltaI));
    EdS->setText(app::fmt("%6.4f", DeltaS));
    done = true;
  });
  if (!ok) {
    // The library refused a value: the computation is cancelled as a whole.
    restore(before);
    return false;
  }
  return done;
}

void TForm2::BitBtn2Click() {
  Carried = true;
  Kind1 = proc::kTemperature;
  PaNam1->setCurrentIndex(0);
  Label2->setText(unitLabels()[0]);
  Label2->adjustSize();
  Edit5->clear();
  Edit6->clear();
  Kind2 = proc::kPressure;
  PaNam2->setCurrentIndex(1);
  Label4->setText(unitLabels()[1]);
  Label4->adjustSize();
  StartPt.T = EndPt.T;
  StartPt.P = EndPt.P;
  StartPt.d = EndPt.d;
  StartPt.i = EndPt.i;
  StartPt.s = EndPt.s;
  // The phase goes with the state.
  StartPt.x = EndPt.x;
  for (int k = 0; k < proc::kParamCount; ++k) ShownStart[k] = ShownEnd[k];
  Edit2->setText(app::fmt("%6.3f", StartPt.T));
  Edit4->setText(app::fmt("%6.3f", StartPt.P));
  ETn->setText(app::fmt("%6.3f", ShownStart[0]));
  EPn->setText(app::fmt("%6.3f", ShownStart[1]));
  Edn->setText(app::fmt("%6.2f", ShownStart[2]));
  Ehn->setText(app::fmt("%6.2f", ShownStart[4]));
  ESn->setText(app::fmt("%6.4f", ShownStart[5]));
  for (QLineEdit* e : {ETk, EPk, Edk, Ehk, ESk}) e->clear();
  ProBox->setFocus();
}

void TForm2::BitBtn4Click() {
  // Nothing is drawn from a refused or failed computation.
  if (!Calc0Click()) return;
  diagram::ProcStore& store = diagram::procStore();
  if (store.ProcIndex >= 10) {
    app::messages().show(kLinesMsg);
    return;
  }
  Real S[16], T[16];
  proc::PathStatus status = proc::PathStatus::Written;
  const std::string name = substance();
  if (!app::libraryGuarded([&] { status = proc::BuildProcPath(name, ProcKind, StartPt, EndPt, S, T); })) return;
  store.ProcIndex += 1;
  for (int j = 0; j < 16; ++j) {
    store.ProcS[store.ProcIndex][j] = S[j];
    store.ProcT[store.ProcIndex][j] = T[j];
  }
  if (status == proc::PathStatus::Coincident) app::messages().show(kCoincideMsg);
  store.ProcCount += 1;
  if (TTSvid* tv = app::windows().TSvid) tv->showDiagram();
}

void TForm2::BitBtn1Click() {
  TForm3* f3 = app::windows().Form3;
  if (!f3) return;
  f3->show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) f3->raise();
  TableCount += 1;
  const int c = TableCount;
  const int r1 = 2 * c - 1, r2 = 2 * c;
  f3->ensureRows(r2 + 1);
  static const char* const names[5] = {"T = const", "P = const", "v = const", "i = const", "S = const"};
  f3->setCell(0, r1, QStringLiteral("   ") + QString::number(c));
  f3->setCell(1, r1, QString::fromStdString(app::state().name));
  f3->setCell(2, r1, QString::fromLatin1(ProcKind >= 0 && ProcKind < 5 ? names[ProcKind] : ""));
  f3->setCell(3, r1, QStringLiteral("Начальная"));
  f3->setCell(3, r2, QStringLiteral("Конечная"));
  auto row = [&](int r, const Real* shown) {
    f3->setCell(4, r, app::fmt(" %5.2f", shown[0]));
    f3->setCell(5, r, app::fmt(" %5.3f", shown[1]));
    f3->setCell(6, r, app::fmt("%6.3f", shown[2]));
    f3->setCell(7, r, app::fmt("%6.2f", shown[4]));
    f3->setCell(8, r, app::fmt("%6.4f", shown[5]));
  };
  row(r1, ShownStart);
  f3->setCell(9, r1, QString());
  f3->setCell(10, r1, app::fmt("%6.2f", ProcQ));
  f3->setCell(11, r1, app::fmt("%6.2f", ProcL));
  row(r2, ShownEnd);
}

void TForm2::BitBtn5Click() { hide(); }
