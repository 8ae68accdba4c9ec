// The process calculator's flows as the window drives them: pair checks,
// echoes, computing, refusals, the carried start, process lines and the
// results rows.

#include <gtest/gtest.h>

#include "core/base/numfmt.h"
#include "core/process/calculator.h"
#include "core/process/results.h"
#include "core/session/tablerows.h"
#include "core_test_support.h"
#include "model_support.h"
#include "thermo/substances.h"
#include "workfile_support.h"

namespace {

using proc::Real;
using testing_support::said;

std::string F(const char* pattern, Real v) { return app::format(pattern, v); }

// A student at the window: the calculator, the three entries, the lines.
class Calculator : public ::testing::Test {
 public:
  void SetUp() override {
    c.setSubstance(eosOrNone(name));
    said().clear();
  }

  void Process(int kind) { c.chooseProcess(kind); }
  void Start(int k1, const std::string& v1, int k2, const std::string& v2) {
    c.chooseKind1(k1);
    c.chooseKind2(k2, testing_support::recorded());
    type(proc::kEntry1, v1);
    type(proc::kEntry2, v2);
  }
  void End(int k3, const std::string& v3) {
    c.chooseKind3(k3, testing_support::recorded());
    type(proc::kEntry3, v3);
  }
  void type(proc::Entry e, const std::string& text) { c.typeEntry(e, text); }
  bool Compute() { return c.compute(eosOrNone(name), testing_support::recorded()); }
  bool Draw() { return c.draw(eosOrNone(name), lines, testing_support::recorded()); }
  bool Row(proc::ResultRow& r) { return c.tableRow(r, testing_support::recorded()); }
  std::vector<std::string> Messages() {
    std::vector<std::string> m = said();
    said().clear();
    return m;
  }

