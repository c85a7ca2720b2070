#include "app/settings.h"

#include "app/ansi_text.h"

namespace wendral {
namespace {

std::string ReadValue(ProfileStore& store, const char* key, const std::string& path) {
  return FromAnsi(store.Read(kSettingsSection, key, "", kSettingsReadBufferSize, path));
}

}  // namespace

SettingsValues LoadSettings(ProfileStore& store, const std::string& path) {
  SettingsValues values;
  values.networkName = ReadValue(store, kNetworkNameKey, path);
  values.windows7Slot = ReadValue(store, kWindows7SlotKey, path);
  values.windowsXpSlot = ReadValue(store, kWindowsXpSlotKey, path);
  return values;
}

bool SaveSettings(ProfileStore& store, const std::string& path, const SettingsValues& values) {
  bool saved = store.Write(kSettingsSection, kNetworkNameKey, ToAnsi(values.networkName), path);
  saved = store.Write(kSettingsSection, kWindows7SlotKey, ToAnsi(values.windows7Slot), path) && saved;
  saved = store.Write(kSettingsSection, kWindowsXpSlotKey, ToAnsi(values.windowsXpSlot), path) && saved;
  return saved;
}

}  // namespace wendral
