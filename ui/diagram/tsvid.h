#pragma once
// The T-s diagram window: draws the session's diagram picture, reads the
// state under the cursor and picks states into the points table.

#include <QPointF>
#include <QWidget>

#include "core/diagram/cursor.h"
#include "core/diagram/picture.h"
#include "core/session/session.h"
#include "ui/diagram/render.h"

class QAction;
class QImage;
class QLineEdit;
class QPushButton;
class QTimer;

class TTSvid : public QWidget {
  Q_OBJECT
 public:
  explicit TTSvid(app::Session& session, QWidget* parent = nullptr);

  // Shows the window, or brings it to the front when it is visible.
  void showDiagram();
  // The session's substance, limits, scale or process lines changed: the
  // picture is composed again, and drawn at once when the window is visible.
  void sessionChanged();
  // The session's contents were replaced: the readout starts afresh; the
  // window hides when no substance is chosen.
  void sessionReplaced();
  // The units changed: the picture and the readout show the new ones.
  void unitsChanged();
  // "Сохранить диаграмму...": the picture into a PNG, SVG or PDF file.
  void saveDiagramAs();
  // "Копировать диаграмму": the picture, as saved to PNG, on the clipboard.
  void copyDiagram();
  // The picture as an image, caption included, at the chart's size.
  QImage pictureImage() const;

  // Components, named as in the layout.
  QWidget* Chart1View;                  // the chart
  QLineEdit *Edit1, *Edit2;             // cursor temperature and entropy
  QLineEdit *Ep, *Ed, *Eh, *ECp;        // pressure, density, enthalpy, Cp
  QPushButton* Nazad;
  QTimer *Timer1, *Timer2;
  // The chart's menu: the picture to the clipboard, the legend shown.
  QAction *CopyDiagram, *Legend;

  const diagram::Picture& picture() const { return picture_; }
  diagram::ChartLayout chartLayout() const { return layout_; }
  // Where a diagram point (s, T) lies in the chart's coordinates.
  QPointF viewPosOf(double s, double T) const;
  diagram::PlotRect plotRect() const { return chartLayout().plot; }

  int tickCounter() const { return tick_; }
  bool busy() const { return busy_; }
  int pointsRowCounter() const { return int(session_.points.size()); }
  // Cursor values of the last move.
  tfs::Real Tcur() const { return Tcur_; }
  tfs::Real scur() const { return scur_; }

  // Handlers.
  void FormShow();
  void Timer1Timer();
  void Timer2Timer();
  void NazadClick();
  // pos: in the chart's coordinates.
  void Chart1MouseMove(QPoint pos);
  void Chart1Click(QPoint pos);

 signals:
  // A state was picked into row n (1-based) of the session's points.
  void pointAdded(int n);
  // A click on the chart shows the points table, with or without a new row.
  void pointsWanted();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void compose();
  void resetReadout();
  // The readout texts of the last state read, in the session's units.
  void showReadout();
  // The readout at a position; false when no state was looked for there.
  bool readAt(QPoint pos);

  app::Session& session_;
  diagram::Picture picture_;
  diagram::ChartLayout layout_;  // of the picture at the chart's size
  int composedRevision_ = -1;

  int tick_ = -1000;
  bool busy_ = false;
  tfs::Real Tcur_ = 0, scur_ = 0;
  diagram::CursorState kept_;
  bool fresh_ = false;  // kept_ belongs to the cursor's current position
};
