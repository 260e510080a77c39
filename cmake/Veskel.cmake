# Shared settings and helper functions for every folder of the project.

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(VESKEL_WINDOWS ON)
else()
  set(VESKEL_WINDOWS OFF)
endif()

add_compile_options(-Wall -Wextra)
if(VESKEL_WERROR)
  add_compile_options(-Werror)
endif()

if(VESKEL_WINDOWS)
  # Built for size: every function and datum in a section of its own, and the
  # linker drops what nothing uses. Tests are built the same way, so the whole
  # suite runs on the code as it ships.
  set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
  # Windows XP is the oldest system the program still runs on: keep the
  # structure sizes that older systems accept.
  add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600
                          NOMINMAX STRICT)
  # One portable file: no MinGW runtime DLLs beside the program.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Reproducible programs: the same source gives the same bytes in any folder
  # at any time. No link time in the PE header (the stamp is 0), and the
  # folders of the source and the build written as "." and "build" wherever
  # the compiler would write them (debug information, __FILE__; the file
  # prefix map covers the debug and macro maps). The build folder's map comes
  # last: it lies inside the source folder, and the last matching map wins.
  add_link_options(-Wl,--no-insert-timestamp)
  add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_SOURCE_DIR}/tools/wine-run --prefix ${CMAKE_BINARY_DIR}/wineprefix)
elseif(VESKEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The release bundle (cmake/Bundle.cmake) takes the 64-bit programs from here.
set(VESKEL_BUNDLE_X64_DIR ${CMAKE_SOURCE_DIR}/build/windows-x86_64 CACHE PATH
    "Build folder of the 64-bit programs that go into the bundle")

# veskel_shipped_code(DIRECTORIES dir... PROGRAMS target...)
# The code of the shipped programs (every target under the given source
# folders) is built without exceptions and unwind tables: nothing in it
# throws. The programs themselves link the run-time's plain failure paths and
# carry no symbol tables. Tests keep exceptions for GoogleTest.
function(veskel_shipped_code)
  cmake_parse_arguments(S "" "" "DIRECTORIES;PROGRAMS" ${ARGN})
  if(NOT VESKEL_WINDOWS)
    return()
  endif()
  foreach(dir IN LISTS S_DIRECTORIES)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type MATCHES "^(STATIC|SHARED|MODULE|OBJECT)_LIBRARY$|^EXECUTABLE$")
        target_compile_options(${target} PRIVATE
          $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-asynchronous-unwind-tables>)
      endif()
    endforeach()
  endforeach()
  foreach(program IN LISTS S_PROGRAMS)
    target_link_libraries(${program} PRIVATE veskel_runtime_failure)
    target_link_options(${program} PRIVATE -s)
  endforeach()
endfunction()

# GoogleTest: Debian's library natively; built from Debian's sources for MinGW.
if(VESKEL_WINDOWS)
  if(NOT TARGET gtest)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  endif()
  set(VESKEL_GTEST gtest)
  set(VESKEL_GTEST_MAIN gtest_main)
else()
  find_package(GTest REQUIRED)
  set(VESKEL_GTEST GTest::gtest)
  set(VESKEL_GTEST_MAIN GTest::gtest_main)
endif()

# veskel_windows_skippable(test...)
# A Windows test that cannot run on this host (a 32-bit program where the host
# runs no 32-bit code) ends with exit 77 and a "wine-run: skipped:" line from
# tools/wine-run: CTest shows it as skipped, with that line as the reason.
function(veskel_windows_skippable)
  if(VESKEL_WINDOWS)
    set_tests_properties(${ARGN} PROPERTIES
      SKIP_RETURN_CODE 77
      SKIP_REGULAR_EXPRESSION "wine-run: skipped: ")
  endif()
endfunction()

# veskel_add_test(NAME
#   SOURCES files...            test sources
#   LIBS targets...             libraries under test
#   [OWN_MAIN]                  the sources bring their own main()
#   [WINE_VERSIONS v...]        Windows: run once per Wine version setting
#                               (winxp, win2k, nt40, win98, winxp64, default)
#   [DISPLAY]                   uses the shared display exclusively (pointer,
#                               keyboard focus, clipboard): never in parallel
#   [TIMEOUT seconds])
# Registers one CTest test per run; Windows programs run under tools/wine-run.
function(veskel_add_test name)
  cmake_parse_arguments(T "OWN_MAIN;DISPLAY" "TIMEOUT" "SOURCES;LIBS;WINE_VERSIONS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${VESKEL_GTEST})
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${VESKEL_GTEST_MAIN})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 240)
  endif()
  set(runs "")
  if(VESKEL_WINDOWS AND T_WINE_VERSIONS)
    foreach(v IN LISTS T_WINE_VERSIONS)
      add_test(NAME ${name}.${v} COMMAND ${name})
      set_tests_properties(${name}.${v} PROPERTIES ENVIRONMENT "VESKEL_WINE_VERSION=${v}")
      list(APPEND runs ${name}.${v})
    endforeach()
  else()
    add_test(NAME ${name} COMMAND ${name})
    list(APPEND runs ${name})
  endif()
  foreach(run IN LISTS runs)
    set_tests_properties(${run} PROPERTIES TIMEOUT ${T_TIMEOUT})
    veskel_windows_skippable(${run})
    if(T_DISPLAY)
      set_tests_properties(${run} PROPERTIES RESOURCE_LOCK display)
    endif()
  endforeach()
endfunction()
