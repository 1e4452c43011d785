// What the plotters drew, kept beside the drawing: each series' name, colour, scale and points,
// in data units and in twips. It lets a student read real values off a graph (each series is
// drawn in percent of its own maximum), export the plotted data, and keep a run to compare with
// the next graph of the same exercise and kind, drawn faded under it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/color.h"
#include "plot/plot_frame.h"

namespace sylvandra {

class Program;
class Surface;
class Window;

enum class GraphKind { Steps, XY };

struct DrawnPoint {
  double x = 0;      // x value in the units of the x axis
  double value = 0;  // the real value, in the units of the field it came from
  double xTwips = 0, yTwips = 0;
};

struct DrawnSeries {
  int number = 0;  // 1..8, the legend column
  std::string name{};
  Color colour = kBlack;
  double maximum = 0;  // the value drawn at the top of the frame
  bool dots = false;   // drawn as dots, not joined by lines
  std::vector<DrawnPoint> points{};
};

// How a graph maps data to twips: x from xMin at L to xMax at R; y of a series with maximum M
// from low = -M x N / 100 on the x axis to M at the top (N: the common range below zero in
// percent, 0 for a step graph).
struct GraphAxes {
  PlotFrame frame;
  double xMin = 0, xMax = 0;
  double N = 0;

  double twipsX(double x) const;
  double twipsY(double value, double maximum) const;
};

struct DrawnGraph {
  std::string exercise;  // the window whose handler drew the graph
  GraphKind kind = GraphKind::XY;
  std::string title;  // the x axis caption
  GraphAxes axes;
  std::uint64_t generation = 0;  // of the surface when drawn; a Cls makes the record stale
  std::vector<DrawnSeries> series;
};

struct Readout {
  std::string series;
  double x = 0, value = 0;
  double xTwips = 0, yTwips = 0;  // where the point is drawn
};

// A value as the read-out shows it: rounded to five significant digits, as a student reads the
// fields (six for a whole number below a million, so that 123456 is not cut), trailing zeros
// dropped, an exponent ("1.2346E+06") only beyond that.
std::string ShownValue(double value);

// The tooltip over a graph: the series, its x and its value, both as ShownValue writes them.
std::string ReadoutText(const Readout& readout);

// The graph drawn on each window (by window name) and the run kept for comparison.
struct DrawnGraphs {
  std::map<std::string, DrawnGraph, std::less<>> byWindow;
  std::optional<DrawnGraph> kept;
};

// Tags the marks drawn while it lives as the curve of series `number` (Surface::Series), and
// untags whatever ends the drawing, a failure included.
class SeriesMarks {
 public:
  SeriesMarks(Surface& surface, int number);
  ~SeriesMarks();
  SeriesMarks(const SeriesMarks&) = delete;
  SeriesMarks& operator=(const SeriesMarks&) = delete;

 private:
  Surface& surface_;
};

// A series' name as its legend shows it, without the blanks that place it in its column.
std::string SeriesName(const std::string& legendText);

// Starts the record of a graph about to be drawn on `window` (after its Cls, if any). A graph
// drawn over the last one without a Cls adds its series to the same record.
DrawnGraph& BeginDrawnGraph(Window& window, GraphKind kind, const std::string& title,
                            const GraphAxes& axes);

// The graph on the window's surface as it is now, or null when none (or it has been cleared).
const DrawnGraph* CurrentGraph(Window& window);

// The point nearest (x, y) within 150 twips, over every series of the graph on the window.
std::optional<Readout> ReadOut(Window& window, double x, double y);

// The plotted series as CSV: a header (the x caption, then each series' name, with its legend
// position in brackets where two series share a name), then a row for
// each plotted x with the real value of each series there (empty where a series has none); an
// x a series plots more than once has a row each time. Empty when no graph is drawn.
std::string GraphCsv(Window& window);
// A CSV field: quoted (quotes doubled) when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

// Keeps the window's current graph for comparison; false when there is none.
bool KeepRun(Window& window);
// Forgets the kept run and takes its faded curves off the window's drawing.
void ClearKeptRun(Window& window);

// Draws the kept run, if it comes from the same exercise and kind as the graph being drawn and
// has the same x axis caption,
// faded under that graph: each kept series on the scale of the new series of the same name
// (its own maximum when the new graph has none), with "(kept)" and sample lines in a second
// legend row. Call after the frame and before the series.
void DrawKeptRun(Window& window, const DrawnGraph& graph,
                 const std::map<std::string, double>& maximaByName);

}  // namespace sylvandra
