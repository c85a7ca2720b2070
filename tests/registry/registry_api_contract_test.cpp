// The six registry calls on every backend: the statuses and sizes the adapter layer relies on.
// Under Wine the real registry is the oracle the store is held to.
#include <gtest/gtest.h>

#include <cstring>

#include "registry/registry_backends.h"

namespace wendral::testing {
namespace {

using namespace wendral::reg;

class RegistryApiContract : public ::testing::TestWithParam<BackendFactory> {
 protected:
  void SetUp() override {
    backend_ = GetParam().make();
    base_ = backend_->Scratch();
    backend_->DeleteTree(base_);
    ASSERT_EQ(PutValue(api(), base_, "SSID", kSz, Utf16Bytes(u"hello")), kErrorSuccess);
    key_ = Open(base_);
  }
  void TearDown() override {
    for (RegKey key : opened_) api().CloseKey(key);
    backend_->DeleteTree(base_);
    if (auto handles = backend_->OpenHandles()) {
      EXPECT_EQ(*handles, 0u);
    }
  }
  RegistryApi& api() { return backend_->Api(); }
  Status OpenStatus(const std::string& path, std::uint32_t access, RegKey* key) {
    *key = 0x55;
    const Status status = api().OpenKey(kHkeyLocalMachine, path.c_str(), 0, access, key);
    if (status == kErrorSuccess && *key != kHkeyLocalMachine) opened_.push_back(*key);
    return status;
  }
  RegKey Open(const std::string& path, std::uint32_t access = kAdapterKeyAccess) {
    RegKey key = 0;
    EXPECT_EQ(OpenStatus(path, access, &key), kErrorSuccess) << path;
    return key;
  }
  Status Set(RegKey key, const char* name, std::uint32_t type, std::string_view data) {
    return api().SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                          static_cast<std::uint32_t>(data.size()));
  }
  // The size a query without a buffer reports, or the failure.
  std::int64_t SizeOf(RegKey key, const char* name) {
    std::uint32_t type = 0, size = 0xDEAD;
    const Status status = api().QueryValue(key, name, &type, nullptr, &size);
    return status == kErrorSuccess ? std::int64_t{size} : -std::int64_t{status};
  }

