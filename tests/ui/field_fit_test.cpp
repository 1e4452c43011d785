// Every one-line field shows the whole text it holds for the program's own data: the designed
// defaults of every window, and the results of the documented examples.
#include <QFontMetrics>
#include <QLineEdit>
#include <string>

#include "app/startup.h"
#include "ui_fixture.h"

namespace sylvandra {
namespace {

class FieldFitTest : public testing::UiTest {
 protected:
  // The fields of `window` whose text is wider than the room the field gives it.
  std::vector<std::string> CutFields(Window& window) {
    window.Show();
    desktop().sync();
    std::vector<std::string> cut;
    for (const auto& control : window.controls()) {
      if (control->kind() != ControlKind::TextBox || control->multiLine()) continue;
      auto* edit = WidgetOf<QLineEdit>(*control);
      if (!edit) continue;
      // Where the field really puts the cursor before and after the text, once painted: the
      // text fits when the field did not scroll it to show the end.
      edit->setCursorPosition(0);
      edit->grab();
      const int start = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
      edit->setCursorPosition(static_cast<int>(edit->text().size()));
      edit->grab();
      const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
      const double needed = QFontMetricsF(edit->font()).horizontalAdvance(edit->text());
      const double room = end - start + 1;
      if (needed > room) cut.push_back(control->qualifiedName() + " '" + control->text() + "'");
    }
    window.Hide();
    return cut;
  }
};

TEST_F(FieldFitTest, EveryWindowsDefaultsAndWorkedResultsFit) {
  RegisterWindows(program());
  for (const std::string& name : program().registeredWindows()) {
    EXPECT_EQ(CutFields(program().form(name)), std::vector<std::string>{}) << name;
  }
  // The documented runs of the exercises with their default data.
  const std::pair<const char*, const char*> runs[] = {{"Ex10Ask", "CalcGCE"},
                                                      {"EX11Ask", "CalcTots"},
                                                      {"EX12Ask", "Command1"},
                                                      {"EX12Ask", "VPDCalc"},
                                                      {"Ex0Ask", "Command1"}};
  for (const auto& [window, button] : runs) {
    Window& w = program().form(window);
    program().click(w.control(button));
    EXPECT_EQ(CutFields(w), std::vector<std::string>{}) << window << "." << button;
  }
  // The check sees a cut: a total of seven characters is wider than a 37-pixel field.
  Window& balances = program().form("EX11Ask");
  balances.control("TotPrec", 0).setText("1303.75");
  EXPECT_EQ(CutFields(balances), std::vector<std::string>{"TotPrec(0) '1303.75'"});
}

}  // namespace
}  // namespace sylvandra
