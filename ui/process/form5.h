#pragma once
// The real-process window: a device, its inlet and data, the outlet beside
// the ideal one, work, heat, entropy generated and exergy destroyed.

#include <QString>
#include <QWidget>

#include "core/process/devicecalc.h"
#include "core/session/session.h"
#include "ui/process/controls.h"

class TForm5 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm5(app::Session& session, QWidget* parent = nullptr);
  proc::DeviceCalculator& calc() { return session_.devices; }
  const proc::DeviceCalculator& calc() const { return session_.devices; }

  QLabel* Label1 = nullptr;  // working-substance heading
  QGroupBox* DevBox = nullptr;
  QRadioButton* DevItem[proc::kDeviceCount] = {};
  QButtonGroup* DevGroup = nullptr;
  QFrame *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr, *Panel5 = nullptr;
  // Inlet: lists, entries, units, limit fields.
  QComboBox *PaNam1 = nullptr, *PaNam2 = nullptr;
  QLineEdit *Edit2 = nullptr, *Edit4 = nullptr;
  QLabel *Label2 = nullptr, *Label4 = nullptr;
  QLineEdit *Edit1 = nullptr, *Edit3 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr;
  // The device's data.
  QLineEdit *EP2 = nullptr, *EEta = nullptr, *EGiven = nullptr, *ETr = nullptr, *ET0 = nullptr;
  QLabel *LabelP2 = nullptr, *LabelEta = nullptr, *LabelGivenUnit = nullptr, *LabelTr = nullptr;
  QComboBox* GivenList = nullptr;
  // States: rows inlet, outlet, ideal outlet; columns T, P, d, i, s, x.
  QLabel* Heads[proc::kStateCols] = {};
  QLineEdit* State[3][proc::kStateCols] = {};
  // Results: L, Q, sgen, T0 sgen with their units.
  QLineEdit* Res[4] = {};
  QLabel* ResUnit[4] = {};
  QPushButton *Calc0 = nullptr, *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn4 = nullptr, *BitBtn5 = nullptr;
  QPushButton* BitBtn6 = nullptr;  // the liquefaction cycles

  // Handlers.
  void DevBoxClick();
  void PaNam1Click();
  void PaNam2Click();
  void GivenListClick();
  // "Вычислить": true when computed.
  bool Calc0Click();
  void BitBtn1Click();  // "В таблицу"
  void BitBtn2Click();  // "Конец => Начало"
  void BitBtn4Click();  // "TS диаграмма"

 public slots:
  // The heading for the chosen substance; a carried inlet belongs to the
  // former one.
  void setSubstanceCaption(const QString& text);
  // The units of the main window changed: everything shown is reformatted.
  void unitsChanged();
  // A session opened or begun anew: its substance, device, kinds and entries.
  void showSession();

 signals:
  // A real process was added to the session's diagram lines.
  void deviceLineAdded();
  // Device n (1-based) was added to the session's rows.
  void deviceRowAdded(int n);
  // The liquefaction cycles window was asked for.
  void cyclesWanted();

 private:
  // Shows what the calculator holds.
  void refresh();
  void showUnits();
  const tfs::Model* substance() const;

  app::Session& session_;
};
