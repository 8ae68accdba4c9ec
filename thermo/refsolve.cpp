#include "refsolve.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tfs::ref {
namespace {

constexpr double kP0 = 101325;     // Pa, the pressure of the ideal-gas entropy s0
constexpr double kT0 = 298.15;     // K, where the zeros of h and s are matched
constexpr int kNodes = 96;         // intervals of the saturation table
constexpr int kDensityPasses = 100;
constexpr int kVlePasses = 60;

// Newton steps of the density stop below this relative size; the error
// left is of the order of its square.
constexpr double kDensityStep = 1e-10;
// The saturation Newton stops below this relative step of both densities,
// or where J and K of both phases agree to this relative residual.
constexpr double kVleStep = 1e-12;
constexpr double kVleResidual = 1e-13;

double cube(double x) { return x * x * x; }

}  // namespace

Fluid::Fluid(int subst, RefData data, double h0, double s0) : subst_(subst), eq_(std::move(data)) {
  Ttr_ = eq_.Ttriple;
  Tmax_ = std::min(1000.0, eq_.Tmax);
  pmax_ = std::min(1e9, eq_.pmax);
  if (eq_.pseudoPure) {
    // Both ancillary lines of air end at the same point (T_j, p_j).
    Tc_ = eq_.pV.Tr;
    pc_ = eq_.pV.reducing;
    rhoc_ = eq_.rhor;
    ptrDew_ = eq_.pV(Ttr_);
    ptrBubble_ = std::min(eq_.pL(Ttr_), pc_);
  } else {
    findCriticalPoint();
    buildSaturation();
    ptrDew_ = ptrBubble_ = std::exp(nodes_.front().lnp);
  }
  buildDensityCap();
  buildZeros(h0, s0);
}

// Up the triple-point isotherm from the saturated liquid to pmax, in steps
// of at most 2 % of the density: where the equation's pressure stops
// rising first, pmax is lowered to the pressure reached.
void Fluid::buildDensityCap() {
  Isotherm iso;
  setIsotherm(eq_, Ttr_, iso);
  double delta = (eq_.pseudoPure ? eq_.rhoL(Ttr_) : std::exp(nodes_.front().lnRhoL)) / eq_.rhor;
  PressurePoint pp = pressureAt(eq_, iso, delta);
  double prev = delta;
  while (pp.p < pmax_) {
    double next = pp.dpdrho > 0 ? delta + (pmax_ - pp.p) / (pp.dpdrho * eq_.rhor) : 2 * delta;
    next = std::min(next, 1.02 * delta);
    const PressurePoint q = pressureAt(eq_, iso, next);
    if (!(q.dpdrho > 0 && q.p > pp.p)) {
      pmax_ = pp.p;
      break;
    }
    prev = delta;
    delta = next;
    pp = q;
  }
  deltaCap_ = 1.02 * delta;
  rhoMax_ = density(iso, pmax_, Branch::Liquid, prev * eq_.rhor);
}

// The equation's own critical point, where its isotherm's slope
// (dp/drho)_T has a zero minimum; most equations put it at the published
// point, some (R14's, O2's, normal hydrogen's) off it by up to 0.1 K.
void Fluid::findCriticalPoint() {
  // The least slope on the isotherm near the published critical density, by
  // golden-section search in delta.
  auto least = [&](double T, double& at) {
    Isotherm iso;
    setIsotherm(eq_, T, iso);
    const double g = (std::sqrt(5.0) - 1) / 2, d0 = eq_.criticalPoint.rho / eq_.rhor;
    double a = 0.7 * d0, b = 1.3 * d0;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = pressureAt(eq_, iso, c).dpdrho, fd = pressureAt(eq_, iso, d).dpdrho;
    for (int pass = 0; pass < 80 && b - a > 1e-10 * d0; ++pass) {
      if (fc < fd) {
        b = d, d = c, fd = fc;
        c = b - g * (b - a);
        fc = pressureAt(eq_, iso, c).dpdrho;
      } else {
        a = c, c = d, fc = fd;
        d = a + g * (b - a);
        fd = pressureAt(eq_, iso, d).dpdrho;
      }
    }
    at = (a + b) / 2;
    return pressureAt(eq_, iso, at).dpdrho;
  };
  double lo = 0.99 * eq_.criticalPoint.T, hi = 1.01 * eq_.criticalPoint.T, at = 1;
  for (int pass = 0; pass < 60 && hi - lo > 1e-12 * hi; ++pass) {
    const double T = (lo + hi) / 2;
    if (least(T, at) > 0) hi = T;
    else lo = T;
  }
  Tc_ = lo;
  least(Tc_, at);
  rhoc_ = at * eq_.rhor;
  Isotherm iso;
  setIsotherm(eq_, Tc_, iso);
  pc_ = pressureAt(eq_, iso, at).p;
}

