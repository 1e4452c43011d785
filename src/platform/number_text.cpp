#include "platform/number_text.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <vector>

namespace sylvandra {
namespace {

// A non-negative integer of any size, enough for the exact arithmetic of conversions: a double
// is f x 2^e, and a decimal text is D x 10^p, so comparing or dividing them needs integers of a
// few thousand bits.
class BigNumber {
 public:
  explicit BigNumber(std::uint64_t value = 0) {
    while (value != 0) {
      words_.push_back(static_cast<std::uint32_t>(value));
      value >>= 32;
    }
  }

  bool isZero() const { return words_.empty(); }

  void multiplySmall(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : words_) {
      const std::uint64_t product = static_cast<std::uint64_t>(word) * factor + carry;
      word = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
    if (factor == 0) words_.clear();
  }

  void addSmall(std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::size_t i = 0; carry != 0; ++i) {
      if (i == words_.size()) words_.push_back(0);
      const std::uint64_t sum = static_cast<std::uint64_t>(words_[i]) + carry;
      words_[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
  }

  void multiplyPow5(int exponent) {
    constexpr std::uint32_t kFivePow13 = 1220703125;
    for (; exponent >= 13; exponent -= 13) multiplySmall(kFivePow13);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent) rest *= 5;
    multiplySmall(rest);
  }

  void shiftLeft(int bits) {
    if (isZero() || bits == 0) return;
    const std::size_t wordShift = static_cast<std::size_t>(bits / 32);
    const int bitShift = bits % 32;
    if (bitShift != 0) {
      std::uint32_t carry = 0;
      for (std::uint32_t& word : words_) {
        const std::uint32_t next = word >> (32 - bitShift);
        word = (word << bitShift) | carry;
        carry = next;
      }
      if (carry != 0) words_.push_back(carry);
    }
    words_.insert(words_.begin(), wordShift, 0);
  }

  void multiplyPow10(int exponent) {
    multiplyPow5(exponent);
    shiftLeft(exponent);
  }

