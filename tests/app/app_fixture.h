#pragma once
// The logic's surroundings for one test: an in-memory registry, a settings file in a
// directory of its own, a record of the message boxes, and the main window's three values.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/adapter_registry.h"
#include "app/main_window_values.h"
#include "app/message_service.h"
#include "app/settings_keeper.h"
#include "formats/ini_profile.h"
#include "formats/memory_registry.h"
#include "support/test_files.h"

namespace wendral::test {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon;
};

class RecordingMessages final : public MessageService {
 public:
  void Show(std::string_view text, std::string_view title, MessageIcon icon) override {
    shown.push_back({std::string(text), std::string(title), icon});
  }
  std::vector<ShownMessage> shown;
};

class WindowValues final : public MainWindowValues {
 public:
  std::string NetworkName() const override { return networkName; }
  void SetNetworkName(const std::string& text) override { networkName = text; }
  std::string Windows7Slot() const override { return windows7Slot; }
  void SetWindows7Slot(const std::string& tag) override { windows7Slot = tag; }
  std::string WindowsXpSlot() const override { return windowsXpSlot; }
  void SetWindowsXpSlot(const std::string& tag) override { windowsXpSlot = tag; }

  std::string networkName = "TP-LINK_75BCRT";
  std::string windows7Slot = "0000";
  std::string windowsXpSlot = "0000";
};

class AppTest : public ::testing::Test {
 protected:
  static constexpr RegKey kHklm = reg::kHkeyLocalMachine;

  std::string Slot(std::string_view classPath, int n) const {
    return std::string(classPath) + SlotSuffix(n);
  }
  // Creates the slot's key and gives it an "SSID" text value.
  void PutName(std::string_view classPath, int n, const std::string& name) {
    ASSERT_EQ(registry.EnsureRegistryKey(kHklm, Slot(classPath, n)), 0);
    ASSERT_EQ(registry.WriteRegistryValue(kHklm, Slot(classPath, n), SsidValueName, name, reg::kSz), 0);
  }
  // The "SSID" value as the driver would read it: the text without its terminator, or
  // "<none>".
  std::string NameIn(std::string_view classPath, int n) {
    const QueryResult value = registry.QueryValue(kHklm, Slot(classPath, n), SsidValueName);
    if (value.IsEmpty()) return "<none>";
    std::string text = value.ToText();
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
  }
  std::string SettingsFile() { return ReadBytes(settingsPath); }

  MemoryRegistry memory;
  AdapterRegistry registry{memory};
  TempDir dir;
  std::string settingsPath = dir.File("360RI.INI");
  IniProfileStore profiles;
  RecordingMessages messages;
  SettingsKeeper settings{profiles, settingsPath, messages};
};

}  // namespace wendral::test
