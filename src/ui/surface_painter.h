// Paints drawing surfaces: one painting routine for the screen and for PNG files.
//
// A SurfaceCanvas keeps an image of the surface and paints only the marks added since the last
// update, so a long run costs one mark per mark drawn, not one redraw of the whole list per
// step. Transient marks (drawn with AutoRedraw off) stay in the image until the surface is
// cleared; the on-screen canvas then lets the surface forget them, so they use no memory in
// the model. A change of generation (Cls), size, background or picture starts the image over
// from the persistent marks.
#pragma once

#include <QImage>
#include <QSize>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/surface.h"

class QPainter;

namespace sylvandra::ui {

// How marks are laid out on an area of another shape than designed: designed pixels map to
// `x` and `y` pixels along each axis, and a line of width w is drawn w * `line` pixels wide.
// Text and circles keep their shape, at the smaller of the two factors.
struct MarkScale {
  double x = 1, y = 1, line = 1;
  bool operator==(const MarkScale&) const = default;
};

// Paints one mark; twips map to device-independent pixels, 15 to one.
void PaintMark(QPainter& painter, const Mark& mark, const MarkScale& scale = {});
// Paints a fixed picture (its background, then its marks) at the painter's origin.
void PaintPicture(QPainter& painter, const Picture& picture);

class SurfaceCanvas {
 public:
  enum class Transients { Drop, Keep };
  explicit SurfaceCanvas(Transients transients) : transients_(transients) {}
  Transients transients() const { return transients_; }

  // Brings the image up to date with the surface, whose area is size pixels shown at the
  // given device pixel ratio, the marks laid out by `scale`. Returns true when anything changed.
  bool update(Surface& surface, QSize size, double pixelRatio, const MarkScale& scale = {});
  // Draws the surface with its top-left corner at the painter's origin.
  void draw(QPainter& painter) const;

 private:
  void restart(const Surface& surface, QSize size, double pixelRatio, const MarkScale& scale);

  Transients transients_;
  QImage image_;  // null while the surface shows only its background
  QSize size_;
  double pixelRatio_ = 1;
  MarkScale scale_;
  Color background_ = kWhite;
  const Picture* picture_ = nullptr;
  std::uint64_t generation_ = 0;
  std::size_t painted_ = 0;
  bool started_ = false;
};

}  // namespace sylvandra::ui
