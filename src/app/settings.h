#pragma once
// The three texts the program keeps between runs, in the settings file beside the executable.
#include <cstddef>
#include <string>

#include "app/profile_store.h"

namespace wendral {

inline constexpr char kSettingsFileName[] = "360RI.INI";
// The name the first-run test looks the file up by: the same file, since Windows file names
// ignore case.
inline constexpr char kSettingsProbeName[] = "360RI.ini";
inline constexpr char kSettingsSection[] = "SSID";
inline constexpr char kNetworkNameKey[] = "SSID";
inline constexpr char kWindows7SlotKey[] = "SSIDITEMO";
inline constexpr char kWindowsXpSlotKey[] = "SSIDITEMT";
// Longer values are read cut to one byte less than this.
inline constexpr std::size_t kSettingsReadBufferSize = 255;

// UTF-8 texts: the network name, and the slot suffix found by each of the two searches.
struct SettingsValues {
  std::string networkName;
  std::string windows7Slot;
  std::string windowsXpSlot;

  bool operator==(const SettingsValues&) const = default;
};

// The three values as stored; a missing file, section or key reads as the empty text.
SettingsValues LoadSettings(ProfileStore& store, const std::string& path);

// Writes all three values, each attempted even when an earlier one failed. True only when
// every write succeeded: otherwise the values are not (all) kept for the next run.
bool SaveSettings(ProfileStore& store, const std::string& path, const SettingsValues& values);

}  // namespace wendral
