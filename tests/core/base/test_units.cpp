// Molar units for every substance: the conversions against textbook molar
// masses, the molar gas constant and the heat capacity of a monatomic gas,
// and the texts that show a converted value (readout, points and results
// rows with their headers).

#include <gtest/gtest.h>

#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/units.h"
#include "core/diagram/readout.h"
#include "core/process/results.h"
#include "thermo/model.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace {

using app::Dim;
using app::Units;
using tfs::Real;

struct Substance {
  const char* name;
  double M;         // g/mol, textbook value
  bool monatomic;
};
const Substance kSubstances[] = {{"He", 4.0026, true},   {"n-H2", 2.0159, false}, {"p-H2", 2.0159, false},
                                 {"Ne", 20.180, true},   {"N2", 28.013, false},   {"Ar", 39.948, true},
                                 {"O2", 31.999, false},  {"CO2", 44.010, false},  {"CH4", 16.043, false},
                                 {"R14", 88.004, false}, {"Air", 28.965, false}};

TEST(MolarUnits, EverySubstanceByItsMolarMass) {
  for (const Substance& c : kSubstances) {
    SCOPED_TRACE(c.name);
    const tfs::Model& n = tfs::cubicModel(tfs::SubstIndex(c.name));
    // 1 kg/m3 is 1 g/l: 1000 kg/m3 are 1000/M mol/l; 1 kJ/kg is M J/mol;
    // 1 m3/kg is M l/mol. Air's mean molar mass varies by 0.1 % with its
    // assumed composition.
    const double tol = 1.5e-3;
    EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Density, 1000, n)), 1000 / c.M, tol * 1000 / c.M);
    EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Enthalpy, 1, n)), c.M, tol * c.M);
    EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Entropy, 1, n)), c.M, tol * c.M);
    EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Volume, 1, n)), c.M, tol * c.M);
    // The gas constant per kilogram times M: the molar gas constant.
    EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Entropy, n.gasConstant(), n)), 8.31446, 2e-3);
    // A monatomic ideal gas: cp = 5/2 R = 20.786 J/(mol K).
    if (c.monatomic) {
      Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
      tfs::dhs_PT(c.name, 1e-3L, 300, d, h, s, Cp, x);
      EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Entropy, Cp, n)), 20.786, 0.05);
    }
    // There and back: the value to its last bits, its text exactly.
    for (Dim dim : {Dim::Density, Dim::Enthalpy, Dim::Entropy, Dim::Volume})
      for (Real v : {Real(0.001234L), Real(-271.15L), Real(8314.4621L)}) {
        const Real back = app::fromShown(Units::Molar, dim, app::toShown(Units::Molar, dim, v, n), n);
        EXPECT_NEAR(double((back - v) / v), 0, 1e-18);
        EXPECT_EQ(app::format("%8.4f", back), app::format("%8.4f", v));
        EXPECT_EQ(app::toShown(Units::Specific, dim, v, n), v);
      }
  }
}

// Per mole each model takes its own molar mass: the reference equations'
// published ones (air 28.96546 g/mol against the cubic model's 28.996, a
// difference of 0.1 %), so a value per mole is the equation's own.
TEST(MolarUnits, EachModelByItsOwnMolarMass) {
  const struct {
    int k;
    double M;
  } cases[] = {{11, 28.96546}, {5, 28.01348}, {1, 4.002602}, {8, 44.0098}};
  for (const auto& c : cases) {
    const tfs::Model& m = tfs::model(c.k, tfs::ModelKind::Reference);
    EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Enthalpy, 1, m)), c.M, 1e-9) << m.name();
    EXPECT_NEAR(double(app::toShown(Units::Molar, Dim::Density, 1000, m)), 1000 / c.M, 1e-9) << m.name();
  }
  app::PointRow air;
  air.substance = "Air";
  air.model = tfs::ModelKind::Reference;
  air.h = 1;
  EXPECT_EQ(diagram::pointRowTexts(air, 1, Units::Molar)[5], app::format("%8.2f", 28.96546L));
}

