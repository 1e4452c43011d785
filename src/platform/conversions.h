// Conversions between text and numbers, with the rules every window relies on.
//
// - Val: the leading decimal number of a text (blanks skipped first), 0 when there is none; only
//   for texts the program wrote itself (a cut result, a label), never for what a student typed.
// - StrictNumber: the whole text (blanks around it allowed) must be a finite number.
// - TypedNumber: a field read leniently: blank reads as 0, any other text must be a number.
// - Str: a leading blank for non-negative numbers, no 0 before the point (" .39", "-.5"),
//   up to 15 significant digits, exponent form ("1.5E-07", "1E+15") outside 1E-5 .. 1E15.
// - PlainText: the text a number shows in a field: like Str without the leading blank and with
//   a 0 before the point ("0.392", "-0.5").
// - Format: "@" patterns right-align text in a field; numeric patterns such as "######0.0"
//   round half away from zero on the number's 15-digit decimal form.
//
// Non-finite numbers are never turned into text: Str, PlainText and Format raise a
// RuntimeFailure instead of producing "inf" or "nan".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sylvandra {

double Val(std::string_view text);

// The number the whole text stands for, or nothing.
std::optional<double> ParseNumber(std::string_view text);

// ParseNumber, or a RuntimeFailure "<field>: '<text>' is not a number" (followed by "(use a point
// for decimals)" when the text would be a number with a point in place of its comma).
double StrictNumber(std::string_view text, std::string_view field);

// What a student typed into a field read leniently: 0 when the text is blank, otherwise
// StrictNumber. A text that is not wholly a number never reads as some other number.
double TypedNumber(std::string_view text, std::string_view field);

std::string Str(double value);
std::string PlainText(double value);

// A number as Print writes it: its Str text followed by one blank.
std::string PrintText(double value);

std::string Format(std::string_view text, std::string_view pattern);
std::string Format(double value, std::string_view pattern);

// The first n characters of text (all of it when shorter; nothing when n <= 0).
std::string Left(std::string_view text, int n);

// The whole number at or below value.
double Int(double value);

// A value stored in a single precision (4-byte) variable, as the models that keep their state
// in single precision store every assignment.
inline float Single(double value) {
  return static_cast<float>(value);
}

}  // namespace sylvandra
