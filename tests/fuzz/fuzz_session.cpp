// The fuzz session: for every window the menu leads to, random sequences of a student's actions
// (clicks, typed texts of every awkward kind, focus, closing windows, opening the window again
// from its chapter) with random answers to input boxes, on the headless program.
//
// A sequence fails when the program crashes, a handler runs past the bound, "inf" or "nan"
// shows in a field, a caption, a message or on a drawing, when a refused action changed anything
// but the text typed (in any window, the game's cascades included), or when the window cannot
// afterwards run its designed defaults (typed back in, the run buttons clicked) as a fresh
// program does.
//
//   sylvandra_fuzz                      500 actions per window, a new seed each run
//   sylvandra_fuzz --long               10,000 actions per window
//   sylvandra_fuzz --window Ex6Ask --seed 1234 --actions 500     replays one window's sequence
//   sylvandra_fuzz --soak               long sessions, printing the memory they take
//
// Every window's seed is printed before its sequence starts, so a failure, a crash included,
// names the command that replays it.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/startup.h"
#include "platform/host.h"
#include "platform/program.h"
#include "shell/a_intro.h"
#include "shell/a_select.h"
#include "shell/catalogue.h"

namespace sylvandra {
namespace {

using Clock = std::chrono::steady_clock;

// ---- What is being done now, for the crash and hang reports --------------------------------

char gCurrentAction[512] = "";
char gReplay[256] = "";
std::atomic<std::int64_t> gDeadline{0};  // steady-clock nanoseconds; 0 while no action runs
// The actions before the current one; only written between actions, so the watchdog may read
// it while a handler runs.
const std::vector<std::string>* gRecent = nullptr;

void WriteRaw(const char* text) {
  const size_t length = std::strlen(text);
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text, length);
}

void ReportAndDie(const char* what) {
  WriteRaw("\nFUZZ FAILURE: ");
  WriteRaw(what);
  WriteRaw("\n  during: ");
  WriteRaw(gCurrentAction);
  WriteRaw("\n  replay: ");
  WriteRaw(gReplay);
  WriteRaw("\n");
}

void OnFatalSignal(int signal) {
  ReportAndDie(signal == SIGSEGV   ? "crash (segmentation fault)"
               : signal == SIGABRT ? "crash (abort)"
               : signal == SIGFPE  ? "crash (arithmetic exception)"
                                   : "crash (signal)");
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void Watchdog(std::atomic<bool>& stop) {
  while (!stop.load()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::int64_t deadline = gDeadline.load();
    if (deadline != 0 && Clock::now().time_since_epoch().count() > deadline) {
      if (gRecent) {
        WriteRaw("\nthe last actions:\n");
        for (const std::string& a : *gRecent) {
          WriteRaw("    ");
          WriteRaw(a.c_str());
          WriteRaw("\n");
        }
      }
      ReportAndDie("a handler ran past the bound (a hang)");
      std::_Exit(3);
    }
  }
}

// ---- Texts a student might type ---------------------------------------------------------------

std::vector<std::string> AwkwardTexts() {
  return {"",
          " ",
          "   ",
          "abc",
          "x",
          "12abc",
          "-0",
          "0",
          "00",
          "1",
          "-1",
          "2",
          "0.5",
          "-0.5",
          ".",
          "-",
          "+",
          "e",
          "1e",
          "1,5",
          "1.2.3",
          " 7 ",
          "1e308",
          "-1e308",
          "1.7976931348623157e308",
          "1e309",
          "1e-320",
          "-1e-320",
          "4.9e-324",
          "1e-300",
          "NaN",
          "nan",
          "inf",
          "-inf",
          "Infinity",
          "1e5",
          "1e6",
          "1e9",
          "99999",
          "2147483647",
          "2147483648",
          "-2147483649",
          "9223372036854775808",
          "&H7FFF",
          "1d3",
          "0x10",
          std::string(300, '9'),
          "0." + std::string(400, '0') + "1",
          std::string(5000, 'a'),
          std::string(2000, ' '),
          "\xC3\xA9t\xC3\xA9",         // été
          "\xE6\x97\xA5\xE6\x9C\xAC",  // two CJK characters
          "\xF0\x9F\x8C\xB2",          // an emoji (4 bytes)
          "\xFF\xFE",                  // bytes that are not UTF-8
          std::string("1\0002", 3),    // an embedded NUL
          "\t",
          "\n",
          "5\r\n"};
}

class Fuzz {
 public:
  explicit Fuzz(std::uint64_t seed) : rng(seed) {}
  std::mt19937_64 rng;
  const std::vector<std::string> texts = AwkwardTexts();

  int below(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng)); }
  bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

