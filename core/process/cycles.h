#pragma once
// Liquefaction cycles: Linde–Hampson, Linde–Hampson with a precooling bath,
// and Claude. One call solves the steady cycle per kg of gas compressed from
// its data into numbered states, the liquid yield y, the works, the minimum
// work of liquefaction Wi = T0 (s1 - sf) - (h1 - hf), the figure of merit
// Wi / (W/y) and the exergy destroyed in each component. Values in the
// library's units (K, MPa, kg/m3, kJ/kg, kJ/(kg K)). Plain and pure.
//
// Every cycle: an isothermal compressor at T1 from the low to the high
// pressure, its heat given off to the surroundings at T0; the high-pressure
// stream cooled in counterflow exchangers by the returning vapour, throttled
// into the separator; the liquid y drawn off, the vapour returned and
// warmed; at the warm end the return stream, T1 - dT, is warmed to T1 by the
// surroundings and joined by the make-up gas y. The heat in-leak q reaches
// the separator (it boils off liquid). Energy balance of the cold box:
//
//   Linde–Hampson    h2 + q = y hf + (1 - y) h7,  h7 at (Plow, T1 - dT)
//   precooled        the bath takes the stream to Tpre; the cold exchanger's
//                    return leaves at Tpre - dT:  h4 + q = y hf + (1 - y) h9
//   Claude           a fraction xe of the stream leaves at T3 through the
//                    expander and joins the return stream where that has the
//                    exhaust's temperature (at the separator's vapour when
//                    the exhaust is wet); the expander's work goes back to
//                    the compressor's shaft:
//                    h2 + q = y hf + (1 - y) h13 + xe (h3 - h4)
//
// The exchangers' other ends follow from their own balances. The bath is a
// reversible refrigerator at Tpre: its work qb (T0/Tpre - 1) is part of W.
// The entropy generated in each component (with the heat to and from the
// surroundings at T0 counted where it crosses) times T0, per kg of liquid,
// adds up to W/y - Wi.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/libguard.h"
#include "core/base/notify.h"
#include "core/lines/cyclestore.h"
#include "core/process/device.h"
#include "core/process/solve.h"

