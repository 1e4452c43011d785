// What a screen reader reads through the toolkit's accessibility interface: each control's role,
// name, value and state, the main menu's chapters as a list it can press, and the text
// alternative of a graph.
#include <QAccessible>
#include <QAccessibleInterface>

#include "app/startup.h"
#include "exercises/carbon_water/ex0_ask.h"
#include "platform/shown_label.h"
#include "plot/graph_export.h"
#include "plot/output/output_windows.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/catalogue.h"
#include "ui/ui_fixture.h"

namespace sylvandra::testing {
namespace {

class AccessibilityUiTest : public UiTest {
 protected:
  AccessibilityUiTest() {
    program().registerWindow<LabWindow>();
    StartProgram(program());
    desktop().sync();
  }

  QAccessibleInterface* Interface(const Control& control) {
    return QAccessible::queryAccessibleInterface(ViewOf(control.window()).widgetFor(control));
  }
  // The window's accessible objects of a role, found as a reader walks the tree from the window.
  std::vector<QAccessibleInterface*> Find(const Window& window, QAccessible::Role role) {
    std::vector<QAccessibleInterface*> found;
    std::vector<QAccessibleInterface*> pending{
        QAccessible::queryAccessibleInterface(&ViewOf(window))};
    while (!pending.empty()) {
      QAccessibleInterface* node = pending.back();
      pending.pop_back();
      if (node->role() == role && !node->state().invisible) found.push_back(node);
      for (int i = node->childCount() - 1; i >= 0; --i) pending.push_back(node->child(i));
    }
    return found;
  }
};

TEST_F(AccessibilityUiTest, EachControlHasItsRoleNameValueAndState) {
  Ex0Ask& soil = program().form<Ex0Ask>();
  soil.Show();
  LabWindow& lab = ShowLab();
  lab.Second.setValue(1);
  lab.Keep.setValue(1);
  lab.Result.setCaption("  ran   twice ");
  desktop().sync();

  const struct {
    const Control& control;
    QAccessible::Role role;
    QString name, value;
    bool checked;
  } cases[] = {
      // The soil window's fields by the labels shown beside them, with their default values.
      {soil.SOM, QAccessible::EditableText, "Soil Organic Matter", "100", false},
      // Its label only repeats its name: the caption above it says more.
      {soil.Inputs, QAccessible::EditableText, "Inputs", "50", false},
      {soil.TurnOvr, QAccessible::EditableText, "Turnover Rate", "0", false},
      {soil.Command1, QAccessible::Button, "Execute", "", false},
      {soil.Command2, QAccessible::Button, "Return", "", false},
      {lab.First, QAccessible::RadioButton, "First", "", false},
      {lab.Second, QAccessible::RadioButton, "Second", "", true},
      {lab.Keep, QAccessible::CheckBox, "Keep", "", true},
      // A caption that can be clicked is a button read as it is shown, blanks run together.
      {lab.Result, QAccessible::Button, "ran twice", "", false},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.control.qualifiedName());
    QAccessibleInterface* control = Interface(test.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->role(), test.role);
    EXPECT_EQ(control->text(QAccessible::Name), test.name);
    if (test.role == QAccessible::EditableText) {
      ASSERT_NE(control->textInterface(), nullptr);
      EXPECT_EQ(control->textInterface()->text(0, control->textInterface()->characterCount()),
                test.value);
    }
    EXPECT_EQ(bool(control->state().checked), test.checked);
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&ViewOf(soil))->text(QAccessible::Name),
            QString::fromStdString(soil.caption()));
}

TEST_F(AccessibilityUiTest, TheMenusChaptersAreAListOfItemsThatOpenTheirIntroduction) {
  A_Select& menu = program().form<A_Select>();
  const std::vector<QAccessibleInterface*> chapters = Find(menu, QAccessible::ListItem);
  // In the order the menu shows them, row by row, not the order of the catalogue.
  std::vector<std::string> shown(Catalogue().size());
  for (const ChapterEntry& entry : Catalogue()) {
    shown.at(static_cast<size_t>(entry.menuRow)) = SpokenText(std::string(entry.menuCaption));
  }
  std::erase(shown, "");
  std::vector<std::string> read;
  for (QAccessibleInterface* chapter : chapters) {
    read.push_back(chapter->text(QAccessible::Name).toStdString());
  }
  EXPECT_EQ(read, shown);
  // Pressed as a reader presses it, a chapter opens its introduction.
  chapters[4]->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  desktop().sync();
  EXPECT_TRUE(program().form<A_Intro>().visible());
}

TEST_F(AccessibilityUiTest, AGraphReadsAsItsSeriesMaximaAndThePlottedTable) {
  Ex0Ask& soil = program().form<Ex0Ask>();
  soil.Show();
  outpt& output = program().form<outpt>();
  desktop().sync();
  // Nothing drawn yet: no graph for a reader to find.
  EXPECT_TRUE(Find(output, QAccessible::Graphic).empty());

  program().click(soil.Command1);
  desktop().sync();
  const std::vector<QAccessibleInterface*> graphs = Find(output, QAccessible::Graphic);
  ASSERT_EQ(graphs.size(), 1u);
  // Defaults: pool 100, inputs 50, turnover 0, so year t holds 100 + 50 (t - 1) and year 300
  // the highest, 100 + 50 x 299 = 15050; the frame's top is Int(1.1 x 15050) = 16555.
  EXPECT_EQ(graphs[0]->text(QAccessible::Name).toStdString(),
            "Graph against Years: SOM, maximum 15050 (scale 16555)");
  const QString table = graphs[0]->text(QAccessible::Description);
  EXPECT_TRUE(table.startsWith("Years,SOM\n1,100\n2,150\n")) << table.left(40).toStdString();
  EXPECT_EQ(table.toStdString(), WindowCsv(output));
}

}  // namespace
}  // namespace sylvandra::testing
