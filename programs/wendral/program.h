#pragma once
// What lives for the whole run: the registry and settings services, the fonts, and the two
// windows, the main window created only when it is first shown.
#include <windows.h>

#include <memory>

#include "app/adapter_registry.h"
#include "app/settings_keeper.h"
#include "app/start_up.h"
#include "message_boxes.h"
#include "win32/win32_profile.h"
#include "win32/win32_registry.h"

namespace wendral::win32 {

class MainWindow;
class NoticeWindow;

class Program final : public StartUpHost {
 public:
  explicit Program(const std::string& exeDirectory);
  ~Program() override;

  // StartUpHost.
  bool SettingsFileFound() override;
  void ShowMainWindow(const SettingsValues& loaded) override;
  void ShowNoticeWindow() override;

  // The notice window's button: the main window with its initial values.
  void ShowInitialMainWindow();

  RunKind Run();

  AdapterRegistry& registry() { return registry_; }
  SettingsKeeper& settings() { return settings_; }
  MessageService& messages() { return messages_; }
  int dpi() const { return dpi_; }

 private:
  MainWindow& MadeMainWindow();  // made on first use

  std::string exeDirectory_;
  Win32Registry api_;
  AdapterRegistry registry_{api_};
  Win32ProfileStore profiles_;
  Win32MessageService messages_;
  SettingsKeeper settings_;
  int dpi_;
  std::unique_ptr<MainWindow> mainWindow_;
  std::unique_ptr<NoticeWindow> noticeWindow_;
};

}  // namespace wendral::win32
