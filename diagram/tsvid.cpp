#include "diagram/tsvid.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QValueAxis>
#include <cmath>

#include "app/appstate.h"
#include "app/commode.h"
#include "app/libguard.h"
#include "app/linegen.h"
#include "app/mainwindow.h"
#include "app/windows.h"
#include "diagram/diagramexport.h"
#include "diagram/procstore.h"
#include "diagram/series.h"
#include "diagram/ticks.h"
#include "diagram/tspoints.h"
#include "thermo/substances.h"

namespace diagram {
ProcStore& procStore() {
  static ProcStore s;
  return s;
}
}  // namespace diagram

namespace {

using tfs::Real;

constexpr int kSeries = 36;
constexpr int kMarkers = 25;     // start and end points of the processes
constexpr int kIsobar0 = 3;      // isobar i at 3 + i
constexpr int kIsenthalp0 = 14;  // isenthalp j at 14 + j
constexpr int kMelting = 24;

const QColor kLime(0, 255, 0);
const QColor kGreen(0, 128, 0);

QPointF pt(Real s, Real T) { return QPointF(double(s), double(T)); }

// Round to the nearest integer, halves to even.
int nint(Real v) { return int(std::nearbyint(v)); }

bool redIsobar(int i) { return i == 1 || i == 4 || i == 7 || i == 10; }

QLineEdit* box(QWidget* parent, int left, int top, int width) {
  auto* e = new QLineEdit(parent);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setGeometry(left, top, width, 21);
  e->setProperty("designWidth", width);
  return e;
}

QLineEdit* label(QWidget* parent, int left, int top, int width, bool frame) {
  QLineEdit* e = box(parent, left, top, width);
  e->setFrame(frame);
  // The labels sit on the lines; the mouse goes through them to the chart.
  e->setAttribute(Qt::WA_TransparentForMouseEvents);
  return e;
}

// A readout field widens to show its whole text, never below its design width.
void setFitted(QLineEdit* e, const QString& text) {
  e->setText(text);
  const int design = e->property("designWidth").toInt();
  e->resize(std::max(design, e->fontMetrics().horizontalAdvance(text) + 12), e->height());
}

void clearCategories(QCategoryAxis* a) {
  const QStringList labels = a->categoriesLabels();
  for (const QString& l : labels) a->remove(l);
}

QString tickText(double v, double step) {
  int decimals = 0;
  if (step > 0)
    while (decimals < 4 && std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
      ++decimals;
  const char* pattern[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f"};
  return app::fmt(pattern[decimals], Real(v));
}

}  // namespace

TTSvid::TTSvid(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral(" TS диаграмма"));
  setWindowFlags(windowFlags() | Qt::Window);

  Chart1 = new QChart;
  Chart1->legend()->hide();
  Chart1->setTitle(QString());
  Chart1->setBackgroundBrush(Qt::white);
  Chart1->setBackgroundRoundness(0);
  Chart1->setPlotAreaBackgroundBrush(Qt::white);
  Chart1->setPlotAreaBackgroundVisible(true);
  Chart1->setAnimationOptions(QChart::NoAnimation);

  Chart1View = new QChartView(Chart1, this);
  Chart1View->setFrameShape(QFrame::NoFrame);
  Chart1View->setRenderHint(QPainter::Antialiasing);
  Chart1View->setRubberBand(QChartView::NoRubberBand);
  Chart1View->setMouseTracking(true);
  Chart1View->viewport()->setMouseTracking(true);
  Chart1View->viewport()->setCursor(Qt::CrossCursor);
  Chart1View->viewport()->installEventFilter(this);

  sAxis_ = new QCategoryAxis;
  sAxis_->setTitleText(QStringLiteral("Энтропия S, кДж/(кг.К)"));
  sAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  Chart1->addAxis(sAxis_, Qt::AlignBottom);

  // The series keep temperature as their y. They map it through a hidden
  // logarithmic or linear axis; the visible left axis is a category axis
  // over ln T (or T) that can number any round values, not only powers.
  tLabels_ = new QCategoryAxis;
  tLabels_->setTitleText(QStringLiteral("Температура Т, К"));
  tLabels_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  Chart1->addAxis(tLabels_, Qt::AlignLeft);
  tLog_ = new QLogValueAxis;
  tLog_->setBase(10);
  tLog_->setVisible(false);
  Chart1->addAxis(tLog_, Qt::AlignLeft);
  tLin_ = new QValueAxis;
  tLin_->setVisible(false);
  Chart1->addAxis(tLin_, Qt::AlignLeft);

  log_ = app::state().scaleKind == 0;
  for (int i = 0; i < kSeries; ++i) {
    auto* s = new QLineSeries;
    s->setName(QStringLiteral("Series%1").arg(i + 1));
    QPen pen(Qt::black);
    pen.setWidth(1);
    if (i == 0) {
      pen.setColor(Qt::white);
    } else if (i == 1) {
      pen.setColor(Qt::blue);
      pen.setWidth(2);
    } else if (i == 2) {
      pen.setColor(kLime);
      pen.setWidth(2);
    } else if (i < kIsenthalp0) {
      pen.setColor(redIsobar(i - kIsobar0) ? Qt::red : Qt::black);
    } else if (i < kIsenthalp0 + 5) {
      pen.setColor(Qt::black);
    } else if (i <= kMelting) {
      pen.setColor(kGreen);
      pen.setStyle(Qt::DashLine);
    } else if (i == kMarkers) {
      pen.setColor(Qt::red);
      pen.setStyle(Qt::NoPen);
    } else {
      pen.setColor(Qt::red);
      pen.setWidth(3);
    }
    s->setPen(pen);
    if (i == kMarkers) {
      QImage marker(3, 3, QImage::Format_ARGB32);
      marker.fill(Qt::red);
      s->setLightMarker(marker);
      s->setMarkerSize(3);
      s->setPointsVisible(true);
    }
    s->setPointLabelsVisible(false);
    Chart1->addSeries(s);
    s->attachAxis(sAxis_);
    s->attachAxis(log_ ? static_cast<QAbstractAxis*>(tLog_) : tLin_);
    series_.append(s);
    buf_.append(QList<QPointF>());
  }

  Edit1 = box(Chart1View, 80, 8, 73);
  Edit2 = box(Chart1View, 160, 8, 73);
  E1 = label(Chart1View, 336, 8, 41, true);
  E2 = label(Chart1View, 400, 8, 57, true);
  E3 = label(Chart1View, 456, 8, 57, true);
  E4 = label(Chart1View, 488, 8, 57, true);
  for (QLineEdit* e : {E1, E2, E3, E4}) e->setStyleSheet(QStringLiteral("QLineEdit { color: red; }"));
  Ep = box(Chart1View, 80, 40, 97);
  Ed = box(Chart1View, 80, 64, 97);
  Eh = box(Chart1View, 80, 88, 97);
  ECp = box(Chart1View, 80, 112, 97);
  for (QLineEdit* e : {Ep, Ed, Eh, ECp}) e->setStyleSheet(QStringLiteral("QLineEdit { background: yellow; }"));
  for (int n = 0; n < 10; ++n) {
    EhLab[n] = label(Chart1View, n < 5 ? 512 : 360, 200 + 24 * (n % 5), 41, false);
    EhLab[n]->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
  }
  Nazad = new QPushButton(QStringLiteral("Назад"), Chart1View);
  Nazad->setGeometry(80, 152, 75, 25);
  connect(Nazad, &QPushButton::clicked, this, &TTSvid::NazadClick);
  diagram::addDiagramActions(this);

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TTSvid::Timer1Timer);
  Timer2 = new QTimer(this);
  Timer2->setInterval(300);
  connect(Timer2, &QTimer::timeout, this, &TTSvid::Timer2Timer);