void Fluid::buildZeros(double h0, double s0) {
  Isotherm iso;
  setIsotherm(eq_, kT0, iso);
  const double delta = kP0 / (eq_.R * kT0) / eq_.rhor;
  const double h = eq_.R * kT0 * (1 + iso.a0t);
  const double s = eq_.R * (iso.a0t - iso.a0 - std::log(delta));
  hOffset_ = h0 - perMass(h);
  sOffset_ = s0 - perMass(s);
}

// ---------------------------------------------------------------- densities

double Fluid::density(const Isotherm& iso, double P, Branch branch, double start) const {
  const double rr = eq_.rhor, RT = eq_.R * iso.T;
  const double ideal = P / (RT * rr);
  // The virial estimate: p = rho R T (1 + B rho) solved for rho.
  const double q = 1 + 4 * iso.virial * ideal;
  const double virial = q > 0 ? 2 * ideal / (1 + std::sqrt(q)) : 2 * ideal;
  double delta = start > 0 ? start / rr : virial;
  // Bracket: p(lo) < P < p(hi) on the branch; hi = 0 while unknown. The
  // critical density parts the two branches below Tc.
  double lo = 0, hi = deltaCap_;  // hi = 0: unknown (only while the cap is built)
  const double dc = rhoc_ / rr;
  const bool belowTc = iso.T < Tc_ && !eq_.pseudoPure;
  if (branch == Branch::Liquid && belowTc) lo = dc;
  if (branch == Branch::Vapour && belowTc) hi = dc;
  if (!(delta > lo) || (hi > 0 && !(delta < hi))) delta = hi > 0 ? (lo + hi) / 2 : std::max(2 * lo, virial);
  const bool logStep = branch != Branch::Liquid;

  for (int pass = 0; pass < kDensityPasses; ++pass) {
    const PressurePoint pp = pressureAt(eq_, iso, delta);
    const double f = pp.p - P;
    const double slope = pp.dpdrho * rr;  // dp/d delta
    if (f == 0) return delta * rr;
    if (slope > 0 || branch == Branch::Single) {
      if (f < 0) lo = std::max(lo, delta);
      else hi = hi > 0 ? std::min(hi, delta) : delta;
    } else if (branch == Branch::Liquid) {
      lo = std::max(lo, delta);  // between the spinodals: the liquid lies above
    } else {
      hi = hi > 0 ? std::min(hi, delta) : delta;
    }
    double next = NAN;
    if (slope > 0) {
      if (logStep && pp.p > 0) next = delta * std::exp(-std::log(pp.p / P) * pp.p / (delta * slope));
      else next = delta - f / slope;
    }
    if (std::fabs(next - delta) <= kDensityStep * delta) return next * rr;
    if (!(next > lo) || (hi > 0 && !(next < hi))) {
      if (hi > 0) next = lo > 0 && hi > 4 * lo ? std::sqrt(lo * hi) : (lo + hi) / 2;
      else next = 2 * std::max(delta, lo);
    }
    delta = next;
  }
  return delta * rr;
}

// ---------------------------------------------------------------- saturation

