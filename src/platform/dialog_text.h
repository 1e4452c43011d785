// The texts of the boxes every host shows: a box's title and the report of a run-time failure.
#pragma once

#include <string>

namespace sylvandra {

class Program;
class Window;

// The title of a box: the one the program gives, else the caption of the window whose handler
// asks, else of the window the person works in; empty when there is none.
std::string BoxTitle(const Program& program, const std::string& title);

// The text of the box that reports a run-time failure in the window.
std::string FailureBoxText(const Window& window, const std::string& message);

}  // namespace sylvandra
