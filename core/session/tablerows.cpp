#include "core/session/tablerows.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

bool near(Real a, Real b, Real rel) { return std::fabs(a - b) <= rel * std::max(Real(1), std::fabs(b)); }

// Whether the point (s, T) is the state of entropy s0 and temperature T0;
// loose is for a last point whose temperature was found again from its
// entropy on the path (an isobar in the liquid).
bool at(Real s, Real T, Real s0, Real T0, bool loose = false) {
  return near(s, s0, Real(1e-9)) && near(T, T0, loose ? Real(1e-4) : Real(1e-9));
}

}  // namespace

int lineOfProcess(const Session& s, int n) {
  if (n < 1 || n > int(s.results.size())) return 0;
  const proc::ResultRow& row = s.results[n - 1];
  if (row.substance != s.main.name) return 0;
  const Real sa = row.start[proc::kEntropy], Ta = row.start[proc::kTemperature];
  const Real sb = row.end[proc::kEntropy], Tb = row.end[proc::kTemperature];
  const diagram::ProcStore& p = s.procLines;
  // A line's first and last points are its two ends, in either order (the
  // paths are sampled by entropy).
  for (int r = std::min(p.ProcCount, 10); r >= 1; --r) {
    const Real s0 = p.ProcS[r][0], T0 = p.ProcT[r][0], s1 = p.ProcS[r][15], T1 = p.ProcT[r][15];
    if ((at(s0, T0, sa, Ta) && at(s1, T1, sb, Tb, true)) || (at(s0, T0, sb, Tb) && at(s1, T1, sa, Ta, true)))
      return r;
  }
  return 0;
}

int lineOfDevice(const Session& s, int n) {
  if (n < 1 || n > int(s.deviceResults.size())) return -1;
  const proc::DeviceRow& row = s.deviceResults[n - 1];
  if (row.substance != s.main.name) return -1;
  const std::vector<diagram::DeviceLine>& lines = s.deviceLines.lines;
  for (int k = int(lines.size()) - 1; k >= 0; --k) {
    const diagram::DeviceLine& l = lines[k];
    if (l.inS == row.inlet.s && l.inT == row.inlet.T && l.outS == row.outlet.s && l.outT == row.outlet.T) return k;
  }
  return -1;
}

bool removeProcessRow(Session& s, int n) {
  if (n < 1 || n > int(s.results.size())) return false;
  if (const int r = lineOfProcess(s, n); r > 0) {
    diagram::ProcStore& p = s.procLines;
    for (int k = r; k < 10; ++k)
      for (int j = 0; j < 16; ++j) {
        p.ProcS[k][j] = p.ProcS[k + 1][j];
        p.ProcT[k][j] = p.ProcT[k + 1][j];
      }
    for (int j = 0; j < 16; ++j) p.ProcS[10][j] = p.ProcT[10][j] = 0;
    p.ProcIndex = std::max(0, p.ProcIndex - 1);
    p.ProcCount = std::max(0, p.ProcCount - 1);
  }
  s.results.erase(s.results.begin() + (n - 1));
  for (std::size_t k = 0; k < s.results.size(); ++k) s.results[k].number = int(k) + 1;
  s.process.TableCount = int(s.results.size());
  s.touch();
  return true;
}

bool removeDeviceRow(Session& s, int n) {
  if (n < 1 || n > int(s.deviceResults.size())) return false;
  if (const int k = lineOfDevice(s, n); k >= 0) s.deviceLines.lines.erase(s.deviceLines.lines.begin() + k);
  s.deviceResults.erase(s.deviceResults.begin() + (n - 1));
  for (std::size_t k = 0; k < s.deviceResults.size(); ++k) s.deviceResults[k].number = int(k) + 1;
  s.devices.TableCount = int(s.deviceResults.size());
  s.touch();
  return true;
}

}  // namespace app