  // The labels follow the plot when a resize or the other scale moves it.
  connect(Chart1, &QChart::plotAreaChanged, this, [this] {
    if (tick_ >= 1) placeLabels();
  });

  FormCreate();
  Timer1->start();
  Timer2->start();
}

void TTSvid::FormCreate() {
  fitToScreen();
  tick_ = -1000;
  for (QLineEdit* e : {E1, E2, E3, E4}) e->hide();
  pointsRow_ = 0;
}

void TTSvid::fitToScreen() {
  QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!sc) return;
  const QRect av = sc->availableGeometry();
  move(av.topLeft());
  resize(av.width(), std::max(100, av.height() - 15));
}

void TTSvid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Chart1View->setGeometry(0, 0, width(), height());
  Chart1->setMargins(QMargins(std::max(1, width() / 100), std::max(2, height() * 2 / 100), std::max(1, width() / 100),
                              std::max(1, height() / 100)));
}

void TTSvid::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

QAbstractAxis* TTSvid::axisTMapping() const {
  return log_ ? static_cast<QAbstractAxis*>(tLog_) : static_cast<QAbstractAxis*>(tLin_);
}

diagram::Scale TTSvid::scale() const {
  const app::AppState& st = app::state();
  diagram::Scale sc;
  sc.log = log_;
  sc.Tmin = st.Tmin;
  sc.Tmax = st.Tmax;
  sc.lnTmin = st.lnTmin;
  sc.lnTmax = st.lnTmax;
  sc.Smin = app::diagramStore().Smin;
  sc.Srange = Srange_;
  return sc;
}

