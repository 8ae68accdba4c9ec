#pragma once
// The main window: substance and property model, fact sheet, diagram limits.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "core/session/session.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QAction;

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(app::Session& session, QWidget* parent = nullptr);

  // Components, named as in the layout.
  QMenuBar* MainMenu1;
  QAction *Files, *Points, *IdProc, *RealProc, *Diagr, *AllEnd;
  // " Таблицы ": the results tables shown as they are.
  QMenu* TablesMenu;
  QAction *Tables, *IdTable, *RealTable;
  // The menu of " Файл   " (Files is its title item) and its items.
  QMenu *FilesMenu, *RecentMenu;
  QAction *NewWork, *OpenWork, *SaveWork, *SaveWorkAs, *SaveDiagram, *SavePoints, *SaveResults;
  // "Справка", after the items above: the guide (F1) and "О программе".
  QMenu* HelpMenu;
  QAction *Guide, *About;
  QWidget* Client;  // the client area below the menu, 790 x 523
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label8, *Label9, *Label10, *Label11;
  QListWidget* BboList;
  QLineEdit *ETma, *ETmi;
  QGroupBox *UnitsGr, *TScale;
  QButtonGroup *UnitsGrItems, *TScaleItems;
  // The property model of every computation: the cubic equation (0) or the
  // reference equation of state (1).
  QGroupBox* ModelGr;
  QButtonGroup* ModelGrItems;
  QPushButton *Button1, *Button2;
  QProgressBar* ProcBar;

  // The fact sheet as built (lines joined by CR LF).
  const QString& infoText() const { return info_; }

  // Shows what the session holds, after its contents were replaced.
  void showSession();
  // The list under "Недавние файлы", the last one first.
  void setRecentFiles(const QStringList& paths);
  // Asked before the window closes; false keeps the program running.
  std::function<bool()> mayClose;

 public slots:
  void BboListClick();
  void ETmiExit();
  void ETmaExit();
  void TScaleClick(int index);
  void UnitsGrClick(int index);
  void ModelGrClick(int index);
  void FormDeactivate();
  void Button2Click();
  void DiagrClick();
  void IdProcClick();
  void RealProcClick();

 signals:
  // The lines of a new substance or new limits are in the session.
  void diagramComputed();
  // The heading of the process window for the chosen substance (and
  // model): every window starts anew on it.
  void substanceChosen(const QString& heading);
  // The temperature scale of the diagram changed.
  void scaleChanged();
  // The diagram window or the process window should come up.
  void diagramWanted();
  void processWindowWanted();
  // The real-process window should come up.
  void realProcessWindowWanted();
  void pointsWindowWanted();
  // The results table of the ideal or of the real processes should come up.
  void resultsWindowWanted();
  void realResultsWindowWanted();
  // The units of the values shown changed.
  void unitsChanged();
  // The items of " Файл   ".
  void newWanted();
  void openWanted();
  void saveWanted();
  void saveAsWanted();
  void recentWanted(const QString& path);
  void diagramSaveWanted();
  void pointsSaveWanted();
  void resultsSaveWanted();
  // The items of "Справка".
  void guideWanted();
  void aboutWanted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  // Computes the lines for the candidate state into a fresh store; takes
  // state and store only when the property library accepted every call.
  bool recompute(const app::AppState& candidate);
  // The limit typed into field (Tmin's with lower, else Tmax's) checked
  // against the other: refused with its message and the field showing the
  // limit in force, else the diagram computed anew for it.
  void limitExit(QLineEdit* field, bool lower);
  // A substance or model taken: its limits in their fields, its facts, no
  // process lines, and the diagram anew.
  void diagramRenewed();
  void buildInfo();
  void buildFilesMenu();
  void buildHelpMenu();

  app::Session& session_;
  unsigned char warn_ = 1;  // warning flag shared by both limit fields
  QString info_;
};
