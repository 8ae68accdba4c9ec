// One real device computed from the command line, run as the program itself
// with no display: one JSON object that keeps the balances, and refusals on
// standard error with exit code 2.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli_support.h"
#include "thermo/model.h"
#include "thermo/substances.h"

namespace {

using Outcome = ProgramRun;

Outcome run(const QStringList& args) { return runProgram(args); }

QStringList device(const char* line) { return QString::fromLatin1(line).split(u' '); }

TEST(CliDevice, OneJsonObjectKeepingTheBalances) {
  struct Case {
    const char* args;
    double T2lo, T2hi;  // where the outlet must be
  };
  const Case cases[] = {
      {"--device compressor N2 --p1 0.1 --t1 300 --p2 1 --eta 0.8", 638, 644},
      {"--device compressor-isothermal N2 --t1 300 --p1 0.1 --p2 1 --eta 0.7", 300, 300},
      {"--device expander He --p1 2 --t1 20 --p2 0.2 --eta 0.75 --t0 290", 5, 12},
      {"--device throttle N2 --p1 20 --t1 300 --p2 0.1", 270, 273},
      {"--device exchanger Ar --p1 1 --t1 300 --t2 200 --tr 150", 200, 200},
      {"--device exchanger O2 --p1 0.1 --t1 300 --heat -50 --tr 400 --t0 280", 348, 360},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const Outcome o = run(device(c.args));
    ASSERT_EQ(o.rc, 0) << o.err.toStdString();
    EXPECT_TRUE(o.err.isEmpty()) << o.err.toStdString();
    EXPECT_TRUE(o.out.endsWith('\n'));
    QJsonParseError e;
    const QJsonObject j = QJsonDocument::fromJson(o.out, &e).object();
    ASSERT_EQ(e.error, QJsonParseError::NoError) << o.out.toStdString();
    EXPECT_EQ(j.keys(),
              (QStringList{"T0", "exergy_destroyed", "heat", "ideal_outlet", "inlet", "model", "outlet", "sgen", "work"}));
    EXPECT_EQ(j["model"].toString(), QStringLiteral("srk"));  // the cubic model unless named
    const QJsonObject in = j["inlet"].toObject(), out = j["outlet"].toObject();
    EXPECT_EQ(out.keys(), (QStringList{"P", "T", "d", "h", "s", "x"}));
    EXPECT_GE(out["T"].toDouble(), c.T2lo - 1e-9);
    EXPECT_LE(out["T"].toDouble(), c.T2hi + 1e-9);
    const double L = j["work"].toDouble(), Q = j["heat"].toDouble(), dh = out["h"].toDouble() - in["h"].toDouble();
    EXPECT_NEAR(-Q, dh + L, 1e-9 * (1 + std::fabs(Q) + std::fabs(L) + std::fabs(dh)));
    EXPECT_GT(j["sgen"].toDouble(), 0);
    EXPECT_NEAR(j["exergy_destroyed"].toDouble(), j["T0"].toDouble() * j["sgen"].toDouble(), 1e-9);
  }
  // T0 given, or 300 K.
  EXPECT_EQ(QJsonDocument::fromJson(run(device(cases[2].args)).out)["T0"].toDouble(), 290);
  EXPECT_EQ(QJsonDocument::fromJson(run(device(cases[0].args)).out)["T0"].toDouble(), 300);
}

TEST(CliDevice, RefusalsOnStandardErrorWithExitCodeTwo) {
  struct Case {
    const char* args;
    const char* says;
  };
  const Case cases[] = {
      {"--device compressor N2 --p1 0.1 --t1 300 --p2 1 --eta 1.5", "КПД должен быть не меньше 0,01 и не больше 1"},
      {"--device compressor N2 --p1 0.1 --t1 300 --p2 1 --p2 2", "--p2 указан дважды"},
      {"--device pump N2 --p1 0.1 --t1 300 --p2 1", "неизвестное устройство"},
      {"--device throttle Xe --p1 1 --t1 300 --p2 0.1", "неизвестное вещество"},
      {"--device throttle N2 --p1 1 --t1 300 --p2 0.1 --eta 0.9", "--eta не относится"},
      {"--device throttle N2 --p1 1 --t1 300 --p2 2", "должно быть ниже давления на входе"},
      {"--device exchanger N2 --p1 1 --t1 300", "либо --t2, либо --heat"},
      {"--device exchanger N2 --p1 1 --t1 300 --t2 350 --p2 0.5", "при постоянном давлении"},
      {"--device exchanger N2 --p1 1 --t1 300 --t2 200", "Тепло не переходит"},
      {"--device compressor N2 --t1 300 --p2 1", "не указан --p1"},
      {"--device compressor N2 --p1 0.1 --t1 abc --p2 1", "не число"},
      {"--device compressor N2 --p1 0.1 --t1 300 --p2 1 --eta 0.5", "Состояние на выходе вне пределов расчета"},
      {"--device compressor N2 --p1 0.1 --t1 900 --p2 1", "--t1: Температура должна быть в пределах"},
  };
  for (const Case& c : cases) {
    const Outcome o = run(device(c.args));
    EXPECT_EQ(o.rc, 2) << c.args;
    EXPECT_TRUE(o.out.isEmpty()) << c.args;
    EXPECT_TRUE(QString::fromUtf8(o.err).contains(QString::fromUtf8(c.says))) << c.args << ": " << o.err.toStdString();
  }
}

// --model computes by the model named: liquid nitrogen throttled to
// 0.101325 MPa ends at the normal boiling point of that model (the
// reference equations' published 77.355 K and 87.302 K; the cubic model's
// own 77.352 K), its inlet is that model's state, and the JSON names it.
TEST(CliDevice, ModelOptionComputesByTheModelNamed) {
  struct Case {
    const char* args;
    const char* name;
    tfs::ModelKind kind;
    double P1, T1, T2;
  };
  const Case cases[] = {
      {"--device throttle N2 --model reference --p1 1 --t1 100 --p2 0.101325", "N2", tfs::ModelKind::Reference, 1, 100,
       77.355},
      {"--model reference --device throttle Ar --p1 1 --t1 110 --p2 0.101325", "Ar", tfs::ModelKind::Reference, 1, 110,
       87.302},
      {"--device throttle N2 --p1 1 --t1 100 --p2 0.101325 --model srk", "N2", tfs::ModelKind::Cubic, 1, 100, 77.352},
      {"--device throttle N2 --p1 1 --t1 100 --p2 0.101325", "N2", tfs::ModelKind::Cubic, 1, 100, 77.352},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const Outcome o = run(device(c.args));
    ASSERT_EQ(o.rc, 0) << o.err.toStdString();
    const QJsonObject j = QJsonDocument::fromJson(o.out).object();
    EXPECT_EQ(j["model"].toString(), QLatin1String(c.kind == tfs::ModelKind::Reference ? "reference" : "srk"));
    const QJsonObject in = j["inlet"].toObject(), out = j["outlet"].toObject();
    EXPECT_NEAR(out["T"].toDouble(), c.T2, 5e-4);
    EXPECT_GT(out["x"].toDouble(), 0);  // wet
    EXPECT_EQ(out["h"].toDouble(), in["h"].toDouble());
    tfs::Real d = 0, h = 0, s = 0, Cp = 0, x = 0;
    tfs::model(tfs::SubstIndex(c.name), c.kind).dhs_PT(c.P1, c.T1, d, h, s, Cp, x);
    EXPECT_NEAR(in["d"].toDouble(), double(d), 1e-12 * double(d));
    EXPECT_NEAR(in["s"].toDouble(), double(s), 1e-12 * std::fabs(double(s)));
  }
  // The reference equation of methane ends at 625 K, the cubic model's at 1000 K.
  EXPECT_EQ(run(device("--device compressor CH4 --p1 0.1 --t1 700 --p2 0.2")).rc, 0);
  const Outcome hot = run(device("--device compressor CH4 --model reference --p1 0.1 --t1 700 --p2 0.2"));
  EXPECT_EQ(hot.rc, 2);
  EXPECT_TRUE(QString::fromUtf8(hot.err).contains(QStringLiteral("--t1: Температура должна быть в пределах"))) << hot.err.toStdString();
  EXPECT_TRUE(hot.err.contains("625")) << hot.err.toStdString();

  const struct {
    const char* args;
    const char* says;
  } refused[] = {
      {"--device throttle N2 --model vdw --p1 1 --t1 100 --p2 0.1", "неизвестная модель \"vdw\"; допустимы: srk, reference"},
      {"--device throttle N2 --model srk --p1 1 --t1 100 --p2 0.1 --model reference", "--model указан дважды"},
      {"--device throttle N2 --p1 1 --t1 100 --p2 0.1 --model", "после --model нет модели"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.args);
    const Outcome o = run(device(c.args));
    EXPECT_EQ(o.rc, 2);
    EXPECT_TRUE(o.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(o.err).contains(QString::fromUtf8(c.says))) << o.err.toStdString();
  }
}

}  // namespace
