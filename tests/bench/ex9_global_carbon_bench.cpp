// Times one Execute of the global carbon window, headless, as a click runs it: the 3600-month
// run with the balanced rates and growing emissions, the five-curve graph and the printed
// values.
#include <benchmark/benchmark.h>

#include "exercises/carbon_water/ex9_ask.h"
#include "platform/program.h"
#include "shell/startup.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

void BM_EX9Ask_Execute(benchmark::State& state) {
  testing::TestHost host;
  Program program(host);
  RegisterWindows(program);
  EX9Ask& window = program.form<EX9Ask>();
  program.click(window.Command3);
  program.type(window.FFAmt, "6");
  program.type(window.DevegAmt, "1.5");
  program.type(window.ATF, "Y");
  program.type(window.ASOF, "Y");
  for (auto _ : state) program.click(window.Command1);
  if (!host.failures.empty()) state.SkipWithError("the handler reported a failure");
}

BENCHMARK(BM_EX9Ask_Execute);

}  // namespace
}  // namespace sylvandra