void TTSvid::setLogScale(bool log) {
  if (log != log_) {
    QAbstractAxis* from = axisTMapping();
    log_ = log;
    QAbstractAxis* to = axisTMapping();
    for (QLineSeries* s : series_) {
      s->detachAxis(from);
      s->attachAxis(to);
    }
  }
  applyLeftAxis();
  if (tick_ >= 1) placeLabels();
}

void TTSvid::applyLeftAxis() {
  const app::AppState& st = app::state();
  const double lo = double(st.Tmin), hi = double(st.Tmax);
  if (!(lo > 0) || !(hi > lo)) return;
  tLog_->setRange(lo, hi);
  tLin_->setRange(lo, hi);
  clearCategories(tLabels_);
  if (log_) {
    tLabels_->setRange(std::log(lo), std::log(hi));
    tLabels_->setStartValue(std::log(lo));
    for (double v : diagram::logTicks(lo, hi)) tLabels_->append(tickText(v, v == std::floor(v) ? 1 : 0.1), std::log(v));
  } else {
    tLabels_->setRange(lo, hi);
    tLabels_->setStartValue(lo);
    const std::vector<double> t = diagram::linearTicks(lo, hi, 16, hi - lo >= 100 ? 20 : 0);
    const double step = t.size() > 1 ? t[1] - t[0] : 1;
    for (double v : t) tLabels_->append(tickText(v, step), v);
  }
}

void TTSvid::commit(int pos) { series_[pos]->replace(buf_[pos]); }