  std::string name = "N2";
  proc::Calculator c;
  diagram::ProcStore lines;
};

const std::vector<std::string> kPair{proc::kPairMessage};

TEST_F(Calculator, PairChecksAndEchoes) {
  // (density, temperature) is admitted, (temperature, density) is not.
  Start(proc::kDensity, "", proc::kTemperature, "");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(c.PairRefused, proc::PairRefusal::None);
  // The limit fields: the density's range, then the temperature's.
  EXPECT_EQ(c.limits[0], F("%.2f", 0));
  EXPECT_EQ(c.limits[2], F("%.2f", tfs::Ttr[tfs::SubstIndex("N2")]));
  EXPECT_EQ(c.limits[3], F("%.2f", 600));
  Start(proc::kTemperature, "", proc::kDensity, "");
  EXPECT_EQ(Messages(), kPair);
  EXPECT_EQ(c.PairRefused, proc::PairRefusal::Start);
  // The process switch checks nothing; the end list does.
  Process(proc::kIsochore);
  EXPECT_TRUE(Messages().empty());
  End(proc::kPressure, "");
  EXPECT_EQ(Messages(), kPair);
  EXPECT_EQ(c.PairRefused, proc::PairRefusal::End);

  // Echoes: a specific volume shows its density; a dryness is a fraction.
  Start(proc::kVolume, "0.5", proc::kDryness, "30");
  Messages();
  c.leaveEntry(proc::kEntry1);
  c.leaveEntry(proc::kEntry2);
  EXPECT_EQ(c.fields[proc::Edn], F("%6.2f", 2));
  EXPECT_EQ(c.Value2, Real(0.3L));
  EXPECT_EQ(c.ShownStart[proc::kDryness], 30);
  Start(proc::kPressure, "12,5", proc::kTemperature, "300K");
  c.leaveEntry(proc::kEntry1);
  c.leaveEntry(proc::kEntry2);
  EXPECT_EQ(c.Value1, Real(12.5L));
  EXPECT_EQ(c.Value2, 300);
  EXPECT_EQ(c.fields[proc::EPn], F("%6.3f", 12.5L));
  EXPECT_EQ(c.fields[proc::ETn], F("%6.2f", 300));
  EXPECT_TRUE(Messages().empty());  // entries are read without a warning
  // Blank entries keep the previous value; an edit empties the state fields.
  type(proc::kEntry1, "   ");
  c.leaveEntry(proc::kEntry1);
  EXPECT_EQ(c.Value1, Real(12.5L));
  EXPECT_TRUE(c.fields[proc::EPn].empty());
  // A value outside its range is not echoed (the field would show no state).
  type(proc::kEntry1, "1e300");
  c.leaveEntry(proc::kEntry1);
  EXPECT_TRUE(c.fields[proc::EPn].empty());
}

TEST_F(Calculator, IsothermHeatAndWork) {
  Process(proc::kIsotherm);
  Start(proc::kTemperature, "100", proc::kPressure, "0.1");
  End(proc::kPressure, "5");
  ASSERT_TRUE(Compute());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(c.fields[proc::ETn], F("%6.2f", 100));
  EXPECT_EQ(c.fields[proc::EPk], F("%6.3f", 5));
  EXPECT_NEAR(double(c.ProcQ), 239, 3);
  EXPECT_NEAR(double(c.ProcL), double(-c.ProcQ - c.DeltaI), 1e-9);
  EXPECT_EQ(c.fields[proc::EQ], F("%6.2f", c.ProcQ));
  EXPECT_EQ(c.fields[proc::EL], F("%6.3f", c.ProcL));
  EXPECT_EQ(c.fields[proc::EdS], F("%6.4f", c.DeltaS));
  EXPECT_EQ(c.ShownEnd[proc::kPressure], 5);
  // Equal pressures: zero heat and work, shown without a minus sign.
  End(proc::kPressure, "0.1");
  ASSERT_TRUE(Compute());
  EXPECT_EQ(c.fields[proc::EL], F("%6.3f", 0));
  EXPECT_EQ(c.fields[proc::EQ], F("%6.2f", 0));
}

TEST_F(Calculator, RefusalsStopTheComputationWithOneMessage) {
  Process(proc::kIsobar);
  Start(proc::kTemperature, "300", proc::kPressure, "1");
  End(proc::kTemperature, "400");
  ASSERT_TRUE(Compute());
  const proc::Calculator good = c;
  struct Case {
    const char* substance;
    int k1;
    const char* v1;
    int k2;
    const char* v2;
    const char* says;
  };
  const Case cases[] = {
      // (temperature, enthalpy) is not admitted.
      {"N2", proc::kTemperature, "300", proc::kEnthalpy, "1", proc::kPairMessage},
      // A dryness at or above the critical temperature, or below the
      // triple-point pressure.
      {"N2", proc::kTemperature, "200", proc::kDryness, "50", "критической"},
      {"CO2", proc::kPressure, "0.1", proc::kDryness, "50", "тройной точки"},
      {"N2", proc::kTemperature, "-5", proc::kPressure, "1", "Температура должна быть в пределах"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.v2);
    name = k.substance;
    c = good;
    c.setSubstance(eosOrNone(name));
    Start(k.k1, k.v1, k.k2, k.v2);
    Messages();
    EXPECT_FALSE(Compute());
    const std::vector<std::string> m = Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].find(k.says), std::string::npos) << m[0];
    if (std::string(k.says) != proc::kPairMessage) {
      EXPECT_TRUE(c.fields[proc::ETn].empty());
    }
    // No result of the former process stays on screen.
    for (int f = proc::ETk; f < proc::kFieldCount; ++f) EXPECT_TRUE(c.fields[f].empty()) << f;
  }
}

