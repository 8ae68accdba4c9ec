#include "ui/process/form2.h"

#include <QCoreApplication>
#include <QApplication>
#include <QGuiApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <tuple>

#include "core/session/substance.h"
#include "thermo/substances.h"
#include "ui/process/widgets.h"
#include "ui/services/commode.h"
#include "ui/services/messages.h"

using proc::Real;

namespace {

using namespace form;

QComboBox* paramList(QWidget* parent, int left, int top) {
  auto* c = new QComboBox(parent);
  c->setGeometry(left, top, 145, 21);
  for (int k = 0; k < proc::kParamCount; ++k) c->addItem(QString::fromStdString(proc::paramItem(k)));
  return c;
}

QString unit(int kind, app::Units u) { return QString::fromStdString(proc::unitLabel(kind, u)); }

// Counts a change of the process window's state as a change of the
// student's work.
class Edit {
 public:
  explicit Edit(app::Session& s) : s_(s), before_(of(s.process)) {}
  ~Edit() {
    if (of(s_.process) != before_) s_.touch();
  }
  Edit(const Edit&) = delete;
  Edit& operator=(const Edit&) = delete;

 private:
  using State = std::tuple<int, int, int, int, proc::EntryTexts, std::array<std::string, proc::kFieldCount>, bool,
                           int, bool>;
  static State of(const proc::Calculator& c) {
    return {c.ProcKind, c.Kind1, c.Kind2, c.Kind3, c.entries, c.fields, c.Carried, c.TableCount, c.hasResult()};
  }
  app::Session& s_;
  State before_;
};

bool inside(const QWidget* w, const QWidget* panel) {
  for (; w; w = w->parentWidget())
    if (w == panel) return true;
  return false;
}

}  // namespace

