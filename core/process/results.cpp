#include "core/process/results.h"

#include "core/base/modelname.h"
#include "core/base/numfmt.h"
#include "core/base/tr.h"
#include "core/base/units.h"
#include "core/process/ranges.h"
#include "thermo/substances.h"

namespace proc {

ResultCells ResultHeaders(app::Units u) {
  auto t = [](const char* marked) { return app::translate("Results", marked); };
  const std::array<std::string, 5> st = app::stateHeaders(u);
  const std::string i = app::unitText(u, app::Dim::Enthalpy);
  return {"  N",  t(QT_TRANSLATE_NOOP("Results", " Вещество")), t(QT_TRANSLATE_NOOP("Results", " Процесс")),
          t(QT_TRANSLATE_NOOP("Results", " Точки")), st[0], st[1], st[2], st[3], st[4], " x, %", " Q, " + i,
          " L, " + i, t(QT_TRANSLATE_NOOP("Results", " Модель"))};
}

std::array<ResultCells, 2> resultRowTexts(const ResultRow& row, app::Units u) {
  using app::format;
  const tfs::Model& m = tfs::model(tfs::SubstIndex(row.substance), row.model);
  auto shown = [&](int kind, Real v) { return kindToShown(u, kind, v, m); };
  std::array<ResultCells, 2> r;
  ResultCells& a = r[0];
  ResultCells& b = r[1];
  a[0] = "   " + std::to_string(row.number);
  a[1] = row.substance;
  a[2] = row.procKind >= 0 && row.procKind < 5 ? kProcessNames[row.procKind] : "";
  a[3] = app::translate("Results", "Начальная");
  b[3] = app::translate("Results", "Конечная");
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
  a[12] = app::modelShort(row.model);
  state(b, row.end);
  return r;
}

}  // namespace proc
