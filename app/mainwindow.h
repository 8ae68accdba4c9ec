#pragma once
// The main window: substance choice, fact sheet, diagram limits.

#include <QString>
#include <QWidget>

#include "app/appstate.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QAction;

namespace app {
// Substance name as used in the diagram title ("АЗОТА"), by index 1..11.
QString SubstNameGen(int subst);
}  // namespace app

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);

  // Components, named as in the layout.
  QMenuBar* MainMenu1;
  QAction *Files, *Points, *IdProc, *RealProc, *Diagr, *AllEnd;
  QWidget* Client;  // the client area below the menu, 790 x 523
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label8, *Label9, *Label10, *Label11;
  QListWidget* BboList;
  QLineEdit *ETma, *ETmi;
  QGroupBox *UnitsGr, *TScale;
  QButtonGroup *UnitsGrItems, *TScaleItems;
  QPushButton *Button1, *Button2;
  QProgressBar* ProcBar;

  // The fact sheet as built (lines joined by CR LF).
  const QString& infoText() const { return info_; }

 public slots:
  void BboListClick();
  void ETmiExit();
  void ETmaExit();
  void TScaleClick(int index);
  void FormDeactivate();
  void Button2Click();
  void DiagrClick();
  void IdProcClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  // Computes the lines for the candidate state into a fresh store; takes
  // state and store only when the property library accepted every call.
  bool recompute(const app::AppState& candidate);
  void buildInfo();

  unsigned char warn_ = 1;  // warning flag shared by both limit fields
  QString info_;
};
