#include "ui/diagram/tsvid.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRubberBand>
#include <QWheelEvent>
#include <QFileInfo>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/base/libguard.h"
#include "core/diagram/readout.h"
#include "core/diagram/view.h"
#include "ui/diagram/diagramexport.h"
#include "ui/services/commode.h"
#include "ui/services/filedialog.h"
#include "ui/services/messages.h"

namespace {

using tfs::Real;

// The chart: the picture drawn once per change and kept as an image, so
// that a readout field changing above it costs no redraw of the lines; laid
// out as the window laid it out for this size.
class ChartCanvas : public QWidget {
 public:
  ChartCanvas(const diagram::Picture& p, const diagram::ChartLayout& l, QWidget* parent)
      : QWidget(parent), picture_(p), layout_(l) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void invalidate() {
    cache_ = QImage();
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (cache_.size() != size()) {
      cache_ = QImage(size(), QImage::Format_RGB32);
      QPainter g(&cache_);
      if (layout_.size == size())
        diagram::paintChart(g, picture_, layout_);
      else
        diagram::paintChart(g, picture_, diagram::chartLayout(picture_, size()));
    }
    QPainter(this).drawImage(0, 0, cache_);
  }
  void resizeEvent(QResizeEvent*) override { cache_ = QImage(); }

 private:
  const diagram::Picture& picture_;
  const diagram::ChartLayout& layout_;
  QImage cache_;
};

QLineEdit* box(QWidget* parent, int left, int top, int width) {
  auto* e = new QLineEdit(parent);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setGeometry(left, top, width, 21);
  e->setProperty("designWidth", width);
  return e;
}

// A readout field widens to show its whole text, never below its design width.
void setFitted(QLineEdit* e, const QString& text) {
  e->setText(text);
  const int design = e->property("designWidth").toInt();
  e->resize(std::max(design, e->fontMetrics().horizontalAdvance(text) + 12), e->height());
}

}  // namespace

TTSvid::TTSvid(app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setWindowTitle(QCoreApplication::translate("TTSvid", " TS диаграмма"));
  setWindowFlags(windowFlags() | Qt::Window);

  Chart1View = new ChartCanvas(picture_, layout_, this);
  Chart1View->setMouseTracking(true);
  Chart1View->setCursor(Qt::CrossCursor);
  Chart1View->installEventFilter(this);

  Edit1 = box(Chart1View, 80, 8, 73);
  Edit2 = box(Chart1View, 160, 8, 73);
  Ep = box(Chart1View, 80, 40, 97);
  Ed = box(Chart1View, 80, 64, 97);
  Eh = box(Chart1View, 80, 88, 97);
  ECp = box(Chart1View, 80, 112, 97);
  for (QLineEdit* e : {Ep, Ed, Eh, ECp}) e->setStyleSheet(QStringLiteral("QLineEdit { background: yellow; }"));
  for (QLineEdit*& e : Compare) {
    e = box(Chart1View, 0, 0, 0);
    e->setStyleSheet(QStringLiteral("QLineEdit { background: #e4e4e4; }"));
    e->hide();
  }
  Nazad = new QPushButton(QCoreApplication::translate("TTSvid", "Назад"), Chart1View);
  Nazad->setGeometry(80, 152, 75, 25);
  connect(Nazad, &QPushButton::clicked, this, &TTSvid::NazadClick);

  // The chart's menu: the picture into a file or on paper.
  auto* save = new QAction(QCoreApplication::translate("TTSvid", "Сохранить диаграмму..."), this);
  save->setObjectName(QStringLiteral("SaveDiagram"));
  save->setShortcut(QKeySequence::Save);
  save->setShortcutContext(Qt::WindowShortcut);
  connect(save, &QAction::triggered, this, &TTSvid::saveDiagramAs);
  auto* print = new QAction(QCoreApplication::translate("TTSvid", "Печать..."), this);
  print->setObjectName(QStringLiteral("PrintDiagram"));
  print->setShortcut(QKeySequence::Print);
  print->setShortcutContext(Qt::WindowShortcut);
  connect(print, &QAction::triggered, this, [this] {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QString::fromStdString(picture_.caption).trimmed());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) diagram::printDiagram(picture_, Chart1View->size(), printer);
  });
  CopyDiagram = new QAction(QCoreApplication::translate("TTSvid", "Копировать диаграмму"), this);
  CopyDiagram->setObjectName(QStringLiteral("CopyDiagram"));
  CopyDiagram->setShortcut(QKeySequence::Copy);
  CopyDiagram->setShortcutContext(Qt::WindowShortcut);
  connect(CopyDiagram, &QAction::triggered, this, &TTSvid::copyDiagram);
  // The legend follows the item's checked state, however it was switched;
  // the session keeps it.
  Legend = new QAction(QCoreApplication::translate("TTSvid", "Легенда"), this);
  Legend->setObjectName(QStringLiteral("Legend"));
  Legend->setCheckable(true);
  connect(Legend, &QAction::toggled, this, [this](bool on) {
    session_.view.legend = on;
    viewChanged();
  });
  addActions({save, print, CopyDiagram, Legend});
  Chart1View->addActions({save, CopyDiagram, print, Legend});
  Chart1View->setContextMenuPolicy(Qt::ActionsContextMenu);
  createViewControls();

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TTSvid::Timer1Timer);
  Timer2 = new QTimer(this);
  Timer2->setInterval(300);
  connect(Timer2, &QTimer::timeout, this, &TTSvid::Timer2Timer);

  FormCreate();
}

