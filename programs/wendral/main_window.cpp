#include "main_window.h"

#include <stdexcept>

#include "app/feedback.h"
#include "app/form_layout.h"
#include "app/user_texts.h"
#include "desktop_shell.h"
#include "form_fonts.h"
#include "win32/system_libraries.h"
#include "program.h"
#include "quillet_slot.h"
#include "resource_ids.h"
#include "win32/wide_text.h"

namespace wendral::win32 {
namespace {

constexpr wchar_t kClassName[] = L"WendralForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// A themed group box draws its caption in the theme's colour and ignores WM_CTLCOLORSTATIC;
// the credit frame keeps the classic look so its caption stays in the 3-D dark shadow colour.
// uxtheme is looked up at run time, from the system folder: Windows before XP has none.
void DrawWithoutVisualStyle(HWND control) {
  HMODULE uxtheme = LoadSystemLibrary(L"uxtheme.dll");
  if (!uxtheme) return;
  using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  const auto setWindowTheme =
      reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")));
  // A blank (not empty) name matches no theme class; an empty one would not be stored.
  if (setWindowTheme) setWindowTheme(control, L" ", L" ");
  // uxtheme stays loaded: the control keeps referring to it.
}

// A classic group box paints only its edge and caption, and the main window clips its
// children, so the frame fills its own inside with the window's face colour.
// Every BUTTON window has the same class procedure, so one saved copy serves any frame.
WNDPROC buttonClassProc = nullptr;

LRESULT CALLBACK FrameProc(HWND frame, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(frame, &client);
    FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return CallWindowProcW(buttonClassProc, frame, msg, wparam, lparam);
}

void FillOwnBackground(HWND control) {
  buttonClassProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc));
}

}  // namespace

void MainWindow::RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &MainWindow::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_WENDRAL), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_WENDRAL), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  registered = RegisterClassExW(&wc) != 0;
}

MainWindow::MainWindow(Program& program)
    : program_(program),
      logic_(program.registry(), program.settings(), program.messages(), *this),
      banner_(IDR_BANNER),
      windows7Slot_(texts::kInitialSlot),
      windowsXpSlot_(texts::kInitialSlot),
      labelColor_(layout::kLabelIdleColor) {
  RegisterClassOnce();
  hwnd_ = CreateWindowExW(0, kClassName, Widen(texts::kMainCaption).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100,
                          100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("main window");
  PlaceCentred(hwnd_, layout::kMainWindowClientWidth, layout::kMainWindowClientHeight, program_.dpi());
  formFont_ = CreateSongFont(layout::kFormFontCentipoints, program_.dpi());
  networkNameFont_ = CreateSongFont(layout::kNetworkNameFontCentipoints, program_.dpi());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
  CreateControls();
}

MainWindow::~MainWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (formFont_) DeleteObject(formFont_);
  if (networkNameFont_) DeleteObject(networkNameFont_);
}

void MainWindow::CreateControls() {
  const int dpi = program_.dpi();
  // Created in tab order, which is also the order TAB follows.
  networkNameEdit_ = CreateChild(hwnd_, L"EDIT", Widen(texts::kInitialNetworkName).c_str(),
                                 WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, IDC_NETWORK_NAME,
                                 layout::kNetworkName, dpi, networkNameFont_);
  button_ = CreateQuilletSlot(hwnd_, IDC_APPLY_BUTTON, layout::kApplyButton, texts::kApplyCaption, dpi);
  HWND frame = CreateChild(hwnd_, L"BUTTON", Widen(texts::kCredit).c_str(), BS_GROUPBOX | WS_GROUP, 0, IDC_MODE_FRAME,
                           layout::kModeFrame, dpi, formFont_);
  DrawWithoutVisualStyle(frame);
  FillOwnBackground(frame);
  options_[0] = CreateChild(hwnd_, L"BUTTON", Widen(texts::kWindows7).c_str(), BS_AUTORADIOBUTTON | WS_GROUP, 0,
                            IDC_WINDOWS7_OPTION, layout::kWindows7Option, dpi, formFont_);
  options_[1] = CreateChild(hwnd_, L"BUTTON", Widen(texts::kWindowsXp).c_str(), BS_AUTORADIOBUTTON, 0,
                            IDC_WINDOWSXP_OPTION, layout::kWindowsXpOption, dpi, formFont_);
  options_[2] = CreateChild(hwnd_, L"BUTTON", Widen(texts::kCafeMode).c_str(), BS_AUTORADIOBUTTON, 0, IDC_CAFE_OPTION,
                            layout::kCafeOption, dpi, formFont_);
  if (!networkNameEdit_ || !button_ || !options_[0] || !options_[1] || !options_[2]) {
    throw std::runtime_error("main window controls");
  }
  SendMessageW(options_[2], BM_SETCHECK, BST_CHECKED, 0);
  KeepTabStopOnSelectedMode();
}

