#include "app/model_page.h"

#include <algorithm>

#include "app/model_page_sources.h"
#include "app/startup.h"
#include "platform/keyboard.h"

namespace sylvandra {
namespace {

// 20 x 20 pixels at 15 twips a pixel: a button a pointer hits without aiming.
constexpr double kHelpButtonSize = 300;
constexpr double kHelpButtonMargin = 60;

const ModelPageSource* SourceFor(std::string_view window) {
  for (const ModelPageSource& source : ModelPageSources()) {
    if (source.window == window) return &source;
  }
  return nullptr;
}

// A program with no one to answer it: the designed state of a window is read from a fresh copy
// made in one.
class QuietHost : public Host {
 public:
  int messageBox(const std::string&, int, const std::string&) override { return 1; }
  std::string inputBox(const std::string&, const std::string&, const std::string&) override {
    return "";
  }
  void programEnded() override {}
  void reportFailure(const Window&, const std::string&) override {}
};

bool Overlaps(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// The top right corner of the client area, wherever no control (shown or hidden) lies there.
// A window whose corner a control takes gets the free place nearest that corner: rows from the
// top down, each from the right edge leftwards. A window with no free place at all (a toolbar
// packed edge to edge) grows by a strip at its right edge, whose top right corner the button
// takes. The button keeps its size everywhere.
Rect PlaceHelpButton(Window& window) {
  const auto free = [&](const Rect& place) {
    return std::none_of(window.controls().begin(), window.controls().end(),
                        [&](const auto& c) { return Overlaps(place, c->rect()); });
  };
  const double step = kHelpButtonMargin / 2;
  const double right = window.width() - kHelpButtonSize - kHelpButtonMargin;
  for (double top = kHelpButtonMargin; top + kHelpButtonSize <= window.height(); top += step) {
    for (double left = right; left >= 0; left -= step) {
      const Rect place{left, top, kHelpButtonSize, kHelpButtonSize};
      if (free(place)) return place;
    }
  }
  Rect grown = window.rect();
  grown.width += kHelpButtonSize + kHelpButtonMargin;
  grown.height = std::max(grown.height, kHelpButtonSize + 2 * kHelpButtonMargin);
  window.setRect(grown);
  return {right + kHelpButtonSize + kHelpButtonMargin, kHelpButtonMargin, kHelpButtonSize,
          kHelpButtonSize};
}

// The comment's lines joined into paragraphs that the page wraps to its width; a blank line
// ends a paragraph, and an indented line (an equation, a table row) keeps a line of its own.
std::string Reflow(std::string_view text) {
  std::string page;
  bool inParagraph = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) {
      page += inParagraph ? "\r\n\r\n" : "\r\n";
      inParagraph = false;
    } else if (line.front() == ' ') {
      if (inParagraph) page += "\r\n";
      page += std::string(line) + "\r\n";
      inParagraph = false;
    } else {
      if (inParagraph) page += ' ';
      page += line;
      inParagraph = true;
    }
  }
  if (inParagraph) page += "\r\n";
  return page;
}

}  // namespace

ModelPage::ModelPage(Program& program)
    : Window(program, kName, "How the model works", {600, 600, 9600, 7080}) {
  Text.setFont(Font::face("MS Sans Serif", 9.75));
  Return.onClick = [this] { Return_Click(); };
}

bool ModelPage::showFor(const Window& exercise) {
  const std::string text = ModelPageText(exercise);
  if (text.empty()) return false;
  setCaption("How the model works: " + exercise.caption());
  Text.setText(text);
  setVisible(true);
  return true;
}

void ModelPage::Return_Click() {
  setVisible(false);
}

std::string ModelPageText(const Window& exercise) {
  const ModelPageSource* source = SourceFor(exercise.name());
  if (!source) return "";
  std::string page = exercise.caption() + "\r\n\r\n" + Reflow(source->text);
  // The fields as designed: a fresh copy of the window, before anyone has typed in it.
  QuietHost host;
  Program scratch(host);
  RegisterWindows(scratch);
  const Window& designed = scratch.form(exercise.name());
  std::string fields;
  for (const auto& control : designed.controls()) {
    if (control->kind() != ControlKind::TextBox || !IsInputStop(*control)) continue;
    const std::string& text = control->text();
    fields += "  " + control->label() + ": " +
              (text.find_first_not_of(' ') == std::string::npos ? std::string("(blank)") : text) +
              "\r\n";
  }
  if (!fields.empty()) {
    page += "\r\nThe fields of the window and their defaults:\r\n" + fields;
  }
  return page;
}

void InstallModelPages(Program& program) {
  program.onHelp = [&program](Window& window) {
    if (window.name() == ModelPage::kName) return;
    program.form<ModelPage>().showFor(window);
  };
  program.onWindowCreated = [&program](Window& window) {
    if (!SourceFor(window.name())) return;
    Control& button = window.addProgramButton("ModelHelp", "?", PlaceHelpButton(window));
    button.setLabel("How the model works");
    Window* exercise = &window;
    button.onClick = [&program, exercise] { program.form<ModelPage>().showFor(*exercise); };
  };
}

}  // namespace sylvandra
