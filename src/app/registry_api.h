#pragma once
// The eight advapi32 registry calls the adapter registry layer is built on, as an
// interface, so the layer runs against the real registry on Windows
// (src/win32/win32_registry.h) and against an in-memory tree elsewhere
// (src/formats/memory_registry.h). No Windows header here: handles, constants and
// error codes carry their Windows values under names of our own.
//
// These are the wide (`W`) forms, so a name reaches the registry as the characters it holds on
// every ANSI code page. Key paths and value names are UTF-8, NUL-terminated (the Windows side
// widens them); value data is the bytes the wide functions take and give, text types as
// UTF-16LE. A null name means the same as an empty one: the key's default value, or the key
// itself for a sub-key path.
#include <cstdint>

namespace wendral {

// An open registry key: Windows' HKEY as an integer. Zero is no key.
using RegKey = std::uintptr_t;

// A Windows status code (LONG): 0 for success, otherwise a Windows error code.
using Status = std::int32_t;

namespace reg {

// Predefined root keys. Windows defines them as (HKEY)(ULONG_PTR)(LONG)0x8000000n, so on
// 64-bit Windows the value is sign-extended.
constexpr RegKey PredefinedKey(std::uint32_t low) {
  return static_cast<RegKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(low)));
}
inline constexpr RegKey kHkeyClassesRoot = PredefinedKey(0x80000000u);
inline constexpr RegKey kHkeyCurrentUser = PredefinedKey(0x80000001u);
inline constexpr RegKey kHkeyLocalMachine = PredefinedKey(0x80000002u);
inline constexpr RegKey kHkeyUsers = PredefinedKey(0x80000003u);
inline constexpr RegKey kHkeyCurrentConfig = PredefinedKey(0x80000005u);

// Value types (REG_*).
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kSz = 1;
inline constexpr std::uint32_t kExpandSz = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kDwordBigEndian = 5;
inline constexpr std::uint32_t kLink = 6;
inline constexpr std::uint32_t kMultiSz = 7;
inline constexpr std::uint32_t kQword = 11;

// Key access rights (KEY_*) and the masks built from them.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyNotify = 0x0010;
inline constexpr std::uint32_t kKeyCreateLink = 0x0020;
inline constexpr std::uint32_t kDelete = 0x00010000;
inline constexpr std::uint32_t kReadControl = 0x00020000;
inline constexpr std::uint32_t kWriteDac = 0x00040000;
inline constexpr std::uint32_t kWriteOwner = 0x00080000;
inline constexpr std::uint32_t kMaximumAllowed = 0x02000000;
// KEY_READ: read control, query value, enumerate sub-keys, notify.
inline constexpr std::uint32_t kKeyRead = 0x00020019;
// KEY_ALL_ACCESS.
inline constexpr std::uint32_t kKeyAllAccess = 0x000F003F;
// The mask the adapter layer passes to every open and create: the six specific key rights, no
// standard rights.
inline constexpr std::uint32_t kAdapterKeyAccess = 0x3F;

// RegCreateKeyEx options and dispositions.
inline constexpr std::uint32_t kOptionNonVolatile = 0;
inline constexpr std::uint32_t kCreatedNewKey = 1;
inline constexpr std::uint32_t kOpenedExistingKey = 2;

// Windows error codes the registry functions return.
inline constexpr Status kErrorSuccess = 0;
inline constexpr Status kErrorFileNotFound = 2;
inline constexpr Status kErrorAccessDenied = 5;
inline constexpr Status kErrorInvalidHandle = 6;
inline constexpr Status kErrorNotEnoughMemory = 8;
inline constexpr Status kErrorInvalidData = 13;
inline constexpr Status kErrorInvalidParameter = 87;
inline constexpr Status kErrorBadPathname = 161;
inline constexpr Status kErrorMoreData = 234;
inline constexpr Status kErrorNoAccess = 998;
inline constexpr Status kErrorKeyDeleted = 1018;

}  // namespace reg

// The eight calls, with the arguments the adapter layer gives them (reserved words, class text and
// security attributes are always zero/null and are left out). Each returns what the Windows
// function returns.
class RegistryApi {
 public:
  virtual ~RegistryApi() = default;

  // RegOpenKeyExW(root, subKey, options, access, result).
  virtual Status OpenKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                         RegKey* result) = 0;

  // RegCreateKeyExW(root, subKey, 0, nullptr, options, access, nullptr, result,
  // disposition); disposition may be null.
  virtual Status CreateKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access, RegKey* result,
                           std::uint32_t* disposition) = 0;

  // RegQueryValueExW(key, name, nullptr, type, data, size). type, data and size may be null;
  // *size is the buffer size on entry and the value's size in bytes on return.
  virtual Status QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                            std::uint32_t* size) = 0;

  // RegSetValueExW(key, name, 0, type, data, size).
  virtual Status SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t size) = 0;

  // RegDeleteValueW(key, name).
  virtual Status DeleteValue(RegKey key, const char* name) = 0;

  // RegCloseKey(key).
  virtual Status CloseKey(RegKey key) = 0;

  // RegQueryInfoKeyW(key, ...): how many sub-keys and values the key holds. Either may be
  // null.
  virtual Status QueryKeyCounts(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) = 0;

  // RegDeleteKeyW(root, subKey): deletes a key with its values; a key that still has sub-keys
  // stays (ERROR_ACCESS_DENIED).
  virtual Status DeleteKey(RegKey root, const char* subKey) = 0;
};

}  // namespace wendral
