#include "app/model_page.h"

#include <algorithm>

#include "app/model_page_sources.h"
#include "app/startup.h"

namespace sylvandra {
namespace {

// 20 x 20 pixels at 15 twips a pixel: a button a pointer hits without aiming.
constexpr double kHelpButtonSize = 300;
constexpr double kHelpButtonMargin = 60;

// Asked once per window created; the names are the program's, fixed for its life.
bool IsExerciseWindow(std::string_view window) {
  static const std::vector<std::string> names = ExerciseWindowNames();
  return std::find(names.begin(), names.end(), window) != names.end();
}

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

}  // namespace

ModelPage::ModelPage(Program& program)
    : Window(program, kName, "How the model works", {600, 600, 9600, 7080}) {
  Text.setFont(Font::face("MS Sans Serif", 9.75));
  Return.onClick = [this] { Return_Click(); };
}

bool ModelPage::showFor(const Window& exercise) {
  const std::string_view page = ModelPageMarkdown(exercise.name());
  if (page.empty()) return false;
  setCaption("How the model works: " + exercise.caption());
  Text.setText(std::string(page));
  setVisible(true);
  return true;
}

void ModelPage::Return_Click() {
  setVisible(false);
}

std::string_view ModelPageMarkdown(std::string_view window) {
  for (const ModelPageSource& source : ExercisePageSources()) {
    if (source.window == window) return source.markdown;
  }
  static const std::vector<std::string> game = GameWindowNames();
  if (std::find(game.begin(), game.end(), window) != game.end()) return ForestGamePageSource();
  return {};
}

void InstallModelPages(Program& program) {
  program.onHelp = [&program](Window& window) {
    if (window.name() == ModelPage::kName) return;
    program.form<ModelPage>().showFor(window);
  };
  program.onWindowCreated = [&program](Window& window) {
    if (!IsExerciseWindow(window.name())) return;
    Control& button = window.addProgramButton("ModelHelp", "?", PlaceHelpButton(window));
    button.setLabel("How the model works");
    Window* exercise = &window;
    button.onClick = [&program, exercise] { program.form<ModelPage>().showFor(*exercise); };
  };
}

}  // namespace sylvandra