TForm2::TForm2(app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setWindowTitle(QCoreApplication::translate("TForm2", "Расчет идеальных термодинамических процессов"));
  setFixedSize(800, 572);
  const QFont base = useSmallFont(this);
  Label1 = caption(this, QString(), 280, 16, true);
  Label1->resize(55, 20);

  ProBox = new QGroupBox(QCoreApplication::translate("TForm2", "Выбор процесса"), this);
  ProBox->setGeometry(8, 40, 225, 185);
  paint(ProBox, lime());
  ProGroup = new QButtonGroup(this);
  for (int k = 0; k < 5; ++k) {
    ProItem[k] = new QRadioButton(QString::fromStdString(proc::procText(proc::kProcessItems[k])), ProBox);
    ProItem[k]->setGeometry(12, 28 + k * 30, 205, 22);
    ProGroup->addButton(ProItem[k], k);
  }

  // Start state.
  Panel2 = panel(this, QRect(248, 48, 537, 177), lime());
  Label3 = caption(Panel2, QCoreApplication::translate("TForm2", "Параметры начальной точки процесса"), 24, 6, true);
  Label22 = caption(Panel2, QCoreApplication::translate("TForm2", "Предельные значения    мин              мах"), 236, 22);
  PaNam1 = paramList(Panel2, 24, 40);
  PaNam2 = paramList(Panel2, 24, 72);
  Edit2 = entry(Panel2, 184, 40);
  Edit4 = entry(Panel2, 184, 72);
  Label2 = caption(Panel2, QString(), 240, 43);
  Label4 = caption(Panel2, QString(), 240, 75);
  Edit1 = entry(Panel2, 360, 40);
  Edit3 = entry(Panel2, 440, 40);
  Edit5 = entry(Panel2, 360, 72);
  Edit6 = entry(Panel2, 440, 72);
  for (QLineEdit* e : {Edit1, Edit3, Edit5, Edit6}) e->setEnabled(false);
  const QStringList heads = {QCoreApplication::translate("TForm2", "Температура"), QCoreApplication::translate("TForm2", "Давление"), QCoreApplication::translate("TForm2", "Плотность"),
                             QCoreApplication::translate("TForm2", "Энтальпия"), QCoreApplication::translate("TForm2", "Энтропия")};
  const int startLefts[5] = {24, 128, 240, 352, 456};
  QLineEdit** startFields[5] = {&ETn, &EPn, &Edn, &Ehn, &ESn};
  for (int k = 0; k < 5; ++k) {
    caption(Panel2, heads[k], startLefts[k], 114);
    *startFields[k] = entry(Panel2, startLefts[k], 136);
    (*startFields[k])->setReadOnly(true);
  }

  // End state.
  Panel3 = panel(this, QRect(248, 256, 537, 137), aqua());
  Label5 = caption(Panel3, QCoreApplication::translate("TForm2", "Определяющий параметр конечной точки"), 24, 8, true);
  PaNam3 = paramList(Panel3, 24, 32);
  Edit10 = entry(Panel3, 184, 32);
  Label6 = caption(Panel3, QString(), 240, 35);
  Edit8 = entry(Panel3, 368, 32);
  Edit9 = entry(Panel3, 448, 32);
  Edit8->setEnabled(false);
  Edit9->setEnabled(false);
  const int endLefts[5] = {24, 136, 248, 360, 464};
  QLineEdit** endFields[5] = {&ETk, &EPk, &Edk, &Ehk, &ESk};
  for (int k = 0; k < 5; ++k) {
    caption(Panel3, heads[k], endLefts[k], 74);
    *endFields[k] = entry(Panel3, endLefts[k], 96);
    (*endFields[k])->setReadOnly(true);
  }

  // Results.
  Panel4 = panel(this, QRect(248, 416, 529, 121), yellow());
  Label7 = caption(Panel4, QCoreApplication::translate("TForm2", "Результаты  процесса"), 16, 10, true);
  Label8 = caption(Panel4, QCoreApplication::translate("TForm2", "Выделившееся тепло"), 16, 43);
  Label9 = new QLabel(QCoreApplication::translate("TForm2", "Совеошенная газом техническая работа"), Panel4);
  Label9->setWordWrap(true);
  Label9->setGeometry(16, 72, 140, 36);
  Label10 = caption(Panel4, QCoreApplication::translate("TForm2", "Изменение плотности"), 272, 19);
  Label11 = caption(Panel4, QCoreApplication::translate("TForm2", "Изменение энтальпии"), 272, 51);
  Label12 = caption(Panel4, QCoreApplication::translate("TForm2", "Изменение энтропии"), 272, 83);
  EQ = entry(Panel4, 160, 40);
  EL = entry(Panel4, 160, 80);
  Edd = entry(Panel4, 440, 16);
  Edh = entry(Panel4, 440, 48);
  EdS = entry(Panel4, 440, 80);
  for (QLineEdit* e : {EQ, EL, Edd, Edh, EdS}) e->setReadOnly(true);

  Calc0 = button(this, QCoreApplication::translate("TForm2", "Вычислить"), 112, 304);
  BitBtn1 = button(this, QCoreApplication::translate("TForm2", "В таблицу"), 112, 352);
  BitBtn4 = button(this, QCoreApplication::translate("TForm2", "TS диаграмма"), 112, 400);
  BitBtn2 = button(this, QCoreApplication::translate("TForm2", "Конец => Начало"), 112, 448);
  BitBtn5 = button(this, QCoreApplication::translate("TForm2", "Назад"), 16, 400, 75, 25);
  QFont narrow = base;
  narrow.setPixelSize(10);
  BitBtn2->setFont(narrow);

  // Each read-only field holds the widest number its format gives within the
  // admissible ranges (temperatures to 1000 K, pressures to 100 MPa,
  // densities below 10000 kg/m3, enthalpies within 100000 kJ/kg or J/mol
  // and their changes within twice that, entropies within 1000 kJ/(kg K) or
  // J/(mol K), heat and work within 1000000 kJ/kg or J/mol).
  const QFontMetrics fm(base);
  auto fit = [&fm](QLineEdit* e, const char* widest) {
    e->resize(std::max(e->width(), fm.horizontalAdvance(QString::fromLatin1(widest)) + 12), e->height());
  };
  for (QLineEdit* e : {ETn, ETk}) fit(e, "1000.000");
  for (QLineEdit* e : {EPn, EPk}) fit(e, "100.000");
  for (QLineEdit* e : {Edn, Edk}) fit(e, "9999.99");
  for (QLineEdit* e : {Ehn, Ehk}) fit(e, "-99999.99");
  for (QLineEdit* e : {ESn, ESk, EdS}) fit(e, "-999.9999");
  fit(EQ, "-999999.99");
  fit(EL, "-999999.999");
  fit(Edd, "-9999.99");
  fit(Edh, "-999999.99");
  for (QLineEdit* e : {Edit1, Edit3, Edit5, Edit6, Edit8, Edit9}) fit(e, "9999999.99");

  // The choices the session holds (a new calculator: isotherm, temperature
  // and pressure for the start, temperature for the end).
  setProBoxIndex(calc().ProcKind);
  FormActivate();
  refresh();

  // The choice follows the button's state, however it was switched (mouse,
  // keyboard, a script or a screen reader).
  connect(ProGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) ProBoxClick();
  });
  connect(PaNam1, &QComboBox::activated, this, [this](int) { PaNam1Click(); });
  connect(PaNam2, &QComboBox::activated, this, [this](int) { PaNam2Click(); });
  connect(PaNam3, &QComboBox::activated, this, [this](int) { PaNam3Click(); });
  connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(); });
  connect(Edit4, &QLineEdit::textChanged, this, [this] { Edit4Change(); });
  connect(Edit10, &QLineEdit::textChanged, this, [this] { Edit10Change(); });
  // Only the student's own edits end the carried-over start.
  for (QLineEdit* e : {Edit2, Edit4, Edit10}) {
    e->installEventFilter(this);
    // Enter computes, as "Вычислить" does.
    connect(e, &QLineEdit::returnPressed, this, [this] { Calc0Click(); });
  }
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
  calc().setSubstance(&session_.main.eos(), app::notifier());
  refresh();
}

