#include "app/mainwindow.h"

TForm1::TForm1(QWidget* parent) : QWidget(parent) { setWindowTitle(QStringLiteral("Entrograf")); }
