#include "plot/output/drawing_marks.h"

#include <algorithm>
#include <cmath>

namespace sylvandra {

Color Blend(Color a, Color b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return Rgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

double Scatter::next() {
  // A 32-bit linear congruential step; the top 24 bits give the fraction.
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<double>(state_ >> 8) / 16777216.0;
}

void FillPolygon(std::vector<Mark>& marks, const std::vector<double>& xs,
                 const std::vector<double>& ys, Color color) {
  const size_t n = xs.size();
  if (n < 3 || ys.size() != n) return;
  const double top = *std::min_element(ys.begin(), ys.end());
  const double bottom = *std::max_element(ys.begin(), ys.end());
  // One band per pixel row, sampled at the row's middle.
  for (double y = std::floor(top / kTwipsPerPixel) * kTwipsPerPixel; y < bottom;
       y += kTwipsPerPixel) {
    const double sample = y + kTwipsPerPixel / 2;
    std::vector<double> crossings;
    for (size_t i = 0; i < n; ++i) {
      const size_t j = (i + 1) % n;
      const double y1 = ys[i], y2 = ys[j];
      if ((y1 <= sample && y2 > sample) || (y2 <= sample && y1 > sample)) {
        crossings.push_back(xs[i] + (sample - y1) * (xs[j] - xs[i]) / (y2 - y1));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
      marks.push_back(FilledBox(crossings[k], y, crossings[k + 1], y, color));
    }
  }
}

}  // namespace sylvandra
