/* The class's life through the header's three functions, in the three ways a program gets
 * them: linked from the static library, imported from QuilletButton.dll (QUILLETBUTTON_DLL)
 * or looked up in it at run time (LOAD_AT_RUN_TIME, what foreign-function interfaces do).
 * Built by MinGW and, for the DLL, by clang for the Visual C++ ABI without a C runtime
 * (NO_C_RUNTIME: entry point Start). Exit status 0 when every check held, else the number
 * of the first that failed. */
#include <windows.h>

#include "QuilletButton.h"

typedef ATOM(WINAPI* RegisterFn)(HINSTANCE);
typedef BOOL(WINAPI* UnregisterFn)(HINSTANCE);
typedef DWORD(WINAPI* GetVersionFn)(void);

static int clicks;

static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_COMMAND && LOWORD(wparam) == 7 && HIWORD(wparam) == BN_CLICKED) ++clicks;
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

static HWND CreateButton(HWND parent) {
  return CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"&Go", WS_CHILD | WS_VISIBLE, 10, 10, 120, 30, parent,
                         (HMENU)(INT_PTR)7, GetModuleHandleW(NULL), NULL);
}

/* `owner`: the module the class must belong to, the one whose code its procedure is. */
static int Lifecycle(RegisterFn reg, UnregisterFn unreg, GetVersionFn version, HMODULE owner) {
  static WNDCLASSW wc; /* zeroed without memset, which a program without C runtime lacks */
  HINSTANCE program = GetModuleHandleW(NULL);
  HWND parent, button;
  ATOM atom;
  wc.lpfnWndProc = ParentProc;
  wc.hInstance = program;
  wc.lpszClassName = L"LifecycleParent";
  if (!reg || !unreg || !version || !owner) return 10;
  if (version() != QUILLETBUTTON_VERSION) return 11;
  if (!RegisterClassW(&wc)) return 12;
  atom = reg(program);
  if (!atom || reg(program) != atom) return 13;
  parent = CreateWindowExW(0, L"LifecycleParent", L"lifecycle", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL, NULL,
                           program, NULL);
  button = CreateButton(parent);
  if (!parent || !button) return 14;
  if ((HMODULE)GetClassLongPtrW(button, GCLP_HMODULE) != owner) return 15;
  SendMessageW(button, BM_CLICK, 0, 0);
  if (clicks != 1) return 16;
  if (unreg(program)) return 17; /* a button of the class still exists */
  DestroyWindow(parent);
  if (!unreg(program)) return 18;
  if (CreateButton(NULL)) return 19; /* the class is gone */
  if (!reg(program)) return 20; /* and can come back */
  if (!unreg(program)) return 21;
  return 0;
}

int main(void) {
#if defined(LOAD_AT_RUN_TIME)
  HMODULE dll = LoadLibraryW(L"QuilletButton.dll");
  int status;
  if (!dll) return 1;
  status = Lifecycle((RegisterFn)(void*)GetProcAddress(dll, "QuilletButton_Register"),
                     (UnregisterFn)(void*)GetProcAddress(dll, "QuilletButton_Unregister"),
                     (GetVersionFn)(void*)GetProcAddress(dll, "QuilletButton_GetVersion"), dll);
  if (status) return status;
  if (!FreeLibrary(dll)) return 2;
  if (GetModuleHandleW(L"QuilletButton.dll")) return 3; /* still loaded */
  return 0;
#elif defined(QUILLETBUTTON_DLL)
  return Lifecycle(QuilletButton_Register, QuilletButton_Unregister, QuilletButton_GetVersion,
                   GetModuleHandleW(L"QuilletButton.dll"));
#else
  return Lifecycle(QuilletButton_Register, QuilletButton_Unregister, QuilletButton_GetVersion, GetModuleHandleW(NULL));
#endif
}

#ifdef NO_C_RUNTIME
void __stdcall Start(void) { ExitProcess((UINT)main()); }
#endif
