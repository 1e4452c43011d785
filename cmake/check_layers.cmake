# Keeps the house in order: no source file includes one from a room above its own, Qt is
# included only by the desktop front end and the tools, and the core calls no transcendental
# function of the C library (they round differently from one platform to another; the core uses
# those of platform/portable_math.h, the same bits on every build).
#   cmake -DSOURCE_DIR=<project root> -P check_layers.cmake
# Each room may include its own files and those of the rooms below it; rooms on one floor may
# include each other. Every include that goes up is named with its file, and the check fails.
cmake_minimum_required(VERSION 3.25)

# Floors from the bottom up; a deeper folder is matched before the folder that holds it.
set(rooms src/platform src/plot/output src/plot src/shell src/exercises src/game src/app src/ui
          tools web)
set(floors 0 1 2 3 4 4 5 6 6 6)
set(qt_rooms src/ui tools)
set(front_rooms src/ui tools web)
set(library_math "exp|expf|exp2|expm1|log|logf|log2|log10|log1p|pow|powf|sin|sinf|cos|cosf|tan|asin|acos|atan|atan2|hypot|sinh|cosh|tanh|cbrt")
# Include paths start at src/ (`#include "plot/graph.h"`); any other is relative to the file.
set(source_folders platform plot shell exercises game app ui)

# The room holding path (relative to SOURCE_DIR) and its floor; empty when it is in none.
function(room_of path room_var floor_var)
  set(${room_var} "" PARENT_SCOPE)
  set(${floor_var} "" PARENT_SCOPE)
  set(index 0)
  foreach(room IN LISTS rooms)
    string(LENGTH "${room}/" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL "${room}/")
      list(GET floors ${index} floor)
      set(${room_var} "${room}" PARENT_SCOPE)
      set(${floor_var} "${floor}" PARENT_SCOPE)
      return()
    endif()
    math(EXPR index "${index} + 1")
  endforeach()
endfunction()

# The included file's path relative to SOURCE_DIR.
function(resolve_include includer included result)
  string(REGEX MATCH "^[^/]+" first "${included}")
  if(first IN_LIST source_folders)
    set(${result} "src/${included}" PARENT_SCOPE)
    return()
  endif()
  get_filename_component(folder "${includer}" DIRECTORY)
  cmake_path(SET resolved NORMALIZE "${folder}/${included}")
  set(${result} "${resolved}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
  "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp"
  "${SOURCE_DIR}/tools/*.h" "${SOURCE_DIR}/tools/*.cpp"
  "${SOURCE_DIR}/web/*.h" "${SOURCE_DIR}/web/*.cpp")
list(SORT sources)
set(faults "")
foreach(source IN LISTS sources)
  room_of("${source}" room floor)
  if(room STREQUAL "")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS lines)
    if(line MATCHES "include[ \t]*\"([^\"]+)\"")
      set(included "${CMAKE_MATCH_1}")
      resolve_include("${source}" "${included}" target)
      room_of("${target}" target_room target_floor)
      if(NOT target_room STREQUAL "" AND target_floor GREATER floor)
        list(APPEND faults
             "${source} includes \"${included}\": ${room} lies below ${target_room}")
      endif()
    elseif(line MATCHES "include[ \t]*<(Q[A-Za-z]*(/[^>]*)?)>")
      if(NOT room IN_LIST qt_rooms)
        list(APPEND faults "${source} includes <${CMAKE_MATCH_1}>: Qt belongs in src/ui and tools")
      endif()
    endif()
  endforeach()
  if(NOT room IN_LIST front_rooms)
    file(STRINGS "${SOURCE_DIR}/${source}" calls REGEX "std::(${library_math})[ \t]*\\(")
    foreach(call IN LISTS calls)
      string(REGEX MATCH "std::(${library_math})" called "${call}")
      list(APPEND faults
           "${source} calls ${called}: the core uses the functions of platform/portable_math.h")
    endforeach()
  endif()
endforeach()

list(LENGTH sources checked)
if(faults)
  # One unwrapped line each, so the file and the include can be read off and searched for.
  foreach(fault IN LISTS faults)
    message(NOTICE "${fault}")
  endforeach()
  list(LENGTH faults count)
  message(FATAL_ERROR "${count} faults above: includes that go up a floor or library calls")
endif()
message(STATUS "${checked} files checked: every include stays on its floor or goes down, and the core calls no library transcendental function")
