# cmake -DVALGRIND=... -DPROGRAM=whole_call -DREADME=README.md -DWORK=dir -P check_instructions.cmake
# Counts the instructions of one whole call under callgrind and fails when the count is more
# than 10% above the figure README.md records on its line "Instructions of one whole call: N".
file(READ ${README} readme)
string(REGEX MATCH "Instructions of one whole call: ([0-9,]+)" line "${readme}")
if(NOT line)
  message(FATAL_ERROR "${README} records no instruction count")
endif()
string(REPLACE "," "" recorded "${CMAKE_MATCH_1}")

set(out ${WORK}/whole_call.callgrind)
execute_process(COMMAND ${VALGRIND} --tool=callgrind --collect-atstart=no
                        --toggle-collect=*measuredCall* --callgrind-out-file=${out} ${PROGRAM}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "whole_call failed under callgrind (${status})")
endif()
file(STRINGS ${out} totals REGEX "^(summary|totals): [0-9]+")
list(GET totals 0 total)
string(REGEX REPLACE "^[a-z]+: ([0-9]+).*" "\\1" counted "${total}")

math(EXPR limit "${recorded} + ${recorded} / 10")
message(STATUS "one whole call: ${counted} instructions (recorded ${recorded}, limit ${limit})")
if(counted GREATER limit)
  message(FATAL_ERROR "one whole call takes ${counted} instructions, above ${limit}")
endif()
