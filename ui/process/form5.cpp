#include "ui/process/form5.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/process/calculator.h"
#include "core/session/substance.h"
#include "ui/process/widgets.h"
#include "ui/services/messages.h"

using proc::Real;

namespace {

using namespace form;

QLineEdit* field(QWidget* parent, int left, int top) {
  QLineEdit* e = entry(parent, left, top);
  e->setReadOnly(true);
  return e;
}

QComboBox* list(QWidget* parent, int left, int top, const QStringList& items) {
  auto* c = new QComboBox(parent);
  c->setGeometry(left, top, 145, 21);
  c->addItems(items);
  return c;
}

QStringList paramItems() {
  QStringList items;
  for (int k = 0; k < proc::kParamCount; ++k) items << QString::fromStdString(proc::paramItem(k));
  return items;
}

void setLabel(QLabel* l, const QString& text) {
  l->setText(text);
  l->adjustSize();
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// The widest numbers of the fields within the admissible ranges, in either
// units: temperatures to 1000 K, pressures to 100 MPa, densities below
// 10000 kg/m3 (1000 mol/l), enthalpies within 100000 kJ/kg (10^7 J/mol),
// entropies within 1000 kJ/(kg K) (10^5 J/(mol K)), work and heat ten times
// an enthalpy.
const char* const kWidest[proc::kStateCols] = {"1000.00", "100.000", "9999.9999", "-9999999.99", "-99999.9999",
                                               "100.0"};
const char* const kWidestResult[4] = {"-99999999.99", "-99999999.99", "-99999.9999", "99999999.99"};

}  // namespace

TForm5::TForm5(app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setWindowTitle(QCoreApplication::translate("TForm5", "Реальные процессы"));
  const QFont base = useSmallFont(this);
  const QFontMetrics fm(base);
  auto fit = [&fm](QLineEdit* e, const char* widest) {
    e->resize(std::max(e->width(), fm.horizontalAdvance(QString::fromLatin1(widest)) + 12), e->height());
  };

  Label1 = caption(this, QString(), 280, 16, true);
  Label1->resize(55, 20);

  DevBox = new QGroupBox(QCoreApplication::translate("TForm5", "Выбор устройства"), this);
  DevBox->setGeometry(8, 40, 225, 185);
  paint(DevBox, lime());
  DevGroup = new QButtonGroup(this);
  for (int k = 0; k < proc::kDeviceCount; ++k) {
    DevItem[k] = new QRadioButton(QString::fromStdString(proc::deviceText(proc::kDeviceItems[k])), DevBox);
    DevItem[k]->setGeometry(12, 28 + k * 30, 205, 22);
    DevGroup->addButton(DevItem[k], k);
  }
  DevItem[int(calc().Kind)]->setChecked(true);

  // Inlet.
  Panel2 = panel(this, QRect(248, 48, 600, 110), lime());
  caption(Panel2, QCoreApplication::translate("TForm5", "Параметры на входе"), 24, 6, true);
  caption(Panel2, QCoreApplication::translate("TForm5", "Предельные значения    мин              мах"), 296, 22);
  PaNam1 = list(Panel2, 24, 40, paramItems());
  PaNam2 = list(Panel2, 24, 72, paramItems());
  Edit2 = entry(Panel2, 184, 40, 70);
  Edit4 = entry(Panel2, 184, 72, 70);
  Label2 = caption(Panel2, QString(), 262, 43);
  Label4 = caption(Panel2, QString(), 262, 75);
  Edit1 = entry(Panel2, 420, 40);
  Edit3 = entry(Panel2, 506, 40);
  Edit5 = entry(Panel2, 420, 72);
  Edit6 = entry(Panel2, 506, 72);
  for (QLineEdit* e : {Edit1, Edit3, Edit5, Edit6}) {
    e->setEnabled(false);
    fit(e, "9999999.99");
  }

  // The device's data.
  Panel3 = panel(this, QRect(248, 168, 600, 122), aqua());
  caption(Panel3, QCoreApplication::translate("TForm5", "Данные устройства"), 24, 6, true);
  LabelP2 = caption(Panel3, QCoreApplication::translate("TForm5", "Давление на выходе"), 24, 35);
  EP2 = entry(Panel3, 190, 32, 64);
  caption(Panel3, QCoreApplication::translate("TForm5", "МПа"), 262, 35);
  GivenList = list(Panel3, 24, 64, {QCoreApplication::translate("TForm5", "Температура на выходе"), QCoreApplication::translate("TForm5", "Выделившееся тепло")});
  GivenList->resize(160, GivenList->height());
  EGiven = entry(Panel3, 190, 64, 64);
  LabelGivenUnit = caption(Panel3, QString(), 262, 67);
  LabelEta = caption(Panel3, QString(), 310, 35);
  EEta = entry(Panel3, 532, 32, 48);
  LabelTr = new QLabel(QCoreApplication::translate("TForm5", "Температура источника\n(приемника) тепла"), Panel3);
  LabelTr->setGeometry(310, 58, 200, 32);
  ETr = entry(Panel3, 532, 64, 48);
  ETr->setPlaceholderText(QStringLiteral("= T0"));
  caption(Panel3, QStringLiteral("K"), 586, 67);
  caption(Panel3, QCoreApplication::translate("TForm5", "Температура окружающей среды T0"), 310, 99);
  ET0 = entry(Panel3, 532, 96, 48);
  caption(Panel3, QStringLiteral("K"), 586, 99);

  // States.
  Panel4 = panel(this, QRect(8, 300, 840, 128), QColor(255, 255, 255));
  const QStringList rows = {QCoreApplication::translate("TForm5", "Вход"), QCoreApplication::translate("TForm5", "Выход"), QCoreApplication::translate("TForm5", "Идеальный выход")};
  for (int r = 0; r < 3; ++r) caption(Panel4, rows[r], 12, 49 + r * 26);
  for (int c = 0; c < proc::kStateCols; ++c) {
    const int left = 132 + c * 116;
    Heads[c] = caption(Panel4, QString(), left, 8);
    for (int r = 0; r < 3; ++r) {
      State[r][c] = field(Panel4, left, 46 + r * 26);
      fit(State[r][c], kWidest[c]);
    }
  }

  // Results: the fields of one width, the units after them.
  Panel5 = panel(this, QRect(248, 436, 600, 132), yellow());
  caption(Panel5, QCoreApplication::translate("TForm5", "Результаты  процесса"), 16, 8, true);
  const QStringList names = {QCoreApplication::translate("TForm5", "Совеошенная газом техническая работа"), QCoreApplication::translate("TForm5", "Выделившееся тепло"),
                             QCoreApplication::translate("TForm5", "Производство энтропии"), QCoreApplication::translate("TForm5", "Потеря эксергии T0·Sпр")};
  for (int k = 0; k < 4; ++k) {
    caption(Panel5, names[k], 16, 35 + k * 24);
    Res[k] = field(Panel5, 300, 32 + k * 24);
    for (const char* widest : kWidestResult) fit(Res[k], widest);
    ResUnit[k] = caption(Panel5, QString(), 300 + Res[k]->width() + 8, 35 + k * 24);
  }

  Calc0 = button(this, QCoreApplication::translate("TForm5", "Вычислить"), 112, 440);
  BitBtn1 = button(this, QCoreApplication::translate("TForm5", "В таблицу"), 112, 472);
  BitBtn4 = button(this, QCoreApplication::translate("TForm5", "TS диаграмма"), 112, 504);
  BitBtn2 = button(this, QCoreApplication::translate("TForm5", "Конец => Начало"), 112, 536);
  BitBtn5 = button(this, QCoreApplication::translate("TForm5", "Назад"), 16, 504, 75);
  // Under the devices, as wide as their box: room for its text in any
  // language, the window's margin kept.
  BitBtn6 = button(this, QCoreApplication::translate("TForm5", "Циклы ожижения"), 8, 244, 225, 28);
  QFont narrow = base;
  narrow.setPixelSize(10);
  BitBtn2->setFont(narrow);
  setFixedSize(856, 580);

  PaNam1->setCurrentIndex(calc().Kind1);
  PaNam2->setCurrentIndex(calc().Kind2);
  GivenList->setCurrentIndex(int(calc().Given));
  calc().setSubstance(substance(), app::notifier());
  showUnits();
  refresh();

  // The device follows the button's state, however it was switched (mouse,
  // keyboard, a script or a screen reader).
  connect(DevGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) DevBoxClick();
  });
  connect(PaNam1, &QComboBox::activated, this, [this](int) { PaNam1Click(); });
  connect(PaNam2, &QComboBox::activated, this, [this](int) { PaNam2Click(); });
  connect(GivenList, &QComboBox::activated, this, [this](int) { GivenListClick(); });
  const std::pair<QLineEdit*, proc::DeviceEntry> typed[] = {{Edit2, proc::kInlet1},     {Edit4, proc::kInlet2},
                                                            {EP2, proc::kOutletP},      {EEta, proc::kEfficiency},
                                                            {EGiven, proc::kGivenValue}, {ETr, proc::kReservoir},
                                                            {ET0, proc::kAmbient}};
  for (const auto& [e, which] : typed) {
    connect(e, &QLineEdit::textChanged, this, [this, e = e, which = which] {
      calc().typeEntry(which, e->text().toStdString());
      session_.touch();
      refresh();
    });
    // Enter computes, as "Вычислить" does.
    connect(e, &QLineEdit::returnPressed, this, [this] { Calc0Click(); });
  }
  connect(Calc0, &QPushButton::clicked, this, [this] { Calc0Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(BitBtn5, &QPushButton::clicked, this, &QWidget::hide);
  connect(BitBtn6, &QPushButton::clicked, this, &TForm5::cyclesWanted);
}

const tfs::Model* TForm5::substance() const { return session_.main.chosenEos(); }

void TForm5::setSubstanceCaption(const QString& text) {
  setLabel(Label1, text);
  calc().setSubstance(substance(), app::notifier());
  refresh();
}

void TForm5::unitsChanged() {
  calc().setUnits(session_.main.units);
  showUnits();
  refresh();
}

void TForm5::showSession() {
  setLabel(Label1, q(app::substanceHeading(session_.main)));
  calc().setUnits(session_.main.units);
  showUnits();
  refresh();
}

// The unit labels in the units shown.
void TForm5::showUnits() {
  const proc::DeviceCalculator& c = calc();
  const app::Units u = c.Units;
  setLabel(Label2, q(c.unitOf(c.Kind1)));
  setLabel(Label4, q(c.unitOf(c.Kind2)));
  setLabel(LabelGivenUnit, c.Given == proc::ExchangerGiven::Heat ? q(app::unitText(u, app::Dim::Enthalpy))
                                                                  : QStringLiteral("K"));
  const QString heads[proc::kStateCols] = {
      QCoreApplication::translate("TForm5", "Температура,\nK"),
      QCoreApplication::translate("TForm5", "Давление,\nМПа"),
      QCoreApplication::translate("TForm5", "Плотность,\n") + q(app::unitText(u, app::Dim::Density)),
      QCoreApplication::translate("TForm5", "Энтальпия,\n") + q(app::unitText(u, app::Dim::Enthalpy)),
      QCoreApplication::translate("TForm5", "Энтропия,\n") + q(app::unitText(u, app::Dim::Entropy)),
      QCoreApplication::translate("TForm5", "Степень\nсухости, %")};
  for (int k = 0; k < proc::kStateCols; ++k) setLabel(Heads[k], heads[k]);
  const app::Dim dims[4] = {app::Dim::Enthalpy, app::Dim::Enthalpy, app::Dim::Entropy, app::Dim::Enthalpy};
  for (int k = 0; k < 4; ++k) setLabel(ResUnit[k], q(app::unitText(u, dims[k])));
}

void TForm5::refresh() {
  const proc::DeviceCalculator& c = calc();
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < proc::kStateCols; ++k) State[r][k]->setText(q(c.states[r][k]));
  for (int k = 0; k < 4; ++k) Res[k]->setText(q(c.results[k]));
  QLineEdit* lim[4] = {Edit1, Edit3, Edit5, Edit6};
  for (int k = 0; k < 4; ++k) lim[k]->setText(q(c.limits[k]));
  // The entries as the calculator holds them, numbers with this language's
  // separator; no change is reported back.
  QLineEdit* in[proc::kDeviceEntryCount] = {Edit2, Edit4, EP2, EEta, EGiven, ETr, ET0};
  for (int k = 0; k < proc::kDeviceEntryCount; ++k) form::showEntry(in[k], c.entries[k]);
  // The choices as the calculator holds them (an opened session's too).
  {
    const QSignalBlocker q1(DevGroup), q2(PaNam1), q3(PaNam2), q4(GivenList);
    DevItem[int(c.Kind)]->setChecked(true);
    PaNam1->setCurrentIndex(c.Kind1);
    PaNam2->setCurrentIndex(c.Kind2);
    GivenList->setCurrentIndex(int(c.Given));
  }
  // Only the data of the device chosen can be typed.
  const proc::Device kind = c.Kind;
  const bool exchanger = kind == proc::Device::Exchanger;
  const bool eta = kind == proc::Device::Compressor || kind == proc::Device::IsothermalCompressor ||
                   kind == proc::Device::Expander;
  EP2->setEnabled(!exchanger);
  EEta->setEnabled(eta);
  setLabel(LabelEta, kind == proc::Device::IsothermalCompressor ? QCoreApplication::translate("TForm5", "Изотермический КПД")
                                                                : QCoreApplication::translate("TForm5", "Изоэнтропный КПД"));
  for (QWidget* w : {static_cast<QWidget*>(GivenList), static_cast<QWidget*>(EGiven), static_cast<QWidget*>(ETr)})
    w->setEnabled(exchanger);
}

