// One real device computed from its inlet, as the window, the command line
// and the cycles call it: each kind for nitrogen and for helium.

#include <benchmark/benchmark.h>

#include "core/process/device.h"
#include "model_support.h"

namespace {

using namespace proc;

struct Setup {
  const char* name;
  Real T1, P1;
  DeviceData data;
};

Setup setupOf(int kind, bool helium) {
  DeviceData d;
  d.kind = Device(kind);
  d.eta = 0.8L;
  Setup s{helium ? "He" : "N2", helium ? Real(20) : Real(300), helium ? Real(0.2) : Real(0.1), d};
  switch (d.kind) {
    case Device::Compressor:
    case Device::IsothermalCompressor: s.data.P2 = s.P1 * 8; break;
    case Device::Expander:
    case Device::Throttle:
      s.P1 = helium ? 2 : 10;
      s.data.P2 = helium ? Real(0.2) : Real(0.1);
      break;
    case Device::Exchanger:
      s.data.T2 = s.T1 * Real(1.5);
      s.data.Tr = s.T1 * 2;
      break;
  }
  return s;
}

void BM_Device(benchmark::State& state) {
  const Setup s = setupOf(int(state.range(0)), state.range(1) != 0);
  ProcPoint in;
  if (SolvePair(eos(s.name), kPressure, kTemperature, s.P1, s.T1, in) != SolveStatus::Solved) {
    state.SkipWithError("no inlet");
    return;
  }
  DeviceResult r;
  for (auto _ : state) {
    r = computeDevice(eos(s.name), in, s.data);
    benchmark::DoNotOptimize(r.sgen);
  }
  if (r.status != DeviceStatus::Solved) state.SkipWithError("device refused");
  state.SetLabel(std::string(s.name) + " " + kDeviceNames[int(state.range(0))]);
}

BENCHMARK(BM_Device)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
