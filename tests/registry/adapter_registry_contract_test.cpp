// AdapterRegistry on every backend, through a spy that checks every open and create asks for
// access 0x3F with options 0 and that every handle is closed again, on every path.
#include <gtest/gtest.h>

#include "app/adapter_registry.h"
#include "registry/registry_backends.h"

namespace wendral::testing {
namespace {

using namespace wendral::reg;

const std::string kNul(1, '\0');

class AdapterRegistryContract : public ::testing::TestWithParam<BackendFactory> {
 protected:
  void SetUp() override {
    base_ = backend_->Scratch() + "\\Class\\";
    backend_->DeleteTree(backend_->Scratch());
  }
  void TearDown() override {
    EXPECT_TRUE(spy_.open.empty()) << spy_.open.size() << " handle(s) left open";
    for (const auto& [access, options] : spy_.masks) {
      EXPECT_EQ(access, kAdapterKeyAccess);
      EXPECT_EQ(options, 0u);
    }
    if (auto handles = backend_->OpenHandles()) {
      EXPECT_EQ(*handles, 0u);
    }
    backend_->DeleteTree(backend_->Scratch());
  }
  QueryResult Read(const std::string& path, Status* status = nullptr) {
    return registry_.QueryValue(kHkeyLocalMachine, path, "SSID", status);
  }
  // The stored bytes of a value, or "<none>".
  std::string Stored(const std::string& path, const std::string& name = "SSID") {
    if (const auto key = backend_->Snapshot(path)) {
      for (const auto& value : key->values) {
        if (value.name == name) return value.data;
      }
    }
    return "<none>";
  }

  std::unique_ptr<RegistryBackend> backend_ = GetParam().make();
  SpyRegistryApi spy_{backend_->Api()};
  AdapterRegistry registry_{spy_};
  std::string base_;
};

TEST_P(AdapterRegistryContract, ReadsEachStoredFormAsTheLayerDefines) {
  const struct {
    std::uint32_t type;
    std::string data;
    QueryResult expected;
    Status status;
    // Bytes left out of the size: the wide call adds a terminator the caller left out when
    // the character after the data is zero, so an unterminated text is followed by another.
    std::size_t withheld = 0;
  } cases[] = {
      {kSz, Utf16Bytes(u"TP"), QueryResult::Text("TP" + kNul), kErrorSuccess},
      {kSz, Utf16Bytes(u""), QueryResult::Text(kNul), kErrorSuccess},
      {kSz, std::string(), QueryResult::Text(""), kErrorSuccess},
      {kSz, Utf16Bytes(u"abcX", false), QueryResult::Text("abc"), kErrorSuccess, 2},
      {kSz, Utf16Bytes(u"中"), QueryResult::Text("中" + kNul), kErrorSuccess},
      {kSz, Utf16Bytes(u"Café ☕"), QueryResult::Text("Café ☕" + kNul), kErrorSuccess},
      {kDword, std::string("\xFE\xFF\xFF\xFF", 4), QueryResult::Number(-2), kErrorSuccess},
      {kDword, std::string("\x01\x02", 2), QueryResult::Number(0x0201), kErrorSuccess},
      {kDword, std::string("\1\0\0\0\0\0\0\0", 8), QueryResult(), kErrorMoreData},
      {kExpandSz, std::string("%P%\0", 4), QueryResult(), -1},
      {kMultiSz, std::string("a\0\0", 3), QueryResult(), -1},
      {kBinary, std::string("\1", 1), QueryResult(), -1},
  };
  int slot = 0;
  for (const auto& c : cases) {
    const std::string path = base_ + SlotSuffix(++slot);
    ASSERT_EQ(PutValue(backend_->Api(), path, "SSID", c.type,
                       std::string_view(c.data).substr(0, c.data.size() - c.withheld)),
              kErrorSuccess);
    Status status = 99;
    EXPECT_EQ(Read(path, &status), c.expected) << "case " << slot;
    EXPECT_EQ(status, c.status) << "case " << slot;
    // The rule a search over values already read (wendral-cli's) uses instead.
    EXPECT_EQ(ReadsAsText(c.type, c.data.size()), !c.expected.ToText().empty()) << "case " << slot;
  }
  // What a caller compares with the empty text.
  EXPECT_EQ(Read(base_ + SlotSuffix(2)).ToText(), kNul);
  EXPECT_EQ(Read(base_ + SlotSuffix(3)).ToText(), "");
  EXPECT_EQ(Read(base_ + SlotSuffix(7)).ToText(), "-2");
  Status status = 99;
  EXPECT_TRUE(Read(base_ + "0099", &status).IsEmpty());
  EXPECT_EQ(status, kErrorFileNotFound) << "missing key";
  EXPECT_TRUE(registry_.QueryValue(kHkeyLocalMachine, base_ + "0001", "Other", &status).IsEmpty());
  EXPECT_EQ(status, kErrorFileNotFound) << "missing value";
  QueryResult result;
  EXPECT_EQ(registry_.QueryValueEx(0, "SSID", &result), kErrorInvalidHandle);
  EXPECT_TRUE(result.IsEmpty());
}

TEST_P(AdapterRegistryContract, WritesTextAsUtf16WithItsTerminator) {
  const std::string path = base_ + "Deep\\0001";
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "x", kSz),
            kErrorFileNotFound);
  EXPECT_FALSE(backend_->KeyExists(path)) << "writing creates no key";
  EXPECT_EQ(registry_.EnsureRegistryKey(kHkeyLocalMachine, path), kErrorSuccess);
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "中文 Net", kSz),
            kErrorSuccess);
  EXPECT_EQ(Stored(path), Utf16Bytes(u"中文 Net"));
  EXPECT_EQ(Read(path), QueryResult::Text("中文 Net" + kNul));
  EXPECT_EQ(registry_.EnsureRegistryKey(kHkeyLocalMachine, path), kErrorSuccess);
  EXPECT_EQ(Stored(path), Utf16Bytes(u"中文 Net")) << "an existing key keeps its values";
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "", kSz), kErrorSuccess);
  EXPECT_EQ(Stored(path), Utf16Bytes(u""));
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", std::int32_t{7}, kDword),
            kErrorSuccess);
  EXPECT_EQ(Read(path), QueryResult::Number(7));
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "x", kBinary),
            kErrorSuccess);
  EXPECT_EQ(Read(path), QueryResult::Number(7)) << "another type writes nothing";
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "twelve", kDword),
            kErrorInvalidData);
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "N", " 1234 ", kDword),
            kErrorSuccess);
  EXPECT_EQ(Stored(path, "N"), std::string("\xD2\x04\0\0", 4));
}