void TForm5::DevBoxClick() {
  calc().chooseDevice(proc::Device(DevGroup->checkedId()));
  session_.touch();
  refresh();
}

void TForm5::PaNam1Click() {
  const app::MessageScope action;
  calc().chooseKind1(PaNam1->currentIndex());
  session_.touch();
  showUnits();
  refresh();
}

void TForm5::PaNam2Click() {
  const app::MessageScope action;
  calc().chooseKind2(PaNam2->currentIndex(), app::notifier());
  session_.touch();
  showUnits();
  refresh();
}

void TForm5::GivenListClick() {
  calc().chooseGiven(proc::ExchangerGiven(GivenList->currentIndex()));
  session_.touch();
  showUnits();
  refresh();
}

bool TForm5::Calc0Click() {
  const app::MessageScope action;
  const bool done = calc().compute(substance(), app::notifier());
  if (done) session_.touch();
  refresh();
  return done;
}

void TForm5::BitBtn1Click() {
  const app::MessageScope action;
  proc::DeviceRow row;
  if (!calc().tableRow(row, app::notifier(), session_.deviceResults)) return;
  session_.deviceResults.push_back(row);
  session_.touch();
  emit deviceRowAdded(int(session_.deviceResults.size()));
}

void TForm5::BitBtn2Click() {
  calc().carry();
  session_.touch();
  PaNam1->setCurrentIndex(calc().Kind1);
  PaNam2->setCurrentIndex(calc().Kind2);
  showUnits();
  refresh();
  DevBox->setFocus();
}

void TForm5::BitBtn4Click() {
  const app::MessageScope action;
  const bool added = calc().draw(substance(), session_.deviceLines, app::notifier());
  refresh();
  if (added) {
    session_.touch();
    emit deviceLineAdded();
  }
}
