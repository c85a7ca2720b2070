#pragma once
// The registries the contract suites run against: the in-memory store everywhere, and in the
// Windows build the real registry too, in the same process. Each scenario runs on every
// backend; where they differ, the store is wrong.
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/registry_api.h"
#include "formats/memory_registry.h"

namespace wendral::testing {

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;
  virtual RegistryApi& Api() = 0;
  // A path below HKEY_LOCAL_MACHINE that belongs to this process alone.
  virtual std::string Scratch() const = 0;
  // Lets HKLM\path be opened for reading only (Windows: a DACL granting KEY_READ).
  virtual void MakeReadOnly(const std::string& path) = 0;
  // Removes HKLM\path with everything below it, if it is there.
  virtual void DeleteTree(const std::string& path) = 0;
  // HKLM\path with everything below it, lists in case-insensitive name order.
  virtual std::optional<RegKeySnapshot> Snapshot(const std::string& path) = 0;
  // Open handles, where the backend can count them.
  virtual std::optional<std::size_t> OpenHandles() const { return std::nullopt; }
  bool KeyExists(const std::string& path) { return Snapshot(path).has_value(); }
};

struct BackendFactory {
  std::string name;
  std::function<std::unique_ptr<RegistryBackend>()> make;
};
// "Memory", and "Win32" in the Windows build.
std::vector<BackendFactory> AllBackends();
std::unique_ptr<RegistryBackend> MakeWin32Backend();  // Windows build only

// Forwards to another RegistryApi and records the access mask and options of every open and
// create, and the handles still open.
class SpyRegistryApi final : public RegistryApi {
 public:
  explicit SpyRegistryApi(RegistryApi& inner) : inner_(inner) {}
  Status OpenKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                 RegKey* result) override;
  Status CreateKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                   RegKey* result, std::uint32_t* disposition) override;
  Status QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
    return inner_.QueryValue(key, name, type, data, size);
  }
  Status SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
    return inner_.SetValue(key, name, type, data, size);
  }
  Status DeleteValue(RegKey key, const char* name) override {
    return inner_.DeleteValue(key, name);
  }
  Status CloseKey(RegKey key) override;
  Status QueryKeyCounts(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override {
    return inner_.QueryKeyCounts(key, subKeys, values);
  }
  Status DeleteKey(RegKey root, const char* subKey) override { return inner_.DeleteKey(root, subKey); }

  std::vector<std::pair<std::uint32_t, std::uint32_t>> masks;  // (access, options) per open
  std::multiset<RegKey> open;
  int closes = 0;

 private:
  RegistryApi& inner_;
};

// The UTF-16LE bytes the wide calls store for a text, with its terminator unless told not to.
std::string Utf16Bytes(std::u16string_view text, bool terminated = true);

// Creates HKLM\path when missing and sets one value in it.
Status PutValue(RegistryApi& api, const std::string& path, const char* name, std::uint32_t type,
                std::string_view data);

// HKLM\root with a value of every kind, a sub-key with a Chinese name and an empty one. With
// exportSafe, without the values Wine's regedit /e does not write back intact (a zero-byte
// REG_SZ, one with a zero byte inside, a REG_DWORD of other than 4 bytes).
void FillWithEveryKind(RegistryApi& api, const std::string& root, bool exportSafe);

}  // namespace wendral::testing