  // A text: one of the awkward ones, a random number of some size, or a field's designed text
  // (so that runs also go on with sensible values mixed in).
  std::string text(const std::string& designed) {
    switch (below(6)) {
      case 0:
      case 1:
      case 2:
        return texts[static_cast<size_t>(below(static_cast<int>(texts.size())))];
      case 3: {
        const double magnitude = std::pow(10.0, below(13) - 4);
        const double value =
            (chance(0.2) ? -1 : 1) * magnitude * std::uniform_real_distribution<double>(0, 1)(rng);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, chance(0.5) ? "%.0f" : "%.6g", value);
        return buffer;
      }
      case 4:
        return std::to_string(below(200) - 20);
      default:
        return designed;
    }
  }
};

// ---- "inf" and "nan" ----------------------------------------------------------------------

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// True when text holds "inf" or "nan" as a word of its own (in any case), as a number printed
// from a non-finite value shows; "Infiltration" or "Nancy" do not count.
bool ShowsNonFinite(std::string_view text) {
  for (size_t i = 0; i + 3 <= text.size(); ++i) {
    const char a = static_cast<char>(text[i] | 0x20), b = static_cast<char>(text[i + 1] | 0x20),
               c = static_cast<char>(text[i + 2] | 0x20);
    const bool word = (a == 'i' && b == 'n' && c == 'f') || (a == 'n' && b == 'a' && c == 'n');
    if (!word) continue;
    if (i > 0 && IsLetter(text[i - 1])) continue;
    size_t end = i + 3;
    if (a == 'i' && text.substr(i, 8).size() == 8) {
      std::string rest(text.substr(i, 8));
      for (char& ch : rest) ch = static_cast<char>(ch | 0x20);
      if (rest == "infinity") end = i + 8;
    }
    if (end < text.size() && IsLetter(text[end])) continue;
    return true;
  }
  return false;
}

// A message quotes the student's own text between single quotes ("Year: 'NaN' must be ..."):
// that text is theirs, not something the program computed.
std::string WithoutQuotedTexts(const std::string& message) {
  std::string out;
  bool quoted = false;
  for (char c : message) {
    if (c == '\'') {
      quoted = !quoted;
      continue;
    }
    if (!quoted) out += c;
  }
  return out;
}

// ---- A host that answers boxes at random and records everything shown ---------------------------

class FuzzHost : public Host {
 public:
  explicit FuzzHost(Fuzz* fuzz) : fuzz_(fuzz) {}

  int messageBox(const std::string& prompt, int buttons, const std::string& title) override {
    shown.push_back(title + ": " + prompt);
    if (!fuzz_) return buttons == 4 || buttons == 3 ? 6 : 1;
    switch (buttons) {
      case 1:
        return fuzz_->chance(0.5) ? 1 : 2;  // OK, Cancel
      case 3: {                             // Yes, No, Cancel
        const int replies[] = {6, 7, 2};
        return replies[fuzz_->below(3)];
      }
      case 4:
        return 6 + fuzz_->below(2);  // Yes, No
      default:
        return 1;
    }
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    shown.push_back(title + ": " + prompt + " [" + defaultText + "]");
    ++inputBoxes;
    if (!fuzz_) return defaultText;
    if (inputBoxes > 200) return "";     // a run asking without end is cancelled, as a person would
    if (fuzz_->chance(0.25)) return "";  // cancelled
    std::string reply = fuzz_->text(defaultText);
    if (ShowsNonFinite(reply)) answeredNonFinite.push_back(reply);
    return reply;
  }
  void programEnded() override { ended = true; }
  void reportFailure(const Window& window, const std::string& message) override {
    failures.push_back(window.name() + ": " + message);
  }

  Fuzz* fuzz_;
  std::vector<std::string> shown;
  std::vector<std::string> failures;
  std::vector<std::string> answeredNonFinite;  // replies that read "inf" or "nan"
  int inputBoxes = 0;
  bool ended = false;
};

// ---- One window's sequence ----------------------------------------------------------------

struct Route {
  int row = -1;
  const char* button = nullptr;
};