  std::unique_ptr<RegistryBackend> backend_;
  std::string base_;
  RegKey key_ = 0;
  std::vector<RegKey> opened_;
};

TEST_P(RegistryApiContract, BadHandlesAndPaths) {
  std::uint32_t type = 0, size = 0;
  for (RegKey bad : {RegKey{0}, RegKey{0x1233}}) {
    EXPECT_EQ(api().QueryValue(bad, "SSID", &type, nullptr, &size), kErrorInvalidHandle);
    EXPECT_EQ(Set(bad, "SSID", kSz, Utf16Bytes(u"a")), kErrorInvalidHandle);
    EXPECT_EQ(api().DeleteValue(bad, "SSID"), kErrorInvalidHandle);
    EXPECT_EQ(api().CloseKey(bad), kErrorInvalidHandle);
  }
  RegKey key = 0x55;
  EXPECT_EQ(api().OpenKey(0, "x", 0, kAdapterKeyAccess, &key), kErrorInvalidHandle);
  EXPECT_EQ(key, 0u) << "a null root nulls the result too";
  EXPECT_EQ(OpenStatus(base_ + "\\Missing\\Deeper", kAdapterKeyAccess, &key), kErrorFileNotFound);
  EXPECT_EQ(key, 0u);
  EXPECT_EQ(OpenStatus("\\" + base_, kAdapterKeyAccess, &key), kErrorBadPathname);
  EXPECT_EQ(api().CreateKey(kHkeyLocalMachine, "\\x", 0, kAdapterKeyAccess, &key, nullptr),
            kErrorBadPathname);
  // Empty sub-key: the root hands back itself, any other key a new handle.
  EXPECT_EQ(OpenStatus("", kAdapterKeyAccess, &key), kErrorSuccess);
  EXPECT_EQ(key, kHkeyLocalMachine);
  EXPECT_EQ(api().CloseKey(kHkeyLocalMachine), kErrorSuccess);
  RegKey again = 0;
  ASSERT_EQ(api().OpenKey(key_, nullptr, 0, kKeyRead, &again), kErrorSuccess);
  EXPECT_NE(again, key_);
  EXPECT_EQ(SizeOf(again, "ssid"), 12);
  EXPECT_EQ(api().CloseKey(again), kErrorSuccess);
  EXPECT_EQ(api().CloseKey(again), kErrorInvalidHandle);
}

TEST_P(RegistryApiContract, PathsAndNamesIgnoreCaseAndExtraBackslashes) {
  RegKey key = 0;
  std::uint32_t disposition = 0;
  ASSERT_EQ(api().CreateKey(kHkeyLocalMachine, (base_ + "\\A\\B\\").c_str(), 0, kAdapterKeyAccess,
                            &key, &disposition),
            kErrorSuccess);
  opened_.push_back(key);
  EXPECT_EQ(disposition, kCreatedNewKey);
  ASSERT_EQ(Set(key, "Mixed", kSz, Utf16Bytes(u"x")), kErrorSuccess);
  ASSERT_EQ(api().CreateKey(kHkeyLocalMachine, (base_ + "\\a\\\\b").c_str(), 0, kAdapterKeyAccess,
                            &key, &disposition),
            kErrorSuccess);
  opened_.push_back(key);
  EXPECT_EQ(disposition, kOpenedExistingKey);
  EXPECT_EQ(SizeOf(key, "MIXED"), 4);
  ASSERT_EQ(Set(key, "mIxEd", kSz, Utf16Bytes(u"yz")), kErrorSuccess);
  EXPECT_EQ(backend_->Snapshot(base_ + "\\A\\B")->values.size(), 1u) << "one value, overwritten";
  // Names are characters, whatever code page 936 makes of them: 乗 (0x81 0x5C there) is one
  // component, and letters beyond ASCII fold too.
  ASSERT_EQ(PutValue(api(), base_ + "\\Café 乗", "Ωmega网", kSz, Utf16Bytes(u"中")), kErrorSuccess);
  ASSERT_EQ(PutValue(api(), base_ + "\\CAFÉ 乗", "ωMEGA网", kSz, Utf16Bytes(u"文")), kErrorSuccess);
  const auto snapshot = backend_->Snapshot(base_);
  ASSERT_EQ(snapshot->subkeys.size(), 2u);
  EXPECT_EQ(snapshot->subkeys[1].name, "Café 乗");
  EXPECT_TRUE(snapshot->subkeys[1].subkeys.empty());
  ASSERT_EQ(snapshot->subkeys[1].values.size(), 1u);
  EXPECT_EQ(snapshot->subkeys[1].values[0].name, "Ωmega网");
  EXPECT_EQ(snapshot->subkeys[1].values[0].data, Utf16Bytes(u"文"));
}

TEST_P(RegistryApiContract, QuerySizesAndBuffers) {
  ASSERT_EQ(Set(key_, "zero", kSz, std::string_view()), kErrorSuccess);
  // An odd size: the wide call leaves it as it is.
  ASSERT_EQ(Set(key_, "unterminated", kSz, std::string_view("abcX", 3)), kErrorSuccess);
  ASSERT_EQ(Set(key_, "chinese", kSz, Utf16Bytes(u"中文")), kErrorSuccess);
  ASSERT_EQ(Set(key_, "d8", kDword, std::string_view("\1\2\3\4\5\6\7\x08", 8)), kErrorSuccess);
  ASSERT_EQ(Set(key_, "d2", kDword, std::string_view("\1\2", 2)), kErrorSuccess);
  ASSERT_EQ(Set(key_, nullptr, 0x1234, "abc"), kErrorSuccess);
  EXPECT_EQ(SizeOf(key_, "zero"), 0);
  EXPECT_EQ(SizeOf(key_, "unterminated"), 3) << "no terminator is made up";
  EXPECT_EQ(SizeOf(key_, "chinese"), 6);
  EXPECT_EQ(SizeOf(key_, ""), 3) << "null and empty name are the default value";
  EXPECT_EQ(SizeOf(key_, "missing"), -kErrorFileNotFound);

  std::uint8_t buffer[16];
  std::uint32_t type = 0, size = 5;
  std::memset(buffer, 'Q', sizeof buffer);
  EXPECT_EQ(api().QueryValue(key_, "SSID", &type, buffer, &size), kErrorMoreData);
  EXPECT_EQ(size, 12u);
  EXPECT_EQ(type, kSz);
  EXPECT_EQ(buffer[0], 'Q') << "a too small buffer is left alone";
  size = sizeof buffer;
  EXPECT_EQ(api().QueryValue(key_, "SSID", &type, buffer, &size), kErrorSuccess);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), Utf16Bytes(u"hello"));
  EXPECT_EQ(api().QueryValue(key_, "SSID", &type, buffer, nullptr), kErrorInvalidParameter);
  size = sizeof buffer;
  EXPECT_EQ(api().QueryValue(key_, "missing", &type, buffer, &size), kErrorFileNotFound);
  EXPECT_EQ(size, sizeof buffer);

  std::uint32_t number = 0xAAAAAAAA;
  size = 4;
  EXPECT_EQ(api().QueryValue(key_, "d8", &type, reinterpret_cast<std::uint8_t*>(&number), &size),
            kErrorMoreData);
  EXPECT_EQ(size, 8u);
  size = 4;
  EXPECT_EQ(api().QueryValue(key_, "d2", &type, reinterpret_cast<std::uint8_t*>(&number), &size),
            kErrorSuccess);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(number, 0xAAAA0201u) << "only the stored bytes are copied";
  EXPECT_EQ(api().SetValue(key_, "b", kBinary, nullptr, 4), kErrorNoAccess);
}

