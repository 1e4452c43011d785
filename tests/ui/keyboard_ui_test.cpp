// Keys on the desktop reach the window model's keyboard: Tab moves the model's focus and the
// widget focus follows it, Enter in a field runs Execute, Escape runs Return, and a clickable
// caption takes the focus like a field.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

class FormWindow : public Window {
 public:
  static constexpr const char* kName = "FormWindow";
  explicit FormWindow(Program& program) : Window(program, kName, "Form", {1500, 3000, 6000, 4500}) {
    Execute.onClick = [this] { events.push_back("Execute:" + Rate.text()); };
    Return.onClick = [this] { setVisible(false); };
    Topic.onClick = [this] { events.push_back("Topic"); };
  }
  // Declared out of layout order: Tab still goes top to bottom.
  Control& Execute = addButton("Execute", "Execute", {150, 3000, 1200, 375});
  Control& Rate = addTextBox("Rate", "0.1", {150, 1500, 1500, 285});
  Control& Return = addButton("Return", "Return", {1500, 3000, 1200, 375});
  Control& Pool = addTextBox("Pool", "100", {150, 900, 1500, 285});
  Control& Topic = addLabel("Topic", "A chapter", {150, 300, 2400, 255});
  std::vector<std::string> events;
};

void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(widget, &release);
}

using KeyboardUiTest = UiTest;

TEST_F(KeyboardUiTest, TabMovesTheModelsFocusAndTheWidgetsFollow) {
  program().registerWindow<FormWindow>();
  FormWindow& form = program().form<FormWindow>();
  form.Show();
  desktop().sync();
  ui::WindowView& view = ViewOf(form);

  Press(&view, Qt::Key_Tab);
  EXPECT_EQ(form.focusedControl(), &form.Topic);
  EXPECT_EQ(view.focusWidget(), view.widgetFor(form.Topic));
  Press(view.widgetFor(form.Topic), Qt::Key_Space);
  EXPECT_EQ(form.events, std::vector<std::string>{"Topic"});

  Press(view.widgetFor(form.Topic), Qt::Key_Tab);
  Press(view.widgetFor(form.Pool), Qt::Key_Tab);
  EXPECT_EQ(form.focusedControl(), &form.Rate);
  EXPECT_EQ(view.focusWidget(), view.widgetFor(form.Rate));
  Press(view.widgetFor(form.Rate), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(form.focusedControl(), &form.Pool);

  Press(view.widgetFor(form.Pool), Qt::Key_Return);
  EXPECT_EQ(form.events.back(), "Execute:0.1");
  Press(view.widgetFor(form.Pool), Qt::Key_Escape);
  EXPECT_FALSE(form.visible());
  EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace sylvandra::testing
