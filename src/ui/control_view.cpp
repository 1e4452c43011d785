#include "ui/control_view.h"

#include <qdrawutil.h>

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/program.h"
#include "platform/shown_label.h"
#include "platform/text_wrap.h"
#include "platform/window.h"
#include "ui/accessibility.h"
#include "ui/event_sink.h"
#include "ui/qt_conversions.h"

namespace sylvandra::ui {
namespace {

bool IsLeftRelease(const QMouseEvent* event, const QWidget* widget) {
  return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}

// The mark of a caption or picture that has the keyboard focus: a dotted rectangle just inside
// its edge.
void DrawFocusMark(QPainter& painter, const QRect& area) {
  painter.save();
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  painter.restore();
}

// A label that reports a click (mouse released over it after a press on it) and lays out its
// caption with the program's own wrapping and line height, so captions that use runs of blanks
// to place words come out as designed.
class ClickLabel : public QLabel, public Activatable {
 public:
  ClickLabel(const Control& control, QWidget* parent) : QLabel(parent), control_(control) {}
  std::function<void()> onClick;

  const Control& shownControl() const override { return control_; }
  void activate() override {
    if (onClick) onClick();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (control_.window().focusedControl() == &control_) DrawFocusMark(painter, rect());
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect area = contentsRect();
    const Font& model = control_.font();
    double y = area.top();
    for (const std::string& line :
         WrapText(control_.caption(), model, area.width() * kTwipsPerPixel, WrapStyle::Caption)) {
      const std::string shown = line.substr(0, line.find_last_not_of(' ') + 1);
      const double width = model.TextWidth(shown) / kTwipsPerPixel;
      double x = area.left();
      if (control_.alignment() == Alignment::Right) x = area.right() + 1 - width;
      if (control_.alignment() == Alignment::Center) x = area.left() + (area.width() - width) / 2;
      painter.drawText(QPointF(x, y + model.ascent() / kTwipsPerPixel), ToQString(shown));
      y += model.lineHeight() / kTwipsPerPixel;
    }
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) {
      event->accept();
    } else {
      QLabel::mousePressEvent(event);
    }
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (IsLeftRelease(event, this) && onClick) onClick();
  }

 private:
  const Control& control_;
};

// A one-line field with the designed metrics: a 2-pixel sunken edge and 1 pixel between the
// edge and the text, so that a field shows as much of its text as it was designed to. (The
// toolkit's own frame and margins take 4 pixels on each side, which cut the last digits of
// values that fit the design.)
class FieldLineEdit : public QLineEdit {
 public:
  explicit FieldLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    // The toolkit keeps 2 pixels inside the text area; 1 more makes edge + gap = 3.
    constexpr int kExtra = kFieldEdgePixels + kFieldGapPixels - 2;
    setTextMargins(kExtra, 0, kExtra, 0);
  }
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    if (IsLeftRelease(event, this) && onClick) onClick();
  }
  // A field left after typing shows the start of its text again, as one the program wrote.
  void focusOutEvent(QFocusEvent* event) override {
    QLineEdit::focusOutEvent(event);
    setCursorPosition(0);
  }
  void paintEvent(QPaintEvent* event) override {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
  }
};

class FieldTextEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QPlainTextEdit::mouseReleaseEvent(event);
    if (IsLeftRelease(event, viewport()) && onClick) onClick();
  }
};

Qt::Alignment HorizontalAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

