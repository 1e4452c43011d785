# The layering check run on a small tree with includes going up and a library call in the core:
# it must fail and name each one, and only those.
#   cmake -DCHECK=<check_layers.cmake> -DTREE=<tests/layers/upward> -P expect_refusal.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${TREE} -P ${CHECK}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(status EQUAL 0)
  message(FATAL_ERROR "the check passed a tree whose includes go up:\n${output}")
endif()
set(expected
  "src/plot/graph.cpp includes \"shell/output_windows.h\": src/plot lies below src/shell"
  "src/plot/output/output_windows.cpp includes \"plot/graph.h\": src/plot/output lies below src/plot"
  "src/shell/a_select.cpp includes \"../app/startup.h\": src/shell lies below src/app"
  "src/platform/surface.h includes <QPainter>: Qt belongs in src/ui and tools"
  "src/plot/graph.cpp calls std::exp: the core uses the functions of platform/portable_math.h")
foreach(line IN LISTS expected)
  string(FIND "${output}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the check did not name: ${line}\nit printed:\n${output}")
  endif()
endforeach()
foreach(allowed "plot/output/output_windows.h\"" "platform/window.h" "<vector>" "ui/window_view.cpp"
                "tools/script_runner.cpp" "src/exercises" "std::atan2")
  string(FIND "${output}" "${allowed}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the check refused what is allowed (${allowed}):\n${output}")
  endif()
endforeach()
