#pragma once
// The ideal-process window.

#include <QWidget>

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);
  // The working-substance heading, set by the main window.
  void setSubstanceCaption(const QString& text);
};
