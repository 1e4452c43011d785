#include "shell/drawings.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/portable_math.h"
#include "plot/output/drawing_marks.h"

namespace sylvandra {

std::shared_ptr<const Picture> MarkerPicture(double size) {
  auto picture = std::make_shared<Picture>();
  picture->width = size;
  picture->height = size;
  constexpr double kPixel = 15;
  constexpr Color kBarrierYellow = Rgb(255, 196, 0);
  const int pixels = static_cast<int>(size / kPixel);
  const double edge = (pixels - 1) * kPixel;  // the last pixel inside the picture
  picture->marks.push_back(FilledBox(0, 0, edge, edge, kBarrierYellow));
  // Black diagonal stripes, three pixels wide every six, drawn row by row.
  for (int row = 1; row < pixels - 1; ++row) {
    for (int start = -pixels; start < pixels; start += 6) {
      const int from = std::max(1, start + (pixels - 1 - row));
      const int to = std::min(pixels - 2, start + (pixels - 1 - row) + 2);
      if (from > to) continue;
      picture->marks.push_back(
          FilledBox(from * kPixel, row * kPixel, to * kPixel, row * kPixel, kBlack));
    }
  }
  picture->marks.push_back(OutlineBox(0, 0, edge, edge, kBlack));
  return picture;
}

namespace {

struct Point {
  double x, y;
};

// Sky from deep blue at the top to a warm haze at the horizon.
void DrawSky(std::vector<Mark>& marks, double width, double horizon) {
  const Color top = Rgb(92, 150, 214);
  const Color low = Rgb(226, 234, 214);
  for (double y = 0; y < horizon; y += 30) {
    marks.push_back(FilledBox(0, y, width, y + 30, Blend(top, low, y / horizon)));
  }
}

// The sun's glow: rings that fade from white into the sky.
void DrawSun(std::vector<Mark>& marks, Point sun, double radius, Color sky) {
  const Color core = Rgb(255, 252, 228);
  for (int ring = 10; ring >= 0; --ring) {
    const double r = radius * (1.0 + ring * 0.45);
    marks.push_back(FilledCircle(sun.x, sun.y, r, Blend(core, sky, ring / 10.0)));
  }
}

void DrawGround(std::vector<Mark>& marks, double width, double height, double horizon) {
  const Color near = Rgb(70, 112, 46);
  const Color far = Rgb(128, 160, 84);
  for (double y = horizon; y < height; y += 30) {
    marks.push_back(
        FilledBox(0, y, width, y + 30, Blend(far, near, (y - horizon) / (height - horizon))));
  }
}

// A trunk that widens towards its foot, and the limbs that carry the crown.
void DrawTrunk(std::vector<Mark>& marks, double centre, double base, double crownBase,
               double width) {
  const Color bark = Rgb(84, 60, 40);
  const Color lit = Rgb(122, 92, 62);
  for (double y = crownBase; y < base; y += 15) {
    const double t = (y - crownBase) / (base - crownBase);
    const double half = width * (0.09 + 0.05 * t * t);
    marks.push_back(FilledBox(centre - half, y, centre + half, y + 15, bark));
    // The sunlit side of the bark.
    marks.push_back(FilledBox(centre + half * 0.35, y, centre + half * 0.8, y + 15, lit));
  }
  const struct {
    double dx, dy, thickness;
  } limbs[] = {{-0.30, -0.26, 7}, {0.28, -0.30, 7},  {-0.12, -0.36, 5},
               {0.10, -0.40, 5},  {-0.38, -0.14, 4}, {0.36, -0.12, 4}};
  for (const auto& limb : limbs) {
    marks.push_back(LineMark(centre, crownBase + 60, centre + limb.dx * width,
                             crownBase + 0.8 * limb.dy * width, bark,
                             static_cast<int>(limb.thickness)));
  }
}

// Rays of the sun across the open sky.
void DrawRays(std::vector<Mark>& marks, Point sun, double length, Color sky) {
  const Color ray = Blend(Rgb(255, 248, 200), sky, 0.55);
  for (int i = 0; i < 12; ++i) {
    const double angle = 2 * std::numbers::pi * i / 12 + 0.1;
    marks.push_back(LineMark(sun.x + 0.25 * length * Cos(angle), sun.y + 0.25 * length * Sin(angle),
                             sun.x + length * Cos(angle), sun.y + length * Sin(angle), ray, 2));
  }
}

// The crown: clumps of leaves from the shaded back to the sunlit front, each clump lighter on
// the side that faces the sun, with glints where the sun shows through the foliage.
void DrawCrown(std::vector<Mark>& marks, Point centre, double rx, double ry, Point sun) {
  Scatter scatter(20240611u);
  const Color shade = Rgb(24, 58, 28);
  const Color mid = Rgb(52, 106, 44);
  const Color lit = Rgb(150, 192, 78);
  for (int layer = 0; layer < 4; ++layer) {
    const int clumps = 70 - layer * 12;
    for (int i = 0; i < clumps; ++i) {
      const double angle = scatter.between(0, 2 * std::numbers::pi);
      const double reach = std::sqrt(scatter.next()) * (1.0 - 0.12 * layer);
      const double x = centre.x + rx * reach * Cos(angle);
      const double y = centre.y + ry * reach * Sin(angle);
      // How much of this clump faces the sun: 0 at the far side, 1 at the near side.
      const double facing = std::clamp(
          0.5 + ((x - centre.x) * (sun.x - centre.x) + (y - centre.y) * (sun.y - centre.y)) /
                    (2 * rx * Hypot(sun.x - centre.x, sun.y - centre.y)) * 1.6,
          0.0, 1.0);
      const double radius = scatter.between(0.09, 0.15) * rx;
      const Color base = Blend(shade, mid, 0.3 + 0.25 * layer);
      marks.push_back(FilledCircle(x, y, radius, base));
      // The clump's sunlit cap, offset towards the sun.
      const double toSun = Atan2(sun.y - y, sun.x - x);
      const double offset = radius * 0.35;
      marks.push_back(FilledCircle(x + offset * Cos(toSun), y + offset * Sin(toSun), radius * 0.6,
                                   Blend(base, lit, facing * (0.4 + 0.2 * layer))));
    }
  }
  // Glints of the sun through gaps in the foliage, most of them on the sun's side.
  for (int i = 0; i < 40; ++i) {
    const double angle = scatter.between(-2.4, 0.6);
    const double reach = scatter.between(0.3, 0.95);
    const double x = centre.x + rx * reach * Cos(angle);
    const double y = centre.y + ry * reach * Sin(angle);
    const double distance = Hypot(x - sun.x, y - sun.y) / rx;
    if (distance > 0.9) continue;
    marks.push_back(FilledCircle(x, y, scatter.between(10, 22),
                                 Blend(Rgb(255, 252, 225), Rgb(170, 200, 100), distance)));
  }
}

// Sunflecks: patches of light on the ground under the crown.
void DrawSunflecks(std::vector<Mark>& marks, double width, double horizon, double height) {
  Scatter scatter(7411u);
  const Color fleck = Rgb(142, 176, 80);
  for (int i = 0; i < 12; ++i) {
    const double x = scatter.between(0.08, 0.92) * width;
    const double y = scatter.between(horizon + 60, height - 40);
    const double r = scatter.between(10, 18);
    // A flattened patch: circles side by side.
    for (int k = -2; k <= 2; ++k) marks.push_back(FilledCircle(x + k * r * 0.9, y, r, fleck));
  }
}

}  // namespace

std::shared_ptr<const Picture> CoverPicture(double width, double height) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  std::vector<Mark>& marks = picture->marks;
  const double horizon = height * 0.80;
  const Point sun{width * 0.76, height * 0.15};
  const Point crown{width * 0.48, height * 0.38};
  const double crownRx = width * 0.44, crownRy = height * 0.27;
  const Color skyAtSun = Blend(Rgb(92, 150, 214), Rgb(226, 234, 214), sun.y / horizon);

  DrawSky(marks, width, horizon);
  DrawRays(marks, sun, width * 0.6, skyAtSun);
  DrawSun(marks, sun, width * 0.06, skyAtSun);
  DrawGround(marks, width, height, horizon);
  // The crown's shadow on the ground.
  for (int i = 0; i < 7; ++i) {
    marks.push_back(FilledCircle(width * (0.16 + 0.1 * i), horizon + height * 0.08, width * 0.1,
                                 Rgb(56, 92, 38)));
  }
  DrawSunflecks(marks, width, horizon, height);
  DrawTrunk(marks, width * 0.48, height * 0.93, crown.y + crownRy * 0.5, width);
  DrawCrown(marks, crown, crownRx, crownRy, sun);
  return picture;
}

}  // namespace sylvandra
