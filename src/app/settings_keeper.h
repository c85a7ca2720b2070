#pragma once
// Saves the main window's values and tells the user, once per run, when the file could not
// be written: the next start would otherwise be a first run that clears every stored name.
#include <string>

#include "app/message_service.h"
#include "app/profile_store.h"
#include "app/settings.h"

namespace wendral {

// The settings file beside the executable, and the name the first-run test looks for
// (the same file: Windows file names ignore case).
std::string SettingsPath(const std::string& exeDirectory);
std::string SettingsProbePath(const std::string& exeDirectory);

class SettingsKeeper {
 public:
  SettingsKeeper(ProfileStore& store, std::string path, MessageService& messages)
      : store_(store), path_(std::move(path)), messages_(messages) {}

  SettingsValues Load() { return LoadSettings(store_, path_); }
  // True when every value was written.
  bool Save(const SettingsValues& values);

  const std::string& path() const { return path_; }

 private:
  ProfileStore& store_;
  std::string path_;
  MessageService& messages_;
  bool warned_ = false;
};

}  // namespace wendral
