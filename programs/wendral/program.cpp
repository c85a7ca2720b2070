#include "program.h"

#include "form1.h"
#include "form2.h"
#include "form_fonts.h"
#include "win32/settings_probe.h"

namespace wendral::win32 {

Program::Program(const std::string& exeDirectory)
    : exeDirectory_(exeDirectory),
      settings_(profiles_, SettingsPath(exeDirectory), messages_),
      dpi_(ScreenDpi()) {}

Program::~Program() = default;

bool Program::SettingsFileFound() { return NormalFileExists(SettingsProbePath(exeDirectory_)); }

Form1& Program::MainWindow() {
  if (!form1_) form1_ = std::make_unique<Form1>(*this);
  return *form1_;
}

void Program::ShowMainWindow(const SettingsValues& loaded) {
  Form1& form = MainWindow();
  FillValues(form, loaded);
  form.Show();
}

void Program::ShowInitialMainWindow() { MainWindow().Show(); }

void Program::ShowNoticeWindow() {
  if (!form2_) form2_ = std::make_unique<Form2>(*this);
  form2_->Show();
}

RunKind Program::Run() { return StartUp(*this, settings_, registry_, messages_); }

}  // namespace wendral::win32