// The editor shows line breaks as single newlines.
QString EditorText(const std::string& text) {
  QString result = ToQString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

bool IsPersonsFocusChange(Qt::FocusReason reason) {
  return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
         reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

}  // namespace

// A picture box: its fixed picture and its drawing, from the surface's canvas.
class PictureWidget : public QFrame {
 public:
  PictureWidget(Control& control, SurfaceCanvas::Transients transients, QWidget* parent)
      : QFrame(parent), control_(control), surface_(control.surface()), canvas_(transients) {}
  std::function<void()> onClick;

  void refresh() {
    if (canvas_.update(surface_, drawnSize(), devicePixelRatioF() * scale_)) update();
  }
  void setScale(double scale) {
    scale_ = scale;
    refresh();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    canvas_.update(surface_, drawnSize(), devicePixelRatioF() * scale_);
    QPainter painter(this);
    if (scale_ != 1) painter.scale(scale_, scale_);
    canvas_.draw(painter);
    if (control_.window().focusedControl() == &control_) DrawFocusMark(painter, rect());
    painter.end();
    QFrame::paintEvent(event);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) {
      event->accept();
    } else {
      QFrame::mousePressEvent(event);
    }
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (IsLeftRelease(event, this) && onClick) onClick();
  }

 private:
  // The picture's size at its designed scale.
  QSize drawnSize() const {
    if (scale_ == 1) return size();
    return QSize(static_cast<int>(std::lround(width() / scale_)),
                 static_cast<int>(std::lround(height() / scale_)));
  }

  const Control& control_;
  Surface& surface_;
  SurfaceCanvas canvas_;
  double scale_ = 1;
};

ControlView::ControlView(Control& control, QWidget* parent, EventSink* sink,
                         SurfaceCanvas::Transients transients)
    : control_(control), sink_(sink) {
  createWidget(parent, transients);
  widget_->installEventFilter(this);
  sync();
}

ControlView::~ControlView() = default;

void ControlView::createWidget(QWidget* parent, SurfaceCanvas::Transients transients) {
  auto click = [this] { sendClick(); };
  switch (control_.kind()) {
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, click);
      button_ = button;
      widget_ = button;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(parent);
      connect(box, &QCheckBox::clicked, this, click);
      button_ = box;
      widget_ = box;
      break;
    }
    case ControlKind::OptionButton: {
      // The model decides which option of a container is selected.
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);
      connect(option, &QRadioButton::clicked, this, click);
      button_ = option;
      widget_ = option;
      break;
    }
    case ControlKind::TextBox:
      if (control_.markdown()) {
        // A page to read: rendered, scrolled, its text selectable and copied, never typed over.
        auto* browser = new QTextBrowser(parent);
        browser->setOpenLinks(false);
        browser->setTabChangesFocus(true);
        browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        browser->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        markdownView_ = browser;
        widget_ = browser;
      } else if (control_.multiLine()) {
        auto* edit = new FieldTextEdit(parent);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setWordWrapMode(QTextOption::WordWrap);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Tab moves to the next field, as in every other field of the window.
        edit->setTabChangesFocus(true);
        edit->onClick = click;
        // Handled once the editor has finished the change, so the model may rewrite the text.
        connect(edit, &QPlainTextEdit::textChanged, this, [this] {
          if (syncing_) return;
          QMetaObject::invokeMethod(
              this,
              [this] {
                const QString typed = textEdit_->toPlainText();
                if (typed != EditorText(control_.text())) sendTyped(ToStdString(typed));
              },
              Qt::QueuedConnection);
        });
        textEdit_ = edit;
        widget_ = edit;
      } else {
        auto* edit = new FieldLineEdit(parent);
        edit->onClick = click;
        connect(edit, &QLineEdit::textEdited, this,
                [this](const QString& text) { sendTyped(ToStdString(text)); });
        lineEdit_ = edit;
        widget_ = edit;
      }
      break;
    case ControlKind::Label: {
      auto* label = new ClickLabel(control_, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAutoFillBackground(true);
      label->onClick = click;
      if (control_.onClick) {
        label->setCursor(Qt::PointingHandCursor);
        // Chosen with the keyboard too; it shows a focus mark while it has the focus.
        label->setFocusPolicy(Qt::StrongFocus);
      }
      label_ = label;
      widget_ = label;
      break;
    }
    case ControlKind::PictureBox: {
      picture_ = new PictureWidget(control_, transients, parent);
      picture_->onClick = click;
      if (control_.onClick) picture_->setFocusPolicy(Qt::StrongFocus);
      widget_ = picture_;
      break;
    }
    case ControlKind::MenuItem:
      // Shown by the window's menu bar, not on the client area.
      widget_ = new QWidget(parent);
      break;
    case ControlKind::Frame: {
      frame_ = new QGroupBox(parent);
      frame_->setAutoFillBackground(true);
      widget_ = frame_;
      break;
    }
  }
  if (button_) button_->setAutoFillBackground(control_.kind() != ControlKind::CommandButton);
}

