#pragma once
// The results table of the real processes: the session's device rows as
// text, three rows per device (inlet, outlet, ideal outlet).

#include "core/session/session.h"
#include "ui/process/controls.h"
#include "ui/process/resulttable.h"

class TForm6 : public proc::ResultWindow {
  Q_OBJECT
 public:
  explicit TForm6(const app::Session& session, QWidget* parent = nullptr);

  QTableWidget* RealTab = nullptr;
  QPushButton* BitBtn2 = nullptr;  // "Закрыть": hides the window

  // Writes device n (1-based) of the session into rows 3n - 2 .. 3n,
  // growing the grid, and scrolls to them.
  void showDevice(int n);
  // The heading with the models of the rows, as the CSV files start.
  void showHeading();
  // The device whose rows hold the current cell (1-based); 0: none.
  int currentDevice() const;

 signals:
  // "Удалить процесс": device n should leave the table (and its lines the
  // diagram).
  void deviceRemoveWanted(int n);

 public slots:
  // Headers and every row again in the units of the main window.
  void unitsChanged();

 private:
  void showHeaders();
  const app::Session& session_;
};
