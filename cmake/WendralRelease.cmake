# Debug information beside the executables, and the release package.

# Every executable in bin/ keeps its debug information in <file>.debug beside it and carries
# only a debug link to it (a debugger finds it there); the executable itself maps no debug
# sections, nor the symbol table (the .debug file has it). The link rule does it, so
# executables added anywhere later get it too: call before the subdirectories are added.
macro(wendral_split_debug_info)
  if(CMAKE_OBJCOPY)
    set(CMAKE_CXX_LINK_EXECUTABLE
        "${CMAKE_CXX_LINK_EXECUTABLE}"
        "${CMAKE_OBJCOPY} --only-keep-debug <TARGET> <TARGET>.debug"
        "${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=<TARGET>.debug <TARGET>")
  else()
    message(WARNING "no objcopy: executables keep their debug sections")
  endif()
endmacro()

# The Windows programs the release package holds: one line per program.
set(WENDRAL_PACKAGE_PROGRAMS
  wendral
  quillet-render
  wendral-cli
  quillet-gallery
)

# One zip per architecture (cmake --build --preset win64 --target package): the programs
# above that this build defines, and the text on use and licence.
function(wendral_release_package)
  if(NOT WIN32)
    return()
  endif()
  foreach(program IN LISTS WENDRAL_PACKAGE_PROGRAMS)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION .)
    endif()
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/README.txt DESTINATION .)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(arch win64)
  else()
    set(arch win32)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Wendral)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_FILE_NAME Wendral-${PROJECT_VERSION}-${arch})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
  include(CPack)
endfunction()
