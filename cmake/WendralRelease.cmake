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

# QuilletButton for other programs: include/QuilletButton.h, lib/libQuilletButton.a and
# lib/cmake/QuilletButton, for find_package(QuilletButton CONFIG). Component QuilletButton,
# so `cmake --install <build> --component QuilletButton --prefix DIR` installs it alone.
function(wendral_install_quillet_button)
  if(NOT TARGET QuilletButton)
    return()
  endif()
  include(CMakePackageConfigHelpers)
  install(TARGETS QuilletButton EXPORT QuilletButtonTargets ARCHIVE DESTINATION lib COMPONENT QuilletButton)
  # Without the debug sections: a tenth of the size, and programs built on it carry none.
  install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-debug \"\${CMAKE_INSTALL_PREFIX}/lib/$<TARGET_FILE_NAME:QuilletButton>\" COMMAND_ERROR_IS_FATAL ANY)"
          COMPONENT QuilletButton)
  install(FILES ${PROJECT_SOURCE_DIR}/include/QuilletButton.h DESTINATION include COMPONENT QuilletButton)
  install(EXPORT QuilletButtonTargets NAMESPACE QuilletButton:: DESTINATION lib/cmake/QuilletButton
          COMPONENT QuilletButton)
  set(config_dir ${CMAKE_BINARY_DIR}/QuilletButtonPackage)
  configure_package_config_file(${PROJECT_SOURCE_DIR}/packaging/cmake/QuilletButtonConfig.cmake.in
                                ${config_dir}/QuilletButtonConfig.cmake INSTALL_DESTINATION lib/cmake/QuilletButton)
  write_basic_package_version_file(${config_dir}/QuilletButtonConfigVersion.cmake VERSION ${PROJECT_VERSION}
                                   COMPATIBILITY SameMajorVersion)
  install(FILES ${config_dir}/QuilletButtonConfig.cmake ${config_dir}/QuilletButtonConfigVersion.cmake
          DESTINATION lib/cmake/QuilletButton COMPONENT QuilletButton)
endfunction()

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
  wendral_install_quillet_button()
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
