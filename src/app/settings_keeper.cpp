#include "app/settings_keeper.h"

#include "app/user_texts.h"

namespace wendral {

std::string SettingsPath(const std::string& exeDirectory) { return exeDirectory + "\\" + kSettingsFileName; }

std::string SettingsProbePath(const std::string& exeDirectory) { return exeDirectory + "\\" + kSettingsProbeName; }

bool SettingsKeeper::Save(const SettingsValues& values) {
  const bool saved = SaveSettings(store_, path_, values);
  if (!saved && !warned_) {
    warned_ = true;
    messages_.Show(texts::kSettingsNotSaved, texts::kBoxTitle, MessageIcon::Warning);
  }
  return saved;
}

}  // namespace wendral
