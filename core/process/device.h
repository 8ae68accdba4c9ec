#pragma once
// Real devices of a flow process: adiabatic and isothermal compressors, the
// expander, the throttle valve and a heat exchanger heating or cooling one
// stream at constant pressure. One call computes a device from its inlet
// state and its data: the outlet, the ideal reference outlet, the technical
// work L done by the gas and the heat Q given off (-Q = (i2 - i1) + L), the
// entropy generated and the exergy destroyed T0 sgen. Values in the
// library's units (K, MPa, kg/m3, kJ/kg, kJ/(kg K)). Plain and pure: the
// cycles reuse it.
//
//   adiabatic compressor  i2 = i1 + (i2s - i1)/eta at P2        sgen = s2 - s1
//   expander              i2 = i1 - eta (i1 - i2s) at P2        sgen = s2 - s1
//   throttle              i2 = i1 at P2 (reference: isentrope) sgen = s2 - s1
//   isothermal compressor T2 = T1, L = L_T/eta, the heat rejected at T1:
//                         sgen = (s2 - s1) + Q/T1
//   heat exchanger        P2 = P1, T2 or Q given, the heat exchanged with a
//                         source or sink at Tr: sgen = (s2 - s1) + Q/Tr

#include <array>
#include <string>
#include <string_view>

#include "core/process/solve.h"

namespace proc {

enum class Device : int { Compressor = 0, IsothermalCompressor, Expander, Throttle, Exchanger };
inline constexpr int kDeviceCount = 5;

// The device list of the window and the names of the results table.
extern const std::array<const char*, kDeviceCount> kDeviceItems;
extern const std::array<const char*, kDeviceCount> kDeviceNames;
// One of the device texts above in the user's language.
std::string deviceText(const char* marked);

// What fixes the exchanger's outlet.
enum class ExchangerGiven : int { OutletTemperature = 0, Heat = 1 };

// The lowest efficiency admitted: below it a machine is no machine, and its
// work (L_T / eta) grows without bound.
inline constexpr Real kMinEfficiency = 0.01L;

struct DeviceData {
  Device kind = Device::Compressor;
  Real P2 = 0;    // outlet pressure, MPa (the exchanger keeps the inlet's)
  Real eta = 1;   // isentropic efficiency, or isothermal for that compressor
  ExchangerGiven given = ExchangerGiven::OutletTemperature;
  Real T2 = 0;    // exchanger: outlet temperature, K
  Real Q = 0;     // exchanger: heat given off, kJ/kg
  Real Tr = 300;  // exchanger: the source or sink of the heat, K
  Real T0 = 300;  // ambient temperature of the exergy, K
};

enum class DeviceStatus {
  Solved,
  BadEfficiency,      // not in [kMinEfficiency, 1]
  BadAmbient,         // T0 not above 0
  BadReservoir,       // Tr not above 0
  PressureNotHigher,  // a compressor's outlet pressure not above the inlet's
  PressureNotLower,   // an expander's or throttle's not below it
  OutletRefused,      // the outlet leaves the range (see state)
  IdealRefused,       // the ideal reference outlet leaves it
  HeatUphill,         // the exchanger's heat would flow from cold to hot
  LibraryRefused,     // the property library refused a value
  NoResult,           // no finite result, or entropy destroyed
};

struct DeviceResult {
  DeviceStatus status = DeviceStatus::NoResult;
  SolveStatus state = SolveStatus::Solved;  // why an outlet was refused
  ProcPoint inlet, outlet, ideal;
  Real L = 0, Q = 0, sgen = 0, exergy = 0, T0 = 0;
  std::string library;  // LibraryRefused: the library's text, in the user's words
};

// The hottest outlet: the model's highest temperature (for the cubic model
// the ceiling of the ideal-gas functions, but 700 K where the fits end at
// 600 K, so that a compressor from ambient at a pressure ratio of ten still
// has its outlet).
Real OutletTmax(const tfs::Model& m);

// The device from its inlet (a state solved by SolvePair). On any status
// but Solved only status and state tell why; nothing returned is NaN, and
// every value of a solved device is finite as a double. The entropy
// generated and the exergy destroyed are never negative: a rounding
// residue below zero is zero, and a liquid fraction stays within [0, 1].
DeviceResult computeDevice(const tfs::Model& m, const ProcPoint& inlet, const DeviceData& data);

// The process kind of the ideal reference line: isentrope, isotherm or
// isobar.
int ReferenceProcess(Device kind);

// Why a device was refused, as the window says it after the library's own
// text (empty for Solved and for a refusal of the library).
std::string deviceMessage(const DeviceResult& r, const tfs::Model& m, const DeviceData& data);

}  // namespace proc
