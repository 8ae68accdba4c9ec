#pragma once
// The guide and "О программе". The guide is one window: its sections listed
// on the left, the section chosen on the right; F1 in a window opens the
// section of that window. "О программе" names the program, its version, its
// licence and where its property data come from.

#include <QDialog>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace app {

// The sections of the guide, in their order.
enum class HelpSection {
  Main,         // the main window
  Diagram,      // the T-s diagram
  Points,       // the points table
  Process,      // ideal processes
  Results,      // their results table
  Real,         // real processes
  RealResults,  // their results table
  Cycles,       // liquefaction cycles
  Files,        // work files and the autosave
  Model,        // the property model
};
inline constexpr int kHelpSectionCount = 10;

// The section's anchor (links between sections are "#anchor"), its title
// and its text as HTML (the title first), in the user's language.
QString helpAnchor(HelpSection s);
QString helpTitle(HelpSection s);
QString helpHtml(HelpSection s);
// The section of an anchor; false when there is none.
bool helpSectionOf(const QString& anchor, HelpSection& s);

// The diagram's lines as the guide explains them: the look of each entry.
struct LegendLook {
  int r = 0, g = 0, b = 0;
  int width = 1;
  bool dashed = false;
  bool joined = true;  // false: markers only
  int marker = 0;      // side of the square marker, px
};
// The entries of the guide's table of lines, in its order.
int legendCount();
LegendLook legendLook(int entry);

// The text of "О программе" as HTML: name, version, licence, the sources
// of the property data of each model.
QString aboutHtml();

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  QListWidget* Contents;  // the section titles
  QTextBrowser* Text;     // the section shown
  QPushButton* Close;

  HelpSection section() const { return section_; }

 public slots:
  // Shows the window at the section, in front.
  void showSection(app::HelpSection s);

 private:
  // The section's text into the browser, its title chosen in the list.
  void display(HelpSection s);

  HelpSection section_ = HelpSection::Main;
};

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);

  QLabel* Text;
  QPushButton* Close;

  // Shows the box in front, its text in the user's language.
  void showAbout();
};

}  // namespace app
