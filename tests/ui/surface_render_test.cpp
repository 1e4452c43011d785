// Drawing surfaces as they appear on screen and in PNG files: marks in the right colour at the
// right pixel, transient drawing kept until Cls, and text at the advances the layout assumes.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/startup.h"
#include "plot/output/output_windows.h"
#include "ui/qt_conversions.h"
#include "ui/ui_fixture.h"
#include "ui/window_image.h"

namespace sylvandra::testing {
namespace {

QColor At(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}

bool IsDark(const QColor& color) {
  return color.red() < 100 && color.green() < 100 && color.blue() < 100;
}

// Draws one mark of each kind where no control covers the window (see LabWindow).
void DrawSample(LabWindow& lab) {
  Surface& surface = lab.surface();
  surface.box(1500, 2400, 2250, 3000, QBColor(12), true);  // pixels 100..150 x 160..200
  surface.DrawWidth = 3;
  surface.Line(150, 3600, 2700, 3600, QBColor(9));  // y = 240, x = 10..180
  surface.DrawWidth = 1;
  surface.FillStyle = kFillSolid;
  surface.FillColor = QBColor(10);
  surface.Circle(1800, 4350, 150, kBlack);  // centre (120, 290), radius 10
  surface.CurrentX = 150;
  surface.CurrentY = 2400;
  surface.Print("HHHH");  // from (10, 160)

  Surface& plot = lab.Plot.surface();
  auto corner = std::make_shared<Picture>();
  corner->width = 300;
  corner->height = 300;
  corner->background = QBColor(14);
  lab.Plot.setPicture(corner);
  plot.box(150, 150, 750, 750, QBColor(5), true);  // window pixels 210..250 x 110..150
}

void ExpectSample(const QImage& image, const LabWindow& lab) {
  ASSERT_EQ(image.size(), QSize(400, 300));
  EXPECT_EQ(At(image, 125, 180), QColor(255, 0, 0));
  EXPECT_EQ(At(image, 101, 161), QColor(255, 0, 0));
  EXPECT_EQ(At(image, 155, 180), ui::ToQColor(lab.backColor()));
  EXPECT_EQ(At(image, 100, 240), QColor(0, 0, 255));
  EXPECT_EQ(At(image, 100, 236), ui::ToQColor(lab.backColor()));
  EXPECT_EQ(At(image, 120, 290), QColor(0, 255, 0));
  EXPECT_EQ(At(image, 140, 290), ui::ToQColor(lab.backColor()));
  // The fixed picture under the picture box's own drawing, on the box's white background.
  EXPECT_EQ(At(image, 205, 105), QColor(255, 255, 0));
  EXPECT_EQ(At(image, 230, 130), QColor(128, 0, 128));
  EXPECT_EQ(At(image, 340, 240), QColor(255, 255, 255));

  // The text: dark pixels from its left edge to about its measured width, none beyond.
  const double textRight = 10 + lab.surface().font.TextWidth("HHHH") / 15.0;
  int darkLeft = 1000, darkRight = -1;
  for (int y = 160; y < 175; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (IsDark(At(image, x, y))) {
        darkLeft = std::min(darkLeft, x);
        darkRight = std::max(darkRight, x);
      }
    }
  }
  EXPECT_GE(darkLeft, 10);
  EXPECT_LE(darkLeft, 12);
  EXPECT_GE(darkRight, textRight - 3);
  EXPECT_LE(darkRight, textRight);
}

using SurfaceRenderTest = UiTest;

TEST_F(SurfaceRenderTest, WindowPngShowsMarksAndControls) {
  LabWindow& lab = program().form<LabWindow>();
  DrawSample(lab);
  lab.Mass.setBackColor(kResultYellow);
  QTemporaryDir dir;
  const std::string file = dir.filePath("lab.png").toStdString();
  std::string error;
  ASSERT_TRUE(WriteWindowPng(program(), lab, file, error)) << error;
  const QImage image = QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_RGB32);
  ExpectSample(image, lab);
  // The Run button's face is drawn over the window (it is not the window's grey).
  bool buttonDrawn = false;
  for (int x = 12; x < 88; ++x) buttonDrawn = buttonDrawn || IsDark(At(image, x, 32));
  EXPECT_TRUE(buttonDrawn);
  // Controls in their colours: a result field, an option on the window's grey.
  EXPECT_EQ(At(image, 100, 69), QColor(255, 255, 128));
  EXPECT_EQ(At(image, 85, 108), ui::ToQColor(lab.backColor()));
  // Making the picture put nothing on screen and left the window hidden.
  for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_FALSE(widget->isVisible());
  EXPECT_FALSE(lab.visible());
}

