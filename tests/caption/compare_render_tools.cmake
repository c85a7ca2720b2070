# Runs quillet-render (native) and quillet-render.exe (under Wine) with the same
# arguments and requires byte-identical PNGs: both write the same stored-block encoding,
# so equal files mean equal pixels and equal transparency.
# Variables: NATIVE, WINE_RUN, EXE, DATA, OUT; optional CASES_FILE (one case a line, arguments
# separated by "|", @DATA@ standing for DATA; lines starting with # are skipped) and LABEL.
if(NOT EXISTS "${NATIVE}")
  message("native quillet-render not built at ${NATIVE}: build the native preset first "
          "(or configure with -DQUILLET_NATIVE_RENDER=<path>)")
  return()
endif()
file(MAKE_DIRECTORY "${OUT}")
set(cases
  "--look|normal"
  "--look|hot"
  "--look|pressed"
  "--focus|1"
  "--focus|1|--show-focus-rect|1"
  "--look|hot|--focus|1|--show-focus-rect|1"
  "--look|pressed|--show-focus-rect|1"
  "--default|1"
  "--active|0|--focus|1|--show-focus-rect|1"
  "--enabled|0"
  "--enabled|0|--look|hot"
  "--size|57x21|--backcolor|0x3060C0|--look|hot"
  "--size|160x48|--backcolor|0x000000|--look|pressed|--focus|1"
  "--size|15x15|--backcolor|0xFFFFFF|--default|1|--show-focus-rect|1"
  "--checkbox|1|--value|1"
  "--picture|${DATA}/pattern16.bmp|--picture-align|0"
  "--picture|${DATA}/pattern16.bmp|--use-mask-color|1|--look|hot"
  "--picture|${DATA}/disc16.ico|--picture-align|4|--picture-size|3"
  "--picture|${DATA}/pattern16.bmp|--enabled|0|--picture-size|2"
  "--picture|${DATA}/disc16.ico|--picture-hover|${DATA}/disc16.ico|--enabled|0|--picture-align|7")
if(DEFINED CASES_FILE)
  file(STRINGS "${CASES_FILE}" lines ENCODING UTF-8)
  set(cases "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^#" OR line STREQUAL "")
      continue()
    endif()
    string(REPLACE "@DATA@" "${DATA}" line "${line}")
    list(APPEND cases "${line}")
  endforeach()
endif()
if(NOT DEFINED LABEL)
  set(LABEL caption)
endif()
set(index 0)
set(failed "")
foreach(case IN LISTS cases)
  string(REPLACE "|" " " shown "${case}")
  string(REPLACE "|" ";" args "${case}")
  set(native_png "${OUT}/native_${index}.png")
  set(wine_png "${OUT}/wine_${index}.png")
  execute_process(COMMAND "${NATIVE}" ${args} --out "${native_png}" RESULT_VARIABLE rc_native)
  execute_process(COMMAND "${WINE_RUN}" "${EXE}" ${args} --out "${wine_png}" RESULT_VARIABLE rc_wine
                  ERROR_VARIABLE wine_err)
  if(NOT rc_native EQUAL 0 OR NOT rc_wine EQUAL 0)
    list(APPEND failed "${shown} (exit ${rc_native}/${rc_wine})")
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${native_png}" "${wine_png}"
                    RESULT_VARIABLE differ)
    if(differ)
      list(APPEND failed "${shown} (${native_png} vs ${wine_png})")
    endif()
  endif()
  math(EXPR index "${index} + 1")
endforeach()
list(LENGTH cases count)
if(failed)
  string(REPLACE ";" "\n  " listed "${failed}")
  message(FATAL_ERROR "quillet-render and quillet-render.exe differ:\n  ${listed}")
endif()
message("[${LABEL}] ${count} renderings identical between quillet-render and quillet-render.exe")
