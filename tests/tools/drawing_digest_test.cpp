// The drawing digest: its hash is FNV-1a 64 (the same on every build), and it changes whenever a
// mark moves by one twip, changes colour, disappears or the drawing state changes; its lines say
// what a reviewer needs (counts by kind and colour, the box the marks fill, every text).
#include "drawing_digest.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "json.h"
#include "platform/color.h"
#include "platform/surface.h"

namespace sylvandra::script {
namespace {

TEST(Fnv1a64, MatchesThePublishedTestVectors) {
  struct Case {
    std::string bytes;
    std::uint64_t hash;
  };
  const Case cases[] = {
      {"", 0xcbf29ce484222325ull},
      {"a", 0xaf63dc4c8601ec8cull},
      {"foobar", 0x85944171f73967e8ull},
  };
  for (const Case& c : cases) EXPECT_EQ(Fnv1a64(c.bytes), c.hash) << c.bytes;
  // Hashing in pieces is hashing the whole.
  EXPECT_EQ(Fnv1a64("bar", Fnv1a64("foo")), Fnv1a64("foobar"));
}

// A small graph: a frame, a red curve of two segments, a filled dot and a caption.
void DrawGraph(Surface& s) {
  s.box(100, 400, 6100, 3400, Rgb(0, 0, 128));
  s.Line(750, 1000, 1750, 2000, Rgb(255, 0, 0));
  s.lineTo(2750, 1500, Rgb(255, 0, 0));
  s.FillStyle = kFillSolid;
  s.FillColor = Rgb(255, 0, 0);
  s.Circle(2750, 1500, 50, Rgb(255, 0, 0));
  s.CurrentX = 2586;
  s.CurrentY = 3600;
  s.Print("Year 165");
}

TEST(DrawingDigest, ChangesWithEveryMarkAndStateButNotWithoutChange) {
  Surface base(6400, 4000, kWhite);
  DrawGraph(base);
  const std::string baseHash = DrawingHash(base);
  ASSERT_EQ(baseHash.size(), 16u);

  struct Change {
    const char* what;
    std::function<void(Surface&)> apply;
  };
  const Change changes[] = {
      {"the same drawing again", [](Surface&) {}},
      {"the curve's end one twip lower",
       [](Surface& s) {
         s.Cls();
         s.box(100, 400, 6100, 3400, Rgb(0, 0, 128));
         s.Line(750, 1000, 1750, 2000, Rgb(255, 0, 0));
         s.lineTo(2750, 1501, Rgb(255, 0, 0));
       }},
      {"a segment blue, not red",
       [](Surface& s) {
         s.Cls();
         s.box(100, 400, 6100, 3400, Rgb(0, 0, 128));
         s.Line(750, 1000, 1750, 2000, Rgb(0, 0, 255));
       }},
      {"one more mark", [](Surface& s) { s.Line(0, 0, 1, 1); }},
      {"the position moved", [](Surface& s) { s.CurrentX += 1; }},
      {"the background", [](Surface& s) { s.setBackColor(kFaceGrey); }},
  };
  for (const Change& change : changes) {
    Surface changed(6400, 4000, kWhite);
    DrawGraph(changed);
    change.apply(changed);
    if (std::string(change.what) == "the same drawing again") {
      EXPECT_EQ(DrawingHash(changed), baseHash) << change.what;
    } else {
      EXPECT_NE(DrawingHash(changed), baseHash) << change.what;
    }
  }
}

TEST(DrawingDigest, CountsByKindAndColourAndListsTextsAndExtent) {
  Surface s(6400, 4000, kWhite);
  DrawGraph(s);
  std::ostringstream out;
  PrintDigest(s, "outpt", out);
  std::istringstream lines(out.str());
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "{\"digest\":\"outpt\",\"marks\":5,\"hash\":\"" + DrawingHash(s) + "\"}");
  // Sorted by kind and colour: one navy box, one red circle, two red lines, one black text.
  const char* counts[] = {
      R"({"op":"box","color":"#000080","count":1})",
      R"({"op":"circle","color":"#ff0000","count":1})",
      R"({"op":"line","color":"#ff0000","count":2})",
      R"({"op":"text","color":"#000000","count":1})",
  };
  for (const char* expected : counts) {
    std::getline(lines, line);
    EXPECT_EQ(line, expected);
  }
  // The frame spans 100..6100 x 400..3400; the caption's line (y 3600 + its height) reaches
  // below it, and nothing reaches left of 100 or above 400.
  std::getline(lines, line);
  const std::string bottom = JsonNumber(3600 + s.TextHeight());
  EXPECT_EQ(line, R"({"extent":{"x1":100,"y1":400,"x2":6100,"y2":)" + bottom + "}}");
  std::getline(lines, line);
  EXPECT_EQ(line.rfind("{\"state\":{\"back\":\"#ffffff\",\"CurrentX\":0,", 0), 0u) << line;
  std::getline(lines, line);
  EXPECT_EQ(line, R"({"op":"text","x":2586,"y":3600,"text":"Year 165"})");
  std::getline(lines, line);
  EXPECT_EQ(line, "end digest");
}

}  // namespace
}  // namespace sylvandra::script
