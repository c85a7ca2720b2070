#include "form1.h"

#include <stdexcept>

#include "app/feedback.h"
#include "app/form_layout.h"
#include "app/user_texts.h"
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
// uxtheme is looked up at run time: Windows before XP has none.
void DrawWithoutVisualStyle(HWND control) {
  HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
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

void Form1::RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Form1::WindowProc;
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

Form1::Form1(Program& program)
    : program_(program),
      logic_(program.registry(), program.settings(), program.messages(), *this),
      banner_(IDR_BANNER),
      option1Tag_(texts::kInitialSlot),
      option2Tag_(texts::kInitialSlot),
      labelColor_(layout::kLabelIdleColor) {
  RegisterClassOnce();
  hwnd_ = CreateWindowExW(0, kClassName, Widen(texts::kMainCaption).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("main window");
  PlaceCentred(hwnd_, layout::kForm1ClientWidth, layout::kForm1ClientHeight, program_.dpi());
  formFont_ = CreateSongFont(layout::kFormFontCentipoints, program_.dpi());
  text1Font_ = CreateSongFont(layout::kText1FontCentipoints, program_.dpi());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
  CreateControls();
}

Form1::~Form1() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (formFont_) DeleteObject(formFont_);
  if (text1Font_) DeleteObject(text1Font_);
}

void Form1::CreateControls() {
  const int dpi = program_.dpi();
  // Created in tab order, which is also the order TAB follows.
  text1_ = CreateChild(hwnd_, L"EDIT", Widen(texts::kInitialNetworkName).c_str(),
                       WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, IDC_TEXT1,
                       layout::kText1, dpi, text1Font_);
  button_ = CreateQuilletSlot(hwnd_, IDC_QUILLETBUTTON1, layout::kQuilletButton1, texts::kApplyCaption,
                              dpi);
  HWND frame = CreateChild(hwnd_, L"BUTTON", Widen(texts::kCredit).c_str(), BS_GROUPBOX | WS_GROUP, 0,
                           IDC_FRAME1, layout::kFrame1, dpi, formFont_);
  DrawWithoutVisualStyle(frame);
  FillOwnBackground(frame);
  options_[0] = CreateChild(hwnd_, L"BUTTON", Widen(texts::kWindows7).c_str(), BS_AUTORADIOBUTTON | WS_GROUP,
                            0, IDC_OPTION1, layout::kOption1, dpi, formFont_);
  options_[1] = CreateChild(hwnd_, L"BUTTON", Widen(texts::kWindowsXp).c_str(), BS_AUTORADIOBUTTON, 0,
                            IDC_OPTION2, layout::kOption2, dpi, formFont_);
  options_[2] = CreateChild(hwnd_, L"BUTTON", Widen(texts::kCafeMode).c_str(), BS_AUTORADIOBUTTON, 0,
                            IDC_OPTION3, layout::kOption3, dpi, formFont_);
  if (!text1_ || !button_ || !options_[0] || !options_[1] || !options_[2]) {
    throw std::runtime_error("main window controls");
  }
  SendMessageW(options_[2], BM_SETCHECK, BST_CHECKED, 0);
  KeepTabStopOnSelectedOption();
}

void Form1::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  SetFocus(text1_);
}

std::string Form1::Text1() const {
  const int length = GetWindowTextLengthW(text1_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(text1_, text.data(), length + 1)));
  return Narrow(text);
}

void Form1::SetText1(const std::string& text) { SetWindowTextW(text1_, Widen(text).c_str()); }

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wparam, lparam);
  return form->HandleMessage(msg, wparam, lparam);
}

LRESULT Form1::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = HitTest(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      return 0;
    case WM_LBUTTONUP: {
      const Target released = HitTest(static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam)));
      if (released != Target::None && released == pressed_) OpenFeedbackPage();
      pressed_ = Target::None;
      return 0;
    }
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_CTLCOLORSTATIC: {
      // Option buttons and the frame sit on the window's face colour; the frame's caption
      // is drawn in the 3-D dark shadow colour.
      HDC dc = reinterpret_cast<HDC>(wparam);
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lparam)) == IDC_FRAME1) {
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
                                                                                           : text1_;
        SetFocus(focus);
        return 0;
      }
      break;
    case WM_CLOSE:
      logic_.Form_Unload();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, wparam, lparam);
}

void Form1::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_OPTION1:
      KeepTabStopOnSelectedOption();
      logic_.Option1_Click();
      break;
    case IDC_OPTION2:
      KeepTabStopOnSelectedOption();
      logic_.Option2_Click();
      break;
    case IDC_OPTION3:
      KeepTabStopOnSelectedOption();
      break;
    case IDC_QUILLETBUTTON1:
      logic_.QuilletButton1_Click(Selected());
      break;
  }
}

SelectedOption Form1::Selected() const {
  constexpr SelectedOption kOptions[] = {SelectedOption::Option1, SelectedOption::Option2,
                                         SelectedOption::Option3};
  for (int i = 0; i < 3; ++i) {
    if (SendMessageW(options_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return kOptions[i];
  }
  return SelectedOption::None;
}

// TAB enters the option group at the selected option, the arrow keys move within it.
void Form1::KeepTabStopOnSelectedOption() {
  for (HWND option : options_) {
    const LONG style = GetWindowLongW(option, GWL_STYLE);
    const bool checked = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SetWindowLongW(option, GWL_STYLE, checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

Form1::Target Form1::HitTest(int x, int y) const {
  const int dpi = program_.dpi();
  if (ToPixels(layout::kLabel1, dpi).Contains(x, y)) return Target::Label1;
  if (ToPixels(layout::kImage1, dpi).Contains(x, y)) return Target::Image1;
  return Target::None;
}

// Only the bare window (and the frame, which lets the pointer through) turns the label blue
// again; the picture and the other controls leave it as it is.
void Form1::OnMouseMove(int x, int y) {
  switch (HitTest(x, y)) {
    case Target::Label1:
      SetLabelColor(layout::kLabelHoverColor);
      break;
    case Target::Image1:
      break;
    case Target::None:
      SetLabelColor(layout::kLabelIdleColor);
      break;
  }
}

void Form1::SetLabelColor(COLORREF color) {
  if (color == labelColor_) return;
  labelColor_ = color;
  const RECT box = ToRect(ToPixels(layout::kLabel1, program_.dpi()));
  InvalidateRect(hwnd_, &box, TRUE);
}

void Form1::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const int dpi = program_.dpi();
  banner_.Draw(dc, ToRect(ToPixels(layout::kImage1, dpi)));
  RECT label = ToRect(ToPixels(layout::kLabel1, dpi));
  HGDIOBJ oldFont = SelectObject(dc, formFont_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, labelColor_);
  const std::wstring text = Widen(texts::kFeedbackLabel);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  EndPaint(hwnd_, &ps);
}

// shell32 comes in with the first click on the link: the window does not need it to show.
void Form1::OpenFeedbackPage() {
  using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static const auto shellExecute = [] {
    HMODULE shell32 = LoadSystemLibrary(L"shell32.dll");
    return reinterpret_cast<ShellExecuteAFn>(
        reinterpret_cast<void*>(shell32 ? GetProcAddress(shell32, "ShellExecuteA") : nullptr));
  }();
  if (shellExecute) shellExecute(hwnd_, "open", kFeedbackPageAddress, "", "", SW_SHOWNORMAL);
}

}  // namespace wendral::win32
