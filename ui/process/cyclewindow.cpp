#include "ui/process/cyclewindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

#include <QFocusEvent>
#include <QKeyEvent>
#include <cmath>

#include "core/base/tr.h"
#include "core/base/units.h"
#include "core/process/devicecalc.h"
#include "ui/process/grid.h"
#include "ui/services/commode.h"
#include "ui/services/filedialog.h"
#include "ui/services/messages.h"
#include "ui/services/tableactions.h"
#include "ui/services/wholefile.h"

using proc::Real;

namespace {

const QColor kFixed(255, 255, 0);
const QColor kViolet(150, 0, 200);

QString q(const std::string& s) { return QString::fromStdString(s); }

// Spin box settings of each field: the decimals shown, the step.
struct FieldLook {
  int decimals;
  double step;
};
const FieldLook kLooks[TCycles::kFieldCount] = {
    {6, 0.01},  // low pressure
    {3, 1},     // high pressure
    {2, 5},     // T1
    {3, 0.05},  // eta T
    {2, 1},     // dT
    {3, 1},     // in-leak (per mole too)
    {2, 1},     // Tpre
    {3, 0.05},  // xe
    {2, 5},     // T3
    {3, 0.05},  // eta s
};

// A field's text as a number of the program's language: a decimal comma
// in Russian (a point too), a point in English; an exponent in both.
bool readNumber(const QString& text, double& value) {
  QString t = QString::fromStdString(app::trimmedText(text.toStdString()));
  if (app::decimalSeparator() == ',') t.replace(u',', u'.');
  Real v = 0;
  if (t.isEmpty() || !app::standardConversion(t.toStdString(), v) || !std::isfinite(double(v))) return false;
  value = double(v);
  return true;
}

// A data field: what is typed is read as the other windows read their
// fields, whole (never clipped to a range, rounded to the decimals shown
// or cut at a character the spin box does not know); a text that is no
// number is refused with their message when it is entered (Enter, leaving
// the field, a step) and the last good value put back. An empty field
// gives 0, as theirs do.
class DataSpin : public QDoubleSpinBox {
 public:
  DataSpin(int decimals, QWidget* parent) : QDoubleSpinBox(parent), shown_(decimals) {
    // The spin box rounds what it holds to its decimals: all of them.
    setDecimals(323);
    // No value is clipped: the cycle refuses what it cannot take, with its
    // reason.
    setRange(-1e300, 1e300);
  }

  QValidator::State validate(QString& text, int&) const override {
    double v = 0;
    return readNumber(text, v) ? QValidator::Acceptable : QValidator::Intermediate;
  }
  void fixup(QString&) const override {}
  double valueFromText(const QString& text) const override {
    double v = value();
    readNumber(text, v);
    return v;
  }
  // The decimals of the field, more where the value has more (up to 12).
  QString textFromValue(double v) const override {
    int d = shown_;
    while (d < 12 && std::fabs(v - std::round(v * std::pow(10.0, d)) / std::pow(10.0, d)) > 1e-12 * std::max(1.0, std::fabs(v)))
      ++d;
    return app::fmt(("%." + std::to_string(d) + "f").c_str(), Real(v));
  }
  QSize sizeHint() const override { return fitted(QDoubleSpinBox::sizeHint()); }
  QSize minimumSizeHint() const override { return fitted(QDoubleSpinBox::minimumSizeHint()); }
  void stepBy(int steps) override {
    if (enter()) QDoubleSpinBox::stepBy(steps);
  }

 protected:
  void focusOutEvent(QFocusEvent* e) override {
    enter();
    QDoubleSpinBox::focusOutEvent(e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) enter();
    QDoubleSpinBox::keyPressEvent(e);
  }