// The game is reached through the main menu's "Extras" menu, not through a chapter.
constexpr int kExtrasMenu = -2;
constexpr const char* kGameWindow = "D81";

Route RouteTo(std::string_view window) {
  if (window == kGameWindow) return {kExtrasMenu, "mnuForestGame"};
  for (int row = 0; row < kChapterCount; ++row) {
    const ChapterEntry& entry = Catalogue()[static_cast<size_t>(row)];
    if (entry.continueShown() && entry.continueWindow == window) return {row, "Continue"};
    const char* const buttons[] = {"Command1", "Command2", "Command3"};
    for (size_t b = 0; b < 3; ++b)
      if (entry.buttons[b].window == window) return {row, buttons[b]};
  }
  return {};
}

// Every window the menu leads to, in catalogue order, then the game (its Extras menu).
std::vector<std::string> MenuWindows() {
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (const ChapterEntry& entry : Catalogue()) {
    const std::string_view windows[] = {entry.continueWindow, entry.buttons[0].window,
                                        entry.buttons[1].window, entry.buttons[2].window};
    for (std::string_view w : windows) {
      if (w.empty() || !seen.insert(std::string(w)).second) continue;
      names.emplace_back(w);
    }
  }
  names.emplace_back(kGameWindow);
  return names;
}

void OpenFromMenu(Program& program, const std::string& window) {
  const Route route = RouteTo(window);
  if (route.row == kExtrasMenu) {
    program.click(program.form<A_Select>().control(route.button));
    return;
  }
  program.click(program.form<A_Select>().Select(route.row));
  program.click(program.form<A_Intro>().control(route.button));
}

bool Shown(const Control& control) {
  return control.visible() && control.enabled();
}

bool IsMenu(const Window& window) {
  return window.name() == A_Select::kName || window.name() == A_Intro::kName;
}

class Session {
 public:
  Session(std::string window, std::uint64_t seed, double boundSeconds)
      : window_(std::move(window)),
        fuzz_(seed),
        host_(&fuzz_),
        program_(host_),
        bound_(boundSeconds) {
    StartProgram(program_);
  }
  ~Session() { gRecent = nullptr; }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs the actions; returns the problems found (empty when none).
  std::vector<std::string> run(long actions) {
    gRecent = &log_;
    OpenFromMenu(program_, window_);
    for (long i = 0; i < actions && problems_.empty(); ++i) {
      const Snapshot before = take();
      const size_t failuresBefore = host_.failures.size();
      typedInto_ = nullptr;
      step(i);
      check(i);
      if (host_.failures.size() > failuresBefore) checkUnchanged(i, before);
    }
    return problems_;
  }

  Program& program() { return program_; }
  FuzzHost& host() { return host_; }

