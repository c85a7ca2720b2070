// The main window's behaviour: slot searches, apply in each mode, café mode, saves, and the
// refusals and failure reports that keep a user from being told a change worked when it
// did not.
#include "app/main_window_logic.h"

#include "app/user_texts.h"
#include "app_fixture.h"
#include "support/refused_names.h"

namespace wendral::test {
namespace {

class MainWindowTest : public AppTest {
 protected:
  SettingsValues Stored() { return LoadSettings(profiles, settingsPath); }
  // Every "SSID" below both class keys, slot by slot, for "nothing was written" checks.
  std::string AllNames() {
    std::string all;
    for (int n = 0; n <= 99; ++n) {
      all += NameIn(CurrentControlSetClassPath, n) + "|" + NameIn(ControlSet001ClassPath, n) + ";";
    }
    return all;
  }

  WindowValues window;
  MainWindowLogic form{registry, settings, messages, window};
};

TEST_F(MainWindowTest, SearchFindsLowestNonEmptySlotFromOneAndSaves) {
  PutName(ControlSet001ClassPath, 0, "ignored: slot 0 is never searched");
  PutName(ControlSet001ClassPath, 9, "stick");
  PutName(ControlSet001ClassPath, 42, "second");
  PutName(CurrentControlSetClassPath, 57, "xp");
  form.OnWindows7Chosen();
  EXPECT_EQ(window.windows7Slot, "0009");
  EXPECT_EQ(window.windowsXpSlot, "0000");
  form.OnWindowsXpChosen();
  EXPECT_EQ(window.windowsXpSlot, "0057");
  EXPECT_EQ(SettingsFile(), "[SSID]\r\nSSID=TP-LINK_75BCRT\r\nSSIDITEMO=0009\r\nSSIDITEMT=0057\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, SearchReachesTheLastSlotInBothControlSets) {
  PutName(ControlSet001ClassPath, 99, "last");
  PutName(CurrentControlSetClassPath, 99, "last xp");
  PutName(CurrentControlSetClassPath, 0, "slot 0 is never searched");
  form.OnWindows7Chosen();
  form.OnWindowsXpChosen();
  EXPECT_EQ(window.windows7Slot, "0099");
  EXPECT_EQ(window.windowsXpSlot, "0099");
  EXPECT_EQ(Stored(), (SettingsValues{"TP-LINK_75BCRT", "0099", "0099"}));
}

TEST_F(MainWindowTest, SearchCountsNumbersAndBareTerminatorsButNotEmptyOrOtherTypes) {
  const std::string ansiPath = Slot(ControlSet001ClassPath, 3);
  for (int n : {3, 5, 7, 8}) ASSERT_EQ(registry.EnsureRegistryKey(kHklm, Slot(ControlSet001ClassPath, n)), 0);
  RegKey key = 0;
  ASSERT_EQ(memory.OpenKey(kHklm, ansiPath.c_str(), 0, reg::kAdapterKeyAccess, &key), 0);
  ASSERT_EQ(memory.SetValue(key, "SSID", reg::kSz, nullptr, 0), 0);  // zero bytes: empty
  memory.CloseKey(key);
  ASSERT_EQ(memory.OpenKey(kHklm, Slot(ControlSet001ClassPath, 5).c_str(), 0, reg::kAdapterKeyAccess, &key), 0);
  ASSERT_EQ(memory.SetValue(key, "SSID", reg::kExpandSz, reinterpret_cast<const std::uint8_t*>("x"), 2), 0);
  memory.CloseKey(key);
  ASSERT_EQ(registry.WriteRegistryValue(kHklm, Slot(ControlSet001ClassPath, 7), SsidValueName, 0, reg::kDword), 0);
  form.OnWindows7Chosen();
  EXPECT_EQ(window.windows7Slot, "0007");

  window.windowsXpSlot = "0031";
  PutName(CurrentControlSetClassPath, 8, "");  // just the terminator: counts
  form.OnWindowsXpChosen();
  EXPECT_EQ(window.windowsXpSlot, "0008");
}

TEST_F(MainWindowTest, SearchWithoutAHitKeepsTheTagAndStillSaves) {
  window.windows7Slot = "0012";
  PutName(ControlSet001ClassPath, 0, "only slot 0");
  form.OnWindows7Chosen();
  EXPECT_EQ(window.windows7Slot, "0012");
  EXPECT_EQ(Stored(), (SettingsValues{"TP-LINK_75BCRT", "0012", "0000"}));
}

TEST_F(MainWindowTest, ApplyWritesTheSelectedControlSetAtItsTagAndReportsSuccess) {
  window.networkName = "咖啡馆 WiFi";
  window.windows7Slot = "0004";
  window.windowsXpSlot = "0011";
  form.ApplyNetworkName(ApplyMode::WindowsXp);
  EXPECT_EQ(NameIn(CurrentControlSetClassPath, 11), "咖啡馆 WiFi");
  EXPECT_EQ(NameIn(ControlSet001ClassPath, 4), "<none>");
  // Stored as UTF-16 with its terminator: 8 characters and 1, of 2 bytes each.
  RegKey key = 0;
  ASSERT_EQ(memory.OpenKey(kHklm, Slot(CurrentControlSetClassPath, 11).c_str(), 0, reg::kKeyRead, &key), 0);
  std::uint32_t size = 0, type = 0;
  ASSERT_EQ(memory.QueryValue(key, "SSID", &type, nullptr, &size), 0);
  memory.CloseKey(key);
  EXPECT_EQ(type, reg::kSz);
  EXPECT_EQ(size, 18u);

  form.ApplyNetworkName(ApplyMode::Windows7);
  EXPECT_EQ(NameIn(ControlSet001ClassPath, 4), "咖啡馆 WiFi");
  ASSERT_EQ(messages.shown.size(), 2u);
  for (const auto& box : messages.shown) {
    EXPECT_EQ(box.text, texts::kChangeSucceeded);
    EXPECT_EQ(box.title, "提示");
    EXPECT_EQ(box.icon, MessageIcon::Information);
  }
  EXPECT_EQ(Stored(), (SettingsValues{"咖啡馆 WiFi", "0004", "0011"}));
}

TEST_F(MainWindowTest, EmptyNameIsWrittenAsAnEmptyText) {
  PutName(ControlSet001ClassPath, 0, "old");
  window.networkName = "";
  form.ApplyNetworkName(ApplyMode::Windows7);
  EXPECT_EQ(NameIn(ControlSet001ClassPath, 0), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, texts::kChangeSucceeded);
}

TEST_F(MainWindowTest, CafeModeWritesAllTwoHundredSlotsKeepingOtherValues) {
  ASSERT_EQ(registry.EnsureRegistryKey(kHklm, Slot(ControlSet001ClassPath, 7)), 0);
  ASSERT_EQ(registry.WriteRegistryValue(kHklm, Slot(ControlSet001ClassPath, 7), "DriverDesc", "stick", reg::kSz), 0);
  PutName(CurrentControlSetClassPath, 99, "old");
  window.networkName = "网吧-3号机";
  const WriteTally tally = form.Cafes();
  EXPECT_EQ(tally.total, 200);
  EXPECT_EQ(tally.failed, 0);
  for (int n = 0; n <= 99; ++n) {
    ASSERT_EQ(NameIn(CurrentControlSetClassPath, n), "网吧-3号机") << n;
    ASSERT_EQ(NameIn(ControlSet001ClassPath, n), "网吧-3号机") << n;
  }
  EXPECT_EQ(registry.QueryValue(kHklm, Slot(ControlSet001ClassPath, 7), "DriverDesc").ToText(),
            std::string("stick") + '\0');
  EXPECT_FALSE(memory.Snapshot(kHklm, Slot(ControlSet001ClassPath, 100)).has_value());
  EXPECT_EQ(memory.OpenHandleCount(), 0u);

  form.ApplyNetworkName(ApplyMode::Cafe);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, texts::kChangeSucceeded);
  EXPECT_EQ(Stored().networkName, "网吧-3号机");
}

TEST_F(MainWindowTest, NoSelectionWritesNothingShowsNothingButSaves) {
  form.ApplyNetworkName(std::nullopt);
  EXPECT_FALSE(memory.Snapshot(kHklm, CurrentControlSetClassPath).has_value());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Stored(), (SettingsValues{"TP-LINK_75BCRT", "0000", "0000"}));
}

TEST_F(MainWindowTest, FailedWriteIsReportedAsAFailureNotASuccess) {
  PutName(CurrentControlSetClassPath, 6, "old");
  ASSERT_EQ(memory.SetReadOnly(kHklm, Slot(CurrentControlSetClassPath, 6), true), 0);
  window.windowsXpSlot = "0006";
  window.networkName = "new";
  form.ApplyNetworkName(ApplyMode::WindowsXp);
  EXPECT_EQ(NameIn(CurrentControlSetClassPath, 6), "<none>");  // reads need write access too
  ASSERT_EQ(memory.SetReadOnly(kHklm, Slot(CurrentControlSetClassPath, 6), false), 0);
  EXPECT_EQ(NameIn(CurrentControlSetClassPath, 6), "old");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages.shown[0].title, "提示");
  EXPECT_NE(messages.shown[0].text.find("管理员身份运行"), std::string::npos);
  // The save still happens.
  EXPECT_EQ(Stored().networkName, "new");
}

