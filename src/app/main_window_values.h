#pragma once
// The three values of the main window that the settings file keeps: the network name and
// the slots found for "Windows7" and "Windows XP". UTF-8.
#include <string>

#include "app/settings.h"

namespace wendral {

class MainWindowValues {
 public:
  virtual ~MainWindowValues() = default;
  virtual std::string NetworkName() const = 0;
  virtual void SetNetworkName(const std::string& text) = 0;
  virtual std::string Windows7Slot() const = 0;
  virtual void SetWindows7Slot(const std::string& slot) = 0;
  virtual std::string WindowsXpSlot() const = 0;
  virtual void SetWindowsXpSlot(const std::string& slot) = 0;
};

inline SettingsValues CurrentValues(const MainWindowValues& window) {
  return SettingsValues{window.NetworkName(), window.Windows7Slot(), window.WindowsXpSlot()};
}

inline void FillValues(MainWindowValues& window, const SettingsValues& values) {
  window.SetNetworkName(values.networkName);
  window.SetWindows7Slot(values.windows7Slot);
  window.SetWindowsXpSlot(values.windowsXpSlot);
}

}  // namespace wendral
