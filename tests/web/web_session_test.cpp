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

#include "json.h"
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

// A page that has painted a drawing is sent only the marks received since; a drawing cleared is
// sent whole again.
TEST(WebSession, DrawingsAreSentFromWhereThePageLeftOff) {
  RecordingPage page;
  WebSession session(page);
  for (const char* line :
       {"click A_Select.Select(0)", "click A_Intro.Continue", "click Ex0Ask.Command1"}) {
    session.act(line);
  }
  const Surface& surface = session.program().form("outpt").surface();
  const std::vector<Mark>& marks = surface.marks();
  const std::uint64_t received = surface.marksReceived();
  ASSERT_GT(marks.size(), 10u);
  ASSERT_EQ(marks.back().sequence, received);
  const std::uint64_t generation = surface.generation();
  const DrawingUpdate whole = session.drawing("outpt", generation + 1, 0);
  EXPECT_TRUE(Has(whole, "\"restart\":true"));
  EXPECT_TRUE(Has(whole, "\"count\":" + std::to_string(marks.size())));
  ASSERT_EQ(whole.marks.size(), marks.size() * kPackedMarkFields);
  EXPECT_TRUE(PackedMarkIs(whole, marks.size() - 1, marks.back()));
  // The graph's labels are texts the numbers refer to, in order.
  const auto text = std::find_if(marks.begin(), marks.end(),
                                 [](const Mark& m) { return m.kind == MarkKind::Text; });
  ASSERT_NE(text, marks.end());
  EXPECT_EQ(
      whole.marks[static_cast<std::size_t>(text - marks.begin()) * kPackedMarkFields + kPackedText],
      0);
  EXPECT_TRUE(Has(whole, "\"texts\":[{\"text\":" + script::JsonString(text->text)));
  // Painted up to the one before the last: only the last is sent.
  const DrawingUpdate rest = session.drawing("outpt", generation, received - 1);
  EXPECT_TRUE(Has(rest, "\"restart\":false,\"received\":" + std::to_string(received)));
  ASSERT_EQ(rest.marks.size(), std::size_t{kPackedMarkFields});
  EXPECT_TRUE(PackedMarkIs(rest, 0, marks.back()));
  // More painted than there are: the page starts over.
  EXPECT_TRUE(Has(session.drawing("outpt", generation, received + 1), "\"restart\":true"));
  EXPECT_EQ(session.drawing("NoSuchWindow", 0, 0).json, "null");
}

// A frame of a long run drops the transient marks the page has painted (flames): the page keeps
// them painted and is sent only what comes after, not the whole map again.
TEST(PackedDrawing, TransientMarksDroppedAfterPaintingDoNotRestartTheDrawing) {
  Surface surface(1500, 1500, kWhite);
  surface.Line(0, 0, 100, 100);  // persistent: sequence 1
  surface.AutoRedraw = false;
  surface.box(10, 10, 20, 20, kBlack, true);  // transient: 2
  surface.box(30, 30, 40, 40, kBlack, true);  // transient: 3
  surface.AutoRedraw = true;
  const std::uint64_t generation = surface.generation();
  EXPECT_EQ(surface.marksReceived(), 3u);
  surface.dropTransient();
  surface.Line(0, 100, 100, 0);  // persistent: 4, now the second mark in the list
  ASSERT_EQ(surface.marks().size(), 2u);
  const DrawingUpdate update = PackedDrawing(surface, generation, 3);
  EXPECT_TRUE(Has(update, "\"restart\":false,\"received\":4")) << update.json;
  ASSERT_EQ(update.marks.size(), std::size_t{kPackedMarkFields});
  EXPECT_TRUE(PackedMarkIs(update, 0, surface.marks()[1]));
  // Painted nothing of it yet: the marks still there are all sent; the dropped ones are gone.
  const DrawingUpdate fresh = PackedDrawing(surface, generation, 0);
  ASSERT_EQ(fresh.marks.size(), 2u * kPackedMarkFields);
  EXPECT_TRUE(PackedMarkIs(fresh, 0, surface.marks()[0]));
  EXPECT_TRUE(PackedMarkIs(fresh, 1, surface.marks()[1]));
  // A picture put under the drawing starts it over; its marks come first in the numbers, and
  // its texts first among the texts.
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
}

// Every field of a mark reaches the page: a filled box, a dashed wide line, a hatched circle
// and a text, each packed as its kind's painter reads it.
TEST(PackedDrawing, EachKindOfMarkKeepsWhatItsPainterNeeds) {
  Surface surface(3000, 3000, kWhite);
  surface.box(10, 20, 30, 40, Rgb(1, 2, 3), true);
  surface.DrawWidth = 3;
  surface.DrawStyle = 2;
  surface.Line(5, 6, 7, 8, Rgb(9, 10, 11));
  surface.DrawWidth = 1;
  surface.DrawStyle = 0;
  surface.FillStyle = 6;
  surface.FillColor = Rgb(0, 0, 255);
  surface.Circle(100, 200, 50, Rgb(255, 0, 0));
  surface.CurrentX = 300;
  surface.CurrentY = 400;
  surface.Print("Year = 1880");
  const DrawingUpdate update = PackedDrawing(surface, surface.generation(), 0);
  ASSERT_EQ(update.marks.size(), 4u * kPackedMarkFields);
  const auto field = [&](int mark, PackedMarkField f) {
    return update.marks[static_cast<std::size_t>(mark * kPackedMarkFields + f)];
  };
  // The box: kind 1, filled, its colour 0x010203 = 66051.
  EXPECT_EQ(field(0, kPackedKind), 1);
  EXPECT_EQ(field(0, kPackedFlags), kPackedFilled);
  EXPECT_EQ(field(0, kPackedColor), 66051);
  EXPECT_EQ(field(0, kPackedText), -1);
  // The line: kind 0, 3 pixels wide, dotted (style 2), from (5, 6) to (7, 8).
  EXPECT_EQ(field(1, kPackedKind), 0);
  EXPECT_EQ(field(1, kPackedWidth), 3);
  EXPECT_EQ(field(1, kPackedStyle), 2);
  EXPECT_EQ(field(1, kPackedX2), 7);
  EXPECT_EQ(field(1, kPackedY2), 8);
  // The circle: kind 2, radius 50, cross-hatched (6) in blue 0x0000ff = 255.
  EXPECT_EQ(field(2, kPackedKind), 2);
  EXPECT_EQ(field(2, kPackedR), 50);
  EXPECT_EQ(field(2, kPackedFlags), kPackedHasFill);
  EXPECT_EQ(field(2, kPackedFill), 255);
  EXPECT_EQ(field(2, kPackedFillStyle), 6);
  // The text: kind 3, at (300, 400), the first of the drawing's texts.
  EXPECT_EQ(field(3, kPackedKind), 3);
  EXPECT_EQ(field(3, kPackedX1), 300);
  EXPECT_EQ(field(3, kPackedY1), 400);
  EXPECT_EQ(field(3, kPackedText), 0);
  EXPECT_TRUE(Has(update, "\"count\":4,\"texts\":[{\"text\":\"Year = 1880\""));
}

}  // namespace
}  // namespace sylvandra::web
