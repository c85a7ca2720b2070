#include "formats/memory_registry.h"

#include <algorithm>
#include <cstring>

#include "formats/utf32.h"

namespace wendral {

namespace memory_registry_detail {
namespace {

// The capital of a small letter in the scripts the store folds, else the character itself.
char32_t UpperCase(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) ||
      (c >= 0x430 && c <= 0x44F) || (c >= 0xFF41 && c <= 0xFF5A)) {
    return c - 0x20;
  }
  if (c == 0xFF) return 0x178;
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  // Latin Extended-A: capital and small letters alternate, the capital first, except in
  // U+0139..U+0148 and U+0179..U+017E, where the small letter comes second from an odd start.
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool small = oddCapitals ? c % 2 == 0 : c % 2 == 1;
    if (small) return c - 1;
  }
  return c;
}

}  // namespace

std::optional<std::vector<std::string>> SplitKeyPath(std::string_view path) {
  if (!path.empty() && path.front() == '\\') return std::nullopt;
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string FoldName(std::string_view name) {
  std::u32string text = DecodeUtf8(name);
  for (char32_t& c : text) c = UpperCase(c);
  return EncodeUtf8(text);
}

}  // namespace memory_registry_detail

using memory_registry_detail::FoldName;
using memory_registry_detail::SplitKeyPath;

struct MemoryRegistry::Node {
  std::string name;
  std::vector<RegValueSnapshot> values;
  std::vector<std::shared_ptr<Node>> children;
  bool readOnly = false;
  bool deleted = false;

  std::shared_ptr<Node> Child(std::string_view childName) const {
    const std::string folded = FoldName(childName);
    for (const auto& child : children) {
      if (FoldName(child->name) == folded) return child;
    }
    return nullptr;
  }
  RegValueSnapshot* Value(std::string_view valueName) {
    const std::string folded = FoldName(valueName);
    for (auto& value : values) {
      if (FoldName(value.name) == folded) return &value;
    }
    return nullptr;
  }
};

