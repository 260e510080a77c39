# Runs inside CPack once every file of the bundle is staged, before the zip is
# made: the note gets Windows line ends and SHA256SUMS lists every file.

file(GLOB_RECURSE staged LIST_DIRECTORIES false
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
if(NOT staged)
  message(FATAL_ERROR "bundle: nothing staged in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
list(SORT staged)

set(sums "")
foreach(path IN LISTS staged)
  file(RELATIVE_PATH name "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" "${path}")
  # CPack may stage below a folder named after the package.
  string(REGEX REPLACE "^${CPACK_PACKAGE_FILE_NAME}/" "" name "${name}")
  if(name STREQUAL "SHA256SUMS")
    continue()
  endif()
  if(name MATCHES "\\.txt$")
    file(READ "${path}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE "${path}" "${text}")
  endif()
  file(SHA256 "${path}" hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()

# SHA256SUMS sits beside veskel.exe.
foreach(path IN LISTS staged)
  if(path MATCHES "/veskel\\.exe$")
    get_filename_component(top "${path}" DIRECTORY)
  endif()
endforeach()
file(WRITE "${top}/SHA256SUMS" "${sums}")
