#include "exercises/population/fire_model.h"

#include <cmath>

#include "platform/conversions.h"

namespace sylvandra {
namespace {

template <class Fn>
void ForEachPixel(Fn fn) {
  for (int i = 1; i <= kGroveRows; ++i) {
    for (int j = 1; j <= kGroveColumns; ++j) fn(i, j);
  }
}

}  // namespace

void InitialiseGrove(SequoiaGrove& grove, const RandomDraw& rnd) {
  grove.FuelIncrement = 2;
  grove.UnderstoryIncrement = 2;
  grove.FireInterval = 15;
  grove.CrownThreshold = 300;
  grove.SurfaceFireSurvival = 0.1;
  grove.SpreadFactor = 0.5;
  grove.LostPixels = 0;
  grove.FireState = {};
  ForEachPixel([&](int i, int j) {
    grove.FuelLoad[i][j] = Single(rnd() * 70);
    grove.UnderstoryBiomass[i][j] = Single(rnd() * 80);
  });
}

void GrowGrove(SequoiaGrove& grove) {
  ForEachPixel([&](int i, int j) {
    if (grove.FuelLoad[i][j] != 0) grove.FuelLoad[i][j] += grove.FuelIncrement;
    if (grove.UnderstoryBiomass[i][j] != 0) {
      grove.UnderstoryBiomass[i][j] += grove.UnderstoryIncrement;
    }
  });
}

void ClearFireState(SequoiaGrove& grove) {
  grove.FireState = {};
}

GroveGrid<bool> HighestPixels(const GroveGrid<double>& values, int n) {
  // top[1..100] descending; top[0] stays 0.
  std::array<double, 101> top{};
  ForEachPixel([&](int i, int j) {
    const double v = values[i][j];
    for (int k = 1; k <= 100; ++k) {
      if (v > top[k]) {
        for (int m = 100; m > k; --m) top[m] = top[m - 1];
        top[k] = v;
        break;
      }
    }
  });
  GroveGrid<bool> managed{};
  const double cut = top[static_cast<size_t>(n)];
  ForEachPixel([&](int i, int j) { managed[i][j] = values[i][j] >= cut; });
  return managed;
}

GroveGrid<bool> RandomPixels(double expected, const RandomDraw& rnd) {
  GroveGrid<bool> managed{};
  const float chance = Single(expected / kGrovePixels);
  ForEachPixel([&](int i, int j) { managed[i][j] = chance > Single(rnd()); });
  return managed;
}

void ApplyManagement(SequoiaGrove& grove, const GroveGrid<bool>& managed) {
  ForEachPixel([&](int i, int j) {
    if (!managed[i][j]) return;
    if (grove.ManagementMode == kPrescribedBurn) {
      grove.FireState[i][j] = kIgnited;
    } else if (grove.ManagementMode == kUnderstoryHarvest) {
      grove.FuelLoad[i][j] += 0.2 * grove.UnderstoryBiomass[i][j];
      grove.UnderstoryBiomass[i][j] *= 0.001;
    }
  });
}

void IgniteGrove(SequoiaGrove& grove, const RandomDraw& rnd) {
  ForEachPixel([&](int i, int j) {
    const double p = grove.FuelLoad[i][j] == 0 ? 0.0 : 1.0 / grove.FireInterval;
    const float r = Single(rnd());
    if (p > r) grove.FireState[i][j] = kIgnited;
  });
}

void BurnGrove(SequoiaGrove& grove, const RandomDraw& rnd, const FlameMark& flame) {
  auto& state = grove.FireState;
  int marked = 0;
  do {
    marked = 0;
    ForEachPixel([&](int i, int j) {
      if (state[i][j] != kIgnited) return;
      state[i][j] = kBurned;
      const double t = 0.8 * grove.CrownThreshold + 0.2 * grove.CrownThreshold * rnd();
      double& fuel = grove.FuelLoad[i][j];
      double& understory = grove.UnderstoryBiomass[i][j];
      if (fuel > t || understory > t) {
        fuel = 0;
        understory = 0;
        grove.LostPixels += 1;
        flame(i, j, kCrownFire);
        for (int k = i - 1; k <= i + 1; ++k) {
          for (int l = j - 1; l <= j + 1; ++l) {
            if (state[k][l] != kBurned) {
              state[k][l] = kIgnited;
              ++marked;
            }
          }
        }
      } else {
        understory *= grove.SurfaceFireSurvival;
        fuel *= grove.SurfaceFireSurvival;
        flame(i, j, kSurfaceFire);
        const double spread = grove.SpreadFactor / grove.FireInterval;
        for (int k = i - 1; k <= i + 1; ++k) {
          for (int l = j - 1; l <= j + 1; ++l) {
            const double r = rnd();
            if (spread > r && state[k][l] != kBurned) {
              state[k][l] = kIgnited;
              ++marked;
            }
          }
        }
      }
    });
  } while (marked != 0);
}

int FireMapClass(double value, double width) {
  if (value == 0) return 0;
  return static_cast<int>(std::fmin(std::floor(value / width + 1), 5));
}

}  // namespace sylvandra
