# Runs one golden script session and compares what it prints with the expected text. The
# sessions pin drawings by their digest; when a session differs, it is run again with each
# digest followed by its whole canvas, and the canvas of every digest that differs is printed.
#
# RUNNER (optional) runs DRIVER: node for the WebAssembly driver. With DESKTOP_DRAWING_MISSING
# the driver lacks the commands that need the desktop's drawing (png, export ... png, record):
# each of them in the script must print exactly one error line naming it, and those lines, no
# others, are taken out before the comparison.
get_filename_component(actual_dir ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${actual_dir})
# Files a session writes (png) land beside its actual output.
execute_process(COMMAND ${RUNNER} ${DRIVER} ${SCRIPT}
  WORKING_DIRECTORY ${actual_dir}
  OUTPUT_FILE ${ACTUAL} ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected_text)
file(READ ${ACTUAL} actual_text)
if(DESKTOP_DRAWING_MISSING)
  file(READ ${SCRIPT} script_text)
  string(REGEX MATCHALL "(^|\n)(png|record|export [^ \n]+ png) [^\n]*" drawing_commands
    "${script_text}")
  set(missing_line
    "error \\{\"window\":\"[^\"\n]*\",\"message\":\"(png|export png|record) is not available: it needs the desktop program\"\\}\n")
  string(REGEX MATCHALL "${missing_line}" missing_lines "${actual_text}")
  list(LENGTH drawing_commands command_count)
  list(LENGTH missing_lines missing_count)
  if(NOT command_count EQUAL missing_count)
    message(FATAL_ERROR "${SCRIPT}: ${command_count} commands need the desktop's drawing, but "
      "${missing_count} lines say so:\n${missing_lines}")
  endif()
  string(REGEX REPLACE "${missing_line}" "" actual_text "${actual_text}")
endif()
if(expected_text STREQUAL actual_text)
  return()
endif()
execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})

# Cuts the next digest (its lines through "end digest") off the front of the text in `var`
# into `block`; both are empty when no digest is left.
macro(take_digest var block)
  string(FIND "${${var}}" "{\"digest\":" start)
  if(start EQUAL -1)
    set(${block} "")
    set(${var} "")
  else()
    string(SUBSTRING "${${var}}" ${start} -1 ${var})
    string(FIND "${${var}}" "end digest\n" stop)
    math(EXPR stop "${stop} + 11")
    string(SUBSTRING "${${var}}" 0 ${stop} ${block})
    string(SUBSTRING "${${var}}" ${stop} -1 ${var})
  endif()
endmacro()

execute_process(COMMAND ${RUNNER} ${DRIVER} --canvas-after-digest ${SCRIPT}
  WORKING_DIRECTORY ${actual_dir}
  OUTPUT_FILE ${ACTUAL}.canvas RESULT_VARIABLE status)
file(READ ${ACTUAL}.canvas canvas_text)
set(number 0)
while(NOT expected_text STREQUAL "" OR NOT actual_text STREQUAL "")
  take_digest(expected_text expected_digest)
  take_digest(actual_text actual_digest)
  take_digest(canvas_text ignored)
  string(FIND "${canvas_text}" "end canvas\n" stop)
  set(canvas "")
  if(NOT stop EQUAL -1)
    math(EXPR stop "${stop} + 11")
    string(SUBSTRING "${canvas_text}" 0 ${stop} canvas)
    string(SUBSTRING "${canvas_text}" ${stop} -1 canvas_text)
  endif()
  if(expected_digest STREQUAL "" AND actual_digest STREQUAL "")
    break()
  endif()
  math(EXPR number "${number} + 1")
  if(NOT expected_digest STREQUAL actual_digest)
    message("Digest ${number} differs; the drawing as it is now:\n${actual_digest}${canvas}")
  endif()
endwhile()
message(FATAL_ERROR "${SCRIPT}: output differs from ${EXPECTED}")
