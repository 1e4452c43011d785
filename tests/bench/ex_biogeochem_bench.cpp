// Times the handlers of the biogeochemistry exercise windows, headless, as a click or a key runs
// them.
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "bench/bench_session.h"
#include "exercises/biogeochem/ex2a_ask.h"
#include "exercises/biogeochem/ex2b_ask.h"
#include "exercises/biogeochem/ex41_ask.h"
#include "exercises/biogeochem/ex42_ask.h"
#include "platform/program.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

using bench::Finish;
using bench::Session;

void BM_Ex2aAsk_TypeMoles(benchmark::State& state) {
  Session<Ex2aAsk> session;
  for (auto _ : state) session.program.type(session.window->Moles, "2.3");
  Finish(state, session);
}
void BM_Ex2bAsk_Arrow(benchmark::State& state) {
  Session<Ex2bAsk> session;
  session.program.type(session.window->pCO2, "0.00035");
  for (auto _ : state) session.program.click(session.window->Arrow(4));
  Finish(state, session);
}
void BM_Ex41Ask_Execute(benchmark::State& state) {
  Session<Ex41Ask> session;
  for (auto _ : state) session.program.click(session.window->Command2);
  Finish(state, session);
}
void BM_EX42Ask_Execute(benchmark::State& state) {
  Session<EX42Ask> session;
  session.program.type(session.window->RunTime, std::to_string(state.range(0)));
  for (auto _ : state) session.program.click(session.window->Command2);
  Finish(state, session);
}

BENCHMARK(BM_Ex2aAsk_TypeMoles);
BENCHMARK(BM_Ex2bAsk_Arrow);
BENCHMARK(BM_Ex41Ask_Execute);
BENCHMARK(BM_EX42Ask_Execute)->Arg(10)->Arg(300)->Arg(1000);

}  // namespace
}  // namespace sylvandra
