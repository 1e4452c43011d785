#include "plot/graph_export.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "platform/number_text.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "plot/drawn_graph.h"

namespace sylvandra {
namespace {

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
         Attr("stroke-width", WriteShortest(std::max(1, mark.width) * kTwipsPerPixel)) +
         Dashes(mark);
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
      return "<line" + Attr("x1", WriteShortest(mark.x1)) + Attr("y1", WriteShortest(mark.y1)) +
             Attr("x2", WriteShortest(mark.x2)) + Attr("y2", WriteShortest(mark.y2)) +
             Stroke(mark) + Attr("stroke-linecap", mark.width > 1 ? "round" : "butt") + "/>";
    case MarkKind::Box: {
      const double x = std::min(mark.x1, mark.x2), y = std::min(mark.y1, mark.y2);
      const std::string place = Attr("x", WriteShortest(x)) + Attr("y", WriteShortest(y)) +
                                Attr("width", WriteShortest(std::fabs(mark.x2 - mark.x1))) +
                                Attr("height", WriteShortest(std::fabs(mark.y2 - mark.y1)));
      if (mark.filled) return "<rect" + place + Attr("fill", ColorHex(mark.color)) + "/>";
      return "<rect" + place + Attr("fill", "none") + Stroke(mark) + "/>";
    }
    case MarkKind::Circle:
      return "<circle" + Attr("cx", WriteShortest(mark.x1)) + Attr("cy", WriteShortest(mark.y1)) +
             Attr("r", WriteShortest(mark.r)) + Stroke(mark) +
             Attr("fill", mark.fill ? ColorHex(*mark.fill) : "none") + "/>";
    case MarkKind::Text:
      return "<text" + Attr("x", WriteShortest(mark.x1)) +
             Attr("y", WriteShortest(mark.y1 + mark.font.ascent())) +
             Attr("font-family", FamilyName(mark.font)) +
             Attr("font-size", WriteShortest(mark.font.emTwips())) +
             (mark.font.bold ? Attr("font-weight", "bold") : "") +
             Attr("fill", ColorHex(mark.color)) + Attr("xml:space", "preserve") + ">" +
             Escaped(mark.text) + "</text>";
  }
  return {};
}

// A blank-separated word printed on the surface, where it lies in twips and, in the print
// columns of its own font, where it starts.
struct PrintedWord {
  std::string text;
  double left = 0, right = 0;  // twips
  size_t column = 0;           // first print column
};

struct PrintedRow {
  double y = 0;
  std::vector<const Mark*> marks;  // left to right
  std::vector<PrintedWord> words;  // left to right
};

size_t PrintColumn(const Mark& mark) {
  return static_cast<size_t>(std::max(0L, std::lround(mark.x1 / mark.font.columnWidth())));
}

// The printed text marks (the kept run's left out) in rows from the top, each row's words in
// twips: a text's blanks place its words in its own font, fixed-pitch or not.
std::vector<PrintedRow> PrintedRows(const Surface& surface) {
  std::vector<const Mark*> texts;
  for (const Mark& mark : surface.marks()) {
    if (mark.kind == MarkKind::Text && !mark.kept) texts.push_back(&mark);
  }
  std::stable_sort(texts.begin(), texts.end(), [](const Mark* a, const Mark* b) {
    return a->y1 != b->y1 ? a->y1 < b->y1 : a->x1 < b->x1;
  });
  std::vector<PrintedRow> rows;
  for (const Mark* mark : texts) {
    if (rows.empty() || rows.back().y != mark->y1) rows.push_back({mark->y1, {}, {}});
    PrintedRow& row = rows.back();
    row.marks.push_back(mark);
    const std::string& text = mark->text;
    for (size_t at = text.find_first_not_of(' '); at != std::string::npos;) {
      const size_t end = std::min(text.find(' ', at), text.size());
      const double left = mark->x1 + mark->font.TextWidth(std::string_view(text).substr(0, at));
      const std::string word = text.substr(at, end - at);
      row.words.push_back({word, left, left + mark->font.TextWidth(word), PrintColumn(*mark) + at});
      at = text.find_first_not_of(' ', end);
    }
  }
  return rows;
}

