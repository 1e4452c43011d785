// A drawing surface: a display list of marks in twips (origin top-left, y downwards) plus the
// drawing state that Line, Circle and Print use.
//
// With AutoRedraw on, marks persist until Cls. With AutoRedraw off they go to a transient layer
// that the next repaint or Cls removes, so a long run of transient drawing does not grow memory
// without bound. Every coordinate must be finite: drawing a non-finite position, size or text is
// a run-time failure.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/color.h"
#include "platform/text_metrics.h"

namespace sylvandra {

enum class MarkKind { Line, Box, Circle, Text };

// Fill styles: 0 solid, 1 transparent, 2..7 hatch patterns.
inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;

struct Mark {
  MarkKind kind = MarkKind::Line;
  // Line and box: (x1, y1)-(x2, y2). Circle: centre (x1, y1), radius r. Text: top-left (x1, y1).
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
  Color color = kBlack;
  int width = 1;              // pen width in pixels
  int style = 0;              // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
  bool filled = false;        // box filled with its colour
  std::optional<Color> fill;  // circle interior
  int fillStyle = kFillTransparent;
  std::string text;
  Font font;
  bool transient = false;
  // A faded curve of a kept run, drawn under a graph for comparison; not part of the graph.
  bool kept = false;
  // The graph series (1..8) whose curve this mark draws; 0 for frame, labels and legend.
  int series = 0;
  // Its place in the order the surface received its marks since the last change of generation
  // (1, 2, ...): a renderer that keeps what it painted asks only for marks after the last it
  // painted, even when transient marks before them have since been dropped.
  std::uint64_t sequence = 0;
};

// Builders of single marks, for surfaces and for pictures drawn by code.
Mark LineMark(double x1, double y1, double x2, double y2, Color color, int width = 1,
              int style = 0);
Mark FilledBox(double x1, double y1, double x2, double y2, Color color);
Mark OutlineBox(double x1, double y1, double x2, double y2, Color color, int width = 1,
                int style = 0);
Mark FilledCircle(double x, double y, double r, Color color);
// A text mark with its top-left corner at (x, y).
Mark TextMark(double x, double y, std::string text, const Font& font, Color color = kBlack);

// A fixed picture drawn by the program: a display list in its own twips.
struct Picture {
  double width = 0, height = 0;
  std::optional<Color> background;
  std::vector<Mark> marks;
};

// Separators of Print: stay on this line, or move to the next print column.
enum class PrintSeparator { Stay, NextColumn };
using PrintPiece = std::variant<std::string, PrintSeparator>;

class Surface {
 public:
  Surface(double scaleWidth, double scaleHeight, Color backColor);

  // Drawing state, as the drawing operations use it.
  double CurrentX = 0;
  double CurrentY = 0;
  int DrawWidth = 1;
  int DrawStyle = 0;
  int FillStyle = kFillTransparent;
  Color FillColor = kBlack;
  Color ForeColor = kBlack;
  bool AutoRedraw = true;
  Font font;
  // The series number the plotters give the marks of a series' curve (0: none).
  int Series = 0;

  double ScaleWidth() const { return width_; }
  double ScaleHeight() const { return height_; }
  void setScaleSize(double width, double height);
  Color BackColor() const { return backColor_; }
  void setBackColor(Color color);

  // Clears every mark and returns the current position to (0, 0).
  void Cls();
  // A segment in the given colour (the fore colour when none), leaving the position at its end.
  void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = {});
  // A segment from the current position.
  void lineTo(double x2, double y2, std::optional<Color> color = {});
  // An outlined box, or a box filled with its colour.
  void box(double x1, double y1, double x2, double y2, std::optional<Color> color = {},
           bool filled = false);
  // A circle outlined in the colour and filled per FillStyle / FillColor.
  void Circle(double x, double y, double radius, std::optional<Color> color = {});
  // Prints text at the current position, then moves to the start of the next line.
  void Print(std::string_view text = {});
  // Prints pieces joined by separators; a trailing separator keeps the position on the line.
  void Print(std::initializer_list<PrintPiece> pieces);

  double TextWidth(std::string_view text) const { return font.TextWidth(text); }
  double TextHeight() const { return font.lineHeight(); }

  const std::vector<Mark>& marks() const { return marks_; }
  // Adds a mark of a kept run (see Mark::kept), on the persistent layer.
  void addKept(Mark mark);
  // Removes the marks of a kept run; returns whether there were any.
  bool removeKept();
  // Drops the transient marks (the renderer has painted them).
  void dropTransient();
  // Changes whenever marks are removed, so a renderer knows to start over. Every change takes a
  // number no surface has had, so a surface put back as it was (its earlier number) never
  // looks like one a renderer has painted since.
  std::uint64_t generation() const { return generation_; }
  // How many marks the surface has received in this generation: the sequence of the last.
  std::uint64_t marksReceived() const { return received_; }

  // A fixed picture shown under the drawing (PictureBox pictures, window backgrounds).
  // A renderer paints it again from the background up (a new generation).
  void setPicture(std::shared_ptr<const Picture> picture);
  const std::shared_ptr<const Picture>& picture() const { return picture_; }

 private:
  void add(Mark mark);
  void printText(std::string_view text);
  void newLine();

  double width_;
  double height_;
  Color backColor_;
  std::vector<Mark> marks_;
  std::uint64_t generation_ = 0;
  std::uint64_t received_ = 0;
  std::shared_ptr<const Picture> picture_;
};

}  // namespace sylvandra