TEST_F(MainWindowTest, CafeModeCountsItsFailedWrites) {
  for (int n : {2, 50, 51}) {
    PutName(ControlSet001ClassPath, n, "keep");
    ASSERT_EQ(memory.SetReadOnly(kHklm, Slot(ControlSet001ClassPath, n), true), 0);
  }
  PutName(CurrentControlSetClassPath, 0, "keep");
  ASSERT_EQ(memory.SetReadOnly(kHklm, Slot(CurrentControlSetClassPath, 0), true), 0);
  window.networkName = "cafe";
  form.ApplyNetworkName(ApplyMode::Cafe);
  EXPECT_EQ(NameIn(ControlSet001ClassPath, 3), "cafe");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages.shown[0].text,
            "修改失败:网吧模式的200处写入中有4处没有成功。\n"
            "没有修改注册表的权限:请右键点击本程序,选择\"以管理员身份运行\"后再试。");
}

TEST_F(MainWindowTest, NamesTheStickCannotBroadcastAreRefusedBeforeAnyWrite) {
  window.windows7Slot = "0001";
  for (const RefusedName& c : RefusedNames()) {
    for (ApplyMode mode : {ApplyMode::Windows7, ApplyMode::Cafe}) {
      messages.shown.clear();
      window.networkName = c.name;
      const std::string before = AllNames();
      form.ApplyNetworkName(mode);
      EXPECT_TRUE(AllNames() == before) << c.name;
      ASSERT_EQ(messages.shown.size(), 1u) << c.name;
      EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
      EXPECT_NE(messages.shown[0].text.find(c.says), std::string::npos) << messages.shown[0].text;
    }
  }
  // The limits themselves are accepted, and so are letters GBK does hold.
  for (const std::string& name :
       {std::string(32, 'z'), std::string("一二三四五六七八九十一二三四五六"), std::string("café€")}) {
    messages.shown.clear();
    window.networkName = name;
    form.ApplyNetworkName(ApplyMode::Windows7);
    EXPECT_EQ(NameIn(ControlSet001ClassPath, 1), name);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, texts::kChangeSucceeded);
  }
}

