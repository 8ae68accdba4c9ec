#pragma once
// The published coefficients of one reference Helmholtz-energy equation of
// state, read from its data file (thermo/reference/data/<id>.json). Units
// as in the files: K, Pa, mol/m3, J/(mol K), kg/mol. Numbers are doubles:
// the equations are fitted to far less than double precision.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tfs::ref {

// Most terms of a residual part the evaluator holds (the largest file has 41).
inline constexpr int kMaxResidualTerms = 48;
// Highest power of the density in a term.
inline constexpr int kMaxDensityPower = 16;
// Most distinct exponentials exp(-g delta^l) of the power terms.
inline constexpr int kMaxExpSlots = 8;
// Most non-analytic terms.
inline constexpr int kMaxCriticalTerms = 4;

// A fault of a data file: the text names the file and the fault.
struct DataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// n delta^d tau^t exp(-g delta^l) (l = 0: no exponential). Terms that share
// (l, g) share one exponential: slot indexes it.
struct PowerTerm {
  double n = 0, t = 0;
  int d = 0, l = 0;
  double g = 0;
  int slot = -1;
  int tau = 0;  // index of tau^t among the distinct exponents
};

// n delta^d tau^t exp(-eta (delta - eps)^2 - beta (tau - gamma)^2).
struct GaussTerm {
  double n = 0, t = 0;
  int d = 0;
  double eta = 0, eps = 0, beta = 0, gamma = 0;
};

// The non-analytic term of Span and Wagner: n Delta^b delta psi.
struct CriticalTerm {
  double n = 0, a = 0, b = 0, beta = 0, A = 0, B = 0, C = 0, D = 0;
};

// One exponential shared by the power terms: exp(-g delta^l).
struct ExpSlot {
  int l = 0;
  double g = 0;
};

// Ideal-gas part alpha0 = ln delta + a1 + a2 tau + c ln tau + sum n tau^t
// + sum n ln(1 - exp(-theta tau)) + sum n ln(c + d exp(t tau)) + the
// integral of a polynomial cp0/R = sum c T^t.
struct IdealPart {
  double a1 = 0, a2 = 0, logTau = 0;
  std::vector<double> powN, powT;
  std::vector<double> planckN, planckTheta;
  struct General {
    double n, c, d, t;
  };
  std::vector<General> general;
  std::vector<double> cp0C, cp0T;  // cp0/R = sum c T^t
  double cp0T0 = 298.15;           // lower end of its integrals, K
};

// p = p_r exp(f sum n theta^t) (kind Pressure, VapourDensity) or
// rho = rho_r (1 + sum n theta^t) (LiquidDensity); theta = 1 - T/T_r,
// f = T_r/T when usingTauR, else 1.
struct Ancillary {
  enum class Kind { Pressure, LiquidDensity, VapourDensity };
  bool present = false;
  Kind kind = Kind::Pressure;
  double Tr = 0, reducing = 0;
  bool usingTauR = false;
  std::vector<double> n, t;
  double operator()(double T) const;
};

// Melting pressure in parts by temperature.
struct MeltingLine {
  enum class Type { None, Simon, PolynomialInTr, PolynomialInTheta };
  struct Part {
    double T0 = 0, p0 = 0, Tmin = 0, Tmax = 0;
    double c = 0;               // Simon exponent
    std::vector<double> a, t;   // Simon: a[0]; polynomials: pairs
  };
  Type type = Type::None;
  std::vector<Part> parts;
  // The melting pressure at T, Pa: the part that holds T, the nearest one
  // beyond the ends.
  double pressure(double T) const;
};

struct NamedState {
  std::string name;
  double T = 0, p = 0, rho = 0;  // K, Pa, mol/m3
};

struct RefData {
  std::string file;       // "N2.json"
  std::string substance;  // "N2"
  std::string equation;   // the publication's key
  bool pseudoPure = false;
  double R = 0;           // J/(mol K)
  double M = 0;           // kg/mol
  double Tr = 0, rhor = 0;
  double Ttriple = 0, Tmax = 0, pmax = 0;

  IdealPart ideal;
  std::vector<PowerTerm> power;
  std::vector<double> tauExponents;  // the distinct t of the power terms
  std::vector<ExpSlot> slots;
  std::vector<GaussTerm> gauss;
  std::vector<CriticalTerm> critical;
  int maxD = 0;

  std::vector<NamedState> states;
  NamedState criticalPoint;
  // Pure fluids: pS; air: pL (bubble) and pV (dew).
  Ancillary pS, pL, pV, rhoL, rhoV;
  MeltingLine melting;

  const NamedState* state(std::string_view name) const;
};

// Reads one data file's text; a fault throws DataError with the file's
// name and the fault ("Файл данных N2.json: ...").
RefData readRefData(std::string_view file, std::string_view text);

}  // namespace tfs::ref
