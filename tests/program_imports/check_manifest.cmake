# Fails unless wendral.exe carries the project's manifest byte for byte (administrator
# rights, common controls 6, DPI awareness, the supported systems): a build that lost it
# would start without elevation and write nothing.
# Arguments: EXE, MANIFEST.
file(READ "${MANIFEST}" manifest HEX)
file(READ "${EXE}" image HEX)
string(FIND "${image}" "${manifest}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "${EXE} does not embed ${MANIFEST}")
endif()
file(STRINGS "${MANIFEST}" level REGEX "requireAdministrator")
if(NOT level)
  message(FATAL_ERROR "${MANIFEST} no longer asks for administrator rights")
endif()
message(STATUS "manifest embedded at byte offset of hex digit ${at}")
