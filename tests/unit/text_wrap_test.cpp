#include "platform/text_wrap.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sylvandra {
namespace {

using Lines = std::vector<std::string>;

TEST(TextWrapTest, ShortCaptionStaysOnOneLine) {
  const Font font;
  EXPECT_EQ(WrapText("Execute", font, 2000, WrapStyle::Caption), Lines{"Execute"});
  EXPECT_EQ(WrapText("", font, 2000, WrapStyle::Caption), Lines{""});
}

TEST(TextWrapTest, BreaksAtBlanksAndCarriesTheRestOfTheRun) {
  // A narrow column of hour numbers: every number on its own line, right-aligned by the blanks
  // that carry over from the run before it.
  const Font font = Font::face("MS Sans Serif", 10.5);
  const double width = font.TextWidth("10");
  EXPECT_EQ(WrapText("  1   2   3 10 11 ", font, width, WrapStyle::Caption),
            (Lines{"  1", "  2", "  3", "10", "11"}));
}

TEST(TextWrapTest, WordsThatDoNotFitMoveToTheNextLine) {
  const Font font;
  const double width = font.TextWidth("Estimated Dark");
  EXPECT_EQ(WrapText("Estimated Dark Respiration (umoles)", font, width, WrapStyle::Caption),
            (Lines{"Estimated Dark", "Respiration", "(umoles)"}));
}

TEST(TextWrapTest, ARunOfBlanksPushesTheNextWordDown) {
  const Font font;
  const double width = font.TextWidth("Precip") + 3 * font.TextWidth(" ");
  const Lines lines = WrapText("Precip         Runoff", font, width, WrapStyle::Caption);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front().substr(0, 6), "Precip");
  EXPECT_EQ(lines.back().find("Runoff") != std::string::npos, true);
  for (const std::string& line : lines) EXPECT_LE(font.TextWidth(line), width);
}

TEST(TextWrapTest, LongWordsBreakBetweenCharactersAndLineFeedsBreakLines) {
  const Font font;
  const double width = font.TextWidth("abcd");
  EXPECT_EQ(WrapText("abcdefgh", font, width, WrapStyle::Caption), (Lines{"abcd", "efgh"}));
  EXPECT_EQ(WrapText("one\ntwo\r\nthree", font, 5000, WrapStyle::Caption),
            (Lines{"one", "two", "three"}));
}

TEST(TextWrapTest, ParagraphsDropTheBlanksAtABreakAndKeepLongWordsWhole) {
  const Font font;
  const double width = std::max(font.TextWidth("First line."), font.TextWidth("Second one"));
  EXPECT_EQ(WrapText("First line.  Second one", font, width, WrapStyle::Paragraph),
            (Lines{"First line.", "Second one"}));
  EXPECT_EQ(WrapText("a abcdefghijklmnop b", font, font.TextWidth("abcd"), WrapStyle::Paragraph),
            (Lines{"a", "abcdefghijklmnop", "b"}));
  EXPECT_TRUE(WrapText("   ", font, width, WrapStyle::Paragraph).empty());
}

}  // namespace
}  // namespace sylvandra