TEST_F(Calculator, LibraryRefusalCancelsAndKeepsEverything) {
  Process(proc::kIsochore);
  Start(proc::kDensity, "300", proc::kTemperature, "100");
  End(proc::kTemperature, "120");
  ASSERT_TRUE(Compute());
  const proc::Calculator before = c;
  // An end temperature below the triple point: the saturation routine of the
  // library refuses; nothing changes.
  End(proc::kTemperature, "40");
  c.leaveEntry(proc::kEntry3);
  const auto typed = c.fields;
  EXPECT_FALSE(Compute());
  EXPECT_EQ(Messages().size(), 1u);
  // The start stays; nothing of the former process is shown as this one's.
  for (int f = proc::ETn; f <= proc::ESn; ++f) EXPECT_EQ(c.fields[f], typed[f]) << f;
  for (int f = proc::ETk; f < proc::kFieldCount; ++f) EXPECT_TRUE(c.fields[f].empty()) << f;
  EXPECT_EQ(c.StartPt.s, before.StartPt.s);
  EXPECT_EQ(c.EndPt.T, before.EndPt.T);
  // The drawing step draws nothing either.
  EXPECT_FALSE(Draw());
  EXPECT_EQ(lines.ProcIndex, 0);
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Calculator, RefusedEndPairDrawsNothingFromStaleStates) {
  Process(proc::kIsochore);
  Start(proc::kDensity, "300", proc::kTemperature, "100");
  End(proc::kPressure, "5");
  Messages();
  EXPECT_FALSE(Draw());
  EXPECT_EQ(Messages(), kPair);
  EXPECT_EQ(c.PairRefused, proc::PairRefusal::End);
  EXPECT_EQ(lines.ProcIndex, 0);
  for (int j = 0; j < 16; ++j) EXPECT_EQ(lines.ProcT[1][j], 0);
  // The start state was shown, the end stays empty.
  EXPECT_EQ(c.fields[proc::ETn], F("%6.2f", 100));
  EXPECT_TRUE(c.fields[proc::ETk].empty());
}

TEST_F(Calculator, CarriedStartStaysExact) {
  // R14 compressed liquid heated at 2 MPa to saturated liquid.
  name = "R14";
  c.setSubstance(eosOrNone(name));
  Process(proc::kIsobar);
  Start(proc::kPressure, "2", proc::kTemperature, "150");
  End(proc::kDryness, "0");
  ASSERT_TRUE(Compute());
  const proc::ProcPoint sat = c.EndPt;
  ASSERT_EQ(sat.x, 1);
  c.carry();
  EXPECT_TRUE(c.Carried);
  EXPECT_EQ(c.Kind1, proc::kTemperature);
  EXPECT_EQ(c.Kind2, proc::kPressure);
  EXPECT_EQ(c.entries[0], F("%6.3f", sat.T));
  EXPECT_EQ(c.entries[1], F("%6.3f", sat.P));
  EXPECT_EQ(c.fields[proc::ETn], F("%6.3f", sat.T));
  EXPECT_TRUE(c.fields[proc::ETk].empty());
  // Leaving the start panel and drawing (which computes) keep the carried state.
  c.leaveStartPanel(eosOrNone(name), testing_support::recorded());
  Process(proc::kIsentrope);
  End(proc::kPressure, "3");
  ASSERT_TRUE(Draw());
  EXPECT_EQ(c.StartPt.s, sat.s);
  EXPECT_EQ(c.StartPt.i, sat.i);
  EXPECT_EQ(c.StartPt.x, 1);
  EXPECT_TRUE(lines.ProcT[1][0] == sat.T || lines.ProcT[1][15] == sat.T);
  EXPECT_TRUE(c.Carried);
  // The student's own edit of a start entry ends the carry, and so do a
  // start kind chosen and a substance change.
  c.typeEntry(proc::kEntry2, "3");
  EXPECT_FALSE(c.Carried);
  c.carry();
  c.chooseKind1(proc::kTemperature);
  EXPECT_FALSE(c.Carried);
  c.carry();
  c.setSubstance(&eos("N2"));
  EXPECT_FALSE(c.Carried);
}