void TTSvid::FormShow() {
  QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen();
  if (sc) move(sc->availableGeometry().topLeft());
  const app::AppState& st = app::state();
  const app::DiagramStore& d = app::diagramStore();

  if (diagram::procStore().ProcIndex == 0) {
    setWindowTitle(QStringLiteral(" TS диаграмма для ") + app::SubstNameGen(st.subst) + QStringLiteral(" (в систeме SI)"));
    // The readout of the previous diagram belongs to another substance.
    for (QLineEdit* e : {Ep, Ed, Eh, ECp}) {
      e->hide();
      e->clear();
    }
    kept_ = diagram::CursorState{};
    fresh_ = false;
    // A label of the previous diagram would sit on no line of this one.
    for (QLineEdit* e : EhLab) e->hide();
    for (auto& b : buf_) b.clear();

    applyLeftAxis();
    Srange_ = d.Smax - d.Smin;
    if (Srange_ > 0) {
      sAxis_->setRange(double(d.Smin), double(d.Smax));
      clearCategories(sAxis_);
      sAxis_->setStartValue(double(d.Smin));
      const std::vector<double> t = diagram::linearTicks(double(d.Smin), double(d.Smax), 12);
      const double step = t.size() > 1 ? t[1] - t[0] : 1;
      for (double v : t) sAxis_->append(tickText(v, step), v);
    }

    diagram::insertSorted(buf_[0], pt(d.Smin, st.Tmin));
    diagram::insertSorted(buf_[0], pt(d.Smax, st.Tmax));

    const int subst = st.subst >= 1 && st.subst <= tfs::kSubstCount ? st.subst : 0;
    Tcr_ = subst ? tfs::Tcr[subst] : 0;
    Pcr_ = subst ? tfs::Pcr[subst] : 0;
    // No dome when Tmin is at or above Tcr: its arrays hold nothing to draw.
    if (d.domeComputed) {
      diagram::insertSorted(buf_[1], pt(d.DomeSL[0], Tcr_));
      diagram::insertSorted(buf_[2], pt(d.DomeSV[0], Tcr_));
      for (int i = 1; i <= 10; ++i) {
        diagram::insertSorted(buf_[1], pt(d.DomeSL[i], d.DomeT[i]));
        diagram::insertSorted(buf_[2], pt(d.DomeSV[i], d.DomeT[i]));
      }
    }
    DrawIsobars();
    DrawIsenthalps();
    DrawMeltingLine();
    for (int pos = 0; pos < kSeries; ++pos) commit(pos);
    built_ = true;
  }
  DrawProcLines();
  tick_ = 0;
}

void TTSvid::DrawIsobars() {
  const app::AppState& st = app::state();
  const app::DiagramStore& d = app::diagramStore();
  const int last = std::min(st.lastIsobar, 10);
  for (int i = 0; i <= last; ++i) {
    QList<QPointF>& iso = buf_[kIsobar0 + i];
    // Saturation points exist only where the generator computed them.
    if (i >= st.firstIsobar && app::IsobarP[i] < Pcr_ && d.IsoSatTV[i] > 0 && d.IsoSatTL[i] > 0) {
      diagram::insertSorted(buf_[1], pt(d.IsoSatSL[i], d.IsoSatTL[i]));
      diagram::insertSorted(buf_[2], pt(d.IsoSatSV[i], d.IsoSatTV[i]));
      diagram::insertSorted(iso, pt(d.IsoSatSV[i], d.IsoSatTV[i]));
      diagram::insertSorted(iso, pt(d.IsoSatSL[i], d.IsoSatTL[i]));
    }
    for (int k = 0; k <= 20; ++k)
      if (d.IsoT[i][k] > d.IsoTmelt[i] - Real(0.01)) diagram::insertSorted(iso, pt(d.IsoS[i][k], d.IsoT[i][k]));
    if (redIsobar(i)) labelS_[(i - 1) / 3] = d.IsoS[i][20];
  }
}

void TTSvid::DrawIsenthalps() {
  const app::DiagramStore& d = app::diagramStore();
  const int count = std::min(d.HCount, 9);
  for (int j = 0; j <= count; ++j)
    for (int k = 0; k <= 19; ++k)
      if (d.HT[j][k] > 2) diagram::insertSorted(buf_[kIsenthalp0 + j], pt(d.HS[j][k], d.HT[j][k]));
}

void TTSvid::DrawMeltingLine() {
  const app::AppState& st = app::state();
  const app::DiagramStore& d = app::diagramStore();
  for (int i = std::max(st.firstIsobar, 0); i <= std::min(st.lastIsobar, 10); ++i)
    if (d.IsoT[i][0] > 0) diagram::insertSorted(buf_[kMelting], pt(d.IsoS[i][0], d.IsoT[i][0]));
}

