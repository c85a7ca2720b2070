#pragma once
// Backup and restore of the stored network names as REGEDIT4 files that regedit imports too.
//
// A backup holds, for every slot "0000" to "0099" of both control sets, what a restore needs
// to put it back: the "SSID" value as it was stored; "SSID"=- where the key held no such
// value; [-key] where the key did not exist (a restore removes such a key only while it
// holds nothing but an "SSID" value, so a key the driver has filled since is kept).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window_logic.h"
#include "app/registry_api.h"
#include "cli/slot_values.h"

namespace wendral::cli {

// The backup file's bytes (code page 936, CRLF).
std::string BackupText(const std::vector<SlotValue>& slots);

struct RestoreStep {
  enum class Kind { SetValue, DeleteValue, DeleteKey };
  Kind kind = Kind::SetValue;
  std::string path;  // a slot key, relative to HKEY_LOCAL_MACHINE
  std::uint32_t type = 0;
  std::string data;
};

struct RestorePlan {
  std::vector<RestoreStep> steps;  // one per slot named in the file, in the file's order
  std::string refusal;             // UTF-8; the file is refused as a whole when not empty
};

// Reads a .reg file (REGEDIT4 in code page 936, or regedit's UTF-16 export) and refuses it
// when it touches anything but "SSID" values of slots "0000" to "0099" below the two class
// keys, or when a line does not parse.
RestorePlan ReadRestoreFile(std::string_view bytes);

// Carries the steps out; each step is one write in the tally.
WriteTally ApplyRestore(RegistryApi& api, const std::vector<RestoreStep>& steps);

}  // namespace wendral::cli
