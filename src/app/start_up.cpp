#include "app/start_up.h"

#include <exception>

#include "app/user_texts.h"

namespace wendral {

void ResetStoredNames(AdapterRegistry& registry) {
  for (int n = kFirstSlot; n <= kLastSlot; ++n) {
    const std::string suffix = SlotSuffix(n);
    // Missing keys, values or rights are expected here and change nothing.
    registry.DeleteRegistryValue(reg::kHkeyLocalMachine, std::string(CurrentControlSetClassPath) + suffix,
                                 SsidValueName);
    registry.DeleteRegistryValue(reg::kHkeyLocalMachine, std::string(ControlSet001ClassPath) + suffix, SsidValueName);
  }
}

RunKind StartUp(StartUpHost& host, SettingsKeeper& settings, AdapterRegistry& registry, MessageService& messages) {
  try {
    if (host.SettingsFileFound()) {
      host.ShowMainWindow(settings.Load());
      return RunKind::Later;
    }
    messages.Show(texts::kFirstRun, texts::kBoxTitle, MessageIcon::Information);
    ResetStoredNames(registry);
    host.ShowNoticeWindow();
    return RunKind::First;
  } catch (const std::exception&) {
    return RunKind::Failed;
  }
}

}  // namespace wendral
