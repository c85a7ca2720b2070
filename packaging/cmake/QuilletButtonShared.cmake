# QuilletButton::Shared: QuilletButton.dll through its import library, the header's
# functions declared dllimport (QUILLETBUTTON_DLL). Copy bin/QuilletButton.dll beside the program.
get_filename_component(_quillet_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(NOT TARGET QuilletButton::Shared)
  add_library(QuilletButton::Shared SHARED IMPORTED)
  if(MSVC)
    set(_quillet_implib "${_quillet_prefix}/lib/QuilletButton.lib")
  else()
    set(_quillet_implib "${_quillet_prefix}/lib/libQuilletButton.dll.a")
  endif()
  set_target_properties(QuilletButton::Shared PROPERTIES
    IMPORTED_LOCATION "${_quillet_prefix}/bin/QuilletButton.dll"
    IMPORTED_IMPLIB "${_quillet_implib}"
    INTERFACE_INCLUDE_DIRECTORIES "${_quillet_prefix}/include"
    INTERFACE_COMPILE_DEFINITIONS QUILLETBUTTON_DLL)
  unset(_quillet_implib)
endif()
unset(_quillet_prefix)
