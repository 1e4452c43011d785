# record writes a one-page PDF of a run: the exercise's title, each input under its label with
# its value, and the output window's drawing, whose printed text stays text in the PDF.
# pdftotext (poppler-utils) reads it back; the test is skipped where it is missing.
find_program(PDFTOTEXT pdftotext)
find_program(PDFINFO pdfinfo)
if(NOT PDFTOTEXT OR NOT PDFINFO)
  message("SKIP: pdftotext or pdfinfo (poppler-utils) is not installed")
  return()
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/record.script
  "click A_Select.Select(0)\n"
  "click A_Intro.Continue\n"
  "type Ex0Ask.TurnOvr 0.05\n"
  "click Ex0Ask.Command1\n"
  "record Ex0Ask ${WORK}/ex0.pdf\n"
  "record outpt ${WORK}/outpt.pdf\n")
execute_process(COMMAND ${DRIVER} ${WORK}/record.script
  OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR out MATCHES "error")
  message(FATAL_ERROR "driver exited with ${status}: ${out}${errors}")
endif()

foreach(name ex0 outpt)
  execute_process(COMMAND ${PDFINFO} ${WORK}/${name}.pdf
    OUTPUT_VARIABLE info RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT info MATCHES "Pages: +1\n" OR NOT info MATCHES "Title: +SOM Balance Model\n")
    message(FATAL_ERROR "${name}.pdf does not open as one page titled SOM Balance Model: ${info}")
  endif()
  execute_process(COMMAND ${PDFTOTEXT} -layout ${WORK}/${name}.pdf -
    OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "pdftotext failed on ${name}.pdf")
  endif()
  # Recorded from the output window too, the record names the exercise that drew the graph.
  foreach(expected "SOM Balance Model" "Inputs" "Soil Organic Matter +100\n"
          "Inputs +50\n" "Turnover Rate +0.05\n" "Equilibrium Reached in Year 165"
          "Recorded [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]")
    if(NOT text MATCHES "${expected}")
      message(FATAL_ERROR "${name}.pdf lacks '${expected}':\n${text}")
    endif()
  endforeach()
endforeach()

# A result field (result-coloured) is listed under Results; a kept run is named; a printed
# table, which records no exercise, is the shown output beside the exercise that printed it.
file(WRITE ${WORK}/results.script
  "click A_Select.Select(10)\n"
  "click A_Intro.Continue\n"
  "type Ex10Ask.DarkResp -3\n"
  "click Ex10Ask.CalcGCE\n"
  "click Ex10Ask.GraphGCE\n"
  "keep outpt\n"
  "type Ex10Ask.DarkResp -5\n"
  "click Ex10Ask.CalcGCE\n"
  "click Ex10Ask.GraphGCE\n"
  "record outpt ${WORK}/kept.pdf\n"
  "click Ex10Ask.Return\n"
  "click A_Select.Select(4)\n"
  "click A_Intro.Command1\n"
  "click Ex41Ask.Command2\n"
  "record Ex41Ask ${WORK}/litter.pdf\n")
execute_process(COMMAND ${DRIVER} ${WORK}/results.script
  OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR out MATCHES "error")
  message(FATAL_ERROR "driver exited with ${status}: ${out}${errors}")
endif()
execute_process(COMMAND ${PDFTOTEXT} -layout ${WORK}/kept.pdf - OUTPUT_VARIABLE text)
# GCE at hour 11 with a dark respiration of -5, as the exercise's golden session shows it.
if(NOT text MATCHES "Results\n" OR NOT text MATCHES "GCE \\(hour 11\\) +30.9 "
   OR NOT text MATCHES "Kept run for comparison")
  message(FATAL_ERROR "kept.pdf lacks the result or the kept run:\n${text}")
endif()
execute_process(COMMAND ${PDFTOTEXT} -layout ${WORK}/litter.pdf - OUTPUT_VARIABLE text)
if(NOT text MATCHES "Litter Decomposition Experiment" OR NOT text MATCHES "Lignin +150\n"
   OR NOT text MATCHES "6 +297\\. +193\\. +303\\. +794\\.44 +9\\.347")
  message(FATAL_ERROR "litter.pdf lacks its inputs or its printed table:\n${text}")
endif()

# A file that cannot be written is reported, not passed over as written.
file(WRITE ${WORK}/unwritable.script "record Ex0Ask ${WORK}/no/such/folder/ex0.pdf\n")
execute_process(COMMAND ${DRIVER} ${WORK}/unwritable.script
  OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(status EQUAL 0 OR NOT errors MATCHES "record: cannot write")
  message(FATAL_ERROR "an unwritable record gave ${status}: ${out}${errors}")
endif()
