# veskel_delay_load(TARGET name DLL file.dll FUNCTIONS function@argbytes...)
# Makes an import library whose functions bind their DLL on first call
# instead of at start-up (MinGW-w64's dlltool --output-delaylib; the C
# run-time's __delayLoadHelper2 loads the DLL and finds the function), and an
# interface target `name` that links it. Only the functions listed are in it:
# each with the bytes of its arguments, as the 32-bit stdcall names carry them
# (dropped for 64-bit). A DLL that cannot be loaded or lacks a function ends
# the program at that first call, as a missing import would have at start-up;
# the DLLs bound so are part of every Windows.
function(veskel_delay_load)
  cmake_parse_arguments(D "" "TARGET;DLL" "FUNCTIONS" ${ARGN})
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "veskel_delay_load: no dlltool for this toolchain")
  endif()
  set(def "LIBRARY \"${D_DLL}\"\nEXPORTS\n")
  set(stubs "")
  foreach(function IN LISTS D_FUNCTIONS)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" function ${function})
      list(APPEND stubs "-Wl,--undefined=${function}")
    else()
      list(APPEND stubs "-Wl,--undefined=_${function}")
    endif()
    string(APPEND def "${function}\n")
  endforeach()
  set(dir ${CMAKE_BINARY_DIR}/delay-load)
  file(CONFIGURE OUTPUT ${dir}/${D_TARGET}.def CONTENT "${def}")
  # -k: the names in the DLL carry no @argbytes. Relative paths: dlltool names
  # the library's members and symbols after the output path, and the programs
  # are the same bytes in every build folder.
  add_custom_command(
    OUTPUT ${dir}/lib${D_TARGET}.a
    COMMAND ${CMAKE_DLLTOOL} -k --input-def ${D_TARGET}.def --dllname ${D_DLL}
            --output-delaylib lib${D_TARGET}.a
    WORKING_DIRECTORY ${dir}
    DEPENDS ${dir}/${D_TARGET}.def
    COMMENT "Delay-load import library for ${D_DLL}"
    VERBATIM)
  add_custom_target(${D_TARGET}_library DEPENDS ${dir}/lib${D_TARGET}.a)
  add_library(${D_TARGET} INTERFACE)
  add_dependencies(${D_TARGET} ${D_TARGET}_library)
  target_link_libraries(${D_TARGET} INTERFACE ${dir}/lib${D_TARGET}.a)
  # Each function's stub (which calls the loader) is reached only from its
  # pointer slot, and the linker's section collection would drop it and leave
  # the slot null: the stubs are named as roots.
  target_link_options(${D_TARGET} INTERFACE ${stubs})
endfunction()
