#include "eos.h"

#include <cmath>

#include "substances.h"

namespace tfs {
namespace {

// Helium equation: Z = 1 + sum_i delta^i * sum_j b[j][i] * phi_j, stored by
// columns j (temperature functions 1, A, B, C, D) over powers i = 1..10.
constexpr int kPowers = 10;
constexpr Real kHeB[5][kPowers] = {
    {0, -0.0952426L, -0.00412116L, 0.000965381L, -0.001478587L, 0.0003851452L, -0.0000404213L, 0, 0,
     0},
    {0, 0.8853308L, 0.06419341L, -0.05472136L, 0.07660029L, -0.02068234L, 0.0021235238L, 0, 0, 0},
    {1, 0.5736679L, 0.01857956L, -0.00503396L, 0.005434965L, -0.000609572L, 0, 0, 0, 0},
    {0, 0.9L, -2.692995L, 8.9865164L, -4.4483362L, -7.2433935L, 9.3056234L, -4.3097793L,
     0.92399394L, -0.07710676L},
    {0, 0.4L, -1.9228434L, 4.5056286L, -5.3236254L, 3.4369598L, -1.25062L, 0.24284309L,
     -0.019584365L, 0}};

// Polynomial parts of the temperature functions B, C, D in A (Horner).
constexpr Real kBPoly[6] = {0.3035636L, -1.3355313L, -0.01019677L, -0.000069454L, 0, 0};
constexpr Real kCPoly[7] = {0.0090367L, -0.0582075L, 0.105L, 0.04611733L, -0.01591775L, 0, 0.0004603L};
constexpr Real kDPoly[7] = {0.0004529L, -0.0415299L, 0, 0.92899L, -1.3638926L, 0.55265989L, -0.07668038L};

// Value, first and second derivative of a polynomial in A.
template <int N>
void horner(const Real (&c)[N], Real A, Real& f, Real& f1, Real& f2) {
  f = c[N - 1];
  f1 = 0;
  f2 = 0;
  for (int k = N - 2; k >= 0; --k) {
    f2 = f2 * A + 2 * f1;
    f1 = f1 * A + f;
    f = f * A + c[k];
  }
}

template <int N>
Real horner(const Real (&c)[N], Real A) {
  Real f = c[N - 1];
  for (int k = N - 2; k >= 0; --k) f = f * A + c[k];
  return f;
}

struct TempFunctions {
  Real v[5];   // 1, A, B, C, D
  Real d1[5];  // d/dA
  Real d2[5];  // d2/dA2
};

// u = 0.01/(A + 0.018) terms of B and C.
struct UTerms {
  Real u, du, d2u;
};

UTerms uTerms(Real A) {
  const Real u = 0.01L / (A + 0.018L);
  const Real du = -u * u / 0.01L;
  const Real d2u = -2 * u * du / 0.01L;
  return {u, du, d2u};
}

// B, C, D only (pressure group).
void tempValues(Real A, Real& B, Real& C, Real& D) {
  const Real u = 0.01L / (A + 0.018L);
  const Real u2 = u * u;
  const Real u6 = u2 * u2 * u2;
  B = horner(kBPoly, A) - 0.2823762L * u + 0.0810073L * u2 - 4.1242084L * u6;
  C = horner(kCPoly, A) - 0.0505331L * u + 0.0758181L * u2;
  D = horner(kDPoly, A);
}

TempFunctions tempFunctions(Real A) {
  TempFunctions t{};
  t.v[0] = 1;
  t.v[1] = A;
  t.d1[1] = 1;
  const UTerms w = uTerms(A);
  const Real u = w.u, u2 = u * u, u4 = u2 * u2, u5 = u4 * u;

  // Values exactly as in the pressure-only path.
  tempValues(A, t.v[2], t.v[3], t.v[4]);

  Real p, p1, p2;
  horner(kBPoly, A, p, p1, p2);
  // g(u) = -0.2823762 u + 0.0810073 u^2 - 4.1242084 u^6
  const Real gB1 = -0.2823762L + 2 * 0.0810073L * u - 6 * 4.1242084L * u5;
  const Real gB2 = 2 * 0.0810073L - 30 * 4.1242084L * u4;
  t.d1[2] = p1 + gB1 * w.du;
  t.d2[2] = p2 + gB2 * w.du * w.du + gB1 * w.d2u;

  horner(kCPoly, A, p, p1, p2);
  const Real gC1 = -0.0505331L + 2 * 0.0758181L * u;
  const Real gC2 = 2 * 0.0758181L;
  t.d1[3] = p1 + gC1 * w.du;
  t.d2[3] = p2 + gC2 * w.du * w.du + gC1 * w.d2u;

  horner(kDPoly, A, p, p1, p2);
  t.d1[4] = p1;
  t.d2[4] = p2;
  return t;
}

}  // namespace

HeliumIsotherm heliumIsotherm(int subst, Real T) {
  HeliumIsotherm iso;
  iso.RT = Rgas[subst] * T / 1000;
  iso.rhoCr = Rocr[subst];
  const Real A = Tcr[subst] / T;
  Real B, C, D;
  tempValues(A, B, C, D);
  const Real phi[5] = {1, A, B, C, D};
  for (int i = 1; i <= kPowers; ++i) {
    Real c = 0;
    for (int j = 0; j < 5; ++j) c += kHeB[j][i - 1] * phi[j];
    iso.c[i] = c;
  }
  return iso;
}

namespace {

// Z = 1 + sum c_i delta^i, Zd its delta derivative and Z2 the curvature sum
// that starts at i = 3, by Horner; with them the pressure group.
struct Compressibility {
  Real Z, Zd;
};

Compressibility heliumZ(const HeliumIsotherm& iso, Real rho, EosResult& r) {
  const Real delta = rho / iso.rhoCr;
  Real z = 0, zd = 0, z2 = 0;
  for (int i = kPowers; i >= 1; --i) {
    z = z * delta + iso.c[i];
    zd = zd * delta + i * iso.c[i];
    if (i >= 3) z2 = z2 * delta + i * (i - 1) * iso.c[i];
  }
  const Real Z = 1 + delta * z;
  r.P = rho * iso.RT * Z;
  r.dP = iso.RT * (Z + delta * zd);
  r.d2P = iso.RT * (2 * zd + delta * delta * z2);
  return {Z, zd};
}

}  // namespace

EosResult heliumPressure(const HeliumIsotherm& iso, Real rho) {
  EosResult r;
  heliumZ(iso, rho, r);
  return r;
}

EosResult EosHe(int subst, EosMode mode, Real T, Real rho) {
  if (mode == EosMode::Pressure) return heliumPressure(heliumIsotherm(subst, T), rho);
  const Real R = Rgas[subst];
  const Real delta = rho / Rocr[subst];
  const Real A = Tcr[subst] / T;

  Real pw[kPowers + 1];  // delta^i
  pw[0] = 1;
  for (int i = 1; i <= kPowers; ++i) pw[i] = pw[i - 1] * delta;

  // Column sums sum_i b_ij delta^i and their integrals sum_i b_ij delta^i / i.
  Real col[5], I[5];
  for (int j = 0; j < 5; ++j) {
    Real sum = 0, integral = 0;
    for (int i = 1; i <= kPowers; ++i) {
      sum += kHeB[j][i - 1] * pw[i];
      integral += kHeB[j][i - 1] * pw[i] / i;
    }
    col[j] = sum;
    I[j] = integral;
  }

  EosResult r;
  const TempFunctions t = tempFunctions(A);
  const Compressibility c = heliumZ(heliumIsotherm(subst, T), rho, r);
  const Real Z = c.Z, Zd = c.Zd;

  // phi - A phi' of B, C, D
  const Real eB = t.v[2] - A * t.d1[2];
  const Real eC = t.v[3] - A * t.d1[3];
  const Real eD = t.v[4] - A * t.d1[4];

  r.hR = R * T * (Z - 1) + R * Tcr[subst] * (I[1] + t.d1[2] * I[2] + t.d1[3] * I[3] + t.d1[4] * I[4]);
  r.sR = -R * (1 + I[0] + eB * I[2] + eC * I[3] + eD * I[4]);
  r.cvR = -R * A * A * (t.d2[2] * I[2] + t.d2[3] * I[3] + t.d2[4] * I[4]);
  const Real Y = 1 + col[0] + eB * col[2] + eC * col[3] + eD * col[4];
  Real X = Z + delta * Zd;
  if (X == 0) X = 1e-8L;
  r.cpcv = R * Y * Y / X;
  return r;
}

EosResult EosRKS(int subst, EosMode mode, Real T, Real rho) {
  const Real a = aRKS[subst];
  const Real b = bRKS[subst];
  const Real w = Omega[subst];
  const Real R = Rgas[subst];
  const Real RT = R * T / 1000;
  const Real sqTr = std::sqrt(T / Tcr[subst]);
  const Real m = 0.48503L + 1.55171L * w - 0.15613L * w * w;
  const Real kappa = 1 + m * (1 - sqTr);
  const Real aa = a * kappa * kappa;  // a*alpha, MPa m6/kg2
  const Real At = aa / RT;
  const Real br = b * rho;
  const Real Z = 1 / (1 - br) - At * rho / (1 + br);

  EosResult r;
  r.P = rho * RT * Z;
  r.dP = RT / ((1 - br) * (1 - br)) - aa * rho * (br + 2) / ((1 + br) * (1 + br));
  r.d2P = 2 * b * RT / ((1 - br) * (1 - br) * (1 - br)) - aa / ((1 + br) * (1 + br) * (1 + br));
  if (mode == EosMode::Pressure) return r;

  const Real lnb = std::log1p(br) / b;  // ln(1 + b rho)/b
  const Real msq = m * sqTr;
  r.hR = R * T * (Z - 1) - 1000 * a * kappa * (kappa + msq) * lnb;
  r.sR = R * std::log1p(-br) - 1000 * a * kappa * msq * lnb / T;
  r.cvR = 500 * a * msq * (kappa + msq) * lnb / T;
  const Real Y = 1 / (1 - br) + 1000 * a * kappa * msq * rho / (R * T * (1 + br));
  const Real X = 1 / ((1 - br) * (1 - br)) - At * rho * (2 + br) / ((1 + br) * (1 + br));
  r.cpcv = R * Y * Y / X;
  return r;
}

EosResult Eos(int subst, EosMode mode, Real T, Real rho) {
  return subst == kHelium ? EosHe(subst, mode, T, rho) : EosRKS(subst, mode, T, rho);
}

}  // namespace tfs
