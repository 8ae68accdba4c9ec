#include "core/process/path.h"

#include <cmath>

namespace proc {

namespace {

Real TfromSP(const tfs::Model& m, Real s, Real P) {
  Real T = 0, d = 0, h = 0, Cp = 0, x = 0;
  m.Tdh_sP(s, P, T, d, h, Cp, x);
  return T;
}

void Isobar(const tfs::Model& m, Real P, Real sL, Real sH, Real S[16], Real T[16]) {
  auto put = [&](int j, Real s) {
    S[j] = s;
    T[j] = TfromSP(m, s, P);
  };
  const tfs::ModelLimits& lim = m.limits();
  // Supercritical, or below the triple point (no liquid): one smooth curve.
  if (P >= lim.Pcr || P < TriplePressure(m)) {
    for (int j = 1; j <= 14; ++j) put(j, sL + j * (sH - sL) / 15);
    return;
  }
  Real Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl;
  m.dhs2_P(P, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  if (sH < sl) {
    // All liquid; slot 15 is the computed end point.
    for (int j = 1; j <= 15; ++j) put(j, sL + j * (sH - sL) / 15);
  } else if (sL < sl && sH <= sv) {
    // From the liquid into the dome (or onto its vapour side).
    for (int j = 1; j <= 14; ++j) put(j, sL + j * (sl - sL) / 14);
  } else if (sL < sl) {
    // Across the dome: liquid points, both saturation points, vapour points.
    const Real step = ((sl - sL) + (sH - sv)) / 13;
    int j0 = 13;
    for (int j = 1; j <= 13; ++j)
      if (sL + j * step >= sl) {
        j0 = j;
        break;
      }
    for (int j = 1; j < j0; ++j) put(j, sL + j * step);
    S[j0] = sl;
    T[j0] = Tl;
    S[j0 + 1] = sv;
    T[j0 + 1] = Tv;
    const int m = 14 - (j0 + 1);
    for (int k = 1; k <= m; ++k) put(j0 + 1 + k, sv + k * (sH - sv) / (m + 1));
  } else if (sL < sv && sH <= sv) {
    // Inside the dome: the horizontal segment between the ends.
    for (int j = 1; j <= 14; ++j) {
      S[j] = sL + j * (sH - sL) / 14;
      T[j] = 0;
    }
  } else if (sL < sv) {
    // From the dome into the vapour.
    S[1] = sv;
    T[1] = Tv;
    const Real step = (sH - sv) / 14;
    for (int j = 2; j <= 14; ++j) put(j, sv + (j - 1) * step);
  } else {
    // All vapour.
    for (int j = 1; j <= 14; ++j) put(j, sL + j * (sH - sL) / 15);
  }
}

}  // namespace

PathStatus BuildProcPath(const tfs::Model& m, int procKind, const ProcPoint& st, const ProcPoint& en, Real S[16],
                         Real T[16]) {
  for (int j = 0; j < 16; ++j) S[j] = T[j] = 0;

  if (procKind == kIsotherm) {
    S[0] = st.s;
    T[0] = st.T;
    S[15] = en.s;
    T[15] = en.T;
    for (int j = 1; j <= 14; ++j) S[j] = st.s + j * (en.s - st.s) / 15;
    return PathStatus::Written;
  }

  bool same = false;
  switch (procKind) {
    case kIsobar: same = st.s == en.s; break;
    case kIsochore: same = st.T == en.T; break;
    default: same = st.P == en.P; break;
  }
  if (same) return PathStatus::Coincident;

  if (procKind == kIsentrope) {
    S[0] = st.s;
    T[0] = st.T;
    S[15] = en.s;
    T[15] = en.T;
    return PathStatus::Written;
  }

  const bool up = en.s > st.s;
  const Real sL = up ? st.s : en.s, TL = up ? st.T : en.T;
  const Real sH = up ? en.s : st.s, TH = up ? en.T : st.T;
  S[0] = sL;
  T[0] = TL;
  S[15] = sH;
  T[15] = TH;

  if (procKind == kIsochore) {
    for (int j = 1; j <= 14; ++j) {
      const Real t = TL + j * (TH - TL) / 15;
      Real P = 0, h = 0, s = 0, Cp = 0, x = 0;
      m.Phs_Td(t, st.d, P, h, s, Cp, x);
      S[j] = s;
      T[j] = t;
    }
  } else if (procKind == kIsenthalp) {
    const Real lnPe = std::log(en.P), lnPs = std::log(st.P);
    for (int j = 1; j <= 14; ++j) {
      const Real P = std::exp(lnPe + j * (lnPs - lnPe) / 15);
      Real t = 0, d = 0, s = 0, Cp = 0, x = 0;
      m.Tds_hP(st.i, P, t, d, s, Cp, x);
      S[j] = s;
      T[j] = t;
    }
  } else {
    Isobar(m, st.P, sL, sH, S, T);
  }

  // A sample that lands on an end's entropy is that end itself.
  for (int j = 1; j <= 14; ++j) {
    if (T[j] == 0) continue;
    if (S[j] == S[0]) T[j] = T[0];
    if (S[j] == S[15]) T[j] = T[15];
  }
  return PathStatus::Written;
}

}  // namespace proc