 private:
  template <class Fn>
  void act(long i, const std::string& what, Fn fn) {
    std::snprintf(gCurrentAction, sizeof gCurrentAction, "%s action %ld: %.400s", window_.c_str(),
                  i, what.c_str());
    log_.push_back(what);
    if (log_.size() > 40) log_.erase(log_.begin());
    gDeadline.store((Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(bound_)))
                        .time_since_epoch()
                        .count());
    fn();
    gDeadline.store(0);
  }

  static std::string describe(const Control& c) {
    return c.window().name() + "." + c.qualifiedName();
  }
  static std::string shorten(const std::string& text) {
    std::string out = text.size() > 60
                          ? text.substr(0, 60) + "...(" + std::to_string(text.size()) + " bytes)"
                          : text;
    std::string printable;
    for (unsigned char ch : out) {
      if (ch < 0x20) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\x%02x", ch);
        printable += buffer;
      } else {
        printable += static_cast<char>(ch);
      }
    }
    return "\"" + printable + "\"";
  }

  void step(long i) {
    Window& target = program_.form(window_);
    if (!target.visible() && fuzz_.chance(0.5)) {
      act(i, "open " + window_ + " from the menu", [&] { OpenFromMenu(program_, window_); });
      return;
    }
    if (fuzz_.chance(0.02)) {
      act(i, "open " + window_ + " from the menu", [&] { OpenFromMenu(program_, window_); });
      return;
    }
    // What a person can reach: the shown, enabled controls of the shown windows (the menu and
    // the introduction aside, which would lead elsewhere).
    std::vector<Control*> reachable;
    std::vector<Window*> shownWindows;
    for (Window* w : program_.windows()) {
      if (!w->visible() || IsMenu(*w)) continue;
      shownWindows.push_back(w);
      for (const auto& c : w->controls()) {
        if (!Shown(*c)) continue;
        const bool active = c->kind() != ControlKind::Label && c->kind() != ControlKind::Frame &&
                            c->kind() != ControlKind::PictureBox;
        if (active || c->onClick) reachable.push_back(c.get());
      }
    }
    if (reachable.empty() || fuzz_.chance(0.01)) {
      if (!shownWindows.empty() && fuzz_.chance(0.5)) {
        Window* w =
            shownWindows[static_cast<size_t>(fuzz_.below(static_cast<int>(shownWindows.size())))];
        act(i, "close " + w->name(), [&] { program_.closeWindow(*w); });
      } else {
        act(i, "open " + window_ + " from the menu", [&] { OpenFromMenu(program_, window_); });
      }
      return;
    }
    Control& c = *reachable[static_cast<size_t>(fuzz_.below(static_cast<int>(reachable.size())))];
    if (c.kind() == ControlKind::TextBox) {
      const int how = fuzz_.below(10);
      if (how < 7) {
        if (c.locked()) {
          act(i, "focus " + describe(c), [&] { program_.focus(c); });
          return;
        }
        std::string text = fuzz_.text(c.text());
        act(i, "type " + describe(c) + " " + shorten(text), [&] {
          typed(text);
          typedInto(c, text);
          program_.type(c, text);
        });
      } else if (how == 7) {
        if (c.locked()) return;
        std::string text = fuzz_.text(c.text());
        act(i, "edit (no key-up) " + describe(c) + " " + shorten(text), [&] {
          typed(text);
          typedInto(c, text);
          program_.edit(c, text);
        });
      } else if (how == 8) {
        act(i, "key-up " + describe(c), [&] { program_.keyUp(c); });
      } else {
        act(i, "focus " + describe(c), [&] { program_.focus(c); });
      }
      return;
    }
    if (fuzz_.chance(0.05)) {
      act(i, "focus " + describe(c), [&] { program_.focus(c); });
      return;
    }
    act(i, "click " + describe(c), [&] { program_.click(c); });
  }

  void typedInto(const Control& c, const std::string& text) {
    typedInto_ = &c;
    typedBefore_ = c.text();
    typedText_ = text;
  }

  void typed(const std::string& text) {
    if (ShowsNonFinite(text)) typedNonFinite_.insert(text);
  }

  void problem(long i, const std::string& what) {
    problems_.push_back("after action " + std::to_string(i) + ": " + what);
  }

  // Everything a handler may change, of every window: each window's caption, visibility, place
  // and focus, each control's text, caption, value, visibility, state, colours, place and font,
  // and each drawing surface's state and full list of marks.
  struct Snapshot {
    std::vector<std::pair<const Control*, std::string>> controls;
    std::vector<std::pair<std::string, std::string>> others;  // windows and surfaces, by name
  };
  static std::string describe(const Font& font) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "font %d %.17g%s%s%s", static_cast<int>(font.family),
                  font.points, font.bold ? " bold" : "", font.italic ? " italic" : "",
                  font.underline ? " underline" : "");
    return buffer;
  }
  static std::string describe(const Rect& rect) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "at %.17g,%.17g size %.17gx%.17g", rect.left, rect.top,
                  rect.width, rect.height);
    return buffer;
  }
  // The drawing state in words, then one hash of every property of every mark.
  static std::string describe(const Surface& surface) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "scale %.17gx%.17g back %06x current %.17g,%.17g width %d style %d fill %d "
                  "colour %06x fore %06x autoredraw %d series %d picture %p generation %llu ",
                  surface.ScaleWidth(), surface.ScaleHeight(), surface.BackColor(),
                  surface.CurrentX, surface.CurrentY, surface.DrawWidth, surface.DrawStyle,
                  surface.FillStyle, surface.FillColor, surface.ForeColor, surface.AutoRedraw,
                  surface.Series, static_cast<const void*>(surface.picture().get()),
                  static_cast<unsigned long long>(surface.generation()));
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void* data, size_t size) {
      const auto* bytes = static_cast<const unsigned char*>(data);
      for (size_t k = 0; k < size; ++k) h = (h ^ bytes[k]) * 1099511628211ull;
    };
    for (const Mark& m : surface.marks()) {
      const double numbers[] = {m.x1, m.y1, m.x2, m.y2, m.r, m.font.points};
      const int flags[] = {static_cast<int>(m.kind),
                           static_cast<int>(m.color),
                           m.width,
                           m.style,
                           m.filled,
                           m.fill.has_value(),
                           static_cast<int>(m.fill.value_or(0)),
                           m.fillStyle,
                           m.transient,
                           m.kept,
                           m.series,
                           static_cast<int>(m.font.family),
                           m.font.bold,
                           m.font.italic,
                           m.font.underline};
      mix(numbers, sizeof numbers);
      mix(flags, sizeof flags);
      mix(m.text.data(), m.text.size());
      mix("", 1);
    }
    return std::string(buffer) + describe(surface.font) + " marks " +
           std::to_string(surface.marks().size()) + " hash " + std::to_string(h);
  }
  static std::string State(const Control& c) {
    char colours[64];
    std::snprintf(colours, sizeof colours, " back %06x fore %06x", c.backColor(), c.foreColor());
    return "text " + shorten(c.text()) + " caption " + shorten(c.caption()) + " value " +
           std::to_string(c.value()) + (c.visible() ? " visible" : " hidden") +
           (c.enabled() ? " enabled" : " disabled") + (c.locked() ? " locked" : "") + colours +
           " " + describe(c.rect()) + " " + describe(c.font()) + " label " + c.label();
  }
  static std::string State(const Window& w) {
    const Control* focused = w.focusedControl();
    return "caption " + shorten(w.caption()) + (w.visible() ? " visible" : " hidden") + " " +
           describe(w.rect()) + " " + describe(w.font()) + " focus " +
           (focused ? focused->qualifiedName() : "none");
  }
  Snapshot take() const {
    Snapshot snapshot;
    for (Window* w : program_.windows()) {
      const Window& shown = *w;
      snapshot.others.emplace_back(w->name(), State(shown));
      snapshot.others.emplace_back(w->name() + " drawing", describe(shown.surface()));
      for (const auto& c : w->controls()) {
        snapshot.controls.emplace_back(c.get(), State(*c));
        if (const Surface* s = c->surfaceIfAny())
          snapshot.others.emplace_back(describe(*c) + " drawing", describe(*s));
      }
    }
    return snapshot;
  }
  // A refused action changes nothing but the text typed: every window, control and drawing of
  // the windows there were before it is as it was. (A window the action opened for the first
  // time stays created.)
  void checkUnchanged(long i, const Snapshot& before) {
    const Snapshot after = take();
    const std::string failure = host_.failures.back();
    auto changed = [&](const std::string& what, const std::string& was, const std::string& is) {
      problem(i, "a refused action (" + failure + ") changed " + what + "\n      from " + was +
                     "\n      to   " + is);
    };
    for (size_t k = 0; k < before.controls.size() && k < after.controls.size(); ++k) {
      const std::string& was = before.controls[k].second;
      const Control& c = *before.controls[k].first;
      if (&c == typedInto_) {
        // The typed text is the student's and stays; everything else about the field goes back.
        if (c.text() != typedText_) {
          changed(describe(c) + "'s typed text", shorten(typedText_), shorten(c.text()));
          return;
        }
        const std::string textBefore = "text " + shorten(typedBefore_);
        const std::string expected = "text " + shorten(typedText_) + was.substr(textBefore.size());
        if (expected != after.controls[k].second) {
          changed(describe(c), expected, after.controls[k].second);
          return;
        }
        continue;
      }
      if (was != after.controls[k].second) {
        changed(describe(c), was, after.controls[k].second);
        return;
      }
    }
    for (size_t k = 0; k < before.others.size() && k < after.others.size(); ++k) {
      if (before.others[k] != after.others[k]) {
        changed(before.others[k].first, before.others[k].second, after.others[k].second);
        return;
      }
    }
  }

  void check(long i) {
    for (const std::string& reply : host_.answeredNonFinite) typedNonFinite_.insert(reply);
    host_.answeredNonFinite.clear();
    for (size_t k = checkedShown_; k < host_.shown.size(); ++k)
      if (ShowsNonFinite(computed(WithoutQuotedTexts(host_.shown[k]))))
        problem(i, "a box shows inf/nan: " + host_.shown[k]);
    checkedShown_ = host_.shown.size();
    for (size_t k = checkedFailures_; k < host_.failures.size(); ++k) {
      if (ShowsNonFinite(computed(WithoutQuotedTexts(host_.failures[k]))))
        problem(i, "a failure message shows inf/nan: " + host_.failures[k]);
      if (host_.failures[k].find("unexpected failure") != std::string::npos)
        problem(i, "a failure that names no field: " + host_.failures[k]);
    }
    checkedFailures_ = host_.failures.size();
    for (Window* w : program_.windows())
      checkWindow(*w, [&](const std::string& what) { problem(i, what); });
  }

 public:
  template <class Report>
  void checkWindow(Window& w, Report report) {
    // The model page is fixed course text ("rounded towards minus infinity"), not a result.
    if (w.name() == "ModelPage") return;
    if (ShowsNonFinite(computed(w.caption())))
      report(w.name() + " caption shows inf/nan: " + w.caption());
    checkSurface(w.name(), w.surface(), report);
    for (const auto& c : w.controls()) {
      if (ShowsNonFinite(computed(c->text())))
        report(describe(*c) + " shows " + shorten(c->text()));
      if (ShowsNonFinite(computed(c->caption())))
        report(describe(*c) + " caption shows " + shorten(c->caption()));
      if (const Surface* s = c->surfaceIfAny()) checkSurface(describe(*c), *s, report);
    }
  }

  template <class Report>
  void checkSurface(const std::string& where, const Surface& surface, Report report) const {
    for (const Mark& m : surface.marks()) {
      if (!std::isfinite(m.x1) || !std::isfinite(m.y1) || !std::isfinite(m.x2) ||
          !std::isfinite(m.y2) || !std::isfinite(m.r)) {
        report(where + " has a mark at a non-finite position");
        return;
      }
      if (m.kind == MarkKind::Text && ShowsNonFinite(computed(m.text))) {
        report(where + " drawing shows " + shorten(m.text));
        return;
      }
    }
  }

  // The text without the student's own texts that read "inf" or "nan": a field or a caption
  // that shows what was typed (a year echoed as typed, say) shows the student's text, not a
  // number the program computed.
  std::string computed(std::string text) const {
    if (!ShowsNonFinite(text)) return text;
    for (const std::string& typed : typedNonFinite_) {
      for (size_t at = text.find(typed); at != std::string::npos; at = text.find(typed, at))
        text.erase(at, typed.size());
    }
    return text;
  }

  const std::vector<std::string>& recentActions() const { return log_; }

 private:
  std::string window_;
  Fuzz fuzz_;
  FuzzHost host_;
  Program program_;
  double bound_;
  std::vector<std::string> problems_;
  std::vector<std::string> log_;
  std::set<std::string> typedNonFinite_;
  const Control* typedInto_ = nullptr;   // the field the current action typed into
  std::string typedBefore_, typedText_;  // its text before, and the text typed
  size_t checkedShown_ = 0, checkedFailures_ = 0;
};