void TForm2::showSession() {
  Label1->setText(QString::fromStdString(app::substanceHeading(session_.main)));
  Label1->adjustSize();
  setProBoxIndex(calc().ProcKind);
  FormActivate();
  refresh();
}

void TForm2::unitsChanged() {
  calc().setUnits(session_.main.units);
  FormActivate();
  refresh();
}

int TForm2::proBoxIndex() const { return ProGroup->checkedId(); }

void TForm2::setProBoxIndex(int i) {
  const QSignalBlocker quiet(ProGroup);
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
  if (old && inside(old, Panel2) && !inside(now, Panel2)) Panel2Exit();
}

void TForm2::refresh() {
  const proc::Calculator& c = calc();
  QLineEdit* f[proc::kFieldCount] = {ETn, EPn, Edn, Ehn, ESn, ETk, EPk, Edk, Ehk, ESk, EQ, EL, Edd, Edh, EdS};
  for (int k = 0; k < proc::kFieldCount; ++k) f[k]->setText(QString::fromStdString(c.fields[k]));
  QLineEdit* lim[6] = {Edit1, Edit3, Edit5, Edit6, Edit8, Edit9};
  for (int k = 0; k < 6; ++k) lim[k]->setText(QString::fromStdString(c.limits[k]));
  // The entries as the calculator holds them (a kind chosen empties its
  // entry, a carry fills the start ones); a number typed under another
  // language (a reopened work) shows this one's separator; no change of
  // text is reported back.
  QLineEdit* in[3] = {Edit2, Edit4, Edit10};
  for (int k = 0; k < 3; ++k) form::showEntry(in[k], c.entries[k]);
}

