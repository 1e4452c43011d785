// The handler is the transaction: whatever a failing handler changed is put back, without
// events, before the failure is reported; nested handlers go back to their own start.
#include "platform/journal.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/program.h"
#include "platform/runtime_failure.h"
#include "unit/test_host.h"

namespace sylvandra {
namespace {

struct Tally {
  std::vector<int> entries{1, 2};
  double total = 3;
};

// A window whose handlers run what a test gives them.
class Ledger : public Window {
 public:
  static constexpr const char* kName = "Ledger";
  explicit Ledger(Program& program) : Window(program, kName, "Ledger", {0, 0, 6000, 4000}) {
    Amount.onChange = [this] {
      ++changes;
      Echo.setText("echo " + Amount.text());
      if (failOnChange) Amount.number();
    };
    Run.onClick = [this] { step(); };
    Inner.onClick = [this] { innerStep(); };
    addOption("Choice", "A", {3000, 100, 900, 255}, 0).setValue(1);
    addOption("Choice", "B", {3000, 400, 900, 255}, 1);
  }

  Control& Amount = addTextBox("Amount", "10", {100, 100, 1000, 300}).setLabel("Amount");
  Control& Echo = addTextBox("Echo", "", {100, 500, 1000, 300});
  Control& Note = addLabel("Note", "note", {100, 900, 1000, 255});
  Control& Check = addCheckBox("Check", "Check", {100, 1200, 1000, 255});
  Control& Run = addButton("Run", "Run", {100, 1600, 1000, 400});
  Control& Inner = addButton("Inner", "Inner", {1200, 1600, 1000, 400});
  Control& Picture = addPicture("Picture", {100, 2200, 2000, 1500});
  ControlArray& Choice = array("Choice");

