// Times the moose run and a new pair of species maps, headless, as their clicks run them.
#include <benchmark/benchmark.h>

#include "exercises/population/ex14a_ask.h"
#include "exercises/population/ex5_ask.h"
#include "exercises/population/species_maps.h"
#include "platform/program.h"
#include "shell/startup.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

void BM_Ex5Ask_CenturyWithWolves(benchmark::State& state) {
  testing::TestHost host;
  Program program(host);
  RegisterWindows(program);
  Ex5Ask& w = program.form<Ex5Ask>();
  program.type(w.nyears, "100");
  program.type(w.wolfinit, "2");
  for (auto _ : state) program.click(w.Command1);
  if (!host.failures.empty()) state.SkipWithError("the run reported a failure");
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
