// The desktop: one view per window the program has created, kept in line with the model.
// Every action of a person runs as one event of the program and is followed by a sync: views
// are created for windows that appeared, every widget shows the model's state, and windows are
// shown or hidden by their Visible flag. When the program has ended, every view is hidden and
// the application's event loop is told to finish.
#pragma once

#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/program.h"
#include "ui/event_sink.h"

class QWidget;

namespace sylvandra::ui {

class WindowView;

class Desktop : public EventSink {
 public:
  explicit Desktop(Program& program);
  ~Desktop() override;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Program& program() const { return program_; }
  void sync();
  // Syncs and lets Qt paint while a handler is still running; person's input waits.
  void repaintNow();
  void dispatch(const std::function<void()>& action) override;
  // True while a handler runs (a modal box may be open inside it).
  bool handling() const { return depth_ > 0; }

  // The view of a window, or null while the window has none.
  WindowView* view(const Window& window) const;
  // The view a dialog should be centred on: the active window of the program, if any.
  QWidget* dialogParent() const;

 private:
  void finish();

  Program& program_;
  std::vector<std::unique_ptr<WindowView>> views_;
  std::unordered_map<const Window*, WindowView*> byWindow_;
  QElapsedTimer sinceRepaint_;
  int depth_ = 0;
  bool syncing_ = false;
  bool finished_ = false;
};

}  // namespace sylvandra::ui
