// Keeps DLLs planted beside a program out of it.
//
// The programs run elevated and are started from wherever the user saved them (typically
// Downloads). Windows looks for a DLL outside its always-from-system set ("known DLLs") in
// the program's own folder first, so a DLL of such a name left there would run with
// administrator rights. Static imports are therefore limited to known DLLs (a static check
// holds every program to that), and everything else is loaded through here.
#pragma once

#include <windows.h>

namespace wendral::win32 {

// First thing in every program's entry point: limits the DLL search of the whole process,
// including the loads system DLLs make on its behalf, to the system folder
// (SetDefaultDllDirectories). Where that call is missing (XP, Vista and 7 without update
// KB2533623), at least takes the current directory out of the search (SetDllDirectoryW).
void RestrictDllSearchToSystemFolder();

// Loads `name` ("uxtheme.dll") by its full path in the system folder. Null on failure.
HMODULE LoadSystemLibrary(const wchar_t* name);

// comctl32 through the program's manifest, which names version 6 from the side-by-side store
// (resolved before any folder is searched); InitCommonControlsEx with the standard classes.
// Answers whether the library could be loaded.
bool InitCommonControlsFromSystem();

}  // namespace wendral::win32
