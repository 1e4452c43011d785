#include "plot/drawn_graph.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/conversions.h"
#include "platform/number_text.h"
#include "platform/portable_math.h"
#include "platform/program.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace sylvandra {
namespace {

constexpr double kReadoutReach = 150;  // twips from the pointer to the nearest point

DrawnGraphs& Graphs(Window& window) {
  return window.program().state<DrawnGraphs>();
}

// A colour halfway to the background: the faded look of a kept run.
Color Faded(Color colour, Color background) {
  auto mix = [](int a, int b) { return (a + b + 1) / 2; };
  return Rgb(mix(RedOf(colour), RedOf(background)), mix(GreenOf(colour), GreenOf(background)),
             mix(BlueOf(colour), BlueOf(background)));
}

// Each series' name as its legend shows it; two series of one name (the moose's and the wolves'
// "Cond.") are told apart by their legend position, "Cond. (3)" and "Cond. (5)".
std::vector<std::string> ColumnNames(const DrawnGraph& graph) {
  std::vector<std::string> names;
  for (const DrawnSeries& series : graph.series) {
    const auto same =
        std::count_if(graph.series.begin(), graph.series.end(),
                      [&](const DrawnSeries& other) { return other.name == series.name; });
    names.push_back(same > 1 ? series.name + " (" + std::to_string(series.number) + ")"
                             : series.name);
  }
  return names;
}

}  // namespace

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

SeriesMarks::SeriesMarks(Surface& surface, int number) : surface_(surface) {
  surface_.Series = number;
}

SeriesMarks::~SeriesMarks() {
  surface_.Series = 0;
}

std::string SeriesName(const std::string& legendText) {
  const auto first = legendText.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return legendText.substr(first, legendText.find_last_not_of(' ') - first + 1);
}

double GraphAxes::twipsX(double x) const {
  return frame.left + (x - xMin) * (frame.right - frame.left) / (xMax - xMin);
}

double GraphAxes::twipsY(double value, double maximum) const {
  const double low = -maximum * N / 100;
  return frame.bottom + (frame.top - frame.bottom) * (value - low) / (maximum - low);
}

DrawnGraph& BeginDrawnGraph(Window& window, GraphKind kind, const std::string& title,
                            const GraphAxes& axes) {
  DrawnGraph& graph = Graphs(window).byWindow[window.name()];
  const Window* handler = window.program().handlingWindow();
  const std::string exercise = handler ? handler->name() : std::string();
  const std::uint64_t generation = window.surface().generation();
  const bool over = graph.generation == generation && graph.kind == kind &&
                    graph.exercise == exercise && !graph.series.empty();
  if (!over) graph.series.clear();
  graph.exercise = exercise;
  graph.kind = kind;
  graph.title = title;
  graph.axes = axes;
  graph.generation = generation;
  return graph;
}

const DrawnGraph* CurrentGraph(Window& window) {
  DrawnGraphs& graphs = Graphs(window);
  const auto found = graphs.byWindow.find(window.name());
  if (found == graphs.byWindow.end()) return nullptr;
  if (found->second.generation != window.surface().generation()) return nullptr;
  return &found->second;
}

std::string ShownValue(double value) {
  if (!std::isfinite(value)) return PlainText(value);
  if (value == 0) value = 0;  // no "-0"
  const double magnitude = std::fabs(value);
  const int digits = magnitude >= 99999.5 && magnitude < 999999.5 ? 6 : 5;
  return WriteRounded(value, RoundedStyle::General, digits, true);
}

std::string ReadoutText(const Readout& readout) {
  return readout.series + "\nx: " + ShownValue(readout.x) + "\nvalue: " + ShownValue(readout.value);
}

std::optional<Readout> ReadOut(Window& window, double x, double y) {
  const DrawnGraph* graph = CurrentGraph(window);
  if (!graph) return std::nullopt;
  std::optional<Readout> nearest;
  double best = kReadoutReach;
  for (const DrawnSeries& series : graph->series) {
    for (const DrawnPoint& point : series.points) {
      const double distance = Hypot(point.xTwips - x, point.yTwips - y);
      if (distance > best || (nearest && distance == best)) continue;
      best = distance;
      nearest = Readout{series.name, point.x, point.value, point.xTwips, point.yTwips};
    }
  }
  return nearest;
}

