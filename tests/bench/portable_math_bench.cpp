// The cost of the program's own transcendental functions beside the C library's, in the same
// run: each timing is one call on 1024 arguments from the range the models use, so the ratio of
// a Portable line to its Library line is the price of the same bits everywhere.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/portable_math.h"

namespace sylvandra {
namespace {

std::vector<double> Arguments(double low, double high) {
  std::vector<double> values(1024);
  for (size_t i = 0; i < values.size(); ++i) {
    values[i] = low + (high - low) * static_cast<double>(i) / static_cast<double>(values.size());
  }
  return values;
}

void Unary(benchmark::State& state, double (*function)(double), double low, double high) {
  const std::vector<double> values = Arguments(low, high);
  for (auto _ : state) {
    for (double x : values) benchmark::DoNotOptimize(function(x));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}

void Binary(benchmark::State& state, double (*function)(double, double), double low, double high,
            double second) {
  const std::vector<double> values = Arguments(low, high);
  for (auto _ : state) {
    for (double x : values) benchmark::DoNotOptimize(function(x, second));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}

double LibraryExp(double x) {
  return std::exp(x);
}
double LibraryLog(double x) {
  return std::log(x);
}
double LibrarySin(double x) {
  return std::sin(x);
}
double LibraryCos(double x) {
  return std::cos(x);
}
double LibraryPow(double x, double y) {
  return std::pow(x, y);
}
double LibraryHypot(double x, double y) {
  return std::hypot(x, y);
}
double LibraryAtan2(double y, double x) {
  return std::atan2(y, x);
}

BENCHMARK_CAPTURE(Unary, PortableExp, Exp, -20.0, 20.0);
BENCHMARK_CAPTURE(Unary, LibraryExp, LibraryExp, -20.0, 20.0);
BENCHMARK_CAPTURE(Unary, PortableLog, Log, 0.01, 1000.0);
BENCHMARK_CAPTURE(Unary, LibraryLog, LibraryLog, 0.01, 1000.0);
BENCHMARK_CAPTURE(Unary, PortableSin, Sin, -7.0, 7.0);
BENCHMARK_CAPTURE(Unary, LibrarySin, LibrarySin, -7.0, 7.0);
BENCHMARK_CAPTURE(Unary, PortableCos, Cos, -7.0, 7.0);
BENCHMARK_CAPTURE(Unary, LibraryCos, LibraryCos, -7.0, 7.0);
BENCHMARK_CAPTURE(Binary, PortablePow, Pow, 0.01, 100.0, 1.7);
BENCHMARK_CAPTURE(Binary, LibraryPow, LibraryPow, 0.01, 100.0, 1.7);
BENCHMARK_CAPTURE(Binary, PortableHypot, Hypot, -5000.0, 5000.0, 1234.5);
BENCHMARK_CAPTURE(Binary, LibraryHypot, LibraryHypot, -5000.0, 5000.0, 1234.5);
BENCHMARK_CAPTURE(Binary, PortableAtan2, Atan2, -5000.0, 5000.0, 1234.5);
BENCHMARK_CAPTURE(Binary, LibraryAtan2, LibraryAtan2, -5000.0, 5000.0, 1234.5);

}  // namespace
}  // namespace sylvandra
