// The words a person reads for a field: the label the window gives it, else the caption of the
// label placed just left of it or just above it (the text shown beside it on the screen), else
// its name. A screen reader names fields by it.
#pragma once

#include <string>

namespace sylvandra {

class Control;

std::string ShownLabel(const Control& field);

// A caption as read out: runs of blanks and line breaks one space, none at either end.
std::string SpokenText(const std::string& caption);

}  // namespace sylvandra
