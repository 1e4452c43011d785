# Runs one golden script session and compares what it prints with the expected text.
get_filename_component(actual_dir ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${actual_dir})
# Files a session writes (png) land beside its actual output.
execute_process(COMMAND ${DRIVER} ${SCRIPT}
  WORKING_DIRECTORY ${actual_dir}
  OUTPUT_FILE ${ACTUAL} ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected_text)
file(READ ${ACTUAL} actual_text)
if(NOT expected_text STREQUAL actual_text)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "${SCRIPT}: output differs from ${EXPECTED}")
endif()