void TTSvid::DrawProcLines() {
  const diagram::ProcStore& pr = diagram::procStore();
  if (pr.ProcCount <= 0) return;
  const app::AppState& st = app::state();
  const app::DiagramStore& d = app::diagramStore();
  auto inS = [&](Real s) { return d.Smin < s && s < d.Smax; };
  auto inT = [&](Real T) { return st.Tmin < T && T < st.Tmax; };
  const int count = std::min(pr.ProcCount, 10);
  buf_[kMarkers].clear();
  for (int r = 1; r <= count; ++r) {
    for (int j : {0, 15})
      if (inS(pr.ProcS[r][j]) && inT(pr.ProcT[r][j])) diagram::insertSorted(buf_[kMarkers], pt(pr.ProcS[r][j], pr.ProcT[r][j]));
    QList<QPointF>& line = buf_[kMarkers + r];
    line.clear();
    for (int j = 0; j <= 15; ++j)
      if (inS(pr.ProcS[r][j]) && inT(pr.ProcT[r][j])) diagram::insertSorted(line, pt(pr.ProcS[r][j], pr.ProcT[r][j]));
    commit(kMarkers + r);
  }
  commit(kMarkers);
}

void TTSvid::readPlotRect() {
  if (QGraphicsLayout* l = Chart1->layout()) l->activate();
  const QRectF a = Chart1->plotArea();
  rect_ = {a.left(), a.top(), a.right(), a.bottom()};
}

QPoint TTSvid::toView(double xChart, double yChart) const {
  const QPointF scene = Chart1->mapToScene(QPointF(xChart, yChart));
  return Chart1View->viewport()->mapToParent(Chart1View->mapFromScene(scene));
}

QPointF TTSvid::viewPosOf(QPointF sT) const {
  const QPointF c = Chart1->mapToPosition(sT, series_[0]);
  return Chart1View->viewportTransform().map(Chart1->mapToScene(c));
}

void TTSvid::Timer1Timer() {
  ++tick_;
  if (tick_ == 1) placeLabels();
}

void TTSvid::placeLabels() {
  if (placing_) return;
  placing_ = true;
  readPlotRect();
  const app::AppState& st = app::state();
  const app::DiagramStore& d = app::diagramStore();
  const diagram::PlotRect r = rect_;
  if (built_ && Srange_ > 0) {
    const Real kx = (Real(r.right) - r.left) / Srange_;
    QLineEdit* iso[4] = {E1, E2, E3, E4};
    const int m[4] = {1, 4, 7, 10};
    const char* pattern[4] = {"%3.1f ", "%3.1f МПа", "%3.0f МПа", "%3.0f МПа"};
    for (int n = 0; n < 4; ++n) {
      // A label of an isobar this substance does not draw is hidden, also
      // when an earlier diagram showed it.
      if (!(st.firstIsobar <= m[n] && m[n] <= st.lastIsobar)) {
        iso[n]->hide();
        continue;
      }
      const int x = nint(kx * (labelS_[n] - d.Smin) + r.left - 2);
      iso[n]->move(toView(x, 0).x(), iso[n]->y());
      iso[n]->setText(app::fmt(pattern[n], app::IsobarP[m[n]]));
      iso[n]->show();
    }
    for (QLineEdit* e : {Ep, Ed, Eh, ECp}) e->show();

    const int count = std::min(d.HCount, 9);
    const int g = std::clamp(d.GridFirst, 0, 19);
    for (int n = 0; n < 10; ++n) {
      QLineEdit* e = EhLab[n];
      const Real T = d.HT[n][0] > 2 ? d.HT[n][0] : d.HT[n][g];
      const Real s = d.HT[n][0] > 0 ? d.HS[n][0] : d.HS[n][g];
      // Nothing to sit on: neither point of the isenthalp exists.
      if (n > count || !(T > 0)) {
        e->hide();
        continue;
      }
      const Real f = log_ ? (std::log(T) - st.lnTmin) / (st.lnTmax - st.lnTmin) : (T - st.Tmin) / (st.Tmax - st.Tmin);
      int y = nint(r.bottom - f * (Real(r.bottom) - r.top) - 6);
      int x = nint(kx * (s - d.Smin) + r.left + 4);
      if (d.SLFirst < s && s < d.SVFirst) {
        x -= 20;
        y += 10;
      }
      e->setText(app::fmt("%5.1f", d.HValue[n]));
      e->resize(std::max(41, e->fontMetrics().horizontalAdvance(e->text()) + 6), e->height());
      QPoint at = toView(x, y);
      // Kept whole inside the window at the right edge.
      at.setX(std::min(at.x(), Chart1View->width() - e->width()));
      e->move(at);
      e->show();
    }
  }
  placing_ = false;
}

