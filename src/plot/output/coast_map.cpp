// The map of the "Maps" window: the mainland coast of the Southern California Bight with the
// islands of the biogeography exercise's table, drawn from rough outlines in degrees.
#include "plot/output/coast_map.h"

#include <string>
#include <vector>

#include "plot/output/drawing_marks.h"
#include "plot/output/page_layout.h"

namespace sylvandra {
namespace {

struct LatLon {
  double lat, lon;
};

// The map's frame: its top-left corner and its scale (twips per degree of latitude); degrees
// of longitude are shorter by the cosine of the map's middle latitude.
constexpr double kNorth = 34.8;
constexpr double kWest = -120.75;
constexpr double kTwipsPerDegree = 2050;
constexpr double kLongitudeFactor = 0.8358;  // cos 33.3 degrees

double MapX(double lon) {
  return (lon - kWest) * kTwipsPerDegree * kLongitudeFactor;
}
double MapY(double lat) {
  return (kNorth - lat) * kTwipsPerDegree;
}

// The mainland coast from north-west to south-east.
const std::vector<LatLon> kCoast = {
    {35.10, -120.64}, {34.75, -120.62}, {34.58, -120.65}, {34.52, -120.55}, {34.45, -120.47},
    {34.47, -120.25}, {34.44, -120.00}, {34.42, -119.75}, {34.40, -119.55}, {34.33, -119.40},
    {34.27, -119.28}, {34.15, -119.20}, {34.09, -119.06}, {34.04, -118.90}, {34.03, -118.75},
    {34.03, -118.55}, {33.98, -118.47}, {33.85, -118.40}, {33.77, -118.42}, {33.72, -118.30},
    {33.74, -118.22}, {33.70, -118.05}, {33.62, -117.92}, {33.55, -117.80}, {33.46, -117.70},
    {33.38, -117.58}, {33.22, -117.40}, {33.05, -117.30}, {32.90, -117.25}, {32.75, -117.25},
    {32.67, -117.17}, {32.53, -117.12}, {32.35, -117.07}, {32.10, -116.90}, {31.88, -116.70},
    {31.70, -116.68}, {31.50, -116.60}, {31.20, -116.48}, {30.90, -116.40}};

struct Island {
  const char* name;
  double labelX, labelY;  // top-left corner of the name, twips on the map
  std::vector<LatLon> outline;
};

// clang-format off
const std::vector<Island> kIslands = {
    {"San Miguel", 350, 1250,
     {{34.07, -120.43}, {34.06, -120.35}, {34.04, -120.31}, {34.02, -120.33}, {34.01, -120.40},
      {34.03, -120.44}}},
    {"Santa Rosa", 700, 1900,
     {{34.02, -120.20}, {34.03, -120.10}, {34.00, -119.98}, {33.94, -119.97}, {33.90, -120.05},
      {33.92, -120.15}, {33.97, -120.24}}},
    {"Santa Cruz", 1720, 1800,
     {{34.06, -119.92}, {34.07, -119.80}, {34.06, -119.65}, {34.05, -119.55}, {34.01, -119.52},
      {33.98, -119.60}, {33.96, -119.75}, {33.98, -119.88}, {34.02, -119.93}}},
    {"Anacapa", 2250, 1390,
     {{34.025, -119.44}, {34.022, -119.40}, {34.012, -119.35}, {34.000, -119.36},
      {34.004, -119.42}, {34.010, -119.445}}},
    {"San Nicolas", 1800, 3300,
     {{33.28, -119.57}, {33.28, -119.50}, {33.26, -119.43}, {33.23, -119.44}, {33.22, -119.52},
      {33.24, -119.57}}},
    {"Santa Barbara", 1800, 2610,
     {{33.495, -119.045}, {33.495, -119.015}, {33.465, -119.015}, {33.465, -119.045}}},
    {"Santa Catalina", 3700, 3150,
     {{33.48, -118.60}, {33.45, -118.50}, {33.40, -118.40}, {33.35, -118.31}, {33.31, -118.30},
      {33.32, -118.36}, {33.38, -118.47}, {33.42, -118.55}, {33.44, -118.60}}},
    {"San Clemente", 2650, 3750,
     {{33.03, -118.60}, {32.98, -118.53}, {32.90, -118.46}, {32.82, -118.35}, {32.80, -118.37},
      {32.86, -118.47}, {32.94, -118.56}, {33.00, -118.61}}},
    {"Los Coronados", 4900, 4800,
     {{32.44, -117.26}, {32.44, -117.24}, {32.41, -117.23}, {32.40, -117.25}}},
};
// clang-format on

struct Place {
  const char* name;
  LatLon where;
  double labelDx, labelDy;
};
const Place kCities[] = {{"Santa Barbara", {34.42, -119.70}, -300, -280},
                         {"Los Angeles", {34.05, -118.24}, 120, -95},
                         {"San Diego", {32.72, -117.16}, -820, -95}};

constexpr Color kSea = Rgb(168, 208, 232);
constexpr Color kLand = Rgb(226, 220, 182);
constexpr Color kShore = Rgb(96, 110, 84);
constexpr Color kWaterText = Rgb(24, 56, 104);

void Outline(std::vector<Mark>& marks, const std::vector<double>& xs, const std::vector<double>& ys,
             bool closed) {
  const size_t n = xs.size();
  for (size_t i = 0; i + 1 < n + (closed ? 1 : 0); ++i) {
    const size_t j = (i + 1) % n;
    marks.push_back(LineMark(xs[i], ys[i], xs[j], ys[j], kShore));
  }
}

}  // namespace

std::shared_ptr<const Picture> CoastMapPicture(double width, double height) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  picture->background = kSea;
  std::vector<Mark>& marks = picture->marks;
  const Font label = Font::face("MS Sans Serif", 8.25);
  const Font bold = Font::face("MS Sans Serif", 8.25, true);
  Font italic = Font::face("Times New Roman", 12);
  italic.italic = true;

