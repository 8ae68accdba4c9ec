#include "process/form4.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent) { setWindowTitle(QStringLiteral("Form4")); }