// A printed table read back as columns. Its body is the rows printed in one fixed-pitch font
// with the number of words most rows share (two or more); the k-th word of each body row is in
// column k. Every other word belongs to the column it lies over, or the nearest.
struct TableLayout {
  struct Column {
    double left = 0, right = 0;  // twips, over the body rows
    // In print columns of the body's font: where most body fields start, and where most end
    // (one past the last character); a column of numbers is right-aligned.
    size_t first = 0, last = 0;
    bool rightAligned = true;
    std::map<size_t, int> starts{}, ends{};
  };
  std::vector<Column> columns;
  Font bodyFont;
  std::vector<bool> isBody;  // by row

  size_t columnOf(const PrintedWord& word) const {
    size_t best = 0;
    double bestOverlap = -1, bestDistance = 0;
    for (size_t k = 0; k < columns.size(); ++k) {
      const Column& column = columns[k];
      const double overlap = std::min(word.right, column.right) - std::max(word.left, column.left);
      const double distance =
          std::fabs((word.left + word.right) / 2 - (column.left + column.right) / 2);
      if (overlap > 0 ? overlap > bestOverlap
                      : bestOverlap < 0 && (k == 0 || distance < bestDistance)) {
        best = k;
        bestOverlap = std::max(overlap, -1.0);
        bestDistance = distance;
      }
    }
    return best;
  }
};

std::optional<TableLayout> LayOutTable(const std::vector<PrintedRow>& rows) {
  // A body row is printed in one fixed-pitch font and holds a number: a heading of words only
  // stays a heading in the table's own font too.
  auto bodyCandidate = [](const PrintedRow& row) {
    const auto number = [](const PrintedWord& word) {
      return word.text.find_first_of("0123456789") != std::string::npos;
    };
    return row.words.size() >= 2 && std::any_of(row.words.begin(), row.words.end(), number) &&
           std::all_of(row.marks.begin(), row.marks.end(), [&](auto* m) {
             return m->font.family == FontFamily::Mono && m->font == row.marks.front()->font;
           });
  };
  std::map<size_t, int> rowsByWordCount;
  for (const PrintedRow& row : rows) {
    if (bodyCandidate(row)) ++rowsByWordCount[row.words.size()];
  }
  if (rowsByWordCount.empty()) return std::nullopt;
  const auto most = std::max_element(rowsByWordCount.begin(), rowsByWordCount.end(),
                                     [](auto& a, auto& b) { return a.second < b.second; });
  TableLayout table;
  table.columns.resize(most->first);
  table.isBody.assign(rows.size(), false);
  bool first = true;
  for (size_t r = 0; r < rows.size(); ++r) {
    const PrintedRow& row = rows[r];
    if (!bodyCandidate(row) || row.words.size() != most->first) continue;
    if (first) table.bodyFont = row.marks.front()->font;
    if (row.marks.front()->font != table.bodyFont) continue;
    table.isBody[r] = true;
    for (size_t k = 0; k < row.words.size(); ++k) {
      TableLayout::Column& column = table.columns[k];
      const PrintedWord& word = row.words[k];
      if (first) column = {word.left, word.right};
      column.left = std::min(column.left, word.left);
      column.right = std::max(column.right, word.right);
      ++column.starts[word.column];
      ++column.ends[word.column + word.text.size()];
    }
    first = false;
  }
  auto mostCommon = [](const std::map<size_t, int>& counts) {
    return *std::max_element(counts.begin(), counts.end(),
                             [](auto& a, auto& b) { return a.second < b.second; });
  };
  for (TableLayout::Column& column : table.columns) {
    const auto start = mostCommon(column.starts), end = mostCommon(column.ends);
    column.first = start.first;
    column.last = end.first;
    column.rightAligned = end.second >= start.second;
  }
  return table;
}

