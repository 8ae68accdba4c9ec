#include "ui/cli/clistate.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <map>

#include "core/base/libguard.h"
#include "core/base/numfmt.h"
#include "core/base/tr.h"
#include "core/process/ranges.h"
#include "core/process/texts.h"
#include "thermo/statehs.h"
#include "thermo/substances.h"
#include "thermo/tfs.h"
#include "ui/cli/cliout.h"
#include "ui/services/messages.h"

namespace app {

namespace {

using proc::SolveStatus;
using tfs::Real;

const char* const kStateOption = "--state";
const char* const kSaturationOption = "--saturation";

// The state's parameters on the command line (no specific volume).
struct Param {
  const char* option;
  int kind;
};
constexpr Param kParams[] = {{"--t", proc::kTemperature}, {"--p", proc::kPressure}, {"--d", proc::kDensity},
                             {"--h", proc::kEnthalpy},    {"--s", proc::kEntropy},  {"--x", proc::kDryness}};

QString stateUsage() {
  return QCoreApplication::translate("State", "свойства состояния:\n"
            "  entrograf --state ВЕЩЕСТВО [--model srk|reference] --t T --p P\n"
            "  пары, как в окне процессов: --t и --p, --t и --x, --p и --h, --p и --s, --p и --x, --d и --t, --h и --s\n"
            "  (T в K, P в МПа, d в кг/м3, h в кДж/кг, s в кДж/(кг.К), x - степень сухости в %)\n"
            "  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air");
}

QString saturationUsage() {
  return QCoreApplication::translate("State", "свойства на линии насыщения:\n"
            "  entrograf --saturation ВЕЩЕСТВО [--model srk|reference] (--t T | --p P)\n"
            "  ВЕЩЕСТВО: He, n-H2, p-H2, Ne, N2, Ar, O2, CO2, CH4, R14, Air");
}

// "OPTION SUBSTANCE [--model M] (--param value)..." among the arguments,
// with the parameters the call takes; false with the reason.
bool readCall(const QStringList& args, const char* option, const QString& usage, const QList<int>& takes,
              ModelCall& call, QList<GivenParam>& given, QString& error) {
  const qsizetype at = args.indexOf(QLatin1String(option));
  if (at < 0 || at + 1 >= args.size() || args[at + 1].startsWith(u'-')) {
    error = QCoreApplication::translate("State", "не указано вещество\n") + usage;
    return false;
  }
  if (!readSubstance(args[at + 1], call.name, error)) return false;
  QStringList rest = args.mid(0, at) + args.mid(at + 2);
  if (!takeModelOption(rest, call.model, error)) return false;
  given.clear();
  std::map<QString, bool> applies;
  for (const Param& p : kParams) applies[QLatin1String(p.option)] = takes.contains(p.kind);
  return readOptions(rest, applies, usage, QCoreApplication::translate("State", " не относится к %1").arg(QLatin1String(option)),
                     [&given](const QString& opt, const QString& value, QString& why) {
                       const Param* p = std::find_if(std::begin(kParams), std::end(kParams),
                                                     [&](const Param& q) { return opt == QLatin1String(q.option); });
                       Real v = 0;
                       if (!readCliNumber(value, v)) {
                         why = opt + QStringLiteral(" \"") + value +
                               QCoreApplication::translate("CommandLine", "\" - не число");
                         return false;
                       }
                       given.append({opt, p->kind, v});
                       return true;
                     },
                     error);
}

QString optionsOf(const QList<GivenParam>& given) {
  QStringList o;
  for (const GivenParam& g : given) o << g.option;
  return o.join(u' ');
}

std::string stateJson(const tfs::Model& m, const StateResult& r) {
  return "{\"model\": \"" + std::string(modelName(m.kind())) + "\", \"substance\": " +
         jsonQuoted(std::string(m.name())) + ", \"T\": " + jsonNumber(r.p.T) + ", \"P\": " + jsonNumber(r.p.P) +
         ", \"d\": " + jsonNumber(r.p.d) + ", \"h\": " + jsonNumber(r.p.i) + ", \"s\": " + jsonNumber(r.p.s) +
         ", \"cp\": " + (r.hasCp ? jsonNumber(r.cp) : "null") +
         ", \"quality\": " + (r.inDome ? jsonNumber(r.quality) : "null") + "}";
}

std::string phaseJson(Real d, Real h, Real s, Real cp) {
  return "{\"d\": " + jsonNumber(d) + ", \"h\": " + jsonNumber(h) + ", \"s\": " + jsonNumber(s) + ", \"cp\": " +
         (cp == tfs::kTwoPhaseCp ? std::string("null") : jsonNumber(cp)) + "}";
}

// Each value given within the window's range for its kind, in the order
// given; false with the window's message after the option.
bool inWindowRanges(const tfs::Model& m, const QList<GivenParam>& given, QString& error) {
  proc::Ranges ranges;
  if (!libraryGuarded([&] { ranges = proc::admissibleRanges(m); })) {
    error = QCoreApplication::translate("State", "состояние не рассчитывается !");
    return false;
  }
  for (const GivenParam& g : given)
    if (!ranges[g.kind].holds(g.value)) {
      error = g.option + QStringLiteral(": ") + QString::fromStdString(proc::rangeMessage(g.kind, ranges[g.kind]));
      return false;
    }
  return true;
}

}  // namespace

bool parseStateArgs(const QStringList& args, StateRequest& req, QString& error) {
  StateRequest r;
  const QList<int> all = {proc::kTemperature, proc::kPressure, proc::kDensity,
                          proc::kEnthalpy,    proc::kEntropy,  proc::kDryness};
  if (!readCall(args, kStateOption, stateUsage(), all, r, r.given, error)) return false;
  if (r.given.size() < 2) {
    error = QCoreApplication::translate("State", "состояние задается двумя параметрами\n") + stateUsage();
    return false;
  }
  if (r.given.size() > 2) {
    error = QCoreApplication::translate("State", "%1: состояние задается одной парой параметров").arg(optionsOf(r.given));
    return false;
  }
  // Either order of an admitted pair: the command line has none.
  const int k0 = r.given[0].kind, k1 = r.given[1].kind;
  if (proc::PairAllowed(k0, k1)) {
    r.first = 0;
  } else if (proc::PairAllowed(k1, k0)) {
    r.first = 1;
  } else {
    error = optionsOf(r.given) + QStringLiteral(": ") + QString::fromStdString(proc::procText(proc::kPairMessage));
    return false;
  }
  req = r;
  return true;
}

bool parseSaturationArgs(const QStringList& args, SaturationRequest& req, QString& error) {
  SaturationRequest r;
  QList<GivenParam> given;
  if (!readCall(args, kSaturationOption, saturationUsage(), {proc::kTemperature, proc::kPressure}, r, given, error))
    return false;
  if (given.size() != 1) {
    error = (given.isEmpty() ? QString() : optionsOf(given) + QStringLiteral(": ")) +
            QCoreApplication::translate("State", "линия насыщения задается либо температурой --t, либо давлением --p");
    return false;
  }
  r.given = given[0];
  req = r;
  return true;
}

SolveStatus solveState(const tfs::Model& m, int first, int second, Real a, Real b, StateResult& r) {
  // A dryness goes to the solver as a fraction.
  const Real fa = proc::ToInternal(first, a), fb = proc::ToInternal(second, b);
  proc::ProcPoint p;
  const SolveStatus st = proc::SolvePair(m, first, second, fa, fb, p);
  if (st != SolveStatus::Solved) return st;
  StateResult out;
  out.p = p;
  // Saturated by construction when the dryness is given; else inside the
  // dome where the model puts both phases.
  if (first == proc::kDryness || second == proc::kDryness) {
    out.inDome = true;
    out.quality = first == proc::kDryness ? fa : fb;
  } else if (p.x > 0 && p.x < 1) {
    out.inDome = true;
    out.quality = 1 - p.x;
  }
  // cp of one phase; inside the dome the isobar is an isotherm (pure fluid)
  // and there is none to give.
  const bool twoPhase = (p.x > 0 && p.x < 1) || (out.inDome && out.quality > 0 && out.quality < 1);
  if (!twoPhase) {
    Real P = 0, h = 0, s = 0, Cp = 0, x = 0;
    m.Phs_Td(p.T, p.d, P, h, s, Cp, x);
    if (Cp != tfs::kTwoPhaseCp && std::isfinite(Cp)) out.hasCp = true, out.cp = Cp;
  }
  r = out;
  return SolveStatus::Solved;
}

int runState(const StateRequest& req, std::string& json, QString& error) {
  const tfs::Model& m = req.eos();
  if (!inWindowRanges(m, req.given, error)) return kStateRefused;
  const GivenParam& a = req.given[req.first];
  const GivenParam& b = req.given[1 - req.first];
  SolveStatus st = SolveStatus::Solved;
  StateResult r;
  const bool ok = libraryGuarded([&] { st = solveState(m, a.kind, b.kind, a.value, b.value, r); });
  if (!ok) {
    error = QCoreApplication::translate("State", "состояние не рассчитывается !");
    return kStateRefused;
  }
  if (st != SolveStatus::Solved) {
    error = QString::fromStdString(proc::refusalMessage(st, m));
    return kStateRefused;
  }
  json = stateJson(m, r);
  return 0;
}

int runSaturation(const SaturationRequest& req, std::string& json, QString& error) {
  const tfs::Model& m = req.eos();
  if (!inWindowRanges(m, {req.given}, error)) return kStateRefused;
  const bool atT = req.given.kind == proc::kTemperature;
  const Real given = req.given.value;
  const SolveStatus st = atT ? proc::SaturatedAtT(m, given) : proc::SaturatedAtP(m, given);
  Real Tv = given, Tl = given, Pv = given, Pl = given, dv, hv, sv, Cpv, dl, hl, sl, Cpl;
  const bool ok = libraryGuarded([&] {
    if (st != SolveStatus::Solved) return;
    if (atT)
      m.dhs2_T(given, Pv, dv, hv, sv, Cpv, Pl, dl, hl, sl, Cpl);
    else
      m.dhs2_P(given, Tv, dv, hv, sv, Cpv, Tl, dl, hl, sl, Cpl);
  });
  if (!ok) {
    error = QCoreApplication::translate("State", "насыщенное состояние не рассчитывается !");
    return kStateRefused;
  }
  if (st != SolveStatus::Solved) {
    error = req.given.option + QStringLiteral(": ") +
            QCoreApplication::translate("State", "Насыщенного состояния нет:\n%1")
                .arg(QString::fromStdString(proc::domeReason(st, m)));
    return kStateRefused;
  }
  const std::string head = "{\"model\": \"" + std::string(modelName(m.kind())) +
                           "\", \"substance\": " + jsonQuoted(std::string(m.name()));
  const std::string line = atT ? ", \"T\": " + jsonNumber(given) + ", \"P_bubble\": " + jsonNumber(Pl) +
                                     ", \"P_dew\": " + jsonNumber(Pv)
                               : ", \"P\": " + jsonNumber(given) + ", \"T_bubble\": " + jsonNumber(Tl) +
                                     ", \"T_dew\": " + jsonNumber(Tv);
  json = head + line + ", \"liquid\": " + phaseJson(dl, hl, sl, Cpl) + ", \"vapour\": " + phaseJson(dv, hv, sv, Cpv) +
         "}";
  return 0;
}

int stateMain(int argc, char** argv, Language lang) {
  return jsonMain(argc, argv, lang, [](const QStringList& args, std::string& json, QString& error) {
    StateRequest req;
    return parseStateArgs(args, req, error) ? runState(req, json, error) : kStateRefused;
  });
}

int saturationMain(int argc, char** argv, Language lang) {
  return jsonMain(argc, argv, lang, [](const QStringList& args, std::string& json, QString& error) {
    SaturationRequest req;
    return parseSaturationArgs(args, req, error) ? runSaturation(req, json, error) : kStateRefused;
  });
}

}  // namespace app
