// Text laid out on a fixed picture: paragraphs word-wrapped between two margins with the
// shared text metrics, so a page looks the same headless and on screen and never runs past
// its margins.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/surface.h"
#include "platform/text_metrics.h"
#include "platform/text_wrap.h"

namespace sylvandra {

// Writes paragraphs down a picture from a top position.
class PageWriter {
 public:
  PageWriter(Picture& picture, double left, double right, double top)
      : picture_(picture), left_(left), right_(right), y_(top) {}

  // A word-wrapped paragraph.
  void paragraph(std::string_view text, const Font& font, Color color = kBlack);
  // A paragraph with a lead-in (e.g. "A:") and the text wrapped beside it.
  void labelled(std::string_view lead, std::string_view text, const Font& font,
                Color color = kBlack);
  void space(double twips) { y_ += twips; }
  double y() const { return y_; }

 private:
  void writeLines(const std::vector<std::string>& lines, double firstLeft, double otherLeft,
                  const Font& font, Color color);

  Picture& picture_;
  double left_;
  double right_;
  double y_;
};

}  // namespace sylvandra
