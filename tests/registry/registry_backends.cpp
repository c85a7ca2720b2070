#include "registry/registry_backends.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>

#include "win32/wide_text.h"
#include "win32/win32_registry.h"
#endif

namespace wendral::testing {

namespace {
bool IsRoot(RegKey key) {
  const auto& roots = MemoryRegistry::Roots();
  return std::find(roots.begin(), roots.end(), key) != roots.end();
}
}  // namespace

Status SpyRegistryApi::OpenKey(RegKey root, const char* subKey, std::uint32_t options,
                               std::uint32_t access, RegKey* result) {
  masks.emplace_back(access, options);
  const Status status = inner_.OpenKey(root, subKey, options, access, result);
  if (status == reg::kErrorSuccess && !IsRoot(*result)) open.insert(*result);
  return status;
}

Status SpyRegistryApi::CreateKey(RegKey root, const char* subKey, std::uint32_t options,
                                 std::uint32_t access, RegKey* result,
                                 std::uint32_t* disposition) {
  masks.emplace_back(access, options);
  const Status status = inner_.CreateKey(root, subKey, options, access, result, disposition);
  if (status == reg::kErrorSuccess && !IsRoot(*result)) open.insert(*result);
  return status;
}

Status SpyRegistryApi::CloseKey(RegKey key) {
  ++closes;
  const Status status = inner_.CloseKey(key);
  if (auto it = open.find(key); status == reg::kErrorSuccess && it != open.end()) open.erase(it);
  return status;
}

Status PutValue(RegistryApi& api, const std::string& path, const char* name, std::uint32_t type,
                std::string_view data) {
  RegKey key = 0;
  Status status =
      api.CreateKey(reg::kHkeyLocalMachine, path.c_str(), 0, reg::kKeyAllAccess, &key, nullptr);
  if (status != reg::kErrorSuccess) return status;
  status = api.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                        static_cast<std::uint32_t>(data.size()));
  api.CloseKey(key);
  return status;
}

std::string Utf16Bytes(std::u16string_view text, bool terminated) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  if (terminated) bytes.append(2, '\0');
  return bytes;
}

void FillWithEveryKind(RegistryApi& api, const std::string& root, bool exportSafe) {
  using namespace wendral::reg;
  using std::string_view;
  PutValue(api, root, nullptr, kSz, Utf16Bytes(u"default"));
  PutValue(api, root, "chinese", kSz, Utf16Bytes(u"中文"));
  PutValue(api, root, "escapes", kSz, Utf16Bytes(u"a\\b\"c"));
  // 乗 is 0x81 0x5C in code page 936: its trail byte is a backslash, not to be escaped.
  PutValue(api, root, "trail5C", kSz, Utf16Bytes(u"乗"));
  PutValue(api, root, "terminator", kSz, Utf16Bytes(u""));
  PutValue(api, root, "lines", kSz, Utf16Bytes(u"line1\r\nline2"));
  PutValue(api, root, "dword", kDword, string_view("\x78\x56\x34\x12", 4));
  PutValue(api, root, "expand", kExpandSz, Utf16Bytes(u"%PATH%中"));
  PutValue(api, root, "multi", kMultiSz, Utf16Bytes(std::u16string_view(u"a\0中", 3)));
  PutValue(api, root, "binaryzero", kBinary, string_view());
  PutValue(api, root, "odd", 0x1234, string_view("abc", 3));
  PutValue(api, root, "na中me=\"x\"", kSz, Utf16Bytes(u"v"));
  std::string longBinary;
  for (int i = 0; i < 120; ++i) longBinary += static_cast<char>('a' + i % 26);
  PutValue(api, root, "longbin", kBinary, longBinary);
  if (!exportSafe) {
    PutValue(api, root, "zero", kSz, string_view());
    PutValue(api, root, "embedded", kSz, Utf16Bytes(std::u16string_view(u"a\0b", 3)));
    PutValue(api, root, "dword2", kDword, string_view("\x01\x02", 2));
  }
  PutValue(api, root + "\\Sub 中", "SSID", kSz, Utf16Bytes(u"sub"));
  RegKey key = 0;
  api.CreateKey(kHkeyLocalMachine, (root + "\\Empty").c_str(), 0, kKeyAllAccess, &key, nullptr);
  api.CloseKey(key);
}

