// One window of the program as a fixed-size top-level widget: its caption, position and client
// size (twips, 15 to a pixel at zoom 1), its drawing surface painted behind its controls, and
// one native widget per control. On the desktop the whole view is zoomed by one factor.
//
// On the desktop the view follows the model's Visible flag and brings the window to the front
// whenever the program shows it again; the title bar's close button asks the program (the main
// menu ends the program, other windows hide) instead of closing the widget. A view made for a
// picture of the window is never shown on screen and keeps transient drawing.
//
// On the desktop a window with menu items gets a real menu bar above its client area: the
// window grows by the bar's height, and the drawing and the controls keep their places in the
// client area. A picture of the window shows its client area only, without title or menu bar.
#pragma once

#include <QAction>
#include <QKeyEvent>
#include <QPointF>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"
#include "ui/accessibility.h"
#include "ui/surface_painter.h"

namespace sylvandra::ui {

class ControlView;
class EventSink;
class MenuBarView;

class WindowView : public QWidget, public ReadInLayoutOrder {
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
  // The menu bar, or null when the window has no menu items.
  MenuBarView* menuBar() const { return menuBar_.get(); }
  // Draws the window `scale` times its designed size (a picture of it at another size).
  void setRenderScale(double scale) { renderScale_ = scale; }
  // Shows the window, its controls and its drawing `zoom` times their designed size, at its
  // designed place zoomed too (desktop only).
  void setZoom(double zoom);
  double zoom() const { return zoom_; }
  // Whether the window is an output window, which a person may resize.
  bool resizable() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Keys go to the program's keyboard (platform/keyboard.h), which moves the focus and presses
  // buttons in the model; the view then shows the focus where the model has it.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void syncGeometry();
  void syncVisibility();
  void addOutputActions();
  // "Save Record of This Run...": the one-page PDF of ui/run_record.h.
  void addRecordAction();
  // View > Zoom In, Zoom Out and Actual Size, in the menu bar when the window has one.
  void addZoomActions();
  // Drawing scale: the zoom, or for a resized output window the smaller ratio to its designed
  // size.
  double viewScale() const;
  QSize designedSize() const;
  // Whether the drawing fills the widget along both axes (a resized output window on the
  // desktop) rather than being scaled by viewScale().
  bool stretched() const;
  MarkScale markScale() const;
  // Brings the drawing's image up to date; true when it changed.
  bool updateCanvas();
  void showReadout(QPoint at);
  void saveFile(const QString& title, const QString& filter,
                const std::function<void(const QString&)>& write);
  void syncFocus();
  // Passes the key to the program; false when it is one the focused widget handles itself.
  bool sendKey(const QKeyEvent& event, const QObject* watched);

  Window& window_;
  EventSink* sink_;
  Mode mode_;
  SurfaceCanvas canvas_;
  std::vector<std::unique_ptr<ControlView>> controls_;
  std::unique_ptr<MenuBarView> menuBar_;
  // Height of the menu bar in pixels (0 without one); the client area starts below it.
  int menuHeight_ = 0;
  QWidget* client_ = nullptr;
  // Stands for the drawing in the accessibility tree (desktop only).
  DrawingAlternative* drawing_ = nullptr;
  std::optional<Rect> appliedRect_;
  std::string appliedCaption_;
  std::uint64_t appliedRaises_ = 0;
  bool retired_ = false;
  bool appliedCovered_ = false;
  double renderScale_ = 1;
  double zoom_ = 1;
  std::optional<QPointF> marked_;  // the point a readout names, in twips
  QAction* keep_ = nullptr;
  QAction* unkeep_ = nullptr;
  const Control* appliedFocus_ = nullptr;
};

}  // namespace sylvandra::ui
