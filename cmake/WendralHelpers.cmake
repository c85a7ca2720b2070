# Shared build helpers: test framework, Wine runner for the cross build, test registration.

if(WENDRAL_TESTS)
  if(CMAKE_CROSSCOMPILING)
    # GoogleTest's source, built with the cross compiler: Debian's googletest package puts it
    # in /usr/src/googletest; name another folder with -DWENDRAL_GOOGLETEST_SOURCE_DIR=<dir>.
    find_path(WENDRAL_GOOGLETEST_SOURCE_DIR googletest/include/gtest/gtest.h PATHS /usr/src/googletest
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH DOC "GoogleTest's source folder, built for the cross build's tests")
    if(NOT WENDRAL_GOOGLETEST_SOURCE_DIR)
      message(FATAL_ERROR "No GoogleTest source for the cross build's tests: install Debian's googletest "
                          "package or set WENDRAL_GOOGLETEST_SOURCE_DIR to the folder that holds it")
    endif()
    # Not installed with the release package.
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${WENDRAL_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

if(CMAKE_CROSSCOMPILING)
  # Windows executables run under Wine in a prefix that belongs to this build directory.
  set(WENDRAL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/tools/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
  # Are the test programs of this build built? The environment's WENDRAL_WINE_TESTS=ON or OFF
  # says so (the test command builds them only for the build whose suites it runs, and
  # leaves nothing behind in the cache); unset, they are built where
  # this machine runs the build's programs under Wine (some kernels refuse 32-bit code). Where
  # they are not, every suite is still registered, so ctest -N counts them all, and ctest
  # lists them as disabled; the static checks of the programs run either way.
  if(DEFINED ENV{WENDRAL_WINE_TESTS})
    set(WENDRAL_WINE_RUNS $ENV{WENDRAL_WINE_TESTS})
    set(wine_probe_says "WENDRAL_WINE_TESTS=$ENV{WENDRAL_WINE_TESTS}")
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WENDRAL_WINEPREFIX}
                            WINEARCH=${WENDRAL_WINE_ARCH} bash ${PROJECT_SOURCE_DIR}/tools/wine-exec.sh --probe
                    RESULT_VARIABLE wine_probe OUTPUT_VARIABLE wine_probe_says
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(wine_probe EQUAL 0)
      set(WENDRAL_WINE_RUNS ON)
    else()
      set(WENDRAL_WINE_RUNS OFF)
    endif()
  endif()
  if(NOT WENDRAL_WINE_RUNS)
    message(STATUS "Windows suites registered, not built: ${wine_probe_says}")
  endif()
  # The native tool of the sibling build directory (tools/test-all.sh builds it first).
  set(QUILLET_NATIVE_RENDER "${CMAKE_BINARY_DIR}/../native/bin/quillet-render" CACHE FILEPATH
      "native quillet-render whose PNGs quillet-render.exe must reproduce")
endif()

# wendral_runnable_only([TARGETS <targets...>] [TESTS <tests...>])
# Test programs and tests that need Wine to run this build: left out of the default build and
# disabled where it can't (see WENDRAL_WINE_RUNS).
function(wendral_runnable_only)
  cmake_parse_arguments(R "" "" "TARGETS;TESTS" ${ARGN})
  if(NOT CMAKE_CROSSCOMPILING OR WENDRAL_WINE_RUNS)
    return()
  endif()
  if(R_TARGETS)
    set_target_properties(${R_TARGETS} PROPERTIES EXCLUDE_FROM_ALL TRUE)
  endif()
  if(R_TESTS)
    set_tests_properties(${R_TESTS} PROPERTIES DISABLED TRUE)
  endif()
endfunction()

# wendral_test(<name> SOURCES <files...> LIBS <libs...> [LABELS <labels...>])
# One executable per suite and one CTest entry per executable: under Wine a process start
# costs far more than a test case, so a suite runs in one process.
function(wendral_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(WIN32)
    target_link_libraries(${name} PRIVATE wendral_windows)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set(labels ${T_LABELS})
  if(CMAKE_CROSSCOMPILING)
    list(APPEND labels wine)
  else()
    list(APPEND labels native)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT 600)
  wendral_runnable_only(TARGETS ${name} TESTS ${name})
endfunction()

# wendral_also_on_code_page_1252(<test> [GTEST_FILTER <filter>])
# Registers <test>_cp1252: the same suite, with the same properties, in the build's second Wine
# prefix, whose ANSI code page is 1252 as on a Western Windows (WENDRAL_CODEPAGE, see
# tools/wine-exec.sh). Call it after the test's own properties are set.
function(wendral_also_on_code_page_1252 name)
  cmake_parse_arguments(C "" "GTEST_FILTER" "" ${ARGN})
  if(NOT CMAKE_CROSSCOMPILING)
    return()
  endif()
  set(args --gtest_brief=1)
  if(C_GTEST_FILTER)
    list(APPEND args --gtest_filter=${C_GTEST_FILTER})
  endif()
  add_test(NAME ${name}_cp1252 COMMAND ${name} ${args} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name}_cp1252 PROPERTIES ENVIRONMENT WENDRAL_CODEPAGE=1252)
  foreach(property IN ITEMS LABELS TIMEOUT RESOURCE_LOCK RUN_SERIAL DISABLED)
    get_test_property(${name} ${property} value)
    if(value)
      set_tests_properties(${name}_cp1252 PROPERTIES ${property} "${value}")
    endif()
  endforeach()
endfunction()

# wendral_compare_render_tools(<test name> CASES <file> [LABEL <text>])
# Under Wine: quillet-render (native, from the sibling build directory) and quillet-render.exe
# draw every case of <file> and must write byte-identical PNGs.
function(wendral_compare_render_tools name)
  cmake_parse_arguments(C "" "CASES;LABEL" "" ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  if(NOT C_LABEL)
    set(C_LABEL ${name})
  endif()
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -DNATIVE=${QUILLET_NATIVE_RENDER}
                   -DWINE_RUN=${CMAKE_BINARY_DIR}/wine-run.sh -DEXE=$<TARGET_FILE:quillet-render>
                   -DDATA=${PROJECT_SOURCE_DIR}/tests/caption/data -DOUT=${CMAKE_CURRENT_BINARY_DIR}/${name}
                   -DCASES_FILE=${C_CASES} -DLABEL=${C_LABEL}
                   -P ${PROJECT_SOURCE_DIR}/tests/caption/compare_render_tools.cmake)
  set_tests_properties(${name} PROPERTIES LABELS "button;wine" TIMEOUT 900
                       SKIP_REGULAR_EXPRESSION "native quillet-render not built")
  wendral_runnable_only(TESTS ${name})
endfunction()