bool ControlView::effectiveVisible() const {
  if (!control_.visible()) return false;
  // Controls placed in a frame disappear with it.
  if (control_.container().empty()) return true;
  const Control* frame = control_.window().find(control_.container());
  return !frame || frame->kind() != ControlKind::Frame || frame->visible();
}

QRect ControlView::scaledRect(const Rect& rect) const {
  return PixelRect(rect, scale_);
}

QFont ControlView::scaledFont(const Font& font) const {
  if (scale_ == 1) return ToQFont(font);
  return ToQFont(font, std::max(1, static_cast<int>(std::lround(EmPixels(font) * scale_))));
}

void ControlView::setScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  if (picture_) picture_->setScale(scale);
  if (!applied_) return;
  widget_->setGeometry(scaledRect(applied_->rect));
  widget_->setFont(scaledFont(applied_->font));
}

void ControlView::sync() {
  syncing_ = true;
  const bool first = !applied_;
  if (first) applied_.emplace();
  Applied& applied = *applied_;

  if (first || control_.rect().left != applied.rect.left ||
      control_.rect().top != applied.rect.top || control_.rect().width != applied.rect.width ||
      control_.rect().height != applied.rect.height) {
    applied.rect = control_.rect();
    widget_->setGeometry(scaledRect(applied.rect));
  }
  if (first || !(control_.font() == applied.font)) {
    applied.font = control_.font();
    widget_->setFont(scaledFont(applied.font));
  }
  if (first || control_.backColor() != applied.back || control_.foreColor() != applied.fore) {
    applied.back = control_.backColor();
    applied.fore = control_.foreColor();
    syncColors();
  }
  if (first || control_.alignment() != applied.alignment) {
    applied.alignment = control_.alignment();
    syncAlignment();
  }
  if (first || control_.border() != applied.border) {
    applied.border = control_.border();
    QFrame* framed = label_ ? static_cast<QFrame*>(label_) : picture_;
    if (framed)
      framed->setFrameStyle(applied.border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
  }
  if (first || control_.enabled() != applied.enabled) {
    applied.enabled = control_.enabled();
    widget_->setEnabled(applied.enabled);
  }
  if (first || control_.caption() != applied.caption) {
    applied.caption = control_.caption();
    syncCaption();
  }
  if (lineEdit_ && lineEdit_->isReadOnly() != control_.locked()) {
    lineEdit_->setReadOnly(control_.locked());
  }
  if (textEdit_ && textEdit_->isReadOnly() != control_.locked()) {
    textEdit_->setReadOnly(control_.locked());
  }
  syncText();
  if (lineEdit_ || textEdit_) {
    // Read out with the field: the words shown beside it, which may change with the run.
    const QString name = ToQString(ShownLabel(control_));
    if (widget_->accessibleName() != name) widget_->setAccessibleName(name);
  }
  if (button_ && button_->isCheckable() && button_->isChecked() != (control_.value() != 0)) {
    button_->setChecked(control_.value() != 0);
  }
  if (picture_) picture_->refresh();
  const bool visible = effectiveVisible();
  if (widget_->isHidden() == visible) widget_->setVisible(visible);
  syncing_ = false;
}

void ControlView::syncText() {
  if (lineEdit_) {
    const QString text = ToQString(control_.text());
    if (lineEdit_->text() == text) return;
    lineEdit_->setText(text);
    // A field not being typed into shows the start of its text.
    if (!lineEdit_->hasFocus()) lineEdit_->setCursorPosition(0);
  } else if (textEdit_) {
    const QString text = EditorText(control_.text());
    if (textEdit_->toPlainText() != text) textEdit_->setPlainText(text);
  } else if (markdownView_ && shownMarkdown_ != control_.text()) {
    shownMarkdown_ = control_.text();
    markdownView_->setMarkdown(ToQString(shownMarkdown_));
    // Half a line between paragraphs, headings and lists, so that the page reads in blocks;
    // rows of a table and items of a list stay close.
    const int gap = markdownView_->fontMetrics().height() / 2;
    for (QTextBlock block = markdownView_->document()->begin(); block.isValid();
         block = block.next()) {
      QTextCursor cursor(block);
      if (cursor.currentTable() || (block.textList() && block.next().textList())) continue;
      QTextBlockFormat format = block.blockFormat();
      format.setBottomMargin(gap);
      cursor.setBlockFormat(format);
    }
  }
}

void ControlView::syncCaption() {
  const QString caption = ToQString(control_.caption());
  if (button_) button_->setText(caption);
  if (label_) label_->setText(caption);
  if (frame_) frame_->setTitle(caption);
}

void ControlView::syncColors() {
  const QColor back = ToQColor(control_.backColor());
  const QColor fore = ToQColor(control_.foreColor());
  QPalette palette = widget_->palette();
  QPalette::ColorRole backRole = QPalette::Window;
  QPalette::ColorRole foreRole = QPalette::WindowText;
  if (lineEdit_ || textEdit_ || markdownView_) {
    backRole = QPalette::Base;
    foreRole = QPalette::Text;
  } else if (control_.kind() == ControlKind::CommandButton) {
    backRole = QPalette::Button;
    foreRole = QPalette::ButtonText;
  }
  palette.setColor(backRole, back);
  // Check boxes and option buttons fill their background with the button role.
  if (button_) palette.setColor(QPalette::Button, back);
  // Disabled controls keep the style's greyed text.
  palette.setColor(QPalette::Active, foreRole, fore);
  palette.setColor(QPalette::Inactive, foreRole, fore);
  widget_->setPalette(palette);
}

void ControlView::syncAlignment() {
  const Qt::Alignment horizontal = HorizontalAlignment(control_.alignment());
  if (label_) label_->setAlignment(horizontal | Qt::AlignTop);
  if (lineEdit_) lineEdit_->setAlignment(horizontal | Qt::AlignVCenter);
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
  // The style frames the focused button, check box or option only in a window whose focus
  // moved by the keyboard, and the toolkit forgets that at a click; a person uses both, so the
  // frame is always drawn.
  if (watched == widget_ && event->type() == QEvent::FocusIn) {
    widget_->window()->setAttribute(Qt::WA_KeyboardFocusChange);
  }
  if (watched == widget_ && event->type() == QEvent::FocusIn && !syncing_ &&
      IsPersonsFocusChange(static_cast<QFocusEvent*>(event)->reason())) {
    sendFocus();
  }
  // A click in a window that is not the active one moves no widget focus there: the model's
  // focus (and the focus mark drawn from it) follows the click all the same.
  if (watched == widget_ && event->type() == QEvent::MouseButtonPress &&
      (widget_->focusPolicy() & Qt::ClickFocus) && widget_->isEnabled() &&
      control_.window().focusedControl() != &control_) {
    sendFocus();
  }
  // Every key released in a field fires KeyUp, also keys that leave its text as it was.
  if (watched == widget_ && event->type() == QEvent::KeyRelease && (lineEdit_ || textEdit_) &&
      !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    sendKeyUp();
  }
  return QObject::eventFilter(watched, event);
}

void ControlView::sendClick() {
  if (!sink_) return;
  Control& control = control_;
  sink_->dispatch([&control] { control.window().program().click(control); });
}

void ControlView::sendTyped(std::string text) {
  if (!sink_) return;
  Control& control = control_;
  sink_->dispatch([&control, &text] { control.window().program().edit(control, std::move(text)); });
}

void ControlView::sendKeyUp() {
  if (!sink_) return;
  // A multi-line editor passes its text on after the key is handled; make sure the program has
  // it before KeyUp, so the sync that follows never puts back the text from before the key.
  if (textEdit_) {
    const QString typed = textEdit_->toPlainText();
    if (typed != EditorText(control_.text())) sendTyped(ToStdString(typed));
  }
  Control& control = control_;
  sink_->dispatch([&control] { control.window().program().keyUp(control); });
}

void ControlView::sendFocus() {
  if (!sink_) return;
  Control& control = control_;
  sink_->dispatch([&control] { control.window().program().focus(control); });
}

}  // namespace sylvandra::ui
