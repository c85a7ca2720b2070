# cmake -DBUILD=<build dir> -DPROJECT=<consumer project> -DTOOLCHAIN=<file> -DWORK=<dir>
#       -DWINE_RUN=<runner> -DPOINTER_SIZE=<4 or 8> -DCLANG=<clang> -DLLD_LINK=<lld-link>
#       -DLLVM_DLLTOOL=<llvm-dlltool> -DWINDOWS_HEADERS=<MinGW include dir> -P check_consumer.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --component QuilletButton --prefix ${WORK}/prefix
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
foreach(file include/QuilletButton.h lib/libQuilletButton.a lib/cmake/QuilletButton/QuilletButtonConfig.cmake
             bin/QuilletButton.dll lib/libQuilletButton.dll.a lib/QuilletButton.lib lib/QuilletButton.def)
  if(NOT EXISTS ${WORK}/prefix/${file})
    message(FATAL_ERROR "the install has no ${file}")
  endif()
endforeach()
# Nothing of this tree but the prefix: no cache, no include path, no library path.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${PROJECT} -B ${WORK}/build -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
                        -DCMAKE_PREFIX_PATH=${WORK}/prefix -DCONSUMER_CXX=ON -DCMAKE_BUILD_TYPE=Release
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK}/build -j2 OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The DLL's programs as a Visual C++ program would be built, beside the MinGW ones.
include(${CMAKE_CURRENT_LIST_DIR}/msvc_abi.cmake)
execute_process(COMMAND ${WINE_RUN} --probe RESULT_VARIABLE cannot_run OUTPUT_VARIABLE why ERROR_VARIABLE why)
if(cannot_run)
  message(STATUS "built; not run: ${why}")
  return()
endif()
foreach(program consumer_c consumer_cpp consumer_dll lifecycle_static lifecycle_dll lifecycle_loaded
                lifecycle_msvc_imported lifecycle_msvc_loaded)
  execute_process(COMMAND ${WINE_RUN} ${WORK}/build/${program}.exe RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    string(REGEX MATCHALL "check [0-9]+ failed[^\n]*" failed "${errors}")
    message(FATAL_ERROR "${program}.exe failed check ${status}: ${failed}")
  endif()
endforeach()
message(STATUS "consumer and lifecycle programs (static, DLL, Visual C++ ABI) built against the installed package and ran")