// ---- The designed defaults, run again --------------------------------------------------------

struct DefaultsRun {
  std::vector<std::string> failures;  // failures reported during the run
  std::vector<std::string> results;   // every field and caption of the window, then the drawing
};

// The designed state of a window, as a fresh program shows it when the menu opens it.
struct Designed {
  std::map<std::string, std::string> texts;
  std::map<std::string, int> values;
};

Designed DesignedState(const std::string& window) {
  FuzzHost host(nullptr);
  Program program(host);
  StartProgram(program);
  OpenFromMenu(program, window);
  Designed designed;
  for (const auto& c : program.form(window).controls()) {
    designed.texts[c->qualifiedName()] = c->text();
    designed.values[c->qualifiedName()] = c->value();
  }
  return designed;
}

// Opens the window from the menu, puts its designed texts and choices back as a student would
// (clicks and typing) and clicks every run button (all but Return) in turn.
DefaultsRun RunDefaults(Program& program, FuzzHost& host, const std::string& window,
                        const Designed& designed) {
  host.fuzz_ = nullptr;  // boxes answered with their default texts
  OpenFromMenu(program, window);
  Window& w = program.form(window);
  for (const auto& c : w.controls()) {
    const int value = designed.values.at(c->qualifiedName());
    if (!Shown(*c)) continue;
    if (c->kind() == ControlKind::OptionButton && value != 0 && c->value() == 0) program.click(*c);
    if (c->kind() == ControlKind::CheckBox && c->value() != value) program.click(*c);
  }
  for (const auto& c : w.controls()) {
    const std::string& text = designed.texts.at(c->qualifiedName());
    if (c->kind() == ControlKind::TextBox && !c->locked() && c->enabled() && c->text() != text)
      program.type(*c, text);
  }
  // While the texts go back, a field may still be refused for another that has not been put
  // back yet. From here on, with every designed text in place, nothing may fail: each field is
  // typed once more (its key-up runs again), then the run buttons are clicked.
  const size_t failuresBefore = host.failures.size();
  for (const auto& c : w.controls()) {
    if (c->kind() == ControlKind::TextBox && !c->locked() && c->enabled())
      program.type(*c, c->text());
  }
  for (const auto& c : w.controls()) {
    if (c->kind() == ControlKind::CommandButton && Shown(*c) && c->caption() != "Return" &&
        w.visible())
      program.click(*c);
  }
  DefaultsRun run;
  run.failures.assign(host.failures.begin() + static_cast<long>(failuresBefore),
                      host.failures.end());
  for (Window* shown : program.windows()) {
    // A model page left open is help beside the run, not one of its results.
    if (!shown->visible() || IsMenu(*shown) || shown->name() == "ModelPage") continue;
    for (const auto& c : shown->controls())
      if (c->visible())
        run.results.push_back(shown->name() + "." + c->qualifiedName() + " = " + c->text() + "|" +
                              c->caption());
    for (const Mark& m : shown->surface().marks())
      if (m.kind == MarkKind::Text) run.results.push_back(shown->name() + " text " + m.text);
  }
  return run;
}