  void add(const BigNumber& other) {
    if (other.words_.size() > words_.size()) words_.resize(other.words_.size(), 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
      const std::uint64_t sum = static_cast<std::uint64_t>(words_[i]) + carry +
                                (i < other.words_.size() ? other.words_[i] : 0);
      words_[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
  }

  // *this -= other, for other <= *this.
  void subtract(const BigNumber& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
      std::int64_t difference = static_cast<std::int64_t>(words_[i]) - borrow -
                                (i < other.words_.size() ? other.words_[i] : 0);
      borrow = difference < 0 ? 1 : 0;
      if (difference < 0) difference += std::int64_t{1} << 32;
      words_[i] = static_cast<std::uint32_t>(difference);
    }
    while (!words_.empty() && words_.back() == 0) words_.pop_back();
  }

  // The quotient digit of *this / divisor when it is below 10; *this becomes the remainder.
  int divideDigit(const BigNumber& divisor) {
    int digit = 0;
    while (Compare(*this, divisor) >= 0) {
      subtract(divisor);
      ++digit;
    }
    return digit;
  }

  friend int Compare(const BigNumber& a, const BigNumber& b) {
    if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
    for (std::size_t i = a.words_.size(); i-- > 0;) {
      if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  std::vector<std::uint32_t> words_;  // least significant first, no zero word at the top
};

std::uint64_t BitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double FromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
constexpr int kMinExponent = -1074;  // of the smallest subnormal's bit

// |value| = mantissa x 2^exponent for a finite value.
struct BinaryParts {
  std::uint64_t mantissa = 0;
  int exponent = 0;
  bool lowerGapSmaller = false;  // a power of two above the smallest normal: half the gap below
};

BinaryParts PartsOf(double value) {
  const std::uint64_t bits = BitsOf(value);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & kFractionMask;
  BinaryParts parts;
  if (biased == 0) {
    parts.mantissa = fraction;
    parts.exponent = kMinExponent;
  } else {
    parts.mantissa = fraction | kHiddenBit;
    parts.exponent = biased - 1075;
    parts.lowerGapSmaller = fraction == 0 && biased > 1;
  }
  return parts;
}

int BitLength(std::uint64_t value) {
  int length = 0;
  for (; value != 0; value >>= 1) ++length;
  return length;
}

// A power of ten at or below a positive finite value: floor of its top bit's position x log10 2,
// which can only fall short of the true power; the callers raise it until it fits.
int PowerOfTenBelow(const BinaryParts& parts) {
  const int topBit = parts.exponent + BitLength(parts.mantissa) - 1;
  const double estimate = topBit * 0.30102999566398114;
  const int power = static_cast<int>(estimate);
  return power > estimate ? power - 1 : power;
}

// Decimal digits of a positive finite value, as d1 d2 ... x 10^(exponent - count).
struct DecimalDigits {
  std::string digits;
  int exponent = 0;  // value = 0.d1d2... x 10^exponent
};

// Adds one to the last digit, carrying through nines.
void RoundUpLast(DecimalDigits& decimal) {
  std::size_t i = decimal.digits.size();
  while (i > 0 && decimal.digits[i - 1] == '9') decimal.digits[--i] = '0';
  if (i > 0) {
    ++decimal.digits[i - 1];
  } else {
    decimal.digits.insert(decimal.digits.begin(), '1');
    decimal.digits.pop_back();
    ++decimal.exponent;
  }
}

// Multiplies the fractions numerator / denominator by 2^twos and divides them by 10^tens,
// keeping every number whole.
void ScaleFractions(int twos, int tens, BigNumber& denominator,
                    std::initializer_list<BigNumber*> numerators) {
  if (twos >= 0) {
    for (BigNumber* numerator : numerators) numerator->shiftLeft(twos);
  } else {
    denominator.shiftLeft(-twos);
  }
  if (tens >= 0) {
    denominator.multiplyPow10(tens);
  } else {
    for (BigNumber* numerator : numerators) numerator->multiplyPow10(-tens);
  }
}

// The shortest digits that read back as the value (any decimal strictly inside half a gap on
// either side, or on the edge when the mantissa is even, reads back as it); of those, the one
// nearest the value, the even digit on a tie.
DecimalDigits ShortestDigits(double value) {
  const BinaryParts parts = PartsOf(value);
  const bool edgesReadBack = parts.mantissa % 2 == 0;
  // value = r / s; the gaps to the neighbours are 2 mPlus / s above and 2 mMinus / s below.
  BigNumber r(parts.mantissa), s(1), mPlus(1), mMinus(1);
  const int gapShift = parts.lowerGapSmaller ? 2 : 1;
  r.shiftLeft(gapShift);
  s.shiftLeft(gapShift);
  if (parts.lowerGapSmaller) mPlus.shiftLeft(1);
  DecimalDigits decimal;
  decimal.exponent = PowerOfTenBelow(parts);
  ScaleFractions(parts.exponent, decimal.exponent, s, {&r, &mPlus, &mMinus});
  auto reachesAbove = [&] {
    BigNumber upper = r;
    upper.add(mPlus);
    const int order = Compare(upper, s);
    return edgesReadBack ? order >= 0 : order > 0;
  };
  while (reachesAbove()) {
    s.multiplySmall(10);
    ++decimal.exponent;
  }
  for (;;) {
    r.multiplySmall(10);
    mPlus.multiplySmall(10);
    mMinus.multiplySmall(10);
    const int digit = r.divideDigit(s);
    const int belowOrder = Compare(r, mMinus);
    const bool low = edgesReadBack ? belowOrder <= 0 : belowOrder < 0;
    const bool high = reachesAbove();
    decimal.digits += static_cast<char>('0' + digit);
    if (!low && !high) continue;
    bool roundUp = high && !low;
    if (low && high) {
      BigNumber twice = r;
      twice.shiftLeft(1);
      const int order = Compare(twice, s);
      roundUp = order > 0 || (order == 0 && digit % 2 == 1);
    }
    if (roundUp) RoundUpLast(decimal);
    return decimal;
  }
}

// The value's digits rounded to `count` significant digits, ties to the even digit.
DecimalDigits RoundedDigits(double value, int count) {
  const BinaryParts parts = PartsOf(value);
  BigNumber r(parts.mantissa), s(1);
  DecimalDigits decimal;
  decimal.exponent = PowerOfTenBelow(parts);
  ScaleFractions(parts.exponent, decimal.exponent, s, {&r});
  while (Compare(r, s) >= 0) {
    s.multiplySmall(10);
    ++decimal.exponent;
  }
  for (int i = 0; i < count; ++i) {
    r.multiplySmall(10);
    decimal.digits += static_cast<char>('0' + r.divideDigit(s));
  }
  r.shiftLeft(1);
  const int order = Compare(r, s);
  if (order > 0 || (order == 0 && (decimal.digits.back() - '0') % 2 == 1)) RoundUpLast(decimal);
  return decimal;
}

std::string ExponentText(int exponent, bool upper) {
  std::string text(1, upper ? 'E' : 'e');
  text += exponent < 0 ? '-' : '+';
  const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
  if (digits.size() < 2) text += '0';
  return text + digits;
}

// d1.d2d3...e+XX
std::string ExponentForm(const std::string& digits, int exponent, bool upper) {
  std::string text(1, digits[0]);
  if (digits.size() > 1) text += '.' + digits.substr(1);
  return text + ExponentText(exponent - 1, upper);
}

// The digits with the point placed for 0.d1d2... x 10^exponent, padded with zeros.
std::string FixedForm(const std::string& digits, int exponent) {
  const int count = static_cast<int>(digits.size());
  if (exponent <= 0) return "0." + std::string(static_cast<std::size_t>(-exponent), '0') + digits;
  if (exponent >= count)
    return digits + std::string(static_cast<std::size_t>(exponent - count), '0');
  return digits.substr(0, static_cast<std::size_t>(exponent)) + '.' +
         digits.substr(static_cast<std::size_t>(exponent));
}

std::string NonFiniteText(double value, bool upper) {
  const std::string sign = (BitsOf(value) >> 63) != 0 ? "-" : "";
  if (value != value) return sign + (upper ? "NAN" : "nan");
  return sign + (upper ? "INF" : "inf");
}

bool IsFinite(double value) {
  return ((BitsOf(value) >> 52) & 0x7FF) != 0x7FF;
}

// --- reading ---

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[i]) != word[i]) return false;
  }
  return true;
}

// Digits kept exactly; any further nonzero digit is kept as one trailing 1, which compares with
// every halfway point between two doubles (at most 767 significant digits) as the full text does.
constexpr std::size_t kKeptDigits = 800;

// A decimal text's value: digits x 10^exponent, digits without leading or trailing zeros.
struct DecimalText {
  std::string digits;
  long exponent = 0;
};

BigNumber BigFromDigits(const std::string& digits) {
  BigNumber number;
  std::size_t i = 0;
  const std::size_t head = digits.size() % 9;
  auto addChunk = [&](std::size_t length) {
    std::uint32_t chunk = 0;
    std::uint32_t scale = 1;
    for (std::size_t k = 0; k < length; ++k, ++i) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(digits[i] - '0');
      scale *= 10;
    }
    number.multiplySmall(scale);
    number.addSmall(chunk);
  };
  if (head != 0) addChunk(head);
  while (i < digits.size()) addChunk(9);
  return number;
}