  std::function<void()> step = [] {};
  std::function<void()> innerStep = [] {};
  bool failOnChange = false;
  int changes = 0;
};

// A window only a failing handler touches for the first time.
class Latecomer : public Window {
 public:
  static constexpr const char* kName = "Latecomer";
  explicit Latecomer(Program& program) : Window(program, kName, "Late", {0, 0, 1000, 1000}) {}
  void Form_Load() override {
    ++loads;
    Field.setText("loaded");
  }
  Control& Field = addTextBox("Field", "", {0, 0, 500, 300});
  int loads = 0;
};

std::string Describe(const Surface& s) {
  std::string text = std::to_string(s.ScaleWidth()) + "x" + std::to_string(s.ScaleHeight()) +
                     " back " + std::to_string(s.BackColor()) + " at " +
                     std::to_string(s.CurrentX) + "," + std::to_string(s.CurrentY) + " width " +
                     std::to_string(s.DrawWidth) + " style " + std::to_string(s.DrawStyle) +
                     " fill " + std::to_string(s.FillStyle) + "/" + std::to_string(s.FillColor) +
                     " fore " + std::to_string(s.ForeColor) + " auto " +
                     std::to_string(s.AutoRedraw) + " points " + std::to_string(s.font.points) +
                     " picture " + std::to_string(s.picture() != nullptr) + " generation " +
                     std::to_string(s.generation()) + " marks";
  for (const Mark& m : s.marks()) {
    text += " [" + std::to_string(static_cast<int>(m.kind)) + " " + std::to_string(m.x1) + " " +
            std::to_string(m.y2) + " " + std::to_string(m.color) + " " + m.text + " " +
            std::to_string(m.transient) + "]";
  }
  return text;
}

// Everything the journal is to put back, in words.
std::string Describe(Program& program, const Ledger& w) {
  std::string text = w.caption() + (w.visible() ? " shown " : " hidden ") +
                     std::to_string(w.rect().width) + " " + std::to_string(w.shownAt()) + " " +
                     Describe(w.surface()) + "\n";
  for (const auto& c : w.controls()) {
    text += c->qualifiedName() + ": " + c->text() + "|" + c->caption() + "|" +
            std::to_string(c->value()) + "|" + std::to_string(c->visible()) +
            std::to_string(c->enabled()) + std::to_string(c->locked()) + "|" +
            std::to_string(c->backColor()) + "/" + std::to_string(c->foreColor()) + "|" +
            std::to_string(c->left()) + "," + std::to_string(c->top()) + "," +
            std::to_string(c->width()) + "|" + std::to_string(c->font().points) + "\n";
    if (const Surface* s = c->surfaceIfAny()) text += "  drawing " + Describe(*s) + "\n";
  }
  const Tally& tally = program.state<Tally>();
  text += "tally " + std::to_string(tally.entries.size()) + " " + std::to_string(tally.total);
  return text;
}

class JournalTest : public ::testing::Test {
 protected:
  JournalTest() : program(host) {
    program.registerWindow<Ledger>();
    program.registerWindow<Latecomer>();
    w.Show();
    w.surface().Line(0, 0, 100, 100);
    w.Picture.surface().Print("kept");
    program.state<Tally>();
  }
  testing::TestHost host;
  Program program;
  Ledger& w = program.form<Ledger>();
};

struct Change {
  const char* what;
  std::function<void(Program&, Ledger&)> change;
};

const Change kChanges[] = {
    {"a text whose Change handler writes another field",
     [](Program&, Ledger& w) { w.Amount.setText("25"); }},
    {"a caption", [](Program&, Ledger& w) { w.Note.setCaption("changed"); }},
    {"a check box's value", [](Program&, Ledger& w) { w.Check.setValue(1); }},
    {"an option that clears the others", [](Program&, Ledger& w) { w.Choice(1).setValue(1); }},
    {"visibility, enabled and locked",
     [](Program&, Ledger& w) {
       w.Run.setVisible(false).setEnabled(false);
       w.Amount.setLocked(true);
     }},
    {"colours", [](Program&, Ledger& w) { w.Amount.setBackColor(Rgb(255, 0, 0)).setForeColor(7); }},
    {"a place and size",
     [](Program&, Ledger& w) {
       w.Note.setRect({5, 6, 7, 8});
       w.Amount.move(900, 900);
     }},
    {"a font",
     [](Program&, Ledger& w) {
       Font big = w.Note.font();
       big.points = 14;
       w.Note.setFont(big);
     }},
    {"the window's caption, visibility and size",
     [](Program&, Ledger& w) {
       w.setCaption("Other");
       w.Hide();
       w.setRect({1, 2, 3000, 2000});
     }},
    {"the window shown again (raised)", [](Program&, Ledger& w) { w.Show(); }},
    {"the window's marks and drawing state",
     [](Program&, Ledger& w) {
       Surface& s = w.surface();
       s.Cls();
       s.DrawWidth = 3;
       s.DrawStyle = 2;
       s.FillStyle = 0;
       s.FillColor = 9;
       s.ForeColor = 12;
       s.AutoRedraw = false;
       s.font.points = 12;
       s.Circle(500, 500, 100);
       s.CurrentX = 77;
       s.Print("transient");
       s.setScaleSize(100, 100);
     }},
    {"the window's background and picture",
     [](Program&, Ledger& w) {
       w.surface().setBackColor(kWhite);
       w.surface().setPicture(std::make_shared<Picture>());
     }},
    {"a picture box's marks, colour and size",
     [](Program&, Ledger& w) {
       w.Picture.surface().Print("more");
       w.Picture.setBackColor(kBlack);
       w.Picture.setRect({0, 0, 50, 50});
     }},
    {"a program-wide state object",
     [](Program& program, Ledger&) {
       program.state<Tally>().entries.push_back(3);
       program.state<Tally>().total = 6;
     }},
    {"the window started over as designed", [](Program&, Ledger& w) { w.restoreDesign(); }},
    {"changes before and after a message box",
     [](Program& program, Ledger& w) {
       w.Note.setCaption("before the box");
       program.MsgBox("Value out of Range");
       w.Amount.setText("0");
     }},
};

TEST_F(JournalTest, AFailingHandlerPutsBackEachKindOfChange) {
  for (const Change& row : kChanges) {
    SCOPED_TRACE(row.what);
    const std::string before = Describe(program, w);
    const int changes = w.changes;
    const size_t failures = host.failures.size();
    w.step = [&] {
      row.change(program, w);
      throw RuntimeFailure("stopped");
    };
    program.click(w.Run);
    ASSERT_EQ(host.failures.size(), failures + 1);
    EXPECT_EQ(Describe(program, w), before);
    // Putting the text back fires no Change: the only one is the handler's own (or none).
    EXPECT_LE(w.changes - changes, 1);
    EXPECT_EQ(w.Echo.text(), "");
  }
  EXPECT_EQ(host.messages.size(), 1u);  // the box was shown before the failure
}

TEST_F(JournalTest, AHandlerThatSucceedsKeepsItsChanges) {
  w.step = [&] {
    w.Amount.setText("25");
    w.surface().Print("done");
  };
  program.click(w.Run);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(w.Echo.text(), "echo 25");
  EXPECT_EQ(w.surface().marks().back().text, "done");
  EXPECT_FALSE(program.journal().open());
}

TEST_F(JournalTest, TheRandomSequenceGoesBackToWhereItWas) {
  testing::TestHost otherHost;
  Program untouched(otherHost);
  w.step = [&] {
    program.Randomize(5);
    program.Rnd();
    throw RuntimeFailure("stopped");
  };
  program.click(w.Run);
  // The next number is the one the sequence would have given had the handler not run.
  EXPECT_EQ(program.Rnd(), untouched.Rnd());
}

TEST_F(JournalTest, TheTypedTextStaysWhenItsChangeHandlerFails) {
  w.failOnChange = true;
  program.type(w.Amount, "abc");
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(host.failures[0].message, "Amount: 'abc' is not a number");
  EXPECT_EQ(w.Amount.text(), "abc");
  EXPECT_EQ(w.Echo.text(), "");  // what the handler wrote goes back
  EXPECT_EQ(w.changes, 1);       // and Change does not fire again
  program.edit(w.Amount, "abcd");
  EXPECT_EQ(w.Amount.text(), "abcd");
  EXPECT_EQ(w.Echo.text(), "");
  EXPECT_EQ(w.changes, 2);
}

TEST_F(JournalTest, ANestedHandlerThatFailsGoesBackToItsOwnStart) {
  // The outer handler (a key, say) runs the button's handler inside its own; the button fails,
  // the outer handler goes on and succeeds.
  w.innerStep = [&] {
    w.Note.setCaption("inner");
    w.Check.setValue(1);
    throw RuntimeFailure("inner stopped");
  };
  w.step = [&] {
    w.Note.setCaption("outer");
    program.click(w.Inner);
    EXPECT_EQ(w.Note.caption(), "outer");  // back to where the inner handler started
    EXPECT_EQ(w.Check.value(), 0);
    w.Echo.setText("after");
  };
  program.click(w.Run);
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(host.failures[0].message, "inner stopped");
  EXPECT_EQ(w.Note.caption(), "outer");
  EXPECT_EQ(w.Echo.text(), "after");
  EXPECT_EQ(program.journal().depth(), 0u);
}

TEST_F(JournalTest, AFailureAfterANestedSuccessPutsBackBoth) {
  const std::string before = Describe(program, w);
  w.innerStep = [&] {
    w.Note.setCaption("inner");  // also changed by the outer handler before
    w.Check.setValue(1);         // changed by the inner handler only
    program.state<Tally>().total = 99;
  };
  w.step = [&] {
    w.Note.setCaption("outer");
    program.click(w.Inner);
    w.Check.setValue(0);
    w.Check.setValue(1);
    throw RuntimeFailure("outer stopped");
  };
  program.click(w.Run);
  ASSERT_EQ(host.failures.size(), 1u);
  EXPECT_EQ(Describe(program, w), before);
}

TEST_F(JournalTest, AWindowFirstTouchedByAFailingHandlerStaysCreatedAndLoaded) {
  w.step = [&] {
    Latecomer& late = program.form<Latecomer>();
    late.Show();
    throw RuntimeFailure("stopped");
  };
  program.click(w.Run);
  Latecomer& late = program.form<Latecomer>();
  EXPECT_EQ(late.loads, 1);
  EXPECT_EQ(late.Field.text(), "loaded");  // Form_Load is no part of the failed handler
  EXPECT_FALSE(late.visible());            // what the handler did to it is
}

TEST_F(JournalTest, TheEndOfTheProgramIsNotAFailure) {
  w.step = [&] {
    w.Note.setCaption("last words");
    program.End();
  };
  program.click(w.Run);
  EXPECT_TRUE(host.failures.empty());
  EXPECT_EQ(w.Note.caption(), "last words");
}

}  // namespace
}  // namespace sylvandra
