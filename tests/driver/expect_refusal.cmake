# The driver must refuse a script with an unknown command or target: exit status 2 and a
# message on standard error naming the line.
file(WRITE ${WORK}/refused.script "${SCRIPT_TEXT}")
execute_process(COMMAND ${DRIVER} ${WORK}/refused.script
  OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "expected exit status 2, got ${status}; stderr: ${errors}")
endif()
if(NOT errors MATCHES "${EXPECTED_ERROR}")
  message(FATAL_ERROR "stderr '${errors}' does not match '${EXPECTED_ERROR}'")
endif()
