#include "ui/desktop.h"

#include <QApplication>

#include "ui/window_view.h"

namespace sylvandra::ui {
namespace {

// A long run asking for a repaint at every step is shown at most this often.
constexpr qint64 kRepaintIntervalMs = 15;

}  // namespace

Desktop::Desktop(Program& program) : program_(program) {}

Desktop::~Desktop() = default;

void Desktop::sync() {
  if (syncing_ || finished_) return;
  if (program_.ended()) {
    finish();
    return;
  }
  syncing_ = true;
  // Creation order: windows shown in the same event stack in the order they were created.
  for (Window* window : program_.windows()) {
    WindowView*& view = byWindow_[window];
    if (!view) {
      views_.push_back(std::make_unique<WindowView>(*window, this, WindowView::Mode::Desktop));
      view = views_.back().get();
    } else {
      view->sync();
    }
  }
  syncing_ = false;
}

void Desktop::repaintNow() {
  if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kRepaintIntervalMs) return;
  sync();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sinceRepaint_.start();
}

void Desktop::dispatch(const std::function<void()>& action) {
  // One event at a time: nothing reaches the program while a handler runs or views update.
  if (depth_ > 0 || syncing_ || finished_ || program_.ended()) return;
  ++depth_;
  action();
  --depth_;
  sync();
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
