#pragma once
// The liquefaction cycles window: a cycle for the substance chosen, its data
// in spin boxes (any change recomputes at once), the yield, the works, the
// minimum work and the figure of merit, the numbered states, the exergy
// destroyed per component listed and drawn as bars, and the cycle on the
// diagram.

#include <QString>
#include <QWidget>

#include "core/session/session.h"

class QBarSet;
class QChartView;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class TCycles : public QWidget {
  Q_OBJECT
 public:
  explicit TCycles(app::Session& session, QWidget* parent = nullptr);

  // The data fields, in this order.
  enum Field : int { kPlow = 0, kPhigh, kT1, kEtaT, kDT, kLeak, kTpre, kXe, kT3, kEtaS };
  static constexpr int kFieldCount = 10;
  // The results shown.
  enum Shown : int { kYield = 0, kWc, kWe, kWbath, kW, kWf, kWi, kFom };
  static constexpr int kShownCount = 8;

  QLabel* Label1 = nullptr;  // working-substance heading
  QComboBox* Kind = nullptr;
  QLabel* DataName[kFieldCount] = {};
  QDoubleSpinBox* Data[kFieldCount] = {};
  QLabel* DataUnit[kFieldCount] = {};
  QCheckBox* OnDiagram = nullptr;
  QLabel* ResName[kShownCount] = {};
  QLineEdit* Res[kShownCount] = {};
  QLabel* ResUnit[kShownCount] = {};
  QLabel* Message = nullptr;  // no liquid, a note on the cycle, or why nothing is shown
  QTableWidget* States = nullptr;
  QTableWidget* Losses = nullptr;
  QChartView* Chart = nullptr;
  QBarSet* Bars = nullptr;

  const proc::CycleWork& work() const { return session_.cycles; }
  // The chart as a picture, as it is copied and saved.
  QImage chartImage() const;

 public slots:
  // The heading for the chosen substance; the cycles start from its defaults.
  void setSubstanceCaption(const QString& text);
  // The units of the main window changed: everything shown is reformatted.
  void unitsChanged();
  // A session opened or begun anew: show what it holds.
  void showSession();

 signals:
  // The cycle drawn on the diagram changed (or was taken off it).
  void cycleChanged();
  // The student asked to see the diagram.
  void diagramWanted();

 private:
  void kindChosen();
  void fieldChanged(Field f);
  void drawToggled(bool on);
  // Solves the session's cycle; a refusal said when loud, else only shown
  // in the message line.
  bool solve(bool loud);
  void refresh();
  void showFields();
  void showUnits();
  const tfs::Model* substance() const;
  proc::Real fieldValue(Field f, const proc::CycleData& d) const;
  void setFieldValue(Field f, proc::CycleData& d, proc::Real shown) const;

  app::Session& session_;
};
