#include "win32/win32_registry.h"

#include <windows.h>

#include <optional>
#include <string>

#include "win32/wide_text.h"

namespace wendral {
namespace {

static_assert(sizeof(RegKey) == sizeof(HKEY));
static_assert(sizeof(DWORD) == sizeof(std::uint32_t));

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

// A UTF-8 name widened for the W functions; a null name stays null.
class WideName {
 public:
  explicit WideName(const char* utf8) {
    if (utf8 != nullptr) wide_ = win32::Widen(utf8);
  }
  const wchar_t* get() const { return wide_ ? wide_->c_str() : nullptr; }

 private:
  std::optional<std::wstring> wide_;
};

}  // namespace

// The predefined keys and the constants of registry_api.h are the Windows ones.
static_assert(reg::kHkeyLocalMachine == static_cast<RegKey>(static_cast<LONG_PTR>(static_cast<LONG>(0x80000002))));
static_assert(reg::kSz == REG_SZ && reg::kExpandSz == REG_EXPAND_SZ && reg::kBinary == REG_BINARY &&
              reg::kDword == REG_DWORD && reg::kMultiSz == REG_MULTI_SZ && reg::kQword == REG_QWORD);
static_assert(reg::kKeyRead == KEY_READ && reg::kKeyAllAccess == KEY_ALL_ACCESS &&
              reg::kAdapterKeyAccess == (KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS |
                                         KEY_NOTIFY | KEY_CREATE_LINK));
static_assert(reg::kErrorFileNotFound == ERROR_FILE_NOT_FOUND && reg::kErrorAccessDenied == ERROR_ACCESS_DENIED &&
              reg::kErrorInvalidHandle == ERROR_INVALID_HANDLE &&
              reg::kErrorInvalidParameter == ERROR_INVALID_PARAMETER && reg::kErrorBadPathname == ERROR_BAD_PATHNAME &&
              reg::kErrorMoreData == ERROR_MORE_DATA && reg::kErrorNoAccess == ERROR_NOACCESS &&
              reg::kErrorKeyDeleted == ERROR_KEY_DELETED && reg::kErrorInvalidData == ERROR_INVALID_DATA);

Status Win32Registry::OpenKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                              RegKey* result) {
  HKEY key = result != nullptr ? ToHkey(*result) : nullptr;
  const LONG status = RegOpenKeyExW(ToHkey(root), WideName(subKey).get(), options, access, &key);
  if (result != nullptr) *result = reinterpret_cast<RegKey>(key);
  return status;
}

Status Win32Registry::CreateKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                                RegKey* result, std::uint32_t* disposition) {
  HKEY key = result != nullptr ? ToHkey(*result) : nullptr;
  DWORD created = disposition != nullptr ? *disposition : 0;
  const LONG status = RegCreateKeyExW(ToHkey(root), WideName(subKey).get(), 0, nullptr, options, access, nullptr, &key,
                                      disposition != nullptr ? &created : nullptr);
  if (result != nullptr) *result = reinterpret_cast<RegKey>(key);
  if (disposition != nullptr) *disposition = created;
  return status;
}

Status Win32Registry::QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                                 std::uint32_t* size) {
  DWORD valueType = type != nullptr ? *type : 0;
  DWORD valueSize = size != nullptr ? *size : 0;
  const LONG status =
      RegQueryValueExW(ToHkey(key), WideName(name).get(), nullptr, type != nullptr ? &valueType : nullptr, data,
                       size != nullptr ? &valueSize : nullptr);
  if (type != nullptr) *type = valueType;
  if (size != nullptr) *size = valueSize;
  return status;
}

Status Win32Registry::SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                               std::uint32_t size) {
  return RegSetValueExW(ToHkey(key), WideName(name).get(), 0, type, data, size);
}

Status Win32Registry::DeleteValue(RegKey key, const char* name) {
  return RegDeleteValueW(ToHkey(key), WideName(name).get());
}

Status Win32Registry::CloseKey(RegKey key) { return RegCloseKey(ToHkey(key)); }

Status Win32Registry::QueryKeyCounts(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) {
  DWORD keys = 0;
  DWORD valueCount = 0;
  const LONG status = RegQueryInfoKeyW(ToHkey(key), nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &valueCount,
                                       nullptr, nullptr, nullptr, nullptr);
  if (subKeys != nullptr) *subKeys = keys;
  if (values != nullptr) *values = valueCount;
  return status;
}

Status Win32Registry::DeleteKey(RegKey root, const char* subKey) {
  return RegDeleteKeyW(ToHkey(root), WideName(subKey).get());
}

}  // namespace wendral
