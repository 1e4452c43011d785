// Small builders for the marks of pictures drawn by code.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/surface.h"

namespace sylvandra {

// Mixes a and b: t = 0 gives a, t = 1 gives b.
Color Blend(Color a, Color b, double t);

// A fixed sequence of numbers in [0, 1) for placing leaves and waves; the same on every
// machine, and apart from the program's own random sequence.
class Scatter {
 public:
  explicit Scatter(std::uint32_t seed) : state_(seed) {}
  double next();
  double between(double low, double high) { return low + (high - low) * next(); }

 private:
  std::uint32_t state_;
};

// A polygon (vertices in twips) filled with one-pixel horizontal bands, so that any outline
// can be drawn with boxes.
void FillPolygon(std::vector<Mark>& marks, const std::vector<double>& xs,
                 const std::vector<double>& ys, Color color);

}  // namespace sylvandra