// After a carry a value typed into one start entry pairs with the other
// entry's carried value, whatever kinds the start had before; leaving the
// panel and "Вычислить" then give the same state, the one SolvePair gives
// for the temperature and pressure the entries show.
TEST_F(Calculator, ANewEntryAfterACarryPairsWithTheCarriedValue) {
  struct Case {
    int process;
    int k1;
    const char* v1;
    int k2;
    const char* v2;
    int k3;
    const char* v3;
    proc::Entry retyped;
    const char* text;
  };
  const Case cases[] = {
      // Throttled from 1 MPa at 50 % dryness to 0.1 MPa; then 80 K.
      {proc::kIsenthalp, proc::kPressure, "1", proc::kDryness, "50", proc::kPressure, "0.1", proc::kEntry1, "80"},
      {proc::kIsenthalp, proc::kPressure, "1", proc::kDryness, "50", proc::kPressure, "0.1", proc::kEntry2, "0.2"},
      // An expansion from (entropy, pressure); a heated isochore from
      // (density, temperature), whose temperature must never be a pressure.
      {proc::kIsentrope, proc::kEntropy, "5", proc::kPressure, "1", proc::kPressure, "0.1", proc::kEntry1, "100"},
      {proc::kIsochore, proc::kDensity, "10", proc::kTemperature, "300", proc::kTemperature, "200", proc::kEntry1,
       "250"},
      {proc::kIsotherm, proc::kTemperature, "300", proc::kPressure, "1", proc::kPressure, "5", proc::kEntry2, "2"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << k.process << ' ' << k.text);
    c = proc::Calculator{};
    c.setSubstance(eosOrNone(name));
    Process(k.process);
    Start(k.k1, k.v1, k.k2, k.v2);
    End(k.k3, k.v3);
    ASSERT_TRUE(Compute()) << (said().empty() ? "" : said()[0]);
    const proc::ProcPoint end = c.EndPt;
    c.carry();
    type(k.retyped, k.text);
    c.leaveEntry(k.retyped);
    c.leaveStartPanel(eosOrNone(name), testing_support::recorded());
    EXPECT_TRUE(Messages().empty());
    // The pair the entries show: the typed value and the other one carried.
    const Real T = k.retyped == proc::kEntry1 ? std::stold(k.text) : end.T;
    const Real P = k.retyped == proc::kEntry2 ? std::stold(k.text) : end.P;
    proc::ProcPoint ref;
    ASSERT_EQ(proc::SolvePair(eos(name), proc::kTemperature, proc::kPressure, T, P, ref), proc::SolveStatus::Solved);
    EXPECT_NEAR(double(c.StartPt.T), double(ref.T), 1e-3);
    EXPECT_NEAR(double(c.StartPt.P), double(ref.P), 1e-3 * double(ref.P));
    EXPECT_NEAR(double(c.StartPt.s), double(ref.s), 1e-3);
    EXPECT_EQ(c.fields[proc::EPn], F("%6.3f", c.StartPt.P));
    EXPECT_EQ(c.fields[proc::ETn], F("%6.2f", c.StartPt.T));
    // "Вычислить" reads the entries and finds the same start.
    const proc::ProcPoint left = c.StartPt;
    ASSERT_TRUE(Compute()) << (said().empty() ? "" : said()[0]);
    EXPECT_EQ(c.StartPt.T, left.T);
    EXPECT_EQ(c.StartPt.P, left.P);
    EXPECT_EQ(c.StartPt.s, left.s);
  }
}

// A start pair that "Вычислить" refuses is never shown as a state when the
// focus leaves the start panel, whatever the library could make of it.
TEST_F(Calculator, ARefusedStartPairShowsNoStateOnLeavingThePanel) {
  struct Case {
    int k1;
    const char* v1;
    int k2;
    const char* v2;
  };
  const Case cases[] = {{proc::kTemperature, "300", proc::kDensity, "10"},
                        {proc::kTemperature, "300", proc::kEnthalpy, "300"},
                        {proc::kEnthalpy, "300", proc::kTemperature, "300"},
                        {proc::kEntropy, "6", proc::kTemperature, "300"},
                        {proc::kVolume, "0.1", proc::kPressure, "1"},
                        {proc::kDryness, "50", proc::kEntropy, "5"}};
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << k.k1 << ' ' << k.k2);
    ASSERT_FALSE(proc::PairAllowed(k.k1, k.k2));
    // A state shown first, so that a stale one would be seen.
    Start(proc::kTemperature, "200", proc::kPressure, "1");
    c.leaveEntry(proc::kEntry1);
    c.leaveEntry(proc::kEntry2);
    c.leaveStartPanel(eosOrNone(name), testing_support::recorded());
    ASSERT_FALSE(c.fields[proc::Ehn].empty());
    Start(k.k1, k.v1, k.k2, k.v2);
    Messages();
    c.leaveEntry(proc::kEntry1);
    c.leaveEntry(proc::kEntry2);
    c.leaveStartPanel(eosOrNone(name), testing_support::recorded());
    for (int f = proc::ETn; f <= proc::ESn; ++f) EXPECT_TRUE(c.fields[f].empty()) << f;
    // "Вычислить" refuses the pair with its message.
    End(proc::kPressure, "2");
    EXPECT_FALSE(Compute());
    EXPECT_EQ(Messages(), kPair);
  }
}

