#include "platform/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/runtime_failure.h"

namespace sylvandra {
namespace {

TEST(SurfaceTest, PrintEndsTheLineUnlessASeparatorTrails) {
  Surface surface(6465, 6900, kFaceGrey);
  surface.CurrentX = 750;
  surface.CurrentY = 100;
  surface.Print("Name");
  EXPECT_EQ(surface.CurrentX, 0);
  EXPECT_EQ(surface.CurrentY, 100 + 195);

  surface.CurrentX = 300;
  surface.Print({std::string("Year = "), PrintSeparator::Stay});
  EXPECT_EQ(surface.CurrentY, 295);
  EXPECT_DOUBLE_EQ(surface.CurrentX, 300 + surface.TextWidth("Year = "));
  surface.Print(std::string("12"));
  EXPECT_EQ(surface.CurrentX, 0);

  ASSERT_EQ(surface.marks().size(), 3u);
  EXPECT_EQ(surface.marks()[0].text, "Name");
  EXPECT_EQ(surface.marks()[0].x1, 750);
  EXPECT_EQ(surface.marks()[0].y1, 100);
  EXPECT_EQ(surface.marks()[2].x1, 300 + surface.TextWidth("Year = "));
}

TEST(SurfaceTest, NextColumnSeparatorMovesToTheNextPrintZone) {
  Surface surface(9300, 2805, kWhite);
  const double zone = 14 * surface.font.columnWidth();
  surface.Print({std::string("a"), PrintSeparator::NextColumn, std::string("b")});
  ASSERT_EQ(surface.marks().size(), 2u);
  EXPECT_DOUBLE_EQ(surface.marks()[1].x1, zone);
  // From exactly a zone boundary the separator still moves a whole zone on.
  surface.CurrentX = zone;
  surface.Print({PrintSeparator::NextColumn, std::string("c")});
  EXPECT_DOUBLE_EQ(surface.marks()[2].x1, 2 * zone);
}

TEST(SurfaceTest, LineLeavesThePositionAtItsEndAndCarriesTheDrawingState) {
  Surface surface(1000, 1000, kWhite);
  surface.DrawWidth = 3;
  surface.DrawStyle = 2;
  surface.Line(10, 20, 30, 40, QBColor(12));
  surface.lineTo(50, 60);
  ASSERT_EQ(surface.marks().size(), 2u);
  const Mark& second = surface.marks()[1];
  EXPECT_EQ(second.x1, 30);
  EXPECT_EQ(second.y1, 40);
  EXPECT_EQ(second.color, kBlack);
  EXPECT_EQ(second.width, 3);
  EXPECT_EQ(second.style, 2);
  EXPECT_EQ(surface.CurrentX, 50);
  EXPECT_EQ(surface.CurrentY, 60);
}

TEST(SurfaceTest, CircleIsFilledOnlyWithASolidFillStyle) {
  Surface surface(1000, 1000, kWhite);
  surface.Circle(100, 100, 50, QBColor(9));
  EXPECT_FALSE(surface.marks()[0].fill.has_value());
  surface.FillStyle = kFillSolid;
  surface.FillColor = QBColor(12);
  surface.Circle(200, 100, -50, QBColor(12));
  ASSERT_TRUE(surface.marks()[1].fill.has_value());
  EXPECT_EQ(*surface.marks()[1].fill, Rgb(255, 0, 0));
  EXPECT_EQ(surface.marks()[1].r, 50);
}

TEST(SurfaceTest, ClsClearsMarksAndPosition) {
  Surface surface(1000, 1000, kWhite);
  surface.Print("x");
  surface.Line(0, 0, 5, 5);
  const auto generation = surface.generation();
  surface.Cls();
  EXPECT_TRUE(surface.marks().empty());
  EXPECT_EQ(surface.CurrentX, 0);
  EXPECT_EQ(surface.CurrentY, 0);
  EXPECT_NE(surface.generation(), generation);
}

TEST(SurfaceTest, TransientMarksAreDroppedAfterARepaint) {
  Surface surface(1000, 1000, kWhite);
  surface.Line(0, 0, 1, 1);
  surface.AutoRedraw = false;
  surface.Line(0, 0, 2, 2);
  surface.box(0, 0, 3, 3, kBlack, true);
  EXPECT_TRUE(surface.marks()[1].transient);
  surface.dropTransient();
  ASSERT_EQ(surface.marks().size(), 1u);
  EXPECT_EQ(surface.marks()[0].x2, 1);
}

TEST(SurfaceTest, NonFinitePositionsAreRefused) {
  Surface surface(1000, 1000, kWhite);
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW(surface.Line(0, 0, inf, 1), RuntimeFailure);
  EXPECT_THROW(surface.Circle(std::nan(""), 0, 5), RuntimeFailure);
  surface.CurrentY = inf;
  EXPECT_THROW(surface.Print("x"), RuntimeFailure);
  EXPECT_TRUE(surface.marks().empty());
}

TEST(TextMetricsTest, DefaultFontLineHeightAndWidths) {
  const Font font;
  EXPECT_EQ(font.lineHeight(), 195);
  EXPECT_GT(font.TextWidth("Wide"), font.TextWidth("iiii"));
  EXPECT_DOUBLE_EQ(font.TextWidth("ab"), font.TextWidth("a") + font.TextWidth("b"));
  const Font mono = Font::face("Courier New", 10);
  EXPECT_EQ(mono.family, FontFamily::Mono);
  EXPECT_DOUBLE_EQ(mono.TextWidth("iiii"), mono.TextWidth("WWWW"));
  EXPECT_EQ(Font::face("Times New Roman", 12).family, FontFamily::Serif);
  EXPECT_EQ(Font::face("MS Sans Serif", 8.25).family, FontFamily::Sans);
}

TEST(ColorTest, PaletteAndHex) {
  EXPECT_EQ(ColorHex(QBColor(1)), "#000080");
  EXPECT_EQ(ColorHex(QBColor(7)), "#c0c0c0");
  EXPECT_EQ(ColorHex(QBColor(14)), "#ffff00");
  EXPECT_EQ(ColorHex(kResultYellow), "#ffff80");
  EXPECT_THROW(QBColor(16), RuntimeFailure);
  EXPECT_THROW(QBColor(-1), RuntimeFailure);
}

}  // namespace
}  // namespace sylvandra
