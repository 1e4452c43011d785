#include "exercises/biogeochem/buffering_pictures.h"

#include <string>
#include <vector>

#include "plot/output/drawing_marks.h"

namespace sylvandra {
namespace {

// The pH colour: red at 3, yellow at 5, green at 6.5, blue at 8.
Color PhColour(double pH) {
  const Color red = Rgb(210, 40, 30);
  const Color yellow = Rgb(235, 200, 40);
  const Color green = Rgb(60, 160, 70);
  const Color blue = Rgb(40, 80, 200);
  if (pH <= 5) return Blend(red, yellow, (pH - 3) / 2);
  if (pH <= 6.5) return Blend(yellow, green, (pH - 5) / 1.5);
  return Blend(green, blue, (pH - 6.5) / 1.5);
}

}  // namespace

std::shared_ptr<const Picture> PhArrowPicture(double width, double height, int pH) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  const Color colour = PhColour(pH);
  const double middle = width / 2;
  const double shaft = width / 6;
  const double headTop = height * 0.55;
  picture->marks.push_back(FilledBox(middle - shaft, 30, middle + shaft, headTop, colour));
  FillPolygon(picture->marks, {30, width - 45, middle}, {headTop, headTop, height - 30}, colour);
  return picture;
}

std::shared_ptr<const Picture> SoilSolutionPicture(double width, double height) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  std::vector<Mark>& marks = picture->marks;
  const double surface = height * 0.35;
  marks.push_back(FilledBox(0, 0, width, surface, Rgb(200, 225, 245)));
  // Soil layers: dark humus over a brown mineral soil with clay flecks.
  marks.push_back(FilledBox(0, surface, width, surface + 120, Rgb(70, 50, 35)));
  marks.push_back(FilledBox(0, surface + 120, width, height, Rgb(150, 105, 60)));
  Scatter scatter(7);
  for (int i = 0; i < 40; ++i) {
    const double x = scatter.between(30, width - 60);
    const double y = scatter.between(surface + 180, height - 60);
    marks.push_back(FilledBox(x, y, x + 45, y + 30, Rgb(190, 150, 100)));
  }
  // Water drops rising through the soil, and a root.
  for (int i = 0; i < 6; ++i) {
    const double x = width * (0.15 + 0.14 * i);
    const double y = surface + 240 + (i % 3) * 150;
    marks.push_back(FilledCircle(x, y, 45, Rgb(120, 170, 230)));
  }
  marks.push_back(LineMark(width * 0.8, surface, width * 0.72, height - 90, Rgb(230, 220, 190), 2));
  // Labels in the air and the soil.
  Font font = Font::face("MS Sans Serif", 8.25, true);
  marks.push_back(TextMark(90, 60, "CO2", font, Rgb(40, 40, 40)));
  marks.push_back(TextMark(width * 0.45, 60, "H+", font, Rgb(200, 30, 30)));
  marks.push_back(TextMark(90, height - 300, "Al+++", font, kWhite));
  marks.push_back(TextMark(width * 0.42, height - 300, "HCO3-", font, kWhite));
  marks.push_back(OutlineBox(0, 0, width - 15, height - 15, kBlack));
  return picture;
}

std::shared_ptr<const Picture> PhBandPicture(double width, double height) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  for (double x = 0; x < width; x += 30) {
    picture->marks.push_back(FilledBox(x, 0, x + 30, height, PhColour(3 + 5 * x / width)));
  }
  return picture;
}

}  // namespace sylvandra
