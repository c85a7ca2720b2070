# cmake -DBUILD=<build dir> -DPROJECT=<consumer project> -DTOOLCHAIN=<file> -DWORK=<dir>
#       -DWINE_RUN=<runner> -P check_consumer.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --component QuilletButton --prefix ${WORK}/prefix
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
foreach(file include/QuilletButton.h lib/libQuilletButton.a lib/cmake/QuilletButton/QuilletButtonConfig.cmake)
  if(NOT EXISTS ${WORK}/prefix/${file})
    message(FATAL_ERROR "the install has no ${file}")
  endif()
endforeach()
# Nothing of this tree but the prefix: no cache, no include path, no library path.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${PROJECT} -B ${WORK}/build -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
                        -DCMAKE_PREFIX_PATH=${WORK}/prefix -DCONSUMER_CXX=ON -DCMAKE_BUILD_TYPE=Release
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK}/build -j2 OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WINE_RUN} --probe RESULT_VARIABLE cannot_run OUTPUT_VARIABLE why ERROR_VARIABLE why)
if(cannot_run)
  message(STATUS "built; not run: ${why}")
  return()
endif()
foreach(program consumer_c consumer_cpp)
  execute_process(COMMAND ${WINE_RUN} ${WORK}/build/${program}.exe RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program}.exe failed check ${status}")
  endif()
endforeach()
message(STATUS "consumer_c.exe and consumer_cpp.exe built against the installed package and ran")
