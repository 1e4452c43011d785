// A window: caption, visibility, position and size (twips), its controls and its drawing
// surface. One shared instance per window, created on first touch, never destroyed; hiding it
// keeps everything typed into it.
//
// A window class declares its controls with their designed captions, texts and positions in its
// constructor (like a designer file) and names its handlers after control and event.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/control.h"
#include "platform/journal.h"
#include "platform/surface.h"
#include "platform/text_metrics.h"

namespace sylvandra {

class Program;

// The members of a control array, by their documented indices (which may start at 1).
class ControlArray {
 public:
  Control& operator()(int index) const;
  Control& operator[](int index) const { return (*this)(index); }
  bool has(int index) const { return members_.count(index) != 0; }
  int lowerBound() const;
  int upperBound() const;
  size_t size() const { return members_.size(); }
  const std::map<int, Control*>& members() const { return members_; }

 private:
  friend class Window;
  std::string name_;
  std::map<int, Control*> members_;
};

class Window {
 public:
  Window(Program& program, std::string name, std::string caption, Rect clientArea,
         Color backColor = kFaceGrey);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Runs once, when the window is first touched.
  virtual void Form_Load() {}
  // Runs each time the introduction opens this window for a chapter, after showing it: what
  // that chapter needs on entry (a fresh start, controls shown for that chapter only).
  virtual void enteredFromChapter([[maybe_unused]] int chapterIndex) {}
  // True while a page lies over the whole drawing (the output window's explanatory pages): the
  // window then shows its background and controls, and no mark of the drawing beneath peeks
  // out around the page. The drawing itself is kept.
  virtual bool drawingCovered() const { return false; }
  // The title bar's close button: hides the window unless a window says otherwise.
  virtual void Form_Close() { setVisible(false); }

  Program& program() const { return program_; }
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  // Counts every request to show the window, so a view can bring an already visible window
  // to the front when it is shown again.
  std::uint64_t raiseRequests() const { return raiseRequests_; }
  // When the window was last shown, on the program's clock: the window shown last is the one
  // the keyboard works in.
  std::uint64_t shownAt() const { return shownAt_; }
  void Show() { setVisible(true); }
  void Hide() { setVisible(false); }

  // The client area, in twips.
  const Rect& rect() const { return rect_; }
  void setRect(Rect rect);
  double left() const { return rect_.left; }
  double top() const { return rect_.top; }
  double width() const { return rect_.width; }
  double height() const { return rect_.height; }
  Color backColor() const { return surface_.BackColor(); }
  const Font& font() const { return font_; }

  // The window's own drawing surface (ScaleWidth x ScaleHeight = its client area). The running
  // handler's journal keeps it as it was before the first use.
  Surface& surface();
  const Surface& surface() const { return surface_; }

  // Remembers the window as designed: caption and every control's texts, captions, values,
  // visibility, colours and places (the program does this when it creates the window, before
  // Form_Load). restoreDesign puts all of that back without firing any event, clears the
  // drawing and hides the window: a window that starts over, as when it was first created.
  void recordDesign();
  void restoreDesign();

  Control* find(std::string_view name, int index = -1) const;
  // The control, or a run-time failure when the window has none of that name.
  Control& control(std::string_view name, int index = -1) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // A button the program adds to a designed window (the way to its model page).
  Control& addProgramButton(std::string name, std::string caption, Rect rect) {
    return addButton(std::move(name), std::move(caption), rect);
  }
  // The control the keyboard works on (null when none has been given focus); kept while the
  // window is hidden.
  Control* focusedControl() const { return focused_; }
  void setFocusedControl(Control* control);

 protected:
  Control& addButton(std::string name, std::string caption, Rect rect, int index = -1);
  Control& addTextBox(std::string name, std::string text, Rect rect, int index = -1);
  Control& addLabel(std::string name, std::string caption, Rect rect, int index = -1);
  Control& addCheckBox(std::string name, std::string caption, Rect rect, int index = -1);
  Control& addOption(std::string name, std::string caption, Rect rect, int index = -1);
  Control& addPicture(std::string name, Rect rect, int index = -1);
  Control& addFrame(std::string name, std::string caption, Rect rect);
  // Caption labels added as members of the control array `name`, numbered on from its last
  // member, in order; returns them so that a window can style some.
  struct CaptionSpec {
    std::string text;
    Rect rect;
  };
  std::vector<Control*> addCaptions(const std::string& name,
                                    std::initializer_list<CaptionSpec> captions);
  // A menu of the menu bar (menu empty), or an entry of the menu item named menu.
  Control& addMenuItem(std::string name, std::string caption, std::string menu = "");
  // The array a control name belongs to (filled as members are added).
  ControlArray& array(const std::string& name);
  void setFont(Font font);

 private:
  Control& add(ControlKind kind, std::string name, Rect rect, int index);
  // Called before every change: the running handler's journal keeps the window as it was.
  void remember();

  Program& program_;
  std::string name_;
  std::string caption_;
  bool visible_ = false;
  std::uint64_t raiseRequests_ = 0;
  std::uint64_t shownAt_ = 0;
  Control* focused_ = nullptr;
  Rect rect_;
  Font font_;
  Surface surface_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, ControlArray, std::less<>> arrays_;
  std::string designCaption_;
  std::vector<Control::Design> design_;
  JournalStamp journalStamp_ = 0;
  JournalStamp surfaceStamp_ = 0;
};

}  // namespace sylvandra
