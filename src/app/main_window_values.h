#pragma once
// The three values of the main window that the settings file keeps: the text of Text1 and
// the Tag texts of Option1 ("Windows7") and Option2 ("Windows XP"). UTF-8.
#include <string>

#include "app/settings.h"

namespace wendral {

class MainWindowValues {
 public:
  virtual ~MainWindowValues() = default;
  virtual std::string Text1() const = 0;
  virtual void SetText1(const std::string& text) = 0;
  virtual std::string Option1Tag() const = 0;
  virtual void SetOption1Tag(const std::string& tag) = 0;
  virtual std::string Option2Tag() const = 0;
  virtual void SetOption2Tag(const std::string& tag) = 0;
};

inline SettingsValues CurrentValues(const MainWindowValues& window) {
  return SettingsValues{window.Text1(), window.Option1Tag(), window.Option2Tag()};
}

inline void FillValues(MainWindowValues& window, const SettingsValues& values) {
  window.SetText1(values.networkName);
  window.SetOption1Tag(values.windows7Slot);
  window.SetOption2Tag(values.windowsXpSlot);
}

}  // namespace wendral