  // The mainland: the coast, closed along the map's right edge.
  std::vector<double> xs, ys;
  for (const LatLon& p : kCoast) {
    xs.push_back(MapX(p.lon));
    ys.push_back(MapY(p.lat));
  }
  const std::vector<double> coastXs = xs, coastYs = ys;
  xs.push_back(width);
  ys.push_back(ys.back());
  xs.push_back(width);
  ys.push_back(ys.front());
  FillPolygon(marks, xs, ys, kLand);
  Outline(marks, coastXs, coastYs, false);

  marks.push_back(TextMark(4700, 700, "CALIFORNIA", bold, Rgb(90, 80, 60)));

  for (const Island& island : kIslands) {
    std::vector<double> ix, iy;
    for (const LatLon& p : island.outline) {
      ix.push_back(MapX(p.lon));
      iy.push_back(MapY(p.lat));
    }
    FillPolygon(marks, ix, iy, kLand);
    Outline(marks, ix, iy, true);
    marks.push_back(TextMark(island.labelX, island.labelY, island.name, label, kWaterText));
  }

  for (const Place& city : kCities) {
    const double x = MapX(city.where.lon), y = MapY(city.where.lat);
    marks.push_back(FilledCircle(x, y, 40, kBlack));
    marks.push_back(TextMark(x + city.labelDx, y + city.labelDy, city.name, label, kBlack));
  }

  marks.push_back(
      TextMark(MapX(-120.2), MapY(32.3), "P A C I F I C    O C E A N", italic, kWaterText));

  // Title, scale and north arrow in a panel on the open sea.
  const double panelLeft = 300, panelTop = height - 1500, panelRight = 3300,
               panelBottom = height - 300;
  marks.push_back(FilledBox(panelLeft, panelTop, panelRight, panelBottom, kWhite));
  marks.push_back(OutlineBox(panelLeft, panelTop, panelRight, panelBottom, kShore));
  marks.push_back(TextMark(panelLeft + 150, panelTop + 120, "Southern California Bight",
                           Font::face("MS Sans Serif", 9.75, true), kBlack));
  marks.push_back(TextMark(panelLeft + 150, panelTop + 380, "The Channel Islands", label, kBlack));
  // 100 km is 0.9 degrees of latitude.
  const double kilometre = kTwipsPerDegree / 111.0;
  const double barLeft = panelLeft + 150, barTop = panelTop + 800;
  for (int i = 0; i < 4; ++i) {
    const double x1 = barLeft + 25 * kilometre * i, x2 = barLeft + 25 * kilometre * (i + 1);
    if (i % 2 == 0) {
      marks.push_back(FilledBox(x1, barTop, x2, barTop + 75, kBlack));
    } else {
      marks.push_back(OutlineBox(x1, barTop, x2, barTop + 75, kBlack));
    }
  }
  marks.push_back(TextMark(barLeft - 40, barTop + 110, "0", label, kBlack));
  marks.push_back(TextMark(barLeft + 50 * kilometre - 90, barTop + 110, "50", label, kBlack));
  marks.push_back(TextMark(barLeft + 100 * kilometre - 120, barTop + 110, "100 km", label, kBlack));
  const double arrowX = panelRight - 250, arrowBottom = panelBottom - 150;
  marks.push_back(LineMark(arrowX, arrowBottom, arrowX, panelTop + 400, kBlack, 2));
  marks.push_back(LineMark(arrowX, panelTop + 400, arrowX - 75, panelTop + 520, kBlack, 2));
  marks.push_back(LineMark(arrowX, panelTop + 400, arrowX + 75, panelTop + 520, kBlack, 2));
  marks.push_back(TextMark(arrowX - 60, panelTop + 150, "N", bold, kBlack));
  return picture;
}

}  // namespace sylvandra