void TTSvid::saveDiagramAs() {
  // Also from the main window's menu with this window closed: the picture
  // of the session as it is now.
  if (!isVisible()) compose();
  if (!picture_.valid) return;
  const QString png = QCoreApplication::translate("TTSvid", "Рисунок PNG (*.png)"), svg = QCoreApplication::translate("TTSvid", "Рисунок SVG (*.svg)"),
                pdf = QCoreApplication::translate("TTSvid", "Документ PDF (*.pdf)");
  QString filter = png;
  QString path = app::askFile({true, this, QCoreApplication::translate("TTSvid", "Сохранить диаграмму"),
                               QStringLiteral("TS_") + QString::fromStdString(session_.main.name) +
                                   QStringLiteral(".png"),
                               png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf, &filter});
  if (path.isEmpty()) return;
  using diagram::ImageFormat;
  if (diagram::formatOf(path) == ImageFormat::Unknown && QFileInfo(path).suffix().isEmpty())
    path += filter == svg ? QStringLiteral(".svg") : filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
  if (diagram::formatOf(path) == ImageFormat::Unknown) {
    app::messages().show(QCoreApplication::translate("TTSvid", "Диаграмма записывается в файлы PNG, SVG и PDF !\n") +
                         QDir::toNativeSeparators(path));
    return;
  }
  // A window never shown has no chart size yet: the headless export's then.
  const QSize chart = isVisible() ? Chart1View->size() : QSize(diagram::kExportWidth, diagram::kExportHeight);
  app::FileFault fault = app::FileFault::None;
  if (!diagram::saveDiagram(picture_, chart, path, &fault)) app::messages().show(app::writeFaultMessage(fault, path));
}

QImage TTSvid::pictureImage() const {
  const QSize chart = isVisible() ? Chart1View->size() : QSize(diagram::kExportWidth, diagram::kExportHeight);
  QImage image(diagram::pictureSize(chart), QImage::Format_RGB32);
  QPainter g(&image);
  diagram::paintPicture(g, picture_, chart);
  return image;
}

void TTSvid::copyDiagram() {
  if (!isVisible()) compose();
  if (!picture_.valid) return;
  if (QClipboard* c = QGuiApplication::clipboard()) c->setImage(pictureImage());
}

void TTSvid::sessionReplaced() {
  composedRevision_ = -1;
  keepView_ = true;
  showView();
  if (!session_.main.chosen) {
    hide();
    picture_ = diagram::composePicture(session_);
    resetReadout();
    return;
  }
  sessionChanged();
}

void TTSvid::unitsChanged() {
  sessionChanged();
  showReadout();
}

void TTSvid::FormCreate() {
  QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen();
  if (sc) {
    const QRect av = sc->availableGeometry();
    move(av.topLeft());
    resize(av.width(), std::max(100, av.height() - 15));
  }
  tick_ = -1000;
  resetReadout();
}

