#pragma once
// The main window: the network name, the three modes, the apply button and the feedback
// link. Events go to Form1Logic; the window keeps only what it shows.
#include <windows.h>

#include <string>

#include "app/main_window_logic.h"
#include "app/main_window_values.h"
#include "banner_picture.h"

namespace wendral::win32 {

class Program;

class Form1 final : public MainWindowValues {
 public:
  explicit Form1(Program& program);  // throws when the window cannot be made
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  void Show();
  HWND hwnd() const { return hwnd_; }

  // MainWindowValues.
  std::string Text1() const override;
  void SetText1(const std::string& text) override;
  std::string Option1Tag() const override { return option1Tag_; }
  void SetOption1Tag(const std::string& tag) override { option1Tag_ = tag; }
  std::string Option2Tag() const override { return option2Tag_; }
  void SetOption2Tag(const std::string& tag) override { option2Tag_ = tag; }

 private:
  enum class Target { None, Label1, Image1 };

  static void RegisterClassOnce();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  void CreateControls();
  void OnCommand(int id, int code);
  void OnMouseMove(int x, int y);
  void OnPaint();
  Target HitTest(int x, int y) const;
  void SetLabelColor(COLORREF color);
  SelectedOption Selected() const;
  void KeepTabStopOnSelectedOption();
  void OpenFeedbackPage();

  Program& program_;
  Form1Logic logic_;
  HWND hwnd_ = nullptr;
  HWND text1_ = nullptr;
  HWND button_ = nullptr;
  HWND options_[3] = {};
  HWND focusBeforeDeactivation_ = nullptr;
  HFONT formFont_ = nullptr;
  HFONT text1Font_ = nullptr;
  BannerPicture banner_;
  std::string option1Tag_;
  std::string option2Tag_;
  COLORREF labelColor_;
  Target pressed_ = Target::None;
};

}  // namespace wendral::win32
