// Sampling of process paths for the diagram, called directly.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/process/path.h"
#include "core/process/solve.h"
#include "model_support.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

using namespace proc;

namespace {

struct Line {
  Real S[16], T[16];
};

ProcPoint AtPs(const char* name, Real P, Real s) {
  ProcPoint p;
  EXPECT_EQ(SolvePair(eos(name), kPressure, kEntropy, P, s, p), SolveStatus::Solved);
  return p;
}

struct Sat {
  Real Tv, sv, Tl, sl;
};

Sat SatAt(const char* name, Real P) {
  Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
  tfs::dhs2_P(name, P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  return {Tv, sv, Tl, sl};
}

Real TofS(const char* name, Real s, Real P) {
  Real T, d, h, Cp, x;
  tfs::Tdh_sP(name, s, P, T, d, h, Cp, x);
  return T;
}

// The drawn points (T != 0) rise strictly in s, and no two slots share an
// entropy with different temperatures.
void ExpectCleanLine(const Line& l, const std::string& what) {
  Real last = -1e30L;
  for (int j = 0; j < 16; ++j) {
    if (l.T[j] == 0) continue;
    EXPECT_GT(l.S[j], last) << what << " slot " << j;
    last = l.S[j];
  }
  for (int a = 0; a < 16; ++a)
    for (int b = a + 1; b < 16; ++b)
      if (l.T[a] != 0 && l.T[b] != 0 && l.S[a] == l.S[b]) {
        EXPECT_EQ(l.T[a], l.T[b]) << what << " slots " << a << "," << b;
      }
}

Line Isobar(const char* name, Real P, Real s1, Real s2) {
  Line l;
  const ProcPoint a = AtPs(name, P, s1), b = AtPs(name, P, s2);
  EXPECT_EQ(BuildProcPath(eos(name), kIsobar, a, b, l.S, l.T), PathStatus::Written);
  // Either direction gives the same path.
  Line r;
  EXPECT_EQ(BuildProcPath(eos(name), kIsobar, b, a, r.S, r.T), PathStatus::Written);
  for (int j = 0; j < 16; ++j) {
    EXPECT_EQ(l.S[j], r.S[j]) << j;
    EXPECT_EQ(l.T[j], r.T[j]) << j;
  }
  EXPECT_EQ(l.S[0], std::min(s1, s2));
  EXPECT_EQ(l.S[15], std::max(s1, s2));
  return l;
}

}  // namespace

// Argon at 2 MPa: the seven isobar cases.
TEST(ProcessPath, IsobarCasesAtoG) {
  const char* Ar = "Ar";
  const Real P = 2;
  const Sat sat = SatAt(Ar, P);
  const Real w = sat.sv - sat.sl;
  const Real lo = sat.sl - 0.5L * w, hi = sat.sv + 0.5L * w;

  {  // a: all liquid; slot 15 is the computed point at the end entropy.
    const Line l = Isobar(Ar, P, lo, sat.sl - 0.1L * w);
    for (int j = 1; j <= 15; ++j) {
      EXPECT_NEAR(double(l.S[j]), double(lo + j * (sat.sl - 0.1L * w - lo) / 15), 1e-12);
      EXPECT_EQ(l.T[j], TofS(Ar, l.S[j], P));
    }
    ExpectCleanLine(l, "a");
  }
  {  // b: liquid into the dome; slot 14 the saturated liquid.
    const Real sEnd = sat.sl + 0.5L * w;
    const Line l = Isobar(Ar, P, lo, sEnd);
    EXPECT_NEAR(double(l.S[14]), double(sat.sl), 1e-12);
    EXPECT_NEAR(double(l.T[14]), double(sat.Tl), 1e-6);
    EXPECT_NEAR(double(l.S[7]), double(lo + 7 * (sat.sl - lo) / 14), 1e-12);
    EXPECT_NEAR(double(l.T[15]), double(sat.Tv), 1e-6);
    ExpectCleanLine(l, "b");
  }
  {  // c: across the dome: liquid points, both saturation points, vapour points.
    const Line l = Isobar(Ar, P, lo, hi);
    int jl = -1;
    for (int j = 1; j <= 13; ++j)
      if (l.S[j] == sat.sl) jl = j;
    ASSERT_GT(jl, 0);
    EXPECT_EQ(l.T[jl], sat.Tl);
    EXPECT_EQ(l.S[jl + 1], sat.sv);
    EXPECT_EQ(l.T[jl + 1], sat.Tv);
    const Real step = ((sat.sl - lo) + (hi - sat.sv)) / 13;
    for (int j = 1; j < jl; ++j) EXPECT_NEAR(double(l.S[j]), double(lo + j * step), 1e-12);
    for (int j = 1; j <= 15; ++j) EXPECT_NE(l.T[j], 0) << j;
    EXPECT_LT(l.S[14], hi);  // slot 14 is a vapour sample, not a second end point
    EXPECT_GT(l.T[14], sat.Tv);
    ExpectCleanLine(l, "c");
  }
  {  // d: inside the dome: only the end points are drawn.
    const Line l = Isobar(Ar, P, sat.sl + 0.2L * w, sat.sl + 0.7L * w);
    for (int j = 1; j <= 14; ++j) {
      EXPECT_EQ(l.T[j], 0);
      EXPECT_NEAR(double(l.S[j]), double(l.S[0] + j * (l.S[15] - l.S[0]) / 14), 1e-12);
    }
    EXPECT_NEAR(double(l.T[0]), double(l.T[15]), 1e-6);
  }
  {  // e: from the dome into the vapour.
    const Line l = Isobar(Ar, P, sat.sl + 0.5L * w, hi);
    EXPECT_EQ(l.S[1], sat.sv);
    EXPECT_EQ(l.T[1], sat.Tv);
    for (int j = 2; j <= 14; ++j) EXPECT_GT(l.T[j], sat.Tv);
    EXPECT_LT(l.S[14], hi);
    ExpectCleanLine(l, "e");
  }
  {  // f: all vapour.
    const Line l = Isobar(Ar, P, sat.sv + 0.1L * w, hi);
    for (int j = 1; j <= 14; ++j) EXPECT_NEAR(double(l.S[j]), double(l.S[0] + j * (hi - l.S[0]) / 15), 1e-12);
    ExpectCleanLine(l, "f");
  }
  {  // g: from 100 K liquid to the saturated vapour: through the saturated
     // liquid, then along the dome, never a chord across it.
    ProcPoint st, en;
    ASSERT_EQ(SolvePair(eos(Ar), kPressure, kTemperature, P, 100, st), SolveStatus::Solved);
    ASSERT_EQ(SolvePair(eos(Ar), kPressure, kEntropy, P, sat.sv, en), SolveStatus::Solved);
    Line l;
    ASSERT_EQ(BuildProcPath(eos(Ar), kIsobar, st, en, l.S, l.T), PathStatus::Written);
    EXPECT_EQ(l.S[15], sat.sv);
    EXPECT_NEAR(double(l.S[14]), double(sat.sl), 1e-12);
    EXPECT_NEAR(double(l.T[14]), double(sat.Tl), 1e-6);
    for (int j = 1; j <= 13; ++j) {
      EXPECT_LT(l.S[j], sat.sl);
      EXPECT_LT(l.T[j], sat.Tl);
    }
    ExpectCleanLine(l, "g");
    // And from the saturated vapour into the vapour: the vapour samples.
    ProcPoint far;
    ASSERT_EQ(SolvePair(eos(Ar), kPressure, kEntropy, P, hi, far), SolveStatus::Solved);
    ASSERT_EQ(BuildProcPath(eos(Ar), kIsobar, en, far, l.S, l.T), PathStatus::Written);
    for (int j = 1; j <= 14; ++j) EXPECT_GT(l.T[j], sat.Tv) << j;
    ExpectCleanLine(l, "g vapour");
  }
}

TEST(ProcessPath, AirIsobarAcrossItsBand) {
  // Air boils over a band of temperatures: the path climbs from the bubble
  // point to the dew point.
  const Sat sat = SatAt("Air", 1);
  ASSERT_LT(sat.Tl, sat.Tv);
  const Real w = sat.sv - sat.sl;
  const Line l = Isobar("Air", 1, sat.sl - 0.3L * w, sat.sv + 0.3L * w);
  bool liquid = false, vapour = false;
  for (int j = 1; j <= 14; ++j) {
    liquid = liquid || (l.S[j] == sat.sl && l.T[j] == sat.Tl);
    vapour = vapour || (l.S[j] == sat.sv && l.T[j] == sat.Tv);
  }
  EXPECT_TRUE(liquid);
  EXPECT_TRUE(vapour);
  ExpectCleanLine(l, "air");
}

TEST(ProcessPath, IsobarAboveCriticalAndBelowTriplePressure) {
  // Supercritical nitrogen: one smooth curve.
  Line l = Isobar("N2", 5, 2.5L, 4.0L);
  for (int j = 1; j <= 14; ++j) EXPECT_EQ(l.T[j], TofS("N2", l.S[j], 5));
  ExpectCleanLine(l, "N2 5 MPa");
  // CO2 at 0.1 MPa (below its triple point), 250 to 350 K: all vapour, no
  // saturation routine (which would end the program).
  ProcPoint st, en;
  ASSERT_EQ(SolvePair(eos("CO2"), kPressure, kTemperature, 0.1L, 250, st), SolveStatus::Solved);
  ASSERT_EQ(SolvePair(eos("CO2"), kPressure, kTemperature, 0.1L, 350, en), SolveStatus::Solved);
  ASSERT_EQ(BuildProcPath(eos("CO2"), kIsobar, st, en, l.S, l.T), PathStatus::Written);
  for (int j = 1; j <= 14; ++j) {
    EXPECT_GT(l.T[j], 250);
    EXPECT_LT(l.T[j], 350);
    EXPECT_GT(l.T[j], l.T[j - 1]);
  }
}

TEST(ProcessPath, OtherProcesses) {
  ProcPoint st, en;
  Line l;
  // Every slot is written: old points of the line never show through.
  for (int j = 0; j < 16; ++j) l.S[j] = l.T[j] = 123;

  // Isotherm: the two end points only.
  ASSERT_EQ(SolvePair(eos("N2"), kTemperature, kPressure, 100, 0.1L, st), SolveStatus::Solved);
  ASSERT_EQ(SolvePair(eos("N2"), kTemperature, kPressure, 100, 5, en), SolveStatus::Solved);
  ASSERT_EQ(BuildProcPath(eos("N2"), kIsotherm, st, en, l.S, l.T), PathStatus::Written);
  EXPECT_EQ(l.S[0], st.s);
  EXPECT_EQ(l.T[0], 100);
  EXPECT_EQ(l.S[15], en.s);
  for (int j = 1; j <= 14; ++j) {
    EXPECT_EQ(l.T[j], 0);
    EXPECT_NEAR(double(l.S[j]), double(st.s + j * (en.s - st.s) / 15), 1e-12);
  }

  // Isentrope: a vertical segment, slots 1..14 empty.
  for (int j = 0; j < 16; ++j) l.T[j] = 123;
  ASSERT_EQ(SolvePair(eos("N2"), kTemperature, kPressure, 300, 0.1L, st), SolveStatus::Solved);
  ASSERT_EQ(SolveEnd(eos("N2"), kIsentrope, kPressure, 1, st, en), SolveStatus::Solved);
  ASSERT_EQ(BuildProcPath(eos("N2"), kIsentrope, st, en, l.S, l.T), PathStatus::Written);
  EXPECT_EQ(l.T[0], st.T);
  EXPECT_EQ(l.T[15], en.T);
  for (int j = 1; j <= 14; ++j) EXPECT_EQ(l.T[j], 0);

  // Isochore: equal temperature steps, entropies of the start density.
  ASSERT_EQ(SolveEnd(eos("N2"), kIsochore, kTemperature, 450, st, en), SolveStatus::Solved);
  ASSERT_EQ(BuildProcPath(eos("N2"), kIsochore, st, en, l.S, l.T), PathStatus::Written);
  for (int j = 1; j <= 14; ++j) {
    EXPECT_NEAR(double(l.T[j]), 300 + j * 10.0, 1e-9);
    Real P, h, s, Cp, x;
    tfs::Phs_Td("N2", l.T[j], st.d, P, h, s, Cp, x);
    EXPECT_EQ(l.S[j], s);
  }
  ExpectCleanLine(l, "isochore");

  // Isenthalp (throttling from 20 MPa to 0.1 MPa): pressures equally spaced
  // in ln P from the end; points of the start enthalpy.
  ASSERT_EQ(SolvePair(eos("N2"), kTemperature, kPressure, 200, 20, st), SolveStatus::Solved);
  ASSERT_EQ(SolveEnd(eos("N2"), kIsenthalp, kPressure, 0.1L, st, en), SolveStatus::Solved);
  ASSERT_EQ(BuildProcPath(eos("N2"), kIsenthalp, st, en, l.S, l.T), PathStatus::Written);
  EXPECT_EQ(l.S[0], st.s);  // the start has the lower entropy
  EXPECT_EQ(l.S[15], en.s);
  for (int j = 1; j <= 14; ++j) {
    const Real P = std::exp(std::log(Real(0.1L)) + j * (std::log(Real(20)) - std::log(Real(0.1L))) / 15);
    Real T, d, s, Cp, x;
    tfs::Tds_hP("N2", st.i, P, T, d, s, Cp, x);
    EXPECT_EQ(l.S[j], s);
    EXPECT_EQ(l.T[j], T);
  }
}

TEST(ProcessPath, CoincidentEndsWriteNothingToDraw) {
  ProcPoint st, en;
  Line l;
  ASSERT_EQ(SolvePair(eos("N2"), kTemperature, kPressure, 300, 1, st), SolveStatus::Solved);
  for (int kind : {kIsobar, kIsochore, kIsenthalp, kIsentrope}) {
    for (int j = 0; j < 16; ++j) l.S[j] = l.T[j] = 7;
    EXPECT_EQ(BuildProcPath(eos("N2"), kind, st, st, l.S, l.T), PathStatus::Coincident) << kind;
    for (int j = 0; j < 16; ++j) EXPECT_EQ(l.T[j], 0) << kind;
  }
  // The test is by the process's own quantity: an isochore with different
  // pressures but equal temperatures coincides.
  en = st;
  en.P = 2;
  EXPECT_EQ(BuildProcPath(eos("N2"), kIsochore, st, en, l.S, l.T), PathStatus::Coincident);
  EXPECT_EQ(BuildProcPath(eos("N2"), kIsentrope, st, en, l.S, l.T), PathStatus::Written);
  // The isotherm has no such test.
  EXPECT_EQ(BuildProcPath(eos("N2"), kIsotherm, st, st, l.S, l.T), PathStatus::Written);
}
