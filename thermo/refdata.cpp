#include "refdata.h"

#include <algorithm>
#include <cmath>

#include "json.h"

namespace tfs::ref {

using json::Value;

double Ancillary::operator()(double T) const {
  const double theta = std::max(0.0, 1 - T / Tr);
  double sum = 0;
  for (std::size_t i = 0; i < n.size(); ++i) sum += n[i] * std::pow(theta, t[i]);
  if (kind == Kind::LiquidDensity) return reducing * (1 + sum);
  return reducing * std::exp((usingTauR ? Tr / T : 1.0) * sum);
}

double MeltingLine::pressure(double T) const {
  if (parts.empty()) return 0;
  const Part* p = &parts.front();
  for (const Part& q : parts)
    if (T >= q.Tmin) p = &q;
  switch (type) {
    case Type::Simon:
      return p->p0 + p->a[0] * (std::pow(T / p->T0, p->c) - 1);
    case Type::PolynomialInTr: {
      double sum = 1;
      for (std::size_t i = 0; i < p->a.size(); ++i) sum += p->a[i] * (std::pow(T / p->T0, p->t[i]) - 1);
      return p->p0 * sum;
    }
    case Type::PolynomialInTheta: {
      const double th = std::max(0.0, T / p->T0 - 1);
      double sum = 1;
      for (std::size_t i = 0; i < p->a.size(); ++i) sum += p->a[i] * std::pow(th, p->t[i]);
      return p->p0 * sum;
    }
    case Type::None: break;
  }
  return 0;
}

const NamedState* RefData::state(std::string_view name) const {
  for (const NamedState& s : states)
    if (s.name == name) return &s;
  return nullptr;
}

namespace {

// Reads values out of the parsed text; every fault names the path of the
// value ("alphar[1].n") and the file.
class Reader {
 public:
  explicit Reader(std::string_view file) : file_(file) {}

  [[noreturn]] void fail(const std::string& what) const {
    throw DataError("Файл данных " + file_ + ": " + what);
  }

  const Value& member(const Value& obj, std::string_view key, const std::string& path) const {
    const Value* v = obj.find(key);
    if (!v) fail("нет поля " + where(path, key));
    return *v;
  }
  const Value* optional(const Value& obj, std::string_view key) const { return obj.find(key); }

  const Value& object(const Value& obj, std::string_view key, const std::string& path) const {
    const Value& v = member(obj, key, path);
    if (!v.isObject()) wrong(v, where(path, key), "объект");
    return v;
  }

  double number(const Value& obj, std::string_view key, const std::string& path) const {
    const Value& v = member(obj, key, path);
    if (!v.isNumber()) wrong(v, where(path, key), "число");
    return v.number();
  }
  double positive(const Value& obj, std::string_view key, const std::string& path) const {
    const double x = number(obj, key, path);
    if (!(x > 0)) fail(where(path, key) + " должно быть больше нуля");
    return x;
  }

  std::string string(const Value& obj, std::string_view key, const std::string& path) const {
    const Value& v = member(obj, key, path);
    if (!v.isString()) wrong(v, where(path, key), "строка");
    return v.string();
  }

  bool boolean(const Value& obj, std::string_view key, const std::string& path) const {
    const Value& v = member(obj, key, path);
    if (!v.isBool()) wrong(v, where(path, key), "логическое значение");
    return v.boolean();
  }

  std::vector<double> numbers(const Value& obj, std::string_view key, const std::string& path) const {
    const Value& v = member(obj, key, path);
    if (!v.isArray()) wrong(v, where(path, key), "массив чисел");
    std::vector<double> out;
    for (std::size_t i = 0; i < v.items().size(); ++i) {
      const Value& e = v.items()[i];
      if (!e.isNumber()) wrong(e, where(path, key) + "[" + std::to_string(i) + "]", "число");
      out.push_back(e.number());
    }
    return out;
  }

  // An array of the given length (all arrays of one term type are equal).
  std::vector<double> numbers(const Value& obj, std::string_view key, const std::string& path,
                              std::size_t size) const {
    std::vector<double> out = numbers(obj, key, path);
    if (out.size() != size)
      fail(where(path, key) + ": " + std::to_string(out.size()) + " чисел вместо " + std::to_string(size));
    return out;
  }

