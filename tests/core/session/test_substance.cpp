// The rules of a substance choice and of the temperature limits, shared by
// the main window and the headless export.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/units.h"
#include "core/session/substance.h"
#include "thermo/inversion.h"
#include "thermo/model.h"
#include "thermo/substances.h"

namespace {

using app::LimitFault;
using app::Real;

TEST(SubstanceChoice, LimitsAndIsobarRangeOfEverySubstance) {
  app::AppState before;
  before.scale = app::ScaleKind::Linear;
  for (int n = 1; n <= tfs::kSubstCount; ++n) {
    SCOPED_TRACE(tfs::SubstName[n]);
    const app::AppState c = app::substanceChoice(before, n);
    EXPECT_EQ(c.subst, n);
    EXPECT_EQ(c.name, tfs::SubstName[n]);
    EXPECT_EQ(c.Tmin, tfs::Ttr[n] + Real(0.0001));
    EXPECT_EQ(c.Tmax, 350);
    EXPECT_EQ(c.lnTmin, std::log(c.Tmin));
    EXPECT_EQ(c.lnTmax, std::log(Real(350)));
    EXPECT_EQ(c.scale, app::ScaleKind::Linear);  // the scale stays as chosen
    const int first = c.name == "Ar" ? 1 : c.name == "CO2" ? 4 : 0;
    EXPECT_EQ(c.firstIsobar, first);
    EXPECT_EQ(c.lastIsobar, c.name == "He" ? 7 : 10);
    EXPECT_EQ(app::factSheet(n).size(), 7u);
  }
  EXPECT_EQ(app::SubstNameGen(10), "ФРЕОНА 14");
  EXPECT_EQ(app::factSheet(11)[0], " Вещество = Воздух  ( Air )");
  // Carbon dioxide's triple point lies above 0.1 MPa: it sublimates there.
  for (int n = 1; n <= tfs::kSubstCount; ++n) {
    const bool co2 = std::string(tfs::SubstName[n]) == "CO2";
    EXPECT_EQ(app::factSheet(n)[4].rfind(co2 ? " Температура сублимации при 0,1 МПа = " : " Температура кипения при 0,1 МПа = ", 0), 0u)
        << tfs::SubstName[n];
  }
}

TEST(LimitChecks, TypedLimitsAreCorrectedOrRefusedWithTheirMessages) {
  const int n2 = tfs::SubstIndex("N2");
  const Real lowest = tfs::Ttr[n2] + Real(0.0001);
  struct Case {
    bool tmin;  // which field
    Real typed, other;
    LimitFault fault;
    Real value;
  };
  const Case cases[] = {
      {true, 80, 350, LimitFault::None, 80},
      {true, 10, 350, LimitFault::TminBelowTriple, lowest},
      {true, 0, 350, LimitFault::TminBelowTriple, lowest},
      {true, 350, 350, LimitFault::TminNotBelowTmax, 350},
      {false, 300, 80, LimitFault::None, 300},
      {false, 500, 80, LimitFault::None, 500},
      {false, 700, 80, LimitFault::None, 700},  // the cubic model's outlets
      {false, 700.01L, 80, LimitFault::TmaxTooHigh, 700.01L},
      {false, 60, 63.2L, LimitFault::TmaxBelowTriple, 60},
      {false, 70, 70, LimitFault::TmaxNotAboveTmin, 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.tmin ? "Tmin " : "Tmax ") << double(c.typed));
    const app::LimitCheck r = c.tmin ? app::checkTmin(n2, c.typed, c.other) : app::checkTmax(n2, c.other, c.typed);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(r.refused(), c.fault != LimitFault::None && c.fault != LimitFault::TminBelowTriple);
    if (!r.refused()) {
      EXPECT_EQ(r.value, c.value);
    }
  }
  EXPECT_EQ(app::limitMessage(LimitFault::TminBelowTriple), "T мин < Т затвердевания !\nT мин будет скорректировано !");
  EXPECT_EQ(app::limitMessage(LimitFault::TmaxTooHigh), "Зачем Вам такая высокая температура?");
}

