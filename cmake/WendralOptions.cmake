# What the project's own targets compile and link with, as INTERFACE targets instead of
# directory-wide flags: googletest and the other outside code get none of it.

# wendral_options: warnings and, in the sanitize preset, the sanitizers. Every target of ours
# links it (wendral_use_options, called at the end of the top-level CMakeLists.txt).
add_library(wendral_options INTERFACE)
target_compile_options(wendral_options INTERFACE -Wall -Wextra)
if(WENDRAL_SANITIZE)
  # Every fault stops the run: a sanitizer report is a failed test, never a warning.
  set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(wendral_options INTERFACE ${sanitizers})
  target_link_options(wendral_options INTERFACE ${sanitizers})
  if(WENDRAL_FUZZ)
    # Coverage for the fuzzers in every library they reach; only fuzz/ links the driver.
    target_compile_options(wendral_options INTERFACE -fsanitize=fuzzer-no-link)
  endif()
  # The Sanitize build type: light optimisation and line tables only, quick to build while
  # stack traces still name lines.
  set(CMAKE_C_FLAGS_SANITIZE "-O1 -gline-tables-only")
  set(CMAKE_CXX_FLAGS_SANITIZE "-O1 -gline-tables-only")
endif()

# wendral_windows: code against the Windows API compiles for Windows XP's API level with the
# lean headers and without the min/max macros, and an executable linked with it carries its C
# and C++ runtime, so the .exe stands alone. A usage requirement of wendral_win32 and of the
# code-page seam on Windows; test programs (wendral_test) and the executables that link
# neither name it themselves.
if(WIN32)
  add_library(wendral_windows INTERFACE)
  target_compile_definitions(wendral_windows INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
  target_link_options(wendral_windows INTERFACE -static -static-libgcc -static-libstdc++)
endif()

# wendral_use_options(<folder>...)
# Every target defined in the given folders of the current directory (those that were added)
# and in their subfolders links wendral_options. Called once, when all of them exist, so a
# target added to any of these folders later gets it without a line of its own.
function(wendral_use_options)
  get_property(added DIRECTORY PROPERTY SUBDIRECTORIES)
  foreach(folder IN LISTS ARGN)
    if(${CMAKE_CURRENT_SOURCE_DIR}/${folder} IN_LIST added)
      wendral_use_options_below(${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    endif()
  endforeach()
endfunction()

function(wendral_use_options_below directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(INTERFACE_LIBRARY|UTILITY)$")
      # The target's own link list, not its usage requirements: every target of ours links it
      # for itself, and the installed QuilletButton package does not name it.
      set_property(TARGET ${target} APPEND PROPERTY LINK_LIBRARIES wendral_options)
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    wendral_use_options_below(${subdirectory})
  endforeach()
endfunction()
