// One window of the program as a fixed-size top-level widget: its caption, position and client
// size (twips, 15 to a pixel), its drawing surface painted behind its controls, and one native
// widget per control.
//
// On the desktop the view follows the model's Visible flag and brings the window to the front
// whenever the program shows it again; the title bar's close button asks the program (the main
// menu ends the program, other windows hide) instead of closing the widget. A view made for a
// picture of the window is never shown on screen and keeps transient drawing.
#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"
#include "ui/surface_painter.h"

namespace sylvandra::ui {

class ControlView;
class EventSink;

class WindowView : public QWidget {
 public:
  enum class Mode { Desktop, Image };

  WindowView(Window& window, EventSink* sink, Mode mode);
  ~WindowView() override;

  Window& window() const { return window_; }
  // Brings the widget, its controls, its drawing and (on the desktop) its visibility in line
  // with the model.
  void sync();
  // Hides the view for good (the program has ended).
  void retire();
  // The widget that shows the control, or null.
  QWidget* widgetFor(const Control& control) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Keys go to the program's keyboard (platform/keyboard.h), which moves the focus and presses
  // buttons in the model; the view then shows the focus where the model has it.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void syncGeometry();
  void syncVisibility();
  void syncFocus();
  // Passes the key to the program; false when it is one the focused widget handles itself.
  bool sendKey(const QKeyEvent& event, const QObject* watched);

  Window& window_;
  EventSink* sink_;
  Mode mode_;
  SurfaceCanvas canvas_;
  std::vector<std::unique_ptr<ControlView>> controls_;
  std::optional<Rect> appliedRect_;
  std::string appliedCaption_;
  std::uint64_t appliedRaises_ = 0;
  bool retired_ = false;
  bool appliedCovered_ = false;
  const Control* appliedFocus_ = nullptr;
};

}  // namespace sylvandra::ui
