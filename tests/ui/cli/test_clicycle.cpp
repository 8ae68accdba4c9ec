// A liquefaction cycle from the command line, run as the program itself with
// no display: one JSON object whose exergy adds up, no liquid said in words,
// refusals on standard error with exit code 2.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

#include "cli_support.h"
#include "thermo/model.h"
#include "thermo/substances.h"

namespace {

using Outcome = ProgramRun;

Outcome run(const char* line) { return runProgram(QString::fromLatin1(line).split(u' ')); }

TEST(CliCycle, OneJsonObjectWhoseExergyAddsUp) {
  const struct {
    const char* args;
    int states;
    double ylo, yhi;
    QStringList parts;
  } cases[] = {
      {"--cycle linde N2", 7, 0.066, 0.0708,
       {"compressor", "heat_exchanger_1", "separator", "valve", "warm_end_mixing"}},
      {"--cycle linde-precooled n-H2 --tpre 77 --phigh 10 --dt 1", 10, 0.05, 0.3,
       {"compressor", "heat_exchanger_1", "heat_exchanger_2", "precooling_bath", "separator", "valve",
        "warm_end_mixing"}},
      {"--cycle claude Ar --xe 0.3 --t3 241 --eta-s 0.8 --eta-t 0.7 --leak 1", 13, 0.1, 0.3,
       {"compressor", "expander", "heat_exchanger_1", "heat_exchanger_2", "heat_exchanger_3", "separator", "valve",
        "warm_end_mixing"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const Outcome o = run(c.args);
    ASSERT_EQ(o.rc, 0) << o.err.toStdString();
    EXPECT_TRUE(o.err.isEmpty()) << o.err.toStdString();
    QJsonParseError e;
    const QJsonObject j = QJsonDocument::fromJson(o.out, &e).object();
    ASSERT_EQ(e.error, QJsonParseError::NoError) << o.out.toStdString();
    EXPECT_EQ(j.keys(), (QStringList{"exergy_destroyed", "fom", "ideal_work", "message", "model", "states",
                                     "work_per_kg_compressed", "work_per_kg_liquid", "yield"}));
    EXPECT_EQ(j["model"].toString(), QStringLiteral("srk"));
    const QJsonArray states = j["states"].toArray();
    ASSERT_EQ(states.size(), c.states);
    EXPECT_EQ(states[0].toObject().keys(), (QStringList{"P", "T", "flow", "h", "n", "s", "x"}));
    for (int k = 0; k < c.states; ++k) EXPECT_EQ(states[k].toObject()["n"].toInt(), k + 1);
    const double y = j["yield"].toDouble(), W = j["work_per_kg_compressed"].toDouble(),
                 Wf = j["work_per_kg_liquid"].toDouble(), Wi = j["ideal_work"].toDouble();
    EXPECT_GT(y, c.ylo);
    EXPECT_LT(y, c.yhi);
    EXPECT_NEAR(Wf, W / y, 1e-9 * Wf);
    EXPECT_NEAR(j["fom"].toDouble(), Wi / Wf, 1e-12);
    const QJsonObject ex = j["exergy_destroyed"].toObject();
    EXPECT_EQ(ex.keys(), c.parts);
    double sum = 0;
    // No component destroys less than nothing, not even by a rounding's sign.
    for (const QString& k : ex.keys()) {
      sum += ex[k].toDouble();
      EXPECT_GE(ex[k].toDouble(), 0) << k.toStdString();
    }
    EXPECT_FALSE(o.out.contains("inf") || o.out.contains("nan")) << o.out.toStdString();
    EXPECT_NEAR(sum, Wf - Wi, 1e-9 * Wf);
  }
}

TEST(CliCycle, NoLiquidIsAnAnswerAndBadDataAreRefused) {
  const Outcome none = run("--cycle linde He");
  ASSERT_EQ(none.rc, 0) << none.err.toStdString();
  const QJsonObject j = QJsonDocument::fromJson(none.out).object();
  EXPECT_EQ(j["yield"].toDouble(-1), 0);
  EXPECT_TRUE(j["work_per_kg_liquid"].isNull());
  EXPECT_TRUE(j["fom"].isNull());
  EXPECT_TRUE(j["message"].toString().contains(QStringLiteral("инверсии")));
  EXPECT_GT(j["ideal_work"].toDouble(), 6000);

  const struct {
    const char* args;
    const char* says;
  } refused[] = {
      {"--cycle claude N2 --xe 1", "Доля потока на детандер"},
      {"--cycle linde N2 --plow 25", "Низкое давление должно быть ниже высокого"},
      {"--cycle linde He --phigh 20", "давление выше 10"},
      {"--cycle linde N2 --tpre 77", "--tpre не относится к циклу linde"},
      {"--cycle linde N2 --dt 1 --dt 2", "--dt указан дважды"},
      {"--cycle stirling N2", "неизвестный цикл"},
      {"--cycle linde Xe", "неизвестное вещество"},
      {"--cycle linde N2 --phigh abc", "не число"},
      // What would print an infinite work, a reversed exchanger, surroundings
      // below the separator's in-leak or so cold that Wi < 0.
      {"--cycle linde N2 --eta-t 1e-308", "Изотермический КПД должен быть не меньше 0"},
      {"--cycle claude N2 --t3 140 --xe 0.1", "Теплообменник 2 работает в обратную сторону"},
      {"--cycle linde CH4 --leak 10 --t0 105", "отделителе"},
      {"--cycle linde N2 --t0 77.4", "должна быть выше 107"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.args);
    const Outcome o = run(c.args);
    EXPECT_EQ(o.rc, 2);
    EXPECT_TRUE(o.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(o.err).contains(QString::fromUtf8(c.says))) << o.err.toStdString();
  }
}

// --model computes the cycle by the model named: nitrogen's liquid by the
// reference equation at its published normal boiling point, 77.355 K;
// helium's reference equation reaches 100 MPa where the cubic model's own
// equation stops at 10; the message without liquid names the model's
// highest inversion temperature.
TEST(CliCycle, ModelOptionComputesByTheModelNamed) {
  const Outcome ref = run("--cycle linde N2 --model reference");
  ASSERT_EQ(ref.rc, 0) << ref.err.toStdString();
  const QJsonObject j = QJsonDocument::fromJson(ref.out).object();
  EXPECT_EQ(j["model"].toString(), QStringLiteral("reference"));
  const QJsonObject liquid = j["states"].toArray()[4].toObject();
  EXPECT_EQ(liquid["x"].toDouble(), 1);
  EXPECT_NEAR(liquid["T"].toDouble(), 77.355, 5e-4);
  // The cold box's balance with an ideal exchanger, y = (h1 - h2)/(h1 - hf),
  // on the reference equation's own enthalpies.
  const QJsonArray states = j["states"].toArray();
  const double h1 = states[0].toObject()["h"].toDouble(), h2 = states[1].toObject()["h"].toDouble();
  EXPECT_NEAR(j["yield"].toDouble(), (h1 - h2) / (h1 - liquid["h"].toDouble()), 1e-9);
  tfs::Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
  tfs::referenceModel(tfs::SubstIndex("N2")).dhs_PT(0.101325L, 300, d, h, s, Cp, x);
  EXPECT_NEAR(h1, double(h), 1e-9 * std::fabs(double(h)));

  const Outcome he = run("--cycle linde He --phigh 20 --model reference");
  ASSERT_EQ(he.rc, 0) << he.err.toStdString();
  const QJsonObject hj = QJsonDocument::fromJson(he.out).object();
  EXPECT_EQ(hj["yield"].toDouble(-1), 0);
  const QString why = hj["message"].toString();
  EXPECT_TRUE(why.contains(QStringLiteral("наибольшей температуры инверсии 45,65 K"))) << why.toStdString();
  EXPECT_TRUE(run("--cycle linde He --phigh 20").err.contains("10"));

  for (const char* args : {"--cycle linde N2 --model ideal", "--cycle linde N2 --model reference --model srk",
                           "--cycle linde N2 --model"}) {
    SCOPED_TRACE(args);
    const Outcome o = run(args);
    EXPECT_EQ(o.rc, 2);
    EXPECT_TRUE(o.out.isEmpty());
    EXPECT_TRUE(o.err.contains("--model") || o.err.contains("ideal")) << o.err.toStdString();
  }
}

}  // namespace