// The order of digits x 10^exponent against the halfway point above the double `candidate`
// (non-negative, finite): -1 below, 0 on it, 1 above.
int CompareWithHalfwayAbove(const BigNumber& digits, long exponent, double candidate) {
  const BinaryParts parts = PartsOf(candidate);
  // halfway = (2 mantissa + 1) x 2^(exponent - 1)
  BigNumber left = digits;
  BigNumber right(2 * parts.mantissa + 1);
  long twos = exponent - (parts.exponent - 1);
  if (exponent >= 0) {
    left.multiplyPow5(static_cast<int>(exponent));
  } else {
    right.multiplyPow5(static_cast<int>(-exponent));
  }
  if (twos >= 0) {
    left.shiftLeft(static_cast<int>(twos));
  } else {
    right.shiftLeft(static_cast<int>(-twos));
  }
  return Compare(left, right);
}

double NextUp(double value) {
  return FromBits(BitsOf(value) + 1);
}
double NextDown(double value) {
  return FromBits(BitsOf(value) - 1);
}
bool MantissaOdd(double value) {
  return (BitsOf(value) & 1) != 0;
}

// Exact powers of ten as doubles.
double PowerOfTen(int exponent) {
  double power = 1;
  for (int i = 0; i < exponent; ++i) power *= 10;
  return power;
}