// ---- Long sessions: memory figures, printed (nothing asserted) ----------------------------

long ResidentKb() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long kb = -1;
  while (std::fgets(line, sizeof line, status))
    if (std::sscanf(line, "VmRSS: %ld", &kb) == 1) break;
  std::fclose(status);
  return kb;
}

// 1000 fire years with flames, 100 runs of every window's defaults, every window opened from
// the menu and closed 1000 times; the resident memory is printed after each part's first tenth
// and at its end, for a person to compare.
int Soak(int runs, const std::string& only) {
  std::vector<std::string> windows = MenuWindows();
  if (!only.empty()) windows = {only};
  FuzzHost host(nullptr);
  Program program(host);
  StartProgram(program);
  std::printf("start: %ld KB\n", ResidentKb());

  OpenFromMenu(program, "Ex6Ask");
  Window& fire = program.form("Ex6Ask");
  for (int block = 1; block <= 10; ++block) {
    program.type(fire.control("RunToYear"), std::to_string(1880 + 100 * block));
    program.click(fire.control("Command1"));
    if (block == 1 || block == 10)
      std::printf("fire years with flames: %d, %ld KB\n", 100 * block, ResidentKb());
  }

  std::map<std::string, Designed> designed;
  for (const std::string& name : windows) designed[name] = DesignedState(name);
  for (int run = 1; run <= runs; ++run) {
    for (const std::string& name : windows) {
      RunDefaults(program, host, name, designed[name]);
      host.shown.clear();  // the host's own record of boxes is no part of the program
    }
    if (run % (runs / 4) == 0)
      std::printf("runs of every window's defaults: %d, %ld KB\n", run, ResidentKb());
  }

  for (int round = 1; round <= 1000; ++round) {
    for (const std::string& name : windows) {
      OpenFromMenu(program, name);
      program.closeWindow(program.form(name));
    }
    if (round == 100 || round == 1000)
      std::printf("every window opened and closed: %d times, %ld KB\n", round, ResidentKb());
  }
  std::printf("failures reported: %zu\n", host.failures.size());
  for (const std::string& f : host.failures) std::printf("    %s\n", f.c_str());
  return host.failures.empty() ? 0 : 1;
}

