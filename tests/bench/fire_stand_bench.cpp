// Times the sequoia fire and hardwood stand runs headless, as a click runs them, and follows the
// resident size of a long fire run with flames.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "app/startup.h"
#include "bench/bench_session.h"
#include "exercises/population/ex6_ask.h"
#include "exercises/population/ex7_ask.h"
#include "platform/program.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

using bench::Finish;
using bench::Session;

// Resident set size in megabytes (Linux).
double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kilobytes = 0;
      status >> kilobytes;
      return kilobytes / 1024;
    }
  }
  return 0;
}

// 50 stand years with no pause (the print interval is longer than the run).
void BM_EX7Ask_FiftyYears(benchmark::State& state) {
  Session<EX7Ask> s;
  s.program.type(s.window->nprint, "100");
  for (auto _ : state) s.program.click(s.window->Command1);
  Finish(state, s);
}

// 1880 to 2100 without the fire graphic, from a fresh grove each time.
void BM_Ex6Ask_220YearsWithoutFlames(benchmark::State& state) {
  Session<Ex6Ask> s;
  s.program.click(s.window->NoGraphic);
  for (auto _ : state) {
    state.PauseTiming();
    s.window->Command2_Click();
    s.program.type(s.window->RunToYear, "2100");
    state.ResumeTiming();
    s.program.click(s.window->Command1);
  }
  Finish(state, s);
}

// 1000 years with flames: the resident size after the first 50 and at the end.
void BM_Ex6Ask_1000YearsWithFlamesMemory(benchmark::State& state) {
  Session<Ex6Ask> s;
  double afterFifty = 0, atEnd = 0;
  for (auto _ : state) {
    s.window->Command2_Click();
    s.program.type(s.window->RunToYear, "1930");
    s.program.click(s.window->Command1);
    afterFifty = ResidentMegabytes();
    s.program.type(s.window->RunToYear, "2880");
    s.program.click(s.window->Command1);
    atEnd = ResidentMegabytes();
  }
  state.counters["rss_after_50_MB"] = afterFifty;
  state.counters["rss_growth_MB"] = atEnd - afterFifty;
  state.counters["repaints"] = s.host.repaints;
}

BENCHMARK(BM_EX7Ask_FiftyYears)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ex6Ask_220YearsWithoutFlames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ex6Ask_1000YearsWithFlamesMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace sylvandra
