#pragma once
// The public routines of the property library. Every routine takes the
// substance identifier first ("He", "n-H2", "p-H2", "Ne", "N2", "Ar", "O2",
// "CO2", "CH4", "R14", "Air"), then its inputs, then its results.
//
// Units: T K, P MPa, d kg/m3, h kJ/kg, s and Cp kJ/(kg K).
// x is the liquid fraction: 0 vapour/gas (and every state at or above the
// critical temperature), 1 liquid, between them a two-phase mixture.
// Cp = 1e6 marks a two-phase state; P = 0 from Pdh_Ts means "no state".

#include <string_view>

#include "real.h"

namespace tfs {

// The heat capacity that marks a two-phase state.
inline constexpr Real kTwoPhaseCp = 1e6;

void dhs_PT(std::string_view name, Real P, Real T, Real& d, Real& h, Real& s, Real& Cp, Real& x);
void Phs_Td(std::string_view name, Real T, Real d, Real& P, Real& h, Real& s, Real& Cp, Real& x);

void dhs2_P(std::string_view name, Real P, Real& Tv, Real& dv, Real& hv, Real& sv, Real& Cpv,
            Real& Tl, Real& dl, Real& hl, Real& sl, Real& Cpl);
void dhs2_T(std::string_view name, Real T, Real& Pv, Real& dv, Real& hv, Real& sv, Real& Cpv,
            Real& Pl, Real& dl, Real& hl, Real& sl, Real& Cpl);

void Psat(std::string_view name, Real T, Real& Pv, Real& Pl);
void Tsat(std::string_view name, Real P, Real& Tv, Real& Tl);

Real Tmelt(std::string_view name, Real P);
Real Pmelt(std::string_view name, Real T);

void Tds_hP(std::string_view name, Real h, Real P, Real& T, Real& d, Real& s, Real& Cp, Real& x);
void Tdh_sP(std::string_view name, Real s, Real P, Real& T, Real& d, Real& h, Real& Cp, Real& x);
void Pdh_Ts(std::string_view name, Real T, Real s, Real& P, Real& d, Real& h, Real& Cp, Real& x);

}  // namespace tfs
