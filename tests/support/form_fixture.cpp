#include "support/form_fixture.h"

#include <algorithm>

#include "win32/form_messages.h"

namespace quillet::win32::test {
namespace {

TestForm* current = nullptr;


void Send(INPUT in) { SendInput(1, &in, sizeof in); }

LRESULT CALLBACK OtherProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

}  // namespace

TestForm::TestForm(std::vector<std::u16string> captions) {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &TestForm::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"HostTestForm";
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
  current = this;
  hwnd_ = CreateWindowExW(0, L"HostTestForm", L"Host test", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                          100, 100, 640, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  original_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC));
  events.resize(captions.size());
  for (std::size_t i = 0; i < captions.size(); ++i) {
    PersistedPropertySet props;
    props.Put("buttonstyle", std::int32_t{2});
    props.Put("backcolor", std::int32_t{0x00E7EBEC});
    props.Put("caption", captions[i]);
    const TwipsRect place{static_cast<std::int32_t>(300 + 1800 * i), 300, 1500, 450};
    ButtonWindow* b = CreateQuilletButton(hwnd_, kFirstId + static_cast<int>(i), place, props,
                                          {.name = QuilletButton::NameOnForm(static_cast<int>(i) + 1)});
    b->SetEventHandler([this, i](ButtonEvent e, std::span<EventArgument>) { events[i].push_back(e); });
    buttons_.push_back(b->Handle());
  }
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  Activate();
}

TestForm::~TestForm() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  PumpFor(0);
  current = nullptr;
}

POINT TestForm::Centre(int i) const {
  RECT r{};
  GetWindowRect(buttons_[i], &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void TestForm::Activate() {
  SetForegroundWindow(hwnd_);
  SetActiveWindow(hwnd_);
  PumpUntil([this] { return GetActiveWindow() == hwnd_ && GetForegroundWindow() == hwnd_; });
}

LRESULT CALLBACK TestForm::Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (current && current->hwnd_ == hwnd) {
    if (current->on_message) current->on_message(msg, wparam, lparam);
    if (msg == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) current->commands.push_back(LOWORD(wparam));
  }
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

HWND OtherWindow() {
  static HWND other = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &OtherProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HostTestOther";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, L"HostTestOther", L"Other", WS_OVERLAPPED | WS_CAPTION, 100, 400, 200, 100,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    return w;
  }();
  return other;
}

void MoveMouseTo(POINT screen) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = MulDiv(screen.x, 65535, w - 1);
  in.mi.dy = MulDiv(screen.y, 65535, h - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Send(in);
}

void MouseLeft(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  Send(in);
}

void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, 0));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  Send(in);
}

void Tap(WORD vk) {
  Key(vk, true);
  Key(vk, false);
}

bool PumpUntil(const std::function<bool()>& done, int timeout_ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpPendingMessages();
    if (done()) return true;
    if (static_cast<int>(GetTickCount() - start) > timeout_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

int Count(const std::vector<ButtonEvent>& events, ButtonEvent e) {
  return static_cast<int>(std::count(events.begin(), events.end(), e));
}

}  // namespace quillet::win32::test
