// One control of a window shown as a native widget at its designed place, in its font and
// colours. sync() copies the model's state into the widget, touching only what differs, so a
// field being typed into keeps its cursor and selection. A person's actions on the widget go
// to the event sink: clicks, edits (the field's new text), and focus changes made by the
// person (mouse, Tab, shortcut), never those caused by windows appearing or controls hiding.
//
// Every control is a child of its window's widget, placed in the window's twips, also when it
// lies in a frame; a hidden frame hides the controls placed in it.
#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "platform/control.h"
#include "ui/surface_painter.h"

class QWidget;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextBrowser;
class QGroupBox;

namespace sylvandra::ui {

// A one-line field's designed metrics, in pixels: its sunken edge, and the gap between edge
// and text on either side.
inline constexpr int kFieldEdgePixels = 2;
inline constexpr int kFieldGapPixels = 1;

class EventSink;
class PictureWidget;

class ControlView : public QObject {
 public:
  // The widget is created as a child of parent; sink may be null (a view that takes no input).
  // A picture box's drawing keeps or drops the surface's transient marks as told.
  ControlView(Control& control, QWidget* parent, EventSink* sink,
              SurfaceCanvas::Transients transients);
  ~ControlView() override;

  Control& control() const { return control_; }
  QWidget* widget() const { return widget_; }
  // Brings the widget in line with the control.
  void sync();
  // Places and sizes the widget, its font and a picture's drawing `scale` times as large (a
  // zoomed view, a resized output window); 1 is the designed size.
  void setScale(double scale);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Applied {
    std::string caption;
    Rect rect;
    Font font;
    Color back = 0, fore = 0;
    bool enabled = true;
    Alignment alignment = Alignment::Left;
    bool border = false;
  };

  void createWidget(QWidget* parent, SurfaceCanvas::Transients transients);
  void syncText();
  void syncCaption();
  void syncColors();
  void syncAlignment();
  bool effectiveVisible() const;
  void sendClick();
  void sendTyped(std::string text);
  void sendKeyUp();
  void sendFocus();

  Control& control_;
  EventSink* sink_;
  QWidget* widget_ = nullptr;
  QAbstractButton* button_ = nullptr;  // push button, check box or option button
  QLabel* label_ = nullptr;
  QLineEdit* lineEdit_ = nullptr;
  QPlainTextEdit* textEdit_ = nullptr;
  QTextBrowser* markdownView_ = nullptr;
  std::string shownMarkdown_;  // the text markdownView_ renders
  QGroupBox* frame_ = nullptr;
  PictureWidget* picture_ = nullptr;
  QRect scaledRect(const Rect& rect) const;
  QFont scaledFont(const Font& font) const;

  std::optional<Applied> applied_;
  bool syncing_ = false;
  double scale_ = 1;
};

}  // namespace sylvandra::ui