namespace {

struct RootInfo {
  RegKey key;
  std::string_view name;
  std::string_view shortName;
};

constexpr RootInfo kRoots[] = {
    {reg::kHkeyClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},     {reg::kHkeyCurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {reg::kHkeyLocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},   {reg::kHkeyUsers, "HKEY_USERS", "HKU"},
    {reg::kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
};

// Generic rights mapped to key rights, and the rights a request ends up with.
std::uint32_t MapAccess(std::uint32_t access, bool readOnly) {
  constexpr std::uint32_t kGenericRead = 0x80000000u;
  constexpr std::uint32_t kGenericWrite = 0x40000000u;
  constexpr std::uint32_t kGenericExecute = 0x20000000u;
  constexpr std::uint32_t kGenericAll = 0x10000000u;
  constexpr std::uint32_t kKeyWrite = 0x00020006u;
  constexpr std::uint32_t kWow64Flags = 0x0300u;
  std::uint32_t mapped = access & ~(kGenericRead | kGenericWrite | kGenericExecute | kGenericAll | kWow64Flags);
  if (access & (kGenericRead | kGenericExecute)) mapped |= reg::kKeyRead;
  if (access & kGenericWrite) mapped |= kKeyWrite;
  if (access & kGenericAll) mapped |= reg::kKeyAllAccess;
  if (mapped & reg::kMaximumAllowed) {
    mapped = (mapped & ~reg::kMaximumAllowed) | (readOnly ? reg::kKeyRead : reg::kKeyAllAccess);
  }
  return mapped;
}

bool Denied(std::uint32_t mapped, bool readOnly) { return readOnly && (mapped & ~reg::kKeyRead) != 0; }

void SortSnapshot(RegKeySnapshot& snapshot) {
  std::sort(snapshot.values.begin(), snapshot.values.end(),
            [](const RegValueSnapshot& a, const RegValueSnapshot& b) { return FoldName(a.name) < FoldName(b.name); });
  std::sort(snapshot.subkeys.begin(), snapshot.subkeys.end(),
            [](const RegKeySnapshot& a, const RegKeySnapshot& b) { return FoldName(a.name) < FoldName(b.name); });
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
  for (const RootInfo& info : kRoots) {
    auto node = std::make_shared<Node>();
    node->name = std::string(info.name);
    roots_[info.key] = Handle{std::move(node), reg::kKeyAllAccess};
  }
}

MemoryRegistry::~MemoryRegistry() = default;

const std::vector<RegKey>& MemoryRegistry::Roots() {
  static const std::vector<RegKey> roots = [] {
    std::vector<RegKey> keys;
    for (const RootInfo& info : kRoots) keys.push_back(info.key);
    return keys;
  }();
  return roots;
}

std::string_view MemoryRegistry::RootName(RegKey root) {
  for (const RootInfo& info : kRoots) {
    if (info.key == root) return info.name;
  }
  return {};
}

std::optional<RegKey> MemoryRegistry::RootByName(std::string_view name) {
  const std::string folded = FoldName(name);
  for (const RootInfo& info : kRoots) {
    if (folded == info.name || folded == info.shortName) return info.key;
  }
  return std::nullopt;
}

const MemoryRegistry::Handle* MemoryRegistry::Resolve(RegKey key) const {
  if (auto it = roots_.find(key); it != roots_.end()) return &it->second;
  if (auto it = handles_.find(key); it != handles_.end()) return &it->second;
  return nullptr;
}

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Find(RegKey root, std::string_view path, Status* status) const {
  const Handle* base = Resolve(root);
  if (base == nullptr) {
    *status = reg::kErrorInvalidHandle;
    return nullptr;
  }
  if (base->node->deleted) {
    *status = reg::kErrorKeyDeleted;
    return nullptr;
  }
  const auto parts = SplitKeyPath(path);
  if (!parts) {
    *status = reg::kErrorBadPathname;
    return nullptr;
  }
  std::shared_ptr<Node> node = base->node;
  for (const std::string& part : *parts) {
    node = node->Child(part);
    if (!node) {
      *status = reg::kErrorFileNotFound;
      return nullptr;
    }
  }
  *status = reg::kErrorSuccess;
  return node;
}

RegKey MemoryRegistry::NewHandle(std::shared_ptr<Node> node, std::uint32_t access) {
  const RegKey handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Handle{std::move(node), access};
  return handle;
}

Status MemoryRegistry::OpenKey(RegKey root, const char* subKey, std::uint32_t /*options*/, std::uint32_t access,
                               RegKey* result) {
  // Every failure nulls the result, a null root's too.
  if (result == nullptr) return reg::kErrorInvalidParameter;
  *result = 0;
  if (root == 0) return reg::kErrorInvalidHandle;
  const std::string_view path = subKey != nullptr ? subKey : "";
  Status status = reg::kErrorSuccess;
  std::shared_ptr<Node> node = Find(root, path, &status);
  if (!node) return status;
  // An empty path on a predefined root hands back the root itself.
  if (roots_.count(root) != 0 && node == roots_.at(root).node) {
    *result = root;
    return reg::kErrorSuccess;
  }
  const std::uint32_t mapped = MapAccess(access, node->readOnly);
  if (Denied(mapped, node->readOnly)) return reg::kErrorAccessDenied;
  *result = NewHandle(std::move(node), mapped);
  return reg::kErrorSuccess;
}

Status MemoryRegistry::CreateKey(RegKey root, const char* subKey, std::uint32_t /*options*/, std::uint32_t access,
                                 RegKey* result, std::uint32_t* disposition) {
  if (root == 0) return reg::kErrorInvalidHandle;
  if (result == nullptr) return reg::kErrorInvalidParameter;
  *result = 0;
  const Handle* base = Resolve(root);
  if (base == nullptr) return reg::kErrorInvalidHandle;
  if (base->node->deleted) return reg::kErrorKeyDeleted;
  const auto parts = SplitKeyPath(subKey != nullptr ? subKey : "");
  if (!parts) return reg::kErrorBadPathname;
  std::shared_ptr<Node> node = base->node;
  // Like Wine, an empty path reports a new key.
  bool created = parts->empty();
  for (const std::string& part : *parts) {
    std::shared_ptr<Node> child = node->Child(part);
    created = !child;
    if (!child) {
      child = std::make_shared<Node>();
      child->name = part;
      node->children.push_back(child);
    }
    node = std::move(child);
  }
  const std::uint32_t mapped = MapAccess(access, node->readOnly);
  if (Denied(mapped, node->readOnly)) return reg::kErrorAccessDenied;
  *result = NewHandle(std::move(node), mapped);
  if (disposition != nullptr) {
    *disposition = created ? reg::kCreatedNewKey : reg::kOpenedExistingKey;
  }
  return reg::kErrorSuccess;
}

Status MemoryRegistry::QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* size) {
  if (data != nullptr && size == nullptr) return reg::kErrorInvalidParameter;
  const Handle* handle = Resolve(key);
  if (handle == nullptr) return reg::kErrorInvalidHandle;
  if (handle->node->deleted) return reg::kErrorKeyDeleted;
  if ((handle->access & reg::kKeyQueryValue) == 0) return reg::kErrorAccessDenied;
  const RegValueSnapshot* value = handle->node->Value(name != nullptr ? name : "");
  if (value == nullptr) return reg::kErrorFileNotFound;
  if (type != nullptr) *type = value->type;
  const auto length = static_cast<std::uint32_t>(value->data.size());
  if (data != nullptr) {
    if (*size < length) {
      *size = length;
      return reg::kErrorMoreData;
    }
    if (length != 0) std::memcpy(data, value->data.data(), length);
  }
  if (size != nullptr) *size = length;
  return reg::kErrorSuccess;
}

Status MemoryRegistry::SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t size) {
  const Handle* handle = Resolve(key);
  if (handle == nullptr) return reg::kErrorInvalidHandle;
  if (data == nullptr && size != 0) return reg::kErrorNoAccess;
  if (handle->node->deleted) return reg::kErrorKeyDeleted;
  if ((handle->access & reg::kKeySetValue) == 0) return reg::kErrorAccessDenied;
  const std::string valueName = name != nullptr ? name : "";
  std::string bytes(reinterpret_cast<const char*>(data), data != nullptr ? size : 0);
  if (RegValueSnapshot* value = handle->node->Value(valueName)) {
    value->type = type;
    value->data = std::move(bytes);
  } else {
    handle->node->values.push_back(RegValueSnapshot{valueName, type, std::move(bytes)});
  }
  return reg::kErrorSuccess;
}

Status MemoryRegistry::DeleteValue(RegKey key, const char* name) {
  const Handle* handle = Resolve(key);
  if (handle == nullptr) return reg::kErrorInvalidHandle;
  if (handle->node->deleted) return reg::kErrorKeyDeleted;
  if ((handle->access & reg::kKeySetValue) == 0) return reg::kErrorAccessDenied;
  auto& values = handle->node->values;
  const std::string folded = FoldName(name != nullptr ? name : "");
  const auto it =
      std::find_if(values.begin(), values.end(), [&](const RegValueSnapshot& v) { return FoldName(v.name) == folded; });
  if (it == values.end()) return reg::kErrorFileNotFound;
  values.erase(it);
  return reg::kErrorSuccess;
}

Status MemoryRegistry::CloseKey(RegKey key) {
  if (roots_.count(key) != 0) return reg::kErrorSuccess;
  return handles_.erase(key) != 0 ? reg::kErrorSuccess : reg::kErrorInvalidHandle;
}

Status MemoryRegistry::QueryKeyCounts(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) {
  const Handle* handle = Resolve(key);
  if (handle == nullptr) return reg::kErrorInvalidHandle;
  if (handle->node->deleted) return reg::kErrorKeyDeleted;
  if ((handle->access & reg::kKeyQueryValue) == 0) return reg::kErrorAccessDenied;
  if (subKeys != nullptr) *subKeys = static_cast<std::uint32_t>(handle->node->children.size());
  if (values != nullptr) *values = static_cast<std::uint32_t>(handle->node->values.size());
  return reg::kErrorSuccess;
}

Status MemoryRegistry::DeleteKey(RegKey root, const char* subKey) {
  const std::string_view path = subKey != nullptr ? subKey : "";
  Status status = reg::kErrorSuccess;
  const std::shared_ptr<Node> node = Find(root, path, &status);
  if (!node) return status;
  // A key that keeps sub-keys, a read-only one and a root (an empty path) are refused.
  const auto parts = SplitKeyPath(path);
  if (!parts || parts->empty() || !node->children.empty() || node->readOnly) {
    return reg::kErrorAccessDenied;
  }
  return DeleteKeyTree(root, path);
}

Status MemoryRegistry::SetReadOnly(RegKey root, std::string_view path, bool readOnly) {
  Status status = reg::kErrorSuccess;
  const std::shared_ptr<Node> node = Find(root, path, &status);
  if (node) node->readOnly = readOnly;
  return status;
}

Status MemoryRegistry::DeleteKeyTree(RegKey root, std::string_view path) {
  const Handle* base = Resolve(root);
  if (base == nullptr) return reg::kErrorInvalidHandle;
  if (base->node->deleted) return reg::kErrorKeyDeleted;
  const auto parts = SplitKeyPath(path);
  if (!parts) return reg::kErrorBadPathname;
  std::shared_ptr<Node> parent;
  std::shared_ptr<Node> node = base->node;
  for (const std::string& part : *parts) {
    parent = node;
    node = node->Child(part);
    if (!node) return reg::kErrorFileNotFound;
  }
  const auto markDeleted = [](const auto& self, Node& n) -> void {
    n.deleted = true;
    for (const auto& child : n.children) self(self, *child);
  };
  if (!parent) {
    // Emptying a predefined root or the key behind a handle: its contents go, it stays.
    for (const auto& child : node->children) markDeleted(markDeleted, *child);
    node->children.clear();
    node->values.clear();
    return reg::kErrorSuccess;
  }
  markDeleted(markDeleted, *node);
  auto& siblings = parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
  return reg::kErrorSuccess;
}

std::size_t MemoryRegistry::OpenHandleCount() const { return handles_.size(); }

std::optional<RegKeySnapshot> MemoryRegistry::Snapshot(RegKey root, std::string_view path) const {
  Status status = reg::kErrorSuccess;
  const std::shared_ptr<Node> node = Find(root, path, &status);
  if (!node) return std::nullopt;
  const auto copy = [](const auto& self, const Node& n) -> RegKeySnapshot {
    RegKeySnapshot snapshot;
    snapshot.name = n.name;
    snapshot.values = n.values;
    for (const auto& child : n.children) snapshot.subkeys.push_back(self(self, *child));
    SortSnapshot(snapshot);
    return snapshot;
  };
  return copy(copy, *node);
}

}  // namespace wendral
