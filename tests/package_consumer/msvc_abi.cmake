# Included by check_consumer.cmake: class_lifecycle.c built for the Visual C++ ABI by clang and
# lld-link, without a C runtime, against the installed QuilletButton.lib (imported) and not
# against it (LOAD_AT_RUN_TIME); system import libraries from msvc/*.def. MinGW's headers
# stand in for the SDK's (clang told it is GNU-compatible, so they take their GNU paths).
set(out ${WORK}/msvc)
file(MAKE_DIRECTORY ${out})
if(POINTER_SIZE EQUAL 8)
  set(target x86_64-pc-windows-msvc)
  set(machine i386:x86-64)
  set(arch_flags "")
else()
  set(target i686-pc-windows-msvc)
  set(machine i386)
  set(arch_flags -D_X86_)
endif()
set(system_libraries "")
foreach(dll kernel32 user32)
  file(READ ${CMAKE_CURRENT_LIST_DIR}/msvc/${dll}.def def)
  if(POINTER_SIZE EQUAL 8)
    string(REGEX REPLACE "@[0-9]+" "" def "${def}")
  endif()
  file(WRITE ${out}/${dll}.def "${def}")
  execute_process(COMMAND ${LLVM_DLLTOOL} -m ${machine} -k -d ${out}/${dll}.def -l ${out}/${dll}.lib
                  COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND system_libraries ${out}/${dll}.lib)
endforeach()
foreach(variant imported loaded)
  if(variant STREQUAL "imported")
    set(defines -DQUILLETBUTTON_DLL)
    set(libraries ${WORK}/prefix/lib/QuilletButton.lib)
  else()
    set(defines -DLOAD_AT_RUN_TIME)
    set(libraries "")
  endif()
  execute_process(COMMAND ${CLANG} --target=${target} -fgnuc-version=4.2.1 ${arch_flags} -O2 -std=c89 -Wall
                          -DNO_C_RUNTIME ${defines} -isystem ${WINDOWS_HEADERS} -I${WORK}/prefix/include
                          -c ${PROJECT}/class_lifecycle.c -o ${out}/lifecycle_${variant}.obj
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${LLD_LINK} /nologo /nodefaultlib /entry:Start /subsystem:console
                          ${out}/lifecycle_${variant}.obj ${libraries} ${system_libraries}
                          /out:${WORK}/build/lifecycle_msvc_${variant}.exe
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
