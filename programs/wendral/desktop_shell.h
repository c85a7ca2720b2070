#pragma once
// Opens a web page in the logged-on user's own context. The program runs elevated, and a
// browser its own ShellExecute started would run with administrator rights too; the shell of
// the desktop runs as the user, so the page is handed to it.
#include <windows.h>

namespace wendral::win32 {

// Through the desktop's shell view (IShellWindows, then IShellDispatch2::ShellExecute).
// Where no such shell answers (no Explorer, another shell), with ShellExecuteW here only if
// this process is not elevated; otherwise nothing opens. OLE must be started on the thread.
void OpenPageAsDesktopUser(HWND owner, const wchar_t* address);

}  // namespace wendral::win32