 private:
  // The text typed: true when it is a number (the spin box takes it on);
  // otherwise the message said, and 0 for an empty field or the last good
  // value put back.
  bool enter() {
    const QString text = lineEdit()->text();
    double v = 0;
    if (readNumber(text, v)) return true;
    // The field shows its value again before the message box takes the
    // focus (and leaving the field would read the text once more).
    const app::MessageScope action;
    if (app::trimmedText(text.toStdString()).empty()) {
      lineEdit()->setText(textFromValue(0));
      Real zero = 0;
      unsigned char warn = 1;
      app::EditToNumber(text, zero, warn);
      return true;
    }
    lineEdit()->setText(textFromValue(value()));
    // Also a number beyond what a double holds ("1e400").
    app::messages().show(QString::fromStdString(app::withArgs(
        app::translate("Input", "\" %1\" в окне не является числом \rОно содержит символы или буквы!"),
        {text.toStdString()})));
    return false;
  }
  // As wide as a value of the field's decimals, not as the range's ends.
  QSize fitted(QSize s) const {
    const QString widest = app::fmt(("%." + std::to_string(shown_) + "f").c_str(), Real(-10000));
    s.setWidth(std::max(100, fontMetrics().horizontalAdvance(widest) + 36));
    return s;
  }

  int shown_;
};

constexpr int kStateColumns = 9;
constexpr int kLossColumns = 3;

}  // namespace

