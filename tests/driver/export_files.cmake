# export writes what a student keeps of the output windows: the real values of every plotted
# point as CSV (24 hours of net exchange against light, four dark hours at a light of 0), the
# graph as SVG with its one curve, a printed table's rows as printed, and a PNG at the size the
# window was given by resize.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/export.script
  "click A_Select.Select(10)\n"
  "click A_Intro.Continue\n"
  "click Ex10Ask.GraphNCE\n"
  "export outpt csv ${WORK}/nce.csv\n"
  "export outpt svg ${WORK}/nce.svg\n"
  "resize outpt 862 920\n"
  "export outpt png ${WORK}/nce.png\n"
  "click A_Select.Select(4)\n"
  "click A_Intro.Command1\n"
  "click Ex41Ask.Command2\n"
  "export Outpt2 text ${WORK}/litter.txt\n")
execute_process(COMMAND ${DRIVER} ${WORK}/export.script
  OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "driver exited with ${status}: ${errors}")
endif()

file(STRINGS ${WORK}/nce.csv rows)
list(LENGTH rows count)
list(GET rows 0 header)
list(GET rows 1 first)
list(GET rows 2 second)
if(NOT count EQUAL 25 OR NOT header STREQUAL "PAR,NCE" OR NOT first STREQUAL "0,-2.6"
   OR NOT second STREQUAL "0,-4.3")
  message(FATAL_ERROR "CSV of ${count} rows: ${rows}")
endif()
list(FIND rows "1611,23.2" brightest)
if(brightest EQUAL -1)
  message(FATAL_ERROR "no row 1611,23.2 in ${rows}")
endif()

file(READ ${WORK}/nce.svg svg)
string(REGEX MATCHALL "<g class=\"curve\"" curves "${svg}")
list(LENGTH curves curveCount)
if(NOT curveCount EQUAL 1 OR NOT svg MATCHES "^<\\?xml" OR NOT svg MATCHES "</svg>\n$")
  message(FATAL_ERROR "SVG with ${curveCount} curves")
endif()

file(READ "${WORK}/nce.png" png LIMIT 24 HEX)
string(SUBSTRING "${png}" 32 16 size)
if(NOT size STREQUAL "0000035e00000398")
  message(FATAL_ERROR "PNG size ${size} (hex), expected 862 x 920")
endif()

file(STRINGS ${WORK}/litter.txt table)
list(GET table 1 month0)
list(GET table 2 month6)
if(NOT month0 STREQUAL "    0   450   250  300.    1000     7 "
   OR NOT month6 STREQUAL "    6  297.  193.  303.  794.44  9.347 ")
  message(FATAL_ERROR "printed table: ${table}")
endif()
