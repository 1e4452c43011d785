#include "ui/window_image.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPixmapCache>

#include "platform/window.h"
#include "ui/application.h"
#include "ui/window_view.h"

namespace sylvandra {

bool WriteWindowPng(Program&, Window& window, const std::string& file, std::string& error) {
  ui::EnsureGuiApplication();
  // The same view the desktop shows, never put on screen, drawn at one pixel per pixel.
  ui::WindowView view(window, nullptr, ui::WindowView::Mode::Image);
  view.show();
  QImage image(view.size(), QImage::Format_RGB32);
  image.setDevicePixelRatio(1);
  image.fill(Qt::white);
  view.render(&image);
  view.hide();
  // Drawing a window's controls fills Qt's pixmap cache (styled frames, buttons) with entries no
  // later image needs, and a hidden view leaves deferred deletions behind; a session writing a
  // thousand images keeps its memory flat only when both are let go after each image.
  QPixmapCache::clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!image.save(QString::fromStdString(file), "PNG")) {
    error = "cannot write " + file;
    return false;
  }
  return true;
}

}  // namespace sylvandra
