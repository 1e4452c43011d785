// Times the moose run and a new pair of species maps, headless, as their clicks run them.
#include <benchmark/benchmark.h>

#include "bench/bench_session.h"
#include "exercises/population/ex14a_ask.h"
#include "exercises/population/ex5_ask.h"
#include "exercises/population/species_maps.h"

namespace sylvandra {
namespace {

void BM_Ex5Ask_CenturyWithWolves(benchmark::State& state) {
  bench::Session<Ex5Ask> session;
  Program& program = session.program;
  Ex5Ask& w = *session.window;
  program.type(w.nyears, "100");
  program.type(w.wolfinit, "2");
  for (auto _ : state) program.click(w.Command1);
  bench::Finish(state, session);
}

void BM_SpeciesMaps_NewPair(benchmark::State& state) {
  testing::TestHost host;
  Program program(host);
  RegisterWindows(program);
  for (auto _ : state) {
    int mode = 1;
    SpeciesMaps(program, mode);
  }
}

}  // namespace
}  // namespace sylvandra

BENCHMARK(sylvandra::BM_Ex5Ask_CenturyWithWolves)->Unit(benchmark::kMillisecond);
BENCHMARK(sylvandra::BM_SpeciesMaps_NewPair)->Unit(benchmark::kMillisecond);
