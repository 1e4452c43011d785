#include "ui/window_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <functional>

#include "platform/program.h"
#include "ui/control_view.h"
#include "ui/event_sink.h"
#include "ui/menu_bar_view.h"
#include "ui/qt_conversions.h"

namespace sylvandra::ui {
namespace {

bool SameRect(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// The client area of a window with a menu bar: paints the window's drawing under its controls.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, std::function<void(QPainter&)> paint)
      : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

// Keeps a window whose designed position lies partly off a small screen fully on it.
QPoint OnScreen(QRect client) {
  const QScreen* screen = QGuiApplication::screenAt(client.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return client.topLeft();
  const QRect available = screen->availableGeometry();
  QPoint at = client.topLeft();
  at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - client.width())));
  at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - client.height())));
  return at;
}

}  // namespace

WindowView::WindowView(Window& window, EventSink* sink, Mode mode)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      window_(window),
      sink_(sink),
      mode_(mode),
      canvas_(mode == Mode::Desktop ? SurfaceCanvas::Transients::Drop
                                    : SurfaceCanvas::Transients::Keep) {
  setObjectName(ToQString(window.name()));
  if (mode == Mode::Image) setAttribute(Qt::WA_DontShowOnScreen);
  const SurfaceCanvas::Transients transients = canvas_.transients();
  client_ = this;
  // The menu bar, like the title bar, lies outside the client area that a picture shows.
  if (mode == Mode::Desktop && MenuBarView::HasMenus(window)) {
    menuBar_ = std::make_unique<MenuBarView>(window, this, sink);
    menuHeight_ = menuBar_->height();
    // The controls and the drawing sit on a client area below the bar.
    client_ = new ClientArea(this, [this](QPainter& painter) {
      canvas_.update(window_.surface(), size(), devicePixelRatioF());
      canvas_.draw(painter);
    });
    client_->move(0, menuHeight_);
  }
  // Frames lie under the controls placed on them; the rest stack in declaration order.
  for (const auto& control : window.controls()) {
    if (control->kind() != ControlKind::Frame) continue;
    controls_.push_back(std::make_unique<ControlView>(*control, client_, sink, transients));
  }
  for (const auto& control : window.controls()) {
    if (control->kind() == ControlKind::Frame || control->kind() == ControlKind::MenuItem) {
      continue;
    }
    controls_.push_back(std::make_unique<ControlView>(*control, client_, sink, transients));
  }
  sync();
}

WindowView::~WindowView() = default;

void WindowView::sync() {
  if (retired_) return;
  if (menuBar_) {
    menuBar_->sync();
    client_->update();
  }
  if (appliedCaption_ != window_.caption() || !appliedRect_) {
    appliedCaption_ = window_.caption();
    setWindowTitle(ToQString(appliedCaption_));
  }
  syncGeometry();
  for (const auto& control : controls_) control->sync();
  const bool changed = canvas_.update(window_.surface(), size(), devicePixelRatioF());
  if (changed || window_.drawingCovered() != appliedCovered_) update();
  appliedCovered_ = window_.drawingCovered();
  if (mode_ == Mode::Desktop) syncVisibility();
}

void WindowView::syncGeometry() {
  if (appliedRect_ && SameRect(*appliedRect_, window_.rect())) return;
  appliedRect_ = window_.rect();
  QRect client = PixelRect(*appliedRect_);
  client.setSize(client.size().expandedTo(QSize(1, 1)));
  if (menuBar_) {
    menuBar_->setWidth(client.width());
    client_->resize(client.size());
    client.setHeight(client.height() + menuHeight_);
  }
  if (mode_ == Mode::Desktop) client.moveTopLeft(OnScreen(client));
  setFixedSize(client.size());
  setGeometry(client);
}

void WindowView::syncVisibility() {
  const bool visible = window_.visible();
  if (isHidden() == visible) setVisible(visible);
  // The offscreen platform used by tests and pictures has no stacking order.
  static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
  if (visible && canRaise && window_.raiseRequests() != appliedRaises_) {
    raise();
    activateWindow();
  }
  appliedRaises_ = window_.raiseRequests();
}

void WindowView::retire() {
  retired_ = true;
  hide();
}

QWidget* WindowView::widgetFor(const Control& control) const {
  for (const auto& view : controls_) {
    if (&view->control() == &control) return view->widget();
  }
  return nullptr;
}

void WindowView::paintEvent(QPaintEvent*) {
  canvas_.update(window_.surface(), size(), devicePixelRatioF());
  QPainter painter(this);
  if (window_.drawingCovered()) {
    painter.fillRect(rect(), ToQColor(window_.backColor()));
  } else {
    canvas_.draw(painter);
  }
}

void WindowView::closeEvent(QCloseEvent* event) {
  // The program decides what the close button does; the widget itself is never closed.
  event->ignore();
  if (retired_ || !sink_) {
    if (retired_) event->accept();
    return;
  }
  Window& window = window_;
  sink_->dispatch([&window] { window.program().closeWindow(window); });
}

}  // namespace sylvandra::ui