void MainWindow::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  SetFocus(networkNameEdit_);
}

std::string MainWindow::NetworkName() const {
  const int length = GetWindowTextLengthW(networkNameEdit_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(networkNameEdit_, text.data(), length + 1)));
  return Narrow(text);
}

void MainWindow::SetNetworkName(const std::string& text) { SetWindowTextW(networkNameEdit_, Widen(text).c_str()); }

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* form = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wparam, lparam);
  return form->HandleMessage(msg, wparam, lparam);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wparam), HIWORD(wparam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))); return 0;
    case WM_LBUTTONDOWN:
      pressed_ = HitTest(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
    case WM_LBUTTONUP: {
      const Target released = HitTest(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      if (released != Target::None && released == pressed_) OpenFeedbackPage();
      pressed_ = Target::None;
      return 0;
    }
    case WM_PAINT: OnPaint(); return 0;
    case WM_CTLCOLORSTATIC: {
      // Option buttons and the frame sit on the window's face colour; the frame's caption
      // is drawn in the 3-D dark shadow colour.
      HDC dc = reinterpret_cast<HDC>(wparam);
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lparam)) == IDC_MODE_FRAME) {
        SetTextColor(dc, GetSysColor(static_cast<int>(layout::kFrameTextColor & 0xFF)));
      }
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      // The window itself would take the focus back on activation; the control that had it
      // before a message box or another window came in front gets it again instead.
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focusBeforeDeactivation_ = focus;
        return 0;
      }
      if (!HIWORD(wparam)) {
        HWND focus = focusBeforeDeactivation_ && IsChild(hwnd_, focusBeforeDeactivation_) ? focusBeforeDeactivation_
                                                                                          : networkNameEdit_;
        SetFocus(focus);
        return 0;
      }
      break;
    case WM_CLOSE:
      logic_.OnClosing();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, wparam, lparam);
}

void MainWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_WINDOWS7_OPTION:
      KeepTabStopOnSelectedMode();
      logic_.OnWindows7Chosen();
      break;
    case IDC_WINDOWSXP_OPTION:
      KeepTabStopOnSelectedMode();
      logic_.OnWindowsXpChosen();
      break;
    case IDC_CAFE_OPTION: KeepTabStopOnSelectedMode(); break;
    case IDC_APPLY_BUTTON: logic_.OnApplyClicked(Selected()); break;
  }
}

std::optional<ApplyMode> MainWindow::Selected() const {
  constexpr ApplyMode kOptions[] = {ApplyMode::Windows7, ApplyMode::WindowsXp, ApplyMode::Cafe};
  for (int i = 0; i < 3; ++i) {
    if (SendMessageW(options_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return kOptions[i];
  }
  return std::nullopt;
}

// TAB enters the option group at the selected option, the arrow keys move within it.
void MainWindow::KeepTabStopOnSelectedMode() {
  for (HWND option : options_) {
    const LONG style = GetWindowLongW(option, GWL_STYLE);
    const bool checked = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SetWindowLongW(option, GWL_STYLE, checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

MainWindow::Target MainWindow::HitTest(int x, int y) const {
  const int dpi = program_.dpi();
  if (ToPixels(layout::kFeedbackLink, dpi).Contains(x, y)) return Target::FeedbackLink;
  if (ToPixels(layout::kBanner, dpi).Contains(x, y)) return Target::Banner;
  return Target::None;
}

// Only the bare window (and the frame, which lets the pointer through) turns the label blue
// again; the picture and the other controls leave it as it is.
void MainWindow::OnMouseMove(int x, int y) {
  switch (HitTest(x, y)) {
    case Target::FeedbackLink: SetLabelColor(layout::kLabelHoverColor); break;
    case Target::Banner: break;
    case Target::None: SetLabelColor(layout::kLabelIdleColor); break;
  }
}

void MainWindow::SetLabelColor(COLORREF color) {
  if (color == labelColor_) return;
  labelColor_ = color;
  const RECT box = ToRect(ToPixels(layout::kFeedbackLink, program_.dpi()));
  InvalidateRect(hwnd_, &box, TRUE);
}

void MainWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const int dpi = program_.dpi();
  banner_.Draw(dc, ToRect(ToPixels(layout::kBanner, dpi)));
  RECT label = ToRect(ToPixels(layout::kFeedbackLink, dpi));
  HGDIOBJ oldFont = SelectObject(dc, formFont_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, labelColor_);
  const std::wstring text = Widen(texts::kFeedbackLabel);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  EndPaint(hwnd_, &ps);
}

// Opened as the desktop's user, not with the rights this program runs with.
void MainWindow::OpenFeedbackPage() { OpenPageAsDesktopUser(hwnd_, Widen(kFeedbackPageAddress).c_str()); }

}  // namespace wendral::win32
