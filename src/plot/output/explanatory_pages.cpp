#include "plot/output/explanatory_pages.h"

#include <cmath>
#include <string>

#include "platform/color.h"
#include "platform/conversions.h"
#include "platform/portable_math.h"
#include "plot/output/drawing_marks.h"
#include "plot/output/page_layout.h"

namespace sylvandra {
namespace {

const Font kBodyFont = Font::face("MS Sans Serif", 8.25);
const Font kHeadingFont = Font::face("MS Sans Serif", 12, true);
const Font kSubheadingFont = Font::face("MS Sans Serif", 8.25, true);
constexpr Color kHeadingColor = Rgb(0, 64, 32);

// A logistic rise, 0 at the start and 100 % in year 200.
double WoodPercent(double year) {
  auto g = [](double t) { return 1.0 / (1.0 + Exp(-(t - 80.0) / 14.0)); };
  return 100.0 * g(year) / g(200.0);
}
double SoilCarbonPercent(double year) {
  auto g = [](double t) { return 0.55 + 0.45 * (1.0 - Exp(-t / 70.0)); };
  return 100.0 * g(year) / g(200.0);
}
double LitterPercent(double year) {
  return 100.0 * (1.0 - Exp(-year / 20.0)) / (1.0 - Exp(-10.0));
}
// Peaks in year 60, then declines as the stand matures.
double UptakePercent(double year) {
  return 100.0 * (year / 60.0) * Exp(1.0 - year / 60.0);
}
// A low background loss and a pulse after the disturbance in year 150.
double NitrateLossPercent(double year) {
  if (year < 150.0) return 8.0;
  return 8.0 + 92.0 * Exp(-(year - 150.0) / 9.5);
}
double ProductionPercent(double year) {
  if (year < 90.0) return 100.0 * Exp(-Pow((year - 90.0) / 45.0, 2.0));
  return 70.0 + 30.0 * Exp(-Pow((year - 90.0) / 45.0, 2.0));
}

constexpr DemoSeries kSeries[kDemoSeriesCount] = {
    {"Wood", 25000, WoodPercent},    {"Soil C", 9600, SoilCarbonPercent},
    {"Litter", 450, LitterPercent},  {"Uptake", 85, UptakePercent},
    {"NO3", 12, NitrateLossPercent}, {"NPP", 1200, ProductionPercent},
};
// Line colours of the step plotter, series 1..6.
constexpr int kSeriesPalette[kDemoSeriesCount] = {15, 14, 13, 12, 11, 10};

constexpr DemoReading kReadings[kDemoReadingCount] = {
    {"A", 0, 100, 80, "the wood mass", "g/m2", 70, 40},
    {"B", 4, 160, 40, "the nitrate loss", "kg/ha/yr", -190, 40},
};

}  // namespace

const DemoSeries* DemoSeriesTable() {
  return kSeries;
}

const DemoReading* DemoReadings() {
  return kReadings;
}

std::string DemoReadingText(const DemoReading& reading) {
  const DemoSeries& series = kSeries[reading.series];
  const double fraction = reading.percent / 100.0;
  return "In year " + PlainText(reading.year) + " the " + series.name + " curve lies at " +
         PlainText(reading.percent) + " %.  Its maximum is " + PlainText(series.maximum) + ", so " +
         reading.quantity + " is " + Format(fraction, "0.00") + " x " + PlainText(series.maximum) +
         " = " + PlainText(fraction * series.maximum) + " " + reading.unit + ".";
}

std::shared_ptr<const Picture> AboutPagePicture(double width, double height) {
  auto page = std::make_shared<Picture>();
  page->width = width;
  page->height = height;
  page->background = kWhite;
  PageWriter writer(*page, 300, width - 300, 220);
  writer.paragraph("About These Exercises", kHeadingFont, kHeadingColor);
  writer.space(100);
  const struct {
    const char* heading;
    const char* text;
  } sections[] = {
      {nullptr,
       "These laboratory exercises are companions to the course text in ecosystem ecology.  "
       "Each belongs to a chapter of the text and lets you explore its ideas with a small "
       "simulation model or a set of real measurements; the worksheets of the course pose the "
       "questions."},
      {"What you need",
       "A computer with a color screen of at least 800 x 600 pixels (1024 x 768 or more is "
       "better, as several windows are open at once) and a mouse.  No files and no network "
       "connection are needed: every data set is built in."},
      {"How the exercises work",
       "Choose a chapter on the main menu.  An introduction window describes the exercise, and "
       "its buttons open the data window.  There you edit parameters or measured data in the "
       "white boxes and press a button to run the model; results appear in pale yellow boxes "
       "or in the graphical output window that all the exercises share.  Return closes a "
       "window; what you typed is kept until you quit."},
      {"Read \"How to Read the Graphs\" first",
       "Every graph scales each curve to its own maximum, so the y axis is in percent rather "
       "than in the units of the data; the page behind that button shows how to read it."},
      {"A word of caution",
       "The models are simple teaching models, written to show how ecosystems work, not to "
       "predict any real one.  They are not proofed against extreme inputs: values far "
       "outside the ranges suggested on the worksheets may give odd results or an error "
       "message."},
  };
  for (const auto& section : sections) {
    if (section.heading) writer.paragraph(section.heading, kSubheadingFont, kHeadingColor);
    writer.paragraph(section.text, kBodyFont);
    writer.space(120);
  }
  return page;
}

std::shared_ptr<const Picture> GraphDemoPicture(double width, double height, double leftHidden) {
  auto page = std::make_shared<Picture>();
  page->width = width;
  page->height = height;
  page->background = kFaceGrey;
  std::vector<Mark>& marks = page->marks;

  // The frame as the step plotter lays it out, shifted by the part of the picture hidden
  // left of the window edge.
  const double left = leftHidden + 750;
  const double right = leftHidden + 0.9 * (width - leftHidden);
  const double top = 900;
  const double bottom = 2900;
  const double column = (right - left) / 8;
  const double captionX = leftHidden + 50;
  const double lineHeight = kBodyFont.lineHeight();
  auto xOf = [&](double year) { return left + (right - left) * year / 200.0; };
  auto yOf = [&](double percent) { return bottom - (bottom - top) * percent / 100.0; };

  marks.push_back(LineMark(left, top, left, bottom, kBlack, 3, 0));
  marks.push_back(LineMark(left, bottom, right, bottom, kBlack, 3, 0));
  for (int i = 1; i <= 10; ++i) {
    marks.push_back(TextMark(left + (right - left) * i / 10 - 200, bottom + 100,
                             PrintText(20.0 * i), kBodyFont));
    marks.push_back(
        TextMark(captionX, bottom - (bottom - top) * i / 10 - 50, PrintText(10.0 * i), kBodyFont));
  }
  marks.push_back(
      TextMark(leftHidden + 0.45 * (width - leftHidden), bottom + 300, "Year", kBodyFont));

  // Legend strip: name, line sample and maximum of each series.
  const double legendTop = 100;
  marks.push_back(TextMark(captionX, legendTop, "Name", kBodyFont));
  marks.push_back(TextMark(captionX, legendTop + 200, "Line", kBodyFont));
  marks.push_back(TextMark(captionX, legendTop + 400, "Max.", kBodyFont));
  for (int j = 0; j < kDemoSeriesCount; ++j) {
    const DemoSeries& series = kSeries[j];
    const Color color = QBColor(kSeriesPalette[j]);
    const int style = (j + 1) % 5;
    const double x0 = left + j * column;
    const double sampleY = legendTop + lineHeight + 100;
    marks.push_back(TextMark(x0, legendTop, series.name, kBodyFont));
    marks.push_back(LineMark(x0, sampleY, x0 + 0.8 * column, sampleY, color, 3, style));
    marks.push_back(TextMark(x0, sampleY + 100, PrintText(series.maximum), kBodyFont));
    double previousX = xOf(1), previousY = yOf(series.percent(1));
    for (int year = 3; year <= 200; year += 2) {
      const double x = xOf(year), y = yOf(series.percent(year));
      marks.push_back(LineMark(previousX, previousY, x, y, color, 3, style));
      previousX = x;
      previousY = y;
    }
  }

  // The worked readings: dotted guides from the y axis to the curve and down to the year.
  for (const DemoReading& reading : kReadings) {
    const double x = xOf(reading.year), y = yOf(reading.percent);
    marks.push_back(LineMark(left, y, x, y, kBlack, 1, 2));
    marks.push_back(LineMark(x, y, x, bottom, kBlack, 1, 2));
    marks.push_back(FilledCircle(x, y, 45, kBlack));
    marks.push_back(TextMark(x + reading.labelDx, y + reading.labelDy, reading.letter,
                             Font::face("MS Sans Serif", 8.25, true)));
  }

  PageWriter writer(*page, leftHidden + 180, width - 180, bottom + 620);
  writer.paragraph(
      "Every graph in these exercises is drawn like this one.  Each curve is scaled to its own "
      "maximum, so the y axis gives percent of that maximum, not the value itself.  The strip "
      "along the top gives each series' name, line and maximum (Max.).",
      kBodyFont);
  writer.space(80);
  writer.paragraph(
      "To read a value, find the percentage on the y axis where the curve lies and multiply "
      "it by the maximum printed under that series' color bar.",
      kBodyFont);
  writer.space(80);
  const Font bold = Font::face("MS Sans Serif", 8.25, true);
  for (const DemoReading& reading : kReadings) {
    writer.labelled(std::string(reading.letter) + ":", DemoReadingText(reading), kBodyFont);
  }
  writer.space(80);
  writer.paragraph("Readings to the nearest 5 % are accurate enough for all the exercises.", bold);
  return page;
}

}  // namespace sylvandra
