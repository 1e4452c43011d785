// Timings of the soil organic matter exercise and of the two plotters at their largest
// (8 series of 300 points), headless.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "app/startup.h"
#include "exercises/carbon_water/ex0_ask.h"
#include "platform/host.h"
#include "platform/program.h"
#include "plot/graph.h"
#include "plot/plot_record.h"

namespace sylvandra {
namespace {

class NullHost : public Host {
 public:
  int messageBox(const std::string&, int, const std::string&) override { return 1; }
  std::string inputBox(const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  void programEnded() override {}
  void reportFailure(const Window&, const std::string&) override {}
};

PlotRecord FullRecord() {
  PlotRecord plot;
  for (int i = 1; i <= kMaxSeries; ++i) {
    plot.PlotName[i] = "Series " + std::to_string(i);
    plot.PlotMax[i] = 100.0 * i;
    plot.PlotMin[i] = -10.0 * i;
    for (int t = 1; t <= kMaxPoints; ++t) {
      plot.PlotY[i][t] = 100.0 * i * std::sin(0.05 * t + i);
    }
  }
  for (int t = 1; t <= kMaxPoints; ++t) plot.PlotX[t] = t;
  return plot;
}

void BM_Ex0AskExecute(benchmark::State& state) {
  NullHost host;
  Program program(host);
  RegisterWindows(program);
  Ex0Ask& window = program.form<Ex0Ask>();
  window.TurnOvr.setText("0.05");
  for (auto _ : state) {
    program.click(window.Command1);
    benchmark::DoNotOptimize(program.form("outpt").surface().marks().size());
  }
}
BENCHMARK(BM_Ex0AskExecute)->Unit(benchmark::kMicrosecond);

void BM_GraphSteps(benchmark::State& state) {
  NullHost host;
  Program program(host);
  RegisterWindows(program);
  const PlotRecord original = FullRecord();
  PlotRecord plot = original;
  for (auto _ : state) {
    // GraphSteps clips into its argument: start every call from the same data.
    plot.PlotY = original.PlotY;
    GraphSteps(program, "Years", plot.PlotName, 300, 8, 300, plot.PlotY, plot.PlotMax);
    benchmark::DoNotOptimize(program.form("outpt").surface().marks().size());
  }
}
BENCHMARK(BM_GraphSteps)->Unit(benchmark::kMicrosecond);

void BM_GraphXY(benchmark::State& state, const char* mode) {
  NullHost host;
  Program program(host);
  RegisterWindows(program);
  PlotRecord plot = FullRecord();
  for (auto _ : state) {
    GraphXY(program, mode, "x", 300, 1, 8, plot.PlotName, plot.PlotMax, plot.PlotMin, 300,
            plot.PlotX, plot.PlotY);
    benchmark::DoNotOptimize(program.form("outpt").surface().marks().size());
  }
}
BENCHMARK_CAPTURE(BM_GraphXY, lines, "L")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GraphXY, dots, "P")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sylvandra
