# Builds the students' model pages into the program: each exercise window's page is the Markdown
# file beside its header (ex0_ask.md beside ex0_ask.h, whose kName names the window), and the
# forest game's windows share game/forest_game.md. The text is embedded as it stands.
#   cmake -DSOURCE_DIR=<src> -DOUTPUT=<file.cpp> -P embed_pages.cmake

function(embedded_text file result)
  file(READ "${file}" text)
  if(text MATCHES "\\)page\"")
    message(FATAL_ERROR "${file} holds the text that would end its embedded string")
  endif()
  set(${result} "R\"page(${text})page\"" PARENT_SCOPE)
endfunction()

file(GLOB pages "${SOURCE_DIR}/exercises/*/*.md")
list(SORT pages)
set(entries "")
foreach(page IN LISTS pages)
  string(REGEX REPLACE "\\.md$" ".h" header "${page}")
  if(NOT EXISTS "${header}")
    message(FATAL_ERROR "${page} has no window header beside it")
  endif()
  file(READ "${header}" content)
  string(REGEX MATCH "kName = \"([A-Za-z0-9_]+)\"" found "${content}")
  if(NOT found)
    message(FATAL_ERROR "${header} names no window (kName) for ${page}")
  endif()
  embedded_text("${page}" text)
  string(APPEND entries "      {\"${CMAKE_MATCH_1}\", ${text}},\n")
endforeach()

set(game "{}")
if(EXISTS "${SOURCE_DIR}/game/forest_game.md")
  embedded_text("${SOURCE_DIR}/game/forest_game.md" game)
endif()

set(code "// Generated at build time from the Markdown pages beside the windows; do not edit.
#include \"app/model_page_sources.h\"

namespace sylvandra {

const std::vector<ModelPageSource>& ExercisePageSources() {
  static const std::vector<ModelPageSource> sources = {
${entries}  };
  return sources;
}

std::string_view ForestGamePageSource() {
  return ${game};
}

}  // namespace sylvandra
")
# Rewritten only when the text changes, so an unchanged page rebuilds nothing.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" previous)
  if(previous STREQUAL code)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${code}")
