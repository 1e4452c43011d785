// How large the desktop shows the program, and where it puts an output window.
//
// The layout is designed for an 800 x 600 screen. The desktop shows every window, font and
// drawing `zoom` times its designed size; on a larger screen the zoom starts where the
// design's height fills three quarters of the screen's, and the person may step it up and
// down. Positions and sizes the program reads and writes stay in its twips; only the view is
// zoomed and placed.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QSettings;

namespace sylvandra::ui {

inline constexpr QSize kDesignedScreen{800, 600};
inline constexpr double kMinZoom = 0.5;
inline constexpr double kMaxZoom = 4;

enum class ZoomStep { In, Out, Actual };

// The zoom a screen of this size starts at: never below the designed size.
double ZoomForScreen(QSize screen);
// The zoom after one step from `zoom` (Actual is the designed size).
double SteppedZoom(double zoom, ZoomStep step);
// The zoom kept in the settings, or nullopt when none (or an unusable one) is kept.
std::optional<double> StoredZoom(const QSettings& settings);
void StoreZoom(QSettings& settings, double zoom);

// Where a window of `size` goes on `screen` beside `inUse` (right, left, below, above, in that
// order) so that it covers none of it; nullopt when no side has room.
std::optional<QPoint> PlaceBeside(QRect inUse, QSize size, QRect screen);

}  // namespace sylvandra::ui
