#include "ui/view_zoom.h"

#include <QSettings>
#include <algorithm>
#include <array>
#include <cmath>

namespace sylvandra::ui {
namespace {

constexpr double kScreenShare = 0.75;
// The steps of Zoom In and Zoom Out; a zoom between two steps goes to the next one.
constexpr std::array<double, 13> kSteps{0.5, 0.67, 0.75, 0.9, 1, 1.1, 1.25,
                                        1.5, 1.75, 2,    2.5, 3, 4};
constexpr const char* kZoomKey = "view/zoom";
// Gap between the window in use and the window placed beside it.
constexpr int kGap = 8;

}  // namespace

double ZoomForScreen(QSize screen) {
  const double byHeight = kScreenShare * screen.height() / kDesignedScreen.height();
  const double byWidth = kScreenShare * screen.width() / kDesignedScreen.width();
  // Hundredths, so that the same screen always gives the same factor.
  const double zoom = std::round(std::min(byHeight, byWidth) * 100) / 100;
  return std::clamp(zoom, 1.0, kMaxZoom);
}

double SteppedZoom(double zoom, ZoomStep step) {
  constexpr double kSame = 1e-3;
  switch (step) {
    case ZoomStep::In:
      for (double next : kSteps) {
        if (next > zoom + kSame) return next;
      }
      return kMaxZoom;
    case ZoomStep::Out:
      for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it) {
        if (*it < zoom - kSame) return *it;
      }
      return kMinZoom;
    case ZoomStep::Actual:
      break;
  }
  return 1;
}

std::optional<double> StoredZoom(const QSettings& settings) {
  bool ok = false;
  const double zoom = settings.value(kZoomKey).toDouble(&ok);
  if (!ok || !std::isfinite(zoom) || zoom < kMinZoom || zoom > kMaxZoom) return std::nullopt;
  return zoom;
}

void StoreZoom(QSettings& settings, double zoom) {
  settings.setValue(kZoomKey, zoom);
}

std::optional<QPoint> PlaceBeside(QRect inUse, QSize size, QRect screen) {
  // Each side's place, moved along that side to stay on the screen.
  const auto alongX = [&](int x) {
    return std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
  };
  const auto alongY = [&](int y) {
    return std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
  };
  const std::array<QPoint, 4> candidates{
      QPoint(inUse.right() + 1 + kGap, alongY(inUse.top())),
      QPoint(inUse.left() - kGap - size.width(), alongY(inUse.top())),
      QPoint(alongX(inUse.left()), inUse.bottom() + 1 + kGap),
      QPoint(alongX(inUse.left()), inUse.top() - kGap - size.height()),
  };
  for (const QPoint& at : candidates) {
    const QRect placed(at, size);
    if (screen.contains(placed) && !placed.intersects(inUse)) return at;
  }
  return std::nullopt;
}

}  // namespace sylvandra::ui
