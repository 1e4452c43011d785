// A one-page PDF record of a run, for a student to attach to a lab report and a teacher to see
// exactly what was run: the exercise's title, the date and time, every input field under its
// label with its value, every result field, the output window's drawing (painted as vector
// graphics by the surface painter, its texts as text) with its printed table in a fixed pitch,
// and the kept run, if any.
//
// A text field is a result when it is locked or in the result colour a run writes into
// (IsResultField); every other shown text field, chosen option and check box is an input.
// Recorded from an output window, the record names the exercise whose graph is on it; recorded
// from an exercise window, it shows the output windows holding that exercise's graph, else (the
// exercise shown) the shown output windows that hold a drawing.
#pragma once

#include <string>

namespace sylvandra {

class Window;

// Writes the record of the run shown in `window` to a PDF file; returns false and sets error
// when the file cannot be written.
bool WriteRunRecord(Window& window, const std::string& file, std::string& error);

}  // namespace sylvandra
