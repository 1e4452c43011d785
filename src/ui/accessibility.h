// What a screen reader learns of the program through Qt's accessibility interface. Fields,
// buttons, check boxes, option buttons and windows are the toolkit's own widgets, named by
// ControlView; an option button needs its role put right, and two of the program's own widgets
// need more: a caption that is pressed like a button (a chapter of the main menu, an item of
// its list) and a window's drawing, whose text alternative names the graph on it, each series
// with its maximum, and holds the plotted data as the CSV export writes it.
#pragma once

#include <QWidget>
#include <string>

namespace sylvandra {
class Control;
class Window;
}  // namespace sylvandra

namespace sylvandra::ui {

// Makes these known to Qt's accessibility; once is enough, more is harmless.
void InstallAccessibility();

// A window or client area whose controls a reader meets in the order they are laid out on the
// screen (top to bottom, then left to right), not the order they were made in.
class ReadInLayoutOrder {
 public:
  virtual ~ReadInLayoutOrder() = default;
};

// A widget showing a control that a person activates though it is not a button.
class Activatable {
 public:
  virtual ~Activatable() = default;
  virtual const Control& shownControl() const = 0;
  virtual void activate() = 0;
};

// The text alternative of a window's drawing: its name ("Graph against Years: SOM, maximum
// 15050 (scale 16555); ...", each series' highest value and the top of its scale, or "Printed
// table") and its description (what the CSV export writes); both empty when the drawing holds
// neither a graph nor a printed table.
struct DrawingText {
  std::string name, description;
};
DrawingText DescribeDrawing(Window& window);

// Lies over a window's whole client area, under its controls, invisible and transparent to the
// mouse: it stands for the drawing in the accessibility tree.
class DrawingAlternative : public QWidget {
 public:
  DrawingAlternative(Window& window, QWidget* parent);
  Window& window() const { return window_; }

 private:
  Window& window_;
};

}  // namespace sylvandra::ui