// The double nearest to digits x 10^exponent (positive), ties to even; infinity past the largest.
double NearestDouble(const DecimalText& decimal) {
  const int count = static_cast<int>(decimal.digits.size());
  // Exactly representable digits and power of ten: one correctly rounded operation.
  if (count <= 15 && decimal.exponent >= -22 && decimal.exponent <= 22) {
    const double whole = static_cast<double>(std::stoll(decimal.digits));
    return decimal.exponent >= 0 ? whole * PowerOfTen(static_cast<int>(decimal.exponent))
                                 : whole / PowerOfTen(static_cast<int>(-decimal.exponent));
  }
  const long magnitude = decimal.exponent + count - 1;  // power of ten of the first digit
  if (magnitude > 309) return std::numeric_limits<double>::infinity();
  if (magnitude < -325) return 0.0;
  // An estimate from the first digits, then exact steps of one gap to the nearest double.
  const int leading = count < 18 ? count : 18;
  double estimate = static_cast<double>(std::stoll(decimal.digits.substr(0, leading)));
  long scale = decimal.exponent + (count - leading);
  for (; scale >= 22; scale -= 22) estimate *= 1e22;
  for (; scale <= -22; scale += 22) estimate /= 1e22;
  estimate = scale >= 0 ? estimate * PowerOfTen(static_cast<int>(scale))
                        : estimate / PowerOfTen(static_cast<int>(-scale));
  const double largest = std::numeric_limits<double>::max();
  double candidate = !IsFinite(estimate) ? largest : estimate;
  const BigNumber digits = BigFromDigits(decimal.digits);
  for (;;) {
    const int above = CompareWithHalfwayAbove(digits, decimal.exponent, candidate);
    if (above > 0 || (above == 0 && MantissaOdd(candidate))) {
      if (candidate == largest) return std::numeric_limits<double>::infinity();
      candidate = NextUp(candidate);
      if (above == 0) return candidate;
      continue;
    }
    if (candidate == 0.0) return candidate;
    const int below = CompareWithHalfwayAbove(digits, decimal.exponent, NextDown(candidate));
    if (below < 0 || (below == 0 && MantissaOdd(candidate))) {
      candidate = NextDown(candidate);
      if (below == 0) return candidate;
      continue;
    }
    return candidate;
  }
}

}  // namespace

namespace {

// The text of a whole number below 2^53 in size, when its fixed form is the shorter (most
// numbers a scene or a table holds: twips, years, counts); empty when it is not.
std::string ShortWholeNumber(double value) {
  constexpr double kExact = 9007199254740992.0;  // 2^53
  if (!(value > -kExact && value < kExact) ||
      value != static_cast<double>(static_cast<std::int64_t>(value)))
    return {};
  char text[24];
  const char* end =
      std::to_chars(std::begin(text), std::end(text), static_cast<std::int64_t>(value)).ptr;
  const char* first = text[0] == '-' ? text + 1 : text;
  const auto length = end - first;
  const char* last = end;
  while (last - first > 1 && last[-1] == '0') --last;
  const auto significant = last - first;
  // The exponent form: the significant digits (a point after the first when more than one),
  // then "e+" and two exponent digits, since the exponent is below 16.
  const auto exponentLength = (significant == 1 ? 1 : significant + 1) + 4;
  if (length > exponentLength) return {};
  return std::string(static_cast<const char*>(text), end);
}

}  // namespace

std::string WriteShortest(double value) {
  if (!IsFinite(value)) return NonFiniteText(value, false);
  const std::string sign = (BitsOf(value) >> 63) != 0 ? "-" : "";
  if (value == 0.0) return sign + "0";
  if (std::string whole = ShortWholeNumber(value); !whole.empty()) return whole;
  const DecimalDigits decimal = ShortestDigits(value);
  const std::string fixed = FixedForm(decimal.digits, decimal.exponent);
  const std::string exponentForm = ExponentForm(decimal.digits, decimal.exponent, false);
  if (fixed.size() > exponentForm.size()) return sign + exponentForm;
  // A whole number written in full shows all its digits, not the shortest digits and zeros:
  // 2^60 is "1152921504606846976", not "1152921504606847000".
  if (decimal.exponent > static_cast<int>(decimal.digits.size()))
    return sign + RoundedDigits(value, decimal.exponent).digits;
  return sign + fixed;
}

