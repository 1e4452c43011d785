// The desktop views: geometry, the way a person's actions reach the program, and how the
// widgets follow the model without disturbing what is being typed.
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextFrame>

#include "ui/menu_bar_view.h"
#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

void TypeKey(QWidget* widget, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

void ClickAt(QWidget* widget) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  const QPointF global = widget->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

using WindowViewTest = UiTest;

// A window of the lab's size with a menu bar: "Tools" holding "Weigh again".
class MenuLabWindow : public Window {
 public:
  static constexpr const char* kName = "MenuLabWindow";
  explicit MenuLabWindow(Program& program)
      : Window(program, kName, "Lab Bench", {1500, 3000, 6000, 4500}) {
    mnuWeigh.onClick = [this] { events.push_back("mnuWeigh_Click"); };
  }
  Control& Run = addButton("Run", "Run", {150, 300, 1200, 375});
  Control& mnuTools = addMenuItem("mnuTools", "Tools");
  Control& mnuWeigh = addMenuItem("mnuWeigh", "Weigh again", "mnuTools");
  std::vector<std::string> events;
};

TEST_F(WindowViewTest, ViewsAreMadeOnlyForWindowsTheProgramHasCreated) {
  program().registerWindow<LabWindow>();
  desktop().sync();
  EXPECT_TRUE(program().windows().empty());
  EXPECT_EQ(desktop().view(program().form("LabWindow")), nullptr);
  desktop().sync();
  ASSERT_NE(desktop().view(*program().loaded("LabWindow")), nullptr);
  // Created but never shown: the view stays hidden.
  EXPECT_FALSE(desktop().view(*program().loaded("LabWindow"))->isVisible());
}

TEST_F(WindowViewTest, GeometryIsTheModelsTwipsAtFifteenToAPixel) {
  LabWindow& lab = ShowLab();
  ui::WindowView& view = ViewOf(lab);
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(view.geometry(), QRect(100, 200, 400, 300));
  EXPECT_EQ(view.minimumSize(), view.maximumSize());
  EXPECT_EQ(view.windowTitle(), "Lab Bench");
  EXPECT_EQ(WidgetOf<QPushButton>(lab.Run)->geometry(), QRect(10, 20, 80, 25));
  EXPECT_EQ(WidgetOf<QLineEdit>(lab.Mass)->geometry(), QRect(10, 60, 100, 19));
  EXPECT_EQ(WidgetOf<QLabel>(lab.Result)->geometry(), QRect(120, 20, 160, 17));
  EXPECT_EQ(WidgetOf<QWidget>(lab.Plot)->geometry(), QRect(200, 100, 160, 160));
  EXPECT_EQ(WidgetOf<QLineEdit>(lab.Mass)->font().pixelSize(), 11);

  // The program moves and resizes at run time; captions follow too.
  lab.setRect({3000, 1500, 4500, 3000});
  lab.setCaption("Moved");
  lab.Run.setRect({300, 300, 1500, 450});
  desktop().sync();
  EXPECT_EQ(view.geometry(), QRect(200, 100, 300, 200));
  EXPECT_EQ(view.windowTitle(), "Moved");
  EXPECT_EQ(WidgetOf<QPushButton>(lab.Run)->geometry(), QRect(20, 20, 100, 30));
}

TEST_F(WindowViewTest, MenuItemsMakeAMenuBarAboveAnUnchangedClientArea) {
  program().registerWindow<MenuLabWindow>();
  MenuLabWindow& lab = program().form<MenuLabWindow>();
  lab.Show();
  desktop().sync();
  ui::WindowView& view = ViewOf(lab);
  ASSERT_NE(view.menuBar(), nullptr);
  QMenuBar* bar = view.menuBar()->bar();
  const int barHeight = bar->height();
  EXPECT_GT(barHeight, 0);
  // The client area keeps its 400 x 300 pixels below the bar; controls keep their places in it.
  EXPECT_EQ(view.size(), QSize(400, 300 + barHeight));
  QPushButton* run = WidgetOf<QPushButton>(lab.Run);
  EXPECT_EQ(run->geometry(), QRect(10, 20, 80, 25));
  EXPECT_EQ(run->mapTo(&view, QPoint(0, 0)), QPoint(10, 20 + barHeight));
  // The window's own menu, then the desktop's View menu.
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), "Tools");
  EXPECT_EQ(bar->actions()[1]->text(), "View");
  QAction* weigh = view.menuBar()->actionFor(lab.mnuWeigh);
  ASSERT_NE(weigh, nullptr);
  EXPECT_EQ(weigh->text(), "Weigh again");
  weigh->trigger();
  EXPECT_EQ(lab.events, std::vector<std::string>{"mnuWeigh_Click"});
  // The drawing lies in the client area too: a box at (100, 200) pixels of the client.
  lab.surface().box(1500, 3000, 2250, 3750, Rgb(255, 0, 0), true);
  desktop().sync();
  const QImage image = Grab(lab);
  EXPECT_EQ(image.pixelColor(125, 202 + barHeight), QColor(255, 0, 0));
  // Just above it is the client area's own background, not the box drawn without the shift.
  EXPECT_NE(image.pixelColor(125, 197 + barHeight), QColor(255, 0, 0));
  // The item follows the model.
  lab.mnuWeigh.setEnabled(false);
  desktop().sync();
  EXPECT_FALSE(weigh->isEnabled());
  // A window without menu items has no bar.
  EXPECT_EQ(ViewOf(ShowLab()).menuBar(), nullptr);
}

