#pragma once
// The main window: the network name, the three modes, the apply button and the feedback
// link. Events go to MainWindowLogic; the window keeps only what it shows.
#include <windows.h>

#include <optional>
#include <string>

#include "app/main_window_logic.h"
#include "app/main_window_values.h"
#include "banner_picture.h"

namespace wendral::win32 {

class Program;

class MainWindow final : public MainWindowValues {
 public:
  explicit MainWindow(Program& program);  // throws when the window cannot be made
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  void Show();
  HWND hwnd() const { return hwnd_; }

  // MainWindowValues.
  std::string NetworkName() const override;
  void SetNetworkName(const std::string& text) override;
  std::string Windows7Slot() const override { return windows7Slot_; }
  void SetWindows7Slot(const std::string& tag) override { windows7Slot_ = tag; }
  std::string WindowsXpSlot() const override { return windowsXpSlot_; }
  void SetWindowsXpSlot(const std::string& tag) override { windowsXpSlot_ = tag; }

 private:
  enum class Target { None, FeedbackLink, Banner };

  static void RegisterClassOnce();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void CreateControls();
  void OnCommand(int id, int code);
  void OnMouseMove(int x, int y);
  void OnPaint();
  Target HitTest(int x, int y) const;
  void SetLabelColor(COLORREF color);
  std::optional<ApplyMode> Selected() const;
  void KeepTabStopOnSelectedMode();
  void OpenFeedbackPage();

  Program& program_;
  MainWindowLogic logic_;
  HWND hwnd_ = nullptr;
  HWND networkNameEdit_ = nullptr;
  HWND button_ = nullptr;
  HWND options_[3] = {};
  HWND focusBeforeDeactivation_ = nullptr;
  HFONT formFont_ = nullptr;
  HFONT networkNameFont_ = nullptr;
  BannerPicture banner_;
  std::string windows7Slot_;
  std::string windowsXpSlot_;
  COLORREF labelColor_;
  Target pressed_ = Target::None;
};

}  // namespace wendral::win32
