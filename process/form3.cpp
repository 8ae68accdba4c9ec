#include "process/form3.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent) { setWindowTitle(QStringLiteral("Form3")); }
