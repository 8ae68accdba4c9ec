// The reference equations' data: the JSON reader, the loader's faults
// (each names the file and what is wrong), the eleven embedded files.

#include <gtest/gtest.h>

#include <string>

#include "thermo/json.h"
#include "thermo/refdata.h"
#include "thermo/refembed.h"
#include "thermo/substances.h"

namespace {

using tfs::ref::DataError;
using tfs::ref::readRefData;

std::string embedded(const std::string& file) {
  for (int i = 0; i < tfs::ref::kEmbeddedFileCount; ++i)
    if (file == tfs::ref::kEmbeddedFiles[i].name) return std::string(tfs::ref::kEmbeddedFiles[i].text);
  return "";
}

// The fault's text, or "" when the text is read.
std::string fault(const std::string& file, const std::string& text) {
  try {
    readRefData(file, text);
  } catch (const DataError& e) {
    return e.what();
  }
  return "";
}

// N2's file with one piece of it replaced.
std::string edited(const std::string& from, const std::string& to) {
  std::string t = embedded("N2.json");
  const std::size_t at = t.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) t.replace(at, from.size(), to);
  return t;
}

TEST(RefData, EveryEmbeddedFileReads) {
  ASSERT_EQ(tfs::ref::kEmbeddedFileCount, tfs::kSubstCount);
  for (int k = 1; k <= tfs::kSubstCount; ++k) {
    const std::string file = std::string(tfs::SubstName[k]) + ".json";
    const std::string text = embedded(file);
    ASSERT_FALSE(text.empty()) << file;
    const tfs::ref::RefData d = readRefData(file, text);
    EXPECT_EQ(d.substance, tfs::SubstName[k]);
    EXPECT_GT(d.power.size(), 8u) << file;
    EXPECT_EQ(d.pseudoPure, k == tfs::kAir) << file;
    // R14's file gives no melting line; every other does.
    EXPECT_EQ(d.melting.type == tfs::ref::MeltingLine::Type::None, k == 10) << file;
  }
}

TEST(RefData, MalformedTextsNameTheFileAndTheFault) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "строка 1, столбец 1: текст оборван"},
      {"{\"a\": 1,}", "строка 1, столбец 9: ожидалось имя поля"},
      {"{\"a\" 1}", "ожидался знак ':'"},
      {"{\n\"a\": [1, 2\n}", "строка 3, столбец 1: ожидался знак ',' или ']'"},
      {"{\"a\": 01}", "строка 1, столбец 8: ожидался знак ',' или '}'"},
      {"{} 1", "лишний текст после значения"},
      {"{\"a\": 1e999}", "число вне диапазона"},
      {"{\"a\": \"x\ty\"}", "управляющий знак"},
      {"{\"a\": 1, \"a\": 2}", "поле \"a\" повторено"},
      {"[1, 2]", "текст должен быть объектом"},
      {"{\"substance\": \"N2\"}", "нет поля \"equation\""},
      {edited("\"gas_constant\": 8.31451", "\"gas_constant\": \"8.31451\""), "\"gas_constant\" (строка 8): строка вместо: число"},
      {edited("\"gas_constant\": 8.31451", "\"gas_constant\": -8.31451"), "\"gas_constant\" должно быть больше нуля"},
      {edited("\"IdealGasHelmholtzLogTau\"", "\"IdealGasHelmholtzLogT\""), "неизвестный вид члена \"IdealGasHelmholtzLogT\" в \"alpha0[1]\""},
      {edited("\"ResidualHelmholtzGaussian\"", "\"ResidualHelmholtzGauss\""), "неизвестный вид члена \"ResidualHelmholtzGauss\" в \"alphar[1]\""},
      {edited("\"d\": [\n    1,\n    1,\n    2,", "\"d\": [\n    1,\n    1.5,\n    2,"), "\"alphar[0].d\": показатель"},
      {edited("\"n\": [\n    0.924803575275,", "\"n\": [\n"), "\"alphar[0].d\": 32 чисел вместо 31"},
      {edited("\"triple_vapor\"", "\"triple_gas\""), "нет состояния \"states.triple_vapor\""},
      {edited("\"type\": \"polynomial_in_Tr\"", "\"type\": \"Simon2\""), "неизвестный вид линии плавления \"Simon2\""},
      {edited("\"type\": \"rhoLnoexp\"", "\"type\": \"rhoLexp\""), "вспомогательного уравнения \"rhoLexp\" в \"ancillaries.rhoL\""},
      {edited("\"pseudo_pure\": false", "\"pseudo_pure\": true"), "нет поля \"ancillaries.pL\""},
  };
  for (const auto& [text, what] : cases) {
    const std::string f = fault("N2.json", text);
    EXPECT_EQ(f.rfind("Файл данных N2.json: ", 0), 0u) << f;
    EXPECT_NE(f.find(what), std::string::npos) << "wanted: " << what << "\n got: " << f;
  }
}

TEST(RefData, JsonValues) {
  const tfs::json::Value v = tfs::json::parse(
      " {\"n\": [-1.5e-3, 0, 2E2], \"s\": \"a\\u00e9\\\"\\n\", \"t\": true, \"z\": null, \"o\": {}} ");
  ASSERT_TRUE(v.isObject());
  const auto& n = v.find("n")->items();
  ASSERT_EQ(n.size(), 3u);
  EXPECT_EQ(n[0].number(), -1.5e-3);
  EXPECT_EQ(n[2].number(), 200);
  EXPECT_EQ(v.find("s")->string(), "a\xc3\xa9\"\n");
  EXPECT_TRUE(v.find("t")->boolean());
  EXPECT_EQ(v.find("z")->kind(), tfs::json::Value::Kind::Null);
  EXPECT_TRUE(v.find("o")->members().empty());
  EXPECT_EQ(v.find("missing"), nullptr);
  // Nesting deeper than the reader allows is a fault, not a crash.
  EXPECT_THROW(tfs::json::parse(std::string(100000, '[')), tfs::json::JsonError);
}

}  // namespace
