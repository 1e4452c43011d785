// The browser page's bridge, run natively: a driver line run for the page prints what the script
// driver prints; the page's own events reach the program as a person's do, their boxes shown by
// the page; a long run asked to stop from the page ends at the end of a year; the windows and
// drawings reach the page as JSON.
#include "web_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/program.h"
#include "scene_json.h"

namespace sylvandra::web {
namespace {

// A page that answers its boxes from a queue and records what it was asked.
class RecordingPage : public Page {
 public:
  int message(const std::string& title, const std::string& prompt, int) override {
    messages.push_back(title + ": " + prompt);
    return 1;
  }
  std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultText) override {
    messages.push_back(title + ": " + prompt);
    if (answers.empty()) return defaultText;
    std::string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  void frame() override {
    ++frames;
    if (session && frames == stopAtFrame) session->requestStop();
  }
  void wait(double milliseconds) override {
    ++waits;
    longestWait = std::max(longestWait, milliseconds);
  }
  void ended() override { hasEnded = true; }

  std::vector<std::string> messages;
  std::vector<std::string> answers;
  int frames = 0;
  int waits = 0;
  double longestWait = 0;
  // The frame at which the person presses Escape (0: never).
  int stopAtFrame = 0;
  WebSession* session = nullptr;
  bool hasEnded = false;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The whole session, each line run for the page, printed as the driver prints it.
std::string RunThroughPage(const std::string& script) {
  RecordingPage page;
  WebSession session(page);
  std::string printed;
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);) {
    for (const std::string& out : session.run(line)) printed += out + "\n";
  }
  EXPECT_TRUE(page.messages.empty()) << "a driver line opened a box on the page";
  return printed;
}

std::string RunThroughDriver(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, errors;
  EXPECT_EQ(script::RunScript(in, out, errors), 0) << errors.str();
  return out.str();
}

// Sessions with input boxes (the hardwood pause), message boxes, a long paced run with flames,
// keys and focus, and the end of the program: the page prints what the driver prints.
TEST(WebSession, DriverLinesPrintWhatTheScriptDriverPrints) {
  const std::vector<std::string> sessions = {
      ReadFile(GOLDEN_DIR "/ex7_hardwood_stand.script"),
      ReadFile(GOLDEN_DIR "/ex6_sequoia_fire.script"),
      ReadFile(GOLDEN_DIR "/keyboard_chapter5.script"),
      ReadFile(GOLDEN_DIR "/ex3_nitrogen.script"),
      "click A_Select.Quit\nget A_Select.Caption\n",
  };
  for (const std::string& script : sessions) {
    ASSERT_FALSE(script.empty());
    const std::string driver = RunThroughDriver(script);
    EXPECT_EQ(RunThroughPage(script), driver) << script.substr(0, 200);
  }
}

TEST(WebSession, UnknownLineIsRefusedAsTheDriverRefusesIt) {
  RecordingPage page;
  WebSession session(page);
  EXPECT_THROW(session.run("frobnicate A_Select"), script::ScriptError);
  EXPECT_THROW(session.act("get NoSuchWindow.Label1"), script::ScriptError);
  // The session goes on after a refused line.
  EXPECT_EQ(session.run("get A_Intro.Visible"), std::vector<std::string>{"false"});
}

// The page's events, each followed by what the scene then shows of one control or window.
TEST(WebSession, PageEventsReachTheProgramAsAPersonsDo) {
  struct Case {
    const char* action;
    const char* control;   // WINDOW.CONTROL whose JSON is checked, or WINDOW alone
    const char* expected;  // a piece of that JSON
  };
  const std::vector<Case> cases = {
      // A hidden window's controls cannot be reached: refused, the introduction stays hidden.
      {"click A_Intro.Continue", "A_Intro", "\"visible\":false"},
      // Chapter 5 chosen: its introduction is shown.
      {"click A_Select.Select(0)", "A_Intro", "\"visible\":true"},
      // Alt and the first letter press Continue.
      {"key A_Intro Alt+C", "Ex0Ask", "\"visible\":true"},
      // Typing replaces the field's text, as the change event sees it.
      {"type Ex0Ask.TurnOvr \"0.05\"", "Ex0Ask.TurnOvr", "\"text\":\"0.05\""},
      // The field takes the window's focus; the scene names it.
      {"focus Ex0Ask.SOM", "Ex0Ask", "\"focused\":\"SOM\""},
      // Escape does what Return does: the window is hidden.
      {"key Ex0Ask Escape", "Ex0Ask", "\"visible\":false"},
  };
  RecordingPage page;
  WebSession session(page);
  for (const Case& c : cases) {
    session.act(c.action);
    const std::string target = c.control;
    const auto dot = target.find('.');
    const Window& window = session.program().form(target.substr(0, dot));
    std::string json;
    if (dot == std::string::npos) {
      json = WindowJson(window);
    } else {
      const std::string part = target.substr(dot + 1);
      const auto open = part.find('(');
      const int index = open == std::string::npos ? -1 : std::stoi(part.substr(open + 1));
      json = ControlJson(window.control(part.substr(0, open), index));
    }
    EXPECT_NE(json.find(c.expected), std::string::npos) << c.action << " -> " << json;
  }
  EXPECT_TRUE(page.messages.empty());
}

TEST(WebSession, ARefusedActionSaysWhy) {
  RecordingPage page;
  WebSession session(page);
  const std::vector<std::string> printed = session.act("click A_Intro.Continue");
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].rfind("error {\"window\":\"A_Intro\"", 0), 0u) << printed[0];
}

