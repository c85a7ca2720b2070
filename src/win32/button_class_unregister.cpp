// QuilletButton_Unregister: the counterpart of QuilletButton_Register, so that a module that
// registered the class (above all QuilletButton.dll) can take it back before it unloads.
#include <windows.h>

#include "QuilletButton.h"

extern "C" BOOL WINAPI QuilletButton_Unregister(HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleW(nullptr);
  // Fails, as UnregisterClass does, while windows of the class exist.
  return UnregisterClassW(QUILLETBUTTON_CLASSW, instance);
}
