#include "ui/window_image.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <cmath>

#include "platform/window.h"
#include "ui/application.h"
#include "ui/qt_conversions.h"
#include "ui/window_view.h"

namespace sylvandra {

QImage RenderWindow(Window& window, double scale) {
  ui::EnsureGuiApplication();
  // The same view the desktop shows, never put on screen, drawn at `scale` pixels per pixel:
  // lines and text are drawn at that scale, not enlarged afterwards.
  ui::WindowView view(window, nullptr, ui::WindowView::Mode::Image);
  view.setRenderScale(scale);
  view.show();
  const QSize designed = view.size();
  QImage image(QSize(static_cast<int>(std::ceil(designed.width() * scale)),
                     static_cast<int>(std::ceil(designed.height() * scale))),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  view.render(&image);
  view.hide();
  // Drawing a window's controls fills Qt's pixmap cache (styled frames, buttons) with entries no
  // later image needs, and a hidden view leaves deferred deletions behind; a session writing a
  // thousand images keeps its memory flat only when both are let go after each image.
  QPixmapCache::clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  image.setDevicePixelRatio(1);
  return image;
}

bool WriteWindowPng(Program&, Window& window, const std::string& file, std::string& error,
                    std::optional<std::pair<int, int>> size) {
  QImage image;
  if (!size) {
    image = RenderWindow(window, 1);
  } else {
    const QSize designed = ui::PixelRect(window.rect()).size().expandedTo(QSize(1, 1));
    const double scale = std::min(static_cast<double>(size->first) / designed.width(),
                                  static_cast<double>(size->second) / designed.height());
    const QImage drawn = RenderWindow(window, scale);
    image = QImage(size->first, size->second, QImage::Format_RGB32);
    image.fill(ui::ToQColor(window.backColor()));
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), drawn);
  }
  if (!image.save(QString::fromStdString(file), "PNG")) {
    error = "cannot write " + file;
    return false;
  }
  return true;
}

}  // namespace sylvandra