namespace {

class MemoryBackend final : public RegistryBackend {
 public:
  RegistryApi& Api() override { return store_; }
  std::string Scratch() const override { return "SOFTWARE\\WendralTest\\Contract"; }
  void MakeReadOnly(const std::string& path) override {
    store_.SetReadOnly(reg::kHkeyLocalMachine, path, true);
  }
  void DeleteTree(const std::string& path) override {
    store_.DeleteKeyTree(reg::kHkeyLocalMachine, path);
  }
  std::optional<RegKeySnapshot> Snapshot(const std::string& path) override {
    return store_.Snapshot(reg::kHkeyLocalMachine, path);
  }
  std::optional<std::size_t> OpenHandles() const override { return store_.OpenHandleCount(); }

 private:
  MemoryRegistry store_;
};

#ifdef _WIN32
// The wide calls, as the program makes them: names as UTF-8, data as stored.
void DeleteTreeW(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, win32::Widen(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  std::vector<std::string> children;
  wchar_t name[1024];
  DWORD length = 1024;
  while (RegEnumKeyExW(key, static_cast<DWORD>(children.size()), name, &length, nullptr, nullptr,
                       nullptr, nullptr) == ERROR_SUCCESS) {
    children.push_back(win32::Narrow(std::wstring_view(name, length)));
    length = 1024;
  }
  RegCloseKey(key);
  for (const std::string& child : children) DeleteTreeW(path + "\\" + child);
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, win32::Widen(path).c_str());
}

std::optional<RegKeySnapshot> SnapshotW(const std::string& path, std::string name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, win32::Widen(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RegKeySnapshot snapshot{std::move(name), {}, {}};
  wchar_t valueName[1024];
  std::vector<BYTE> data(1 << 16);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 1024, dataLength = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueW(key, i, valueName, &nameLength, nullptr, &type, data.data(), &dataLength) !=
        ERROR_SUCCESS) {
      break;
    }
    snapshot.values.push_back(
        {win32::Narrow(std::wstring_view(valueName, nameLength)), type,
         std::string(reinterpret_cast<const char*>(data.data()), dataLength)});
  }
  std::vector<std::string> children;
  DWORD length = 1024;
  while (RegEnumKeyExW(key, static_cast<DWORD>(children.size()), valueName, &length, nullptr,
                       nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    children.push_back(win32::Narrow(std::wstring_view(valueName, length)));
    length = 1024;
  }
  RegCloseKey(key);
  for (const std::string& child : children) {
    if (auto sub = SnapshotW(path + "\\" + child, child)) snapshot.subkeys.push_back(*sub);
  }
  const auto byName = [](const auto& a, const auto& b) {
    return memory_registry_detail::FoldName(a.name) < memory_registry_detail::FoldName(b.name);
  };
  std::sort(snapshot.values.begin(), snapshot.values.end(), byName);
  std::sort(snapshot.subkeys.begin(), snapshot.subkeys.end(), byName);
  return snapshot;
}

class Win32Backend final : public RegistryBackend {
 public:
  ~Win32Backend() override {
    DeleteTree(Scratch());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\WendralTest");  // fails while others use it
  }
  RegistryApi& Api() override { return api_; }
  std::string Scratch() const override {
    return "SOFTWARE\\WendralTest\\Contract-" + std::to_string(GetCurrentProcessId());
  }
  void MakeReadOnly(const std::string& path) override {
    // Read for everyone, plus what the clean-up needs. Wine enforces it while its server runs.
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, win32::Widen(path).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
      return;
    }
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    alignas(DWORD) BYTE aclBuffer[256];
    PACL acl = reinterpret_cast<PACL>(aclBuffer);
    InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
    AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC | DELETE, everyone);
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd);
    FreeSid(everyone);
    RegCloseKey(key);
  }
  void DeleteTree(const std::string& path) override { DeleteTreeW(path); }
  std::optional<RegKeySnapshot> Snapshot(const std::string& path) override {
    return SnapshotW(path, path.substr(path.find_last_of('\\') + 1));
  }

 private:
  Win32Registry api_;
};
#endif

}  // namespace

#ifdef _WIN32
std::unique_ptr<RegistryBackend> MakeWin32Backend() { return std::make_unique<Win32Backend>(); }
#endif

std::vector<BackendFactory> AllBackends() {
  std::vector<BackendFactory> backends{{"Memory", [] { return std::make_unique<MemoryBackend>(); }}};
#ifdef _WIN32
  backends.push_back({"Win32", &MakeWin32Backend});
#endif
  return backends;
}

}  // namespace wendral::testing