// Nitrogen, M = 28.013 g/mol: density, enthalpy, entropy, heat capacity,
// heat and work per mole; temperature, pressure and dryness unchanged.
TEST(MolarUnits, RowsAndHeadersShowPerMole) {
  app::PointRow p{"N2", 77.35L, 0.1L, 280.13L, 100, 2, 1.04L, 0.25L};  // T, P, d, h, s, Cp, x
  struct Case {
    Units u;
    std::array<const char*, 7> cells;  // T, P, d, h, s, Cp, x
    const char *dHeader, *cpHeader;
  };
  const Case cases[] = {
      {Units::Specific, {" 77.35", "   0.100", " 280.130", "  100.00", "   2.000", "   1.040", " 75.00"},
       " d, кг/м3", " Ср, кДж/(кг.К)"},
      {Units::Molar, {" 77.35", "   0.100", "  10.000", " 2801.30", "  56.026", "  29.134", " 75.00"},
       " d, моль/л", " Ср, Дж/(моль.К)"},
  };
  for (const Case& c : cases) {
    const diagram::PointCells t = diagram::pointRowTexts(p, 3, c.u);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(t[2 + k], app::localized(c.cells[k])) << k;
    EXPECT_EQ(diagram::PointHeaders(c.u)[4], c.dHeader);
    EXPECT_EQ(diagram::PointHeaders(c.u)[7], c.cpHeader);
  }
  diagram::CursorState at;
  at.P = 0.1L;
  at.d = 280.13L;
  at.h = 100;
  at.Cp = 1.04L;
  const tfs::Model* n2 = &tfs::cubicModel(tfs::SubstIndex("N2"));
  const auto molar = diagram::stateTexts(at, Units::Molar, n2);
  EXPECT_EQ(molar[0], app::localized("P=0.100 МПа"));
  EXPECT_EQ(molar[1], app::localized("d=10.000 mol/l"));
  EXPECT_EQ(molar[2], app::localized("i=2801.3 J/mol"));
  EXPECT_EQ(molar[3], app::localized("Cp=29.13 J/mol.K"));
  EXPECT_EQ(diagram::entropyText(2, Units::Molar, n2), app::localized("S=56.026 "));
  // In the dome the marker of no heat capacity is no value to convert: the
  // screen shows an infinite heat capacity, a table taken out the marker.
  at.Cp = p.Cp = tfs::kTwoPhaseCp;
  EXPECT_EQ(diagram::stateTexts(at, Units::Molar, n2)[3], "Cp=∞ J/mol.K");
  EXPECT_EQ(diagram::stateTexts(at, Units::Specific, n2)[3], "Cp=∞ kJ/kg.K");
  EXPECT_EQ(diagram::pointRowTexts(p, 3, Units::Molar)[7], "∞");
  EXPECT_EQ(diagram::pointRowTexts(p, 3, Units::Molar, true)[7], app::localized("1000000.000"));
  EXPECT_EQ(diagram::pointRowTexts(p, 3, Units::Specific, true)[7], app::localized("1000000.000"));

  proc::ResultRow r;
  r.number = 1;
  r.substance = "N2";
  r.start[proc::kTemperature] = 300;
  r.start[proc::kPressure] = 1;
  r.start[proc::kDensity] = 280.13L;
  r.start[proc::kEnthalpy] = 100;
  r.start[proc::kEntropy] = 2;
  r.Q = -50;
  r.L = 10;
  const auto rows = proc::resultRowTexts(r, Units::Molar);
  EXPECT_EQ(rows[0][4], app::localized(" 300.00"));
  EXPECT_EQ(rows[0][5], app::localized(" 1.000"));
  EXPECT_EQ(rows[0][6], app::localized("10.000"));
  EXPECT_EQ(rows[0][7], app::localized("2801.30"));
  EXPECT_EQ(rows[0][8], app::localized("56.0260"));
  EXPECT_EQ(rows[0][10], app::localized("-1400.65"));
  EXPECT_EQ(rows[0][11], app::localized("280.13"));
  EXPECT_EQ(proc::ResultHeaders(Units::Molar)[10], " Q, Дж/моль");
  EXPECT_EQ(proc::ResultHeaders(Units::Specific)[10], " Q, кДж/кг");
  EXPECT_EQ(proc::resultRowTexts(r)[0][7], app::localized("100.00"));
}

}  // namespace
