#pragma once
// An in-memory registry: a tree of keys and values behind the eight calls of RegistryApi, for
// machines without a Windows registry. It answers with the status codes Windows (as Wine
// implements it) gives, so the adapter registry layer cannot tell it from the real one:
// missing key ERROR_FILE_NOT_FOUND, read-only key opened for writing ERROR_ACCESS_DENIED,
// too small a buffer ERROR_MORE_DATA, null or unknown handle ERROR_INVALID_HANDLE, and so on.
// tests/registry/ holds the contract suite that runs it side by side with the real registry
// under Wine.
//
// As the wide (`W`) functions see them: names are characters (UTF-8 here) and compare
// case-insensitively (the letters of Latin-1, Latin Extended-A, basic Greek, Cyrillic and
// the full-width forms, besides ASCII); data is kept as the bytes given, text types as the UTF-16LE
// the wide calls take and give, with no terminator added or dropped.
//
// Differences from Windows left on purpose: no security descriptors but a read-only mark per
// key; no volatile keys, links or notifications; case folding only for the scripts above;
// RegSetValueExW's habit of counting a text's terminator the caller left out of the size when
// the character after the buffer is zero (it reads past the buffer) is not copied.
// Loading and saving .reg files: formats/reg_file.h.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/registry_api.h"

namespace wendral {

// A value as RegEnumValueW / RegQueryValueExW give it.
struct RegValueSnapshot {
  std::string name;  // UTF-8; "" is the key's default value
  std::uint32_t type = 0;
  std::string data;  // bytes; text types UTF-16LE
  friend bool operator==(const RegValueSnapshot&, const RegValueSnapshot&) = default;
};

// A key with its values and sub-keys, each list in case-insensitive name order.
struct RegKeySnapshot {
  std::string name;  // UTF-8, the last component of the key's path
  std::vector<RegValueSnapshot> values;
  std::vector<RegKeySnapshot> subkeys;
  friend bool operator==(const RegKeySnapshot&, const RegKeySnapshot&) = default;
};

class MemoryRegistry final : public RegistryApi {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  Status OpenKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access, RegKey* result) override;
  Status CreateKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access, RegKey* result,
                   std::uint32_t* disposition) override;
  Status QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
  Status SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
  Status DeleteValue(RegKey key, const char* name) override;
  Status CloseKey(RegKey key) override;
  Status QueryKeyCounts(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override;
  Status DeleteKey(RegKey root, const char* subKey) override;

  // Marks an existing key read-only (or writable again): opens and creates of that key that
  // ask for more than KEY_READ fail with ERROR_ACCESS_DENIED, as for a key whose security
  // grants only KEY_READ. Its sub-keys are not affected. ERROR_FILE_NOT_FOUND when the key
  // is missing.
  Status SetReadOnly(RegKey root, std::string_view path, bool readOnly);

  // Deletes a key with everything below it (RegDeleteTree, or "[-KEY]" in a .reg file).
  // Handles still open on the deleted keys get ERROR_KEY_DELETED. An empty path empties a
  // root key. ERROR_FILE_NOT_FOUND when the key is missing.
  Status DeleteKeyTree(RegKey root, std::string_view path);

  // Open handles (the predefined roots do not count): zero after balanced use.
  std::size_t OpenHandleCount() const;

  // The key root\path with everything below it, or nothing when it is missing.
  std::optional<RegKeySnapshot> Snapshot(RegKey root, std::string_view path) const;

  // The predefined roots the store holds, and their names in .reg files
  // ("HKEY_LOCAL_MACHINE"...).
  static const std::vector<RegKey>& Roots();
  static std::string_view RootName(RegKey root);  // "" for a key that is no root
  // Full names, and the short forms "HKLM", "HKCU", "HKCR", "HKU", "HKCC"; any case.
  static std::optional<RegKey> RootByName(std::string_view name);

 private:
  struct Node;
  struct Handle {
    std::shared_ptr<Node> node;
    std::uint32_t access = 0;
  };

  // The key a handle names: a predefined root or an open handle. Null when invalid.
  const Handle* Resolve(RegKey key) const;
  // Finds root\path; ERROR_* in *status when it cannot.
  std::shared_ptr<Node> Find(RegKey root, std::string_view path, Status* status) const;
  RegKey NewHandle(std::shared_ptr<Node> node, std::uint32_t access);

  std::map<RegKey, Handle> roots_;
  std::map<RegKey, Handle> handles_;
  RegKey nextHandle_ = 0x100;
};

// Helpers shared with the .reg file code.
namespace memory_registry_detail {
// The components of a key path: separated by one or more backslashes. Nothing when the path
// starts with a backslash.
std::optional<std::vector<std::string>> SplitKeyPath(std::string_view path);
// A name folded for case-insensitive comparison.
std::string FoldName(std::string_view name);
}  // namespace memory_registry_detail

}  // namespace wendral