TCycles::TCycles(app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setWindowTitle(tr("Циклы ожижения"));
  QFont base = font();
  base.setPixelSize(11);
  setFont(base);
  QFont bold = base;
  bold.setBold(true);

  Label1 = new QLabel(this);
  Label1->setFont(bold);
  Kind = new QComboBox(this);
  for (int k = 0; k < proc::kCycleCount; ++k) Kind->addItem(q(proc::cycleName(proc::Cycle(k))));

  // The data.
  auto* dataBox = new QGroupBox(tr("Данные цикла"), this);
  auto* dataGrid = new QGridLayout(dataBox);
  const QString names[kFieldCount] = {tr("Низкое давление"),
                                      tr("Высокое давление"),
                                      tr("Температура окружающей среды и сжатия T1"),
                                      tr("Изотермический КПД компрессора"),
                                      tr("Разность температур на теплом конце"),
                                      tr("Теплоприток на 1 кг сжатого газа"),
                                      tr("Температура предварительного охлаждения"),
                                      tr("Доля потока на детандер xe"),
                                      tr("Температура на входе в детандер"),
                                      tr("Изоэнтропный КПД детандера")};
  for (int k = 0; k < kFieldCount; ++k) {
    DataName[k] = new QLabel(names[k], dataBox);
    dataGrid->addWidget(DataName[k], k, 0);
    Data[k] = new DataSpin(kLooks[k].decimals, dataBox);
    Data[k]->setSingleStep(kLooks[k].step);
    // A value counts when typed whole (Enter, leaving the field) or stepped.
    Data[k]->setKeyboardTracking(false);
    dataGrid->addWidget(Data[k], k, 1);
    DataUnit[k] = new QLabel(dataBox);
    dataGrid->addWidget(DataUnit[k], k, 2);
  }
  OnDiagram = new QCheckBox(tr("Цикл на TS диаграмме"), dataBox);
  dataGrid->addWidget(OnDiagram, kFieldCount, 0, 1, 2);

  // The results.
  auto* resBox = new QGroupBox(tr("Результаты цикла"), this);
  auto* resGrid = new QGridLayout(resBox);
  const QString shown[kShownCount] = {tr("Выход жидкости y"),
                                      tr("Работа сжатия"),
                                      tr("Работа детандера"),
                                      tr("Работа охлаждения ванны (обратимая)"),
                                      tr("Затраченная работа W на 1 кг сжатого газа"),
                                      tr("Затраченная работа W/y на 1 кг жидкости"),
                                      tr("Минимальная работа ожижения Wi"),
                                      tr("Степень совершенства Wi/(W/y)")};
  for (int k = 0; k < kShownCount; ++k) {
    ResName[k] = new QLabel(shown[k], resBox);
    resGrid->addWidget(ResName[k], k, 0);
    Res[k] = new QLineEdit(resBox);
    Res[k]->setReadOnly(true);
    Res[k]->setMinimumWidth(110);
    resGrid->addWidget(Res[k], k, 1);
    ResUnit[k] = new QLabel(resBox);
    resGrid->addWidget(ResUnit[k], k, 2);
  }
  Message = new QLabel(resBox);
  Message->setWordWrap(true);
  Message->setMinimumHeight(48);
  QPalette warn = Message->palette();
  warn.setColor(QPalette::WindowText, QColor(200, 0, 0));
  Message->setPalette(warn);
  resGrid->addWidget(Message, kShownCount, 0, 1, 3);

  // The states and the losses, copyable and savable like the other tables.
  // Their files start with the cycle, the substance and the model.
  auto heading = [this] { return Kind->currentText() + QStringLiteral(".") + Label1->text(); };
  States = proc::MakeStringGrid(this, kStateColumns, 14, kFixed);
  app::addTableActions(States, tr("Цикл ожижения"), heading);
  States->setMinimumHeight(14 * States->rowHeight(0) + 8);
  Losses = proc::MakeStringGrid(this, kLossColumns, proc::kPartCount + 2, kFixed);
  app::addTableActions(Losses, tr("Потери эксергии"), heading);

  // The bar chart of the exergy destroyed.
  auto* chart = new QChart();
  chart->legend()->hide();
  chart->setTitle(tr("Потеря эксергии T0·Sпр по элементам цикла"));
  // Bars across, the components' names before them in full: a name never
  // has to be cut to the width of a bar.
  auto* series = new QHorizontalBarSeries(chart);
  Bars = new QBarSet(tr("Потеря эксергии"), series);
  Bars->setColor(kViolet);
  series->append(Bars);
  chart->addSeries(series);
  auto* categories = new QBarCategoryAxis(chart);
  auto* values = new QValueAxis(chart);
  // The numbers in the language's own way (a decimal comma in Russian),
  // without a separator of thousands, as in the list beside.
  QLocale numbers;
  numbers.setNumberOptions(QLocale::OmitGroupSeparator);
  chart->setLocale(numbers);
  chart->setLocalizeNumbers(true);
  chart->addAxis(categories, Qt::AlignLeft);
  chart->addAxis(values, Qt::AlignBottom);
  series->attachAxis(categories);
  series->attachAxis(values);
  Chart = new QChartView(chart, this);
  Chart->setRenderHint(QPainter::Antialiasing);
  Chart->setMinimumSize(520, 300);
  Chart->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copyChart = new QAction(tr("Копировать"), Chart);
  auto* saveChart = new QAction(tr("Сохранить в PNG..."), Chart);
  Chart->addAction(copyChart);
  Chart->addAction(saveChart);
  connect(copyChart, &QAction::triggered, this, [this] {
    if (QClipboard* c = QApplication::clipboard()) c->setImage(chartImage());
  });
  connect(saveChart, &QAction::triggered, this, [this] {
    app::FileRequest req;
    req.save = true;
    req.parent = this;
    req.caption = tr("Сохранить диаграмму потерь");
    req.path = tr("Потери эксергии") + QStringLiteral(".png");
    req.filter = tr("Рисунок PNG (*.png)");
    const QString path = app::askFile(req);
    if (path.isEmpty()) return;
    if (const app::FileFault f = app::writeImageFile(chartImage(), "PNG", path); f != app::FileFault::None)
      app::messages().show(app::writeFaultMessage(f, path));
  });

  auto* close = new QPushButton(tr("Назад"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("Цикл"), this));
  top->addWidget(Kind, 1);
  top->addSpacing(24);
  top->addWidget(Label1);
  top->addStretch();
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(dataBox);
  boxes->addWidget(resBox);
  auto* bottom = new QHBoxLayout;
  auto* lossColumn = new QVBoxLayout;
  lossColumn->addWidget(Losses);
  lossColumn->addWidget(close, 0, Qt::AlignLeft);
  bottom->addLayout(lossColumn, 2);
  bottom->addWidget(Chart, 3);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addLayout(boxes);
  all->addWidget(States, 1);
  all->addLayout(bottom, 1);
  resize(1180, 940);

  connect(Kind, &QComboBox::activated, this, [this](int) { kindChosen(); });
  for (int k = 0; k < kFieldCount; ++k)
    connect(Data[k], &QDoubleSpinBox::valueChanged, this, [this, k](double) { fieldChanged(Field(k)); });
  connect(OnDiagram, &QCheckBox::toggled, this, &TCycles::drawToggled);

  if (session_.main.chosen && session_.cycles.result.status == proc::CycleStatus::NoResult) {
    session_.cycles.reset(substance());
    solve(false);
  }
  showUnits();
  showFields();
  refresh();
}

