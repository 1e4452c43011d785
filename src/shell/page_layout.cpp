#include "shell/page_layout.h"

namespace sylvandra {

std::vector<std::string> WrapText(std::string_view text, const Font& font, double width) {
  std::vector<std::string> lines;
  std::string line;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = text.find_first_not_of(' ', pos);
    if (start == std::string_view::npos) break;
    size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    // Keep the blanks that precede the word (two after a full stop) inside a line.
    const std::string_view gap = line.empty() ? std::string_view() : text.substr(pos, start - pos);
    const std::string_view word = text.substr(start, end - start);
    std::string candidate = line + std::string(gap) + std::string(word);
    if (!line.empty() && font.TextWidth(candidate) > width) {
      lines.push_back(line);
      candidate = std::string(word);
    }
    line = std::move(candidate);
    pos = end;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

Mark TextMark(double x, double y, std::string text, const Font& font, Color color) {
  Mark mark;
  mark.kind = MarkKind::Text;
  mark.x1 = x;
  mark.y1 = y;
  mark.text = std::move(text);
  mark.font = font;
  mark.color = color;
  return mark;
}

void PageWriter::Lines(const std::vector<std::string>& lines, double firstLeft, double otherLeft,
                       const Font& font, Color color) {
  for (size_t i = 0; i < lines.size(); ++i) {
    picture_.marks.push_back(TextMark(i == 0 ? firstLeft : otherLeft, y_, lines[i], font, color));
    y_ += font.LineHeight();
  }
}

void PageWriter::Paragraph(std::string_view text, const Font& font, Color color) {
  Lines(WrapText(text, font, right_ - left_), left_, left_, font, color);
}

void PageWriter::Labelled(std::string_view lead, std::string_view text, const Font& font,
                          Color color) {
  const double indent = font.TextWidth(std::string(lead) + "  ");
  picture_.marks.push_back(TextMark(left_, y_, std::string(lead), font, color));
  Lines(WrapText(text, font, right_ - left_ - indent), left_ + indent, left_ + indent, font, color);
}

}  // namespace sylvandra
