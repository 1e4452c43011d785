#include "plot/output/page_layout.h"

namespace sylvandra {

void PageWriter::writeLines(const std::vector<std::string>& lines, double firstLeft,
                            double otherLeft, const Font& font, Color color) {
  for (size_t i = 0; i < lines.size(); ++i) {
    picture_.marks.push_back(TextMark(i == 0 ? firstLeft : otherLeft, y_, lines[i], font, color));
    y_ += font.lineHeight();
  }
}

void PageWriter::paragraph(std::string_view text, const Font& font, Color color) {
  writeLines(WrapText(text, font, right_ - left_, WrapStyle::Paragraph), left_, left_, font, color);
}

void PageWriter::labelled(std::string_view lead, std::string_view text, const Font& font,
                          Color color) {
  const double indent = font.TextWidth(std::string(lead) + "  ");
  picture_.marks.push_back(TextMark(left_, y_, std::string(lead), font, color));
  writeLines(WrapText(text, font, right_ - left_ - indent, WrapStyle::Paragraph), left_ + indent,
             left_ + indent, font, color);
}

}  // namespace sylvandra
