#include "process/results.h"

#include "app/numfmt.h"

namespace proc {

const ResultCells& ResultHeaders() {
  static const ResultCells h = {"  N",        " Вещество", " Процесс",         " Точки",
                                " T, K",      "  P, МПа",  " d, кг/м3",        "  i, кДж/кг",
                                " s, кДж/(кг.К)", " x, %", " Q, кДж/кг",       " L, кДж/кг"};
  return h;
}

std::array<ResultCells, 2> resultRowTexts(const ResultRow& row) {
  using app::format;
  std::array<ResultCells, 2> r;
  ResultCells& a = r[0];
  ResultCells& b = r[1];
  a[0] = "   " + std::to_string(row.number);
  a[1] = row.substance;
  a[2] = row.procKind >= 0 && row.procKind < 5 ? kProcessNames[row.procKind] : "";
  a[3] = "Начальная";
  b[3] = "Конечная";
  auto state = [](ResultCells& c, const Real* shown) {
    c[4] = format(" %5.2f", shown[kTemperature]);
    c[5] = format(" %5.3f", shown[kPressure]);
    c[6] = format("%6.3f", shown[kDensity]);
    c[7] = format("%6.2f", shown[kEnthalpy]);
    c[8] = format("%6.4f", shown[kEntropy]);
  };
  state(a, row.start);
  a[10] = format("%6.2f", row.Q);
  a[11] = format("%6.2f", row.L);
  state(b, row.end);
  return r;
}

}  // namespace proc
