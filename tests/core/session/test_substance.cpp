// The rules of a substance choice and of the temperature limits, shared by
// the main window and the headless export.

#include <gtest/gtest.h>

#include <cmath>

#include "core/base/units.h"
#include "core/session/substance.h"
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
    EXPECT_EQ(app::factSheet(n).size(), 6u);
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
      {false, 500.01L, 80, LimitFault::TmaxTooHigh, 500.01L},
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

}  // namespace
