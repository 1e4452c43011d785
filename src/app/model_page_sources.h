// The students' model pages as built into the program (cmake/embed_pages.cmake): the Markdown
// file beside each exercise window's header, and the forest game's one page.
#pragma once

#include <string_view>
#include <vector>

namespace sylvandra {

struct ModelPageSource {
  std::string_view window;    // the exercise window's name
  std::string_view markdown;  // its page
};

const std::vector<ModelPageSource>& ExercisePageSources();
// Empty while the game has no page.
std::string_view ForestGamePageSource();

}  // namespace sylvandra