void TTSvid::resetReadout() {
  // The readout of the previous diagram belongs to another substance or
  // other limits.
  for (QLineEdit* e : {Ep, Ed, Eh, ECp}) {
    e->hide();
    e->clear();
  }
  for (QLineEdit* e : Compare) {
    e->hide();
    e->clear();
  }
  Edit1->clear();
  Edit2->clear();
  kept_ = diagram::CursorState{};
  fresh_ = false;
}

void TTSvid::createViewControls() {
  using diagram::kinds::Kind;
  KindBox = new QComboBox(Chart1View);
  KindBox->setObjectName(QStringLiteral("KindBox"));
  KindBox->addItems({QStringLiteral("T–s"), QStringLiteral("lg p–h"), QStringLiteral("h–s")});
  KindBox->setToolTip(QCoreApplication::translate("TTSvid", "Вид диаграммы"));
  KindBox->setFocusPolicy(Qt::NoFocus);
  KindBox->setGeometry(163, 152, 90, 25);
  connect(KindBox, &QComboBox::activated, this, [this](int i) { setKind(Kind(i)); });
  auto* kinds = new QActionGroup(this);
  for (int i = 0; i < 3; ++i) {
    QAction* a = KindActions[i] = new QAction(KindBox->itemText(i), kinds);
    a->setObjectName(QStringLiteral("Kind%1").arg(i));
    a->setCheckable(true);
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, [this, i] { setKind(Kind(i)); });
  }
  addActions(kinds->actions());
  WholeView = new QAction(QCoreApplication::translate("TTSvid", "Вся диаграмма"), this);
  WholeView->setObjectName(QStringLiteral("WholeView"));
  WholeView->setShortcut(QKeySequence(Qt::Key_Home));
  WholeView->setShortcutContext(Qt::WindowShortcut);
  connect(WholeView, &QAction::triggered, this, &TTSvid::showWhole);
  addAction(WholeView);
  ZoomLabel = new QLabel(Chart1View);
  ZoomLabel->setGeometry(261, 152, 150, 25);
  ZoomLabel->hide();
  InversionBox = new QCheckBox(QCoreApplication::translate("TTSvid", "Кривая инверсии"), Chart1View);
  OtherModelBox = new QCheckBox(QCoreApplication::translate("TTSvid", "Линии другой модели"), Chart1View);
  for (QCheckBox* c : {InversionBox, OtherModelBox}) {
    c->setFocusPolicy(Qt::NoFocus);
    c->setAutoFillBackground(true);
    c->adjustSize();
  }
  placeControls();
  connect(InversionBox, &QCheckBox::toggled, this, [this](bool on) {
    session_.view.inversion = on;
    viewChanged();
  });
  connect(OtherModelBox, &QCheckBox::toggled, this, [this](bool on) {
    session_.view.otherModel = on;
    viewChanged();
  });
  band_ = new QRubberBand(QRubberBand::Rectangle, Chart1View);
}

void TTSvid::placeControls() {
  // At their design places while the plot leaves them room (the whole T–s
  // diagram), else moved right, clear of the axis's numbers.
  const int dx = std::max(0, int(layout_.plot.left) + 8 - 80);
  for (QLineEdit* e : {Edit1, Ep, Ed, Eh, ECp}) e->move(80 + dx, e->y());
  Nazad->move(80 + dx, 152);
  KindBox->move(163 + dx, 152);
  ZoomLabel->move(261 + dx, 152);
  int top = 182;
  for (QCheckBox* c : {InversionBox, OtherModelBox}) {
    c->move(80 + dx, top);
    top += c->height() + 2;
  }
  placeReadout();
}

void TTSvid::showView() {
  const app::DiagramView& v = session_.view;
  const QSignalBlocker b1(KindBox), b2(Legend), b3(InversionBox), b4(OtherModelBox);
  KindBox->setCurrentIndex(int(v.kind));
  KindActions[int(v.kind)]->setChecked(true);
  Legend->setChecked(v.legend);
  InversionBox->setChecked(v.inversion);
  OtherModelBox->setChecked(v.otherModel);
}

void TTSvid::viewChanged() {
  session_.touch();
  if (isVisible()) compose();
}

void TTSvid::setKind(diagram::kinds::Kind k) {
  if (session_.view.kind != k) {
    session_.view.kind = k;
    diagram::showWhole(session_.view);
    // The readout of the other kind's coordinates.
    for (QLineEdit* e : {Edit1, Edit2, Ep, Ed, Eh, ECp}) e->clear();
    for (QLineEdit* e : Compare) e->hide();
    fresh_ = false;
    viewChanged();
  }
  showView();
}