// The hardwood run's pause is the page's input box, titled by the window when the program
// gives no title; the answer typed there goes on with the run.
TEST(WebSession, BoxesOfThePagesOwnActionsAreThePagesDialogs) {
  RecordingPage page;
  WebSession session(page);
  session.act("click A_Select.Select(7)");
  session.act("click A_Intro.Continue");
  session.act("type EX7Ask.nyr 50");
  page.answers = {"S"};
  session.act("click EX7Ask.Command1");
  ASSERT_FALSE(page.messages.empty());
  EXPECT_TRUE(page.answers.empty()) << "the pause was not asked on the page";
  // A run-time failure is reported in a box of the page, naming the window.
  page.messages.clear();
  session.act("type EX7Ask.nyr abc");
  session.act("click EX7Ask.Command1");
  ASSERT_EQ(page.messages.size(), 1u);
  EXPECT_NE(page.messages[0].find("was stopped"), std::string::npos) << page.messages[0];
}

// Escape pressed during the sequoia run's third frame: the run ends at the end of that year.
// The same run for a driver line is never stopped and shows no frames.
TEST(WebSession, ALongRunStopsAtTheEndOfAYearWhenThePageAsks) {
  RecordingPage page;
  WebSession session(page);
  page.session = &session;
  page.stopAtFrame = 3;
  for (const char* line : {"click A_Select.Select(6)", "click A_Intro.Continue",
                           "type Ex6Ask.RunToYear 2000", "click Ex6Ask.Command1"}) {
    session.act(line);
  }
  const std::string year = session.run("get Ex6Ask.CurrentYear").at(0);
  EXPECT_LT(std::stoi(year.substr(1)), 2000) << year;
  EXPECT_GE(page.frames, 3);
  // The run keeps its frame rate by letting the page wait (never holding the page for longer
  // than one 30 ms frame), not by holding the browser's only thread.
  EXPECT_GT(page.waits, 0);
  EXPECT_LE(page.longestWait, 30.0);
  // The request was forgotten with the run: the next run goes to its year.
  page.stopAtFrame = 0;
  const int framesBefore = page.frames;
  const int waitsBefore = page.waits;
  session.run("type Ex6Ask.RunToYear 2010");
  session.run("click Ex6Ask.Command1");
  EXPECT_EQ(session.run("get Ex6Ask.CurrentYear").at(0), "\"2010\"");
  EXPECT_EQ(page.frames, framesBefore);
  EXPECT_EQ(page.waits, waitsBefore);
}

// Typing on the page reaches a field as on the desktop: the text changes as a key goes down,
// and the key-up that follows runs the field's KeyUp handler, also after a key that changed
// nothing. The concentration converter recomputes the other units on the typed field's key-up.
TEST(WebSession, TypingChangesTheTextAndKeyUpRunsTheFieldsHandler) {
  RecordingPage page;
  WebSession session(page);
  for (const char* line : {"click A_Select.Select(2)", "click A_Intro.Command1"}) session.act(line);
  const auto text = [&](const char* target) {
    return session.run(std::string("get ") + target).at(0);
  };
  const std::string molesBefore = text("Ex2aAsk.Moles");
  session.edit("Ex2aAsk.Mass", "36");
  EXPECT_EQ(text("Ex2aAsk.Mass"), "\"36\"");
  EXPECT_EQ(text("Ex2aAsk.Moles"), molesBefore) << "the change alone converted";
  session.keyUp("Ex2aAsk.Mass");
  const std::string moles = text("Ex2aAsk.Moles");
  EXPECT_NE(moles, molesBefore);
  // A key that changes nothing (an arrow) still fires key-up: the moles typed over without a
  // key-up are converted back from the mass.
  session.edit("Ex2aAsk.Moles", "999");
  session.keyUp("Ex2aAsk.Mass");
  EXPECT_EQ(text("Ex2aAsk.Moles"), moles);
  // A key released after the window has closed reaches none of its fields.
  session.act("click Ex2aAsk.Return");
  session.edit("Ex2aAsk.Mass", "1");
  session.keyUp("Ex2aAsk.Mass");
  EXPECT_EQ(text("Ex2aAsk.Mass"), "\"36\"");
}

