#include "plot/graph_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "platform/surface.h"
#include "platform/window.h"
#include "plot/drawn_graph.h"

namespace sylvandra {
namespace {

std::string Num(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Attr(const char* name, const std::string& value) {
  return std::string(" ") + name + "=\"" + value + "\"";
}

// Dash patterns of the pen styles, in twips; wider lines are drawn solid, as on screen.
std::string Dashes(const Mark& mark) {
  if (mark.width > 1) return {};
  switch (mark.style) {
    case 1:
      return Attr("stroke-dasharray", "60 30");
    case 2:
      return Attr("stroke-dasharray", "15 30");
    case 3:
      return Attr("stroke-dasharray", "60 30 15 30");
    case 4:
      return Attr("stroke-dasharray", "60 30 15 30 15 30");
    default:
      return {};
  }
}

std::string Stroke(const Mark& mark) {
  return Attr("stroke", ColorHex(mark.color)) +
         Attr("stroke-width", Num(std::max(1, mark.width) * kTwipsPerPixel)) + Dashes(mark);
}

const char* FamilyName(const Font& font) {
  switch (font.family) {
    case FontFamily::Serif:
      return "serif";
    case FontFamily::Mono:
      return "monospace";
    default:
      return "sans-serif";
  }
}

std::string Element(const Mark& mark) {
  switch (mark.kind) {
    case MarkKind::Line:
      return "<line" + Attr("x1", Num(mark.x1)) + Attr("y1", Num(mark.y1)) +
             Attr("x2", Num(mark.x2)) + Attr("y2", Num(mark.y2)) + Stroke(mark) +
             Attr("stroke-linecap", mark.width > 1 ? "round" : "butt") + "/>";
    case MarkKind::Box: {
      const double x = std::min(mark.x1, mark.x2), y = std::min(mark.y1, mark.y2);
      const std::string place = Attr("x", Num(x)) + Attr("y", Num(y)) +
                                Attr("width", Num(std::fabs(mark.x2 - mark.x1))) +
                                Attr("height", Num(std::fabs(mark.y2 - mark.y1)));
      if (mark.filled) return "<rect" + place + Attr("fill", ColorHex(mark.color)) + "/>";
      return "<rect" + place + Attr("fill", "none") + Stroke(mark) + "/>";
    }
    case MarkKind::Circle:
      return "<circle" + Attr("cx", Num(mark.x1)) + Attr("cy", Num(mark.y1)) +
             Attr("r", Num(mark.r)) + Stroke(mark) +
             Attr("fill", mark.fill ? ColorHex(*mark.fill) : "none") + "/>";
    case MarkKind::Text:
      return "<text" + Attr("x", Num(mark.x1)) + Attr("y", Num(mark.y1 + mark.font.ascent())) +
             Attr("font-family", FamilyName(mark.font)) +
             Attr("font-size", Num(mark.font.emTwips())) +
             (mark.font.bold ? Attr("font-weight", "bold") : "") +
             Attr("fill", ColorHex(mark.color)) + Attr("xml:space", "preserve") + ">" +
             Escaped(mark.text) + "</text>";
  }
  return {};
}

}  // namespace

std::string WindowSvg(Window& window) {
  const Surface& surface = window.surface();
  const double width = surface.ScaleWidth(), height = surface.ScaleHeight();
  std::map<int, std::string> seriesNames;
  if (const DrawnGraph* graph = CurrentGraph(window)) {
    for (const DrawnSeries& series : graph->series) seriesNames[series.number] = series.name;
  }
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\"" + Attr("width", Num(width / kTwipsPerPixel)) +
         Attr("height", Num(height / kTwipsPerPixel)) +
         Attr("viewBox", "0 0 " + Num(width) + " " + Num(height)) + ">\n";
  svg += "<title>" + Escaped(window.caption()) + "</title>\n";
  svg += "<rect x=\"0\" y=\"0\"" + Attr("width", Num(width)) + Attr("height", Num(height)) +
         Attr("fill", ColorHex(surface.BackColor())) + "/>\n";
  if (const auto& picture = surface.picture()) {
    svg += "<g class=\"picture\">\n";
    if (picture->background) {
      svg += "<rect x=\"0\" y=\"0\"" + Attr("width", Num(picture->width)) +
             Attr("height", Num(picture->height)) + Attr("fill", ColorHex(*picture->background)) +
             "/>\n";
    }
    for (const Mark& mark : picture->marks) svg += Element(mark) + "\n";
    svg += "</g>\n";
  }
  // Runs of marks of one series (or of the kept run) go in one group.
  std::string open;
  for (const Mark& mark : surface.marks()) {
    std::string group;
    if (mark.kept) {
      group = "<g class=\"kept\">";
    } else if (mark.series > 0) {
      const auto name = seriesNames.find(mark.series);
      group = "<g class=\"curve\"" +
              Attr("data-series",
                   Escaped(name != seriesNames.end() ? name->second
                                                     : "series " + std::to_string(mark.series))) +
              ">";
    }
    if (group != open) {
      if (!open.empty()) svg += "</g>\n";
      if (!group.empty()) svg += group + "\n";
      open = group;
    }
    svg += Element(mark) + "\n";
  }
  if (!open.empty()) svg += "</g>\n";
  svg += "</svg>\n";
  return svg;
}

std::string PrintedText(const Surface& surface) {
  std::vector<const Mark*> texts;
  for (const Mark& mark : surface.marks()) {
    if (mark.kind == MarkKind::Text && !mark.kept) texts.push_back(&mark);
  }
  std::stable_sort(texts.begin(), texts.end(), [](const Mark* a, const Mark* b) {
    return a->y1 != b->y1 ? a->y1 < b->y1 : a->x1 < b->x1;
  });
  std::string out;
  std::string line;
  std::optional<double> rowY;
  double lineHeight = surface.TextHeight();
  for (const Mark* mark : texts) {
    if (!rowY || mark->y1 != *rowY) {
      if (rowY) {
        out += line + "\n";
        // Rows printed empty in between are kept as empty lines.
        const int gap = static_cast<int>(std::lround((mark->y1 - *rowY) / lineHeight)) - 1;
        for (int i = 0; i < gap; ++i) out += "\n";
      }
      line.clear();
      rowY = mark->y1;
      lineHeight = mark->font.lineHeight();
    }
    const auto column =
        static_cast<size_t>(std::max(0L, std::lround(mark->x1 / mark->font.columnWidth())));
    if (line.size() < column) line.append(column - line.size(), ' ');
    line += mark->text;
  }
  if (rowY) out += line + "\n";
  return out;
}

}  // namespace sylvandra