// Equal pressure and Gibbs energy by Newton's method in both densities
// (Akasaka's form: J = delta (1 + delta alphar_delta), K = delta alphar_delta
// + alphar + ln delta are equal on both sides).
bool Fluid::solveVle(const Isotherm& iso, double& dL, double& dV) const {
  for (int pass = 0; pass < kVlePasses; ++pass) {
    const Residual l = residualGibbs(eq_, iso, dL), v = residualGibbs(eq_, iso, dV);
    const double JL = dL * (1 + l.d), JV = dV * (1 + v.d);
    const double KL = l.d + l.a + std::log(dL), KV = v.d + v.a + std::log(dV);
    const double JdL = 1 + 2 * l.d + l.dd, JdV = 1 + 2 * v.d + v.dd;
    const double KdL = JdL / dL, KdV = JdV / dV;
    const double dJ = JV - JL, dK = KV - KL;
    // Equal to rounding: done (close to the critical point the steps stop
    // shrinking before the residuals do).
    if (std::fabs(dJ) <= kVleResidual * std::fabs(JV) && std::fabs(dK) <= kVleResidual)
      return dL > dV * (1 + 1e-7);
    const double det = JdV * KdL - JdL * KdV;
    if (!(std::fabs(det) > 0)) return false;
    double xL = (JdV * dK - KdV * dJ) / det;
    double xV = (JdL * dK - KdL * dJ) / det;
    // Keep both densities positive and in their order.
    for (int cut = 0; cut < 30 && !(dV + xV > 0 && dL + xL > dV + xV); ++cut) xL /= 2, xV /= 2;
    dL += xL;
    dV += xV;
    if (!(std::isfinite(dL) && std::isfinite(dV) && dL > dV && dV > 0)) return false;
    if (std::fabs(xL) <= kVleStep * dL && std::fabs(xV) <= kVleStep * dV) return dL > dV * (1 + 1e-9);
  }
  return false;
}

double Fluid::xOf(double T) const { return std::cbrt(std::max(0.0, 1 - T / Tc_)); }

void Fluid::buildSaturation() {
  // Nodes uniform in x = (1 - T/Tc)^(1/3): the coexisting densities are
  // nearly linear in x up to the critical point, ln p is smooth in it.
  xTr_ = xOf(Ttr_);
  const double dc = rhoc_ / eq_.rhor;
  auto node = [&](double x, double T, double dL, double dV) {
    Node n;
    n.x = x;
    n.T = T;
    Isotherm iso;
    setIsotherm(eq_, n.T, iso);
    const Props l = properties(eq_, iso, dL), v = properties(eq_, iso, dV);
    n.lnp = std::log(v.p);
    n.lnRhoL = std::log(dL * eq_.rhor);
    n.lnRhoV = std::log(dV * eq_.rhor);
    // Clausius-Clapeyron: dp/dT = (hV - hL) / (T (1/rhoV - 1/rhoL)), and
    // dT/dx = -3 Tc x^2.
    const double dpdT = (v.h - l.h) / (n.T * (1 / v.rho - 1 / l.rho));
    n.dlnp = dpdT / v.p * (-3 * Tc_ * x * x);
    n.margin = 0;
    return n;
  };
  nodes_.clear();
  for (int i = 0; i < kNodes; ++i) {
    const double x = xTr_ * (1 - static_cast<double>(i) / kNodes);
    const double T = i == 0 ? Ttr_ : Tc_ * (1 - cube(x));
    Isotherm iso;
    setIsotherm(eq_, T, iso);
    double dL, dV;
    if (nodes_.size() < 2) {
      const double tA = std::min(T, eq_.rhoL.Tr), tV = std::min(T, eq_.rhoV.Tr);
      dL = nodes_.empty() ? eq_.rhoL(tA) / eq_.rhor : std::exp(nodes_.back().lnRhoL) / eq_.rhor;
      dV = nodes_.empty() ? eq_.rhoV(tV) / eq_.rhor : std::exp(nodes_.back().lnRhoV) / eq_.rhor;
    } else {
      // Linear in x from the last two nodes.
      const Node& a = nodes_[nodes_.size() - 2];
      const Node& b = nodes_.back();
      const double w = (x - b.x) / (b.x - a.x);
      dL = std::exp(b.lnRhoL + w * (b.lnRhoL - a.lnRhoL)) / eq_.rhor;
      dV = std::exp(b.lnRhoV + w * (b.lnRhoV - a.lnRhoV)) / eq_.rhor;
    }
    if (!solveVle(iso, dL, dV) || !(dL > dc && dV < dc)) break;
    nodes_.push_back(node(x, T, dL, dV));
  }
  // The critical point closes the table.
  Node c;
  c.x = 0;
  c.T = Tc_;
  c.lnp = std::log(pc_);
  c.dlnp = 0;
  c.lnRhoL = c.lnRhoV = std::log(rhoc_);
  c.margin = 0;
  nodes_.push_back(c);
  // The interpolation error of ln p, from the exact solution at the middle
  // of every interval between solved nodes.
  for (std::size_t i = 0; i + 2 < nodes_.size(); ++i) {
    const double x = (nodes_[i].x + nodes_[i + 1].x) / 2;
    const double T = Tc_ * (1 - cube(x));
    const Interp in = interpolate(T);
    Isotherm iso;
    setIsotherm(eq_, T, iso);
    double dL = std::exp(in.lnRhoL) / eq_.rhor, dV = std::exp(in.lnRhoV) / eq_.rhor;
    double err = 1e-3;
    if (solveVle(iso, dL, dV)) err = std::fabs(std::log(pressureAt(eq_, iso, dV).p) - in.lnp);
    nodes_[i].margin = 8 * err + 1e-10;
  }
  nodes_[nodes_.size() - 2].margin = 1e-2;  // the last interval is not solved
}

