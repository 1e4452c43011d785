// Times the handlers of the carbon and water exercise windows, headless, as a click runs them.
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "bench/bench_session.h"
#include "exercises/carbon_water/ex10_ask.h"
#include "exercises/carbon_water/ex11_ask.h"
#include "exercises/carbon_water/ex12_ask.h"
#include "exercises/carbon_water/ex13_ask.h"
#include "exercises/carbon_water/ex1_ask.h"
#include "platform/program.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

using bench::Finish;
using bench::Session;

template <class W, class Pick>
void ClickRepeatedly(benchmark::State& state, Pick pick, const char* setup = nullptr) {
  Session<W> session;
  if (setup) session.program.type(session.window->control(setup), "1");
  Control& button = pick(*session.window);
  for (auto _ : state) session.program.click(button);
  Finish(state, session);
}

// Three Maple layers in Southern Wisconsin: 100 days and the six-curve graph.
void BM_Ex1Ask_Execute(benchmark::State& state) {
  Session<Ex1Ask> session;
  session.program.click(session.window->Site(1));
  for (auto _ : state) session.program.click(session.window->Command2);
  Finish(state, session);
}
void BM_EX12Ask_Execute(benchmark::State& state) {
  ClickRepeatedly<EX12Ask>(
      state, [](EX12Ask& w) -> Control& { return w.Command1; }, "VPD");
}
void BM_EX12Ask_Worksheet(benchmark::State& state) {
  ClickRepeatedly<EX12Ask>(state, [](EX12Ask& w) -> Control& { return w.VPDCalc; });
}
void BM_Ex10Ask_CalcGCE(benchmark::State& state) {
  ClickRepeatedly<Ex10Ask>(
      state, [](Ex10Ask& w) -> Control& { return w.CalcGCE; }, "DarkResp");
}
void BM_Ex10Ask_GraphNCE(benchmark::State& state) {
  ClickRepeatedly<Ex10Ask>(state, [](Ex10Ask& w) -> Control& { return w.GraphNCE; });
}
void BM_Ex10Ask_GraphGCE(benchmark::State& state) {
  ClickRepeatedly<Ex10Ask>(state, [](Ex10Ask& w) -> Control& { return w.GraphGCE; });
}
void BM_Ex10Ask_GraphAll(benchmark::State& state) {
  ClickRepeatedly<Ex10Ask>(state, [](Ex10Ask& w) -> Control& { return w.GraphhAll; });
}
void BM_EX11Ask_CalcTots(benchmark::State& state) {
  ClickRepeatedly<EX11Ask>(state, [](EX11Ask& w) -> Control& { return w.CalcTots; });
}
void BM_EX11Ask_GraphData(benchmark::State& state) {
  ClickRepeatedly<EX11Ask>(state, [](EX11Ask& w) -> Control& { return w.GraphAll; });
}

void BM_EX13Ask_Execute(benchmark::State& state) {
  ClickRepeatedly<EX13Ask>(state, [](EX13Ask& w) -> Control& { return w.Execute; });
}
void BM_EX13Ask_GraphClimate(benchmark::State& state) {
  ClickRepeatedly<EX13Ask>(state, [](EX13Ask& w) -> Control& { return w.Command2; });
}

BENCHMARK(BM_Ex1Ask_Execute);
BENCHMARK(BM_EX12Ask_Execute);
BENCHMARK(BM_EX13Ask_Execute);
BENCHMARK(BM_EX13Ask_GraphClimate);
BENCHMARK(BM_EX12Ask_Worksheet);
BENCHMARK(BM_Ex10Ask_CalcGCE);
BENCHMARK(BM_Ex10Ask_GraphNCE);
BENCHMARK(BM_Ex10Ask_GraphGCE);
BENCHMARK(BM_Ex10Ask_GraphAll);
BENCHMARK(BM_EX11Ask_CalcTots);
BENCHMARK(BM_EX11Ask_GraphData);

}  // namespace
}  // namespace sylvandra
