#pragma once
// The diagram window: draws the session's diagram picture of the kind
// chosen (T–s, lg p–h, h–s) and the region zoomed into, reads the state
// under the cursor with the other model's values beside it, and picks
// states into the points table. The wheel zooms about the cursor, a drag
// with the left button zooms to its rectangle, one with the middle button
// (or with Shift) moves the region, a double click or Home shows the whole
// diagram again.

#include <QElapsedTimer>
#include <QPointF>
#include <QWidget>
#include <array>

#include "core/diagram/cursor.h"
#include "core/diagram/picture.h"
#include "core/session/session.h"
#include "ui/diagram/render.h"

class QAction;
class QCheckBox;
class QComboBox;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class QRubberBand;
class QTimer;

class TTSvid : public QWidget {
  Q_OBJECT
 public:
  explicit TTSvid(app::Session& session, QWidget* parent = nullptr);

  // Shows the window, or brings it to the front when it is visible.
  void showDiagram();
  // The session's substance, limits, scale or process lines changed: the
  // picture is composed again, and drawn at once when the window is visible.
  // New lines (another substance, other limits) show the whole diagram.
  void sessionChanged();
  // The session's contents were replaced: the readout starts afresh, the
  // controls show the session's view (kept as the work file had it); the
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
  // The kind shown: the region starts whole.
  void setKind(diagram::kinds::Kind k);
  // The region shown: magnified factor times about a chart pixel, moved by
  // pixels, the rectangle between two chart pixels, the whole diagram.
  void zoomAt(QPointF at, double factor);
  void panBy(QPointF by);
  void zoomToRect(QPointF a, QPointF b);
  void showWhole();

  // Components, named as in the layout.
  QWidget* Chart1View;                  // the chart
  QLineEdit *Edit1, *Edit2;             // cursor temperature and entropy
  QLineEdit *Ep, *Ed, *Eh, *ECp;        // pressure, density, enthalpy, Cp
  QPushButton* Nazad;
  QTimer *Timer1, *Timer2;
  // The chart's menu: the picture to the clipboard, the legend shown.
  QAction *CopyDiagram, *Legend;
  // Beside each readout field (Edit1, Edit2, Ep, Ed, Eh, ECp): the other
  // model's value and the difference in per cent; hidden where there is
  // none.
  std::array<QLineEdit*, 6> Compare;
  // The kind (also Ctrl+1, Ctrl+2, Ctrl+3), the zoom said, the inversion
  // curve and the other model's lines shown, the whole view again (Home).
  QComboBox* KindBox;
  QLabel* ZoomLabel;
  QCheckBox *InversionBox, *OtherModelBox;
  std::array<QAction*, 3> KindActions;
  QAction* WholeView;

  const diagram::Picture& picture() const { return picture_; }
  const diagram::ChartLayout& chartLayout() const { return layout_; }
  // Where a diagram point (s, T) lies in the chart's coordinates.
  QPointF viewPosOf(double s, double T) const;
  diagram::PlotRect plotRect() const { return chartLayout().plot; }

  int tickCounter() const { return tick_; }
  const diagram::CursorState& cursorState() const { return kept_; }
  bool busy() const { return busy_; }
  int pointsRowCounter() const { return int(session_.points.size()); }
  // Cursor values of the last move: its vertical and horizontal coordinate
  // (T and s on the T–s diagram).
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
  // The row a double click's first click added was taken back.
  void pointRemoved();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void createViewControls();
  void compose();
  // The controls as the session's view has it.
  void showView();
  // The session's view changed by the student.
  void viewChanged();
  bool mouseEvent(QEvent* event);
  void resetReadout();
  // The readout texts of the last state read, in the session's units, the
  // other model's values beside them; cursor: the cursor's coordinates
  // written again too (a move has just written them).
  void showReadout(bool cursor = true);
  void placeReadout();
  // The readout and the controls at the plot's top left.
  void placeControls();
  // The readout at a position; false when no state was looked for there.
  bool readAt(QPoint pos);

  app::Session& session_;
  diagram::Composer composer_;
  diagram::Picture picture_;
  diagram::ChartLayout layout_;  // of the picture at the chart's size
  int composedRevision_ = -1;

  int tick_ = -1000;
  bool busy_ = false;
  tfs::Real Tcur_ = 0, scur_ = 0;
  diagram::CursorState kept_;
  bool fresh_ = false;  // kept_ belongs to the cursor's current position
  bool cursorInside_ = false;  // within the plot's height
  bool keepView_ = false;  // the next new lines keep the session's view

  // A drag: from where, zooming to a rectangle or moving the region.
  enum class Drag { None, Box, Pan };
  Drag drag_ = Drag::None;
  QPoint pressed_, lastPan_;
  QRubberBand* band_ = nullptr;
  // The last click, to take its row back when it began a double click.
  bool clickAdded_ = false;
  QElapsedTimer clickTime_;
  bool skipRelease_ = false;
};
