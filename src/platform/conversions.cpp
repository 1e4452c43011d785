#include "platform/conversions.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/number_text.h"
#include "platform/runtime_failure.h"

namespace sylvandra {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the longest prefix of `text` that reads as a decimal number (sign, digits, point,
// exponent with E or D); 0 when no digit is found.
size_t NumberPrefixLength(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// The power of ten of the first significant digit of a decimal number text ("0.004e2" -> -1,
// "123" -> 2): negative for a number below 1 in size, whatever its digits and exponent.
long DecimalMagnitude(std::string_view number) {
  size_t i = 0;
  if (i < number.size() && number[i] == '-') ++i;
  long intDigits = 0;     // digits before the point, from the first significant one
  long leadingZeros = 0;  // zeros after the point before the first significant digit
  bool significant = false;
  for (; i < number.size() && IsDigit(number[i]); ++i) {
    if (number[i] != '0') significant = true;
    if (significant) ++intDigits;
  }
  if (i < number.size() && number[i] == '.') {
    for (++i; i < number.size() && IsDigit(number[i]); ++i) {
      if (number[i] != '0') significant = true;
      if (!significant) ++leadingZeros;
    }
  }
  long exponent = 0;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    for (; i < number.size() && IsDigit(number[i]); ++i)
      exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000000L);
    if (negative) exponent = -exponent;
  }
  return (intDigits > 0 ? intDigits - 1 : -(leadingZeros + 1)) + exponent;
}

double ConvertNumberText(std::string_view number) {
  std::string normal(number);
  if (!normal.empty() && normal[0] == '+') normal.erase(0, 1);
  for (char& c : normal) {
    if (c == 'd' || c == 'D') c = 'E';
  }
  if (normal.size() > 0 && normal[0] == '.') normal.insert(0, "0");
  if (normal.size() > 1 && normal[0] == '-' && normal[1] == '.') normal.insert(1, "0");
  double value = 0;
  if (ReadNumber(normal, value).error == std::errc::result_out_of_range) {
    // Underflow reads as 0; overflow is an error rather than an infinity.
    if (DecimalMagnitude(normal) < 0) return 0.0;
    throw RuntimeFailure(QuotedText(number) + " is too large a number");
  }
  return value;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Decimal digits of |value| rounded to 15 significant digits: value = 0.d1d2..d15 x 10^exponent.
struct Decimal {
  std::string digits;  // exactly 15 digits, d1 != '0' unless the value is 0
  int exponent = 0;
  bool negative = false;
  bool zero = true;
};

Decimal ToDecimal(double value) {
  Decimal d;
  d.negative = std::signbit(value) && value != 0.0;
  if (value == 0.0) {
    d.digits = std::string(15, '0');
    return d;
  }
  // d.dddddddddddddde+XX
  const std::string text = WriteRounded(std::fabs(value), RoundedStyle::Exponent, 14);
  const auto epos = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, epos - 2);
  d.exponent = std::stoi(text.substr(epos + 1)) + 1;
  d.zero = false;
  return d;
}

void RequireFiniteText(double value) {
  if (!std::isfinite(value)) {
    throw RuntimeFailure(std::isnan(value) ? "the result is not a number (0 / 0 or similar)"
                                           : "the result is too large to show");
  }
}

// The 15-digit general form: fixed notation for exponents -4..14, otherwise d.dddE+XX.
std::string GeneralText(double value) {
  RequireFiniteText(value);
  if (value == 0.0) return "0";
  return WriteRounded(value, RoundedStyle::General, 15, true);
}

// Rounds the decimal digit string half away from zero so that `keep` digits remain; returns
// the new digits (may gain a leading 1) and adjusts the exponent.
void RoundDigits(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits = std::string(d.digits.size(), '0');
    d.zero = true;
    return;
  }
  const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
  std::string kept = d.digits.substr(0, static_cast<size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && kept[static_cast<size_t>(i)] == '9') kept[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
      ++kept[static_cast<size_t>(i)];
    } else {
      kept.insert(kept.begin(), '1');
      ++d.exponent;
    }
  }
  kept.resize(d.digits.size(), '0');
  d.digits = kept;
  d.zero = kept.find_first_not_of('0') == std::string::npos;
}