// ---- Main ------------------------------------------------------------------------------------

std::uint64_t SplitMix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

int Main(int argc, char** argv) {
  long actions = 500;
  std::uint64_t seed = std::random_device{}();
  seed = (seed << 32) ^ std::random_device{}();
  bool seedGiven = false;
  std::string only;
  double bound = 60;
  bool soak = false;
  int runs = 100;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = argv[a];
    const bool hasValue = a + 1 < argc;
    if (arg == "--soak") {
      soak = true;

    } else if (arg == "--runs" && hasValue) {
      runs = std::atoi(argv[++a]);
    } else if (arg == "--long") {
      actions = 10000;
    } else if (arg == "--actions" && hasValue) {
      actions = std::atol(argv[++a]);
    } else if (arg == "--seed" && hasValue) {
      seed = std::strtoull(argv[++a], nullptr, 10);
      seedGiven = true;
    } else if (arg == "--window" && hasValue) {
      only = argv[++a];
    } else if (arg == "--bound" && hasValue) {
      bound = std::atof(argv[++a]);
    } else {
      std::fprintf(stderr,
                   "usage: %s [--soak [--runs N] | --long | --actions N] [--seed S] [--window "
                   "NAME] [--bound SECONDS]\n",
                   argv[0]);
      return 2;
    }
  }
  if (soak) return Soak(std::max(runs, 4), only);
  for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) std::signal(s, OnFatalSignal);
  std::atomic<bool> stop{false};
  std::thread watchdog(Watchdog, std::ref(stop));

  std::vector<std::string> windows = MenuWindows();
  if (!only.empty()) {
    if (RouteTo(only).row == -1) {
      std::fprintf(stderr, "the menu leads to no window named %s\n", only.c_str());
      stop = true;
      watchdog.join();
      return 2;
    }
    windows = {only};
  }
  std::printf("fuzz: %ld actions per window, %zu windows, seed %llu\n", actions, windows.size(),
              static_cast<unsigned long long>(seed));
  int failed = 0;
  long total = 0;
  for (size_t k = 0; k < windows.size(); ++k) {
    const std::string& name = windows[k];
    const std::uint64_t windowSeed = only.empty() || !seedGiven ? SplitMix(seed + k) : seed;
    std::snprintf(gReplay, sizeof gReplay, "sylvandra_fuzz --window %s --seed %llu --actions %ld",
                  name.c_str(), static_cast<unsigned long long>(windowSeed), actions);
    std::printf("%-10s seed %-20llu ", name.c_str(), static_cast<unsigned long long>(windowSeed));
    std::fflush(stdout);

    const Designed designed = DesignedState(name);
    FuzzHost freshHost(nullptr);
    Program fresh(freshHost);
    StartProgram(fresh);
    const DefaultsRun reference = RunDefaults(fresh, freshHost, name, designed);

    Session session(name, windowSeed, bound);
    std::vector<std::string> problems = session.run(actions);
    total += actions;
    if (problems.empty()) {
      std::snprintf(gCurrentAction, sizeof gCurrentAction, "%s: the designed defaults run again",
                    name.c_str());
      const DefaultsRun after = RunDefaults(session.program(), session.host(), name, designed);
      for (const std::string& f : after.failures)
        problems.push_back("the designed defaults fail afterwards: " + f);
      for (Window* w : session.program().windows())
        session.checkWindow(*w, [&](const std::string& what) {
          problems.push_back("after the designed defaults: " + what);
        });
      // The game carries its years, money and standing on from one visit to the next by design:
      // after a session it cannot show what a fresh game shows.
      const bool carriesItsState = name == kGameWindow;
      if (problems.empty() && reference.failures.empty() && !carriesItsState &&
          after.results != reference.results) {
        std::string first;
        for (size_t r = 0; r < std::max(after.results.size(), reference.results.size()); ++r) {
          const std::string a = r < after.results.size() ? after.results[r] : "(nothing)";
          const std::string b = r < reference.results.size() ? reference.results[r] : "(nothing)";
          if (a != b) {
            first = "shows " + a.substr(0, 200) + "\n      where a fresh program shows " +
                    b.substr(0, 200);
            break;
          }
        }
        problems.push_back("the designed defaults give other results afterwards: " + first);
      }
    }
    if (problems.empty()) {
      std::printf("ok (%zu failures reported, %zu boxes)\n", session.host().failures.size(),
                  session.host().shown.size());
      continue;
    }
    ++failed;
    std::printf("FAILED\n");
    for (const std::string& p : problems) std::printf("    %s\n", p.c_str());
    std::printf("  the last actions:\n");
    for (const std::string& a : session.recentActions()) std::printf("    %s\n", a.c_str());
    std::printf("  replay: %s\n", gReplay);
  }
  stop = true;
  watchdog.join();
  std::printf("fuzz: %ld actions, %d of %zu windows failed\n", total, failed, windows.size());
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace sylvandra

int main(int argc, char** argv) {
  return sylvandra::Main(argc, argv);
}