// Per mole with the molar mass: nitrogen's liquid at its boiling point,
// 806 kg/m3, is 28.8 mol/l; a round trip changes no value.
TEST(Units, MolarValuesFromTheMolarMass) {
  using app::Dim;
  using app::Units;
  const tfs::Model& n2 = tfs::cubicModel(tfs::SubstIndex("N2"));
  EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Density, 806, n2)), 806 / 28.013, 1e-3);
  EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Enthalpy, 1, n2)), 28.013, 1e-3);  // 1 kJ/kg = M J/mol
  for (int k = 1; k <= tfs::kSubstCount; ++k)
    for (Dim dim : {Dim::Density, Dim::Enthalpy, Dim::Entropy, Dim::Volume}) {
      const tfs::Model& n = tfs::cubicModel(k);
      const Real v = 123.456L;
      EXPECT_NEAR(double(app::fromShown(Units::Molar, dim, app::toShown(Units::Molar, dim, v, n), n)), double(v), 1e-15);
      EXPECT_EQ(app::toShown(Units::Specific, dim, v, n), v);
    }
  EXPECT_EQ(app::unitText(Units::Molar, Dim::Entropy), "Дж/(моль.К)");
  EXPECT_EQ(app::unitText(Units::Specific, Dim::Density), "кг/м3");
}

using tfs::ModelKind;

// Each model's own limits: Tmin from its triple point, Tmax up to the
// hottest state it shows (the cubic model's real-process outlets, 700 K
// where its ideal-gas functions end at 600 or 700 K, else 1000 K; the
// reference equations 1000 K or their own limit), with the specified
// message beyond. Triple points and limits as published (README's table).
TEST(LimitChecks, EachModelTakesLimitsFromItsTriplePointToItsHighestTemperature) {
  struct Case {
    const char* name;
    ModelKind kind;
    Real Ttr, Tmax;
  };
  const Case cases[] = {
      {"He", ModelKind::Cubic, 2.2L, 1000},         {"He", ModelKind::Reference, 2.1768L, 1000},
      {"n-H2", ModelKind::Cubic, 13.947L, 700},     {"n-H2", ModelKind::Reference, 13.957L, 1000},
      {"p-H2", ModelKind::Reference, 13.8033L, 1000}, {"Ne", ModelKind::Reference, 24.5561L, 725},
      {"N2", ModelKind::Cubic, 63.15L, 700},         {"N2", ModelKind::Reference, 63.151L, 1000},
      {"Ar", ModelKind::Cubic, 83.78L, 1000},        {"Ar", ModelKind::Reference, 83.806L, 1000},
      {"O2", ModelKind::Cubic, 54.36L, 700},         {"O2", ModelKind::Reference, 54.361L, 1000},
      {"CO2", ModelKind::Reference, 216.592L, 1000}, {"CH4", ModelKind::Cubic, 90.68L, 1000},
      {"CH4", ModelKind::Reference, 90.6941L, 625},  {"R14", ModelKind::Reference, 89.54L, 623},
      {"Air", ModelKind::Cubic, 63, 700},            {"Air", ModelKind::Reference, 59.75L, 1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << (c.kind == ModelKind::Cubic ? " cubic" : " reference"));
    const tfs::Model& m = tfs::model(tfs::SubstIndex(c.name), c.kind);
    EXPECT_NEAR(double(app::lowestTmin(m)), double(c.Ttr + Real(0.0001)), 1e-9);
    EXPECT_EQ(app::highestTmax(m), c.Tmax);
    // Tmax up to the limit is taken, a hundredth above refused.
    EXPECT_EQ(app::checkTmax(m, 100, c.Tmax).fault, LimitFault::None);
    EXPECT_EQ(app::checkTmax(m, 100, c.Tmax + Real(0.01)).fault, LimitFault::TmaxTooHigh);
    // Tmin just below the model's triple point is corrected to just above it.
    const app::LimitCheck below = app::checkTmin(m, c.Ttr - Real(0.001), 350);
    EXPECT_EQ(below.fault, LimitFault::TminBelowTriple);
    EXPECT_NEAR(double(below.value), double(c.Ttr + Real(0.0001)), 1e-9);
    EXPECT_EQ(app::checkTmin(m, c.Ttr + Real(0.0002), 350).fault, LimitFault::None);
    // A substance chosen under the model starts at its triple point.
    app::AppState none;
    none.model = c.kind;
    EXPECT_EQ(app::substanceChoice(none, m.substance()).Tmin, app::lowestTmin(m));
  }
  EXPECT_EQ(app::limitMessage(LimitFault::TmaxTooHigh), "Зачем Вам такая высокая температура?");
}

