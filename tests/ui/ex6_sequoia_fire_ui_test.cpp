// The flames of a running fire on the desktop: painted at a repaint request, then forgotten by
// the drawing surface.
#include <gtest/gtest.h>

#include "exercises/population/ex6_ask.h"
#include "plot/output/output_windows.h"
#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

using Ex6AskDesktopTest = UiTest;

TEST_F(Ex6AskDesktopTest, FlamesAreShownAtARepaintAndThenDropped) {
  Ex6Ask& fire = program().form<Ex6Ask>();
  fire.Show();
  program().form<outpt>().About.setVisible(false);  // as the menu leaves it
  fire.Command2_Click();
  desktop().sync();
  outpt& out = program().form<outpt>();
  const size_t maps = out.surface().marks().size();

  // Crown flames on pixel (3, 4): white marks within x 550..700 twips (pixels 36..47) and the
  // fuel map's third row, then a repaint request as a running Execute makes.
  const int top = static_cast<int>((200 + out.surface().TextHeight() + 300) / 15);
  auto whitePixels = [&] {
    const QImage image = Grab(out);
    int white = 0;
    for (int y = top; y < top + 10; ++y)
      for (int x = 36; x < 47; ++x) white += image.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
    return white;
  };
  EXPECT_EQ(whitePixels(), 0);  // the maps have no white class
  fire.DrawFlames(3, 4, 1);
  program().Refresh();
  EXPECT_EQ(out.surface().marks().size(), maps);
  EXPECT_GT(whitePixels(), 20);
}

}  // namespace
}  // namespace sylvandra::testing
