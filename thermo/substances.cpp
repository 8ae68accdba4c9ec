#include "substances.h"

#include "report.h"

namespace tfs {

const char* const SubstName[kSubstCount + 1] = {
    "", "He", "n-H2", "p-H2", "Ne", "N2", "Ar", "O2", "CO2", "CH4", "R14", "Air"};

const char* const SubstNameRus[kSubstCount + 1] = {
    "",     "Гелий",    "Нормальный водород", "Параводород", "Неон",     "Азот",
    "Аргон", "Кислород", "Диоксид углерода",   "Метан",       "Фреон 14", "Воздух"};

const Real MolMass[kSubstCount + 1] = {
    0, 4.0024L, 2.016L, 2.016L, 20.183L, 28.013L, 39.948L, 31.999L, 44.01L, 16.0426L, 88.003L, 28.996L};

const Real Tcr[kSubstCount + 1] = {
    0, 5.1994L, 33.23L, 32.98L, 44.4L, 126.25L, 150.86L, 154.77L, 304.2L, 190.77L, 227.5L, 132.52L};

const Real Pcr[kSubstCount + 1] = {0,         0.229048L, 1.294793L, 1.293402L, 2.652319L, 3.396319L,
                                   4.897742L, 5.087072L, 7.379122L, 4.601203L, 3.744984L, 3.768L};

const Real Rocr[kSubstCount + 1] = {
    0, 69.47L, 31.1026L, 31.429L, 484.0L, 313.0L, 535.7L, 436.0L, 468.2L, 163.5L, 609.0L, 312.86L};

const Real Ttr[kSubstCount + 1] = {
    0, 2.2L, 13.947L, 13.95L, 24.55L, 63.15L, 83.78L, 54.36L, 216.55L, 90.68L, 90.0L, 63.0L};

const Real Tboil[kSubstCount + 1] = {
    0, 4.215L, 20.38L, 20.38L, 27.09L, 77.35L, 87.29L, 90.18L, 194.7L, 111.66L, 128.0L, 78.8L};

const Real Rgas[kSubstCount + 1] = {0,         2.077354L, 4.124206L, 4.124206L, 0.41195L,   0.296805L,
                                    0.208131L, 0.259833L, 0.188921L, 0.51827L,  0.0944786L, 0.286743L};

const Real aRKS[kSubstCount + 1] = {0,
                                    0.0002175466L,
                                    0.006204668L,
                                    0.006141317L,
                                    0.0000539196L,
                                    0.0001767311L,
                                    0.00008604787L,
                                    0.0001358973L,
                                    0.0001913326L,
                                    0.0009081909L,
                                    0.00005273426L,
                                    0.000163815L};

const Real bRKS[kSubstCount + 1] = {0,
                                    0.004081717L,
                                    0.009173214L,
                                    0.009151133L,
                                    0.0005974793L,
                                    0.0009554048L,
                                    0.0005554367L,
                                    0.0006849103L,
                                    0.0006747681L,
                                    0.001861724L,
                                    0.0004972621L,
                                    0.0008737433L};

const Real Omega[kSubstCount + 1] = {
    0, -0.387L, -0.22L, -0.22L, -0.03L, 0.035L, -0.004L, 0.021L, 0.225L, 0.008L, 0.191L, 0.03L};

const Real Tkp[kSubstCount + 1] = {
    0, 5.1994L, 33.23L, 32.98L, 44.4L, 126.25L, 150.86L, 154.77L, 304.2L, 190.77L, 227.5L, 132.55L};

const Real Pkp[kSubstCount + 1] = {0,         0.229048L, 1.294793L, 1.293402L, 2.652319L, 3.396319L,
                                   4.897742L, 5.087072L, 7.379122L, 4.601203L, 3.744984L, 3.774L};

int substanceIndex(std::string_view name) {
  // Exact comparison; "Air" is tested before "R14".
  static constexpr struct {
    std::string_view id;
    int index;
  } order[] = {{"He", 1}, {"n-H2", 2}, {"p-H2", 3}, {"Ne", 4},  {"N2", 5}, {"Ar", 6},
               {"O2", 7}, {"CO2", 8},  {"CH4", 9},  {"Air", 11}, {"R14", 10}};
  for (const auto& e : order)
    if (name == e.id) return e.index;
  return 0;
}

int SubstIndex(std::string_view name) {
  const int k = substanceIndex(name);
  checkSubstance(k);
  return k;
}

void checkSubstance(int subst) {
  if (subst < 1 || subst > kSubstCount) fatal("Название вещества указано неправильно!");
}

}  // namespace tfs
