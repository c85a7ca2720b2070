#include "notice_window.h"

#include <stdexcept>

#include "app/form_layout.h"
#include "app/user_texts.h"
#include "form_fonts.h"
#include "program.h"
#include "quillet_slot.h"
#include "resource_ids.h"
#include "win32/wide_text.h"

namespace wendral::win32 {
namespace {

constexpr wchar_t kClassName[] = L"WendralForm2";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr UINT_PTR kCountdownTimer = 1;

}  // namespace

void NoticeWindow::RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &NoticeWindow::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  registered = RegisterClassExW(&wc) != 0;
}

NoticeWindow::NoticeWindow(Program& program) : program_(program) {
  RegisterClassOnce();
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, Widen(texts::kNoticeCaption).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("notice window");
  const int dpi = program_.dpi();
  PlaceCentred(hwnd_, layout::kNoticeWindowClientWidth, layout::kNoticeWindowClientHeight, dpi);
  labelFont_ = CreateSongFont(layout::kNoticeLabelCentipoints, dpi);
  CreateChild(hwnd_, L"STATIC", Widen(texts::kNoticeText).c_str(), SS_CENTER | SS_NOPREFIX, 0, IDC_NOTICE_TEXT,
              layout::kNoticeText, dpi, labelFont_);
  nextButton_ = CreateQuilletSlot(hwnd_, IDC_NOTICE_NEXT, layout::kNextButton, texts::kNextStep, dpi);
  if (!nextButton_) throw std::runtime_error("notice window button");
  logic_.OnShown();
  SetTimer(hwnd_, kCountdownTimer, kCountdownIntervalMs, nullptr);
}

NoticeWindow::~NoticeWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (labelFont_) DeleteObject(labelFont_);
}

void NoticeWindow::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
}

void NoticeWindow::SetNextButtonCaption(const std::string& utf8) { SetSlotCaption(nextButton_, utf8); }
void NoticeWindow::SetNextButtonEnabled(bool enabled) { SetSlotEnabled(nextButton_, enabled); }
void NoticeWindow::StopCountdownTimer() { KillTimer(hwnd_, kCountdownTimer); }

LRESULT CALLBACK NoticeWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<NoticeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* form = reinterpret_cast<NoticeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wparam, lparam);
  return form->HandleMessage(msg, wparam, lparam);
}

LRESULT NoticeWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_TIMER:
      if (wparam == kCountdownTimer) logic_.OnCountdownTick();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDC_NOTICE_NEXT && HIWORD(wparam) == BN_CLICKED) {
        // The main window first, so the program always has a visible window.
        program_.ShowInitialMainWindow();
        ShowWindow(hwnd_, SW_HIDE);
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      // Nothing is saved: the next start is again a first run.
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd_, kCountdownTimer);
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, wparam, lparam);
}

}  // namespace wendral::win32
