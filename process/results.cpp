#include "process/results.h"

#include "app/numfmt.h"
#include "process/ranges.h"
#include "thermo/substances.h"

namespace proc {

const ResultCells& ResultHeaders(app::Units u) {
  static const ResultCells h = {"  N",        " Вещество", " Процесс",         " Точки",
                                " T, K",      "  P, МПа",  " d, кг/м3",        "  i, кДж/кг",
                                " s, кДж/(кг.К)", " x, %", " Q, кДж/кг",       " L, кДж/кг"};
  static const ResultCells m = {"  N",        " Вещество", " Процесс",          " Точки",
                                " T, K",      "  P, МПа",  " d, моль/л",        "  i, Дж/моль",
                                " s, Дж/(моль.К)", " x, %", " Q, Дж/моль",      " L, Дж/моль"};
  return u == app::Units::Molar ? m : h;
}

std::array<ResultCells, 2> resultRowTexts(const ResultRow& row, app::Units u) {
  using app::format;
  const int n = tfs::substanceIndex(row.substance);
  auto shown = [&](int kind, Real v) { return kindToShown(u, kind, v, n); };
  std::array<ResultCells, 2> r;
  ResultCells& a = r[0];
  ResultCells& b = r[1];
  a[0] = "   " + std::to_string(row.number);
  a[1] = row.substance;
  a[2] = row.procKind >= 0 && row.procKind < 5 ? kProcessNames[row.procKind] : "";
  a[3] = "Начальная";
  b[3] = "Конечная";
  auto state = [&](ResultCells& c, const Real* v) {
    c[4] = format(" %5.2f", v[kTemperature]);
    c[5] = format(" %5.3f", v[kPressure]);
    c[6] = format("%6.3f", shown(kDensity, v[kDensity]));
    c[7] = format("%6.2f", shown(kEnthalpy, v[kEnthalpy]));
    c[8] = format("%6.4f", shown(kEntropy, v[kEntropy]));
  };
  state(a, row.start);
  a[10] = format("%6.2f", shown(kEnthalpy, row.Q));
  a[11] = format("%6.2f", shown(kEnthalpy, row.L));
  state(b, row.end);
  return r;
}

}  // namespace proc
