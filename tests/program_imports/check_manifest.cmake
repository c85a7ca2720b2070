# Fails unless the program carries its manifest byte for byte, and the manifest says what the
# program needs: wendral.exe administrator rights (a build that lost them would start without
# elevation and write nothing), common controls 6 and DPI awareness; wendral-cli.exe the
# rights of whoever starts it (without a manifest 32-bit Windows would redirect its writes);
# both the supported systems.
# Arguments: EXE, MANIFEST.
file(READ "${MANIFEST}" manifest HEX)
file(READ "${EXE}" image HEX)
string(FIND "${image}" "${manifest}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${EXE} does not embed ${MANIFEST}")
endif()
get_filename_component(program "${EXE}" NAME_WE)
if(program STREQUAL "wendral")
  set(needed "level=\"requireAdministrator\"" "Microsoft.Windows.Common-Controls" "<dpiAware")
else()
  set(needed "level=\"asInvoker\"")
endif()
list(APPEND needed "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}")
file(READ "${MANIFEST}" text)
foreach(entry IN LISTS needed)
  string(FIND "${text}" "${entry}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${MANIFEST} lacks ${entry}")
  endif()
endforeach()
message(STATUS "manifest embedded at byte offset of hex digit ${at}")
