#include "program.h"

#include "main_window.h"
#include "notice_window.h"
#include "form_fonts.h"
#include "win32/settings_probe.h"

namespace wendral::win32 {

Program::Program(const std::string& exeDirectory)
    : exeDirectory_(exeDirectory), settings_(profiles_, SettingsPath(exeDirectory), messages_), dpi_(ScreenDpi()) {}

Program::~Program() = default;

bool Program::SettingsFileFound() { return NormalFileExists(SettingsProbePath(exeDirectory_)); }

MainWindow& Program::MadeMainWindow() {
  if (!mainWindow_) mainWindow_ = std::make_unique<MainWindow>(*this);
  return *mainWindow_;
}

void Program::ShowMainWindow(const SettingsValues& loaded) {
  MainWindow& form = MadeMainWindow();
  FillValues(form, loaded);
  form.Show();
}

void Program::ShowInitialMainWindow() { MadeMainWindow().Show(); }

void Program::ShowNoticeWindow() {
  if (!noticeWindow_) noticeWindow_ = std::make_unique<NoticeWindow>(*this);
  noticeWindow_->Show();
}

RunKind Program::Run() { return StartUp(*this, settings_, registry_, messages_); }

}  // namespace wendral::win32
