#pragma once
// The ideal-process window.

#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/process/calculator.h"
#include "core/session/session.h"
#include "ui/process/controls.h"

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(app::Session& session, QWidget* parent = nullptr);
  // The working-substance heading, set when a substance is chosen.
  void setSubstanceCaption(const QString& text);
  // The session's contents were replaced: heading, lists, units and fields
  // from it, the calculator's state as it was kept.
  void showSession();
  // The units changed: labels, entries, fields and limits in the new ones.
  void unitsChanged();
  // The window's state and operations.
  proc::Calculator& calc() { return session_.process; }
  const proc::Calculator& calc() const { return session_.process; }

  // Components, named as in the window's layout.
  QLabel* Label1 = nullptr;
  QGroupBox* ProBox = nullptr;
  QRadioButton* ProItem[5] = {};
  QButtonGroup* ProGroup = nullptr;
  QFrame *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr;
  QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr,
         *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr,
         *Label12 = nullptr, *Label22 = nullptr;
  QComboBox *PaNam1 = nullptr, *PaNam2 = nullptr, *PaNam3 = nullptr;
  QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr,
            *Edit6 = nullptr, *Edit8 = nullptr, *Edit9 = nullptr, *Edit10 = nullptr;
  QLineEdit *ETn = nullptr, *EPn = nullptr, *Edn = nullptr, *Ehn = nullptr, *ESn = nullptr;
  QLineEdit *ETk = nullptr, *EPk = nullptr, *Edk = nullptr, *Ehk = nullptr, *ESk = nullptr;
  QLineEdit *EQ = nullptr, *EL = nullptr, *Edd = nullptr, *Edh = nullptr, *EdS = nullptr;
  QPushButton *Calc0 = nullptr, *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn4 = nullptr, *BitBtn5 = nullptr;

  // Handlers.
  void FormActivate();
  void ProBoxClick();
  void PaNam1Click();
  void PaNam2Click();
  void PaNam3Click();
  void Edit2Exit();
  void Edit4Exit();
  void Edit10Exit();
  void Edit2Change();
  void Edit4Change();
  void Edit10Change();
  void Panel2Exit();
  // "Вычислить": true when start, end and results were all computed.
  bool Calc0Click();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn4Click();
  void BitBtn5Click();

  // The item index of the process radio group.
  int proBoxIndex() const;
  void setProBoxIndex(int i);

 signals:
  // A process line was added to the session's store.
  void processLineAdded();
  // Process n (1-based) was added to the session's results rows.
  void resultRowAdded(int n);

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  void onFocusChanged(QWidget* old, QWidget* now);
  // Shows what the calculator holds: lists, units, fields, limits.
  void refresh();
  // The chosen substance's identifier, empty before a choice.
  const tfs::Model* substance() const;

  app::Session& session_;
};