TEST_F(SurfaceRenderTest, AnExplanatoryPageHidesTheGraphBeneathIt) {
  // A graph's x caption prints 300 twips below the axis, partly below the page (which ends at
  // 6255 twips, pixel 417); the page hides the whole drawing, and it is back once the page goes.
  RegisterShellWindows(program());
  outpt& output = program().form<outpt>();
  output.surface().CurrentX = 2900;
  output.surface().CurrentY = 6200;
  output.surface().Print("MMMM");
  auto captionShows = [&] {
    const QImage image = Grab(output);
    bool dark = false;
    for (int x = 193; x < 230; ++x)
      for (int y = 418; y < 425; ++y) dark = dark || IsDark(At(image, x, y));
    return dark;
  };
  output.About.setVisible(false);  // shown by design until the menu first hides it
  output.Show();
  desktop().sync();
  EXPECT_TRUE(captionShows());
  output.About.setVisible(true);
  desktop().sync();
  EXPECT_FALSE(captionShows());
  output.About.setVisible(false);
  desktop().sync();
  EXPECT_TRUE(captionShows());
}

TEST_F(SurfaceRenderTest, DesktopViewPaintsTheSameDrawing) {
  LabWindow& lab = ShowLab();
  DrawSample(lab);
  desktop().sync();
  ExpectSample(Grab(lab), lab);
}

TEST_F(SurfaceRenderTest, TransientMarksStayOnScreenUntilCls) {
  LabWindow& lab = ShowLab();
  Surface& surface = lab.surface();
  surface.box(1500, 2400, 2250, 3000, QBColor(12), true);
  surface.AutoRedraw = false;
  surface.box(3000, 4200, 3300, 4350, QBColor(13), true);  // pixels 200..220 x 280..290
  desktop().sync();
  // Painted, then forgotten by the model; the persistent box stays in the list.
  ASSERT_EQ(surface.marks().size(), 1u);
  EXPECT_FALSE(surface.marks()[0].transient);
  QImage image = Grab(lab);
  EXPECT_EQ(At(image, 210, 285), QColor(255, 0, 255));
  EXPECT_EQ(At(image, 125, 180), QColor(255, 0, 0));

  surface.box(4500, 4200, 4800, 4350, QBColor(9), true);  // pixels 300..320 x 280..290
  desktop().sync();
  image = Grab(lab);
  EXPECT_EQ(At(image, 210, 285), QColor(255, 0, 255));
  EXPECT_EQ(At(image, 310, 285), QColor(0, 0, 255));

  surface.Cls();
  surface.AutoRedraw = true;
  surface.box(1500, 3900, 1800, 4050, QBColor(10), true);  // pixels 100..120 x 260..270
  desktop().sync();
  image = Grab(lab);
  EXPECT_EQ(At(image, 210, 285), ui::ToQColor(lab.backColor()));
  EXPECT_EQ(At(image, 125, 180), ui::ToQColor(lab.backColor()));
  EXPECT_EQ(At(image, 110, 265), QColor(0, 255, 0));
}

TEST_F(SurfaceRenderTest, RefreshDuringAHandlerShowsTheDrawingSoFar) {
  LabWindow& lab = ShowLab();
  QColor seen;
  lab.Run.onClick = [&] {
    lab.surface().box(1500, 2400, 2250, 3000, QBColor(12), true);
    program().Refresh();
    seen = At(Grab(lab), 125, 180);
  };
  program().click(lab.Run);
  EXPECT_EQ(seen, QColor(255, 0, 0));
}

TEST_F(SurfaceRenderTest, AFailedHandlerIsShownTakenBackWhenItsFailureIsReported) {
  LabWindow& lab = ShowLab();
  const QColor background = At(Grab(lab), 125, 180);
  lab.Run.onClick = [&] {
    lab.Result.setCaption("Working");
    lab.surface().box(1500, 2400, 2250, 3000, QBColor(12), true);
    program().Refresh();  // the box is on screen
    lab.Mass.setText("abc");
    lab.Mass.number();
  };
  program().click(lab.Run);
  ASSERT_EQ(dialogs().failures.size(), 1u);
  EXPECT_EQ(At(Grab(lab), 125, 180), background);
  EXPECT_EQ(WidgetOf<QLabel>(lab.Result)->text(), "");
  EXPECT_EQ(WidgetOf<QLineEdit>(lab.Mass)->text(), "12.5");
}

TEST(FontTest, RenderedAdvancesMatchTheLayoutMetrics) {
  ui::EnsureGuiApplication();
  const std::string sample = "Equilibrium Reached in Year 165 = 0.392";
  for (FontFamily family : {FontFamily::Sans, FontFamily::Serif, FontFamily::Mono}) {
    for (bool bold : {false, true}) {
      Font font;
      font.family = family;
      font.bold = bold && family != FontFamily::Mono;
      for (double points : {8.25, 9.75, 12.0}) {
        font.points = points;
        const QFont qfont = ui::ToQFont(font);
        EXPECT_EQ(QFontInfo(qfont).family(), font.renderFamily());
        const double rendered = QFontMetricsF(qfont).horizontalAdvance(ui::ToQString(sample));
        EXPECT_NEAR(rendered, font.TextWidth(sample) / 15.0, 0.5)
            << font.renderFamily() << (font.bold ? " bold " : " ") << points;
      }
    }
  }
}

}  // namespace
}  // namespace sylvandra::testing
