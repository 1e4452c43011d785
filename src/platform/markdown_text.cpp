#include "platform/markdown_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace sylvandra {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Characters as a reader counts them: UTF-8 continuation bytes take no column ("—" is one).
size_t Columns(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// The run of `marker` ("*" or "**") that opens emphasis at `at`, if a closing one follows on the
// line: an opening marker is followed by a non-blank, a closing one preceded by one.
size_t ClosingMarker(std::string_view text, size_t at, std::string_view marker) {
  const size_t inner = at + marker.size();
  if (inner >= text.size() || text[inner] == ' ' || text[inner] == '*') return 0;
  for (size_t close = text.find(marker, inner + 1); close != std::string_view::npos;
       close = text.find(marker, close + 1)) {
    if (text[close - 1] != ' ') return close;
  }
  return 0;
}

// A line's inline text: emphasis markers dropped, a backslash before punctuation dropped.
std::string Inline(std::string_view text) {
  std::string out;
  std::vector<size_t> closings;  // where markers already matched close
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size() && std::ispunct(static_cast<unsigned char>(text[i + 1]))) {
      out += text[++i];
      continue;
    }
    if (c == '*') {
      const auto matched = std::find(closings.begin(), closings.end(), i);
      if (matched != closings.end()) {
        const bool strong = i + 1 < text.size() && text[i + 1] == '*' &&
                            std::find(closings.begin(), closings.end(), i + 1) != closings.end();
        closings.erase(matched);
        if (strong) {
          closings.erase(std::find(closings.begin(), closings.end(), i + 1));
          ++i;
        }
        continue;
      }
      const std::string_view marker = text.substr(i, 2) == "**" ? "**" : "*";
      if (const size_t close = ClosingMarker(text, i, marker)) {
        for (size_t k = 0; k < marker.size(); ++k) closings.push_back(close + k);
        i += marker.size() - 1;
        continue;
      }
    }
    out += c;
  }
  return out;
}

bool IsTableRow(std::string_view line) {
  return line.size() >= 2 && line.front() == '|';
}

std::vector<std::string> TableCells(std::string_view line) {
  line = Trimmed(line);
  if (!line.empty() && line.front() == '|') line.remove_prefix(1);
  if (!line.empty() && line.back() == '|') line.remove_suffix(1);
  std::vector<std::string> cells;
  size_t start = 0;
  while (true) {
    const size_t bar = line.find('|', start);
    cells.push_back(Inline(Trimmed(line.substr(start, bar - start))));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return cells;
}

// "|---|:---:|": the row under a table's header.
bool IsSeparatorRow(std::string_view line) {
  return IsTableRow(line) && line.find_first_not_of("|-: \t\r") == std::string_view::npos &&
         line.find('-') != std::string_view::npos;
}

// Columns aligned with blanks, two between columns; trailing blanks cut.
std::string AlignedTable(const std::vector<std::vector<std::string>>& rows) {
  std::vector<size_t> widths;
  for (const auto& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Columns(row[c]));
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += "  ";
      line += row[c];
      line.append(widths[c] - Columns(row[c]), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
  }
  return out;
}

// "- item", "* item" -> "- "; "12. item" -> "12. "; otherwise empty.
std::string ListMarker(std::string_view line) {
  if (line.size() >= 2 && (line[0] == '-' || line[0] == '*') && line[1] == ' ') return "- ";
  size_t digits = 0;
  while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
  if (digits > 0 && digits + 1 < line.size() && line[digits] == '.' && line[digits + 1] == ' ') {
    return std::string(line.substr(0, digits + 2));
  }
  return {};
}

}  // namespace

std::string PlainTextFromMarkdown(std::string_view markdown) {
  std::vector<std::string> blocks;
  std::string line;  // the paragraph or list item being joined into one line
  bool lineIsItem = false;
  std::string list;  // the list's finished items
  std::vector<std::vector<std::string>> table;
  const auto endLine = [&] {
    if (line.empty()) return;
    if (lineIsItem) {
      list += Inline(line) + "\n";
    } else {
      blocks.push_back(Inline(line) + "\n");
    }
    line.clear();
  };
  const auto endBlocks = [&] {
    endLine();
    if (!list.empty()) blocks.push_back(std::move(list));
    list.clear();
    if (!table.empty()) blocks.push_back(AlignedTable(table));
    table.clear();
  };
  size_t start = 0;
  while (start <= markdown.size()) {
    size_t end = markdown.find('\n', start);
    if (end == std::string_view::npos) end = markdown.size();
    const std::string_view text = Trimmed(markdown.substr(start, end - start));
    start = end + 1;
    const std::string marker = ListMarker(text);
    if (text.empty() || text.front() == '#' || IsTableRow(text) != !table.empty() ||
        (!marker.empty() && !lineIsItem)) {
      endBlocks();
    }
    if (text.empty()) continue;
    if (IsTableRow(text)) {
      if (!IsSeparatorRow(text)) table.push_back(TableCells(text));
    } else if (text.front() == '#') {
      const size_t title = std::min(text.find_first_not_of('#'), text.size());
      blocks.push_back(Inline(Trimmed(text.substr(title))) + "\n");
    } else if (!marker.empty()) {
      endLine();
      // "* item" reads as "- item"; a number keeps its own.
      line = (marker == "- " ? marker : std::string()) +
             std::string(text.substr(marker == "- " ? 2 : 0));
      lineIsItem = true;
    } else {
      // A paragraph's line, or one that goes on the list item above.
      if (!line.empty()) line += ' ';
      if (line.empty()) lineIsItem = false;
      line += text;
    }
  }
  endBlocks();
  std::string text;
  for (const std::string& block : blocks) {
    if (!text.empty()) text += "\n";
    text += block;
  }
  return text;
}

}  // namespace sylvandra
