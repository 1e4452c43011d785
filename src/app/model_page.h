// The page on how an exercise's model works, opened by F1 or the small "?" button of every
// exercise and game window: what the model represents, its equations with units, a table of the
// window's inputs under their labels with their defaults, what to read in the results, things to
// try and where the model simplifies. Each page is a Markdown file beside its window's header,
// built into the program (model_page_sources.h); the page window holds the Markdown, which the
// desktop renders and the script driver shows as plain text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/program.h"
#include "platform/window.h"

namespace sylvandra {

class ModelPage : public Window {
 public:
  static constexpr const char* kName = "ModelPage";
  explicit ModelPage(Program& program);

  // Shows the page of the exercise window; false (nothing shown) for a window without one.
  bool showFor(const Window& exercise);
  void Return_Click();

  Control& Text = addTextBox("Text", "", {120, 120, 9360, 6240})
                      .setMultiLine(true)
                      .setLocked(true)
                      .setMarkdown(true)
                      .setLabel("How the model works");
  Control& Return = addButton("Return", "Return", {8040, 6480, 1440, 375});
};

// The Markdown page of a window; empty where the window has none (yet).
std::string_view ModelPageMarkdown(std::string_view window);
// Gives every exercise window its "?" button and F1 its page.
void InstallModelPages(Program& program);

}  // namespace sylvandra