std::string FormatTextPattern(std::string_view text, std::string_view pattern) {
  const bool leftAlign = !pattern.empty() && pattern.front() == '!';
  if (leftAlign) pattern.remove_prefix(1);
  const auto slots = static_cast<size_t>(std::count(pattern.begin(), pattern.end(), '@'));
  std::string out;
  if (leftAlign) {
    size_t next = 0;
    for (char c : pattern) {
      if (c == '@') {
        out += next < text.size() ? text[next++] : ' ';
      } else {
        out += c;
      }
    }
    if (next < text.size()) out += text.substr(next);
    return out;
  }
  // Right-aligned: placeholders take the text's characters from the right; what does not fit
  // goes in front of the first placeholder.
  std::string filled(pattern);
  size_t remaining = text.size();
  for (size_t i = pattern.size(); i-- > 0;) {
    if (pattern[i] != '@') continue;
    filled[i] = remaining > 0 ? text[--remaining] : ' ';
  }
  if (remaining > 0 && slots > 0) {
    filled.insert(pattern.find('@'), text.substr(0, remaining));
  }
  return filled;
}

struct NumberPattern {
  std::string prefix, suffix;
  int integerZeros = 0;  // '0' before the point
  bool hasPoint = false;
  int decimalZeros = 0;   // '0' after the point
  int decimalPlaces = 0;  // '0' and '#' after the point
  bool grouping = false;
  bool percent = false;
  bool exponent = false;
  bool exponentPlus = false;
  int exponentDigits = 0;
  int integerPlaces = 0;  // '0' and '#' before the point
};

NumberPattern ParseNumberPattern(std::string_view pattern) {
  NumberPattern p;
  size_t i = 0;
  auto isPlaceholder = [](char c) { return c == '0' || c == '#' || c == '.' || c == ','; };
  while (i < pattern.size() && !isPlaceholder(pattern[i])) {
    if (pattern[i] == '%') p.percent = true;
    if (pattern[i] == '\\' && i + 1 < pattern.size()) ++i;
    p.prefix += pattern[i++];
  }
  bool afterPoint = false;
  for (; i < pattern.size() && isPlaceholder(pattern[i]); ++i) {
    const char c = pattern[i];
    if (c == '.') {
      p.hasPoint = afterPoint = true;
    } else if (c == ',') {
      if (!afterPoint) p.grouping = true;
    } else if (afterPoint) {
      ++p.decimalPlaces;
      if (c == '0') ++p.decimalZeros;
    } else {
      ++p.integerPlaces;
      if (c == '0') ++p.integerZeros;
    }
  }
  if (i + 1 < pattern.size() && (pattern[i] == 'E' || pattern[i] == 'e') &&
      (pattern[i + 1] == '+' || pattern[i + 1] == '-')) {
    p.exponent = true;
    p.exponentPlus = pattern[i + 1] == '+';
    i += 2;
    while (i < pattern.size() && (pattern[i] == '0' || pattern[i] == '#')) ++p.exponentDigits, ++i;
  }
  for (; i < pattern.size(); ++i) {
    if (pattern[i] == '%') p.percent = true;
    if (pattern[i] == '\\' && i + 1 < pattern.size()) ++i;
    p.suffix += pattern[i];
  }
  return p;
}

std::string GroupThousands(const std::string& digits) {
  std::string out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    out += digits[i];
    if ((n - i - 1) % 3 == 0 && i + 1 < n) out += ',';
  }
  return out;
}

