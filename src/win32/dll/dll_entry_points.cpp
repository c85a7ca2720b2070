// What QuilletButton.dll exports where the static library's function would be wrong for a
// DLL: the class must belong to the DLL's module, whose code its window procedure is, so
// that unregistering it before FreeLibrary leaves no class behind pointing into unloaded
// code. Exported under the header's names by QuilletButton.def.
#include <windows.h>

#include "QuilletButton.h"

// The linker's symbol for the start of this module's image: its HINSTANCE.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

}  // namespace

extern "C" ATOM WINAPI QuilletButtonDll_Register(HINSTANCE) { return QuilletButton_Register(ThisModule()); }

extern "C" BOOL WINAPI QuilletButtonDll_Unregister(HINSTANCE) { return QuilletButton_Unregister(ThisModule()); }