namespace proc {

enum class Cycle : int { Linde = 0, Precooled, Claude };
inline constexpr int kCycleCount = 3;

// The cycle's name as the window lists it (translated).
std::string cycleName(Cycle kind);

struct CycleData {
  Real Plow = Real(0.101325L);  // MPa
  Real Phigh = 20;              // MPa
  Real T1 = 300;                // ambient and compressor temperature, K
  Real etaT = 1;                // isothermal efficiency of the compressor
  Real dT = 0;                  // warm-end temperature difference of the exchangers, K
  Real leak = 0;                // heat in-leak per kg compressed, kJ/kg
  Real Tpre = 77;               // precooling bath, K
  Real xe = Real(0.3L);         // fraction of the high-pressure flow sent to the expander
  Real T3 = 200;                // expander inlet, K
  Real etaS = Real(0.8L);       // isentropic efficiency of the expander
  // The surroundings of the exergy, K (0: T1): not above T1 (T1 itself
  // with a warm-end difference), above the separator with an in-leak,
  // above the bath, and above (h1 - hf) / (s1 - sf), where the gas at T1
  // would hold as much work as the liquid.
  Real T0 = 0;
  bool operator==(const CycleData&) const = default;
};

// Defaults a teacher starts from for a substance: 0.101325 MPa (just above
// the triple point where that is higher), 20 MPa (helium's 10), 300 K,
// the bath of liquid nitrogen for hydrogen and neon, of liquid hydrogen for
// helium, and an expander inlet well above the critical temperature.
CycleData defaultCycleData(const tfs::Model& m);

// The components whose exergy destruction is counted.
enum class Part : int {
  Compressor = 0,
  Exchanger1,
  Exchanger2,
  Exchanger3,
  Bath,
  Expander,
  Valve,
  Separator,
  Mixing,  // the warm end: the return stream warmed to T1 and joined by the make-up gas
};
inline constexpr int kPartCount = 9;
// The component's name in the window and the chart (translated), and its
// key in the command line's JSON.
std::string partName(Part p);
const char* partKey(Part p);

struct CycleState {
  int n = 0;
  ProcPoint p;      // x the liquid fraction
  Real flow = 0;    // kg per kg compressed
  std::string where;  // what the state is (translated)
};

enum class CycleStatus {
  Solved,
  NoLiquid,           // y <= 0: yield 0 with the reason
  BadNumber,          // a value not finite
  PressureOrder,      // low pressure not below the high
  LowAboveCritical,   // no liquid separates at the low pressure
  LowBelowTriple,     // below the triple point only solid forms
  BadEfficiencyT,     // not in [kMinEfficiency, 1]
  BadEfficiencyS,
  BadDeltaT,          // negative, or the return colder than the separator's vapour
  BadLeak,            // negative in-leak
  BadAmbient,         // T0 not above 0 or above T1
  AmbientWithDeltaT,  // T0 below T1 while the return is warmed by the surroundings
  AmbientBelowSeparator,  // T0 not above the separator that takes the heat in-leak from it
  AmbientBelowBath,   // T0 not above the precooling bath that gives its heat off to it
  AmbientTooLow,      // T0 so low that the gas at T1 holds more exergy than the liquid (Wi <= 0)
  BadPrecooling,      // Tpre not between the return's coldest and T1
  BadFraction,        // xe not in [0, 1)
  BadExpanderInlet,   // T3 not below T1
  ExpanderInletWet,   // liquid or wet vapour at the expander inlet
  TooMuchExpanded,    // more liquid than the valve's flow
  StateRefused,       // a state outside the library's range (see state, stateNumber)
  ExchangerBackwards, // an exchanger's hot stream warmed and its cold one cooled
  ExchangerPinch,     // an exchanger's end closer than dT
  ExchangerCrossed,   // an exchanger's hot stream colder than its cold one
  BathWarms,          // the stream reaches the bath colder than it
  SecondLaw,          // a component would generate less entropy than none (see part)
  LibraryRefused,     // the property library refused a value
  NoResult,           // no finite result
};

struct CycleResult {
  CycleStatus status = CycleStatus::NoResult;
  SolveStatus state = SolveStatus::Solved;  // why a state was refused
  int stateNumber = 0;                      // which state was refused
  int exchanger = 0;                        // which exchanger was refused (1..3)
  Part part = Part::Compressor;             // the component of a SecondLaw refusal
  Cycle kind = Cycle::Linde;
  Real T0 = 0;
  std::vector<CycleState> states;
  Real y = 0;       // kg of liquid per kg compressed
  Real Wc = 0;      // compressor work, per kg compressed
  Real We = 0;      // expander work recovered, per kg compressed
  Real Wbath = 0;   // work of the bath's reversible refrigerator, per kg compressed
  Real Qbath = 0;   // heat taken by the bath, per kg compressed
  Real Qc = 0;      // heat given off by the compressor, per kg compressed
  Real W = 0;       // net work, per kg compressed: Wc - We + Wbath
  Real Wf = 0;      // W / y, per kg of liquid (0 without liquid)
  Real Wi = 0;      // minimum work of liquefaction, per kg of liquid
  Real fom = 0;     // Wi / Wf (0 without liquid)
  std::array<bool, kPartCount> hasPart{};    // the cycle has this component
  // Never negative: a rounding residue below zero is shown as zero, a real
  // deficit refuses the cycle (SecondLaw).
  std::array<Real, kPartCount> exergy{};     // T0 sgen per kg of liquid
  std::array<Real, kPartCount> sgen{};       // per kg compressed, kJ/(kg K)
  std::string message;  // the reason of a refusal or of no liquid; a note otherwise
  std::string library;  // LibraryRefused: the library's text, said before message
  bool liquid() const { return status == CycleStatus::Solved; }
  bool shown() const { return status == CycleStatus::Solved || status == CycleStatus::NoLiquid; }
  // The state numbered n (nullptr when absent).
  const CycleState* at(int n) const;
};

// Solves the cycle. Every number of a result is finite (as a double too);
// every exchanger cools its hot stream and warms its cold one, both its
// ends at least dT apart and no section crossed; every component generates
// entropy (none less than zero). On a refusal only status and message are
// set.
CycleResult solveCycle(const tfs::Model& m, Cycle kind, const CycleData& data);

// The cycle's lines and numbered states on the diagram (empty without
// liquid, and when the library refused a state of them: its text is
// returned). Isobars are sampled at `samples` points by enthalpy.
app::LibraryResult cycleLines(const tfs::Model& m, const CycleResult& r, diagram::CycleStore& store, int samples = 12);

// The cycle window's work in the session: the cycle chosen, each cycle's
// data for the substance, whether it is drawn, what was last solved and
// its lines.
struct CycleWork {
  Cycle kind = Cycle::Linde;
  std::array<CycleData, kCycleCount> data{};
  bool onDiagram = false;
  CycleResult result;
  diagram::CycleStore lines;
  // The data of the cycle chosen.
  CycleData& current() { return data[int(kind)]; }
  const CycleData& current() const { return data[int(kind)]; }
  // The defaults of a substance (its model; null: none chosen) for every
  // cycle, nothing drawn.
  void reset(const tfs::Model* m);
  // Solves the cycle chosen and samples its lines; false on a refusal or
  // with no substance (result and lines left as they were, the refusal
  // returned in refusal). A refusal of the library is said through notify
  // at once.
  bool solve(const tfs::Model* m, CycleResult* refusal = nullptr, const app::Notify& notify = {});
};

}  // namespace proc
