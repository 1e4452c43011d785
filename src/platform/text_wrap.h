// Word wrap inside a width, measured with the shared text metrics, one line every
// Font::lineHeight().
//
// Captions (labels): a line breaks at a blank; that one blank is consumed and any further
// blanks of the run carry over to the start of the next line. Designed captions rely on this,
// using runs of blanks to push words onto the next line or to right-align numbers under one
// another. A word wider than the label is broken between characters; a line feed always starts
// a new line.
//
// Paragraphs (text laid out on pictures): the blanks at a break are dropped, so every line
// starts with a word and ends without blanks, and a word wider than the width stands whole on
// a line of its own. Text without words has no lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_metrics.h"

namespace sylvandra {

enum class WrapStyle { Caption, Paragraph };

std::vector<std::string> WrapText(std::string_view text, const Font& font, double width,
                                  WrapStyle style);

}  // namespace sylvandra