TEST_F(WindowViewTest, ClickingTheButtonRunsItsHandlerAndShowsTheResult) {
  LabWindow& lab = ShowLab();
  WidgetOf<QPushButton>(lab.Run)->click();
  EXPECT_EQ(lab.events, std::vector<std::string>{"Run_Click"});
  EXPECT_EQ(WidgetOf<QLabel>(lab.Result)->text(), "ran with 12.5");

  ClickAt(WidgetOf<QLabel>(lab.Result));
  EXPECT_EQ(lab.events.back(), "Result_Click");

  lab.Run.setEnabled(false);
  desktop().sync();
  EXPECT_FALSE(WidgetOf<QPushButton>(lab.Run)->isEnabled());
  lab.Run.setVisible(false);
  desktop().sync();
  EXPECT_FALSE(WidgetOf<QPushButton>(lab.Run)->isVisible());
}

TEST_F(WindowViewTest, TypingFiresChangeThenKeyUpAndKeepsTheTypedText) {
  LabWindow& lab = ShowLab();
  QLineEdit* mass = WidgetOf<QLineEdit>(lab.Mass);
  mass->end(false);
  TypeKey(mass, Qt::Key_7, "7");
  EXPECT_EQ(lab.Mass.text(), "12.57");
  EXPECT_EQ(lab.events, (std::vector<std::string>{"Mass_Change:12.57", "Mass_KeyUp:12.57"}));
  EXPECT_EQ(mass->text(), "12.57");

  // A key that leaves the text as it was still fires KeyUp, and no Change.
  lab.events.clear();
  TypeKey(mass, Qt::Key_Left, "");
  EXPECT_EQ(lab.events, (std::vector<std::string>{"Mass_KeyUp:12.57"}));

  // A handler that rewrites the typed text is shown at once.
  QLineEdit* species = WidgetOf<QLineEdit>(lab.Species);
  TypeKey(species, Qt::Key_M, "m");
  EXPECT_EQ(lab.Species.text(), "Maple");
  EXPECT_EQ(species->text(), "Maple");
}

TEST_F(WindowViewTest, SyncLeavesAFieldBeingEditedAloneAndShowsProgramSetText) {
  LabWindow& lab = ShowLab();
  QLineEdit* mass = WidgetOf<QLineEdit>(lab.Mass);
  mass->setCursorPosition(2);
  mass->setSelection(1, 2);
  desktop().sync();
  EXPECT_EQ(mass->selectionStart(), 1);
  EXPECT_EQ(mass->selectedText(), "2.");

  WidgetOf<QPushButton>(lab.Fill)->click();
  EXPECT_EQ(mass->text(), "42");
  EXPECT_EQ(lab.events, (std::vector<std::string>{"Mass_Change:42"}));
}

TEST_F(WindowViewTest, MultiLineFieldShowsProgramLinesAndPassesOnWhatIsTyped) {
  LabWindow& lab = ShowLab();
  QPlainTextEdit* notes = WidgetOf<QPlainTextEdit>(lab.Notes);
  ASSERT_NE(notes, nullptr);
  lab.Notes.setText("first\r\nsecond");
  desktop().sync();
  EXPECT_EQ(notes->toPlainText(), "first\nsecond");
  lab.events.clear();

  notes->moveCursor(QTextCursor::End);
  TypeKey(notes, Qt::Key_X, "x");
  // The edit reaches the program once the editor has finished with the key.
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(lab.Notes.text(), "first\nsecondx");
  EXPECT_EQ(lab.events, std::vector<std::string>{"Notes_Change:first\nsecondx"});

  // A sync with nothing new leaves the cursor where the person left it.
  notes->moveCursor(QTextCursor::Start);
  desktop().sync();
  EXPECT_EQ(notes->textCursor().position(), 0);
  EXPECT_EQ(notes->toPlainText(), "first\nsecondx");
}

TEST_F(WindowViewTest, ALockedFieldCanBeSelectedButNotTypedOver) {
  LabWindow& lab = ShowLab();
  lab.Notes.setText("read me");
  lab.Notes.setLocked(true);
  desktop().sync();
  QPlainTextEdit* notes = WidgetOf<QPlainTextEdit>(lab.Notes);
  ASSERT_NE(notes, nullptr);
  lab.events.clear();
  notes->moveCursor(QTextCursor::End);
  TypeKey(notes, Qt::Key_X, "x");
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(lab.Notes.text(), "read me");
  EXPECT_TRUE(lab.events.empty());
  notes->selectAll();
  EXPECT_EQ(notes->textCursor().selectedText(), "read me");
}