TEST_F(Calculator, ResultRowsAndTheirTexts) {
  // Throttling from 77.35 K, 0.1 MPa as an isenthalp: Q and L are zero.
  Process(proc::kIsenthalp);
  Start(proc::kTemperature, "77.35", proc::kPressure, "0.1");
  End(proc::kPressure, "0.05");
  ASSERT_TRUE(Compute());
  proc::ResultRow a, b;
  ASSERT_TRUE(Row(a));
  ASSERT_TRUE(Row(b));  // twice: the same values again
  EXPECT_EQ(a.number, 1);
  EXPECT_EQ(b.number, 2);
  const auto rows = proc::resultRowTexts(b);
  EXPECT_EQ(rows[0][0], "   2");
  EXPECT_EQ(rows[0][1], "N2");
  EXPECT_EQ(rows[0][2], "i = const");
  EXPECT_EQ(rows[0][3], "Начальная");
  EXPECT_EQ(rows[1][3], "Конечная");
  EXPECT_EQ(rows[0][4], F(" %5.2f", 77.35L));
  EXPECT_EQ(rows[0][5], F(" %5.3f", 0.1L));
  EXPECT_EQ(rows[0][10], F("%6.2f", 0));
  EXPECT_EQ(rows[0][11], "  " + F("%.2f", 0));
  EXPECT_EQ(rows[1][8], F("%6.4f", c.ShownEnd[proc::kEntropy]));
  EXPECT_TRUE(rows[1][10].empty());
  EXPECT_EQ(proc::resultRowTexts(a)[0][4], rows[0][4]);
  EXPECT_EQ(proc::ResultHeaders()[11], " L, кДж/кг");
}

TEST_F(Calculator, TenLinesAndCoincidentEnds) {
  Process(proc::kIsobar);
  Start(proc::kTemperature, "300", proc::kPressure, "1");
  End(proc::kTemperature, "300");  // same entropy: coincident ends
  ASSERT_TRUE(Draw());
  EXPECT_EQ(Messages(), (std::vector<std::string>{proc::kCoincideMessage}));
  EXPECT_EQ(lines.ProcIndex, 1);
  EXPECT_EQ(lines.ProcCount, 1);
  for (int j = 0; j < 16; ++j) EXPECT_EQ(lines.ProcT[1][j], 0);
  End(proc::kTemperature, "400");
  for (int k = 2; k <= 10; ++k) ASSERT_TRUE(Draw());
  EXPECT_EQ(lines.ProcIndex, 10);
  EXPECT_NE(lines.ProcT[10][15], 0);
  Messages();
  EXPECT_FALSE(Draw());
  EXPECT_EQ(Messages(), (std::vector<std::string>{proc::kLinesMessage}));
  EXPECT_EQ(lines.ProcIndex, 10);
  EXPECT_EQ(lines.ProcCount, 10);
}

