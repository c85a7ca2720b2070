#pragma once
// OLE from the system folder instead of imported with the program, so that the main window
// shows without waiting for it: only ole32 is mapped beforehand (LoadOleFromSystemFolder),
// OLE is set up once the window shows, and oleaut32 comes with the banner's decoding at the
// first paint.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

namespace wendral::win32 {

// The input method loads ole32 by name the first time a window takes the focus, and Wine's
// loader looks for it and its own dependencies (combase) in the program's folder as well.
// Loaded from the system folder before any window shows, that later load finds them in place.
void LoadOleFromSystemFolder();

// OleInitialize on the calling thread; false when ole32 cannot be loaded or refuses.
bool StartOle();
// Ends what a successful StartOle began.
void StopOle();

// A picture (JPEG, GIF, bitmap, icon) decoded by OleLoadPicture from bytes in memory, or
// null. The caller releases it.
IPicture* LoadPictureFromBytes(const void* bytes, DWORD size);

}  // namespace wendral::win32
