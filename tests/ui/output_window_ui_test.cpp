// The output window as a student works with it: the graph as SVG, pictures of it at another
// size, the readout under the pointer and a resized window.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRect>
#include <QToolTip>
#include <QXmlStreamReader>

#include "app/startup.h"
#include "plot/graph.h"
#include "plot/graph_export.h"
#include "plot/output/output_windows.h"
#include "ui/ui_fixture.h"
#include "ui/window_image.h"

namespace sylvandra::testing {
namespace {

constexpr QRgb kLightRed = 0xffff0000;  // the first series' colour, QBColor 12

class OutputWindowTest : public UiTest {
 protected:
  OutputWindowTest() { RegisterShellWindows(program()); }

  // Net and gross exchange at hours 0, 10, 20, drawn on outpt.
  Window& DrawExchange() {
    program().form<outpt>().About.setVisible(false);  // the page that covers the drawing
    GraphSeriesXY(
        program(),
        {.title = "Hour", .xs = {0, 10, 20}, .series = {{"NEE", {-2, 4, 8}}, {"GCE", {1, 2, 3}}}});
    desktop().sync();
    return program().form<outpt>();
  }
};

// The smallest rectangle holding every pixel of the colour.
QRect Extent(const QImage& image, QRgb colour) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Within the width of the 3-pixel pen, which is drawn twice as wide too.
void ExpectTwiceAsLarge(const QRect& once, const QRect& twice) {
  ASSERT_FALSE(once.isEmpty());
  EXPECT_NEAR(twice.left(), 2 * once.left(), 5);
  EXPECT_NEAR(twice.top(), 2 * once.top(), 5);
  EXPECT_NEAR(twice.right(), 2 * once.right(), 5);
  EXPECT_NEAR(twice.bottom(), 2 * once.bottom(), 5);
}

TEST_F(OutputWindowTest, SvgOfAGraphParsesWithOneCurvePerSeries) {
  Window& output = DrawExchange();
  QXmlStreamReader svg(QString::fromStdString(WindowSvg(output)));
  QStringList curves;
  int elements = 0;
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement) continue;
    if (elements++ == 0) {
      EXPECT_EQ(svg.name(), QLatin1String("svg"));
    }
    if (svg.name() == QLatin1String("g") &&
        svg.attributes().value("class") == QLatin1String("curve")) {
      curves << svg.attributes().value("data-series").toString();
    }
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  EXPECT_EQ(curves, QStringList({"NEE", "GCE"}));
}

TEST_F(OutputWindowTest, PictureAtTwiceTheScaleIsTheSameGraphTwiceAsLarge) {
  Window& output = DrawExchange();
  const QImage once = RenderWindow(output, 1);
  const QImage twice = RenderWindow(output, 2);
  EXPECT_EQ(twice.size(), once.size() * 2);
  ExpectTwiceAsLarge(Extent(once, kLightRed), Extent(twice, kLightRed));
}

TEST_F(OutputWindowTest, ResizedWindowScalesItsDrawingAndReadsValuesWhereTheyAreShown) {
  Window& output = DrawExchange();
  ui::WindowView& view = ViewOf(output);
  const QSize designed = view.size();
  const QRect once = Extent(Grab(output), kLightRed);
  view.resize(designed * 2);
  desktop().sync();
  ExpectTwiceAsLarge(once, Extent(Grab(output), kLightRed));
  // Its button grows with it: Return at (4560, 6360) twips, 1215 x 375, is (304, 424) pixels,
  // 81 x 25, at the designed size.
  EXPECT_EQ(ViewOf(output).widgetFor(program().form<outpt>().Return)->geometry(),
            QRect(608, 848, 162, 50));

  // NEE at hour 10 is drawn at twips (3284.25, 2884.6), pixels (219, 192) at the designed
  // size, (438, 385) in the window twice that size.
  const QPointF at(438, 385);
  QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&view, &move);
  EXPECT_EQ(QToolTip::text(), QString("NEE\nx: 10\nvalue: 4"));
}

// Pixels of the colour in column x: the curve's thickness there.
int ColumnCount(const QImage& image, int x, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) count += image.pixel(x, y) == colour;
  return count;
}

TEST_F(OutputWindowTest, WidenedWindowFillsWithItsGraphAndKeepsItsLinesThin) {
  Window& output = DrawExchange();
  ui::WindowView& view = ViewOf(output);
  const QSize designed = view.size();
  const QImage before = Grab(output);
  const QRect once = Extent(before, kLightRed);
  view.resize(designed.width() * 2, designed.height());
  desktop().sync();
  const QImage wide = Grab(output);
  const QRect widened = Extent(wide, kLightRed);
  // Twice as wide, as high as before (within the 3-pixel pen).
  EXPECT_NEAR(widened.left(), 2 * once.left(), 3);
  EXPECT_NEAR(widened.right(), 2 * once.right(), 3);
  EXPECT_NEAR(widened.top(), once.top(), 2);
  EXPECT_NEAR(widened.bottom(), once.bottom(), 2);

  // Made twice as large both ways, the curve keeps its slope, so a column crosses as many
  // pixels of a 3-pixel pen as at the designed size (a pen grown with the window: twice).
  view.resize(designed * 2);
  desktop().sync();
  const QImage large = Grab(output);
  const int middle = once.center().x();
  const int thin = ColumnCount(before, middle, kLightRed);
  ASSERT_GT(thin, 0);
  EXPECT_LE(ColumnCount(large, 2 * middle, kLightRed), thin + 1);
}

QAction* ActionNamed(QWidget& view, const QString& text) {
  for (QAction* action : view.actions()) {
    if (action->text() == text) return action;
  }
  ADD_FAILURE() << "no action " << text.toStdString();
  return nullptr;
}

TEST_F(OutputWindowTest, ContextMenuKeepsARunCopiesItsDataAndClearsTheKeptRun) {
  Window& output = DrawExchange();
  ui::WindowView& view = ViewOf(output);
  ActionNamed(view, "Copy data as CSV")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QString("Hour,NEE,GCE\n0,-2,1\n10,4,2\n20,8,3\n"));

  auto keptMarks = [&] {
    int kept = 0;
    for (const Mark& mark : output.surface().marks()) kept += mark.kept ? 1 : 0;
    return kept;
  };
  ActionNamed(view, "Keep this run for comparison")->trigger();
  DrawExchange();
  EXPECT_GT(keptMarks(), 0);
  ActionNamed(view, "Clear kept run")->trigger();
  EXPECT_EQ(keptMarks(), 0);
}

}  // namespace
}  // namespace sylvandra::testing
