#include "message_boxes.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace wendral::win32 {

void Win32MessageService::Show(std::string_view text, std::string_view title, MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
  MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(title).c_str(), style);
}

}  // namespace wendral::win32