void TTSvid::zoomAt(QPointF at, double factor) {
  const app::DiagramView before = session_.view;
  const diagram::kinds::Pixel c = diagram::framePixel(layout_, picture_, at);
  const diagram::kinds::XY anchor = diagram::kinds::fromPixel(picture_.shown, c);
  diagram::zoomView(session_.view, picture_.shown, picture_.full, factor, c);
  const app::DiagramView& v = session_.view;
  if (v.zoomed == before.zoomed && v.xLo == before.xLo && v.yLo == before.yLo && v.xHi == before.xHi &&
      v.yHi == before.yHi)
    return;
  viewChanged();
  // Leaving the whole T–s diagram the plot takes its room for the numbers
  // of a zoom: the point back under the cursor.
  const QPointF moved = at - viewPosOf(anchor.x, anchor.y);
  if (isVisible() && v.zoomed && std::hypot(moved.x(), moved.y()) > 0.01) panBy(moved);
}

void TTSvid::panBy(QPointF by) {
  if (!session_.view.zoomed) return;
  const diagram::kinds::Pixel d = diagram::framePixel(layout_, picture_, QPointF(layout_.plot.left, layout_.plot.top) + by);
  diagram::panView(session_.view, picture_.shown, picture_.full, d.x, d.y);
  viewChanged();
}

void TTSvid::zoomToRect(QPointF a, QPointF b) {
  diagram::zoomToBox(session_.view, picture_.shown, picture_.full, diagram::framePixel(layout_, picture_, a),
                     diagram::framePixel(layout_, picture_, b));
  viewChanged();
}

void TTSvid::showWhole() {
  if (!session_.view.zoomed) return;
  diagram::showWhole(session_.view);
  viewChanged();
}

void TTSvid::compose() {
  if (composedRevision_ != session_.linesRevision) {
    // New lines show the whole diagram, unless they are those of a work
    // file opened with its view.
    if (!keepView_) diagram::showWhole(session_.view);
    keepView_ = false;
  }
  const QSize chart = isVisible() ? Chart1View->size() : QSize(diagram::kExportWidth, diagram::kExportHeight);
  const diagram::PlotRect* plot = layout_.size == chart ? &layout_.plot : nullptr;
  picture_ = diagram::composeForChart(composer_, session_, chart, plot);
  layout_ = diagram::chartLayout(picture_, chart);
  placeControls();
  setWindowTitle(picture_.valid ? QString::fromStdString(picture_.caption) : QCoreApplication::translate("TTSvid", " TS диаграмма"));
  if (picture_.zoomed) {
    const double z = diagram::zoomFactor(picture_.shown, picture_.full);
    ZoomLabel->setText(QCoreApplication::translate("TTSvid", "Увеличено ×%1").arg(app::fmt(z < 10 ? "%.1f" : "%.0f", z)));
    ZoomLabel->show();
  } else {
    ZoomLabel->hide();
  }
  static_cast<ChartCanvas*>(Chart1View)->invalidate();
  if (composedRevision_ != session_.linesRevision) {
    composedRevision_ = session_.linesRevision;
    resetReadout();
    tick_ = 0;
  }
}

void TTSvid::sessionChanged() {
  if (isVisible()) compose();
}

void TTSvid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Chart1View->setGeometry(0, 0, width(), height());
  // The lines of the kinds are sampled for the plot's size.
  if (isVisible() && picture_.valid)
    compose();
  else
    layout_ = diagram::chartLayout(picture_, Chart1View->size());
}

void TTSvid::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TTSvid::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Nothing runs while the window is hidden.
  if (!event->spontaneous()) {
    Timer1->stop();
    Timer2->stop();
  }
}

void TTSvid::FormShow() {
  QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen();
  if (sc) move(sc->availableGeometry().topLeft());
  compose();
  tick_ = 0;
  Timer1->start();
  Timer2->start();
}

QPointF TTSvid::viewPosOf(double s, double T) const { return diagram::pixelOf(chartLayout(), picture_, {s, T}); }

void TTSvid::Timer1Timer() {
  ++tick_;
  // The readout starts once the diagram has been shown a moment.
  if (tick_ == 1)
    for (QLineEdit* e : {Ep, Ed, Eh, ECp}) e->show();
}

