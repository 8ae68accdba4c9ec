#pragma once
// The catalogue of the eleven working substances. Tables are indexed by the
// substance index 1..11 (slot 0 is unused).

#include <string_view>

#include "real.h"

namespace tfs {

inline constexpr int kSubstCount = 11;
inline constexpr int kHelium = 1;  // the one substance with its own equation of state
inline constexpr int kAir = 11;    // the one mixture: dew and bubble lines differ

extern const char* const SubstName[kSubstCount + 1];     // identifiers
extern const char* const SubstNameRus[kSubstCount + 1];  // display names (UTF-8)

extern const Real MolMass[kSubstCount + 1];  // g/mol
extern const Real Tcr[kSubstCount + 1];      // K
extern const Real Pcr[kSubstCount + 1];      // MPa
extern const Real Rocr[kSubstCount + 1];     // kg/m3
extern const Real Ttr[kSubstCount + 1];      // K
extern const Real Tboil[kSubstCount + 1];    // K
extern const Real Rgas[kSubstCount + 1];     // kJ/(kg K)
extern const Real aRKS[kSubstCount + 1];     // MPa m6/kg2
extern const Real bRKS[kSubstCount + 1];     // m3/kg
extern const Real Omega[kSubstCount + 1];    // acentric factor
extern const Real Tkp[kSubstCount + 1];      // K, end of the saturation line
extern const Real Pkp[kSubstCount + 1];      // MPa, end of the saturation line

// Identifier -> index 1..11, 0 when unknown.
int substanceIndex(std::string_view name);
// The same, but an unknown identifier is fatal.
int SubstIndex(std::string_view name);
// Fatal unless subst is an index 1..11, with the text of SubstIndex.
void checkSubstance(int subst);

}  // namespace tfs
