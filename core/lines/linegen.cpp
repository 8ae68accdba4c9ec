#include "core/lines/linegen.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/base/numfmt.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"

namespace app {

namespace {

constexpr Real kInf = std::numeric_limits<Real>::infinity();

void report(const Progress& progress, int position) {
  if (progress) progress(position);
}

}  // namespace

void ComputeDome(DiagramStore& st, const LineInputs& in, const Progress& progress) {
  // The running extremes start empty; the dome top or the first isobar
  // points set them.
  st.Smin = kInf;
  st.Smax = -kInf;
  st.hMin = kInf;
  st.hMax = -kInf;
  st.domeComputed = false;

  const tfs::Model& m = in.eos();
  const tfs::ModelLimits& lim = m.limits();
  const Real Tcr = lim.Tcr;
  if (in.Tmin >= Tcr) return;

  for (int i = 1; i <= 10; ++i) {
    const Real f = Real(i) / 10;
    const Real T = Tcr - f * f * (Tcr - in.Tmin);
    st.DomeT[i] = T;
    Real Pv = 0, dv = 0, hv = 0, sv = 0, Cpv = 0, Pl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
    m.dhs2_T(T, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
    st.DomeSV[i] = sv;
    st.DomeSL[i] = sl;
    if (i == 1) {
      const Real sTop = (sv + sl) / 2;
      st.DomeSV[0] = st.DomeSL[0] = st.Smin = st.Smax = st.SLFirst = st.SVFirst = sTop;
      st.hMin = st.hMax = (hv + hl) / 2;
    }
    st.Smin = std::min(st.Smin, sl);
    st.Smax = std::max(st.Smax, sv);
    st.hMin = std::min(st.hMin, hl);
    report(progress, 2 * i + 2);
  }
  st.domeComputed = true;
}

void ComputeIsobars(DiagramStore& st, const LineInputs& in, const Progress& progress) {
  const tfs::Model& m = in.eos();
  const tfs::ModelLimits& lim = m.limits();
  Real Pv = 0;
  m.Psat(lim.Ttr, Pv, st.PtrL);
  if (in.lastIsobar < in.firstIsobar) return;

  for (int i = in.firstIsobar; i <= in.lastIsobar; ++i) {
    const Real P = IsobarP[i];
    Real d = 0, h = 0, s = 0, Cp = 0, x = 0, T = 0;
    st.IsoTmelt[i] = m.Tmelt(P);

    if (st.PtrL < P && P < lim.Pcr) {
      Real Tv = 0, dv = 0, hv = 0, sv = 0, Cpv = 0, Tl = 0, dl = 0, hl = 0, sl = 0, Cpl = 0;
      m.dhs2_P(P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
      st.IsoSatTV[i] = Tv;
      st.IsoSatSV[i] = sv;
      st.IsoSatTL[i] = Tl;
      st.IsoSatSL[i] = sl;
      if (i == in.firstIsobar) {
        st.SVFirst = sv;
        st.SLFirst = sl;
      }
    }

    if (st.IsoTmelt[i] > lim.Ttr) {
      if (st.IsoTmelt[i] < in.Tmin) st.IsoTmelt[i] = in.Tmin;
      st.IsoT[i][0] = st.IsoTmelt[i];
      m.dhs_PT(P, st.IsoT[i][0], d, h, s, Cp, x);
      st.IsoS[i][0] = s;
      st.hMin = std::min(st.hMin, h);
    } else {
      // No start on the melting line: the line still begins at Tmin, so
      // its points are spaced from the state there.
      st.IsoT[i][0] = 0;
      m.dhs_PT(P, in.Tmin, d, h, s, Cp, x);
      st.IsoS[i][0] = s;
    }
    st.Smin = std::min(st.Smin, st.IsoS[i][0]);

    st.IsoT[i][20] = in.Tmax;
    m.dhs_PT(P, in.Tmax, d, h, s, Cp, x);
    st.IsoS[i][20] = s;
    st.Smax = std::max(st.Smax, s);

    const Real ds = (st.IsoS[i][20] - st.IsoS[i][0]) / 20;
    for (int k = 1; k <= 19; ++k) {
      st.IsoS[i][k] = st.IsoS[i][0] + k * ds;
      T = 0;
      m.Tdh_sP(st.IsoS[i][k], P, T, d, h, Cp, x);
      st.IsoT[i][k] = T;
      st.hMin = std::min(st.hMin, h);
      st.hMax = std::max(st.hMax, h);
    }

    const int span = in.lastIsobar - in.firstIsobar;
    report(progress, span > 0 ? nint(Real(33) / span * (i - in.firstIsobar)) + 25 : 58);
  }
}

void ComputeLowIsobars(DiagramStore& st, const LineInputs& in, const Progress&) {
  const tfs::Model& m = in.eos();
  for (int i = 0; i < in.firstIsobar; ++i) {
    const Real P = IsobarP[i];
    st.IsoTmelt[i] = in.Tmin;
    for (int k = 0; k <= 20; ++k) {
      // Within the limits to the last bit: Tmax may be the model's highest.
      Real T = std::exp(in.lnTmin + k * Real(0.05) * (in.lnTmax - in.lnTmin));
      if (T > in.Tmax) T = in.Tmax;
      if (T < in.Tmin) T = in.Tmin;
      st.IsoT[i][k] = T;
      Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
      m.dhs_PT(P, T, d, h, s, Cp, x);
      st.IsoS[i][k] = s;
      st.Smax = std::max(st.Smax, s);
      st.hMax = std::max(st.hMax, h);
    }
  }
}

void ComputeIsenthalps(DiagramStore& st, const LineInputs& in, const Progress& progress) {
  const tfs::Model& m = in.eos();
  const tfs::ModelLimits& lim = m.limits();
  const Real Ttr = lim.Ttr;
  const Real pFirst = IsobarP[in.firstIsobar];
  const Real pLast = IsobarP[in.lastIsobar];

  // Melting line on the pressure grid.
  for (int k = 0; k < 20; ++k) {
    const Real P = PressureGrid[k];
    // Above the model's pressure ceiling (oxygen's and R14's reference
    // equations end at 80 and 51 MPa) no isenthalp is drawn.
    st.GridTmelt[k] = 0;
    if (P <= lim.Pceiling) st.GridTmelt[k] = m.Tmelt(P);
    if (P == pFirst) st.GridFirst = k;
    if (in.Tmin > st.GridTmelt[k]) st.GridTmelt[k] = in.Tmin + Real(0.001);
    if (st.GridTmelt[k] > Ttr && P <= pLast) {
      Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
      m.dhs_PT(P, st.GridTmelt[k], d, h, s, Cp, x);
      st.GridHmelt[k] = h;
    }
  }
  report(progress, 63);

  // Values: the multiples of the step inside the enthalpy range, round in
  // the units shown (per mole the molar enthalpy h M, J/mol).
  st.HCount = -1;
  if (!std::isfinite(st.hMin) || !std::isfinite(st.hMax)) return;
  const bool molar = in.units == Units::Molar;
  const Real M = molar ? m.molarMass() : 1;
  const Real range = (st.hMax - st.hMin) * M / 10;
  Real step = 0;
  if (molar) {
    for (Real candidate : {200000.0L, 100000.0L, 50000.0L, 20000.0L, 10000.0L, 5000.0L, 2000.0L, 1000.0L, 500.0L,
                           200.0L, 100.0L, 50.0L, 20.0L, 10.0L, 5.0L})
      if (candidate > range) step = candidate;
  } else {
    for (Real candidate : {2000.0L, 1000.0L, 500.0L, 200.0L, 100.0L, 50.0L, 20.0L, 10.0L, 5.0L})
      if (candidate > range) step = candidate;
  }
  st.HStep = step;
  if (step == 0) return;  // a range of 20000 kJ/kg or more: no isenthalps
  const Real lo = std::floor(st.hMin * M / step);
  const Real hi = std::floor(st.hMax * M / step);
  st.HCount = int(hi - lo) - 1;
  for (int j = 0; j <= st.HCount; ++j) st.HValue[j] = molar ? (lo + 1 + j) * step / M : (lo + 1 + j) * step;

  // Points.
  for (int j = 0; j <= st.HCount; ++j) {
    const Real h = st.HValue[j];
    for (int k = 0; k < 20; ++k) {
      const Real P = PressureGrid[k];
      st.HT[j][k] = 0;
      st.HS[j][k] = 0;
      const bool regular = pFirst <= P && P <= pLast;
      if ((regular || P < st.PtrL) && st.GridHmelt[k] < h) {
        Real T = 0, d = 0, s = 0, Cp = 0, x = 0;
        m.Tds_hP(h, P, T, d, s, Cp, x);
        // Points above Tmax would lie (and be labelled) above the diagram.
        if (T > st.GridTmelt[k] && T <= in.Tmax) {
          st.HT[j][k] = T;
          st.HS[j][k] = s;
        }
      }
    }
    report(progress, st.HCount > 0 ? nint(Real(35) / st.HCount * j) + 63 : 98);
  }
}

void ComputeAll(DiagramStore& st, const LineInputs& in, const Progress& progress) {
  st = DiagramStore{};
  ComputeDome(st, in, progress);
  report(progress, 25);
  ComputeIsobars(st, in, progress);
  if (in.firstIsobar > 0) ComputeLowIsobars(st, in, progress);
  report(progress, 60);
  ComputeIsenthalps(st, in, progress);
  report(progress, 100);
}

}  // namespace app
