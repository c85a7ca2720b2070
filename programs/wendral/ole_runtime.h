#pragma once
// OLE from the system folder instead of imported with the program, so that the main window
// shows without waiting for it: ole32 comes just before the first focus, OLE is set up once
// the window shows, and oleaut32 comes with the banner's decoding at the first paint.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

namespace wendral::win32 {

// The input method loads ole32 by name when a window of the thread first takes the focus,
// and Wine's loader looks for it and its combase in the program's folder as well. This
// loads them from the system folder just before the thread's first activation or focus (a
// one-shot hook; at once if the hook can't be set), so that the later load finds them in
// place, while the first window still shows without waiting: it is mapped before it is
// activated.
void LoadOleFromSystemFolderBeforeFirstFocus();

// OleInitialize on the calling thread; false when ole32 cannot be loaded or refuses.
bool StartOle();
// Ends what a successful StartOle began.
void StopOle();

// A picture (JPEG, GIF, bitmap, icon) decoded by OleLoadPicture from bytes in memory, or
// null. The caller releases it.
IPicture* LoadPictureFromBytes(const void* bytes, DWORD size);

}  // namespace wendral::win32
