// LoadSettings and SaveSettings: the calls they make, and the values kept through each store.
#include "app/settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/store_fixture.h"
#include "support/test_files.h"

namespace wendral::test {
namespace {

using ::testing::InSequence;
using ::testing::Return;
using ::testing::StrictMock;

class MockStore : public ProfileStore {
 public:
  MOCK_METHOD(std::string, Read,
              (const std::string&, const std::string&, const std::string&, std::size_t,
               const std::string&),
              (override));
  MOCK_METHOD(bool, Write,
              (const std::string&, const std::string&, const std::string&, const std::string&),
              (override));
};

const std::string kPath = "dir/360RI.INI";
const std::string kChineseName = "\xe6\x88\x91\xe7\x9a\x84\xe7\xbd\x91\xe7\xbb\x9c";  // 我的网络 (UTF-8)
const std::string kChineseNameGbk = "\xce\xd2\xb5\xc4\xcd\xf8\xc2\xe7";

TEST(LoadSettings, ReadsTheThreeKeysInOrderWithA255ByteBufferAndDecodesGbk) {
  StrictMock<MockStore> store;
  {
    InSequence order;
    EXPECT_CALL(store, Read("SSID", "SSID", "", 255, kPath)).WillOnce(Return(kChineseNameGbk));
    EXPECT_CALL(store, Read("SSID", "SSIDITEMO", "", 255, kPath)).WillOnce(Return("0003"));
    EXPECT_CALL(store, Read("SSID", "SSIDITEMT", "", 255, kPath)).WillOnce(Return(""));
  }
  const SettingsValues values = LoadSettings(store, kPath);
  EXPECT_EQ(values.networkName, kChineseName);
  EXPECT_EQ(values.windows7Slot, "0003");
  EXPECT_EQ(values.windowsXpSlot, "");
}

TEST(SaveSettings, WritesTheThreeKeysInOrderInGbk) {
  StrictMock<MockStore> store;
  {
    InSequence order;
    EXPECT_CALL(store, Write("SSID", "SSID", kChineseNameGbk, kPath)).WillOnce(Return(true));
    EXPECT_CALL(store, Write("SSID", "SSIDITEMO", "0001", kPath)).WillOnce(Return(true));
    EXPECT_CALL(store, Write("SSID", "SSIDITEMT", "0002", kPath)).WillOnce(Return(true));
  }
  EXPECT_TRUE(SaveSettings(store, kPath, {kChineseName, "0001", "0002"}));
}

// Any one failed write makes the save fail, and never stops the writes after it.
TEST(SaveSettings, AttemptsEveryWriteAndFailsWhenAnyOneFails) {
  for (int failing = 0; failing < 3; ++failing) {
    StrictMock<MockStore> store;
    InSequence order;
    const char* keys[] = {"SSID", "SSIDITEMO", "SSIDITEMT"};
    for (int i = 0; i < 3; ++i) {
      EXPECT_CALL(store, Write("SSID", keys[i], "v", kPath)).WillOnce(Return(i != failing));
    }
    EXPECT_FALSE(SaveSettings(store, kPath, {"v", "v", "v"})) << "failing write " << failing;
  }
}

class SettingsThroughStore : public ::testing::TestWithParam<StoreKind> {
 protected:
  std::unique_ptr<ProfileStore> store_ = GetParam().make();
  TempDir dir_;
  std::string path_ = dir_.File("360RI.INI");
};

TEST_P(SettingsThroughStore, FreshFileHoldsExactlyTheThreeKeys) {
  ASSERT_TRUE(SaveSettings(*store_, path_, {"TP-LINK_75BCRT", "0000", "0000"}));
  GetParam().flush(path_);
  EXPECT_EQ(ReadBytes(path_), "[SSID]\r\nSSID=TP-LINK_75BCRT\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n");
}

TEST_P(SettingsThroughStore, ChineseNameSurvivesByteForByte) {
  ASSERT_TRUE(SaveSettings(*store_, path_, {kChineseName, "0007", "0012"}));
  GetParam().flush(path_);
  EXPECT_NE(ReadBytes(path_).find("SSID=" + kChineseNameGbk + "\r\n"), std::string::npos);
  const SettingsValues loaded = LoadSettings(*store_, path_);
  GetParam().flush(path_);
  EXPECT_EQ(loaded, (SettingsValues{kChineseName, "0007", "0012"}));
}

TEST_P(SettingsThroughStore, MissingFileSectionOrKeysLoadEmpty) {
  EXPECT_EQ(LoadSettings(*store_, path_), SettingsValues{});
  GetParam().flush(path_);
  WriteBytes(path_, "[Other]\r\nSSID=elsewhere\r\n");
  EXPECT_EQ(LoadSettings(*store_, path_), SettingsValues{});
  GetParam().flush(path_);
  WriteBytes(path_, "[SSID]\r\nSSID=\r\nSSIDITEMO=\r\n");
  EXPECT_EQ(LoadSettings(*store_, path_), SettingsValues{});
  GetParam().flush(path_);
}

// 300 bytes stored; 254 come back, with no double-byte character split.
TEST_P(SettingsThroughStore, LongNamesLoadCutTo254Bytes) {
  std::string chinese;  // "x" then 150 times 中: the 254-byte cut would fall inside a character
  for (int i = 0; i < 150; ++i) chinese += "\xe4\xb8\xad";
  ASSERT_TRUE(SaveSettings(*store_, path_, {std::string(300, 'n'), "x" + chinese, "0001"}));
  GetParam().flush(path_);
  const SettingsValues loaded = LoadSettings(*store_, path_);
  GetParam().flush(path_);
  EXPECT_EQ(loaded.networkName, std::string(254, 'n'));
  EXPECT_EQ(loaded.windows7Slot, "x" + chinese.substr(0, 126 * 3));
  EXPECT_EQ(loaded.windowsXpSlot, "0001");
}

TEST_P(SettingsThroughStore, OtherSectionsAndKeysAreKept) {
  WriteBytes(path_, "; note\r\n[Before]\r\na=1\r\n[SSID]\r\nExtra=keep\r\nSSID=old\r\n[After]\r\nb=2\r\n");
  ASSERT_TRUE(SaveSettings(*store_, path_, {"new", "0001", "0002"}));
  GetParam().flush(path_);
  EXPECT_EQ(ReadBytes(path_),
            "; note\r\n[Before]\r\na=1\r\n[SSID]\r\nExtra=keep\r\nSSID=new\r\nSSIDITEMO=0001\r\n"
            "SSIDITEMT=0002\r\n[After]\r\nb=2\r\n");
}

TEST_P(SettingsThroughStore, SaveFailsWhereTheFileCannotBeMade) {
  const std::string nowhere = dir_.File("no-such-directory/360RI.INI");
  EXPECT_FALSE(SaveSettings(*store_, nowhere, {"name", "0001", "0002"}));
  GetParam().flush(nowhere);
  EXPECT_FALSE(std::filesystem::exists(Utf8Path(nowhere)));
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsThroughStore, ::testing::ValuesIn(StoreKinds()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace wendral::test