TEST_F(Calculator, EnthalpyEntropyPairs) {
  // (enthalpy, entropy) as a start, and the isenthalp's end by entropy.
  Process(proc::kIsenthalp);
  Start(proc::kTemperature, "200", proc::kPressure, "10");
  End(proc::kPressure, "0.5");
  ASSERT_TRUE(Compute());
  const proc::ProcPoint st = c.StartPt, en = c.EndPt;
  End(proc::kEntropy, app::format("%.6f", en.s));
  ASSERT_TRUE(Compute());
  EXPECT_NEAR(double(c.EndPt.P), 0.5, 1e-3);
  EXPECT_EQ(c.EndPt.i, st.i);
  Start(proc::kEnthalpy, app::format("%.6f", st.i), proc::kEntropy, app::format("%.6f", st.s));
  ASSERT_TRUE(Compute());
  EXPECT_NEAR(double(c.StartPt.P), 10, 1e-2);
  EXPECT_NEAR(double(c.StartPt.T), 200, 0.05);
  // No state of that enthalpy has so high an entropy; hotter than the
  // library's 1000 K; colder than solidification: one message each.
  for (const char* h : {"", "2000", "-300"}) {
    Start(proc::kEnthalpy, *h ? h : app::format("%.6f", st.i), proc::kEntropy, *h ? "5" : "50");
    Messages();
    EXPECT_FALSE(Compute()) << h;
    EXPECT_EQ(Messages().size(), 1u) << h;
  }
}

// Nothing refused is written or shown as a result.
TEST_F(Calculator, RefusedComputationsLeaveNoResultBehind) {
  Process(proc::kIsotherm);
  Start(proc::kTemperature, "300", proc::kPressure, "1");
  End(proc::kPressure, "2");
  ASSERT_TRUE(Compute());
  ASSERT_TRUE(c.hasResult());
  struct Case {
    const char* what;
    void (*spoil)(Calculator&);
    const char* says;
  };
  const Case cases[] = {
      // An end pair not admitted.
      {"end pair", [](Calculator& t) { t.End(proc::kTemperature, "200"); }, proc::kPairMessage},
      // An emptied entry is named, never read from its hidden former value.
      {"empty start", [](Calculator& t) { t.type(proc::kEntry1, " "); }, "\"Температура\"\nначальной точки"},
      {"empty end", [](Calculator& t) { t.type(proc::kEntry3, ""); }, "\"Давление\"\nконечной точки"},
      // A kind chosen after typing: the value was typed for the other kind.
      {"kind changed", [](Calculator& t) { t.c.chooseKind1(proc::kPressure); t.c.chooseKind2(proc::kTemperature, {}); },
       "\"Давление\"\nначальной точки"},
  };
  const proc::Calculator good = c;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    c = good;
    Messages();
    k.spoil(*this);
    Messages();  // what the list choice said itself
    EXPECT_FALSE(Compute());
    const std::vector<std::string> m = Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_NE(m[0].find(k.says), std::string::npos) << m[0];
    for (int f = proc::ETk; f < proc::kFieldCount; ++f) EXPECT_TRUE(c.fields[f].empty()) << f;
    // "В таблицу" writes nothing and says why.
    proc::ResultRow row;
    EXPECT_FALSE(Row(row));
    EXPECT_EQ(Messages(), (std::vector<std::string>{proc::kNotComputedMessage}));
    EXPECT_EQ(c.TableCount, 0);
  }
  // The row written is the process as computed, whatever was typed since.
  c = good;
  proc::ResultRow row;
  ASSERT_TRUE(Row(row));
  EXPECT_EQ(row.start[proc::kTemperature], 300);
  EXPECT_EQ(row.end[proc::kPressure], 2);
  c.chooseProcess(proc::kIsobar);
  ASSERT_TRUE(Row(row));
  EXPECT_EQ(row.procKind, proc::kIsotherm);
  // Without a substance nothing is computed: the student is asked for one.
  name.clear();
  EXPECT_FALSE(Compute());
  EXPECT_EQ(Messages(), (std::vector<std::string>{proc::kNoSubstanceMessage}));
}

