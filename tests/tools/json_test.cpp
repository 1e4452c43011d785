// The driver's JSON: what it prints must read back as what was shown, and what a script writes
// in double quotes must decode as JSON does, or be refused.
#include "json.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace sylvandra::script {
namespace {

TEST(JsonString, EscapesWhatJsonRequiresAndReadsBackUnchanged) {
  struct Case {
    std::string text, json;
  };
  const Case cases[] = {
      {"", R"("")"},
      {"Equilibrium Reached in Year 165", R"("Equilibrium Reached in Year 165")"},
      {R"(say "hi" \ bye)", R"("say \"hi\" \\ bye")"},
      {"line\r\nnext\tcol", R"("line\r\nnext\tcol")"},
      // Other control characters as \u escapes; bytes of UTF-8 text pass through as they are.
      {std::string("a\x01z", 3), R"("a\u0001z")"},
      {"5 \xC2\xB0"
       "C",
       "\"5 \xC2\xB0"
       "C\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JsonString(c.text), c.json);
    EXPECT_EQ(ParseJsonString(c.json), c.text);
  }
}

TEST(JsonString, DecodesEscapesAsJsonDoes) {
  struct Case {
    const char* json;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {R"("a\/b\bc\fd")", std::string("a/b\bc\fd")},
      {R"("\u0041\u00e9")", std::string("A\xC3\xA9")},
      // A surrogate pair is one character of four UTF-8 bytes (U+1F332).
      {R"("\ud83c\udf32")", std::string("\xF0\x9F\x8C\xB2")},
      {R"("  leading and trailing  ")", std::string("  leading and trailing  ")},
      // Refused: not a whole string, a bare quote inside, an unknown or cut escape.
      {R"("unterminated)", std::nullopt},
      {R"(no quotes)", std::nullopt},
      {R"("a" "b")", std::nullopt},
      {R"("\x41")", std::nullopt},
      {R"("\u12")", std::nullopt},
      {R"("\u00zz")", std::nullopt},
      {R"("ends with \")", std::nullopt},
      {R"(")", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseJsonString(c.json), c.text) << c.json;
  }
}

TEST(JsonNumber, ShortestTextThatReadsBackAsTheSameNumber) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {750, "750"},
      {812.5, "812.5"},
      {-0.0, "0"},
      {0.1, "0.1"},
      // (5900 - 1000) x 1 / 6 + ... as the plotter computes it: all 16 digits are kept.
      {5083.333333333333, "5083.333333333333"},
      {1e300, "1e+300"},
      {-2.5e-7, "-2.5e-07"},
      // No JSON number stands for these.
      {std::numeric_limits<double>::infinity(), "null"},
      {std::numeric_limits<double>::quiet_NaN(), "null"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JsonNumber(c.value), c.text);
    if (std::string(c.text) != "null") {
      EXPECT_EQ(std::stod(JsonNumber(c.value)), c.value);
    }
  }
}

}  // namespace
}  // namespace sylvandra::script
