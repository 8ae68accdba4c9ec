#pragma once
// A property model of one substance: the cubic equation of the library (with
// helium's own equation), or the substance's reference Helmholtz equation.
// The routines are those of tfs.h, with the same units, the same meaning of
// x (liquid fraction), the same markers (Cp = kTwoPhaseCp in the dome, P = 0
// from Pdh_Ts for "no state") and the same refusals through the library's
// fatal handler. Callers hold a model and never ask which one it is.

#include <string_view>

#include "real.h"

namespace tfs {

enum class ModelKind { Cubic = 0, Reference = 1 };

// The fixed points and the ranges of a substance by one model.
struct ModelLimits {
  Real Ttr = 0;        // triple point, K
  Real Tcr = 0;        // critical temperature, K (the end of the saturation line)
  Real Pcr = 0;        // critical pressure, MPa
  Real dcr = 0;        // critical density, kg/m3
  Real PtrDew = 0;     // triple-point pressure of the dew line, MPa
  Real PtrBubble = 0;  // of the bubble line (equal to PtrDew for a pure fluid)
  Real Tmax = 0;       // highest temperature of any state the program shows, K
  Real TmaxIdeal = 0;  // highest temperature of the ideal-process searches, K
  Real Pfloor = 0;     // lowest pressure handled soundly, MPa
  Real Pceiling = 0;   // highest pressure of the searches and the diagram, MPa
  Real dmax = 0;       // density above which no state is sound, kg/m3
};

class Model {
 public:
  virtual ~Model() = default;

  virtual ModelKind kind() const = 0;
  // Substance index 1..11 and identifier ("N2").
  virtual int substance() const = 0;
  std::string_view name() const;
  // Molar mass g/mol and gas constant kJ/(kg K) of this model.
  virtual Real molarMass() const = 0;
  virtual Real gasConstant() const = 0;
  virtual const ModelLimits& limits() const = 0;

  virtual void dhs_PT(Real P, Real T, Real& d, Real& h, Real& s, Real& Cp, Real& x) const = 0;
  virtual void Phs_Td(Real T, Real d, Real& P, Real& h, Real& s, Real& Cp, Real& x) const = 0;
  virtual void dhs2_P(Real P, Real& Tv, Real& dv, Real& hv, Real& sv, Real& Cpv, Real& Tl, Real& dl, Real& hl,
                      Real& sl, Real& Cpl) const = 0;
  virtual void dhs2_T(Real T, Real& Pv, Real& dv, Real& hv, Real& sv, Real& Cpv, Real& Pl, Real& dl, Real& hl,
                      Real& sl, Real& Cpl) const = 0;
  virtual void Psat(Real T, Real& Pv, Real& Pl) const = 0;
  virtual void Tsat(Real P, Real& Tv, Real& Tl) const = 0;
  virtual Real Tmelt(Real P) const = 0;
  virtual Real Pmelt(Real T) const = 0;
  virtual void Tds_hP(Real h, Real P, Real& T, Real& d, Real& s, Real& Cp, Real& x) const = 0;
  virtual void Tdh_sP(Real s, Real P, Real& T, Real& d, Real& h, Real& Cp, Real& x) const = 0;
  virtual void Pdh_Ts(Real T, Real s, Real& P, Real& d, Real& h, Real& Cp, Real& x) const = 0;
};

// The model of substance subst (1..11) by kind; built once, lives to the
// end of the program. The reference equations are read on first use; a
// missing or malformed data file is fatal with its name and the fault.
const Model& model(int subst, ModelKind kind);

// The cubic model, wrapping the routines of tfs.h.
const Model& cubicModel(int subst);
// The reference model of substance subst.
const Model& referenceModel(int subst);

}  // namespace tfs