const tfs::Model* TCycles::substance() const { return session_.main.chosenEos(); }

QImage TCycles::chartImage() const {
  QImage image(Chart->size(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter g(&image);
  Chart->render(&g);
  return image;
}

// A field's value in the units shown: the in-leak per mole when molar.
Real TCycles::fieldValue(Field f, const proc::CycleData& d) const {
  const Real v[kFieldCount] = {d.Plow, d.Phigh, d.T1, d.etaT, d.dT, d.leak, d.Tpre, d.xe, d.T3, d.etaS};
  return f == kLeak ? app::toShown(session_.main.units, app::Dim::Enthalpy, v[f], session_.main.eos()) : v[f];
}

void TCycles::setFieldValue(Field f, proc::CycleData& d, Real shown) const {
  Real* v[kFieldCount] = {&d.Plow, &d.Phigh, &d.T1, &d.etaT, &d.dT, &d.leak, &d.Tpre, &d.xe, &d.T3, &d.etaS};
  *v[f] = f == kLeak ? app::fromShown(session_.main.units, app::Dim::Enthalpy, shown, session_.main.eos()) : shown;
}

void TCycles::setSubstanceCaption(const QString& text) {
  Label1->setText(text);
  session_.cycles.reset(substance());
  if (session_.main.chosen) solve(false);
  showFields();
  refresh();
  emit cycleChanged();
}

void TCycles::showSession() {
  if (session_.main.chosen && !session_.cycles.result.shown()) solve(false);
  showUnits();
  showFields();
  refresh();
  emit cycleChanged();
}

void TCycles::unitsChanged() {
  showUnits();
  showFields();
  refresh();
}

bool TCycles::solve(bool loud) {
  proc::CycleResult why;
  if (session_.cycles.solve(substance(), &why, app::notifier())) return true;
  if (loud) {
    const app::MessageScope action;
    app::messages().show(q(why.message));
  } else {
    Message->setText(q(why.message));
  }
  return false;
}

void TCycles::kindChosen() {
  proc::CycleWork& w = session_.cycles;
  const proc::Cycle was = w.kind;
  w.kind = proc::Cycle(Kind->currentIndex());
  if (w.kind == was) return;
  session_.touch();
  if (substance() && !solve(true)) {
    w.result = proc::CycleResult{};
    w.lines.clear();
  }
  showFields();
  refresh();
  emit cycleChanged();
}

void TCycles::fieldChanged(Field f) {
  proc::CycleWork& w = session_.cycles;
  const proc::CycleData before = w.current();
  setFieldValue(f, w.current(), Real(Data[f]->value()));
  if (w.current() == before) return;
  if (!substance()) return;
  if (!solve(true)) {
    // Refused: what was shown stays, the field shows its value again.
    w.current() = before;
    showFields();
    return;
  }
  session_.touch();
  refresh();
  if (w.onDiagram) emit cycleChanged();
}

void TCycles::drawToggled(bool on) {
  if (session_.cycles.onDiagram == on) return;
  session_.cycles.onDiagram = on;
  session_.touch();
  emit cycleChanged();
  if (on) emit diagramWanted();
}

// The data of the cycle chosen; the fields it does not use disabled.
void TCycles::showFields() {
  const proc::CycleWork& w = session_.cycles;
  {
    const QSignalBlocker quiet(Kind);
    Kind->setCurrentIndex(int(w.kind));
  }
  for (int k = 0; k < kFieldCount; ++k) {
    const QSignalBlocker quiet(Data[k]);
    Data[k]->setValue(double(fieldValue(Field(k), w.current())));
  }
  const bool pre = w.kind == proc::Cycle::Precooled, claude = w.kind == proc::Cycle::Claude;
  Data[kTpre]->setEnabled(pre);
  for (Field f : {kXe, kT3, kEtaS}) Data[f]->setEnabled(claude);
  const QSignalBlocker quiet(OnDiagram);
  OnDiagram->setChecked(w.onDiagram);
}

void TCycles::showUnits() {
  const app::Units u = session_.main.units;
  const QString h = q(app::unitText(u, app::Dim::Enthalpy));
  const QString units[kFieldCount] = {tr("МПа"), tr("МПа"), QStringLiteral("K"), QString(), QStringLiteral("K"), h,
                                      QStringLiteral("K"), QString(), QStringLiteral("K"), QString()};
  for (int k = 0; k < kFieldCount; ++k) DataUnit[k]->setText(units[k]);
  const bool molar = u == app::Units::Molar;
  // The names that say what the value is per: a kilogram or a mole.
  DataName[kLeak]->setText(molar ? tr("Теплоприток на 1 моль сжатого газа") : tr("Теплоприток на 1 кг сжатого газа"));
  ResName[kW]->setText(molar ? tr("Затраченная работа W на 1 моль сжатого газа")
                             : tr("Затраченная работа W на 1 кг сжатого газа"));
  ResName[kWf]->setText(molar ? tr("Затраченная работа W/y на 1 моль жидкости")
                              : tr("Затраченная работа W/y на 1 кг жидкости"));
  const QString perGas = molar ? tr("Дж/моль сжатого газа") : tr("кДж/кг сжатого газа");
  const QString perLiquid = molar ? tr("Дж/моль жидкости") : tr("кДж/кг жидкости");
  const QString res[kShownCount] = {molar ? tr("моль/моль сжатого газа") : tr("кг/кг сжатого газа"),
                                    perGas, perGas, perGas, perGas, perLiquid, perLiquid, QString()};
  for (int k = 0; k < kShownCount; ++k) ResUnit[k]->setText(res[k]);
  const QString d = q(app::unitText(u, app::Dim::Density)), s = q(app::unitText(u, app::Dim::Entropy));
  const QString heads[kStateColumns] = {tr(" N"),           tr(" Точка"),          tr(" T, K"),
                                        tr(" P, МПа"),      tr(" d, ") + d,       tr(" i, ") + h,
                                        tr(" s, ") + s,     tr(" Ст. сухости, %"), tr(" Доля потока")};
  for (int k = 0; k < kStateColumns; ++k) proc::SetGridCell(States, k, 0, heads[k]);
  const QString lossHeads[kLossColumns] = {tr(" Элемент цикла"), tr(" T0·Sпр, ") + perLiquid, tr(" Доля, %")};
  for (int k = 0; k < kLossColumns; ++k) proc::SetGridCell(Losses, k, 0, lossHeads[k]);
  if (const auto axes = Chart->chart()->axes(Qt::Horizontal); !axes.isEmpty()) axes.first()->setTitleText(perLiquid);
}

void TCycles::refresh() {
  const proc::CycleWork& w = session_.cycles;
  const proc::CycleResult& r = w.result;
  const app::Units u = session_.main.units;
  const tfs::Model& subst = session_.main.eos();
  auto shownText = [&](app::Dim dim, Real v) { return q(proc::shownText(u, dim, v, subst)); };
  const bool any = r.shown() && r.kind == w.kind, liquid = any && r.liquid();
  for (QLineEdit* e : Res) e->clear();
  if (any) {
    Res[kYield]->setText(app::fmt("%.5f", r.y));
    Res[kWc]->setText(shownText(app::Dim::Enthalpy, r.Wc));
    if (r.kind == proc::Cycle::Claude) Res[kWe]->setText(shownText(app::Dim::Enthalpy, r.We));
    if (r.kind == proc::Cycle::Precooled && liquid) Res[kWbath]->setText(shownText(app::Dim::Enthalpy, r.Wbath));
    Res[kW]->setText(shownText(app::Dim::Enthalpy, r.W));
    Res[kWi]->setText(shownText(app::Dim::Enthalpy, r.Wi));
    if (liquid) {
      Res[kWf]->setText(shownText(app::Dim::Enthalpy, r.Wf));
      Res[kFom]->setText(app::fmt("%.4f", r.fom));
    }
    Message->setText(q(r.message));
  } else if (!session_.main.chosen) {
    Message->setText(tr("Рабочее вещество не выбрано !"));
  }
  Res[kWe]->setEnabled(w.kind == proc::Cycle::Claude);
  Res[kWbath]->setEnabled(w.kind == proc::Cycle::Precooled);

  // The states: number, what it is, T, P, d, i, s, dryness, flow.
  const int rows = any ? int(r.states.size()) : 0;
  if (States->rowCount() < rows + 1) proc::GrowStringGrid(States, rows + 1, kFixed);
  for (int row = 1; row < States->rowCount(); ++row)
    for (int c = 0; c < kStateColumns; ++c) proc::SetGridCell(States, c, row, QString());
  for (int k = 0; k < rows; ++k) {
    const proc::CycleState& s = r.states[k];
    const QString cells[kStateColumns] = {QStringLiteral("  ") + QString::number(s.n),
                                          QStringLiteral(" ") + q(s.where),
                                          app::fmt(" %7.2f", s.p.T),
                                          app::fmt(" %8.4f", s.p.P),
                                          shownText(app::Dim::Density, s.p.d),
                                          shownText(app::Dim::Enthalpy, s.p.i),
                                          q(proc::shownText(u, app::Dim::Entropy, s.p.s, subst)),
                                          q(proc::drynessText(s.p.x)),
                                          app::fmt(" %.5f", s.flow)};
    for (int c = 0; c < kStateColumns; ++c) proc::SetGridCell(States, c, k + 1, cells[c]);
  }
  States->resizeColumnsToContents();

  // The losses, listed and drawn: per kg (mole) of liquid, adding up to W/y - Wi.
  for (int row = 1; row < Losses->rowCount(); ++row)
    for (int c = 0; c < kLossColumns; ++c) proc::SetGridCell(Losses, c, row, QString());
  QStringList names;
  QList<qreal> values;
  Real sum = 0;
  int row = 1;
  if (liquid) {
    for (int k = 0; k < proc::kPartCount; ++k) {
      if (!r.hasPart[k]) continue;
      const Real e = r.exergy[k];
      sum += e;
      proc::SetGridCell(Losses, 0, row, QStringLiteral(" ") + q(proc::partName(proc::Part(k))));
      proc::SetGridCell(Losses, 1, row, shownText(app::Dim::Enthalpy, e));
      proc::SetGridCell(Losses, 2, row, app::fmt(" %5.1f", r.Wf > r.Wi ? 100 * e / (r.Wf - r.Wi) : 0));
      // The first bar is drawn lowest: the compressor on top, as in the list.
      names.prepend(q(proc::partName(proc::Part(k))));
      values.prepend(qreal(app::toShown(u, app::Dim::Enthalpy, e, subst)));
      ++row;
    }
    proc::SetGridCell(Losses, 0, row, tr(" Сумма = W/y - Wi"));
    proc::SetGridCell(Losses, 1, row, shownText(app::Dim::Enthalpy, sum));
    proc::SetGridCell(Losses, 2, row, app::fmt(" %5.1f", 100));
  }
  Losses->resizeColumnsToContents();
  if (Bars->count() > 0) Bars->remove(0, Bars->count());
  Bars->append(values);
  QChart* chart = Chart->chart();
  const auto across = chart->axes(Qt::Horizontal), down = chart->axes(Qt::Vertical);
  if (auto* cat = down.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(down.first())) {
    cat->clear();
    cat->append(names);
  }
  if (auto* val = across.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(across.first())) {
    qreal top = 0;
    for (qreal v : values) top = std::max(top, v);
    val->setRange(0, top > 0 ? top * 1.1 : 1);
    val->applyNiceNumbers();
    // As many decimals as the step between the numbers needs.
    const qreal step = val->tickCount() > 1 ? (val->max() - val->min()) / (val->tickCount() - 1) : 1;
    int decimals = 0;
    while (decimals < 6 && std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
      ++decimals;
    val->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
  }
  // An empty chart has no scale to read.
  for (QAbstractAxis* axis : chart->axes()) axis->setVisible(!values.isEmpty());
}
