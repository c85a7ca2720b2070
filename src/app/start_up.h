#pragma once
// The program's entry procedure: a later run shows the main window with the stored values;
// a first run (no settings file) clears every stored network name and shows the re-plug
// notice instead.
#include "app/adapter_registry.h"
#include "app/message_service.h"
#include "app/settings.h"
#include "app/settings_keeper.h"

namespace wendral {

class StartUpHost {
 public:
  virtual ~StartUpHost() = default;
  // The settings file test: an ordinary file only; hidden or system files and directories
  // of that name do not count.
  virtual bool SettingsFileFound() = 0;
  virtual void ShowMainWindow(const SettingsValues& loaded) = 0;
  virtual void ShowNoticeWindow() = 0;
};

enum class RunKind { Later, First, Failed };

// Any failure ends it silently; what was done before stays done.
RunKind StartUp(StartUpHost& host, SettingsKeeper& settings, AdapterRegistry& registry, MessageService& messages);

// The first-run reset: "SSID" goes from slots "0000" to "0099" of both control sets; keys
// stay and none are created.
void ResetStoredNames(AdapterRegistry& registry);

}  // namespace wendral