// Per mole, typed values are read per mole and every field shows per mole:
// nitrogen (M = 28.013 g/mol) heated at 1 MPa to 400 kJ/kg, typed as
// 11205.2 J/mol, reaches the state typed per kilogram, with the heat and
// changes M times the specific ones. Switching back and forth changes no
// value and gives every entry back as typed.
TEST_F(Calculator, MolarUnitsReadAndShowPerMole) {
  const Real M = 28.013L;
  auto run = [&](proc::Calculator& calc, app::Units u, const std::string& h) {
    c = proc::Calculator{};
    c.setSubstance(eosOrNone(name));
    c.setUnits(u);
    Process(proc::kIsobar);
    Start(proc::kTemperature, "300", proc::kPressure, "1");
    End(proc::kEnthalpy, h);
    EXPECT_TRUE(Compute());
    calc = c;
  };
  proc::Calculator kg, mol;
  run(kg, app::Units::Specific, "400");
  run(mol, app::Units::Molar, "11205.2");
  EXPECT_TRUE(Messages().empty());
  for (Real proc::ProcPoint::*v : {&proc::ProcPoint::T, &proc::ProcPoint::P, &proc::ProcPoint::d,
                                   &proc::ProcPoint::i, &proc::ProcPoint::s})
    EXPECT_NEAR(double(mol.EndPt.*v / kg.EndPt.*v), 1, 1e-12);
  EXPECT_EQ(mol.fields[proc::ETk], kg.fields[proc::ETk]);
  EXPECT_EQ(mol.fields[proc::EPk], kg.fields[proc::EPk]);
  EXPECT_EQ(mol.fields[proc::Ehk], F("%6.2f", 11205.2L));
  EXPECT_EQ(mol.fields[proc::Edk], F("%6.2f", kg.EndPt.d / M));
  EXPECT_EQ(mol.fields[proc::ESn], F("%6.4f", kg.StartPt.s * M));
  EXPECT_EQ(mol.fields[proc::EQ], F("%6.2f", kg.ProcQ * M));
  EXPECT_EQ(mol.fields[proc::EdS], F("%6.4f", kg.DeltaS * M));
  // Limits per mole; a typed value outside them is refused with them.
  const proc::Range h = proc::admissibleRanges(eos(name))[proc::kEnthalpy];
  EXPECT_EQ(mol.limits[5], proc::limitText(h.hi * M));
  c = mol;
  End(proc::kEnthalpy, "1e7");
  EXPECT_FALSE(Compute());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Энтальпия должна быть в пределах\nот " + proc::limitText(h.lo * M) +
                                                  " до " + proc::limitText(h.hi * M) + " Дж/моль !"}));

  // Back and forth: entries converted and given back, no value changed.
  c = kg;
  c.setUnits(app::Units::Molar);
  EXPECT_EQ(c.entries[proc::kEntry3], app::localized("11205.2"));
  EXPECT_EQ(c.entries[proc::kEntry1], "300");
  EXPECT_EQ(c.fields[proc::EQ], mol.fields[proc::EQ]);
  c.setUnits(app::Units::Specific);
  EXPECT_EQ(c.entries, kg.entries);
  EXPECT_EQ(c.fields, kg.fields);
  EXPECT_EQ(c.limits, kg.limits);
  EXPECT_EQ(c.FieldValues, kg.FieldValues);
  EXPECT_EQ(c.Value3, kg.Value3);
  EXPECT_EQ(c.EndPt.i, kg.EndPt.i);
  EXPECT_EQ(c.kept().typed, kg.kept().typed);
}