double Fluid::hermiteLnp(const Node& a, const Node& b, double u) {
  const double h = b.x - a.x;
  const double h00 = (1 + 2 * u) * (1 - u) * (1 - u), h10 = u * (1 - u) * (1 - u);
  const double h01 = u * u * (3 - 2 * u), h11 = u * u * (u - 1);
  return h00 * a.lnp + h10 * h * a.dlnp + h01 * b.lnp + h11 * h * b.dlnp;
}

Fluid::Interp Fluid::interpolate(double T) const {
  const double x = std::clamp(xOf(T), 0.0, nodes_.front().x);
  // Nodes run from x = xTr down to 0; find a with a.x >= x >= b.x.
  std::size_t lo = 0, hi = nodes_.size() - 1;
  while (hi - lo > 1) {
    const std::size_t mid = (lo + hi) / 2;
    if (nodes_[mid].x >= x) lo = mid;
    else hi = mid;
  }
  const Node& a = nodes_[lo];
  const Node& b = nodes_[hi];
  const double u = (x - a.x) / (b.x - a.x);
  // Cubic Hermite in ln p, linear in the logarithms of the densities.
  Interp r;
  r.lnp = hermiteLnp(a, b, u);
  r.lnRhoL = a.lnRhoL + u * (b.lnRhoL - a.lnRhoL);
  r.lnRhoV = a.lnRhoV + u * (b.lnRhoV - a.lnRhoV);
  r.margin = a.margin;
  r.exactPossible = hi + 1 < nodes_.size() || u == 0;
  return r;
}

SatPair Fluid::ancillarySat(double Tiso) const {
  SatPair s;
  s.T = Tiso;
  const double T = std::min(Tiso, Tc_);
  s.pV = std::min(eq_.pV(T), pc_);
  s.pL = std::min(eq_.pL(T), pc_);
  s.rhoV = eq_.rhoV(T);
  s.rhoL = eq_.rhoL(std::min(T, eq_.rhoL.Tr));
  return s;
}

