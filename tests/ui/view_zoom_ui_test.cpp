// The desktop's zoom: the factor a screen starts at, the person's steps and their keeping
// across starts, and where an output window goes beside the window in use.
#include <QMenu>
#include <QMenuBar>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/startup.h"
#include "shell/a_select.h"
#include "ui/menu_bar_view.h"
#include "ui/qt_conversions.h"
#include "ui/ui_fixture.h"
#include "ui/view_zoom.h"

namespace sylvandra::testing {
namespace {

TEST(ViewZoom, StartsSoTheDesignFillsThreeQuartersOfTheScreen) {
  struct Case {
    QSize screen;
    double zoom;
  };
  const Case cases[] = {
      {{800, 600}, 1},       // 0.75 * 600 / 600 = 0.75, never below the design
      {{1024, 768}, 1},      // 0.75 * 768 / 600 = 0.96
      {{1920, 1080}, 1.35},  // 0.75 * 1080 / 600 = 1.35; width 0.75 * 1920 / 800 = 1.8
      {{1600, 1000}, 1.25},  // 0.75 * 1000 / 600 = 1.25
      {{1080, 1920}, 1.01},  // upright: width 0.75 * 1080 / 800 = 1.0125
      {{3840, 2160}, 2.7},   // 0.75 * 2160 / 600 = 2.7
      {{15360, 8640}, 4},    // 10.8, held at the largest zoom
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ui::ZoomForScreen(c.screen), c.zoom)
        << c.screen.width() << "x" << c.screen.height();
  }
}

TEST(ViewZoom, StepsUpAndDownTheLadder) {
  EXPECT_DOUBLE_EQ(ui::SteppedZoom(1, ui::ZoomStep::In), 1.1);
  EXPECT_DOUBLE_EQ(ui::SteppedZoom(1.35, ui::ZoomStep::In), 1.5);
  EXPECT_DOUBLE_EQ(ui::SteppedZoom(1.35, ui::ZoomStep::Out), 1.25);
  EXPECT_DOUBLE_EQ(ui::SteppedZoom(4, ui::ZoomStep::In), 4);
  EXPECT_DOUBLE_EQ(ui::SteppedZoom(0.5, ui::ZoomStep::Out), 0.5);
  EXPECT_DOUBLE_EQ(ui::SteppedZoom(2.7, ui::ZoomStep::Actual), 1);
}

TEST(ViewZoom, PlacesBesideTheWindowInUseWhereThereIsRoom) {
  // The global carbon window at zoom 1.35 and an output window of 431 x 460 designed pixels.
  const QRect inUse(32, 43, 700, 560);
  const QSize output(582, 621);
  struct Case {
    QRect screen;
    bool room;
  };
  const Case cases[] = {
      {{0, 0, 1920, 1040}, true},   // right: 732 + 8 + 582 <= 1920
      {{0, 0, 1600, 1000}, true},   // right: 1322 <= 1600
      {{0, 0, 1280, 1300}, true},   // no room right or left, below: 603 + 8 + 621 <= 1300
      {{0, 0, 1280, 1024}, false},  // no side has room
      {{0, 0, 800, 600}, false},
  };
  for (const Case& c : cases) {
    const std::optional<QPoint> at = ui::PlaceBeside(inUse, output, c.screen);
    ASSERT_EQ(at.has_value(), c.room) << c.screen.width() << "x" << c.screen.height();
    if (!at) continue;
    EXPECT_FALSE(QRect(*at, output).intersects(inUse));
    EXPECT_TRUE(c.screen.contains(QRect(*at, output)));
  }
  // A window in use to the right of the screen's middle gets its output window on its left.
  const std::optional<QPoint> left =
      ui::PlaceBeside(QRect(900, 100, 700, 560), output, {0, 0, 1600, 1000});
  ASSERT_TRUE(left);
  EXPECT_EQ(left->x(), 900 - 8 - 582);
}

class ZoomedDesktopTest : public UiTest {};

TEST_F(ZoomedDesktopTest, ZoomScalesTheViewNotTheModel) {
  LabWindow& lab = ShowLab();
  ui::WindowView& view = ViewOf(lab);
  // The offscreen screen is 800 x 600: the designed size.
  EXPECT_DOUBLE_EQ(desktop().zoom(), 1);
  EXPECT_EQ(view.size(), QSize(400, 300));
  desktop().changeZoom(ui::ZoomStep::In);
  desktop().changeZoom(ui::ZoomStep::In);
  EXPECT_DOUBLE_EQ(desktop().zoom(), 1.25);
  // 6000 x 4500 twips are 400 x 300 pixels, 500 x 375 at 1.25; the Run button's
  // {150, 300, 1200, 375} twips are {10, 20, 80, 25} pixels, {12.5, 25, 100, 31.25} zoomed.
  EXPECT_EQ(view.size(), QSize(500, 375));
  EXPECT_EQ(WidgetOf<QWidget>(lab.Run)->geometry(), QRect(13, 25, 100, 31));
  EXPECT_EQ(lab.rect().width, 6000);
  EXPECT_EQ(lab.Run.rect().left, 150);
  desktop().changeZoom(ui::ZoomStep::Out);
  EXPECT_DOUBLE_EQ(desktop().zoom(), 1.1);
  desktop().changeZoom(ui::ZoomStep::Actual);
  EXPECT_EQ(view.size(), QSize(400, 300));
  EXPECT_EQ(WidgetOf<QWidget>(lab.Run)->geometry(), QRect(10, 20, 80, 25));
}

TEST_F(ZoomedDesktopTest, TheChosenZoomIsKeptForTheNextDesktop) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath("zoom.ini");
  {
    QSettings settings(file, QSettings::IniFormat);
    desktop().keepZoomIn(&settings);
    EXPECT_DOUBLE_EQ(desktop().zoom(), 1);  // nothing kept yet
    desktop().changeZoom(ui::ZoomStep::In);
    desktop().keepZoomIn(nullptr);
  }
  QSettings settings(file, QSettings::IniFormat);
  ui::QtHost host(std::make_unique<RecordingDialogs>());
  Program program(host);
  ui::Desktop next(program);
  EXPECT_DOUBLE_EQ(next.zoom(), 1);
  next.keepZoomIn(&settings);
  EXPECT_DOUBLE_EQ(next.zoom(), 1.1);
}

