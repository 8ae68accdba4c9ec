// Real devices: the balances every device keeps, the zero-loss devices
// against the ideal-process window, the Joule-Thomson effect, textbook
// figures, the refusals; the calculator of the window as a student drives it.

#include <gtest/gtest.h>

#include <cmath>

#include "core/base/numfmt.h"
#include "core/base/numparse.h"
#include "core/process/calculator.h"
#include "core/process/devicecalc.h"
#include "core_test_support.h"
#include "model_support.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace {

using namespace proc;
using testing_support::said;

ProcPoint FromTP(const char* name, Real T, Real P) {
  ProcPoint p;
  EXPECT_EQ(SolvePair(eos(name), kPressure, kTemperature, P, T, p), SolveStatus::Solved) << name;
  return p;
}

DeviceData Data(Device kind, Real P2, Real eta = 1) {
  DeviceData d;
  d.kind = kind;
  d.P2 = P2;
  d.eta = eta;
  return d;
}

DeviceData Exchanger(Real T2, Real Tr) {
  DeviceData d = Data(Device::Exchanger, 0);
  d.T2 = T2;
  d.Tr = Tr;
  return d;
}

bool Finite(const ProcPoint& p) {
  for (Real v : {p.T, p.P, p.d, p.i, p.s, p.x})
    if (!std::isfinite(v)) return false;
  return true;
}

// For every device: -Q = di + L, sgen >= 0 (0 without loss), and the exergy
// balance e1 - e2 = L + Q (1 - T0/Tr) + T0 sgen with e = i - T0 s and the
// heat exchanged at Tr (T1 for the isothermal compressor).
TEST(DeviceBalances, FirstLawEntropyAndExergyForEveryDevice) {
  struct Case {
    const char* name;
    Real T1, P1;
    DeviceData data;
    bool lossless;
  };
  DeviceData heatIn = Exchanger(400, 500), coolBy = Exchanger(150, 120), byHeat = Exchanger(0, 80);
  byHeat.given = ExchangerGiven::Heat;
  byHeat.Q = 150;  // condenses some of the oxygen
  const Case cases[] = {
      {"N2", 300, 0.1L, Data(Device::Compressor, 1, 0.8L), false},
      {"N2", 300, 0.1L, Data(Device::Compressor, 1), true},
      {"He", 20, 0.2L, Data(Device::Compressor, 2, 0.7L), false},
      {"CH4", 120, 3, Data(Device::Compressor, 8, 0.6L), false},  // a liquid pump
      {"n-H2", 300, 0.1L, Data(Device::IsothermalCompressor, 5, 0.6L), false},
      {"N2", 100, 0.1L, Data(Device::IsothermalCompressor, 5), true},  // through condensation
      {"N2", 150, 5, Data(Device::Expander, 0.1L, 0.85L), false},      // into the dome
      {"Ne", 60, 2, Data(Device::Expander, 0.2L), true},
      {"Ar", 160, 10, Data(Device::Throttle, 0.1L), false},
      {"He", 6, 1, Data(Device::Throttle, 0.1L), false},
      {"N2", 300, 0.1L, heatIn, false},
      {"R14", 200, 0.5L, coolBy, false},
      {"O2", 150, 0.3L, byHeat, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " device " + std::to_string(int(c.data.kind)));
    const ProcPoint in = FromTP(c.name, c.T1, c.P1);
    const DeviceResult r = computeDevice(eos(c.name), in, c.data);
    ASSERT_EQ(r.status, DeviceStatus::Solved);
    EXPECT_TRUE(Finite(r.outlet) && Finite(r.ideal));
    const Real di = r.outlet.i - in.i;
    const Real scale = 1 + std::fabs(r.Q) + std::fabs(r.L) + std::fabs(di);
    EXPECT_NEAR(double(-r.Q), double(di + r.L), double(1e-9L * scale));
    if (c.lossless)
      EXPECT_NEAR(double(r.sgen), 0, 1e-9);
    else
      EXPECT_GT(r.sgen, 0);
    const Real T0 = c.data.T0;
    const Real Tr = c.data.kind == Device::IsothermalCompressor ? in.T : c.data.Tr;
    const Real e1 = in.i - T0 * in.s, e2 = r.outlet.i - T0 * r.outlet.s;
    EXPECT_NEAR(double(e1 - e2 - r.L - r.Q * (1 - T0 / Tr)), double(r.exergy), double(1e-9L * scale));
    EXPECT_EQ(r.exergy, T0 * r.sgen);
  }
}

