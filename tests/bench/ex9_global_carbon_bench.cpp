// Times one Execute of the global carbon window, headless, as a click runs it: the 3600-month
// run with the balanced rates and growing emissions, the five-curve graph and the printed
// values.
#include <benchmark/benchmark.h>

#include "bench/bench_session.h"
#include "exercises/carbon_water/ex9_ask.h"

namespace sylvandra {
namespace {

void BM_EX9Ask_Execute(benchmark::State& state) {
  bench::Session<EX9Ask> session;
  Program& program = session.program;
  EX9Ask& window = *session.window;
  program.click(window.Command3);
  program.type(window.FFAmt, "6");
  program.type(window.DevegAmt, "1.5");
  program.type(window.ATF, "Y");
  program.type(window.ASOF, "Y");
  for (auto _ : state) program.click(window.Command1);
  bench::Finish(state, session);
}

BENCHMARK(BM_EX9Ask_Execute);

}  // namespace
}  // namespace sylvandra
