#pragma once
// What the main window does with its values: the slot searches, the apply button in each
// mode, internet-café mode and the settings saves. The window itself only forwards events.
#include <string>
#include <string_view>

#include "app/adapter_registry.h"
#include "app/main_window_values.h"
#include "app/message_service.h"
#include "app/profile_store.h"
#include "app/settings_keeper.h"

namespace wendral {

enum class SelectedOption { None, Option1, Option2, Option3 };

// The outcome of a group of registry writes.
struct WriteTally {
  int total = 0;
  int failed = 0;
  Status firstFailure = 0;
  bool accessDenied = false;

  void Add(Status ensureStatus, Status writeStatus);
};

class Form1Logic {
 public:
  Form1Logic(AdapterRegistry& registry, SettingsKeeper& settings, MessageService& messages,
             MainWindowValues& window)
      : registry_(registry), settings_(settings), messages_(messages), window_(window) {}

  void Option1_Click();  // search ControlSet001, then save
  void Option2_Click();  // search CurrentControlSet, then save
  void QuilletButton1_Click(SelectedOption selected) { ApplyNetworkName(selected); }
  void Form_Unload();  // save before the program ends

  // Searches slots "0001" to "0099" below classPath for a non-empty "SSID" value. Returns
  // the first slot found, or an empty text (the caller's tag then keeps its value).
  std::string FindAdapterSlot(std::string_view classPath);

  // Writes the name in the selected mode, reports the outcome, and saves in every case.
  void ApplyNetworkName(SelectedOption selected);

  // Internet-café mode: the name into every slot of both control sets.
  WriteTally Cafes();

 private:
  void WriteSlot(std::string_view classPath, const std::string& tag, WriteTally& tally);
  bool RefuseUnusableName();
  void Report(const WriteTally& tally, bool cafe);
  void Save();

  AdapterRegistry& registry_;
  SettingsKeeper& settings_;
  MessageService& messages_;
  MainWindowValues& window_;
};

}  // namespace wendral