// A process is written to the results table once; a row taken out takes
// the line it was drawn as off the diagram (whatever process it is), the
// rows after it move up and are numbered again.
TEST(ResultRows, WrittenOnceAndTakenOutWithTheirLines) {
  app::Session s;
  testing_support::choose(s, "N2");
  s.process.setSubstance(&eos("N2"));
  struct Process {
    int kind, k1;
    const char* v1;
    int k2;
    const char* v2;
    int k3;
    const char* v3;
    bool drawn;
  };
  using namespace proc;
  const Process processes[] = {
      {kIsotherm, kTemperature, "100", kPressure, "0.1", kPressure, "5", true},
      // All liquid: the line's last point found again from its entropy.
      {kIsobar, kPressure, "2", kTemperature, "70", kTemperature, "80", true},
      {kIsochore, kTemperature, "300", kPressure, "1", kTemperature, "400", true},
      {kIsenthalp, kTemperature, "300", kPressure, "10", kPressure, "1", false},
      {kIsentrope, kTemperature, "300", kPressure, "0.1", kPressure, "1", true},
      {kIsobar, kPressure, "0.1", kTemperature, "70", kTemperature, "100", true}};
  for (const Process& p : processes)
    ASSERT_TRUE(testing_support::addProcess(s, p.kind, p.k1, p.v1, p.k2, p.v2, p.k3, p.v3, p.drawn));
  auto lines = [&] {
    std::vector<int> l;
    for (int n = 1; n <= int(s.results.size()); ++n) l.push_back(app::lineOfProcess(s, n));
    return l;
  };
  EXPECT_EQ(lines(), (std::vector<int>{1, 2, 3, 0, 4, 5}));
  // The process shown is the last one: in the table already.
  said().clear();
  ResultRow row;
  EXPECT_FALSE(s.process.tableRow(row, testing_support::recorded(), s.results));
  EXPECT_EQ(said(), std::vector<std::string>{kWrittenMessage});
  said().clear();
  EXPECT_EQ(s.process.TableCount, 6);

  // The isochore: its line goes, the later lines move down.
  const diagram::ProcStore before = s.procLines;
  ASSERT_TRUE(app::removeProcessRow(s, 3));
  EXPECT_EQ(lines(), (std::vector<int>{1, 2, 0, 3, 4}));
  EXPECT_EQ(s.procLines.ProcIndex, 4);
  EXPECT_EQ(s.procLines.ProcCount, 4);
  for (int j = 0; j < 16; ++j) {
    EXPECT_EQ(s.procLines.ProcT[3][j], before.ProcT[4][j]);
    EXPECT_EQ(s.procLines.ProcT[5][j], 0);
  }
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(s.results[n - 1].number, n);
  EXPECT_EQ(s.process.TableCount, 5);
  // The isenthalp was never drawn: the lines stay.
  ASSERT_TRUE(app::removeProcessRow(s, 3));
  EXPECT_EQ(lines(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(s.procLines.ProcCount, 4);
  EXPECT_FALSE(app::removeProcessRow(s, 5));
  // The last process (still shown) is out of the table: it may be written again.
  ASSERT_TRUE(app::removeProcessRow(s, 4));
  EXPECT_TRUE(s.process.tableRow(row, testing_support::recorded(), s.results));
  EXPECT_EQ(row.number, 4);

  // Real processes: each drawn; the first taken out with its lines.
  s.devices.setSubstance(&eos("N2"));
  ASSERT_TRUE(testing_support::addDevice(s, Device::Compressor, "300", "0.1", "1", "0.8"));
  ASSERT_TRUE(testing_support::addDevice(s, Device::Expander, "300", "1", "0.1", "0.8"));
  // A throttle computed and written, not drawn; written once only.
  DeviceCalculator& dc = s.devices;
  dc.chooseDevice(Device::Throttle);
  dc.typeEntry(kOutletP, "0.05");
  ASSERT_TRUE(dc.compute(&eos("N2"), testing_support::recorded()));
  DeviceRow throttle;
  ASSERT_TRUE(dc.tableRow(throttle, testing_support::recorded(), s.deviceResults));
  s.deviceResults.push_back(throttle);
  EXPECT_FALSE(dc.tableRow(throttle, testing_support::recorded(), s.deviceResults));
  EXPECT_EQ(said(), std::vector<std::string>{kWrittenMessage});
  said().clear();
  EXPECT_EQ(app::lineOfDevice(s, 1), 0);
  EXPECT_EQ(app::lineOfDevice(s, 2), 1);
  EXPECT_EQ(app::lineOfDevice(s, 3), -1);
  const diagram::DeviceLine second = s.deviceLines.lines[1];
  ASSERT_TRUE(app::removeDeviceRow(s, 1));
  ASSERT_EQ(s.deviceLines.lines.size(), 1u);
  EXPECT_EQ(s.deviceLines.lines[0].outT, second.outT);
  EXPECT_EQ(s.deviceResults[1].number, 2);
  EXPECT_EQ(app::lineOfDevice(s, 1), 0);
  EXPECT_EQ(s.devices.TableCount, 2);
}

}  // namespace
