# Runs inside CPack once the zip is made, before its checksum is taken: the
# same files give the same zip bytes whenever and wherever it is made. Debian's
# strip-nondeterminism puts the members in name order and gives every member
# the same time (the last commit's, or SOURCE_DATE_EPOCH when set), plain
# permissions and no owner fields. The zip's times are local times: UTC here.

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(
    COMMAND git -C "${CPACK_VESKEL_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE git_result ERROR_QUIET)
  if(NOT git_result EQUAL 0)
    message(FATAL_ERROR "bundle: ${CPACK_VESKEL_SOURCE_DIR} is no git checkout, so there "
                        "is no commit time for the zip: set SOURCE_DATE_EPOCH")
  endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "bundle: SOURCE_DATE_EPOCH '${epoch}' is not a number of seconds")
endif()

find_program(strip_nondeterminism strip-nondeterminism)
if(NOT strip_nondeterminism)
  message(FATAL_ERROR "bundle: strip-nondeterminism is missing (tools/bootstrap installs it)")
endif()
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
            ${strip_nondeterminism} --type zip --timestamp ${epoch} ${zip}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "bundle: strip-nondeterminism failed on ${zip}")
  endif()
endforeach()
