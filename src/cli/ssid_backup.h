#pragma once
// Backup and restore of the stored network names as .reg files that regedit imports too.
//
// A backup holds, for every slot "0000" to "0099" of both control sets, what a restore needs
// to put it back: the "SSID" value as it was stored; "SSID"=- where the key held no such
// value; a comment naming each key that did not exist (a restore removes such a key only
// while it holds nothing but "SSID"; regedit ignores the comment, so importing a backup never
// deletes a key). Comments also keep the three values of 360RI.INI and, last, how many slots
// the file records, so a file cut short is refused.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/adapter_registry.h"
#include "app/main_window_logic.h"
#include "app/registry_api.h"
#include "app/settings.h"
#include "cli/slot_values.h"

namespace wendral::cli {

// What one value may be to be backed up and restored.
inline constexpr std::size_t kMaxValueBytes = 256;
inline constexpr std::size_t kMaxSlots = 2 * kSlotsPerClassKey;  // both class keys

// Why these values cannot go into a backup (UTF-8), or empty when they can.
std::string BackupRefusal(const std::vector<SlotValue>& slots);

// The backup file's bytes: REGEDIT4 in code page 936 when every name is plain text code page
// 936 holds (plain ASCII unless ansiCodePage936: regedit reads REGEDIT4 in the system's code
// page), else regedit's UTF-16 format. CRLF. settings: 360RI.INI's values, or nothing when
// there was no settings file.
std::string BackupText(const std::vector<SlotValue>& slots, const std::optional<SettingsValues>& settings,
                       bool ansiCodePage936 = true);

struct RestoreStep {
  enum class Kind { SetValue, DeleteValue, DeleteCreatedKey };
  Kind kind = Kind::SetValue;
  std::string path;  // a slot key, relative to HKEY_LOCAL_MACHINE
  std::uint32_t type = 0;
  std::string data;  // as SlotValue::data
};

struct RestorePlan {
  std::vector<RestoreStep> steps;          // one per slot, in the file's order
  std::optional<SettingsValues> settings;  // nothing when the backup found no settings file
  std::string refusal;                     // UTF-8; the file is refused as a whole when not empty
};

// Reads a backup (REGEDIT4 in code page 936 or UTF-8, or regedit's UTF-16 format) by
// regedit's rules (formats/reg_syntax.h) and refuses it unless it is whole and holds only
// what a backup holds.
RestorePlan ReadRestoreFile(std::string_view bytes);

// Carries the steps out; each step is one write in the tally.
WriteTally ApplyRestore(RegistryApi& api, SsidAccess& access, const std::vector<RestoreStep>& steps);

}  // namespace wendral::cli
