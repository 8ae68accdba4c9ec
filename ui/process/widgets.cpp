#include "ui/process/widgets.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/base/numparse.h"

namespace form {

QFont useSmallFont(QWidget* window) {
  QFont f = window->font();
  f.setPixelSize(11);
  window->setFont(f);
  return f;
}

void paint(QWidget* w, const QColor& c) {
  w->setAutoFillBackground(true);
  QPalette p = w->palette();
  p.setColor(QPalette::Window, c);
  w->setPalette(p);
}

QFrame* panel(QWidget* parent, const QRect& r, const QColor& c) {
  auto* f = new QFrame(parent);
  f->setGeometry(r);
  f->setFrameShape(QFrame::Panel);
  f->setFrameShadow(QFrame::Raised);
  paint(f, c);
  return f;
}

QLineEdit* entry(QWidget* parent, int left, int top, int width, int height) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(left, top, width, height);
  e->setTextMargins(0, 0, 0, 0);
  return e;
}

QLabel* caption(QWidget* parent, const QString& text, int left, int top, bool bold) {
  auto* l = new QLabel(text, parent);
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  l->move(left, top);
  l->adjustSize();
  return l;
}

void showEntry(QLineEdit* e, const std::string& typed) {
  const QString asTyped = QString::fromStdString(typed);
  const QString shown = QString::fromStdString(app::withShownSeparator(typed));
  if (e->text() == asTyped || e->text() == shown) return;
  const QSignalBlocker quiet(e);
  e->setText(shown);
}

QPushButton* button(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* b = new QPushButton(text, parent);
  b->setGeometry(left, top, width, height);
  return b;
}

}  // namespace form
