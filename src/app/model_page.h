// The page on how an exercise's model works, opened by F1 or the small "?" button of every
// exercise window: the model's state variables, equations, units and parameters, then each
// field the window asks for, named as the window labels it, with its designed default. The
// text comes from the headers' own opening comments (model_page_sources.h), the field list
// from the window itself.
#pragma once

#include <string>
#include <string_view>

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
                      .setLabel("How the model works");
  Control& Return = addButton("Return", "Return", {8040, 6480, 1440, 375});
};

// The page text of an exercise window ("" when it has none).
std::string ModelPageText(const Window& exercise);
// Gives every exercise window its "?" button and F1 its page.
void InstallModelPages(Program& program);

}  // namespace sylvandra
