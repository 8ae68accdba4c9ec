#include "ui/diagram/tsvid.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QAction>
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
#include "ui/diagram/diagramexport.h"
#include "ui/services/commode.h"
#include "ui/services/filedialog.h"
#include "ui/services/messages.h"

namespace {

using tfs::Real;

// The chart: the picture drawn once per change and kept as an image, so
// that a readout field changing above it costs no redraw of the lines.
class ChartCanvas : public QWidget {
 public:
  ChartCanvas(const diagram::Picture& p, QWidget* parent) : QWidget(parent), picture_(p) {
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
      diagram::paintChart(g, picture_, diagram::chartLayout(picture_, size()));
    }
    QPainter(this).drawImage(0, 0, cache_);
  }
  void resizeEvent(QResizeEvent*) override { cache_ = QImage(); }

 private:
  const diagram::Picture& picture_;
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

  Chart1View = new ChartCanvas(picture_, this);
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
  // The legend follows the item's checked state, however it was switched.
  Legend = new QAction(QCoreApplication::translate("TTSvid", "Легенда"), this);
  Legend->setObjectName(QStringLiteral("Legend"));
  Legend->setCheckable(true);
  connect(Legend, &QAction::toggled, this, [this] {
    if (isVisible()) compose();
  });
  addActions({save, print, CopyDiagram, Legend});
  Chart1View->addActions({save, CopyDiagram, print, Legend});
  Chart1View->setContextMenuPolicy(Qt::ActionsContextMenu);

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
  Edit1->clear();
  Edit2->clear();
  kept_ = diagram::CursorState{};
  fresh_ = false;
}

void TTSvid::compose() {
  picture_ = diagram::composePicture(session_);
  if (Legend->isChecked()) picture_.legend = diagram::legendOf(picture_, session_.main.units);
  layout_ = diagram::chartLayout(picture_, Chart1View->size());
  setWindowTitle(picture_.valid ? QString::fromStdString(picture_.caption) : QCoreApplication::translate("TTSvid", " TS диаграмма"));
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
  const diagram::Scale sc = diagram::cursorScale(session_);
  if (diagram::cursorT(r, pos.y(), sc, Tcur_)) {
    setFitted(Edit1, app::qstr(diagram::temperatureText(Tcur_)));
    Edit2->move(std::max(160, Edit1->geometry().right() + 7), Edit2->y());
  }
  if (diagram::cursorS(r, pos.x(), sc, scur_))
    setFitted(Edit2, app::qstr(diagram::entropyText(scur_, session_.main.units, &session_.main.eos())));
  fresh_ = false;
  if (Ep->isHidden() || busy_) return false;
  busy_ = true;
  diagram::CursorState s;
  const tfs::Model& m = session_.main.eos();
  const app::MessageScope action;
  const bool ok = app::libraryGuarded([&] { s = diagram::stateAt(m, Tcur_, scur_, sc); });
  busy_ = false;
  fresh_ = ok && s.found;
  // Where no state exists (above the highest pressure, in the solid) the
  // fields say why: nothing of another point is shown for this one.
  kept_ = fresh_ ? s : diagram::CursorState{};
  kept_.why = ok ? s.why : diagram::NoState::Outside;
  showReadout();
  return true;
}

void TTSvid::showReadout() {
  const app::AppState& st = session_.main;
  if (!Edit2->text().isEmpty()) setFitted(Edit2, app::qstr(diagram::entropyText(scur_, st.units, &st.eos())));
  if (fresh_) {
    const std::array<std::string, 4> t = diagram::stateTexts(kept_, st.units, &st.eos());
    setFitted(Ep, app::qstr(t[0]));
    setFitted(Ed, app::qstr(t[1]));
    setFitted(Eh, app::qstr(t[2]));
    setFitted(ECp, app::qstr(t[3]));
  } else {
    const std::array<std::string, 2> why = diagram::noStateTexts(kept_, st.eos());
    setFitted(Ep, app::qstr(why[0]));
    setFitted(Ed, app::qstr(why[1]));
    for (QLineEdit* e : {Eh, ECp}) e->clear();
  }
}

void TTSvid::Chart1MouseMove(QPoint pos) { readAt(pos); }

void TTSvid::Chart1Click(QPoint pos) {
  // The state at the click itself, not the one of an earlier position.
  const bool read = readAt(pos);
  if (read && fresh_ && diagram::clickPicks(session_.main, Tcur_, kept_)) {
    app::PointRow row;
    row.substance = session_.main.name;
    row.model = session_.main.model;
    row.T = Tcur_;
    row.P = kept_.P;
    row.d = kept_.d;
    row.h = kept_.h;
    row.s = scur_;
    row.Cp = kept_.Cp;
    row.x = kept_.x;
    session_.points.push_back(row);
    session_.touch();
    // The point marked and numbered on the diagram as in the table.
    compose();
    emit pointAdded(int(session_.points.size()));
  }
  emit pointsWanted();
}

bool TTSvid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Chart1View) {
    if (event->type() == QEvent::MouseMove) {
      Chart1MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      Chart1Click(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
  }
  return QWidget::eventFilter(watched, event);
}
