#include "process/form2.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Расчет идеальных термодинамических процессов"));
}

void TForm2::setSubstanceCaption(const QString&) {}
