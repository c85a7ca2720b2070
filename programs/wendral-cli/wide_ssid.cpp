#include "wide_ssid.h"

#include <windows.h>

#include "app/adapter_registry.h"
#include "win32/wide_text.h"

namespace wendral::win32 {

Status Win32SsidAccess::Read(cli::SlotValue* slot) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(slot->path).c_str(), 0, KEY_QUERY_VALUE, &key);
  if (status == ERROR_FILE_NOT_FOUND) return 0;
  if (status != ERROR_SUCCESS) return status;
  slot->keyExists = true;
  const std::wstring name = Widen(SsidValueName);
  DWORD type = 0;
  DWORD size = 0;
  status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    std::string data(size, '\0');
    DWORD read = size;
    status = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read);
    if (status == ERROR_SUCCESS) {
      data.resize(read <= size ? read : size);
      slot->hasValue = true;
      slot->type = type;
      slot->data = std::move(data);
    }
  } else if (status == ERROR_FILE_NOT_FOUND) {
    status = 0;
  }
  RegCloseKey(key);
  return status;
}

Status Win32SsidAccess::Write(const std::string& path, std::uint32_t type, std::string_view data) {
  HKEY key = nullptr;
  // The access the window's writes ask for, which the rights check before them tries.
  LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                reg::kAdapterKeyAccess, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = RegSetValueExW(key, Widen(SsidValueName).c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size()));
  RegCloseKey(key);
  return status;
}

}  // namespace wendral::win32
