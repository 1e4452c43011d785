// A run-time failure stops the event handler that raised it; the program reports it in a
// message box naming the window, the field and the offending text, and keeps running.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace sylvandra {

class RuntimeFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raised by End(): unwinds the running handler once the program has ended.
class ProgramEnded : public std::exception {
 public:
  const char* what() const noexcept override { return "the program has ended"; }
};

// Throws a RuntimeFailure naming `what` unless `value` is finite.
double RequireFinite(double value, const std::string& what);
// Throws a RuntimeFailure naming `what` when `divisor` is 0; otherwise returns it.
double RequireNonZero(double divisor, const std::string& what);

// A text as a message quotes it: whole up to 40 characters, else its first 40 and "...", so that
// a message box never outgrows the screen.
std::string QuotedText(std::string_view text);

}  // namespace sylvandra
