// The posix thread runtime that MinGW links in statically imports GetTickCount64, which the
// kernel32 of Windows XP does not have: the program would not even load there. Defining the
// import slot here makes the linker take it instead of kernel32's entry, and the slot
// points to a function that looks the real one up at run time, with GetTickCount as the
// fallback (wider than 32 bits by counting wrap-arounds).
#include <windows.h>

namespace {

ULONGLONG WINAPI TickCount64WithFallback() {
  using TickCount64 = ULONGLONG(WINAPI*)();
  static const auto real = reinterpret_cast<TickCount64>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
  if (real) return real();
  static DWORD last = 0;
  static ULONGLONG wraps = 0;
  const DWORD now = GetTickCount();
  if (now < last) ++wraps;
  last = now;
  return (wraps << 32) | now;
}

}  // namespace

#if defined(__i386__)
#define WENDRAL_TICK64_IMPORT "__imp__GetTickCount64@0"
#else
#define WENDRAL_TICK64_IMPORT "__imp_GetTickCount64"
#endif
extern "C" {
ULONGLONG(WINAPI* tick_count_64_slot)() __asm__(WENDRAL_TICK64_IMPORT) = TickCount64WithFallback;
}