SatPair Fluid::satAtT(const Isotherm& iso) const {
  if (eq_.pseudoPure) {
    // The roots at the ancillary pressures, from the ancillary densities.
    SatPair s = ancillarySat(iso.T);
    s.rhoV = density(iso, s.pV, Branch::Vapour, s.rhoV);
    s.rhoL = density(iso, s.pL, Branch::Liquid, s.rhoL);
    return s;
  }
  SatPair s;
  s.T = iso.T;
  if (!(iso.T < Tc_)) {
    s.pV = s.pL = pc_;
    s.rhoV = s.rhoL = rhoc_;
    return s;
  }
  const Interp in = interpolate(iso.T);
  double dL = std::exp(in.lnRhoL) / eq_.rhor, dV = std::exp(in.lnRhoV) / eq_.rhor;
  if (in.exactPossible && solveVle(iso, dL, dV)) {
    s.rhoL = dL * eq_.rhor;
    s.rhoV = dV * eq_.rhor;
    s.pV = s.pL = pressureAt(eq_, iso, dV).p;
  } else {
    // Closer to the critical point than the last solved node: the table.
    s.rhoL = std::exp(in.lnRhoL);
    s.rhoV = std::exp(in.lnRhoV);
    s.pV = s.pL = std::exp(in.lnp);
  }
  return s;
}

int Fluid::side(const Isotherm& iso, double P, SatPair& sat, bool& satDone) const {
  satDone = false;
  if (eq_.pseudoPure) {
    sat = ancillarySat(iso.T);
    if (P > sat.pL) return 1;
    if (P < sat.pV) return -1;
    return 0;
  }
  sat.T = iso.T;
  const Interp in = interpolate(iso.T);
  sat.pV = sat.pL = std::exp(in.lnp);
  sat.rhoL = std::exp(in.lnRhoL);
  sat.rhoV = std::exp(in.lnRhoV);
  const double d = std::log(P) - in.lnp;
  if (d > in.margin) return 1;
  if (d < -in.margin) return -1;
  sat = satAtT(iso);
  satDone = true;
  return P > sat.pV ? 1 : -1;  // a pure fluid exactly at Psat is the vapour
}

double Fluid::ancillaryT(const Ancillary& a, double P) const {
  // The ancillary pressure rises with T: bisection in 1/T with Newton steps.
  if (!(P < a(a.Tr))) return a.Tr;
  double lo = 1 / a.Tr, hi = 1.0;  // 1/T from Tr down to 1 K
  if (!(a(1 / hi) < P)) return 1 / hi;
  double y = 1 / Ttr_;
  for (int pass = 0; pass < 100; ++pass) {
    const double T = 1 / y, lnp = std::log(a(T));
    const double e = lnp - std::log(P);
    if (e > 0) lo = std::max(lo, y);
    else hi = std::min(hi, y);
    // d ln p / d(1/T) by a small difference.
    const double dy = 1e-7 * y;
    const double slope = (std::log(a(1 / (y + dy))) - lnp) / dy;
    double next = slope < 0 ? y - e / slope : NAN;
    if (!(next > lo && next < hi)) next = (lo + hi) / 2;
    if (std::fabs(next - y) <= 1e-14 * y) return 1 / next;
    y = next;
  }
  return 1 / y;
}

