# The release bundle: veskel-<version>-windows.zip, made by CPack from the
# 32-bit build folder together with the 64-bit one:
#
#   veskel.exe, drivemask.exe      32-bit, run on every Windows
#   x64/drivemask.exe              64-bit drivemask
#   README.txt                     the note for administrators
#   SHA256SUMS                     checksums of the files above
#
# `tools/bundle` builds both folders and runs `cpack --preset windows`. The
# same commit gives the same bytes: see cmake/Veskel.cmake for the programs and
# cmake/BundleNormalise.cmake for the zip.

if(NOT VESKEL_WINDOWS)
  return()
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  install(TARGETS drivemask RUNTIME DESTINATION x64)
  return()
endif()

install(TARGETS veskel drivemask RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/bundle/README.txt DESTINATION .)
if(EXISTS ${CMAKE_SOURCE_DIR}/LICENSE)
  install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME veskel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "veskel-${PROJECT_VERSION}-windows")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_SOURCE_DIR}/build/bundle)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};Veskel;ALL;/"
    "${VESKEL_BUNDLE_X64_DIR};Veskel;ALL;/")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/BundleFinish.cmake)
# Byte for byte the same zip from the same source (see BundleNormalise.cmake).
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/BundleNormalise.cmake)
set(CPACK_VESKEL_SOURCE_DIR ${CMAKE_SOURCE_DIR})
include(CPack)
