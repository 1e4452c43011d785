#include "ui/surface_painter.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/qt_conversions.h"

namespace sylvandra::ui {
namespace {

double Px(double twips) {
  return twips / kTwipsPerPixel;
}

double PxX(double twips, const MarkScale& scale) {
  return Px(twips) * scale.x;
}

double PxY(double twips, const MarkScale& scale) {
  return Px(twips) * scale.y;
}

// Text and circles keep their shape.
double Shape(const MarkScale& scale) {
  return std::min(scale.x, scale.y);
}

Qt::PenStyle PenStyle(int drawStyle) {
  switch (drawStyle) {
    case 1:
      return Qt::DashLine;
    case 2:
      return Qt::DotLine;
    case 3:
      return Qt::DashDotLine;
    case 4:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

QPen MarkPen(const Mark& mark, const MarkScale& scale) {
  QPen pen(ToQColor(mark.color));
  pen.setWidthF(std::max(1, mark.width) * scale.line);
  // Dash styles apply to one-pixel lines only; wider lines are always drawn solid.
  pen.setStyle(mark.width > 1 ? Qt::SolidLine : PenStyle(mark.style));
  pen.setCapStyle(mark.width > 1 ? Qt::RoundCap : Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QBrush CircleBrush(const Mark& mark) {
  if (!mark.fill) return Qt::NoBrush;
  const QColor color = ToQColor(*mark.fill);
  switch (mark.fillStyle) {
    case kFillSolid:
      return QBrush(color, Qt::SolidPattern);
    case 2:
      return QBrush(color, Qt::HorPattern);
    case 3:
      return QBrush(color, Qt::VerPattern);
    case 4:
      return QBrush(color, Qt::BDiagPattern);  // upward diagonal
    case 5:
      return QBrush(color, Qt::FDiagPattern);  // downward diagonal
    case 6:
      return QBrush(color, Qt::CrossPattern);
    case 7:
      return QBrush(color, Qt::DiagCrossPattern);
    default:
      return Qt::NoBrush;
  }
}

void PaintLine(QPainter& painter, const Mark& mark, const MarkScale& scale) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(MarkPen(mark, scale));
  painter.drawLine(QPointF(PxX(mark.x1, scale), PxY(mark.y1, scale)),
                   QPointF(PxX(mark.x2, scale), PxY(mark.y2, scale)));
}

void PaintBox(QPainter& painter, const Mark& mark, const MarkScale& scale) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  // Corners snap to whole pixels so that adjacent boxes (map cells) meet without gaps.
  const double left = std::round(PxX(std::min(mark.x1, mark.x2), scale));
  const double right = std::round(PxX(std::max(mark.x1, mark.x2), scale));
  const double top = std::round(PxY(std::min(mark.y1, mark.y2), scale));
  const double bottom = std::round(PxY(std::max(mark.y1, mark.y2), scale));
  // Both corners belong to the box, as in the drawing model.
  if (mark.filled) {
    painter.fillRect(QRectF(left, top, right - left + 1, bottom - top + 1), ToQColor(mark.color));
    if (mark.width <= 1) return;
  }
  painter.setPen(MarkPen(mark, scale));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(left, top, right - left, bottom - top));
}

void PaintCircle(QPainter& painter, const Mark& mark, const MarkScale& scale) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(MarkPen(mark, scale));
  painter.setBrush(CircleBrush(mark));
  const double radius = Px(mark.r) * Shape(scale);
  painter.drawEllipse(QPointF(PxX(mark.x1, scale), PxY(mark.y1, scale)), radius, radius);
}

void PaintText(QPainter& painter, const Mark& mark, const MarkScale& scale) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(ToQColor(mark.color));
  // The text's top stays where the layout put it; its size follows the shape factor.
  const QPointF baseline(PxX(mark.x1, scale),
                         PxY(mark.y1 + mark.font.ascent() * Shape(scale) / scale.y, scale));
  const QString text = ToQString(mark.text);
  const double em = EmPixels(mark.font) * Shape(scale);
  const double whole = std::round(em);
  if (whole >= 1 && std::fabs(em - whole) < 1e-6) {
    painter.setFont(ToQFont(mark.font, static_cast<int>(whole)));
    painter.drawText(baseline, text);
    return;
  }
  // Fractional pixel sizes: draw a reference size scaled down, so advances stay exact.
  constexpr int kReferencePixels = 100;
  painter.save();
  painter.translate(baseline);
  painter.scale(em / kReferencePixels, em / kReferencePixels);
  painter.setFont(ToQFont(mark.font, kReferencePixels));
  painter.drawText(QPointF(0, 0), text);
  painter.restore();
}

}  // namespace