std::string GraphCsv(Window& window) {
  const DrawnGraph* graph = CurrentGraph(window);
  if (!graph) return {};
  // A row for each x and each time it recurs within a series (several night hours at a light
  // of 0), in the order the points were drawn; a series without a point there leaves it empty.
  struct Row {
    double x = 0;
    int occurrence = 0;
    std::vector<std::optional<double>> values;
  };
  std::vector<Row> rows;
  const size_t nSeries = graph->series.size();
  for (size_t s = 0; s < nSeries; ++s) {
    std::map<double, int> seen;
    for (const DrawnPoint& point : graph->series[s].points) {
      const int occurrence = seen[point.x]++;
      auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
        return r.x == point.x && r.occurrence == occurrence;
      });
      if (row == rows.end()) {
        rows.push_back({point.x, occurrence, std::vector<std::optional<double>>(nSeries)});
        row = rows.end() - 1;
      }
      row->values[s] = point.value;
    }
  }
  std::string csv = CsvField(graph->title.empty() ? "x" : graph->title);
  for (const std::string& name : ColumnNames(*graph)) csv += "," + CsvField(name);
  csv += "\n";
  for (const Row& row : rows) {
    csv += WriteShortest(row.x);
    for (const auto& value : row.values)
      csv += "," + (value ? WriteShortest(*value) : std::string());
    csv += "\n";
  }
  return csv;
}

bool KeepRun(Window& window) {
  const DrawnGraph* graph = CurrentGraph(window);
  if (!graph || graph->series.empty()) return false;
  Graphs(window).kept = *graph;
  return true;
}

void ClearKeptRun(Window& window) {
  Graphs(window).kept.reset();
  // The graph on the window stays readable once the faded curves are taken off it.
  DrawnGraphs& graphs = Graphs(window);
  const auto found = graphs.byWindow.find(window.name());
  const bool current =
      found != graphs.byWindow.end() && found->second.generation == window.surface().generation();
  if (window.surface().removeKept() && current) {
    found->second.generation = window.surface().generation();
  }
}

void DrawKeptRun(Window& window, const DrawnGraph& graph,
                 const std::map<std::string, double>& maximaByName) {
  const std::optional<DrawnGraph>& kept = Graphs(window).kept;
  // Only a graph of the same exercise, kind and x axis can be compared with it.
  if (!kept || kept->exercise != graph.exercise || kept->kind != graph.kind ||
      kept->title != graph.title) {
    return;
  }
  Surface& surface = window.surface();
  const GraphAxes& axes = graph.axes;
  const PlotFrame& frame = axes.frame;
  if (axes.xMax == axes.xMin) return;
  const Color background = surface.BackColor();
  auto inside = [](double v, double a, double b) {
    return std::clamp(v, std::min(a, b), std::max(a, b));
  };
  // The second legend row: "(kept)" and each kept series' faded sample line in its column.
  constexpr double kKeptRowY = 720;
  surface.addKept(TextMark(kLegendCaptionX, kKeptRowY, "(kept)", surface.font,
                           Faded(surface.ForeColor, background)));
  for (const DrawnSeries& series : kept->series) {
    const Color colour = Faded(series.colour, background);
    const double left = frame.columnLeft(series.number);
    const double lineY = kKeptRowY + surface.TextHeight() / 2;
    surface.addKept(LineMark(left, lineY, left + 0.8 * frame.column, lineY, colour));
    const auto own = maximaByName.find(series.name);
    const double maximum =
        own != maximaByName.end() && own->second != 0 ? own->second : series.maximum;
    if (maximum == 0) continue;
    std::optional<std::pair<double, double>> last;
    for (const DrawnPoint& point : series.points) {
      const double x = inside(axes.twipsX(point.x), frame.left, frame.right);
      const double y = inside(axes.twipsY(point.value, maximum), frame.top, frame.bottom);
      if (!std::isfinite(x) || !std::isfinite(y)) continue;
      if (series.dots) {
        surface.addKept(FilledCircle(x, y, 30, colour));
      } else if (last) {
        surface.addKept(LineMark(last->first, last->second, x, y, colour));
      }
      last = {x, y};
    }
  }
}

}  // namespace sylvandra
