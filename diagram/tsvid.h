#pragma once
// The T-s diagram window.

#include <QList>
#include <QPointF>
#include <QWidget>

#include "diagram/cursor.h"

class QLineEdit;
class QPushButton;
class QTimer;
class QChart;
class QChartView;
class QLineSeries;
class QAbstractAxis;
class QCategoryAxis;
class QLogValueAxis;
class QValueAxis;

class TTSvid : public QWidget {
  Q_OBJECT
 public:
  explicit TTSvid(QWidget* parent = nullptr);
  // Left axis logarithmic (true) or linear.
  void setLogScale(bool log);
  bool logScale() const { return log_; }
  // Shows the window (its show handler rebuilds or redraws the process
  // lines); when it is already visible, redraws the process lines and
  // brings it to the front.
  void showDiagram();

  // Components, named as in the layout.
  QChartView* Chart1View;
  QChart* Chart1;
  QLineEdit *Edit1, *Edit2;             // cursor temperature and entropy
  QLineEdit *Ep, *Ed, *Eh, *ECp;        // pressure, density, enthalpy, Cp
  QLineEdit *E1, *E2, *E3, *E4;         // isobar labels
  QLineEdit* EhLab[10];                 // isenthalp labels Eh0..Eh9
  QPushButton* Nazad;
  QTimer *Timer1, *Timer2;

  // Series1..Series36 by 0-based position.
  QLineSeries* series(int pos) const { return series_[pos]; }
  int seriesCount() const { return int(series_.size()); }
  // Bottom (entropy) axis, the axis the series map temperature through, and
  // the left axis that carries the temperature labels.
  QCategoryAxis* axisS() const { return sAxis_; }
  QAbstractAxis* axisTMapping() const;
  QCategoryAxis* axisTLabels() const { return tLabels_; }

  // Where a diagram point (s, T) lies in the chart view's coordinates.
  QPointF viewPosOf(QPointF sT) const;
  // Plotting rectangle in chart pixels, as read last.
  diagram::PlotRect plotRect() const { return rect_; }
  diagram::Scale scale() const;

  int tickCounter() const { return tick_; }
  bool busy() const { return busy_; }
  int pointsRowCounter() const { return pointsRow_; }
  // Cursor values of the last move and the state kept by the last readout.
  tfs::Real Tcur() const { return Tcur_; }
  tfs::Real scur() const { return scur_; }

  // Handlers.
  void FormShow();
  void DrawIsobars();
  void DrawIsenthalps();
  void DrawMeltingLine();
  void DrawProcLines();
  void Timer1Timer();
  void Timer2Timer();
  void NazadClick();
  // pos: in the chart view's viewport coordinates.
  void Chart1MouseMove(QPoint pos);
  void Chart1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void readPlotRect();
  void placeLabels();
  void applyLeftAxis();
  void fitToScreen();
  QPoint toView(double xChart, double yChart) const;
  void commit(int pos);  // the series at pos takes its points from buf_

  QList<QLineSeries*> series_;
  QList<QList<QPointF>> buf_;  // points of every series, sorted by entropy
  QLogValueAxis* tLog_;      // temperature mapping on the logarithmic scale (hidden)
  QValueAxis* tLin_;         // temperature mapping on the linear scale (hidden)
  QCategoryAxis* tLabels_;   // visible temperature numbers
  QCategoryAxis* sAxis_;     // entropy, with its numbers
  bool log_ = true;
  bool built_ = false;
  bool placing_ = false;

  diagram::PlotRect rect_;
  int tick_ = -1000;
  bool busy_ = false;
  int pointsRow_ = 0;  // rows written into the points table

  tfs::Real Tcr_ = 0, Pcr_ = 0, Srange_ = 0;
  tfs::Real labelS_[4] = {};  // entropy at Tmax of the 0.1, 1, 10, 100 MPa isobars
  tfs::Real Tcur_ = 0, scur_ = 0;
  diagram::CursorState kept_;
  bool fresh_ = false;  // kept_ belongs to the cursor's current position
};