// Choosing the other model keeps the student's limits where it admits
// them; the isobars end below its pressure ceiling.
TEST(ModelChoice, LimitsFollowTheModel) {
  auto chosen = [](const char* name, ModelKind kind, Real Tmin, Real Tmax) {
    app::AppState none;
    none.model = kind;
    app::AppState st = app::substanceChoice(none, tfs::SubstIndex(name));
    st = app::withLimits(st, Tmin > 0 ? Tmin : st.Tmin, Tmax);
    st.chosen = true;
    return st;
  };
  struct Case {
    const char* what;
    app::AppState from;
    ModelKind to;
    Real Tmin, Tmax;  // expected; 0: just above the new model's triple point
    int lastIsobar;
  };
  const Case cases[] = {
      {"N2 at the lowest Tmin follows the triple point", chosen("N2", ModelKind::Cubic, 0, 350), ModelKind::Reference,
       0, 350, 10},
      {"N2 back", chosen("N2", ModelKind::Reference, 0, 350), ModelKind::Cubic, 0, 350, 10},
      {"a typed Tmin stays", chosen("N2", ModelKind::Cubic, 80, 650), ModelKind::Reference, 80, 650, 10},
      {"Tmax above the cubic model's lowered", chosen("N2", ModelKind::Reference, 80, 900), ModelKind::Cubic, 80, 700,
       10},
      {"CH4's equation ends at 625 K", chosen("CH4", ModelKind::Cubic, 100, 900), ModelKind::Reference, 100, 625, 10},
      {"no room left: a substance choice's limits", chosen("CH4", ModelKind::Cubic, 700, 900), ModelKind::Reference, 0,
       350, 10},
      {"Air's reference triple point is lower", chosen("Air", ModelKind::Cubic, 63.0001L, 350), ModelKind::Reference,
       0, 350, 10},
      {"O2 to 80 MPa", chosen("O2", ModelKind::Cubic, 0, 350), ModelKind::Reference, 0, 350, 9},
      {"R14 to 51 MPa", chosen("R14", ModelKind::Cubic, 0, 350), ModelKind::Reference, 0, 350, 9},
      {"He's own equation to 10 MPa", chosen("He", ModelKind::Reference, 0, 350), ModelKind::Cubic, 0, 350, 7},
      {"He's reference equation to 100 MPa", chosen("He", ModelKind::Cubic, 0, 350), ModelKind::Reference, 0, 350, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const app::AppState st = app::modelChoice(c.from, c.to);
    EXPECT_EQ(st.model, c.to);
    EXPECT_EQ(st.subst, c.from.subst);
    EXPECT_EQ(st.Tmin, c.Tmin > 0 ? c.Tmin : tfs::model(st.subst, c.to).limits().Ttr + Real(0.0001));
    EXPECT_EQ(st.Tmax, c.Tmax);
    EXPECT_EQ(st.lnTmax, std::log(st.Tmax));
    EXPECT_EQ(st.lastIsobar, c.lastIsobar);
    EXPECT_EQ(app::checkTmax(st.eos(), st.Tmin, st.Tmax).fault, LimitFault::None);
  }
  // Before a substance is chosen only the model changes.
  const app::AppState fresh = app::modelChoice(app::AppState{}, ModelKind::Reference);
  EXPECT_EQ(fresh.model, ModelKind::Reference);
  EXPECT_FALSE(fresh.chosen);
  EXPECT_EQ(fresh.Tmax, 0);
}

// The fact sheet by the model: its own critical and triple points, molar
// mass, normal boiling point (published values of the reference equations)
// and the highest inversion temperature, where B - T dB/dT changes sign.
TEST(FactSheet, ValuesOfTheChosenModel) {
  struct Case {
    const char* name;
    ModelKind kind;
    const char* boiling;  // the fifth line
    double Tinv;          // 0: above the model's range
  };
  const Case cases[] = {
      {"N2", ModelKind::Reference, " Температура кипения при 0,1 МПа =  77.355 K", 607.9},
      {"N2", ModelKind::Cubic, " Температура кипения при 0,1 МПа =  77.352 K", 531.7},
      {"Ar", ModelKind::Reference, " Температура кипения при 0,1 МПа =  87.302 K", 0},
      {"O2", ModelKind::Reference, " Температура кипения при 0,1 МПа =  90.188 K", 0},
      {"He", ModelKind::Reference, " Температура кипения при 0,1 МПа =   4.224 K", 0},
      // Air boils from its bubble point (78.90 K), CO2 sublimates (194.69 K).
      {"Air", ModelKind::Reference, " Температура кипения при 0,1 МПа =  78.903 K", 0},
      {"CO2", ModelKind::Reference, " Температура сублимации при 0,1 МПа = 194.700 K", 0},
      {"CO2", ModelKind::Cubic, " Температура сублимации при 0,1 МПа = 194.700 K", 0},
      {"CH4", ModelKind::Reference, " Температура кипения при 0,1 МПа = 111.667 K", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << (c.kind == ModelKind::Cubic ? " cubic" : " reference"));
    const tfs::Model& m = tfs::model(tfs::SubstIndex(c.name), c.kind);
    const std::vector<std::string> sheet = app::factSheet(m);
    ASSERT_EQ(sheet.size(), 7u);
    auto num = [](Real v) { return app::format("%7.3f", v); };
    EXPECT_EQ(sheet[1], " Его молекулярная масса  = " + num(m.molarMass()));
    EXPECT_EQ(sheet[2], " Критическая температура      = " + num(m.limits().Tcr) + " K");
    EXPECT_EQ(sheet[3], " Критическое давление       = " + num(m.limits().Pcr) + " МПа");
    std::string boiling = c.boiling;
    if (app::decimalSeparator() == ',') std::replace(boiling.begin() + 30, boiling.end(), '.', ',');
    EXPECT_EQ(sheet[4], boiling);
    EXPECT_EQ(sheet[5], " Температура тройной точки       = " + num(m.limits().Ttr) + " K");
    const Real Tinv = tfs::maxInversionTemperature(m);
    if (Tinv > 0) {
      EXPECT_EQ(sheet[6], " Наибольшая температура инверсии = " + num(Tinv) + " K");
      // The zero-pressure isotherm's (dh/dP)T changes sign there.
      EXPECT_LT(tfs::zeroPressureSlope(m, Tinv - 1), 0);
      EXPECT_GT(tfs::zeroPressureSlope(m, Tinv + 1), 0);
    } else {
      EXPECT_EQ(sheet[6], " Наибольшая температура инверсии выше " + app::format("%.0f", m.limits().Tmax) + " K");
      EXPECT_LT(tfs::zeroPressureSlope(m, m.limits().Tmax), 0);
    }
    if (c.Tinv > 0) {
      EXPECT_NEAR(double(Tinv), c.Tinv, 0.05);
    }
  }
  // The cubic fact sheet of a substance index is the cubic model's.
  EXPECT_EQ(app::factSheet(5), app::factSheet(tfs::cubicModel(5)));
}

// Headings name the model: the windows' working substance, the tables the
// models of their rows (the chosen one while empty).
TEST(ModelNames, HeadingsAndTablesNameTheModel) {
  app::AppState st = app::substanceChoice(app::AppState{}, tfs::SubstIndex("N2"));
  EXPECT_EQ(app::substanceHeading(st), "");
  st.chosen = true;
  EXPECT_EQ(app::substanceHeading(st), " Рабочее вещество - Азот  [ Кубическое уравнение (SRK) ] ");
  st.model = ModelKind::Reference;
  EXPECT_EQ(app::substanceHeading(st), " Рабочее вещество - Азот  [ Эталонное уравнение состояния ] ");
  const ModelKind C = ModelKind::Cubic, R = ModelKind::Reference;
  struct Case {
    std::vector<ModelKind> rows;
    ModelKind chosen;
    const char* note;
  };
  const Case cases[] = {
      {{}, C, "[ Кубическое уравнение (SRK) ]"},
      {{}, R, "[ Эталонное уравнение состояния ]"},
      {{C, C}, R, "[ Кубическое уравнение (SRK) ]"},
      {{R}, C, "[ Эталонное уравнение состояния ]"},
      {{R, C, R}, C, "[ Кубическое уравнение (SRK); Эталонное уравнение состояния ]"},
  };
  for (const Case& c : cases) EXPECT_EQ(app::modelsNote(c.rows, c.chosen), c.note);
  EXPECT_EQ(app::modelShort(C), "SRK");
  EXPECT_EQ(app::modelShort(R), "эталонное");
}

}  // namespace