// The main menu's bar and its menus: their font's size in points, zoom 1 being the desktop's.
struct MenuFonts {
  double bar = 0;
  std::vector<double> menus;
};
MenuFonts MenuFontsOf(ui::WindowView& view) {
  MenuFonts fonts;
  QMenuBar* bar = view.menuBar()->bar();
  fonts.bar = bar->font().pointSizeF();
  for (QAction* action : bar->actions()) {
    if (action->menu()) fonts.menus.push_back(action->menu()->font().pointSizeF());
  }
  return fonts;
}

TEST_F(ZoomedDesktopTest, ZoomKeysZoomTheMenuBarTooAndTheLastZoomIsKeptForTheNextStart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QSettings settings(dir.filePath("zoom.ini"), QSettings::IniFormat);
  desktop().keepZoomIn(&settings);
  StartProgram(program());
  desktop().sync();
  ui::WindowView& menu = ViewOf(program().form<A_Select>());
  ASSERT_NE(menu.menuBar(), nullptr);
  menu.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
  const double designed = QApplication::font(menu.menuBar()->bar()).pointSizeF();
  ASSERT_GT(designed, 0);
  const int designedHeight = menu.height();

  struct Case {
    Qt::Key key;
    double zoom;
  };
  const Case cases[] = {
      {Qt::Key_Plus, 1.1},                    // the step above 1
      {Qt::Key_Equal, 1.25},                  // the same key without Shift
      {Qt::Key_Minus, 1.1},  {Qt::Key_0, 1},  // the designed size
      {Qt::Key_Plus, 1.1},   {Qt::Key_Plus, 1.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
    QTest::keyClick(&menu, c.key, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(desktop().zoom(), c.zoom);
    const MenuFonts fonts = MenuFontsOf(menu);
    EXPECT_DOUBLE_EQ(fonts.bar, designed * c.zoom);
    // The window's own menus and the desktop's View menu.
    ASSERT_EQ(fonts.menus.size(), 2u);
    for (double size : fonts.menus) EXPECT_DOUBLE_EQ(size, designed * c.zoom);
    // The client area lies below the bar, however tall the bar has grown.
    const QWidget* selectRow = WidgetOf<QWidget>(program().form<A_Select>().Select(0));
    ASSERT_NE(selectRow, nullptr);
    EXPECT_GE(selectRow->mapTo(&menu, QPoint(0, 0)).y(), menu.menuBar()->bar()->height());
  }
  // 7200 twips are 480 pixels, 600 at 1.25; the bar grows with its font.
  EXPECT_GT(menu.height() - 600, designedHeight - 480);

  // The next start, with the same settings, opens at the zoom left.
  desktop().keepZoomIn(nullptr);
  ui::QtHost host(std::make_unique<RecordingDialogs>());
  Program next(host);
  ui::Desktop nextDesktop(next);
  nextDesktop.keepZoomIn(&settings);
  StartProgram(next);
  nextDesktop.sync();
  EXPECT_DOUBLE_EQ(nextDesktop.zoom(), 1.25);
  ui::WindowView* nextMenu = nextDesktop.view(next.form<A_Select>());
  ASSERT_NE(nextMenu, nullptr);
  EXPECT_DOUBLE_EQ(MenuFontsOf(*nextMenu).bar, designed * 1.25);
}

}  // namespace
}  // namespace sylvandra::testing
