# Runs drivemask once and checks what an administrator's shell would see.
#   -DEMULATOR=a|b|c   command that starts the program (empty: run it directly)
#   -DPROGRAM=path     the program
#   -DARGS=a|b|c       its arguments
#   -DEXPECTED=file    expected standard output; empty: an error run
#   -DEXIT_CODE=n      expected exit code
# An error run must print nothing on standard output and exactly one line
# "drivemask: error: ..." on standard error.

string(REPLACE "|" ";" emulator "${EMULATOR}")
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${emulator} ${PROGRAM} ${args}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)

# A 32-bit program on a host that runs no 32-bit code: the runner says so and
# CTest reports the test as skipped.
if(rc EQUAL 77 AND err MATCHES "wine-run: skipped: [^\n]*")
  message(FATAL_ERROR "${CMAKE_MATCH_0}")
endif()

# A Windows console program writes CR LF line ends.
string(REPLACE "\r\n" "\n" out "${out}")
string(REPLACE "\r\n" "\n" err "${err}")
# The Wine runner may report that it is making its prefix.
string(REGEX REPLACE "(^|\n)wine-run:[^\n]*\n" "\\1" err "${err}")

if(NOT rc STREQUAL EXIT_CODE)
  message(FATAL_ERROR "exit code ${rc}, expected ${EXIT_CODE}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(EXPECTED)
  file(READ "${EXPECTED}" expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "output differs from ${EXPECTED}:\n${out}")
  endif()
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "unexpected standard error:\n${err}")
  endif()
else()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "standard output not empty after an error:\n${out}")
  endif()
  if(NOT err MATCHES "^drivemask: error: [^\n]+\n$")
    message(FATAL_ERROR "expected one error line, got:\n${err}")
  endif()
endif()
message(STATUS "drivemask ${ARGS}: as expected")
