#pragma once
// One substance's reference equation made ready for the state routines:
// the zeros of h and s, the density roots at (T, P), the saturation line
// from the equation itself (air: from its two published ancillary
// pressures), the melting line. Molar SI units inside (K, Pa, mol/m3,
// J/mol); built once, then read only, so that any thread may use it.

#include <vector>

#include "helmholtz.h"
#include "refdata.h"

namespace tfs::ref {

// Which root of p(rho) = P at one temperature.
enum class Branch { Vapour, Liquid, Single };

// Two coexisting (or, for air, the dew and the bubble) states at one T.
struct SatPair {
  double T = 0;
  double pV = 0, pL = 0;      // dew and bubble pressure (equal for a pure fluid)
  double rhoV = 0, rhoL = 0;  // mol/m3
};

// The saturated states of a pure fluid at one temperature.
struct SatProps {
  bool solved = false;
  Props l, v;
};

class Fluid {
 public:
  // subst 1..11; ideal-gas h and s at (h0, s0) kJ/kg, kJ/(kg K) at 298.15 K
  // and 0.101325 MPa fix the zeros.
  Fluid(int subst, RefData data, double h0, double s0);

  const RefData& eq() const { return eq_; }
  int substance() const { return subst_; }
  bool pseudoPure() const { return eq_.pseudoPure; }

  // The fixed points: triple temperature, the end of the saturation line
  // (for a pure fluid the equation's own critical point; for air the common
  // end of its two ancillary lines), the triple-point pressures of the dew
  // and the bubble line.
  double Ttr() const { return Ttr_; }
  double Tc() const { return Tc_; }
  double pc() const { return pc_; }
  double rhoc() const { return rhoc_; }
  double ptrDew() const { return ptrDew_; }
  double ptrBubble() const { return ptrBubble_; }
  // Highest temperature and pressure of any state.
  double Tmax() const { return Tmax_; }
  double pmax() const { return pmax_; }
  // The density of the liquid at the triple temperature and pmax, mol/m3:
  // no state of the fluid is denser.
  double rhoMax() const { return rhoMax_; }

  // Mass units of the model: kg/m3, kJ/kg, kJ/(kg K), MPa.
  double toMass(double rhoMolar) const { return rhoMolar * eq_.M; }
  double toMolar(double rhoMass) const { return rhoMass / eq_.M; }
  double h(const Props& p) const { return p.h / (1000 * eq_.M) + hOffset_; }
  double s(const Props& p) const { return p.s / (1000 * eq_.M) + sOffset_; }
  double perMass(double molar) const { return molar / (1000 * eq_.M); }

  // The density root of p = P (Pa) at the isotherm's temperature on the
  // given branch, reached from start (mol/m3; 0: a start of its own).
  double density(const Isotherm& iso, double P, Branch branch, double start = 0) const;

  // Air: the dew and bubble pressures of the ancillary lines at the
  // isotherm's T (from their common end on, their end pressure) and the
  // ancillary densities there, mol/m3.
  SatPair ancillarySat(double T) const;
  // Saturation at T (Ttr <= T <= Tc), converged to equal pressure and
  // Gibbs energy (air: the ancillary pressures and the roots there).
  SatPair satAtT(const Isotherm& iso) const;
  // The saturation temperature of the dew (bubble = false) or the bubble
  // line at P <= pc, without the lower limit Ttr (the line continued). For
  // a pure fluid where the line is solved, sat receives both saturated
  // states at the temperature returned.
  double satT(double P, bool bubble, SatProps* sat = nullptr) const;
  // +1 when P lies above the saturation pressure at the isotherm's T
  // (liquid; for air above the bubble pressure), -1 below it (vapour; air:
  // below the dew pressure), 0 where only the full solution can tell
  // (air: in the band). sat then holds that solution.
  int side(const Isotherm& iso, double P, SatPair& sat, bool& satDone) const;

  // Melting pressure at T and its inverse, Pa and K; hasMelting() false
  // when the file gives no melting line.
  bool hasMelting() const { return eq_.melting.type != MeltingLine::Type::None; }
  double meltingPressure(double T) const;
  double meltingTemperature(double P) const;
  // Takes another melting line, shifted by dT in temperature: p(T) =
  // line(T - dT).
  void replaceMelting(const MeltingLine& line, double dT);

 private:
  struct Node {
    double x, T, lnp, dlnp;  // dlnp: d ln p / dx
    double lnRhoL, lnRhoV;
    double margin;           // bound of the interpolation error of ln p up to the next node
  };

  // ln p on the interval from a to b by the cubic Hermite polynomial in
  // u = (x - a.x) / (b.x - a.x).
  static double hermiteLnp(const Node& a, const Node& b, double u);

  void buildZeros(double h0, double s0);
  void findCriticalPoint();
  void buildSaturation();
  void buildDensityCap();
  bool solveVle(const Isotherm& iso, double& dL, double& dV) const;
  double xOf(double T) const;
  // The table's values at T: ln p, ln rhoL, ln rhoV and the bound of the
  // error of ln p.
  struct Interp {
    double lnp, lnRhoL, lnRhoV, margin;
    bool exactPossible;  // false beyond the last solved node
  };
  Interp interpolate(double T) const;
  double ancillaryT(const Ancillary& a, double P) const;

  int subst_;
  RefData eq_;
  double hOffset_ = 0, sOffset_ = 0;
  double Ttr_ = 0, Tc_ = 0, pc_ = 0, rhoc_ = 0, ptrDew_ = 0, ptrBubble_ = 0;
  double Tmax_ = 0, pmax_ = 0;
  double rhoMax_ = 0, deltaCap_ = 0;
  double xTr_ = 0;
  std::vector<Node> nodes_;  // from Ttr (x = xTr) to the critical point (x = 0)
  double meltShift_ = 0;
};

}  // namespace tfs::ref