void TTSvid::Timer2Timer() { busy_ = false; }

void TTSvid::NazadClick() { close(); }

void TTSvid::showDiagram() {
  if (isVisible()) {
    raise();
    activateWindow();
  } else {
    show();
  }
}

bool TTSvid::readAt(QPoint pos) {
  if (!picture_.valid) return false;
  const diagram::PlotRect r = plotRect();
  // The whole T–s diagram reads the session's own limits, as specified.
  const bool whole = picture_.kind == diagram::kinds::Kind::TS && !picture_.zoomed;
  const diagram::Scale sc = whole ? diagram::cursorScale(session_) : diagram::scaleOf(picture_);
  const app::AppState& st = session_.main;
  const tfs::Model& m = st.eos();
  const diagram::ReadoutFields f = diagram::readoutFields(picture_.kind);
  if (diagram::cursorT(r, pos.y(), sc, Tcur_)) setFitted(Edit1, app::qstr(diagram::quantityText(f.cursor[0], Tcur_, st.units, &m)));
  if (diagram::cursorS(r, pos.x(), sc, scur_)) setFitted(Edit2, app::qstr(diagram::quantityText(f.cursor[1], scur_, st.units, &m)));
  fresh_ = false;
  if (Ep->isHidden() || busy_) {
    placeReadout();
    return false;
  }
  busy_ = true;
  diagram::CursorState s;
  const app::MessageScope action;
  const bool ok = app::libraryGuarded([&] { s = diagram::stateAtKind(m, picture_.kind, scur_, Tcur_, sc); });
  busy_ = false;
  fresh_ = ok && s.found;
  // Where no state exists (above the highest pressure, in the solid) the
  // fields say why: nothing of another point is shown for this one.
  kept_ = fresh_ ? s : diagram::CursorState{};
  kept_.why = ok ? s.why : diagram::NoState::Outside;
  if (ok && !fresh_) kept_.refusal = s.refusal;
  // A click picks it only with the cursor inside the plot's height.
  cursorInside_ = whole || (Tcur_ > sc.Tmin && Tcur_ < sc.Tmax);
  showReadout(false);
  return true;
}

void TTSvid::showReadout(bool cursor) {
  const app::AppState& st = session_.main;
  const tfs::Model& m = st.eos();
  const diagram::ReadoutFields f = diagram::readoutFields(picture_.kind);
  if (cursor && !Edit1->text().isEmpty())
    setFitted(Edit1, app::qstr(diagram::quantityText(f.cursor[0], Tcur_, st.units, &m)));
  if (cursor && !Edit2->text().isEmpty())
    setFitted(Edit2, app::qstr(diagram::quantityText(f.cursor[1], scur_, st.units, &m)));
  QLineEdit* const fields[] = {Ep, Ed, Eh, ECp};
  std::array<std::string, 6> compared{};
  if (fresh_) {
    for (int i = 0; i < 4; ++i)
      setFitted(fields[i], app::qstr(diagram::quantityText(f.state[i], diagram::quantityOf(kept_, f.state[i]), st.units, &m)));
    // The other model's values at the same T and P beside them.
    if (const tfs::Model* other = diagram::otherModelOf(st)) {
      const diagram::Comparison c = diagram::compareAt(*other, kept_);
      const diagram::Quantity q[6] = {f.cursor[0], f.cursor[1], f.state[0], f.state[1], f.state[2], f.state[3]};
      for (int k = 0; k < 6; ++k) compared[k] = diagram::comparisonText(q[k], kept_, c, st.units, m, *other);
    }
  } else {
    const std::array<std::string, 2> why = diagram::noStateTexts(kept_, m);
    setFitted(Ep, app::qstr(why[0]));
    setFitted(Ed, app::qstr(why[1]));
    for (QLineEdit* e : {Eh, ECp}) e->clear();
  }
  for (std::size_t k = 0; k < Compare.size(); ++k) {
    setFitted(Compare[k], app::qstr(compared[k]));
    Compare[k]->setVisible(!compared[k].empty());
  }
  placeReadout();
}

