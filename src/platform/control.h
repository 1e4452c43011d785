// Controls: buttons, text fields, labels, check boxes, option buttons, picture boxes, frames and
// menu items, each with its designed name, position (twips) and properties, and its event
// handlers. A menu item has no place on the client area: a top-level item is a menu of the
// window's menu bar, and an item whose container names a menu is an entry of that menu.
//
// A text field's Change event fires whenever its text actually changes, also when the program
// sets it; setting the same text again fires nothing. Setting Value from the program fires no
// event; a person's click selects an option button (clearing the others of its container) or
// toggles a check box, then fires Click.
#pragma once

#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/journal.h"
#include "platform/runtime_failure.h"
#include "platform/surface.h"
#include "platform/text_metrics.h"

namespace sylvandra {

class Window;

enum class ControlKind {
  CommandButton,
  TextBox,
  Label,
  CheckBox,
  OptionButton,
  PictureBox,
  Frame,
  MenuItem
};

enum class Alignment { Left, Right, Center };

struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
};

class Control {
 public:
  Control(Window& window, ControlKind kind, std::string name, int index, Rect rect);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& window() const { return window_; }
  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // The member's index in its control array, or -1 for a lone control.
  int index() const { return index_; }
  // "PAR(3)" or "SOM"
  std::string qualifiedName() const;
  // How messages name the field ("Foliar N"); the control's name unless set.
  const std::string& label() const { return label_.empty() ? name_ : label_; }
  Control& setLabel(std::string label);
  // Whether the window gives the field a label of its own (else messages use its name).
  bool labelled() const { return !label_.empty(); }

  // Text of a text field.
  const std::string& text() const { return text_; }
  Control& setText(std::string text);
  // A person's typing: the text changes and no event fires (Program::type fires the change
  // event as the handler of the typing). Returns whether the text changed.
  bool takeTypedText(std::string text);
  // Writes the plain decimal text of a number; a non-finite number is a run-time failure.
  Control& setNumber(double value);
  // The number typed in a field read leniently: 0 when the text is blank; any other text must be
  // wholly a number, otherwise a run-time failure naming this field and quoting the text.
  double val() const;
  // The whole text as a number, blank included; otherwise a run-time failure naming this field.
  double number() const;
  // The leading number of a text the program wrote itself (a cut result, a label), 0 when there
  // is none. Never for what a student types: "12abc" would read as 12.
  double leadingNumber() const;
  // A run-time failure naming this field and quoting its text: throw field.failure("must be
  // greater than 0") reports "Foliar N: '-1' must be greater than 0".
  RuntimeFailure failure(const std::string& what) const;

  // Caption of a button, label, option, check box or frame.
  const std::string& caption() const { return caption_; }
  Control& setCaption(std::string caption);
  Control& setCaptionNumber(double value);

  // Value of a check box (0 or 1) or option button (0 or 1; -1 in the platform's own terms).
  int value() const { return value_; }
  Control& setValue(int value);

  bool visible() const { return visible_; }
  Control& setVisible(bool visible);
  bool enabled() const { return enabled_; }
  Control& setEnabled(bool enabled);

  Color backColor() const { return backColor_; }
  Control& setBackColor(Color color);
  Color foreColor() const { return foreColor_; }
  Control& setForeColor(Color color);

  double left() const { return rect_.left; }
  double top() const { return rect_.top; }
  double width() const { return rect_.width; }
  double height() const { return rect_.height; }
  const Rect& rect() const { return rect_; }
  Control& setRect(Rect rect);
  Control& move(double left, double top);

  const Font& font() const { return font_; }
  Control& setFont(Font font);
  Alignment alignment() const { return alignment_; }
  Control& setAlignment(Alignment alignment);
  // A locked text field shows its text, which can be selected and copied but not typed over.
  bool locked() const { return locked_; }
  Control& setLocked(bool locked);
  // Multi-line, word-wrapping text field.
  bool multiLine() const { return multiLine_; }
  Control& setMultiLine(bool multiLine);
  // A locked multi-line field whose text is Markdown: the desktop renders it, the script
  // driver shows its plain text (PlainTextFromMarkdown).
  bool markdown() const { return markdown_; }
  Control& setMarkdown(bool markdown);
  // Labels and pictures with a sunken border.
  bool border() const { return border_; }
  Control& setBorder(bool border);
  // The frame whose option buttons exclude each other, or the menu a menu item belongs to;
  // empty for the window itself (or the menu bar).
  const std::string& container() const { return container_; }
  Control& setContainer(std::string frameName);

  // Picture boxes draw on their own surface, which may hold a fixed picture. The running
  // handler's journal keeps the surface as it was before the first use.
  Surface& surface();
  const Surface* surfaceIfAny() const { return surface_.get(); }
  Control& setPicture(std::shared_ptr<const Picture> picture);

  // Event handlers, set by the window that owns the control.
  std::function<void()> onClick;
  std::function<void()> onChange;
  std::function<void()> onKeyUp;
  std::function<void()> onGotFocus;

  // What a person's click does to the control's own state before Click fires.
  void applyClick();

  // The state a window puts back when it starts over as designed (see Window::restoreDesign).
  struct Design {
    std::string text, caption;
    int value = 0;
    bool visible = true, enabled = true;
    Color backColor = kWhite, foreColor = kBlack;
    Rect rect;
  };
  Design design() const;
  // Puts the state back without firing any event; a picture box's drawing is cleared.
  void restore(const Design& design);

 private:
  // Everything a handler may change, as the journal keeps it (the surface is kept apart).
  struct Properties {
    std::string label, text, caption;
    Rect rect;
    int value;
    bool visible, enabled, locked;
    Color backColor, foreColor;
    Font font;
    Alignment alignment;
    bool multiLine, markdown, border;
    std::string container;
  };
  // Called before every change: the running handler's journal keeps the control as it was.
  void remember();
  // The picture box's surface, kept by the journal before the control changes it; null for
  // other controls.
  Surface* changingSurface();
  void clearOtherOptions();
  // Runs step; a run-time failure inside it is reported under this field's label.
  template <class Step>
  decltype(auto) namingThisField(Step step) const;

  Window& window_;
  ControlKind kind_;
  std::string name_;
  int index_;
  std::string label_;
  Rect rect_;
  std::string text_;
  std::string caption_;
  int value_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool locked_ = false;
  Color backColor_;
  Color foreColor_ = kBlack;
  Font font_;
  Alignment alignment_ = Alignment::Left;
  bool multiLine_ = false;
  bool markdown_ = false;
  bool border_ = false;
  std::string container_;
  std::unique_ptr<Surface> surface_;
  JournalStamp journalStamp_ = 0;
  JournalStamp surfaceStamp_ = 0;
};

// A divisor computed from a field: a run-time failure naming the field and its text when it is 0.
double RequireNonZero(double divisor, const Control& field);

// A count or a year read from a field: a run-time failure naming the field and its text unless
// the value is a whole number from `lowest` to `highest` (either may be left open).
double RequireWholeNumber(double value, const Control& field,
                          double lowest = -std::numeric_limits<double>::infinity(),
                          double highest = std::numeric_limits<double>::infinity());

// Fields an action does not compute with (or not in every case) still hold numbers as a student
// typed them: each is read as Control::val reads it, so that text which is not one is refused.
void RequireNumbers(std::initializer_list<const Control*> fields);

}  // namespace sylvandra