void TTSvid::Timer2Timer() { busy_ = false; }

void TTSvid::NazadClick() { close(); }

void TTSvid::showDiagram() {
  if (isVisible()) {
    DrawProcLines();
    raise();
    activateWindow();
  } else {
    show();
  }
}

void TTSvid::Chart1MouseMove(QPoint pos) {
  const QPointF c = Chart1->mapFromScene(Chart1View->mapToScene(pos));
  // The plot moves with every resize and scale switch: read it each time.
  readPlotRect();
  const diagram::Scale sc = scale();
  if (diagram::cursorT(rect_, c.y(), sc, Tcur_)) {
    setFitted(Edit1, app::fmt("T=%5.2f K", Tcur_));
    Edit2->move(std::max(160, Edit1->geometry().right() + 7), Edit2->y());
  }
  if (diagram::cursorS(rect_, c.x(), sc, scur_)) setFitted(Edit2, app::fmt("S=%5.3f ", scur_));
  fresh_ = false;
  if (Ep->isHidden() || busy_) return;
  busy_ = true;
  diagram::CursorState s;
  const std::string name = app::state().name;
  const bool ok = app::libraryGuarded([&] { s = diagram::stateAt(name, Tcur_, scur_, sc); });
  if (ok && s.computed) kept_ = s;
  fresh_ = ok && s.found;
  if (kept_.P > 0) {
    setFitted(Ep, app::fmt("P=%4.3f МПа", kept_.P));
    setFitted(Ed, app::fmt("d=%4.3f kg/m3", kept_.d));
    setFitted(Eh, app::fmt("i=%4.1f kJ/kg", kept_.h));
    setFitted(ECp, app::fmt("Cp=%4.2f kJ/kg.K", kept_.Cp));
  }
  busy_ = false;
}

void TTSvid::Chart1Click() {
  const app::AppState& st = app::state();
  TTS_points* points = app::windows().TS_points;
  // A row is written only from a state found at the cursor's position: the
  // kept state of an earlier position would not belong to this T and s.
  if (st.Tmin < Tcur_ && Tcur_ < st.Tmax && fresh_ && kept_.P < app::IsobarP[std::clamp(st.lastIsobar, 0, 10)]) {
    ++pointsRow_;
    QStringList row;
    row << app::fmt("%5d", pointsRow_) << QStringLiteral("  ") + QString::fromStdString(st.name) << app::fmt("%6.2f", Tcur_)
        << app::fmt("%8.3f", kept_.P) << app::fmt("%8.3f", kept_.d) << app::fmt("%8.2f", kept_.h)
        << app::fmt("%8.3f", scur_) << app::fmt("%8.3f", kept_.Cp)
        << (kept_.x > 0 && kept_.x < 1 ? app::fmt("%6.2f", 100 * (1 - kept_.x)) : QString());
    if (points) points->writeRow(pointsRow_, row);
  }
  if (points) {
    points->show();
    points->raise();
  }
}

bool TTSvid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Chart1View->viewport()) {
    if (event->type() == QEvent::MouseMove) {
      Chart1MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      Chart1Click();
    }
  }
  return QWidget::eventFilter(watched, event);
}