TEST_F(WindowViewTest, OptionAndCheckBoxesShowTheModelsValue) {
  LabWindow& lab = ShowLab();
  QRadioButton* first = WidgetOf<QRadioButton>(lab.First);
  QRadioButton* second = WidgetOf<QRadioButton>(lab.Second);
  lab.First.setValue(1);
  desktop().sync();
  EXPECT_TRUE(first->isChecked());
  EXPECT_FALSE(second->isChecked());

  second->click();
  EXPECT_EQ(lab.First.value(), 0);
  EXPECT_EQ(lab.Second.value(), 1);
  EXPECT_FALSE(first->isChecked());
  EXPECT_TRUE(second->isChecked());
  EXPECT_EQ(lab.events.back(), "Pick_Click(1)");

  // Clicking the selected option again keeps it selected.
  second->click();
  EXPECT_TRUE(second->isChecked());
  EXPECT_EQ(lab.Second.value(), 1);

  // A check box toggles once per click, in the model and on screen alike.
  QCheckBox* keep = WidgetOf<QCheckBox>(lab.Keep);
  keep->click();
  EXPECT_EQ(lab.Keep.value(), 1);
  EXPECT_TRUE(keep->isChecked());
  keep->click();
  EXPECT_EQ(lab.Keep.value(), 0);
  EXPECT_FALSE(keep->isChecked());
}

TEST_F(WindowViewTest, OnlyAPersonsFocusChangeFiresGotFocus) {
  LabWindow& lab = ShowLab();
  QLineEdit* mass = WidgetOf<QLineEdit>(lab.Mass);
  QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(mass, &activated);
  EXPECT_TRUE(lab.events.empty());
  QFocusEvent tabbed(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(mass, &tabbed);
  EXPECT_EQ(lab.events, std::vector<std::string>{"Mass_GotFocus"});
}

TEST_F(WindowViewTest, CloseButtonHidesAWindowWithoutDestroyingIt) {
  LabWindow& lab = ShowLab();
  ui::WindowView& view = ViewOf(lab);
  QLineEdit* mass = WidgetOf<QLineEdit>(lab.Mass);
  mass->selectAll();
  TypeKey(mass, Qt::Key_T, "t");
  EXPECT_FALSE(view.close());
  EXPECT_FALSE(lab.visible());
  EXPECT_FALSE(view.isVisible());
  lab.Show();
  desktop().sync();
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(&ViewOf(lab), &view);
  EXPECT_EQ(lab.Mass.text(), "t");
  EXPECT_EQ(mass->text(), "t");
}

class MenuWindow : public Window {
 public:
  static constexpr const char* kName = "MenuWindow";
  explicit MenuWindow(Program& program) : Window(program, kName, "Menu", {0, 0, 3000, 1500}) {}
  void Form_Close() override { program().End(); }
};

TEST_F(WindowViewTest, ClosingTheMainMenuEndsTheProgramAndHidesEveryWindow) {
  LabWindow& lab = ShowLab();
  MenuWindow& menu = program().form<MenuWindow>();
  menu.Show();
  desktop().sync();
  ASSERT_TRUE(ViewOf(menu).isVisible());
  ViewOf(menu).close();
  EXPECT_TRUE(program().ended());
  EXPECT_FALSE(ViewOf(menu).isVisible());
  EXPECT_FALSE(ViewOf(lab).isVisible());
  // After the end nothing reaches the program.
  WidgetOf<QPushButton>(lab.Run)->click();
  EXPECT_TRUE(lab.events.empty());
}

}  // namespace
}  // namespace sylvandra::testing

namespace sylvandra::testing {
namespace {

class PageWindow : public Window {
 public:
  static constexpr const char* kName = "PageWindow";
  explicit PageWindow(Program& program)
      : Window(program, kName, "Page", {1500, 3000, 6000, 4500}) {}
  Control& Text = addTextBox("Text",
                             "# Pools\n\nThe *pool* grows.\n\n| Input | Unit |\n|---|---|\n"
                             "| Inputs | g/m² |\n",
                             {120, 120, 5600, 3000})
                      .setMultiLine(true)
                      .setLocked(true)
                      .setMarkdown(true)
                      .setLabel("Page");
};

// A field holding Markdown is shown rendered, for reading only: a heading without its "#", the
// emphasis without stars, the table as a table; its text can be selected.
TEST_F(UiTest, AMarkdownFieldIsShownRenderedAndReadOnly) {
  program().registerWindow<PageWindow>();
  PageWindow& page = program().form<PageWindow>();
  page.Show();
  desktop().sync();
  auto* browser = WidgetOf<QTextBrowser>(page.Text);
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->isReadOnly());
  EXPECT_TRUE(browser->textInteractionFlags() & Qt::TextSelectableByMouse);
  const QString shown = browser->toPlainText();
  EXPECT_TRUE(shown.startsWith("Pools")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("The pool grows.")) << shown.toStdString();
  EXPECT_NE(browser->document()->rootFrame()->childFrames().size(), 0) << "the table is a table";

  page.Text.setText("# Fluxes\n");
  desktop().sync();
  EXPECT_EQ(browser->toPlainText().toStdString(), "Fluxes");
}

}  // namespace
}  // namespace sylvandra::testing