void TTSvid::placeReadout() {
  auto after = [](const QLineEdit* e) { return e->geometry().right() + 7; };
  // The top row: the cursor's coordinates, each with its comparison.
  int x = after(Edit1);
  if (!Compare[0]->isHidden()) {
    Compare[0]->move(x, Edit1->y());
    x = after(Compare[0]);
  }
  Edit2->move(std::max(Edit1->x() + 80, x), Edit2->y());
  Compare[1]->move(after(Edit2), Edit2->y());
  // The state's fields: their comparisons in one column.
  QLineEdit* const fields[] = {Ep, Ed, Eh, ECp};
  int column = 0;
  for (const QLineEdit* e : fields) column = std::max(column, after(e));
  for (int i = 0; i < 4; ++i) Compare[2 + i]->move(column, fields[i]->y());
}

void TTSvid::Chart1MouseMove(QPoint pos) { readAt(pos); }

void TTSvid::Chart1Click(QPoint pos) {
  // The state at the click itself, not the one of an earlier position.
  const bool read = readAt(pos);
  clickAdded_ = false;
  // On the T–s diagram the cursor's temperature, else the state's.
  const Real T = picture_.kind == diagram::kinds::Kind::TS ? Tcur_ : kept_.T;
  if (read && fresh_ && cursorInside_ && diagram::clickPicks(session_.main, T, kept_)) {
    app::PointRow row;
    row.substance = session_.main.name;
    row.model = session_.main.model;
    row.T = T;
    row.P = kept_.P;
    row.d = kept_.d;
    row.h = kept_.h;
    row.s = kept_.s;
    row.Cp = kept_.Cp;
    row.x = kept_.x;
    session_.points.push_back(row);
    session_.touch();
    clickAdded_ = true;
    clickTime_.start();
    // The point marked and numbered on the diagram as in the table.
    compose();
    emit pointAdded(int(session_.points.size()));
  }
  emit pointsWanted();
}

bool TTSvid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Chart1View && mouseEvent(event)) return true;
  return QWidget::eventFilter(watched, event);
}

bool TTSvid::mouseEvent(QEvent* event) {
  const auto* e = dynamic_cast<const QSinglePointEvent*>(event);
  if (!e) return false;
  const QPoint pos = e->position().toPoint();
  switch (event->type()) {
    case QEvent::MouseMove:
      if (drag_ == Drag::Pan) {
        panBy(pos - lastPan_);
        lastPan_ = pos;
      } else if (drag_ == Drag::Box && (pos - pressed_).manhattanLength() > 4) {
        band_->setGeometry(QRect(pressed_, pos).normalized());
        band_->show();
      }
      Chart1MouseMove(pos);
      return false;
    case QEvent::MouseButtonPress:
      skipRelease_ = false;
      if (e->button() == Qt::MiddleButton || (e->button() == Qt::LeftButton && (e->modifiers() & Qt::ShiftModifier))) {
        drag_ = Drag::Pan;
        lastPan_ = pos;
      } else if (e->button() == Qt::LeftButton) {
        drag_ = Drag::Box;
        pressed_ = pos;
      }
      return false;
    case QEvent::MouseButtonRelease: {
      const Drag was = drag_;
      if (e->button() == Qt::LeftButton || e->button() == Qt::MiddleButton) drag_ = Drag::None;
      if (e->button() != Qt::LeftButton) return false;
      if (skipRelease_) {
        skipRelease_ = false;
      } else if (was == Drag::Box && band_->isVisible()) {
        band_->hide();
        zoomToRect(pressed_, pos);
      } else if (was != Drag::Pan) {
        Chart1Click(pos);
      }
      return false;
    }
    case QEvent::MouseButtonDblClick:
      if (e->button() != Qt::LeftButton) return false;
      drag_ = Drag::None;
      skipRelease_ = true;
      // The double click asked for the whole diagram, not for the point its
      // first click picked.
      if (clickAdded_ && clickTime_.elapsed() <= QApplication::doubleClickInterval() && !session_.points.empty()) {
        clickAdded_ = false;
        session_.points.pop_back();
        session_.touch();
        emit pointRemoved();
        compose();
      }
      showWhole();
      return true;
    case QEvent::Wheel: {
      const double notches = static_cast<const QWheelEvent*>(event)->angleDelta().y() / 120.0;
      if (notches != 0) zoomAt(e->position(), std::pow(1.25, notches));
      return true;
    }
    default: return false;
  }
}
