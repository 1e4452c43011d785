#include "ui/desktop.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "platform/keyboard.h"
#include "ui/window_view.h"

namespace sylvandra::ui {
namespace {

// A long run asking for a repaint at every step is shown at most this often.
constexpr qint64 kRepaintIntervalMs = 15;

// A person's input as the window system hands it to a top-level window.
bool IsWindowInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

// Installed on the application only while a long handler lets Qt process events.
class InputHold : public QObject {
 public:
  explicit InputHold(Desktop& desktop) : desktop_(desktop) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return desktop_.hold(watched, event) || QObject::eventFilter(watched, event);
  }

 private:
  Desktop& desktop_;
};

Desktop::Desktop(Program& program)
    : program_(program), inputHold_(std::make_unique<InputHold>(*this)) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    zoom_ = ZoomForScreen(screen->geometry().size());
  }
}

Desktop::~Desktop() = default;

void Desktop::sync() {
  if (syncing_ || finished_) return;
  if (program_.ended()) {
    finish();
    return;
  }
  syncing_ = true;
  std::vector<const Window*> shown;
  // Creation order: windows shown in the same event stack in the order they were created.
  for (Window* window : program_.windows()) {
    WindowView*& view = byWindow_[window];
    const bool wasShown = view && view->isVisible();
    if (!view) {
      views_.push_back(std::make_unique<WindowView>(*window, this, WindowView::Mode::Desktop));
      view = views_.back().get();
      view->setZoom(zoom_);
    } else {
      view->sync();
    }
    if (!wasShown && view->isVisible()) shown.push_back(window);
  }
  placeShown(shown);
  syncing_ = false;
}

void Desktop::placeShown(const std::vector<const Window*>& shown) {
  // The window in use: the exercise window shown last.
  const Window* inUse = nullptr;
  for (const Window* window : program_.windows()) {
    const WindowView* candidate = view(*window);
    if (!window->visible() || !candidate || candidate->resizable()) continue;
    if (!inUse || window->shownAt() > inUse->shownAt()) inUse = window;
  }
  if (!inUse) return;
  const QRect used = view(*inUse)->frameGeometry();
  for (const Window* window : shown) {
    WindowView* placed = view(*window);
    if (!placed->resizable() || !placed->frameGeometry().intersects(used)) continue;
    const QScreen* screen = placed->screen();
    if (!screen) continue;
    // Where there is no room the window keeps its designed place.
    const std::optional<QPoint> at =
        PlaceBeside(used, placed->frameGeometry().size(), screen->availableGeometry());
    if (at) placed->move(*at);
  }
}

void Desktop::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  for (const auto& view : views_) view->setZoom(zoom_);
  if (settings_) StoreZoom(*settings_, zoom_);
}

void Desktop::changeZoom(ZoomStep step) {
  setZoom(SteppedZoom(zoom_, step));
}

void Desktop::keepZoomIn(QSettings* settings) {
  settings_ = settings;
  if (!settings_) return;
  if (const std::optional<double> kept = StoredZoom(*settings_)) setZoom(*kept);
}

void Desktop::repaintNow() {
  if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintIntervalMs) return;
  sync();
  if (depth_ > 0 && handlerClock_.elapsed() >= kTakesInputAfterMs) {
    // Input is taken from the window system but goes no further than the hold.
    qApp->installEventFilter(inputHold_.get());
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(inputHold_.get());
  } else {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  sinceRepaint_.start();
}

void Desktop::dispatch(const std::function<void()>& action) {
  // One event at a time: nothing reaches the program while a handler runs or views update.
  if (depth_ > 0 || syncing_ || finished_ || program_.ended()) return;
  ++depth_;
  handlerClock_.start();
  action();
  --depth_;
  sync();
  deliverHeld();
}

bool Desktop::hold(QObject* target, QEvent* event) {
  // Shortcuts are matched before the key reaches a window: the shortcut itself waits.
  const bool shortcut = event->type() == QEvent::Shortcut;
  if (!shortcut && !(target->isWindowType() && IsWindowInput(event->type()))) return false;
  if (event->type() == QEvent::MouseMove && !held_.empty() && held_.back().first == target &&
      held_.back().second->type() == QEvent::MouseMove) {
    // Only where the pointer ended up matters.
    held_.back().second.reset(event->clone());
    return true;
  }
  held_.emplace_back(target, event->clone());
  return true;
}

bool Desktop::leavesRunningWindow(const QObject* target, QEvent* event) const {
  const Window* running = program_.handlingWindow();
  const WindowView* runningView = running ? view(*running) : nullptr;
  if (!runningView || !target || target != runningView->windowHandle()) return false;
  if (event->type() == QEvent::Close) return true;
  // The button that Escape presses: the window's Return.
  const Control* cancel = CancelButton(*running);
  if (!cancel) return false;
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (modifiers == Qt::AltModifier && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
      return ShortcutTarget(*running, static_cast<char>(key->key())) == cancel;
    }
    if (modifiers != Qt::NoModifier) return false;
    if (key->key() == Qt::Key_Escape) return true;
    const bool pressesFocused =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    return pressesFocused && running->focusedControl() == cancel;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    const QWidget* button = runningView->widgetFor(*cancel);
    if (mouse->button() != Qt::LeftButton || !button || !button->isVisible()) return false;
    const QPoint at = button->mapFrom(runningView, mouse->position().toPoint());
    return button->rect().contains(at);
  }
  return false;
}

bool Desktop::stopRequested() const {
  return std::any_of(held_.begin(), held_.end(), [this](const auto& action) {
    return leavesRunningWindow(action.first.data(), action.second.get());
  });
}

void Desktop::deliverHeld() {
  // A held action that starts another long handler holds what comes next behind the actions
  // still waiting here, so the order stays the order they happened in.
  if (delivering_) return;
  delivering_ = true;
  while (!held_.empty() && !finished_) {
    auto [target, event] = std::move(held_.front());
    held_.pop_front();
    if (target) QCoreApplication::sendEvent(target, event.get());
  }
  delivering_ = false;
}

WindowView* Desktop::view(const Window& window) const {
  const auto it = byWindow_.find(&window);
  return it == byWindow_.end() ? nullptr : it->second;
}

QWidget* Desktop::dialogParent() const {
  QWidget* active = QApplication::activeWindow();
  for (const auto& view : views_) {
    if (view.get() == active) return active;
  }
  return nullptr;
}

void Desktop::finish() {
  finished_ = true;
  for (const auto& view : views_) view->retire();
  // exit() rather than quit(): quit() would first ask every window to close.
  QCoreApplication::exit(0);
}

}  // namespace sylvandra::ui
