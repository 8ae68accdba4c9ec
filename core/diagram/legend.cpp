#include "core/diagram/picture.h"

#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/numparse.h"
#include "core/base/tr.h"

namespace diagram {

namespace {

// The lowest and highest value of a family's lines that look alike, as
// shown; empty when none is drawn.
struct Span {
  const Polyline* look = nullptr;
  double lo = HUGE_VAL, hi = -HUGE_VAL;
};

Span spanOf(const Picture& p, LineRole role, bool (*alike)(const Polyline&)) {
  Span s;
  for (const Polyline& l : p.lines) {
    if (l.role != role || l.points.empty() || !alike(l)) continue;
    if (!s.look) s.look = &l;
    s.lo = std::min(s.lo, l.value), s.hi = std::max(s.hi, l.value);
  }
  return s;
}

bool any(const Polyline&) { return true; }

}  // namespace

std::vector<LegendItem> legendOf(const Picture& p, const kinds::ShownUnits& u) {
  std::vector<LegendItem> items;
  if (!p.valid) return items;
  const app::Units units = u.molar ? app::Units::Molar : app::Units::Specific;
  auto add = [&](const std::string& text, const Polyline& look) {
    items.push_back({text, look.colour, look.dash, look.width, look.joined, look.marker});
  };
  auto first = [&](auto&& which) -> const Polyline* {
    for (const Polyline& l : p.lines)
      if (!l.points.empty() && which(l)) return &l;
    return nullptr;
  };
  auto role = [](LineRole r) { return [r](const Polyline& l) { return l.role == r; }; };
  auto marked = [](const char* text) { return app::translate("Legend", text); };
  // A family by its range: "one" for a single line, "range" from lo to hi.
  auto family = [&](const Span& s, const char* one, const char* range, const std::string& lo, const std::string& hi,
                    const std::string& unit) {
    if (!s.look) return;
    add(lo == hi || hi.empty() ? app::withArgs(marked(one), {lo, unit}) : app::withArgs(marked(range), {lo, hi, unit}),
        *s.look);
  };

  if (const Polyline* l = first(role(LineRole::SatLiquid)))
    add(app::translate("Legend", "Пограничная кривая жидкости"), *l);
  if (const Polyline* l = first(role(LineRole::SatVapour)))
    add(app::translate("Legend", "Пограничная кривая пара"), *l);
  // Isobars: the labelled (red) ones and the others, by their pressures.
  for (const bool red : {true, false}) {
    std::string list;
    const Polyline* look = nullptr;
    for (const Polyline& l : p.lines)
      if (l.role == LineRole::Isobar && !l.points.empty() && (l.colour == kRed) == red) {
        if (!look) look = &l;
        list += (list.empty() ? "" : "; ") + kinds::roundText(l.value);
      }
    if (look) add(app::withArgs(app::translate("Legend", "Изобары %1 МПа"), {list}), *look);
  }
  // Isenthalps: the lower values solid, the higher ones dashed; the texts
  // of their labels where they have the T–s diagram's.
  for (const bool dashed : {false, true}) {
    std::string lo, hi;
    const Polyline* look = nullptr;
    for (const Polyline& l : p.lines) {
      if (l.role != LineRole::Isenthalp || l.points.empty() || (l.dash == Dash::Dashed) != dashed) continue;
      if (!look) look = &l;
      for (const Label& b : p.labels)
        if (b.role == LabelRole::Isenthalp && b.index == l.index) (lo.empty() ? lo : hi) = app::trimmedText(b.text);
    }
    if (!look) continue;
    if (lo.empty()) {
      const Span s = spanOf(p, LineRole::Isenthalp, dashed ? +[](const Polyline& l) { return l.dash == Dash::Dashed; }
                                                            : +[](const Polyline& l) { return l.dash != Dash::Dashed; });
      lo = kinds::labelText(kinds::Role::Isenthalp, s.lo, u, 0);
      hi = s.hi > s.lo ? kinds::labelText(kinds::Role::Isenthalp, s.hi, u, 0) : std::string();
    }
    family({look}, QT_TRANSLATE_NOOP("Legend", "Изоэнтальпа %1 %2"), QT_TRANSLATE_NOOP("Legend", "Изоэнтальпы от %1 до %2 %3"),
           lo, hi, app::unitText(units, app::Dim::Enthalpy));
  }
  const Span T = spanOf(p, LineRole::Isotherm, any);
  family(T, QT_TRANSLATE_NOOP("Legend", "Изотерма %1 %2"), QT_TRANSLATE_NOOP("Legend", "Изотермы от %1 до %2 %3"),
         kinds::roundText(T.lo), kinds::roundText(T.hi), "K");
  const Span S = spanOf(p, LineRole::Isentrope, any);
  family(S, QT_TRANSLATE_NOOP("Legend", "Изоэнтропа %1 %2"), QT_TRANSLATE_NOOP("Legend", "Изоэнтропы от %1 до %2 %3"),
         kinds::roundText(u.entropy(S.lo)), kinds::roundText(u.entropy(S.hi)), app::unitText(units, app::Dim::Entropy));
  const Span d = spanOf(p, LineRole::Isochore, any);
  family(d, QT_TRANSLATE_NOOP("Legend", "Изохора %1 %2"), QT_TRANSLATE_NOOP("Legend", "Изохоры от %1 до %2 %3"),
         kinds::roundText(u.density(d.lo)), kinds::roundText(u.density(d.hi)), app::unitText(units, app::Dim::Density));
  const Span x = spanOf(p, LineRole::Dryness, any);
  family(x, QT_TRANSLATE_NOOP("Legend", "Степень сухости %1 %2"),
         QT_TRANSLATE_NOOP("Legend", "Степень сухости от %1 до %2 %3"), kinds::roundText(100 * x.lo),
         kinds::roundText(100 * x.hi), "%");
  const std::pair<LineRole, const char*> others[] = {
      {LineRole::Melting, QT_TRANSLATE_NOOP("Legend", "Линия затвердевания")},
      {LineRole::Inversion, QT_TRANSLATE_NOOP("Legend", "Кривая инверсии: дросселирование внутри нее охлаждает газ")},
      {LineRole::Markers, QT_TRANSLATE_NOOP("Legend", "Начало и конец процесса")},
      {LineRole::Process, QT_TRANSLATE_NOOP("Legend", "Идеальный процесс")},
      {LineRole::DeviceReal, QT_TRANSLATE_NOOP("Legend", "Реальный процесс: от входа к выходу")},
      {LineRole::DeviceIdeal, QT_TRANSLATE_NOOP("Legend", "Его идеальный процесс")},
      {LineRole::CycleLine, QT_TRANSLATE_NOOP("Legend", "Цикл ожижения: теплообмен при P = const")},
      {LineRole::CycleChord, QT_TRANSLATE_NOOP("Legend", "Цикл ожижения: сжатие, дросселирование, расширение")},
      {LineRole::CycleStates, QT_TRANSLATE_NOOP("Legend", "Состояния цикла")},
      {LineRole::Picked, QT_TRANSLATE_NOOP("Legend", "Точки с диаграммы (номер строки таблицы)")}};
  for (const auto& [r, text] : others)
    if (const Polyline* l = first(role(r))) add(marked(text), *l);
  if (const Polyline* l = first(role(LineRole::OtherModel)))
    add(app::withArgs(app::translate("Legend", "Другая модель (%1): пограничная кривая и изобары"), {p.otherModel}), *l);
  return items;
}

}  // namespace diagram
