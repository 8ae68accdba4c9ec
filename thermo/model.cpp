#include "model.h"

#include <algorithm>
#include <array>

#include "limits.h"
#include "substances.h"
#include "tfs.h"

namespace tfs {

std::string_view Model::name() const { return SubstName[substance()]; }

namespace {

// The library's own routines behind the model interface.
class CubicModel final : public Model {
 public:
  explicit CubicModel(int k) : k_(k), name_(SubstName[k]) {
    lim_.Ttr = Ttr[k];
    lim_.Tcr = Tcr[k];
    lim_.Pcr = Pcr[k];
    lim_.dcr = Rocr[k];
    lim_.PtrDew = triplePressure(k, false);
    lim_.PtrBubble = triplePressure(k, true);
    lim_.TmaxIdeal = kIdealGasTmax[k];
    // A compressor from ambient at a pressure ratio of ten has its outlet
    // even where the ideal-gas functions end at 600 K.
    lim_.Tmax = std::max<Real>(kIdealGasTmax[k], 700);
    lim_.Pfloor = kPressureFloor;
    lim_.Pceiling = pressureCeiling(k);
    lim_.dmax = limitingDensity(k);
  }

  ModelKind kind() const override { return ModelKind::Cubic; }
  int substance() const override { return k_; }
  Real molarMass() const override { return MolMass[k_]; }
  Real gasConstant() const override { return Rgas[k_]; }
  const ModelLimits& limits() const override { return lim_; }

  void dhs_PT(Real P, Real T, Real& d, Real& h, Real& s, Real& Cp, Real& x) const override {
    tfs::dhs_PT(name_, P, T, d, h, s, Cp, x);
  }
  void Phs_Td(Real T, Real d, Real& P, Real& h, Real& s, Real& Cp, Real& x) const override {
    tfs::Phs_Td(name_, T, d, P, h, s, Cp, x);
  }
  void dhs2_P(Real P, Real& Tv, Real& dv, Real& hv, Real& sv, Real& Cpv, Real& Tl, Real& dl, Real& hl, Real& sl,
              Real& Cpl) const override {
    tfs::dhs2_P(name_, P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  }
  void dhs2_T(Real T, Real& Pv, Real& dv, Real& hv, Real& sv, Real& Cpv, Real& Pl, Real& dl, Real& hl, Real& sl,
              Real& Cpl) const override {
    tfs::dhs2_T(name_, T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
  }
  void Psat(Real T, Real& Pv, Real& Pl) const override { tfs::Psat(name_, T, Pv, Pl); }
  void Tsat(Real P, Real& Tv, Real& Tl) const override { tfs::Tsat(name_, P, Tv, Tl); }
  Real Tmelt(Real P) const override { return tfs::Tmelt(name_, P); }
  Real Pmelt(Real T) const override { return tfs::Pmelt(name_, T); }
  void Tds_hP(Real h, Real P, Real& T, Real& d, Real& s, Real& Cp, Real& x) const override {
    tfs::Tds_hP(name_, h, P, T, d, s, Cp, x);
  }
  void Tdh_sP(Real s, Real P, Real& T, Real& d, Real& h, Real& Cp, Real& x) const override {
    tfs::Tdh_sP(name_, s, P, T, d, h, Cp, x);
  }
  void Pdh_Ts(Real T, Real s, Real& P, Real& d, Real& h, Real& Cp, Real& x) const override {
    tfs::Pdh_Ts(name_, T, s, P, d, h, Cp, x);
  }

 private:
  int k_;
  std::string_view name_;
  ModelLimits lim_;
};

}  // namespace

const Model& model(int subst, ModelKind kind) {
  return kind == ModelKind::Reference ? referenceModel(subst) : cubicModel(subst);
}

const Model& cubicModel(int subst) {
  checkSubstance(subst);
  static const std::array<CubicModel, kSubstCount> models = [] {
    return std::array<CubicModel, kSubstCount>{CubicModel(1), CubicModel(2), CubicModel(3), CubicModel(4),
                                               CubicModel(5), CubicModel(6), CubicModel(7), CubicModel(8),
                                               CubicModel(9), CubicModel(10), CubicModel(11)};
  }();
  return models[subst - 1];
}

}  // namespace tfs