double Fluid::satT(double P, bool bubble, SatProps* sat) const {
  if (eq_.pseudoPure) return ancillaryT(bubble ? eq_.pL : eq_.pV, std::min(P, pc_));
  if (!(P < pc_)) return Tc_;
  const double lnP = std::log(P);
  const Node& tr = nodes_.front();
  if (lnP < tr.lnp - 1e-12) {
    // Below the triple point: the line continued with its slope there,
    // ln p linear in 1/T.
    const double dlnpdT = tr.dlnp / (-3 * Tc_ * tr.x * tr.x);
    const double slope = -dlnpdT * tr.T * tr.T;  // d ln p / d(1/T)
    return 1 / (1 / tr.T + (lnP - tr.lnp) / slope);
  }
  // The node interval that holds ln P (ln p rises with the index).
  std::size_t lo = 0, hi = nodes_.size() - 1;
  while (hi - lo > 1) {
    const std::size_t mid = (lo + hi) / 2;
    if (nodes_[mid].lnp < lnP) lo = mid;
    else hi = mid;
  }
  const Node& a = nodes_[lo];
  const Node& b = nodes_[hi];
  // The start from the table: Newton's method on its Hermite cubic in
  // u = (x - xa)/(xb - xa), kept inside [0, 1].
  const double h = b.x - a.x;
  double u = (lnP - a.lnp) / (b.lnp - a.lnp), ulo = 0, uhi = 1;
  for (int pass = 0; pass < 30; ++pass) {
    const double e = hermiteLnp(a, b, u) - lnP;
    const double slope = 6 * u * (u - 1) * (a.lnp - b.lnp) + (3 * u * u - 4 * u + 1) * h * a.dlnp +
                         (3 * u * u - 2 * u) * h * b.dlnp;
    if (e < 0) ulo = u;
    else uhi = u;
    double next = slope > 0 ? u - e / slope : NAN;
    if (!(next > ulo && next < uhi)) next = (ulo + uhi) / 2;
    if (std::fabs(next - u) < 1e-14) {
      u = next;
      break;
    }
    u = next;
  }
  double T = std::clamp(Tc_ * (1 - cube(a.x + u * h)), a.T, b.T);
  if (hi + 1 == nodes_.size()) return T;  // beyond the last solved node
  // Newton's method on ln psat(T) with the slope of Clausius and Clapeyron.
  for (int pass = 0; pass < 8; ++pass) {
    Isotherm iso;
    setIsotherm(eq_, T, iso);
    const Interp in = interpolate(T);
    double dL = std::exp(in.lnRhoL) / eq_.rhor, dV = std::exp(in.lnRhoV) / eq_.rhor;
    if (!solveVle(iso, dL, dV)) break;
    const Props l = properties(eq_, iso, dL), v = properties(eq_, iso, dV);
    const double dlnpdT = (v.h - l.h) / (T * (1 / v.rho - 1 / l.rho)) / v.p;
    const double step = (std::log(v.p) - lnP) / dlnpdT;
    // Where ln p is off by less than 1e-11 the states at T are the
    // saturated states at P.
    if (std::fabs(step * dlnpdT) <= 1e-11) {
      if (sat) sat->solved = true, sat->l = l, sat->v = v;
      return T;
    }
    T = std::clamp(T - step, Ttr_, Tc_);
  }
  return T;
}

// ---------------------------------------------------------------- melting

void Fluid::replaceMelting(const MeltingLine& line, double dT) {
  eq_.melting = line;
  meltShift_ = dT;
}

double Fluid::meltingPressure(double T) const { return eq_.melting.pressure(T - meltShift_); }

double Fluid::meltingTemperature(double P) const {
  double lo = Ttr_, hi = 2 * Ttr_;
  if (!(meltingPressure(lo) < P)) return lo;
  const MeltingLine& m = eq_.melting;
  if (m.type == MeltingLine::Type::Simon) {
    // p = p0 + a ((T/T0)^c - 1) solved for T in the part that holds it.
    for (const MeltingLine::Part& part : m.parts) {
      const double T = part.T0 * std::pow((P - part.p0) / part.a[0] + 1, 1 / part.c) + meltShift_;
      if (&part == &m.parts.back() || T - meltShift_ <= (&part + 1)->Tmin) return T;
    }
  }
  while (meltingPressure(hi) < P && hi < 1e6) lo = hi, hi *= 2;
  // Newton's method with a difference slope, kept inside the bracket.
  double T = (lo + hi) / 2;
  for (int pass = 0; pass < 100; ++pass) {
    const double p = meltingPressure(T);
    if (p < P) lo = T;
    else hi = T;
    const double dT = 1e-7 * T;
    const double slope = (meltingPressure(T + dT) - p) / dT;
    double next = slope > 0 ? T - (p - P) / slope : NAN;
    if (!(next > lo && next < hi)) next = (lo + hi) / 2;
    if (std::fabs(next - T) <= 1e-12 * T) return next;
    T = next;
  }
  return T;
}

}  // namespace tfs::ref