// A row's words by column, words sharing a column joined by a blank.
std::vector<std::string> Fields(const PrintedRow& row, const TableLayout& table, bool body) {
  std::vector<std::string> fields(table.columns.size());
  for (size_t w = 0; w < row.words.size(); ++w) {
    std::string& field = fields[body ? w : table.columnOf(row.words[w])];
    field += (field.empty() ? "" : " ") + row.words[w].text;
  }
  return fields;
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
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\"" +
         Attr("width", WriteShortest(width / kTwipsPerPixel)) +
         Attr("height", WriteShortest(height / kTwipsPerPixel)) +
         Attr("viewBox", "0 0 " + WriteShortest(width) + " " + WriteShortest(height)) + ">\n";
  svg += "<title>" + Escaped(window.caption()) + "</title>\n";
  svg += "<rect x=\"0\" y=\"0\"" + Attr("width", WriteShortest(width)) +
         Attr("height", WriteShortest(height)) + Attr("fill", ColorHex(surface.BackColor())) +
         "/>\n";
  if (const auto& picture = surface.picture()) {
    svg += "<g class=\"picture\">\n";
    if (picture->background) {
      svg += "<rect x=\"0\" y=\"0\"" + Attr("width", WriteShortest(picture->width)) +
             Attr("height", WriteShortest(picture->height)) +
             Attr("fill", ColorHex(*picture->background)) + "/>\n";
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

std::string PrintedTableCsv(const Surface& surface) {
  const std::vector<PrintedRow> rows = PrintedRows(surface);
  const std::optional<TableLayout> table = LayOutTable(rows);
  if (!table) return {};
  // The rows above the body are its heading, one name per column; each row from the body on is
  // a CSV row.
  const size_t firstBody =
      std::find(table->isBody.begin(), table->isBody.end(), true) - table->isBody.begin();
  std::vector<std::string> heading(table->columns.size());
  for (size_t r = 0; r < firstBody; ++r) {
    const std::vector<std::string> fields = Fields(rows[r], *table, false);
    for (size_t k = 0; k < fields.size(); ++k) {
      if (!fields[k].empty()) heading[k] += (heading[k].empty() ? "" : " ") + fields[k];
    }
  }
  auto line = [](const std::vector<std::string>& fields) {
    std::string text;
    for (size_t k = 0; k < fields.size(); ++k) text += (k ? "," : "") + CsvField(fields[k]);
    return text + "\n";
  };
  for (size_t k = 0; k < heading.size(); ++k) {
    if (heading[k].empty()) heading[k] = "Column " + std::to_string(k + 1);
  }
  std::string csv = line(heading);
  for (size_t r = firstBody; r < rows.size(); ++r) {
    if (rows[r].words.empty()) continue;
    csv += line(Fields(rows[r], *table, table->isBody[r]));
  }
  return csv;
}

std::string PrintedText(const Surface& surface) {
  const std::vector<PrintedRow> rows = PrintedRows(surface);
  const std::optional<TableLayout> table = LayOutTable(rows);
  std::string out;
  for (size_t r = 0; r < rows.size(); ++r) {
    const PrintedRow& row = rows[r];
    if (r > 0) {
      // Rows printed empty in between are kept as empty lines.
      const double lineHeight = rows[r - 1].marks.front()->font.lineHeight();
      const int gap = static_cast<int>(std::lround((row.y - rows[r - 1].y) / lineHeight)) - 1;
      for (int i = 0; i < gap; ++i) out += "\n";
    }
    std::string line;
    auto place = [&line](size_t column, const std::string& text, bool apart = false) {
      if (apart && !line.empty() && column <= line.size()) column = line.size() + 1;
      if (line.size() < column) line.append(column - line.size(), ' ');
      line += text;
    };
    for (const Mark* mark : row.marks) {
      if (!table || mark->font == table->bodyFont) {
        place(PrintColumn(*mark), mark->text);
        continue;
      }
      // Text in another font (a heading in the window's proportional font) is placed word by
      // word over the column it lies over, on the print columns of the table's font.
      for (const PrintedWord& word : row.words) {
        if (word.left < mark->x1 || word.right > mark->x1 + mark->font.TextWidth(mark->text)) {
          continue;
        }
        const TableLayout::Column& column = table->columns[table->columnOf(word)];
        place(column.rightAligned && column.last >= word.text.size()
                  ? column.last - word.text.size()
                  : column.first,
              word.text, true);
      }
    }
    out += line + "\n";
  }
  return out;
}

std::string WindowCsv(Window& window) {
  std::string csv = GraphCsv(window);
  return csv.empty() ? PrintedTableCsv(window.surface()) : csv;
}

std::string NothingToWrite(const Window& window, const std::string& what,
                           const std::string& format) {
  return window.caption() + " holds no " + what + " to save as " + format;
}

}  // namespace sylvandra