// The entropy generated and the exergy destroyed are never below zero, not
// even by a rounding residue of a device without loss (sgen = s2 - s1 +
// Q/T1 of an ideal isothermal compressor sums terms of ten to cancel), and
// a liquid fraction lies in [0, 1]: for every substance, from gas and from
// the dome. Every value is finite as a double.
TEST(DeviceBalances, NothingThatMustNotBeNegativeIs) {
  struct Case {
    Device kind;
    Real Tfactor, P1, ratio;  // T1 = Tfactor Tcr; P2 = ratio P1
  };
  const Case cases[] = {{Device::IsothermalCompressor, 2.2L, 0.1L, 10},  {Device::IsothermalCompressor, 1.3L, 0.5L, 4},
                        {Device::IsothermalCompressor, 0.9L, 0.01L, 3}, {Device::Compressor, 1.5L, 0.1L, 5},
                        {Device::Expander, 1.8L, 4, 0.1L},              {Device::Expander, 1.1L, 1, 0.5L}};
  int solved = 0;
  for (int n = 1; n <= tfs::kSubstCount; ++n) {
    const char* name = tfs::SubstName[n];
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(name) + " device " + std::to_string(int(c.kind)) + " at " + std::to_string(double(c.Tfactor)));
      ProcPoint in;
      const Real T1 = std::max<Real>(c.Tfactor * tfs::Tcr[n], tfs::Ttr[n] + 1);
      if (SolvePair(eos(name), kPressure, kTemperature, c.P1, T1, in) != SolveStatus::Solved) continue;
      const DeviceResult r = computeDevice(eos(name), in, Data(c.kind, c.P1 * c.ratio));
      if (r.status != DeviceStatus::Solved) continue;
      ++solved;
      EXPECT_GE(r.sgen, 0);
      EXPECT_GE(r.exergy, 0);
      EXPECT_LE(r.sgen, 1e-9L * (1 + std::fabs(r.inlet.s)));
      for (const ProcPoint* p : {&r.outlet, &r.ideal}) {
        EXPECT_GE(p->x, 0);
        EXPECT_LE(p->x, 1);
      }
      for (Real v : {r.L, r.Q, r.sgen, r.exergy, r.outlet.i, r.outlet.s}) EXPECT_TRUE(std::isfinite(double(v)));
      // Nor shown below zero in the table.
      const DeviceRow row = deviceRow(eos(name), c.kind, 1, r);
      const std::array<DeviceCells, 3> cells = deviceRowTexts(row, app::Units::Specific);
      EXPECT_EQ(cells[0][13].find('-'), std::string::npos) << cells[0][13];
      EXPECT_EQ(cells[0][14].find('-'), std::string::npos) << cells[0][14];
    }
  }
  EXPECT_GT(solved, 40);
}

