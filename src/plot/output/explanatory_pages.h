// The two fixed pages the main menu shows on the output window: "About These Exercises" and
// "How to Read the Graphs". Both are pictures drawn by code at the size of their picture box.
#pragma once

#include <memory>
#include <string>

#include "platform/surface.h"

namespace sylvandra {

// A page of text on the exercises: what they are for, what they need, how the windows lead
// from one to the next, and what the models are not meant to do.
std::shared_ptr<const Picture> AboutPagePicture(double width, double height);

// An example graph in the style of the step plotter (six series over 200 years) and how to
// read values off it. leftHidden is the part of the picture that lies left of the window edge.
std::shared_ptr<const Picture> GraphDemoPicture(double width, double height, double leftHidden);

// The example graph's series in percent of their own maxima, year 0..200 (exposed so the
// worked readings on the page can be checked against the curves).
struct DemoSeries {
  const char* name;
  double maximum;
  double (*percent)(double year);
};
inline constexpr int kDemoSeriesCount = 6;
const DemoSeries* DemoSeriesTable();

// A worked reading on the example graph, marked there with its letter.
struct DemoReading {
  const char* letter;
  int series;  // index into DemoSeriesTable()
  double year;
  double percent;  // as read off the y axis, to the nearest 5 %
  const char* quantity;
  const char* unit;
  double labelDx, labelDy;  // where the letter stands, from the point read
};
inline constexpr int kDemoReadingCount = 2;
const DemoReading* DemoReadings();
// "In year 100 the Biomass curve lies at 80 %.  Its maximum is 25000, so ..."
std::string DemoReadingText(const DemoReading& reading);

}  // namespace sylvandra
