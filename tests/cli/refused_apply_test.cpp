// The main window's apply and saves: a refused apply leaves the settings file as it was, and
// a name code page 936 cannot hold never reaches the file.
#include "app/main_window_logic.h"
#include "app/app_fixture.h"
#include "support/refused_names.h"

namespace wendral::test {
namespace {

class RefusedApplyTest : public AppTest {
 protected:
  WindowValues window;
  Form1Logic form{registry, settings, messages, window};
};

TEST_F(RefusedApplyTest, ARefusedApplyLeavesTheSettingsFileByteForByte) {
  const std::string stored = "; kept\r\n[SSID]\r\nSSID=old\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n[other]\r\nx=1\r\n";
  WriteBytes(settingsPath, stored);
  window.tag1 = "";
  window.tag2 = "0100";
  struct Case {
    std::string name;
    SelectedOption mode;
  };
  std::vector<Case> refused;
  for (const RefusedName& r : RefusedNames()) refused.push_back({r.name, SelectedOption::Option3});
  refused.insert(refused.end(), {
      {"a\r\nSSIDITEMO=0042", SelectedOption::Option3},  // a line break: lines of its own in the file
      {"b\n", SelectedOption::Option3},
      {"c\rd", SelectedOption::Option3},
      {"ok", SelectedOption::Option1},  // no slot found yet
      {"ok", SelectedOption::Option2},  // a slot past "0099"
  });
  for (const Case& c : refused) {
    messages.shown.clear();
    window.text1 = c.name;
    form.ApplyNetworkName(c.mode);
    EXPECT_EQ(messages.shown.size(), 1u) << c.name;
    ASSERT_EQ(SettingsFile(), stored) << c.name;
  }
  EXPECT_FALSE(memory.Snapshot(kHklm, "SYSTEM").has_value());

  // An apply that was not refused saves as before, even when nothing was selected.
  window.text1 = "tab\there";
  form.ApplyNetworkName(SelectedOption::None);
  EXPECT_EQ(SettingsFile(), "; kept\r\n[SSID]\r\nSSID=tab\there\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n[other]\r\nx=1\r\n");
}

TEST_F(RefusedApplyTest, AnUnrepresentableNameNeverReachesTheFileButTheSlotsAreSaved) {
  WriteBytes(settingsPath, "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n");
  PutName(ControlSet001ClassPath, 99, "stick");
  window.text1 = "奶茶\xF0\x9F\x98\x80";  // "Wi??Fi" is what code page 936 would make of it
  form.Option1_Click();
  EXPECT_EQ(SettingsFile(), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0099\r\nSSIDITEMT=0000\r\n");
  window.tag2 = "0031";
  form.Form_Unload();
  EXPECT_EQ(SettingsFile(), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0099\r\nSSIDITEMT=0031\r\n");

  // A line break would start lines of its own in the file (here the slot of the next start).
  window.text1 = "a\r\nSSIDITEMO=0042";
  form.Form_Unload();
  EXPECT_EQ(SettingsFile(), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\r\nSSIDITEMO=0099\r\nSSIDITEMT=0031\r\n");

  // Too long but representable is the user's text and is kept for the next start.
  window.text1 = std::string(40, 'x');
  form.Form_Unload();
  EXPECT_EQ(LoadSettings(profiles, settingsPath).networkName, std::string(40, 'x'));
}

}  // namespace
}  // namespace wendral::test