// Efficiencies from 0.01 to 1: below, the work L_T/eta grows without bound
// (1e-308 made it infinite as a double).
TEST(DeviceRefusals, EfficiencyFromOneHundredthToOne) {
  const ProcPoint in = FromTP("N2", 300, 0.1L);
  struct Case {
    Device kind;
    Real P2, eta;
    bool solved;
  };
  const Case cases[] = {{Device::IsothermalCompressor, 1, 1e-308L, false}, {Device::IsothermalCompressor, 1, 0.0099L, false},
                        {Device::IsothermalCompressor, 1, kMinEfficiency, true}, {Device::Compressor, 1, 0.0099L, false},
                        {Device::Expander, 0.05L, 0.0099L, false},        {Device::Expander, 0.05L, 0.01L, true},
                        {Device::IsothermalCompressor, 1, 1.0000001L, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(double(c.eta));
    const DeviceData d = Data(c.kind, c.P2, c.eta);
    const DeviceResult r = computeDevice(eos("N2"), in, d);
    EXPECT_EQ(r.status == DeviceStatus::Solved, c.solved);
    if (!c.solved) {
      EXPECT_EQ(r.status, DeviceStatus::BadEfficiency);
      EXPECT_NE(deviceMessage(r, eos("N2"), d).find("не меньше " + app::format("%.2f", 0.01) + " и не больше 1 !"),
                std::string::npos);
    } else {
      // The ideal machine's work: divided by eta when put in, times eta when
      // taken out.
      const bool in2out = c.kind == Device::Expander;
      const ProcResult ideal = HeatAndWork(in2out ? kIsentrope : kIsotherm, in, r.ideal);
      const Real L = in2out ? ideal.L * c.eta : ideal.L / c.eta;
      EXPECT_NEAR(double(r.L), double(L), 1e-9 * std::fabs(double(L)));
    }
    for (Real v : {r.L, r.Q, r.sgen, r.exergy}) EXPECT_TRUE(std::isfinite(double(v)));
  }
}

// Without loss a compressor or an expander ends where the isentrope of the
// ideal-process window ends, the isothermal compressor where its isotherm
// does, with the same work and heat.
TEST(DeviceBalances, ZeroLossIsTheIdealProcess) {
  struct Case {
    const char* name;
    Device kind;
    Real T1, P1, P2;
  };
  const Case cases[] = {{"N2", Device::Compressor, 300, 0.1L, 1},       {"He", Device::Compressor, 10, 0.1L, 1},
                        {"CO2", Device::Expander, 400, 5, 0.5L},        {"Air", Device::Expander, 150, 4, 0.2L},
                        {"n-H2", Device::IsothermalCompressor, 77, 0.1L, 10},
                        {"Ar", Device::IsothermalCompressor, 300, 0.1L, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProcPoint in = FromTP(c.name, c.T1, c.P1);
    const DeviceResult r = computeDevice(eos(c.name), in, Data(c.kind, c.P2));
    ASSERT_EQ(r.status, DeviceStatus::Solved);
    const int process = c.kind == Device::IsothermalCompressor ? kIsotherm : kIsentrope;
    ProcPoint end;
    ASSERT_EQ(SolveEnd(eos(c.name), process, kPressure, c.P2, in, end), SolveStatus::Solved);
    for (auto [a, b] : {std::pair{r.outlet.T, end.T}, {r.outlet.i, end.i}, {r.outlet.s, end.s}, {r.outlet.d, end.d}})
      EXPECT_NEAR(double(a), double(b), double(1e-9L * (1 + std::fabs(b))));
    const ProcResult ideal = HeatAndWork(process, in, end);
    EXPECT_NEAR(double(r.L), double(ideal.L), double(1e-9L * (1 + std::fabs(ideal.L))));
    EXPECT_NEAR(double(r.Q), double(ideal.Q), double(1e-9L * (1 + std::fabs(ideal.Q))));
  }
}

// Nitrogen 0.1 MPa, 300 K to 1 MPa with ηs = 0.8 ends near 641 K, the ideal
// end near 575 K (tables of the real gas: 640 and 576 K).
TEST(DeviceFigures, AdiabaticCompressorOfNitrogen) {
  const ProcPoint in = FromTP("N2", 300, 0.1L);
  const DeviceResult r = computeDevice(eos("N2"), in, Data(Device::Compressor, 1, 0.8L));
  ASSERT_EQ(r.status, DeviceStatus::Solved);
  EXPECT_NEAR(double(r.ideal.T), 575, 3);
  EXPECT_NEAR(double(r.outlet.T), 641, 3);
  // The work put in is that of the isentrope divided by ηs.
  EXPECT_NEAR(double(r.L), double((in.i - r.ideal.i) / 0.8L), 1e-9);
  EXPECT_NEAR(double(r.L), -362, 5);  // cp (T2 - T1) with cp about 1.06 kJ/(kg K)
}

// Throttling from 300 K: nitrogen cools (to about 271 K), hydrogen and
// helium warm (μJT about -0.03 and -0.06 K/bar there). Into the dome the
// outlet is saturated at P2 with the dryness of the lever rule.
TEST(DeviceFigures, JouleThomsonEffectAndTheDome) {
  struct Case {
    const char* name;
    Real P1, lo, hi;
  };
  const Case cases[] = {{"N2", 20, 269.5L, 272.5L}, {"n-H2", 20, 303, 309}, {"He", 10, 303, 309}};
  for (const Case& c : cases) {
    const ProcPoint in = FromTP(c.name, 300, c.P1);
    const DeviceResult r = computeDevice(eos(c.name), in, Data(Device::Throttle, 0.1L));
    ASSERT_EQ(r.status, DeviceStatus::Solved) << c.name;
    EXPECT_GT(r.outlet.T, c.lo) << c.name;
    EXPECT_LT(r.outlet.T, c.hi) << c.name;
    EXPECT_EQ(r.outlet.i, in.i);
    EXPECT_EQ(r.L, 0);
    EXPECT_EQ(r.Q, 0);
  }
  const ProcPoint liquid = FromTP("N2", 100, 2);
  const DeviceResult r = computeDevice(eos("N2"), liquid, Data(Device::Throttle, 0.1L));
  ASSERT_EQ(r.status, DeviceStatus::Solved);
  Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
  tfs::dhs2_P("N2", 0.1L, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  EXPECT_NEAR(double(r.outlet.T), double(Tv), 1e-3);
  EXPECT_NEAR(double(r.outlet.x), double((hv - liquid.i) / (hv - hl)), 1e-6);
  EXPECT_GT(r.outlet.x, 0.5);  // most of it stays liquid
}

// An ideal gas heated at constant pressure from a source at Tr:
// sgen = cp ln(T2/T1) - cp (T2 - T1)/Tr, cp of N2 about 1.0417 kJ/(kg K)
// between 300 and 350 K (JANAF 29.13 to 29.25 J/(mol K)).
TEST(DeviceFigures, ExchangerAgainstAnIdealGas) {
  const ProcPoint in = FromTP("N2", 300, 0.01L);
  const DeviceResult r = computeDevice(eos("N2"), in, Exchanger(350, 400));
  ASSERT_EQ(r.status, DeviceStatus::Solved);
  const Real cp = 1.0417L, expected = cp * (std::log(Real(350) / 300) - Real(50) / 400);
  EXPECT_NEAR(double(r.sgen), double(expected), double(5e-3L * expected));
  EXPECT_NEAR(double(r.Q), double(-cp * 50), 0.3);
  EXPECT_EQ(r.outlet.P, in.P);
}

// Refused data changes nothing and gives no NaN; each refusal says why.
TEST(DeviceRefusals, EachWithItsReason) {
  struct Case {
    const char* name;
    Real T1, P1;
    DeviceData data;
    DeviceStatus status;
    const char* text;  // the message's start
  };
  DeviceData cold = Exchanger(200, 300), hot = Exchanger(400, 350), badT0 = Data(Device::Throttle, 0.1L);
  badT0.T0 = 0;
  DeviceData badTr = Exchanger(350, 0);
  const Case cases[] = {
      {"N2", 300, 0.1L, Data(Device::Compressor, 1, 0), DeviceStatus::BadEfficiency, "Изоэнтропный КПД"},
      {"N2", 300, 0.1L, Data(Device::Expander, 0.05L, 1.2L), DeviceStatus::BadEfficiency, "Изоэнтропный КПД"},
      {"N2", 300, 0.1L, Data(Device::IsothermalCompressor, 1, NAN), DeviceStatus::BadEfficiency, "Изотермический"},
      {"N2", 300, 1, Data(Device::Compressor, 1, 0.8L), DeviceStatus::PressureNotHigher, "Давление на выходе компр"},
      {"N2", 300, 1, Data(Device::Throttle, 2), DeviceStatus::PressureNotLower, "Давление на выходе дросселя"},
      {"N2", 300, 0.1L, Data(Device::Compressor, 1, 0.5L), DeviceStatus::OutletRefused,
       "Состояние на выходе вне пределов расчета:\nтемпература выше"},
      {"He", 10, 1, Data(Device::Compressor, 20), DeviceStatus::OutletRefused, "Состояние на выходе вне"},
      {"N2", 300, 0.1L, cold, DeviceStatus::HeatUphill, "Тепло не переходит от холодного тела к горячему"},
      {"N2", 300, 0.1L, hot, DeviceStatus::HeatUphill, "Тепло не переходит"},
      {"N2", 300, 0.1L, badT0, DeviceStatus::BadAmbient, "Температура окружающей среды"},
      {"N2", 300, 0.1L, badTr, DeviceStatus::BadReservoir, "Температура источника"},
  };
  for (const Case& c : cases) {
    const ProcPoint in = FromTP(c.name, c.T1, c.P1);
    const DeviceResult r = computeDevice(eos(c.name), in, c.data);
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_EQ(deviceMessage(r, eos(c.name), c.data).rfind(c.text, 0), 0u) << deviceMessage(r, eos(c.name), c.data);
    for (Real v : {r.L, r.Q, r.sgen, r.exergy}) EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(Finite(r.outlet) && Finite(r.ideal));
    EXPECT_EQ(r.inlet.i, in.i);
  }
  // The cooled stream needs a sink at most as warm as its outlet; the
  // message names it.
  const DeviceResult r = computeDevice(eos("N2"), FromTP("N2", 300, 0.1L), cold);
  EXPECT_NE(deviceMessage(r, eos("N2"), cold).find("не выше " + app::format("%.2f", 200) + " K !"), std::string::npos);
}

// The window's calculator: a compressor computed, written, drawn and carried
// on to a cooler; refusals that leave the last result alone; other units.
class Devices : public ::testing::Test {
 protected:
  void SetUp() override {
    c.setSubstance(&eos("N2"));
    said().clear();
  }
  void type(DeviceEntry e, const std::string& text) { c.typeEntry(e, text); }
  bool Compute() { return c.compute(&eos("N2"), testing_support::recorded()); }
  std::vector<std::string> Messages() {
    std::vector<std::string> m = said();
    said().clear();
    return m;
  }
  DeviceCalculator c;
  diagram::DeviceStore store;
};

TEST_F(Devices, ComputeTableDrawAndCarry) {
  type(kInlet1, "300");
  type(kInlet2, "0,1");
  type(kOutletP, "1");
  type(kEfficiency, "0.8");
  ASSERT_TRUE(Compute());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(c.states[kOutletRow][kColT], app::format("%6.2f", c.Result.outlet.T));
  EXPECT_EQ(c.states[kIdealRow][kColT], app::format("%6.2f", c.Result.ideal.T));
  EXPECT_EQ(c.results[kFieldL], app::format("%6.2f", c.Result.L));
  EXPECT_TRUE(c.states[kOutletRow][kColX].empty());  // no dryness outside the dome
  DeviceRow row;
  ASSERT_TRUE(c.tableRow(row, testing_support::recorded()));
  EXPECT_EQ(row.number, 1);
  EXPECT_EQ(row.outlet.T, c.Result.outlet.T);
  const auto texts = deviceRowTexts(row, app::Units::Specific);
  EXPECT_EQ(texts[0][2], "Компр. адиаб.");
  EXPECT_EQ(texts[1][4], "Выход");

  ASSERT_TRUE(c.draw(&eos("N2"), store, testing_support::recorded()));
  ASSERT_EQ(store.lines.size(), 1u);
  EXPECT_EQ(store.lines[0].outT, c.Result.outlet.T);
  EXPECT_EQ(store.lines[0].S[0], c.Result.inlet.s);  // the isentrope from the inlet
  EXPECT_EQ(store.lines[0].T[15], c.Result.ideal.T);

  // Carried on into a cooler by the heat given off, against a sink at 300 K.
  c.carry();
  EXPECT_TRUE(c.Carried);
  EXPECT_EQ(c.Inlet.T, row.outlet.T);
  EXPECT_EQ(c.entries[kInlet1], app::trimmedText(app::format("%6.3f", row.outlet.T)));
  c.chooseDevice(Device::Exchanger);
  c.chooseGiven(ExchangerGiven::Heat);
  type(kGivenValue, "300");
  ASSERT_TRUE(Compute());
  EXPECT_EQ(c.Result.inlet.i, row.outlet.i);
  EXPECT_NEAR(double(c.Result.outlet.i), double(row.outlet.i - 300), 1e-9);
  EXPECT_EQ(c.Result.outlet.P, 1);
}

TEST_F(Devices, RefusalsLeaveTheLastResult) {
  EXPECT_FALSE(c.compute(nullptr, testing_support::recorded()));
  EXPECT_EQ(Messages(), std::vector<std::string>{kNoSubstanceMessage});
  type(kInlet1, "300");
  EXPECT_FALSE(Compute());
  EXPECT_EQ(Messages(), std::vector<std::string>{"Не введено значение параметра \"Давление\"\nначальной точки процесса !"});
  type(kInlet2, "0.1");
  EXPECT_FALSE(Compute());
  EXPECT_EQ(Messages(), std::vector<std::string>{"Не введено значение параметра \"Давление на выходе\" !"});
  type(kOutletP, "150");
  type(kEfficiency, "0.8");
  EXPECT_FALSE(Compute());
  EXPECT_EQ(Messages(), std::vector<std::string>{rangeMessage(kPressure, admissibleRanges(eos("N2"))[kPressure])});
  type(kOutletP, "1");
  ASSERT_TRUE(Compute());
  const Real T2 = c.Result.outlet.T;
  type(kEfficiency, "1.5");
  EXPECT_FALSE(Compute());
  EXPECT_EQ(Messages(), std::vector<std::string>{"Изоэнтропный КПД должен быть не меньше " +
                                                 app::format("%.2f", kMinEfficiency) + " и не больше 1 !"});
  EXPECT_EQ(c.Result.outlet.T, T2);
  EXPECT_TRUE(c.states[kOutletRow][kColT].empty());
  DeviceRow row;
  EXPECT_FALSE(c.tableRow(row, testing_support::recorded()));
  EXPECT_FALSE(c.draw(&eos("N2"), store, testing_support::recorded()));
  EXPECT_TRUE(store.lines.empty());
  // Ten real processes at most on the diagram.
  type(kEfficiency, "0.9");
  for (int k = 0; k < diagram::DeviceStore::kCapacity; ++k) ASSERT_TRUE(c.draw(&eos("N2"), store, testing_support::recorded()));
  Messages();
  EXPECT_FALSE(c.draw(&eos("N2"), store, testing_support::recorded()));
  EXPECT_EQ(Messages(), std::vector<std::string>{kLinesMessage});
}

// Every entry of the window holds a clean number or is refused with the
// parser's message naming the text; a comma or a point is the one decimal
// separator. Each text typed into each entry of a compressor and of an
// exchanger (whose given value is the heat), the others sound.
TEST_F(Devices, EveryEntryIsReadAsTypedOrRefused) {
  struct Text {
    const char* typed;
    bool clean;
    Real value;
  };
  const Text texts[] = {{"300abc", false, 0}, {"0,8.1", false, 0}, {"1,5,3", false, 0}, {"1 000", false, 0},
                        {"K300", false, 0},   {"--1", false, 0},   {"0,8", true, 0.8L}, {" 0.8 ", true, 0.8L},
                        {"8e-1", true, 0.8L}, {",8", true, 0.8L}};
  struct Entry {
    Device kind;
    DeviceEntry entry;
  };
  const Entry entries[] = {{Device::Compressor, kInlet1},    {Device::Compressor, kInlet2},
                           {Device::Compressor, kOutletP},   {Device::Compressor, kEfficiency},
                           {Device::Compressor, kAmbient},   {Device::Exchanger, kGivenValue},
                           {Device::Exchanger, kReservoir}};
  for (const Entry& e : entries) {
    for (const Text& t : texts) {
      SCOPED_TRACE(testing::Message() << int(e.entry) << " «" << t.typed << "»");
      c = DeviceCalculator{};
      c.setSubstance(&eos("N2"));
      c.chooseKind1(kPressure);
      c.chooseKind2(kTemperature, testing_support::recorded());
      c.chooseDevice(e.kind);
      c.chooseGiven(ExchangerGiven::Heat);
      // Inlet 0.8 MPa and 300 K, outlet 1 MPa at ηs 0.8, 0.8 kJ/kg given
      // off to a sink at 200 K, T0 300 K: each sound with 0.8 in its place.
      type(kInlet1, "0.8");
      type(kInlet2, "300");
      type(kOutletP, "1");
      type(kEfficiency, "0.8");
      type(kGivenValue, "0.8");
      type(kReservoir, "200");
      type(kAmbient, "300");
      // A temperature reads 0.8 K from a clean text: too cold, but read.
      type(e.entry, t.typed);
      Messages();
      const bool done = Compute();
      const std::vector<std::string> m = Messages();
      if (!t.clean) {
        EXPECT_FALSE(done);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0], "\" " + std::string(t.typed) + "\" в окне не является числом \rОно содержит символы или буквы!");
        EXPECT_TRUE(c.states[kOutletRow][kColT].empty());
        continue;
      }
      // A clean text is read as its number: where 0.8 is a sound value the
      // device is computed with it, elsewhere refused for its range, never
      // for its form.
      for (const std::string& said : m) EXPECT_EQ(said.find("не является числом"), std::string::npos) << said;
      if (e.entry == kInlet1) {
        ASSERT_TRUE(done);
        EXPECT_EQ(c.Result.inlet.P, Real(0.8L));
      }
      if (e.entry == kEfficiency) {
        ASSERT_TRUE(done);
        EXPECT_EQ(c.data().eta, Real(0.8L));
      }
      if (e.entry == kGivenValue) {
        ASSERT_TRUE(done);
        EXPECT_EQ(c.data().Q, Real(0.8L));
      }
    }
  }
}

// Per mole: the fields show i M and s M, a typed entropy keeps its meaning,
// and the range of a typed value is named in the units shown.
TEST_F(Devices, MolarUnits) {
  const Real M = tfs::MolMass[tfs::SubstIndex("N2")];
  c.chooseKind1(kPressure);
  c.chooseKind2(kEntropy, testing_support::recorded());
  type(kInlet1, "0.1");
  type(kInlet2, "6.8");
  type(kOutletP, "1");
  type(kEfficiency, "1");
  ASSERT_TRUE(Compute());
  const ProcPoint out = c.Result.outlet;
  c.setUnits(app::Units::Molar);
  EXPECT_EQ(c.states[kOutletRow][kColI], app::format("%6.1f", out.i * M));
  EXPECT_EQ(c.results[kFieldSgen], app::format("%6.3f", c.Result.sgen * M));
  EXPECT_EQ(c.unitOf(kEntropy), "Дж/(моль.К)");
  ASSERT_TRUE(Compute());
  EXPECT_NEAR(double(c.Result.inlet.s), 6.8, 1e-6);
  type(kInlet2, "1");  // 1 J/(mol K) is far below the coldest entropy
  EXPECT_FALSE(Compute());
  const std::vector<std::string> m = Messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_NE(m[0].find("Дж/(моль.К) !"), std::string::npos) << m[0];
}

}  // namespace
