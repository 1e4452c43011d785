#include "exercises/biogeochem/watershed_model.h"

#include <cmath>

#include "platform/conversions.h"
#include "platform/portable_math.h"
#include "plot/utils.h"

namespace sylvandra {
namespace {

// The sulfate concentration of an amount of sulfate (keq/ha) in the soil water.
double SulfateConcentration(double sulfate) {
  return ((sulfate / 2) / 1600000) * 1000 * 1000;
}

double SorbedSulfate(double capacity, double concentration) {
  return capacity * concentration / (concentration + 2);
}

}  // namespace

WatershedPools WatershedPreset(int watershed) {
  WatershedPools pools;
  pools.S = {0, 0.2, 0.1, 0.1, 0.2, 0};
  pools.U = {0, 1.5, -2, -0.4, -0.1, 0};
  pools.K = {0, 0.95, 0.05};
  pools.Wb = watershed == 1 ? std::array<double, 6>{0, -12, 12, 0, 0, 0}
                            : std::array<double, 6>{0, -1.1, 1.1, 0, 0, 0};
  return pools;
}

double DepositionMultiplier(int year, bool ramp, bool cap, bool reduce) {
  double m = 1;
  if (ramp) {
    m = MaxOf(0.1 + 0.9 * (year - 50) / 150, 0.1);
    if ((cap || reduce) && year > 200) {
      m = 1;
      if (reduce) m = 1 - MaxOf(0.5 * (year - 200) / 100, 0);
    }
  }
  return m;
}

WatershedRun RunWatershedModel(WatershedPools& pools, const WatershedInputs& in) {
  WatershedRun run;
  auto& S = pools.S;
  auto& X = pools.X;
  const auto& U = pools.U;
  const auto& K = pools.K;
  const double E = in.cec;
  const auto& D = in.deposition;

  const double q0 = in.ramp ? 0.1 * D[4] : D[4];
  double Q = SorbedSulfate(in.sulfateCapacity, SulfateConcentration(q0));

  const double shares = in.acidShare + in.baseShare;
  X[1] = in.acidShare / shares;
  X[2] = in.baseShare / shares;
  if (in.noRamp) {
    X[1] = X[1] + K[1] / 2;
    X[2] = 1 - X[1];
  }
  X[1] = E * X[1];
  X[2] = E * X[2];

  for (int t = 1; t <= kWatershedYears; ++t) {
    double B = (E - X[1]) / E;

    std::array<double, 6> W{};
    for (int i = 1; i <= 5; ++i) W[i] = in.weathering * pools.Wb[i];
    const double g = Pow(B / 0.25, 4);
    W[1] += g;
    W[5] += g;

    double m = 1;
    for (int i = 1; i <= 5; ++i) {
      m = DepositionMultiplier(t, in.ramp, in.cap, in.reduce);
      S[i] = S[i] + m * D[i] + W[i];
    }

    double f = 1;
    for (int i = 2; i <= 4; ++i) {
      if (U[i] == 0) continue;
      const double room = S[i] / (-U[i]);
      if (room < f) f = MinOf(room, 1);
    }
    if (f < 0) f = 0;

    const double z = MinOf(MaxOf((in.ozone - 40) / 100, 0), 1);

    double P = 0;
    for (int i = 1; i <= 4; ++i) {
      S[i] = S[i] + (1 - z) * f * U[i];
      if (i < 3) P = P + X[i] + S[i];
    }

    const double Qe = SorbedSulfate(in.sulfateCapacity, SulfateConcentration(S[4]));
    double d = Qe - Q;
    if (d > S[4]) d = S[4];
    Q = Q + d;
    S[4] = S[4] - d;
    S[1] = S[1] - d;

    for (int i = 1; i <= 2; ++i) {
      const double total = X[i] + S[i];
      const double share = (total / P + K[i]) / 2;
      X[i] = E * share;
      S[i] = total - X[i];
    }

    if (S[1] < 0) {
      X[1] = X[1] + S[1];
      X[2] = X[2] - S[1];
      S[2] = S[2] + S[1];
      S[1] = 0;
      B = (E - X[1]) / E;
    }

    run.series[1][t] = B;
    for (int i = 1; i <= 5; ++i) {
      const double out = 0.99 * S[i];
      S[i] = S[i] - out;
      run.series[i + 1][t] = out;
    }
    run.series[7][t] = Q;
    run.series[8][t] = m * D[3];

    bool finite = std::isfinite(X[1]) && std::isfinite(X[2]);
    for (int s = 1; s <= kWatershedSeries; ++s) finite = finite && std::isfinite(run.series[s][t]);
    for (int i = 1; i <= 5; ++i) finite = finite && std::isfinite(S[i]);
    if (!finite) {
      run.overflowYear = t;
      return run;
    }
  }
  return run;
}

SeriesValues WatershedScales(const SeriesData& series) {
  SeriesValues M{};
  M[1] = 1;
  double top = 0;
  for (int i = 2; i <= 6; ++i) {
    for (int y = 100; y <= kWatershedYears; ++y) top = MaxOf(series[i][y], top);
  }
  top = 1.1 * top;
  if (top <= 1) top = 1;
  const double unit = Pow(10.0, Int(Log10(top)));
  top = (Int(top / unit) + 1) * unit;
  for (int i = 2; i <= 6; ++i) M[i] = top + i * top / 100;
  for (int i = 7; i <= 8; ++i) {
    double largest = 0;
    for (int y = 100; y <= kWatershedYears; ++y) largest = MaxOf(series[i][y], largest);
    M[i] = Int(largest);
  }
  M[7] = Int(1.05 * M[7] + 1);
  M[8] = Int(1.1 * M[8] + 1);
  return M;
}

}  // namespace sylvandra
