// Where the views send a person's actions: the desktop runs them as events of the program and
// brings every view up to date afterwards.
#pragma once

#include <functional>

#include "ui/view_zoom.h"

namespace sylvandra::ui {

class EventSink {
 public:
  virtual ~EventSink() = default;
  // Runs action (a click, an edit, a focus change, a close) unless an event is already being
  // handled or the views are being brought up to date; then syncs every view.
  virtual void dispatch(const std::function<void()>& action) = 0;
  // Zooms every view one step (View > Zoom In, Zoom Out, Actual Size).
  virtual void changeZoom(ZoomStep) {}
};

}  // namespace sylvandra::ui