// Whether mark `index` of the packed numbers is `mark` (its kind, corners and colour).
bool PackedMarkIs(const DrawingUpdate& update, std::size_t index, const Mark& mark) {
  const double* packed = update.marks.data() + index * kPackedMarkFields;
  return packed[kPackedKind] == static_cast<double>(mark.kind) && packed[kPackedX1] == mark.x1 &&
         packed[kPackedY1] == mark.y1 && packed[kPackedX2] == mark.x2 &&
         packed[kPackedY2] == mark.y2 && packed[kPackedColor] == mark.color;
}

bool Has(const DrawingUpdate& update, const std::string& text) {
  return update.json.find(text) != std::string::npos;
}

// A page keeps what it painted: it is sent only the marks received since the last it painted,
// also after a long run's frame has dropped the transient marks (flames) before them; a drawing
// of another generation, or one the page claims to be ahead of, is sent whole.
TEST(WebSession, DrawingsAreSentFromWhereThePageLeftOff) {
  Surface surface(1500, 1500, kWhite);
  surface.Line(0, 0, 100, 100);  // persistent: sequence 1
  surface.AutoRedraw = false;
  surface.box(10, 10, 20, 20, kBlack, true);  // transient: 2, 3
  surface.box(30, 30, 40, 40, kBlack, true);
  surface.AutoRedraw = true;
  const std::uint64_t generation = surface.generation();
  surface.dropTransient();
  surface.Line(0, 100, 100, 0);  // persistent: 4, now the second mark in the list
  ASSERT_EQ(surface.marks().size(), 2u);
  const DrawingUpdate since = PackedDrawing(surface, generation, 3);
  EXPECT_TRUE(Has(since, "\"restart\":false,\"received\":4")) << since.json;
  ASSERT_EQ(since.marks.size(), std::size_t{kPackedMarkFields});
  EXPECT_TRUE(PackedMarkIs(since, 0, surface.marks()[1]));
  for (const std::uint64_t painted : {std::uint64_t{5}, std::uint64_t{0}}) {
    const DrawingUpdate whole =
        PackedDrawing(surface, painted == 5 ? generation : generation + 1, painted);
    EXPECT_TRUE(Has(whole, "\"restart\":true")) << painted;
    EXPECT_EQ(whole.marks.size(), 2u * kPackedMarkFields) << "the dropped marks are gone";
  }
  // A picture put under the drawing starts it over; its marks come first in the numbers, and
  // its texts first among the texts the numbers refer to.
  auto picture = std::make_shared<Picture>();
  picture->marks.push_back(TextMark(0, 0, "Sequoia", Font{}));
  surface.setPicture(picture);
  const DrawingUpdate again = PackedDrawing(surface, generation, 4);
  EXPECT_TRUE(Has(again, "\"restart\":true"));
  EXPECT_TRUE(Has(again, "\"count\":1}"));  // the picture's
  ASSERT_EQ(again.marks.size(), 3u * kPackedMarkFields);
  EXPECT_EQ(again.marks[kPackedText], 0);
  EXPECT_TRUE(PackedMarkIs(again, 1, surface.marks()[0]));
  EXPECT_TRUE(Has(again, "\"count\":2,\"texts\":[{\"text\":\"Sequoia\""));
  // The session finds a window's drawing by its name, and none for a window there is not.
  RecordingPage page;
  WebSession session(page);
  const Surface& menu = session.program().form("A_Select").surface();
  EXPECT_TRUE(Has(session.drawing("A_Select", menu.generation(), menu.marksReceived()),
                  "\"restart\":false"));
  EXPECT_EQ(session.drawing("NoSuchWindow", 0, 0).json, "null");
}

}  // namespace
}  // namespace sylvandra::web
