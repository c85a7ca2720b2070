// QuilletButton_GetVersion: the version of the code that runs, which for a program using
// QuilletButton.dll may be older or newer than the header it was built with.
#include <windows.h>

#include "QuilletButton.h"

extern "C" DWORD WINAPI QuilletButton_GetVersion(void) { return QUILLETBUTTON_VERSION; }