  // Whole numbers 0..limit (the powers of delta).
  std::vector<int> integers(const Value& obj, std::string_view key, const std::string& path, std::size_t size,
                            int limit) const {
    std::vector<int> out;
    for (double x : numbers(obj, key, path, size)) {
      if (!(x >= 0 && x <= limit && x == std::floor(x)))
        fail(where(path, key) + ": показатель " + format(x) + " не целое число от 0 до " + std::to_string(limit));
      out.push_back(static_cast<int>(x));
    }
    return out;
  }

  static std::string where(const std::string& path, std::string_view key) {
    std::string w(1, '"');
    if (!path.empty()) w.append(path).append(1, '.');
    w.append(key).append(1, '"');
    return w;
  }

 private:
  [[noreturn]] void wrong(const Value& v, const std::string& what, const char* want) const {
    fail(what + " (строка " + std::to_string(v.line()) + "): " + json::kindName(v.kind()) + " вместо: " + want);
  }
  static std::string format(double x) {
    std::string s = std::to_string(x);
    return s;
  }

  std::string file_;
};

std::string item(const std::string& list, std::size_t i) { return list + "[" + std::to_string(i) + "]"; }

void readIdeal(const Reader& rd, const Value& list, RefData& r) {
  if (!list.isArray() || list.items().empty()) rd.fail("\"alpha0\" должно быть непустым массивом");
  IdealPart& ip = r.ideal;
  bool lead = false;
  for (std::size_t i = 0; i < list.items().size(); ++i) {
    const Value& t = list.items()[i];
    const std::string path = item("alpha0", i);
    if (!t.isObject()) rd.fail("\"" + path + "\" должно быть объектом");
    const std::string type = rd.string(t, "type", path);
    if (type == "IdealGasHelmholtzLead") {
      ip.a1 += rd.number(t, "a1", path);
      ip.a2 += rd.number(t, "a2", path);
      lead = true;
    } else if (type == "IdealGasHelmholtzLogTau") {
      ip.logTau += rd.number(t, "a", path);
    } else if (type == "IdealGasHelmholtzPower") {
      const std::vector<double> n = rd.numbers(t, "n", path);
      const std::vector<double> e = rd.numbers(t, "t", path, n.size());
      ip.powN.insert(ip.powN.end(), n.begin(), n.end());
      ip.powT.insert(ip.powT.end(), e.begin(), e.end());
    } else if (type == "IdealGasHelmholtzPlanckEinstein") {
      const std::vector<double> n = rd.numbers(t, "n", path);
      const std::vector<double> th = rd.numbers(t, "t", path, n.size());
      ip.planckN.insert(ip.planckN.end(), n.begin(), n.end());
      ip.planckTheta.insert(ip.planckTheta.end(), th.begin(), th.end());
    } else if (type == "IdealGasHelmholtzPlanckEinsteinFunctionT") {
      const std::vector<double> n = rd.numbers(t, "n", path);
      const std::vector<double> v = rd.numbers(t, "v", path, n.size());
      const double Tc = rd.positive(t, "Tcrit", path);
      // exp(-v tau / Tcrit) = exp(-(v Tr / Tcrit) / T) in tau = Tr / T.
      for (std::size_t k = 0; k < n.size(); ++k) {
        ip.planckN.push_back(n[k]);
        ip.planckTheta.push_back(v[k] / Tc);
      }
    } else if (type == "IdealGasHelmholtzPlanckEinsteinGeneralized") {
      const std::vector<double> n = rd.numbers(t, "n", path);
      const std::vector<double> c = rd.numbers(t, "c", path, n.size());
      const std::vector<double> d = rd.numbers(t, "d", path, n.size());
      const std::vector<double> e = rd.numbers(t, "t", path, n.size());
      for (std::size_t k = 0; k < n.size(); ++k) {
        if (!(d[k] > 0 && c[k] >= 0)) rd.fail("\"" + path + "\": нужны c >= 0 и d > 0");
        ip.general.push_back({n[k], c[k], d[k], e[k]});
      }
    } else if (type == "IdealGasHelmholtzCP0PolyT") {
      const std::vector<double> c = rd.numbers(t, "c", path);
      const std::vector<double> e = rd.numbers(t, "t", path, c.size());
      ip.cp0C.insert(ip.cp0C.end(), c.begin(), c.end());
      ip.cp0T.insert(ip.cp0T.end(), e.begin(), e.end());
      ip.cp0T0 = rd.positive(t, "T0", path);
    } else {
      rd.fail("неизвестный вид члена \"" + type + "\" в \"" + path + "\"");
    }
  }
  if (!lead) rd.fail("в \"alpha0\" нет члена IdealGasHelmholtzLead (ln delta)");
  // A term planck theta tau must keep 1 - exp(-theta tau) in (0, 1).
  for (double th : ip.planckTheta)
    if (!(th > 0)) rd.fail("в \"alpha0\" показатель Планка-Эйнштейна не больше нуля");
}

int slotOf(RefData& r, int l, double g) {
  for (std::size_t i = 0; i < r.slots.size(); ++i)
    if (r.slots[i].l == l && r.slots[i].g == g) return static_cast<int>(i);
  r.slots.push_back({l, g});
  return static_cast<int>(r.slots.size() - 1);
}

void readResidual(const Reader& rd, const Value& list, RefData& r) {
  if (!list.isArray() || list.items().empty()) rd.fail("\"alphar\" должно быть непустым массивом");
  for (std::size_t i = 0; i < list.items().size(); ++i) {
    const Value& t = list.items()[i];
    const std::string path = item("alphar", i);
    if (!t.isObject()) rd.fail("\"" + path + "\" должно быть объектом");
    const std::string type = rd.string(t, "type", path);
    const std::vector<double> n = rd.numbers(t, "n", path);
    const std::size_t m = n.size();
    if (type == "ResidualHelmholtzPower" || type == "ResidualHelmholtzExponential") {
      const bool expo = type == "ResidualHelmholtzExponential";
      const std::vector<int> d = rd.integers(t, "d", path, m, kMaxDensityPower);
      const std::vector<double> e = rd.numbers(t, "t", path, m);
      const std::vector<int> l = rd.integers(t, "l", path, m, kMaxDensityPower);
      const std::vector<double> g = expo ? rd.numbers(t, "g", path, m) : std::vector<double>(m, 1.0);
      for (std::size_t k = 0; k < m; ++k) {
        PowerTerm p{n[k], e[k], d[k], l[k], l[k] == 0 ? 0.0 : g[k], -1};
        if (p.l > 0) p.slot = slotOf(r, p.l, p.g);
        r.power.push_back(p);
        r.maxD = std::max(r.maxD, p.d);
      }
    } else if (type == "ResidualHelmholtzGaussian") {
      const std::vector<int> d = rd.integers(t, "d", path, m, kMaxDensityPower);
      const std::vector<double> e = rd.numbers(t, "t", path, m);
      const std::vector<double> eta = rd.numbers(t, "eta", path, m);
      const std::vector<double> eps = rd.numbers(t, "epsilon", path, m);
      const std::vector<double> beta = rd.numbers(t, "beta", path, m);
      const std::vector<double> gam = rd.numbers(t, "gamma", path, m);
      for (std::size_t k = 0; k < m; ++k) {
        if (!(eta[k] >= 0 && beta[k] >= 0)) rd.fail("\"" + path + "\": eta и beta должны быть не меньше нуля");
        r.gauss.push_back({n[k], e[k], d[k], eta[k], eps[k], beta[k], gam[k]});
        r.maxD = std::max(r.maxD, d[k]);
      }
    } else if (type == "ResidualHelmholtzNonAnalytic") {
      const std::vector<double> a = rd.numbers(t, "a", path, m), b = rd.numbers(t, "b", path, m);
      const std::vector<double> beta = rd.numbers(t, "beta", path, m);
      const std::vector<double> A = rd.numbers(t, "A", path, m), B = rd.numbers(t, "B", path, m);
      const std::vector<double> C = rd.numbers(t, "C", path, m), D = rd.numbers(t, "D", path, m);
      for (std::size_t k = 0; k < m; ++k) {
        // The derivatives stay finite at delta = 1 only for these ranges.
        if (!(a[k] >= 2 && b[k] > 0 && beta[k] > 0 && beta[k] <= 0.5 && C[k] > 0 && D[k] > 0))
          rd.fail("\"" + path + "\": нужны a >= 2, b > 0, 0 < beta <= 0.5, C > 0, D > 0");
        r.critical.push_back({n[k], a[k], b[k], beta[k], A[k], B[k], C[k], D[k]});
      }
    } else {
      rd.fail("неизвестный вид члена \"" + type + "\" в \"" + path + "\"");
    }
  }
  for (PowerTerm& p : r.power) {
    const auto at = std::find(r.tauExponents.begin(), r.tauExponents.end(), p.t);
    p.tau = static_cast<int>(at - r.tauExponents.begin());
    if (at == r.tauExponents.end()) r.tauExponents.push_back(p.t);
  }
  if (r.critical.size() > static_cast<std::size_t>(kMaxCriticalTerms))
    rd.fail("в \"alphar\" больше " + std::to_string(kMaxCriticalTerms) + " неаналитических членов");
  if (r.slots.size() > static_cast<std::size_t>(kMaxExpSlots))
    rd.fail("в \"alphar\" больше " + std::to_string(kMaxExpSlots) + " разных exp(-g delta^l)");
  const std::size_t count = r.power.size() + r.gauss.size();
  if (count > static_cast<std::size_t>(kMaxResidualTerms))
    rd.fail("в \"alphar\" " + std::to_string(count) + " членов, больше " + std::to_string(kMaxResidualTerms));
}

Ancillary readAncillary(const Reader& rd, const Value& obj, const std::string& path, Ancillary::Kind kind) {
  Ancillary a;
  a.present = true;
  a.kind = kind;
  const std::string type = rd.string(obj, "type", path);
  const bool ok = kind == Ancillary::Kind::Pressure        ? (type == "pL" || type == "pV")
                  : kind == Ancillary::Kind::LiquidDensity ? type == "rhoLnoexp"
                                                           : type == "rhoV";
  if (!ok) rd.fail("неизвестный вид вспомогательного уравнения \"" + type + "\" в \"" + path + "\"");
  a.Tr = rd.positive(obj, "T_r", path);
  a.reducing = rd.positive(obj, "reducing_value", path);
  a.usingTauR = rd.boolean(obj, "using_tau_r", path);
  a.n = rd.numbers(obj, "n", path);
  a.t = rd.numbers(obj, "t", path, a.n.size());
  if (a.n.empty()) rd.fail("\"" + path + ".n\" пусто");
  for (double t : a.t)
    if (!(t >= 0)) rd.fail("\"" + path + ".t\": показатель меньше нуля");
  return a;
}

void readMelting(const Reader& rd, const Value& obj, RefData& r) {
  const std::string path = "ancillaries.melting_line";
  MeltingLine& m = r.melting;
  const std::string type = rd.string(obj, "type", path);
  if (type == "Simon") m.type = MeltingLine::Type::Simon;
  else if (type == "polynomial_in_Tr") m.type = MeltingLine::Type::PolynomialInTr;
  else if (type == "polynomial_in_Theta") m.type = MeltingLine::Type::PolynomialInTheta;
  else rd.fail("неизвестный вид линии плавления \"" + type + "\"");
  const Value& parts = rd.member(obj, "parts", path);
  if (!parts.isArray() || parts.items().empty()) rd.fail("\"" + path + ".parts\" должно быть непустым массивом");
  for (std::size_t i = 0; i < parts.items().size(); ++i) {
    const Value& p = parts.items()[i];
    const std::string pp = item(path + ".parts", i);
    if (!p.isObject()) rd.fail("\"" + pp + "\" должно быть объектом");
    MeltingLine::Part part;
    part.T0 = rd.positive(p, "T_0", pp);
    part.p0 = rd.number(p, "p_0", pp);
    part.Tmin = rd.positive(p, "T_min", pp);
    part.Tmax = rd.positive(p, "T_max", pp);
    if (m.type == MeltingLine::Type::Simon) {
      part.a = {rd.number(p, "a", pp)};
      part.c = rd.positive(p, "c", pp);
    } else {
      part.a = rd.numbers(p, "a", pp);
      part.t = rd.numbers(p, "t", pp, part.a.size());
    }
    if (!m.parts.empty() && !(part.Tmin >= m.parts.back().Tmin)) rd.fail("\"" + pp + "\": части не по порядку T_min");
    m.parts.push_back(std::move(part));
  }
}

NamedState readState(const Reader& rd, const Value& obj, const std::string& name) {
  const std::string path = "states." + name;
  NamedState s;
  s.name = name;
  s.T = rd.positive(obj, "T", path);
  s.p = rd.positive(obj, "p", path);
  s.rho = rd.positive(obj, "rhomolar", path);
  return s;
}

}  // namespace

RefData readRefData(std::string_view file, std::string_view text) {
  const Reader rd(file);
  Value root;
  try {
    root = json::parse(text);
  } catch (const json::JsonError& e) {
    rd.fail(e.what());
  }
  if (!root.isObject()) rd.fail("текст должен быть объектом JSON");

  RefData r;
  r.file = std::string(file);
  r.substance = rd.string(root, "substance", "");
  r.equation = rd.string(root, "equation", "");
  r.pseudoPure = rd.boolean(root, "pseudo_pure", "");
  r.R = rd.positive(root, "gas_constant", "");
  r.M = rd.positive(root, "molar_mass", "");
  if (rd.string(root, "gas_constant_units", "") != "J/(mol K)") rd.fail("\"gas_constant_units\" не J/(mol K)");
  if (rd.string(root, "molar_mass_units", "") != "kg/mol") rd.fail("\"molar_mass_units\" не kg/mol");
  const Value& red = rd.object(root, "reducing", "");
  r.Tr = rd.positive(red, "T", "reducing");
  r.rhor = rd.positive(red, "rhomolar", "reducing");
  r.Ttriple = rd.positive(root, "Ttriple", "");
  r.Tmax = rd.positive(root, "T_max", "");
  r.pmax = rd.positive(root, "p_max", "");
  if (!(r.Tmax > r.Ttriple)) rd.fail("\"T_max\" не выше \"Ttriple\"");

  readIdeal(rd, rd.member(root, "alpha0", ""), r);
  readResidual(rd, rd.member(root, "alphar", ""), r);

  const Value& states = rd.object(root, "states", "");
  for (const auto& [name, v] : states.members()) {
    if (!v.isObject()) rd.fail("\"states." + name + "\" должно быть объектом");
    r.states.push_back(readState(rd, v, name));
  }
  for (const char* need : {"critical", "triple_liquid", "triple_vapor"})
    if (!r.state(need)) rd.fail(std::string("нет состояния \"states.") + need + "\"");
  r.criticalPoint = *r.state("critical");
  if (!(r.criticalPoint.T > r.Ttriple)) rd.fail("критическая температура не выше \"Ttriple\"");

  const Value& anc = rd.object(root, "ancillaries", "");
  auto ancillary = [&](const char* key, Ancillary::Kind kind) {
    return readAncillary(rd, rd.object(anc, key, "ancillaries"), std::string("ancillaries.") + key, kind);
  };
  if (r.pseudoPure) {
    r.pL = ancillary("pL", Ancillary::Kind::Pressure);
    r.pV = ancillary("pV", Ancillary::Kind::Pressure);
  } else {
    r.pS = ancillary("pS", Ancillary::Kind::Pressure);
  }
  r.rhoL = ancillary("rhoL", Ancillary::Kind::LiquidDensity);
  r.rhoV = ancillary("rhoV", Ancillary::Kind::VapourDensity);
  if (const Value* m = rd.optional(anc, "melting_line")) {
    if (!m->isObject()) rd.fail("\"ancillaries.melting_line\" должно быть объектом");
    readMelting(rd, *m, r);
  }
  return r;
}

}  // namespace tfs::ref
