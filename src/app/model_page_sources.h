// The text behind each exercise's model page, written at build time from the comments that open
// the window's header and the model headers it uses (cmake/model_pages.cmake): the comment a
// developer reads beside the code is the page a student reads in the program.
#pragma once

#include <string_view>
#include <vector>

namespace sylvandra {

struct ModelPageSource {
  std::string_view window;  // the exercise window's name
  std::string_view text;    // its header's opening comment, then its models'
};

const std::vector<ModelPageSource>& ModelPageSources();

}  // namespace sylvandra
