#pragma once
// The process windows' small builders: colours, panels, fields, captions and
// buttons placed at fixed positions in the window's small font.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "ui/process/controls.h"

namespace form {

inline QColor lime() { return QColor(0, 255, 0); }
inline QColor aqua() { return QColor(0, 255, 255); }
inline QColor yellow() { return QColor(255, 255, 0); }

// Gives the window its small font, in which the numbers fit the narrow
// fields, and returns it.
QFont useSmallFont(QWidget* window);

// The widget's background in the colour.
void paint(QWidget* w, const QColor& c);

// A raised panel in the colour.
QFrame* panel(QWidget* parent, const QRect& r, const QColor& c);

// An edit field without margins.
QLineEdit* entry(QWidget* parent, int left, int top, int width = 49, int height = 21);

// A label as wide as its text.
QLabel* caption(QWidget* parent, const QString& text, int left, int top, bool bold = false);

// Shows an entry's text as typed. A clean number typed under another
// language (a reopened work) is shown with this language's decimal
// separator; the field is left alone while it shows the text either way, so
// the student's typing is never rewritten. No change is reported.
void showEntry(QLineEdit* e, const std::string& typed);

QPushButton* button(QWidget* parent, const QString& text, int left, int top, int width = 97, int height = 25);

}  // namespace form
