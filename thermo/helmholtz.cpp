#include "helmholtz.h"

#include <algorithm>
#include <cmath>

namespace tfs::ref {
namespace {

// Delta of a non-analytic term is kept above this value, so that its
// derivatives at the critical point itself (delta = tau = 1, where cv
// diverges) stay large but finite.
constexpr double kTinyDelta = 1e-150;
// A non-analytic term whose psi is below exp(-40) adds nothing (its
// derivatives bring factors up to about 1e5).
constexpr double kPsiCut = 40;

// The ideal-gas part at T: alpha0 - ln delta and its tau derivatives.
void idealPart(const RefData& eq, double T, double tau, double lnTau, Isotherm& iso) {
  const IdealPart& ip = eq.ideal;
  double a = ip.a1 + ip.a2 * tau + ip.logTau * lnTau;
  double at = ip.a2 * tau + ip.logTau;
  double att = -ip.logTau;
  for (std::size_t i = 0; i < ip.powN.size(); ++i) {
    const double t = ip.powT[i];
    const double v = ip.powN[i] * std::exp(t * lnTau);
    a += v;
    at += t * v;
    att += t * (t - 1) * v;
  }
  for (std::size_t i = 0; i < ip.planckN.size(); ++i) {
    const double n = ip.planckN[i], x = ip.planckTheta[i] * tau;
    const double e = std::exp(-x), om = -std::expm1(-x);  // 1 - e^-x without cancellation
    a += n * std::log(om);
    at += n * x * e / om;
    att -= n * x * x * e / (om * om);
  }
  for (const IdealPart::General& g : ip.general) {
    const double x = g.t * tau;
    if (x > 0) {  // ln(c + d e^x) = x + ln(d + c e^-x): no overflow
      const double e = std::exp(-x), den = g.d + g.c * e;
      a += g.n * (x + std::log(den));
      at += g.n * x * g.d / den;
      att += g.n * x * x * g.c * g.d * e / (den * den);
    } else {
      const double e = std::exp(x), den = g.c + g.d * e;
      a += g.n * std::log(den);
      at += g.n * x * g.d * e / den;
      att += g.n * x * x * g.c * g.d * e / (den * den);
    }
  }
  if (!ip.cp0C.empty()) {
    // cp0/R = sum c T^t: H = int cp0/R dT and S = int cp0/(R T) dT from T0;
    // alpha0 gains H/T - S, tau alpha0_tau H/T, tau^2 alpha0_tautau -cp0/R.
    const double T0 = ip.cp0T0, lnT = std::log(T / T0);
    double H = 0, S = 0, cp = 0;
    for (std::size_t i = 0; i < ip.cp0C.size(); ++i) {
      const double c = ip.cp0C[i], t = ip.cp0T[i];
      const double Tt = std::pow(T, t);
      cp += c * Tt;
      if (t == -1) {
        H += c * lnT;
        S += c * (1 / T0 - 1 / T);
      } else if (t == 0) {
        H += c * (T - T0);
        S += c * lnT;
      } else {
        H += c * (Tt * T - std::pow(T0, t + 1)) / (t + 1);
        S += c * (Tt - std::pow(T0, t)) / t;
      }
    }
    a += H / T - S;
    at += H / T;
    att -= cp;
  }
  iso.a0 = a;
  iso.a0t = at;
  iso.a0tt = att;
}

// q^e for q = dm1^2 >= 0: by multiplication where 2e is a whole number.
double powQ(double q, double dm1, double e) {
  const double k = 2 * e;
  if (k == std::floor(k) && k >= 0 && k <= 16) {
    const double m = std::fabs(dm1);
    double v = 1;
    for (int i = 0; i < static_cast<int>(k); ++i) v *= m;
    return v;
  }
  return std::pow(q, e);
}

// The non-analytic terms (Span and Wagner) at (delta, tau), added to r.
// Terms that share beta, a, C or Delta and b share their powers.
void addCritical(const RefData& eq, const Isotherm& iso, double delta, Residual& r) {
  const double tau = iso.tau;
  const double dm1 = delta - 1, q = dm1 * dm1, tm1 = tau - 1;
  double beta0 = NAN, E1 = 0, a0 = NAN, Qa1 = 0, C0 = NAN, eC = 0, Delta0 = NAN, b0 = NAN, Db = 0;
  for (std::size_t i = 0; i < eq.critical.size(); ++i) {
    const CriticalTerm& c = eq.critical[i];
    if (c.C * q + c.D * tm1 * tm1 > kPsiCut) continue;
    if (c.C != C0) C0 = c.C, eC = std::exp(-c.C * q);
    const double psi = eC * iso.psiTau[i];
    const double inv2b = 1 / (2 * c.beta);
    if (c.beta != beta0) beta0 = c.beta, E1 = powQ(q, dm1, inv2b - 1);  // q^(1/(2 beta) - 1)
    if (c.a != a0) a0 = c.a, Qa1 = powQ(q, dm1, c.a - 1);              // q^(a - 1)
    const double theta = -tm1 + c.A * q * E1;
    const double Delta = std::max(theta * theta + c.B * q * Qa1, kTinyDelta);
    const double G = c.A * theta * (2 / c.beta) * E1 + 2 * c.B * c.a * Qa1;
    const double Dd = dm1 * G;
    const double Ddd = G + 2 * c.A * c.A / (c.beta * c.beta) * q * E1 * E1 +
                       4 * c.A / c.beta * (inv2b - 1) * theta * E1 + 4 * c.B * c.a * (c.a - 1) * Qa1;
    const double b = c.b;
    if (Delta != Delta0 || b != b0) Delta0 = Delta, b0 = b, Db = std::pow(Delta, b);
    const double Db1 = Db / Delta, Db2 = Db1 / Delta;
    const double DBd = b * Db1 * Dd;
    const double DBdd = b * (Db1 * Ddd + (b - 1) * Db2 * Dd * Dd);
    const double DBt = -2 * theta * b * Db1;
    const double DBtt = 2 * b * Db1 + 4 * theta * theta * b * (b - 1) * Db2;
    const double DBdt = -c.A * b * (2 / c.beta) * Db1 * dm1 * E1 - 2 * theta * b * (b - 1) * Db2 * Dd;
    const double psiD = -2 * c.C * dm1 * psi;
    const double psiDD = (2 * c.C * q - 1) * 2 * c.C * psi;
    const double psiT = -2 * c.D * tm1 * psi;
    const double psiTT = (2 * c.D * tm1 * tm1 - 1) * 2 * c.D * psi;
    const double psiDT = 4 * c.C * c.D * dm1 * tm1 * psi;
    const double n = c.n;
    r.a += n * Db * delta * psi;
    r.d += delta * n * (Db * (psi + delta * psiD) + DBd * delta * psi);
    r.dd += delta * delta * n *
            (Db * (2 * psiD + delta * psiDD) + 2 * DBd * (psi + delta * psiD) + DBdd * delta * psi);
    r.t += tau * n * delta * (DBt * psi + Db * psiT);
    r.tt += tau * tau * n * delta * (DBtt * psi + 2 * DBt * psiT + Db * psiTT);
    r.dt += delta * tau * n *
            (Db * (psiT + delta * psiDT) + delta * DBd * psiT + DBt * (psi + delta * psiD) + DBdt * delta * psi);
  }
}

// One term's share of the sums: D its density factor, u = delta D'/D and
// z = delta^2 D''/D.
template <int Level>
inline void addTerm(const Isotherm& iso, std::size_t i, double D, double u, double z, Residual& r) {
  const double fD = iso.f[i] * D;
  r.d += fD * u;
  r.dd += fD * z;
  if constexpr (Level >= 1) r.a += fD;
  if constexpr (Level >= 2) {
    const double tD = iso.ft[i] * D;
    r.t += tD;
    r.tt += iso.ftt[i] * D;
    r.dt += tD * u;
  }
}

// The residual sums: Level 0 d and dd, 1 also alphar, 2 also the tau
// derivatives.
template <int Level>
Residual residualSums(const RefData& eq, const Isotherm& iso, double delta) {
  double pw[kMaxDensityPower + 1];
  pw[0] = 1;
  for (int k = 1; k <= eq.maxD; ++k) pw[k] = pw[k - 1] * delta;
  // Shared exponentials exp(-g delta^l), l g delta^l and l^2 g delta^l.
  double E[kMaxExpSlots], U[kMaxExpSlots], Z[kMaxExpSlots];
  const std::size_t ns = eq.slots.size();
  for (std::size_t s = 0; s < ns; ++s) {
    const int l = eq.slots[s].l;
    double dl = 1;
    for (int k = 0; k < l; ++k) dl *= delta;
    const double gdl = eq.slots[s].g * dl;
    E[s] = std::exp(-gdl);
    U[s] = l * gdl;
    Z[s] = l * l * gdl;
  }
  Residual r;
  const std::size_t np = eq.power.size();
  for (std::size_t i = 0; i < np; ++i) {
    const PowerTerm& p = eq.power[i];
    double D = pw[p.d], u = p.d, z;
    if (p.slot >= 0) {
      D *= E[p.slot];
      u -= U[p.slot];
      z = u * u - u - Z[p.slot];
    } else {
      z = u * u - u;
    }
    addTerm<Level>(iso, i, D, u, z, r);
  }
  const std::size_t ng = eq.gauss.size();
  for (std::size_t j = 0; j < ng; ++j) {
    const GaussTerm& g = eq.gauss[j];
    const std::size_t i = np + j;
    const double x = delta - g.eps;
    const double D = pw[g.d] * std::exp(-g.eta * x * x);
    const double u = g.d - 2 * g.eta * delta * x;
    const double z = u * u - g.d - 2 * g.eta * delta * delta;
    addTerm<Level>(iso, i, D, u, z, r);
  }
  if (!eq.critical.empty()) {
    Residual c;
    addCritical(eq, iso, delta, c);
    r.d += c.d;
    r.dd += c.dd;
    if constexpr (Level >= 1) r.a += c.a;
    if constexpr (Level >= 2) {
      r.t += c.t;
      r.tt += c.tt;
      r.dt += c.dt;
    }
  }
  return r;
}

}  // namespace

void setIsotherm(const RefData& eq, double T, Isotherm& iso) {
  iso.T = T;
  const double tau = eq.Tr / T, lnTau = std::log(tau);
  iso.tau = tau;
  idealPart(eq, T, tau, lnTau, iso);
  double virial = 0;
  // tau^t once per distinct exponent, whole ones by multiplication.
  double tauPow[kMaxResidualTerms];
  for (std::size_t j = 0; j < eq.tauExponents.size(); ++j) {
    const double t = eq.tauExponents[j];
    if (t == std::floor(t) && t >= 0 && t <= 24) {
      double v = 1;
      for (int k = 0; k < static_cast<int>(t); ++k) v *= tau;
      tauPow[j] = v;
    } else {
      tauPow[j] = std::exp(t * lnTau);
    }
  }
  const std::size_t np = eq.power.size();
  for (std::size_t i = 0; i < np; ++i) {
    const PowerTerm& p = eq.power[i];
    const double f = p.n * tauPow[p.tau];
    iso.f[i] = f;
    iso.ft[i] = p.t * f;
    iso.ftt[i] = p.t * (p.t - 1) * f;
    // d/d delta of delta^d exp(-g delta^l) at delta = 0.
    if (p.d == 1) virial += f;
    else if (p.d == 0 && p.l == 1) virial -= p.g * f;
  }
  for (std::size_t j = 0; j < eq.gauss.size(); ++j) {
    const GaussTerm& g = eq.gauss[j];
    const std::size_t i = np + j;
    const double x = tau - g.gamma;
    const double f = g.n * std::exp(g.t * lnTau - g.beta * x * x);
    const double w = g.t - 2 * g.beta * tau * x;
    iso.f[i] = f;
    iso.ft[i] = w * f;
    iso.ftt[i] = (w * w - g.t - 2 * g.beta * tau * tau) * f;
    if (g.d == 1) virial += f * std::exp(-g.eta * g.eps * g.eps);
  }
  for (std::size_t i = 0; i < eq.critical.size(); ++i) {
    const CriticalTerm& c = eq.critical[i];
    iso.psiTau[i] = std::exp(-c.D * (tau - 1) * (tau - 1));
    // delta Delta^b psi at small delta: slope psi(0) Delta(0)^b.
    const double theta = 1 - tau + c.A;
    const double Delta = theta * theta + c.B;
    virial += c.n * std::pow(Delta, c.b) * std::exp(-c.C) * iso.psiTau[i];
  }
  iso.virial = virial;
}

Residual residual(const RefData& eq, const Isotherm& iso, double delta) {
  return residualSums<2>(eq, iso, delta);
}

Residual residualPressure(const RefData& eq, const Isotherm& iso, double delta) {
  return residualSums<0>(eq, iso, delta);
}

Residual residualGibbs(const RefData& eq, const Isotherm& iso, double delta) {
  return residualSums<1>(eq, iso, delta);
}

PressurePoint pressureAt(const RefData& eq, const Isotherm& iso, double delta) {
  const Residual r = residualPressure(eq, iso, delta);
  const double RT = eq.R * iso.T;
  return {delta * eq.rhor * RT * (1 + r.d), RT * (1 + 2 * r.d + r.dd)};
}

Props properties(const RefData& eq, const Isotherm& iso, double delta) {
  const Residual r = residual(eq, iso, delta);
  Props x;
  const double R = eq.R, T = iso.T, RT = R * T, lnDelta = std::log(delta);
  x.T = T;
  x.rho = delta * eq.rhor;
  x.p = x.rho * RT * (1 + r.d);
  const double den = 1 + 2 * r.d + r.dd;
  const double num = 1 + r.d - r.dt;
  x.dpdrho = RT * den;
  x.dpdT = x.rho * R * num;
  x.h = RT * (1 + iso.a0t + r.t + r.d);
  x.s = R * (iso.a0t + r.t - iso.a0 - lnDelta - r.a);
  x.g = RT * (1 + iso.a0 + lnDelta + r.a + r.d);
  const double tt = iso.a0tt + r.tt;  // tau^2 alpha_tautau < 0
  x.cv = -R * tt;
  // Inside the spinodal (den <= 0) no state is sound; the callers never
  // take one, but the numbers stay finite.
  const double denSafe = std::max(den, 1e-300);
  x.cp = x.cv + R * num * num / denSafe;
  const double w2 = RT / eq.M * (den - num * num / std::min(tt, -1e-300));
  x.w = std::sqrt(std::max(w2, 0.0));
  return x;
}

}  // namespace tfs::ref
