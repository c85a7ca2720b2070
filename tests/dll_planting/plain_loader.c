/* The control case: loads a DLL by bare name the way an unprotected program would, to show
   that a planted DLL of that name does get loaded under this Wine unless the program
   prevents it. Exit 0 when the load succeeded. */
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  return LoadLibraryW(argv[1]) ? 0 : 1;
}