std::string FormatNumberPattern(double value, std::string_view pattern) {
  const NumberPattern p = ParseNumberPattern(pattern);
  if (p.percent) value *= 100.0;
  RequireFiniteText(value);
  Decimal d = ToDecimal(value);
  int exponentShown = 0;
  if (p.exponent) {
    const int integerDigits = std::max(1, p.integerPlaces);
    if (!d.zero) {
      RoundDigits(d, integerDigits + p.decimalPlaces);
      exponentShown = d.exponent - integerDigits;
      d.exponent = integerDigits;
    }
  } else {
    RoundDigits(d, d.exponent + p.decimalPlaces);
  }
  // Integer and fractional digit strings from 0.digits x 10^exponent.
  std::string integerPart, fractionPart;
  if (!d.zero) {
    for (int k = 0; k < d.exponent; ++k) {
      integerPart += k < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(k)] : '0';
    }
    for (int k = 0; k < p.decimalPlaces; ++k) {
      const int at = d.exponent + k;
      fractionPart += (at >= 0 && at < static_cast<int>(d.digits.size()))
                          ? d.digits[static_cast<size_t>(at)]
                          : '0';
    }
  } else {
    fractionPart = std::string(static_cast<size_t>(p.decimalPlaces), '0');
  }
  integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size()));
  while (static_cast<int>(integerPart.size()) < p.integerZeros) integerPart.insert(0, "0");
  while (static_cast<int>(fractionPart.size()) > p.decimalZeros && !fractionPart.empty() &&
         fractionPart.back() == '0') {
    fractionPart.pop_back();
  }
  if (p.grouping) integerPart = GroupThousands(integerPart);
  std::string number = integerPart;
  if (p.hasPoint) number += "." + fractionPart;
  if (p.exponent) {
    std::string e = std::to_string(std::abs(exponentShown));
    while (static_cast<int>(e.size()) < p.exponentDigits) e.insert(0, "0");
    number += "E";
    if (exponentShown < 0) {
      number += "-";
    } else if (p.exponentPlus) {
      number += "+";
    }
    number += e;
  }
  const bool negative = d.negative && !d.zero;
  return (negative ? "-" : "") + p.prefix + number + p.suffix;
}

// "0,05": a number once its one comma becomes a point (a decimal comma typed by habit).
bool IsNumberWithDecimalComma(std::string_view text) {
  if (std::count(text.begin(), text.end(), ',') != 1) return false;
  std::string pointed(text);
  pointed[pointed.find(',')] = '.';
  const std::string_view trimmed = TrimBlanks(pointed);
  const size_t length = NumberPrefixLength(trimmed);
  return length != 0 && length == trimmed.size();
}

}  // namespace

double Val(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const size_t length = NumberPrefixLength(text);
  if (length == 0) return 0.0;
  return ConvertNumberText(text.substr(0, length));
}

std::optional<double> ParseNumber(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  const size_t length = NumberPrefixLength(trimmed);
  if (length == 0 || length != trimmed.size()) return std::nullopt;
  // A trailing exponent letter without digits is not part of a number.
  return ConvertNumberText(trimmed);
}

double StrictNumber(std::string_view text, std::string_view field) {
  std::optional<double> value;
  try {
    value = ParseNumber(text);
  } catch (const RuntimeFailure& failure) {
    throw RuntimeFailure(std::string(field) + ": " + failure.what());
  }
  if (!value) {
    std::string message = std::string(field) + ": " + QuotedText(text) + " is not a number";
    if (IsNumberWithDecimalComma(text)) message += " (use a point for decimals)";
    throw RuntimeFailure(message);
  }
  return *value;
}

double TypedNumber(std::string_view text, std::string_view field) {
  if (TrimBlanks(text).empty()) return 0.0;
  return StrictNumber(text, field);
}

std::string PlainText(double value) {
  return GeneralText(value);
}

std::string Str(double value) {
  std::string text = GeneralText(value);
  if (text[0] == '-') {
    if (text.size() > 2 && text[1] == '0' && text[2] == '.') text.erase(1, 1);
    return text;
  }
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  return " " + text;
}

std::string PrintText(double value) {
  return Str(value) + " ";
}

std::string Format(std::string_view text, std::string_view pattern) {
  if (pattern.find('@') != std::string_view::npos || pattern.empty()) {
    return pattern.empty() ? std::string(text) : FormatTextPattern(text, pattern);
  }
  // A numeric pattern applied to text formats the number the text stands for.
  if (const auto number = ParseNumber(text)) return FormatNumberPattern(*number, pattern);
  return std::string(text);
}

std::string Format(double value, std::string_view pattern) {
  if (pattern.empty()) return PlainText(value);
  if (pattern.find('@') != std::string_view::npos) {
    return FormatTextPattern(PlainText(value), pattern);
  }
  return FormatNumberPattern(value, pattern);
}

std::string Left(std::string_view text, int n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, std::min(text.size(), static_cast<size_t>(n))));
}

double Int(double value) {
  return std::floor(value);
}

}  // namespace sylvandra
