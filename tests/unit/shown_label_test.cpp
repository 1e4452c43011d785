// A field is read out by the words shown beside it: its own label, else the caption just left
// of it or just above it (the nearer of the two), else its name.
#include "platform/shown_label.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/program.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

class CaptionedWindow : public Window {
 public:
  static constexpr const char* kName = "CaptionedWindow";
  explicit CaptionedWindow(Program& program)
      : Window(program, kName, "Captions", {0, 0, 8000, 4000}) {
    Hidden.setVisible(false);
    Chapter.onClick = [] {};
  }
  // Rects are {left, top, width, height}; a caption's right is left + width, its bottom top +
  // height.
  Control& Heading = addLabel("Heading", "  Soil   Organic Matter\n g/m2 ", {100, 100, 2000, 255});
  Control& Pool = addTextBox("Pool", "100", {100, 600, 1200, 285});
  Control& RateCaption = addLabel("RateCaption", "Rate", {100, 1200, 600, 255});
  Control& Rate = addTextBox("Rate", "0.1", {800, 1200, 1000, 285}).setLabel("Decay rate");
  Control& Yearly = addLabel("Yearly", "Yearly", {1200, 1500, 1000, 255});
  Control& InputsCaption = addLabel("InputsCaption", "Inputs", {100, 2000, 900, 255});
  Control& Inputs = addTextBox("Inputs", "50", {1200, 2000, 1000, 285});
  Control& FarCaption = addLabel("FarCaption", "Far away", {5000, 1100, 1000, 255});
  Control& Far = addTextBox("Far", "1", {5000, 2000, 1000, 285});
  Control& Hidden = addLabel("Hidden", "Hidden", {1500, 3000, 900, 255});
  Control& Quiet = addTextBox("PAR", "2", {2500, 3000, 1000, 285}, 2);
  Control& Chapter = addLabel("Chapter", "Chapter 1", {100, 3500, 900, 255});
  Control& Count = addTextBox("Count", "3", {1200, 3500, 1000, 285});
};

TEST(ShownLabelTest, NamesEachFieldByTheWordsBesideIt) {
  testing::TestHost host;
  Program program(host);
  program.registerWindow<CaptionedWindow>();
  CaptionedWindow& window = program.form<CaptionedWindow>();
  const struct {
    const Control& field;
    std::string expected;
  } cases[] = {
      // Heading's bottom 100 + 255 = 355 lies 600 - 355 = 245 above Pool (at most 600); its
      // blanks and line break are read as single spaces.
      {window.Pool, "Soil Organic Matter g/m2"},
      // The window's own label wins over the caption 800 - 700 = 100 to its left.
      {window.Rate, "Decay rate"},
      // InputsCaption ends at 100 + 900 = 1000, 1200 - 1000 = 200 left of Inputs; Yearly ends at
      // 1500 + 255 = 1755, 2000 - 1755 = 245 above it: the nearer, on the left, names it.
      {window.Inputs, "Inputs"},
      // FarCaption ends at 1100 + 255 = 1355, 2000 - 1355 = 645 above Far: more than 600, and
      // Inputs (a field, 5000 - 2200 = 2800 away) is no caption, so its name.
      {window.Far, "Far"},
      // The caption 2500 - 2400 = 100 to its left is hidden: its name with its index.
      {window.Quiet, "PAR(2)"},
      // Chapter, 1200 - 1000 = 200 to its left, can be clicked: a control, not a caption.
      {window.Count, "Count"},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(ShownLabel(test.field), test.expected) << test.field.qualifiedName();
  }
}

}  // namespace
}  // namespace sylvandra
