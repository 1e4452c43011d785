#include "ui/window_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

#include "platform/program.h"
#include "ui/control_view.h"
#include "ui/event_sink.h"
#include "ui/qt_conversions.h"

namespace sylvandra::ui {
namespace {

bool SameRect(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

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
  // Frames lie under the controls placed on them; the rest stack in declaration order.
  for (const auto& control : window.controls()) {
    if (control->kind() != ControlKind::Frame) continue;
    controls_.push_back(std::make_unique<ControlView>(*control, this, sink, transients));
  }
  for (const auto& control : window.controls()) {
    if (control->kind() == ControlKind::Frame) continue;
    controls_.push_back(std::make_unique<ControlView>(*control, this, sink, transients));
  }
  for (const auto& view : controls_) view->widget()->installEventFilter(this);
  sync();
}

WindowView::~WindowView() = default;

void WindowView::sync() {
  if (retired_) return;
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
  syncFocus();
}

void WindowView::syncFocus() {
  const Control* focused = window_.focusedControl();
  if (focused == appliedFocus_) return;
  // Captions and pictures draw their focus mark from the model.
  if (QWidget* previous = appliedFocus_ ? widgetFor(*appliedFocus_) : nullptr) previous->update();
  appliedFocus_ = focused;
  if (QWidget* widget = focused ? widgetFor(*focused) : nullptr) {
    widget->setFocus(Qt::OtherFocusReason);
    widget->update();
  }
}

bool WindowView::sendKey(const QKeyEvent& event, const QObject* watched) {
  if (!sink_) return false;
  const bool inText = qobject_cast<const QLineEdit*>(watched) != nullptr;
  // A multi-line field being written in keeps its Return and arrows; a read-only one does not.
  const auto* editor = qobject_cast<const QPlainTextEdit*>(watched);
  const bool inEditor = editor && !editor->isReadOnly();
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  std::string name;
  const int key = event.key();
  if (modifiers == Qt::AltModifier &&
      ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))) {
    name = std::string("Alt+") + static_cast<char>(key);
  } else if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && modifiers == Qt::ShiftModifier)) {
    name = "Backtab";
  } else if (modifiers != Qt::NoModifier && !(modifiers == Qt::KeypadModifier)) {
    return false;
  } else if (key == Qt::Key_Tab) {
    name = "Tab";
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (inEditor) return false;
    name = "Return";
  } else if (key == Qt::Key_Escape) {
    name = "Escape";
  } else if (key == Qt::Key_F1) {
    name = "F1";
  } else if (!inText && !inEditor && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    name = key == Qt::Key_Up ? "Up" : "Down";
  } else if (!inText && !inEditor && (key == Qt::Key_Left || key == Qt::Key_Right)) {
    name = key == Qt::Key_Left ? "Left" : "Right";
  } else if (key == Qt::Key_Space && !inText && !inEditor &&
             !qobject_cast<const QAbstractButton*>(watched)) {
    // Buttons press themselves on Space; clickable captions and pictures are pressed here.
    name = "Space";
  } else {
    return false;
  }
  Window& window = window_;
  sink_->dispatch([&window, name] { window.program().key(window, name); });
  return true;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && sendKey(*static_cast<QKeyEvent*>(event), watched)) {
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  if (!sendKey(*event, this)) QWidget::keyPressEvent(event);
}

bool WindowView::focusNextPrevChild(bool next) {
  if (!sink_) return QWidget::focusNextPrevChild(next);
  Window& window = window_;
  sink_->dispatch([&window, next] { window.program().key(window, next ? "Tab" : "Backtab"); });
  return true;
}

void WindowView::syncGeometry() {
  if (appliedRect_ && SameRect(*appliedRect_, window_.rect())) return;
  appliedRect_ = window_.rect();
  QRect client = PixelRect(*appliedRect_);
  client.setSize(client.size().expandedTo(QSize(1, 1)));
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
