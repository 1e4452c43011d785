# Writes the model pages' text, at build time, from the comments that open the exercise window
# headers and the model headers they include: one source for the code and the page.
#   cmake -DSOURCE_DIR=<src> -DOUTPUT=<file.cpp> -P model_pages.cmake
# A window's page is its own header's opening comment, then that of each header of its folder
# that its files include (drawing helpers, *_pictures.h and *_colours.h, are left out).

function(opening_comment file result)
  file(STRINGS "${file}" lines)
  set(text "")
  # A paragraph on the window's layout is for the developer, not the student.
  set(skipping FALSE)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^//")
      break()
    endif()
    string(REGEX REPLACE "^// ?" "" line "${line}")
    if(line MATCHES "^Layout:")
      set(skipping TRUE)
    elseif(line STREQUAL "")
      if(skipping)
        set(skipping FALSE)
        continue()
      endif()
    endif()
    if(NOT skipping)
      string(APPEND text "${line}\n")
    endif()
  endforeach()
  string(REGEX REPLACE "\n+$" "\n" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

file(GLOB windows "${SOURCE_DIR}/exercises/*/*_ask.h" "${SOURCE_DIR}/game/d81*.h")
list(SORT windows)
set(entries "")
foreach(header IN LISTS windows)
  file(READ "${header}" content)
  string(REGEX MATCH "kName = \"([A-Za-z0-9_]+)\"" found "${content}")
  if(NOT found)
    continue()
  endif()
  set(name "${CMAKE_MATCH_1}")
  opening_comment("${header}" page)
  string(REGEX REPLACE "\\.h$" ".cpp" source "${header}")
  set(both "${content}")
  if(EXISTS "${source}")
    file(READ "${source}" body)
    string(APPEND both "${body}")
  endif()
  string(REGEX MATCHALL "#include \"(exercises/[a-z_]+|game)/[a-z0-9_]+\\.h\"" includes "${both}")
  list(REMOVE_DUPLICATES includes)
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "#include \"(.*)\"" "\\1" path "${include}")
    if(path MATCHES "_ask\\.h$|/d81[a-z_]*\\.h$|/windows\\.h$|_pictures\\.h$|_colours\\.h$")
      continue()
    endif()
    opening_comment("${SOURCE_DIR}/${path}" model)
    if(model)
      string(APPEND page "\n${model}")
    endif()
  endforeach()
  string(APPEND entries "    {\"${name}\", R\"page(${page})page\"},\n")
endforeach()

set(code "// Generated at build time from the exercise headers' opening comments; do not edit.
#include \"app/model_page_sources.h\"

namespace sylvandra {

const std::vector<ModelPageSource>& ModelPageSources() {
  static const std::vector<ModelPageSource> sources = {
${entries}  };
  return sources;
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
