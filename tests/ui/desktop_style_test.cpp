// The desktop's style draws the menu bar's overflow chevron itself (no image file read at
// start-up) and leaves every other icon to the style it wraps.
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "ui/desktop_style.h"
#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

// Pixels of an icon drawn on white that are not white.
int InkedPixels(const QIcon& icon) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::white);
  {
    QPainter painter(&pixmap);
    icon.paint(&painter, pixmap.rect());
  }
  const QImage image = pixmap.toImage();
  int inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) inked += image.pixelColor(x, y) != Qt::white;
  }
  return inked;
}

TEST(DesktopStyle, DrawsTheOverflowChevronAndPassesOtherIconsOn) {
  ui::EnsureGuiApplication();
  ui::DesktopStyle style;
  const QIcon chevron = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  EXPECT_GT(InkedPixels(chevron), 10);
  // Another icon is the wrapped style's own, read from its image file.
  const QIcon warning = style.standardIcon(QStyle::SP_MessageBoxWarning);
  EXPECT_FALSE(warning.isNull());
  EXPECT_GT(InkedPixels(warning), 10);
}

}  // namespace
}  // namespace sylvandra::testing
