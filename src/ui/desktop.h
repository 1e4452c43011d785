// The desktop: one view per window the program has created, kept in line with the model.
// Every action of a person runs as one event of the program and is followed by a sync: views
// are created for windows that appeared, every widget shows the model's state, and windows are
// shown or hidden by their Visible flag. When the program has ended, every view is hidden and
// the application's event loop is told to finish.
//
// A handler that runs longer than kTakesInputAfterMs keeps the desktop responsive at each
// repaint it asks for: the person's input is taken from the window system but held, in order,
// until the handler returns, and then delivered as if it had just happened. While an action held
// is one that leaves the running handler's window (Escape, a click on its Return button, its
// close button), the run is asked to stop at its next boundary; the action then does what it
// always does once the run has stopped.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/program.h"
#include "ui/event_sink.h"

class QEvent;
class QObject;
class QSettings;
class QWidget;

namespace sylvandra::ui {

class WindowView;
class InputHold;

class Desktop : public EventSink {
 public:
  explicit Desktop(Program& program);
  ~Desktop() override;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Program& program() const { return program_; }
  void sync();
  // A handler running this long takes the person's input at its repaints (held until it ends).
  static constexpr qint64 kTakesInputAfterMs = 100;

  // Syncs and lets Qt paint while a handler is still running; the person's input waits (held,
  // once the handler has run kTakesInputAfterMs).
  void repaintNow();
  void dispatch(const std::function<void()>& action) override;
  // True while a handler runs (a modal box may be open inside it).
  bool handling() const { return depth_ > 0; }
  // Whether an action held during the running handler leaves that handler's window.
  bool stopRequested() const;

  // Every view is shown `zoom` times its designed size (clamped to kMinZoom..kMaxZoom); the
  // desktop starts at the zoom for the primary screen.
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  void changeZoom(ZoomStep step) override;
  // Starts from the zoom kept in settings (if any) and keeps every later change there.
  void keepZoomIn(QSettings* settings);

  // The view of a window, or null while the window has none.
  WindowView* view(const Window& window) const;
  // The view a dialog should be centred on: the active window of the program, if any.
  QWidget* dialogParent() const;

 private:
  void finish();
  friend class InputHold;
  // Holds a person's action that reached the program during a long handler; false for events
  // that are not a person's input.
  bool hold(QObject* target, QEvent* event);
  // Whether the held action, delivered now, would leave the running handler's window.
  bool leavesRunningWindow(const QObject* target, QEvent* event) const;
  // Delivers the held actions in the order they happened.
  void deliverHeld();
  // Puts output windows that have just appeared beside the window in use, where there is room.
  void placeShown(const std::vector<const Window*>& shown);

  Program& program_;
  std::vector<std::unique_ptr<WindowView>> views_;
  std::unordered_map<const Window*, WindowView*> byWindow_;
  QElapsedTimer sinceRepaint_;
  QElapsedTimer handlerClock_;
  std::unique_ptr<InputHold> inputHold_;
  std::deque<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
  bool delivering_ = false;
  int depth_ = 0;
  bool syncing_ = false;
  bool finished_ = false;
  double zoom_ = 1;
  QSettings* settings_ = nullptr;
};

}  // namespace sylvandra::ui
