// The main window's apply and saves: a refused apply leaves the settings file as it was, and
// a name code page 936 cannot hold never reaches the file.
#include "app/main_window_logic.h"
#include "app_fixture.h"
#include "support/refused_names.h"

namespace wendral::test {
namespace {

class RefusedApplyTest : public AppTest {
 protected:
  WindowValues window;
  MainWindowLogic form{registry, settings, messages, window};
};

TEST_F(RefusedApplyTest, ARefusedApplyLeavesTheSettingsFileByteForByte) {
  const std::string stored = "; kept\r\n[SSID]\r\nSSID=old\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n[other]\r\nx=1\r\n";
  WriteBytes(settingsPath, stored);
  window.windows7Slot = "";
  window.windowsXpSlot = "0100";
  struct Case {
    std::string name;
    ApplyMode mode;
  };
  std::vector<Case> refused;
  for (const RefusedName& r : RefusedNames()) refused.push_back({r.name, ApplyMode::Cafe});
  refused.insert(refused.end(), {
      {"a\r\nSSIDITEMO=0042", ApplyMode::Cafe},  // a line break: lines of its own in the file
      {"b\n", ApplyMode::Cafe},
      {"c\rd", ApplyMode::Cafe},
      {"ok", ApplyMode::Windows7},  // no slot found yet
      {"ok", ApplyMode::WindowsXp},  // a slot past "0099"
  });
  for (const Case& c : refused) {
    messages.shown.clear();
    window.networkName = c.name;
    form.ApplyNetworkName(c.mode);
    EXPECT_EQ(messages.shown.size(), 1u) << c.name;
    ASSERT_EQ(SettingsFile(), stored) << c.name;
  }
  EXPECT_FALSE(memory.Snapshot(kHklm, "SYSTEM").has_value());

  // An apply that was not refused saves as before, even when nothing was selected.
  window.networkName = "tab\there";
  form.ApplyNetworkName(std::nullopt);
  EXPECT_EQ(SettingsFile(), "; kept\r\n[SSID]\r\nSSID=tab\there\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n[other]\r\nx=1\r\n");
}

TEST_F(RefusedApplyTest, AnUnrepresentableNameNeverReachesTheFileButTheSlotsAreSaved) {
  WriteBytes(settingsPath, "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n");
  PutName(ControlSet001ClassPath, 99, "stick");
  window.networkName = "奶茶\xF0\x9F\x98\x80";  // "Wi??Fi" is what code page 936 would make of it
  form.OnWindows7Chosen();
  EXPECT_EQ(SettingsFile(), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0099\r\nSSIDITEMT=0000\r\n");
  window.windowsXpSlot = "0031";
  form.OnClosing();
  EXPECT_EQ(SettingsFile(), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0099\r\nSSIDITEMT=0031\r\n");

  // A line break would start lines of its own in the file (here the slot of the next start).
  window.networkName = "a\r\nSSIDITEMO=0042";
  form.OnClosing();
  EXPECT_EQ(SettingsFile(), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0099\r\nSSIDITEMT=0031\r\n");

  // Too long but representable is the user's text and is kept for the next start.
  window.networkName = std::string(40, 'x');
  form.OnClosing();
  EXPECT_EQ(LoadSettings(profiles, settingsPath).networkName, std::string(40, 'x'));
}

}  // namespace
}  // namespace wendral::test
