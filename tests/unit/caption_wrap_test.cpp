#include "platform/caption_wrap.h"

#include <gtest/gtest.h>

namespace sylvandra {
namespace {

using Lines = std::vector<std::string>;

TEST(CaptionWrapTest, ShortCaptionStaysOnOneLine) {
  const Font font;
  EXPECT_EQ(WrapCaption(font, "Execute", 2000), Lines{"Execute"});
  EXPECT_EQ(WrapCaption(font, "", 2000), Lines{""});
}

TEST(CaptionWrapTest, BreaksAtBlanksAndCarriesTheRestOfTheRun) {
  // A narrow column of hour numbers: every number on its own line, right-aligned by the blanks
  // that carry over from the run before it.
  const Font font = Font::Face("MS Sans Serif", 10.5);
  const double width = font.TextWidth("10");
  EXPECT_EQ(WrapCaption(font, "  1   2   3 10 11 ", width),
            (Lines{"  1", "  2", "  3", "10", "11"}));
}

TEST(CaptionWrapTest, WordsThatDoNotFitMoveToTheNextLine) {
  const Font font;
  const double width = font.TextWidth("Estimated Dark");
  EXPECT_EQ(WrapCaption(font, "Estimated Dark Respiration (umoles)", width),
            (Lines{"Estimated Dark", "Respiration", "(umoles)"}));
}

TEST(CaptionWrapTest, ARunOfBlanksPushesTheNextWordDown) {
  const Font font;
  const double width = font.TextWidth("Precip") + 3 * font.TextWidth(" ");
  const Lines lines = WrapCaption(font, "Precip         Runoff", width);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front().substr(0, 6), "Precip");
  EXPECT_EQ(lines.back().find("Runoff") != std::string::npos, true);
  for (const std::string& line : lines) EXPECT_LE(font.TextWidth(line), width);
}

TEST(CaptionWrapTest, LongWordsBreakBetweenCharactersAndLineFeedsBreakLines) {
  const Font font;
  const double width = font.TextWidth("abcd");
  EXPECT_EQ(WrapCaption(font, "abcdefgh", width), (Lines{"abcd", "efgh"}));
  EXPECT_EQ(WrapCaption(font, "one\ntwo\r\nthree", 5000), (Lines{"one", "two", "three"}));
}

}  // namespace
}  // namespace sylvandra