void PaintMark(QPainter& painter, const Mark& mark, const MarkScale& scale) {
  switch (mark.kind) {
    case MarkKind::Line:
      PaintLine(painter, mark, scale);
      break;
    case MarkKind::Box:
      PaintBox(painter, mark, scale);
      break;
    case MarkKind::Circle:
      PaintCircle(painter, mark, scale);
      break;
    case MarkKind::Text:
      PaintText(painter, mark, scale);
      break;
  }
}

void PaintPicture(QPainter& painter, const Picture& picture) {
  if (picture.background) {
    painter.fillRect(QRectF(0, 0, Px(picture.width), Px(picture.height)),
                     ToQColor(*picture.background));
  }
  for (const Mark& mark : picture.marks) PaintMark(painter, mark);
}

void SurfaceCanvas::restart(const Surface& surface, QSize size, double pixelRatio,
                            const MarkScale& scale) {
  started_ = true;
  size_ = size;
  pixelRatio_ = pixelRatio;
  scale_ = scale;
  background_ = surface.BackColor();
  picture_ = surface.picture().get();
  generation_ = surface.generation();
  painted_ = 0;
  if (surface.marks().empty() && !picture_) {
    image_ = QImage();
    return;
  }
  const QSize device(static_cast<int>(std::ceil(size.width() * pixelRatio)),
                     static_cast<int>(std::ceil(size.height() * pixelRatio)));
  image_ = QImage(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image_.setDevicePixelRatio(pixelRatio);
  image_.fill(ToQColor(background_));
  if (picture_) {
    QPainter painter(&image_);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    painter.scale(Shape(scale), Shape(scale));
    PaintPicture(painter, *picture_);
  }
}

bool SurfaceCanvas::update(Surface& surface, QSize size, double pixelRatio,
                           const MarkScale& scale) {
  const std::vector<Mark>& marks = surface.marks();
  const bool changed = !started_ || size != size_ || pixelRatio != pixelRatio_ || scale != scale_ ||
                       surface.BackColor() != background_ || surface.picture().get() != picture_ ||
                       surface.generation() != generation_ || marks.size() < painted_;
  if (changed) restart(surface, size, pixelRatio, scale);
  if (painted_ == marks.size()) return changed;

  if (image_.isNull()) restart(surface, size, pixelRatio, scale);
  QPainter painter(&image_);
  painter.setClipRect(QRect(QPoint(0, 0), size));
  bool anyTransient = false;
  for (std::size_t i = painted_; i < marks.size(); ++i) {
    PaintMark(painter, marks[i], scale);
    anyTransient = anyTransient || marks[i].transient;
  }
  painter.end();
  painted_ = marks.size();
  if (anyTransient && transients_ == Transients::Drop) {
    surface.dropTransient();
    painted_ = surface.marks().size();
  }
  return true;
}

void SurfaceCanvas::draw(QPainter& painter) const {
  if (image_.isNull()) {
    painter.fillRect(QRect(QPoint(0, 0), size_), ToQColor(background_));
    return;
  }
  painter.drawImage(QPointF(0, 0), image_);
}

}  // namespace sylvandra::ui
