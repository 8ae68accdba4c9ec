// A state and the saturation line from the command line, run as the program
// itself with no display: published values of the reference equations, the
// lever rule inside the dome, every pair kind giving back the state it came
// from, and every refusal on standard error with exit code 2.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "cli_support.h"

namespace {

QStringList words(const QString& line) { return line.split(u' ', Qt::SkipEmptyParts); }

QString num(double v) { return QString::number(v, 'g', 17); }

// The JSON object of a call that must succeed.
QJsonObject answer(const QString& line) {
  const ProgramRun r = runProgram(words(line));
  EXPECT_EQ(r.rc, 0) << line.toStdString() << ": " << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << line.toStdString() << ": " << r.err.toStdString();
  QJsonParseError e;
  const QJsonObject j = QJsonDocument::fromJson(r.out, &e).object();
  EXPECT_EQ(e.error, QJsonParseError::NoError) << line.toStdString() << ": " << r.out.toStdString();
  return j;
}

double at(const QJsonObject& j, const char* phase, const char* key) { return j[phase].toObject()[key].toDouble(); }

TEST(CliState, PublishedValuesOfTheModels) {
  using Value = std::function<double(const QJsonObject&)>;
  const Value Tb = [](const QJsonObject& j) { return j["T_bubble"].toDouble(); };
  const Value Td = [](const QJsonObject& j) { return j["T_dew"].toDouble(); };
  const Value latent = [](const QJsonObject& j) { return at(j, "vapour", "h") - at(j, "liquid", "h"); };
  const Value dl = [](const QJsonObject& j) { return at(j, "liquid", "d"); };
  const Value d = [](const QJsonObject& j) { return j["d"].toDouble(); };
  const Value cp = [](const QJsonObject& j) { return j["cp"].toDouble(); };
  const Value P = [](const QJsonObject& j) { return j["P"].toDouble(); };
  struct Expected {
    Value value;
    double expected, tol;
  };
  struct Case {
    const char* line;
    std::vector<Expected> values;
  };
  const Case cases[] = {
      // Normal boiling points of Span et al. (N2), Tegeler et al. (Ar),
      // Schmidt and Wagner (O2).
      {"--saturation N2 --model reference --p 0.101325",
       {{Tb, 77.355, 5e-4}, {Td, 77.355, 5e-4}, {latent, 199.18, 5e-3}, {dl, 806.08, 5e-3}}},
      {"--saturation Ar --model reference --p 0.101325", {{Tb, 87.302, 5e-4}, {latent, 161.14, 5e-3}}},
      {"--saturation O2 --model reference --p 0.101325", {{Tb, 90.188, 5e-4}, {latent, 213.06, 5e-3}}},
      // Air at one atmosphere (Lemmon et al.): bubble and dew points apart.
      {"--saturation Air --model reference --p 0.101325", {{Tb, 78.903, 5e-4}, {Td, 81.720, 5e-4}}},
      // Nitrogen gas at 300 K and 0.1 MPa; CO2's critical point (304.1282 K,
      // 467.6 kg/m3, 7.3773 MPa).
      {"--state N2 --model reference --t 300 --p 0.1", {{d, 1.1233, 5e-5}, {cp, 1.0413, 5e-5}}},
      {"--state CO2 --model reference --d 467.6 --t 304.1282", {{P, 7.3773, 5e-5}}},
      // The cubic model, the default, within its own accuracy.
      {"--saturation N2 --p 0.101325", {{Tb, 77.355, 0.01}}},
      {"--state N2 --t 300 --p 0.1", {{d, 1.1233, 1e-3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const QJsonObject j = answer(QString::fromLatin1(c.line));
    for (const Expected& e : c.values) EXPECT_NEAR(e.value(j), e.expected, e.tol);
    EXPECT_EQ(j["model"].toString(), QString::fromLatin1(std::strstr(c.line, "reference") ? "reference" : "srk"));
  }
  // The shapes: a state, the saturation at a temperature and at a pressure.
  EXPECT_EQ(answer("--state N2 --t 300 --p 0.1").keys(),
            (QStringList{"P", "T", "cp", "d", "h", "model", "quality", "s", "substance"}));
  EXPECT_EQ(answer("--saturation N2 --t 80").keys(),
            (QStringList{"P_bubble", "P_dew", "T", "liquid", "model", "substance", "vapour"}));
  const QJsonObject sat = answer("--saturation N2 --model srk --p 0.1");
  EXPECT_EQ(sat.keys(), (QStringList{"P", "T_bubble", "T_dew", "liquid", "model", "substance", "vapour"}));
  EXPECT_EQ(sat["liquid"].toObject().keys(), (QStringList{"cp", "d", "h", "s"}));
  EXPECT_EQ(sat["vapour"].toObject().keys(), (QStringList{"cp", "d", "h", "s"}));
}

TEST(CliState, AirBoilsFromItsBubbleToItsDewPoint) {
  for (const char* model : {"srk", "reference"}) {
    SCOPED_TRACE(model);
    const QString m = QString::fromLatin1(model);
    const QJsonObject n2 = answer("--saturation N2 --model " + m + " --t 80");
    EXPECT_EQ(n2["P_bubble"].toDouble(), n2["P_dew"].toDouble());
    const QJsonObject air = answer("--saturation Air --model " + m + " --t 80");
    EXPECT_GT(air["P_bubble"].toDouble(), air["P_dew"].toDouble() * 1.2);
    // At the dew pressure of a temperature the dew point is that temperature.
    const QJsonObject dew = answer("--saturation Air --model " + m + " --p " + num(air["P_dew"].toDouble()));
    EXPECT_NEAR(dew["T_dew"].toDouble(), 80, 1e-4);
    EXPECT_LT(dew["T_bubble"].toDouble(), 79);
  }
  // CO2 just below the critical pressure of the reference equation.
  const QJsonObject co2 = answer("--saturation CO2 --model reference --p 7.37");
  EXPECT_GT(at(co2, "liquid", "d"), at(co2, "vapour", "d") + 50);
  EXPECT_LT(co2["T_bubble"].toDouble(), 304.1282);
}

// Inside the dome a state is the lever rule between the saturated phases at
// its pressure (air between its bubble and dew points), and the dryness in
// percent is its quality; outside, quality is null and cp a number.
TEST(CliState, QualityIsTheLeverRuleInsideTheDome) {
  struct Case {
    const char* substance;
    const char* model;
    double P;
  };
  const Case cases[] = {{"N2", "srk", 0.5},    {"N2", "reference", 0.5}, {"CO2", "reference", 7.0},
                        {"He", "srk", 0.15},   {"Air", "reference", 0.3}, {"Air", "srk", 0.3},
                        {"CH4", "reference", 1}};
  for (const Case& c : cases) {
    const QString base = QStringLiteral("--state %1 --model %2 --p %3 ").arg(c.substance, c.model, num(c.P));
    const QJsonObject sat = answer(QStringLiteral("--saturation %1 --model %2 --p %3").arg(c.substance, c.model, num(c.P)));
    const double hl = at(sat, "liquid", "h"), hv = at(sat, "vapour", "h"), sl = at(sat, "liquid", "s"),
                 sv = at(sat, "vapour", "s"), dl = at(sat, "liquid", "d"), dv = at(sat, "vapour", "d");
    for (const double q : {0.0, 0.1, 0.5, 0.9, 1.0}) {
      SCOPED_TRACE(base.toStdString() + " q=" + std::to_string(q));
      const QJsonObject byX = answer(base + "--x " + num(100 * q));
      const QJsonObject byH = answer(base + "--h " + num(hl + q * (hv - hl)));
      EXPECT_EQ(byX["quality"].toDouble(), q);
      for (const QJsonObject& j : {byX, byH}) {
        EXPECT_NEAR(j["h"].toDouble(), hl + q * (hv - hl), 1e-9 * (1 + std::fabs(hv)));
        EXPECT_NEAR(j["s"].toDouble(), sl + q * (sv - sl), 1e-9);
        EXPECT_NEAR(1 / j["d"].toDouble(), q / dv + (1 - q) / dl, 1e-9 / dv);
        EXPECT_GE(j["T"].toDouble(), sat["T_bubble"].toDouble() - 1e-9);
        EXPECT_LE(j["T"].toDouble(), sat["T_dew"].toDouble() + 1e-9);
      }
      if (q > 0 && q < 1) {
        EXPECT_NEAR(byH["quality"].toDouble(), q, 1e-9);
        EXPECT_TRUE(byX["cp"].isNull());
        EXPECT_TRUE(byH["cp"].isNull());
      }
    }
  }
  // Outside the dome: gas, compressed liquid, above the critical point.
  for (const char* line : {"--state N2 --t 300 --p 0.1", "--state N2 --model reference --t 90 --p 5",
                           "--state CO2 --model reference --t 350 --p 10", "--state Air --p 0.1 --t 70",
                           "--state CO2 --model reference --t 304.13 --p 7.3773"}) {
    SCOPED_TRACE(line);
    const QJsonObject j = answer(QString::fromLatin1(line));
    EXPECT_TRUE(j["quality"].isNull());
    EXPECT_GT(j["cp"].toDouble(), 0);
  }
}

// The state of every start, found again from each pair the window admits,
// within twice the accuracy of the model's searches: R/100 in h or R/1000
// in s (R the gas constant), the one carried to the other by dh = T ds.
TEST(CliState, EveryPairGivesBackTheState) {
  struct Start {
    const char* line;
    double R;  // kJ/(kg K)
  };
  const Start starts[] = {
      {"N2 --model srk --t 300 --p 0.1", 0.2968},       {"N2 --model reference --t 300 --p 0.1", 0.2968},
      {"N2 --model srk --t 90 --p 5", 0.2968},          {"N2 --model reference --t 90 --p 5", 0.2968},
      {"CO2 --model srk --t 350 --p 10", 0.1889},       {"CO2 --model reference --t 350 --p 10", 0.1889},
      {"He --model srk --t 10 --p 0.5", 2.0771},        {"He --model reference --t 10 --p 0.5", 2.0771},
      {"Air --model reference --t 300 --p 1", 0.2871},  {"R14 --model reference --t 200 --p 2", 0.0945},
      {"N2 --model srk --p 0.5 --x 40", 0.2968},        {"N2 --model reference --p 0.5 --x 40", 0.2968},
      {"CO2 --model reference --p 5 --x 60", 0.1889},   {"Ar --model reference --t 100 --x 20", 0.2081},
      {"p-H2 --model srk --p 0.2 --x 50", 4.1243},      {"He --model reference --p 0.1 --x 50", 2.0771},
  };
  for (const Start& start : starts) {
    const QString subst = QString::fromLatin1(start.line).section(u' ', 0, 2);
    const QJsonObject s = answer("--state " + QString::fromLatin1(start.line));
    auto v = [&](const char* key) { return num(s[key].toDouble()); };
    QStringList pairs = {"--p " + v("P") + " --h " + v("h"), "--s " + v("s") + " --p " + v("P"),
                         "--d " + v("d") + " --t " + v("T"), "--t " + v("T") + " --d " + v("d"),
                         "--h " + v("h") + " --s " + v("s")};
    const bool wet = !s["quality"].isNull();
    if (wet) {
      const QString x = num(100 * s["quality"].toDouble());
      pairs << "--t " + v("T") + " --x " + x << "--x " + x + " --p " + v("P");
    } else {
      pairs << "--p " + v("P") + " --t " + v("T");
    }
    for (const QString& pair : pairs) {
      SCOPED_TRACE(std::string(start.line) + " -> " + pair.toStdString());
      const QJsonObject r = answer("--state " + subst + ' ' + pair);
      for (const char* key : {"T", "P", "d"})
        EXPECT_NEAR(r[key].toDouble(), s[key].toDouble(), 5e-4 * std::fabs(s[key].toDouble())) << key;
      const double T = s["T"].toDouble();
      EXPECT_NEAR(r["h"].toDouble(), s["h"].toDouble(), start.R / 50 + T * start.R / 500);
      EXPECT_NEAR(r["s"].toDouble(), s["s"].toDouble(), start.R / 500 + start.R / 50 / T);
      EXPECT_EQ(r["quality"].isNull(), !wet);
      if (wet) {
        EXPECT_NEAR(r["quality"].toDouble(), s["quality"].toDouble(), 1e-4);
      }
    }
  }
}

TEST(CliState, RefusalsOnStandardErrorWithExitCodeTwo) {
  struct Case {
    const char* line;
    const char* says;
  };
  const Case cases[] = {
      {"--state N2 --model pr --t 300 --p 0.1", "неизвестная модель \"pr\"; допустимы: srk, reference"},
      {"--saturation N2 --t 80 --model", "после --model нет модели"},
      {"--state N2 --model reference --model srk --t 300 --p 0.1", "--model указан дважды"},
      {"--state Xe --t 300 --p 0.1", "неизвестное вещество \"Xe\""},
      {"--state --t 300 --p 0.1", "не указано вещество"},
      {"--state N2 --t 300 --s 6", "--t --s: Принятое Вами сочетание параметров\nне разрешено в данной программе."},
      {"--state N2 --x 50 --h 100", "--x --h: Принятое Вами сочетание параметров"},
      {"--state N2 --d 5 --p 1", "--d --p: Принятое Вами сочетание параметров"},
      {"--state N2 --t 700 --p 0.1", "--t: Температура должна быть в пределах\nот 63,15 до 600,00 K !"},
      {"--state N2 --model reference --p 0.1 --x 120", "--x: Степень сухости должна быть в пределах"},
      {"--state N2 --p 0.1 --h 1e6", "--h: Энтальпия должна быть в пределах"},
      {"--state N2 --t 300 --p 0.1 --h 300", "--t --p --h: состояние задается одной парой параметров"},
      {"--state N2 --t 300 --p 0.1 --h 300 --s 6", "--t --p --h --s: состояние задается одной парой параметров"},
      {"--state N2 --t 300 --p", "после --p нет значения"},
      {"--state N2 --t 300", "состояние задается двумя параметрами"},
      {"--state N2 --t 300 --t 301", "--t указан дважды"},
      {"--state N2 --t 3O0 --p 0.1", "--t \"3O0\" - не число"},
      {"--state N2 --t 300 --p 0.1 --eta 1", "непонятный аргумент \"--eta\""},
      {"--state N2 --model reference --h 600 --s 2.5", "Состояния с заданными энтальпией и энтропией"},
      {"--state N2 --model reference --t 130 --x 50",
       "Степень сухости задается только для влажного пара:\nтемпература должна быть ниже критической (Ткр = 126,19 K)."},
      {"--state CO2 --model reference --p 7.3773 --x 50", "давление должно быть ниже критического (Ркр = 7,377 МПа)."},
      {"--state O2 --model reference --t 300 --p 90", "--p: Давление должно быть в пределах\nот 0,000001 до 80,00 МПа"},
      {"--saturation N2 --t 80 --p 0.1", "--t --p: линия насыщения задается либо температурой --t, либо давлением --p"},
      {"--saturation N2", "линия насыщения задается либо температурой --t, либо давлением --p"},
      {"--saturation N2 --h 80", "--h не относится к --saturation"},
      {"--saturation N2 --model reference --t 130", "--t: Насыщенного состояния нет:\nтемпература должна быть ниже критической"},
      {"--saturation CO2 --model reference --p 7.3773", "(Ркр = 7,377 МПа)"},
      {"--saturation CO2 --model reference --t 304.15", "(Ткр = 304,13 K)"},
      {"--saturation N2 --p 0.01", "ниже давления тройной точки (Ртр = 0,01253 МПа)"},
      {"--saturation N2 --t 50", "--t: Температура должна быть в пределах"},
      // Options without their call, two calls, --model where it is not read yet.
      {"--t 300 --p 0.1", "--t задается только с --state или --saturation"},
      {"--model reference", "--model задается только с --export-diagram, --device, --cycle, --state или --saturation"},
      {"--state N2 --saturation N2 --t 80", "не задаются вместе"},
      {"--device throttle N2 --p1 1 --t1 300 --p2 0.1 --model pr", "неизвестная модель \"pr\""},
  };
  for (const Case& c : cases) {
    const ProgramRun r = runProgram(words(QString::fromLatin1(c.line)));
    EXPECT_EQ(r.rc, 2) << c.line;
    EXPECT_TRUE(r.out.isEmpty()) << c.line << ": " << r.out.toStdString();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QString::fromUtf8(c.says))) << c.line << ": " << r.err.toStdString();
  }
}

TEST(CliState, HelpNamesBothCallsInBothLanguages) {
  const ProgramRun en = runProgram({"--lang", "en", "--help"});
  const ProgramRun ru = runProgram({"--lang", "ru", "--help"});
  ASSERT_EQ(en.rc, 0);
  ASSERT_EQ(ru.rc, 0);
  // The option texts wrap: read as words.
  const QString enText = QString::fromUtf8(en.out).simplified(), ruText = QString::fromUtf8(ru.out).simplified();
  for (const char* word : {"--state SUBSTANCE [--model srk|reference] --t T --p P",
                           "--saturation SUBSTANCE [--model srk|reference] (--t T | --p P)", "--x X (dryness in percent",
                           "--model <srk|reference>"})
    EXPECT_TRUE(enText.contains(QString::fromUtf8(word))) << word;
  for (const char* word : {"--state ВЕЩЕСТВО [--model srk|reference]", "--x X (степень сухости в процентах"})
    EXPECT_TRUE(ruText.contains(QString::fromUtf8(word))) << word;
  // The English help and refusals hold no Russian letter.
  const ProgramRun refused = runProgram({"--lang", "en", "--state", "N2", "--t", "130", "--x", "50"});
  EXPECT_EQ(refused.rc, 2);
  for (const ProgramRun& r : {en, refused})
    for (const QChar ch : QString::fromUtf8(r.out + r.err)) EXPECT_FALSE(ch >= u'\u0400' && ch <= u'\u04ff') << r.err.toStdString();
}

}  // namespace
