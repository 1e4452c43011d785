# sylvandra --play runs a script on the real desktop windows (here on the offscreen platform) and
# must print exactly what sylvandra-script prints for the same script: the same lines, with the
# boxes answered from the same queue, the same refusals and the same end.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${DRIVER} ${SCRIPT} WORKING_DIRECTORY ${WORK}
  OUTPUT_FILE ${WORK}/driver.out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "sylvandra-script exited with ${status}: ${errors}")
endif()
execute_process(COMMAND ${PROGRAM} --play ${SCRIPT} --pace 0 WORKING_DIRECTORY ${WORK}
  OUTPUT_FILE ${WORK}/play.out ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 120)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "sylvandra --play exited with ${status}: ${errors}")
endif()
file(READ ${WORK}/driver.out driver_text)
file(READ ${WORK}/play.out play_text)
if(driver_text STREQUAL "")
  message(FATAL_ERROR "the driver printed nothing")
endif()
if(NOT driver_text STREQUAL play_text)
  execute_process(COMMAND diff -u ${WORK}/driver.out ${WORK}/play.out)
  message(FATAL_ERROR "sylvandra --play printed other lines than sylvandra-script")
endif()
