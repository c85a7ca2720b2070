// Start-up: the first run's reset and notice, the later run's loaded values, and the silent
// end of a start-up that fails.
#include "app/start_up.h"

#include <stdexcept>

#include "app/user_texts.h"
#include "app_fixture.h"

namespace wendral::test {
namespace {

class RecordingHost final : public StartUpHost {
 public:
  bool SettingsFileFound() override { return found; }
  void ShowMainWindow(const SettingsValues& loaded) override {
    mainShown = true;
    values = loaded;
  }
  void ShowNoticeWindow() override {
    if (failNotice) throw std::runtime_error("no window");
    noticeShown = true;
  }
  bool found = false;
  bool failNotice = false;
  bool mainShown = false;
  bool noticeShown = false;
  SettingsValues values;
};

class StartUpTest : public AppTest {
 protected:
  RecordingHost host;
};

TEST_F(StartUpTest, FirstRunAsksThenClearsEveryStoredNameAndShowsTheNotice) {
  for (int n : {0, 7, 99}) {
    PutName(CurrentControlSetClassPath, n, "a");
    PutName(ControlSet001ClassPath, n, "b");
  }
  ASSERT_EQ(registry.WriteRegistryValue(kHklm, Slot(ControlSet001ClassPath, 7), "DriverDesc",
                                        "stick", reg::kSz), 0);
  PutName(ControlSet001ClassPath, 100, "beyond the slots");
  EXPECT_EQ(StartUp(host, settings, registry, messages), RunKind::First);

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, texts::kFirstRun);
  EXPECT_EQ(messages.shown[0].title, "提示");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_TRUE(host.noticeShown);
  EXPECT_FALSE(host.mainShown);
  for (int n : {0, 7, 99}) {
    EXPECT_EQ(NameIn(CurrentControlSetClassPath, n), "<none>") << n;
    EXPECT_EQ(NameIn(ControlSet001ClassPath, n), "<none>") << n;
  }
  // Only the value goes: keys stay, other values stay, nothing is created, slot 100 is
  // not a slot.
  EXPECT_TRUE(memory.Snapshot(kHklm, Slot(CurrentControlSetClassPath, 99)).has_value());
  EXPECT_FALSE(memory.Snapshot(kHklm, Slot(CurrentControlSetClassPath, 1)).has_value());
  EXPECT_EQ(registry.QueryValue(kHklm, Slot(ControlSet001ClassPath, 7), "DriverDesc").ToText(),
            std::string("stick") + '\0');
  EXPECT_EQ(NameIn(ControlSet001ClassPath, 100), "beyond the slots");
  EXPECT_EQ(memory.OpenHandleCount(), 0u);
  EXPECT_EQ(SettingsFile(), "<no file>");
}

TEST_F(StartUpTest, LaterRunLoadsTheStoredValuesAndLeavesTheRegistryAlone) {
  WriteBytes(settingsPath, "[other]\r\nx=1\r\n[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0003\r\n");
  PutName(CurrentControlSetClassPath, 3, "kept");
  host.found = true;
  EXPECT_EQ(StartUp(host, settings, registry, messages), RunKind::Later);
  EXPECT_TRUE(host.mainShown);
  EXPECT_FALSE(host.noticeShown);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(host.values, (SettingsValues{"奶茶", "0003", ""}));
  EXPECT_EQ(NameIn(CurrentControlSetClassPath, 3), "kept");
}

TEST_F(StartUpTest, AFailureEndsStartUpSilentlyKeepingWhatWasDone) {
  PutName(CurrentControlSetClassPath, 4, "a");
  host.failNotice = true;
  EXPECT_EQ(StartUp(host, settings, registry, messages), RunKind::Failed);
  EXPECT_EQ(NameIn(CurrentControlSetClassPath, 4), "<none>");
  EXPECT_EQ(messages.shown.size(), 1u);  // the first-run box only, no failure message
}

TEST(SettingsPathTest, BothNamesSitBesideTheExecutable) {
  EXPECT_EQ(SettingsPath("C:\\网吧\\工具"), "C:\\网吧\\工具\\360RI.INI");
  EXPECT_EQ(SettingsProbePath("C:\\网吧\\工具"), "C:\\网吧\\工具\\360RI.ini");
}

}  // namespace
}  // namespace wendral::test