std::string WriteRounded(double value, RoundedStyle style, int precision, bool upper) {
  if (!IsFinite(value)) return NonFiniteText(value, upper);
  const std::string sign = (BitsOf(value) >> 63) != 0 ? "-" : "";
  if (precision < 0) precision = 6;
  const int count =
      style == RoundedStyle::Exponent ? precision + 1 : (precision == 0 ? 1 : precision);
  DecimalDigits decimal;
  if (value == 0.0) {
    decimal.digits = std::string(static_cast<std::size_t>(count), '0');
    decimal.exponent = 1;
  } else {
    decimal = RoundedDigits(value, count);
  }
  if (style == RoundedStyle::Exponent) {
    return sign + ExponentForm(decimal.digits, decimal.exponent, upper);
  }
  // %g: fixed notation when the exponent X = exponent - 1 lies in -4 .. count - 1, trailing
  // zeros of the fraction removed.
  const int exponent = decimal.exponent - 1;
  std::string digits = decimal.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  if (value == 0.0) return sign + "0";
  if (exponent >= -4 && exponent < count) {
    std::string fixed = FixedForm(digits, decimal.exponent);
    return sign + fixed;
  }
  return sign + ExponentForm(digits, decimal.exponent, upper);
}

NumberReading ReadNumber(std::string_view text, double& value) {
  NumberReading reading;
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  const std::string_view rest = text.substr(i);
  if (StartsWithWord(rest, "inf")) {
    reading.length = i + (StartsWithWord(rest, "infinity") ? 8 : 3);
    value = negative ? -std::numeric_limits<double>::infinity()
                     : std::numeric_limits<double>::infinity();
    return reading;
  }
  if (StartsWithWord(rest, "nan")) {
    std::size_t end = 3;
    if (end < rest.size() && rest[end] == '(') {
      std::size_t close = end + 1;
      while (close < rest.size() && (IsDigit(rest[close]) || rest[close] == '_' ||
                                     (Lower(rest[close]) >= 'a' && Lower(rest[close]) <= 'z')))
        ++close;
      if (close < rest.size() && rest[close] == ')') end = close + 1;
    }
    reading.length = i + end;
    value = negative ? -std::numeric_limits<double>::quiet_NaN()
                     : std::numeric_limits<double>::quiet_NaN();
    return reading;
  }

  DecimalText decimal;
  bool sawDigit = false;
  bool droppedNonzero = false;
  long pointShift = 0;  // digits kept after the point, or dropped before it
  auto takeDigit = [&](char c, bool afterPoint) {
    sawDigit = true;
    if (decimal.digits.empty() && c == '0') {
      if (afterPoint) --pointShift;
      return;
    }
    if (decimal.digits.size() < kKeptDigits) {
      decimal.digits += c;
      if (afterPoint) --pointShift;
    } else {
      if (c != '0') droppedNonzero = true;
      if (!afterPoint) ++pointShift;
    }
  };
  for (; i < text.size() && IsDigit(text[i]); ++i) takeDigit(text[i], false);
  if (i < text.size() && text[i] == '.') {
    const std::size_t point = i;
    for (++i; i < text.size() && IsDigit(text[i]); ++i) takeDigit(text[i], true);
    if (!sawDigit) i = point;
  }
  if (!sawDigit) {
    reading.error = std::errc::invalid_argument;
    return reading;
  }
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    const bool exponentNegative = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (exponent < 100000000) exponent = exponent * 10 + (text[j] - '0');
      }
      if (exponentNegative) exponent = -exponent;
      i = j;
    }
  }
  reading.length = i;
  if (droppedNonzero) {
    decimal.digits += '1';
    --pointShift;
  }
  double result = 0.0;
  if (!decimal.digits.empty()) {
    std::size_t end = decimal.digits.size();
    while (decimal.digits[end - 1] == '0') --end;
    decimal.exponent = exponent + pointShift + static_cast<long>(decimal.digits.size() - end);
    decimal.digits.resize(end);
    result = NearestDouble(decimal);
    if (result == 0.0 || !IsFinite(result)) {
      reading.error = std::errc::result_out_of_range;
      return reading;
    }
  }
  value = negative ? -result : result;
  return reading;
}

}  // namespace sylvandra