TEST_P(RegistryApiContract, AccessRights) {
  EXPECT_EQ(SizeOf(Open(base_, kKeySetValue), "SSID"), -kErrorAccessDenied);
  EXPECT_EQ(SizeOf(Open(base_, 0), "SSID"), -kErrorAccessDenied);
  const RegKey reader = Open(base_, kKeyQueryValue);
  EXPECT_EQ(Set(reader, "w", kSz, Utf16Bytes(u"a")), kErrorAccessDenied);
  EXPECT_EQ(api().DeleteValue(reader, "SSID"), kErrorAccessDenied);
  EXPECT_EQ(api().DeleteValue(key_, "missing"), kErrorFileNotFound);

  ASSERT_EQ(PutValue(api(), base_ + "\\RO", "SSID", kSz, Utf16Bytes(u"old")), kErrorSuccess);
  backend_->MakeReadOnly(base_ + "\\RO");
  RegKey key = 0;
  for (std::uint32_t access : {kAdapterKeyAccess, kKeySetValue, kKeyCreateLink, kKeyAllAccess}) {
    EXPECT_EQ(OpenStatus(base_ + "\\RO", access, &key), kErrorAccessDenied) << access;
    EXPECT_EQ(key, 0u);
  }
  EXPECT_EQ(api().CreateKey(kHkeyLocalMachine, (base_ + "\\RO").c_str(), 0, kAdapterKeyAccess,
                            &key, nullptr),
            kErrorAccessDenied);
  EXPECT_EQ(SizeOf(Open(base_ + "\\RO", kKeyRead), "SSID"), 8);
  // The mark is the key's alone: below it keys are made and written as usual.
  EXPECT_EQ(PutValue(api(), base_ + "\\RO\\Child", "v", kBinary, "a"), kErrorSuccess);
}

TEST_P(RegistryApiContract, KeyCountsAndDeletingOneKey) {
  std::uint32_t subKeys = 99, values = 99;
  ASSERT_EQ(api().QueryKeyCounts(key_, &subKeys, &values), kErrorSuccess);
  EXPECT_EQ(subKeys, 0u);
  EXPECT_EQ(values, 1u);
  ASSERT_EQ(PutValue(api(), base_ + "\\0099", "SSID", kSz, Utf16Bytes(u"x")), kErrorSuccess);
  ASSERT_EQ(PutValue(api(), base_ + "\\0099\\Sub", "", kSz, Utf16Bytes(u"")), kErrorSuccess);
  ASSERT_EQ(api().QueryKeyCounts(key_, &subKeys, nullptr), kErrorSuccess);
  EXPECT_EQ(subKeys, 1u);
  EXPECT_EQ(api().QueryKeyCounts(0, &subKeys, &values), kErrorInvalidHandle);

  // A key that still has sub-keys stays; without them it goes with its values.
  EXPECT_EQ(api().DeleteKey(kHkeyLocalMachine, (base_ + "\\0099").c_str()), kErrorAccessDenied);
  EXPECT_TRUE(backend_->KeyExists(base_ + "\\0099\\Sub"));
  EXPECT_EQ(api().DeleteKey(kHkeyLocalMachine, (base_ + "\\0099\\Sub").c_str()), kErrorSuccess);
  EXPECT_EQ(api().DeleteKey(kHkeyLocalMachine, (base_ + "\\0099").c_str()), kErrorSuccess);
  EXPECT_FALSE(backend_->KeyExists(base_ + "\\0099"));
  EXPECT_EQ(api().DeleteKey(kHkeyLocalMachine, (base_ + "\\0099").c_str()), kErrorFileNotFound);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryApiContract, ::testing::ValuesIn(AllBackends()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace wendral::testing
