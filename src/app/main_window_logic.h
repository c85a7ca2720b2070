#pragma once
// src/app: the network-name changer's logic, platform-free: the registry layer, the
// settings, the names' checks and what the main window does. It reaches the platform only
// through AdapterRegistry, the profile store, the message and timer services and the
// code-page conversions (ansi_text.h), and includes no platform folder and no Windows header.
//
// What the main window does with its values: the slot searches, the apply button in each
// mode, internet-café mode and the settings saves. The window itself only forwards events.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/adapter_registry.h"
#include "app/apply_mode.h"
#include "app/main_window_values.h"
#include "app/message_service.h"
#include "app/profile_store.h"
#include "app/settings_keeper.h"

namespace wendral {

// The outcome of a group of registry writes.
struct WriteTally {
  int total = 0;
  int failed = 0;
  Status firstFailure = 0;
  bool accessDenied = false;

  void Add(Status ensureStatus, Status writeStatus);
};

// What pressing the apply button came to. A refusal writes nothing and saves nothing.
enum class ApplyOutcome { Written, NameTooLong, NameUnrepresentable, SlotUnknown, NothingSelected };

struct ApplyResult {
  ApplyOutcome outcome = ApplyOutcome::NothingSelected;
  std::size_t nameBytes = 0;  // the name's length in code page 936, when it is too long
  WriteTally tally;

  bool Refused() const {
    return outcome == ApplyOutcome::NameTooLong || outcome == ApplyOutcome::NameUnrepresentable ||
           outcome == ApplyOutcome::SlotUnknown;
  }
};

// The refusal of a name an apply would write: too long, or not held by code page 936 (or with
// a line break). Nothing when the name may be written.
std::optional<ApplyResult> RefuseName(std::string_view name);
// What the user reads about a refused apply.
std::string RefusalText(const ApplyResult& refused);

class MainWindowLogic {
 public:
  MainWindowLogic(AdapterRegistry& registry, SettingsKeeper& settings, MessageService& messages,
                  MainWindowValues& window)
      : registry_(registry), settings_(settings), messages_(messages), window_(window) {}

  void OnWindows7Chosen();   // search ControlSet001, then save
  void OnWindowsXpChosen();  // search CurrentControlSet, then save
  void OnApplyClicked(std::optional<ApplyMode> selected) { ApplyNetworkName(selected); }
  void OnClosing();  // save before the program ends

  // SearchSlots below classPath, reading each "SSID" value as the apply writes it. Returns
  // the first slot found, or an empty text (the caller's tag then keeps its value).
  std::string FindAdapterSlot(std::string_view classPath);

  // Writes the name in the selected mode, reports the outcome, and saves unless the apply
  // was refused.
  void ApplyNetworkName(std::optional<ApplyMode> selected);

  // The checks and the writes of an apply, without a message and without saving.
  ApplyResult WriteNetworkName(std::optional<ApplyMode> selected);

  // The instance keys an apply in the selected mode writes, in the order it writes them;
  // empty when it would write nothing (no option, or a tag that is no slot).
  std::vector<std::string> WritePaths(std::optional<ApplyMode> selected) const;

  // Internet-café mode: the name into every slot of both control sets.
  WriteTally Cafes();

 private:
  void Report(const ApplyResult& result, bool cafe);
  void Save();

  AdapterRegistry& registry_;
  SettingsKeeper& settings_;
  MessageService& messages_;
  MainWindowValues& window_;
};

}  // namespace wendral