TEST_P(AdapterRegistryContract, DeletesOnlyTheValue) {
  const std::string path = base_ + "0001";
  ASSERT_EQ(PutValue(backend_->Api(), path, "SSID", kSz, Utf16Bytes(u"a")), kErrorSuccess);
  ASSERT_EQ(PutValue(backend_->Api(), path, "Other", kSz, Utf16Bytes(u"b")), kErrorSuccess);
  EXPECT_EQ(registry_.DeleteRegistryValue(kHkeyLocalMachine, path, "ssid"), kErrorSuccess);
  EXPECT_EQ(Stored(path), "<none>");
  EXPECT_EQ(Stored(path, "Other"), Utf16Bytes(u"b"));
  EXPECT_EQ(registry_.DeleteRegistryValue(kHkeyLocalMachine, path, "SSID"), kErrorFileNotFound);
  EXPECT_EQ(registry_.DeleteRegistryValue(kHkeyLocalMachine, base_ + "0002", "SSID"),
            kErrorFileNotFound);
  EXPECT_FALSE(backend_->KeyExists(base_ + "0002"));
}

TEST_P(AdapterRegistryContract, AReadOnlyKeyCanBeNeitherReadNorChanged) {
  const std::string path = base_ + "0001";
  ASSERT_EQ(PutValue(backend_->Api(), path, "SSID", kSz, Utf16Bytes(u"old")), kErrorSuccess);
  backend_->MakeReadOnly(path);
  Status status = 99;
  EXPECT_TRUE(Read(path, &status).IsEmpty()) << "reads ask for write rights too";
  EXPECT_EQ(status, kErrorAccessDenied);
  EXPECT_EQ(registry_.EnsureRegistryKey(kHkeyLocalMachine, path), kErrorAccessDenied);
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "new", kSz),
            kErrorAccessDenied);
  EXPECT_EQ(registry_.DeleteRegistryValue(kHkeyLocalMachine, path, "SSID"), kErrorAccessDenied);
  EXPECT_EQ(Stored(path), Utf16Bytes(u"old"));
  EXPECT_EQ(registry_.EnsureRegistryKey(kHkeyLocalMachine, "\\bad"), kErrorBadPathname);
  EXPECT_EQ(spy_.closes, 5) << "null handles of failed opens are closed too";
}

TEST_P(AdapterRegistryContract, AnEmptySuffixAddressesTheClassKeyItself) {
  const std::string path = base_ + "";  // an empty slot suffix: the trailing backslash stays
  EXPECT_EQ(registry_.EnsureRegistryKey(kHkeyLocalMachine, path), kErrorSuccess);
  EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "top", kSz),
            kErrorSuccess);
  EXPECT_EQ(Stored(backend_->Scratch() + "\\Class"), Utf16Bytes(u"top"));
  EXPECT_TRUE(backend_->Snapshot(backend_->Scratch() + "\\Class")->subkeys.empty());
  EXPECT_EQ(Read(path), QueryResult::Text("top" + kNul));
}

TEST_P(AdapterRegistryContract, TheRealClassKeysTakeAnSsid) {
  for (const std::string_view classPath : {CurrentControlSetClassPath, ControlSet001ClassPath}) {
    const std::string path = std::string(classPath) + SlotSuffix(42);
    // Under Wine these are the prefix's own keys: remove what the test adds.
    std::string firstMissing;
    for (std::size_t end = 0; firstMissing.empty() && end != std::string::npos;) {
      end = path.find('\\', end + 1);
      if (!backend_->KeyExists(path.substr(0, end))) firstMissing = path.substr(0, end);
    }
    if (firstMissing.empty()) GTEST_SKIP() << path << " exists already; the test would change it";
    EXPECT_EQ(registry_.EnsureRegistryKey(kHkeyLocalMachine, path), kErrorSuccess);
    EXPECT_EQ(registry_.WriteRegistryValue(kHkeyLocalMachine, path, "SSID", "测试", kSz),
              kErrorSuccess);
    EXPECT_EQ(Read(path), QueryResult::Text("测试" + kNul));
    EXPECT_EQ(registry_.DeleteRegistryValue(kHkeyLocalMachine, path, "SSID"), kErrorSuccess);
    EXPECT_TRUE(Read(path).IsEmpty());
    EXPECT_TRUE(backend_->KeyExists(path));
    backend_->DeleteTree(firstMissing);
  }
}

INSTANTIATE_TEST_SUITE_P(Backends, AdapterRegistryContract, ::testing::ValuesIn(AllBackends()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace wendral::testing