TEST_F(MainWindowTest, TagsThatAreNoSlotNeverBecomeARegistryPath) {
  for (const char* tag : {"", "0100", "00a1", "0001\\..", "01", "00001", " 001"}) {
    messages.shown.clear();
    window.windows7Slot = tag;
    window.windowsXpSlot = tag;
    for (ApplyMode mode : {ApplyMode::Windows7, ApplyMode::WindowsXp}) {
      form.ApplyNetworkName(mode);
    }
    ASSERT_EQ(messages.shown.size(), 2u) << tag;
    EXPECT_EQ(messages.shown[0].text, texts::kSlotUnknown);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  }
  EXPECT_FALSE(memory.Snapshot(kHklm, "SYSTEM").has_value());
  window.windowsXpSlot = "0099";
  form.ApplyNetworkName(ApplyMode::WindowsXp);
  EXPECT_EQ(NameIn(CurrentControlSetClassPath, 99), "TP-LINK_75BCRT");
}

TEST_F(MainWindowTest, FailedSaveIsToldOncePerRun) {
  TempDir gone;
  RecordingMessages boxes;
  SettingsKeeper unwritable{profiles, gone.File("missing-dir/360RI.INI"), boxes};
  MainWindowLogic lost{registry, unwritable, boxes, window};
  lost.OnWindows7Chosen();
  lost.ApplyNetworkName(std::nullopt);
  lost.OnClosing();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, texts::kSettingsNotSaved);
  EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);

  form.OnClosing();  // a writable file: no box
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Stored(), (SettingsValues{"TP-LINK_75BCRT", "0000", "0000"}));
}

}  // namespace
}  // namespace wendral::test
