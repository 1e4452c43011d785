// How a label lays out its caption: word wrap inside the label's width, measured with the
// shared text metrics, one line every Font::LineHeight().
//
// A line breaks at a blank: that one blank is consumed and any further blanks of the run carry
// over to the start of the next line. Designed captions rely on this, using runs of blanks to
// push words onto the next line or to right-align numbers under one another. A word wider than
// the label is broken between characters; a line feed always starts a new line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_metrics.h"

namespace sylvandra {

std::vector<std::string> WrapCaption(const Font& font, std::string_view caption, double width);

}  // namespace sylvandra