void TForm2::FormActivate() {
  const proc::Calculator& c = calc();
  PaNam1->setCurrentIndex(c.Kind1);
  PaNam2->setCurrentIndex(c.Kind2);
  PaNam3->setCurrentIndex(c.Kind3);
  Label2->setText(unit(c.Kind1, c.Units));
  Label4->setText(unit(c.Kind2, c.Units));
  Label6->setText(unit(c.Kind3, c.Units));
  for (QLabel* l : {Label2, Label4, Label6}) l->adjustSize();
}

void TForm2::ProBoxClick() {
  const Edit edit(session_);
  calc().chooseProcess(proBoxIndex());
  PaNam1->setCurrentIndex(calc().Kind1);
  PaNam3->setCurrentIndex(calc().Kind3);
}

void TForm2::PaNam1Click() {
  const app::MessageScope action;
  const Edit edit(session_);
  calc().chooseKind1(PaNam1->currentIndex());
  Label2->setText(unit(calc().Kind1, calc().Units));
  Label2->adjustSize();
  refresh();
}

void TForm2::PaNam2Click() {
  const app::MessageScope action;
  const Edit edit(session_);
  Label4->setText(unit(PaNam2->currentIndex(), calc().Units));
  Label4->adjustSize();
  calc().chooseKind2(PaNam2->currentIndex(), app::notifier());
  refresh();
}

void TForm2::PaNam3Click() {
  const app::MessageScope action;
  const Edit edit(session_);
  Label6->setText(unit(PaNam3->currentIndex(), calc().Units));
  Label6->adjustSize();
  calc().chooseKind3(PaNam3->currentIndex(), app::notifier());
  refresh();
}

void TForm2::Edit2Exit() {
  const Edit edit(session_);
  calc().leaveEntry(proc::kEntry1);
  refresh();
}

void TForm2::Edit4Exit() {
  const Edit edit(session_);
  calc().leaveEntry(proc::kEntry2);
  refresh();
}

void TForm2::Edit10Exit() {
  const Edit edit(session_);
  calc().leaveEntry(proc::kEntry3);
  refresh();
}

void TForm2::Edit2Change() {
  const Edit edit(session_);
  calc().typeEntry(proc::kEntry1, Edit2->text().toStdString());
  refresh();
}

void TForm2::Edit4Change() {
  const Edit edit(session_);
  calc().typeEntry(proc::kEntry2, Edit4->text().toStdString());
  refresh();
}

void TForm2::Edit10Change() {
  const Edit edit(session_);
  calc().typeEntry(proc::kEntry3, Edit10->text().toStdString());
  refresh();
}

const tfs::Model* TForm2::substance() const { return session_.main.chosenEos(); }

void TForm2::Panel2Exit() {
  const app::MessageScope action;
  const Edit edit(session_);
  calc().leaveStartPanel(substance(), app::notifier());
  refresh();
}

bool TForm2::Calc0Click() {
  const app::MessageScope action;
  const Edit edit(session_);
  const bool done = calc().compute(substance(), app::notifier());
  refresh();
  return done;
}

void TForm2::BitBtn2Click() {
  const Edit edit(session_);
  calc().carry();
  PaNam1->setCurrentIndex(calc().Kind1);
  PaNam2->setCurrentIndex(calc().Kind2);
  Label2->setText(unit(calc().Kind1, calc().Units));
  Label4->setText(unit(calc().Kind2, calc().Units));
  Label2->adjustSize();
  Label4->adjustSize();
  refresh();
  ProBox->setFocus();
}

void TForm2::BitBtn4Click() {
  const app::MessageScope action;
  const Edit edit(session_);
  const bool added = calc().draw(substance(), session_.procLines, app::notifier());
  refresh();
  if (added) {
    session_.touch();
    emit processLineAdded();
  }
}

void TForm2::BitBtn1Click() {
  proc::ResultRow row;
  const app::MessageScope action;
  if (!calc().tableRow(row, app::notifier(), session_.results)) return;
  session_.results.push_back(row);
  session_.touch();
  emit resultRowAdded(int(session_.results.size()));
}

void TForm2::BitBtn5Click() { hide(); }
