// What a screen reader gets from a button window under Wine: the object WM_GETOBJECT hands
// to AccessibleObjectFromWindow, the WinEvents a state change raises, and the font and
// picture sizes after a DPI message.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <cmath>

#include "support/form_fixture.h"
#include "win32/button_dpi.h"
#include "win32/gdi_picture.h"
#include "win32/gdi_surface.h"
#include "win32/twips.h"

namespace quillet::win32::test {
namespace {

struct WinEvent {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
};
std::vector<WinEvent> recorded;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  recorded.push_back({event, window, object, child});
}

// The events of the client area of `window`.
std::vector<DWORD> ClientEvents(HWND window) {
  std::vector<DWORD> events;
  for (const WinEvent& e : recorded) {
    if (e.window == window && e.object == OBJID_CLIENT && e.child == CHILDID_SELF) events.push_back(e.event);
  }
  return events;
}

VARIANT Self() {
  VARIANT v{};
  v.vt = VT_I4;
  v.lVal = CHILDID_SELF;
  return v;
}

std::wstring Take(BSTR text) {
  std::wstring s = text ? text : L"";
  SysFreeString(text);
  return s;
}

class ButtonAccessibleTest : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    form_ = std::make_unique<TestForm>(std::vector<std::u16string>{u"&Alpha", u"Beta"});
    SetFocus(form_->hwnd());
    PumpFor(50);
    hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, &Record, GetCurrentProcessId(),
                            0, WINEVENT_OUTOFCONTEXT);
    recorded.clear();
  }
  void TearDown() override {
    if (hook_) UnhookWinEvent(hook_);
    MouseLeft(false);
    MoveMouseTo(POINT{900, 700});
    form_.reset();
    CoUninitialize();
  }
  // A new object each time, as a screen reader asks after an event.
  IAccessible* Object(int i) {
    IAccessible* object = nullptr;
    EXPECT_EQ(AccessibleObjectFromWindow(form_->ButtonHandle(i), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&object)), S_OK);
    return object;
  }
  LONG Read(int i, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    IAccessible* object = Object(i);
    VARIANT v{};
    EXPECT_EQ((object->*get)(Self(), &v), S_OK);
    object->Release();
    return v.vt == VT_I4 ? v.lVal : -1;
  }
  std::wstring Text(int i, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    IAccessible* object = Object(i);
    BSTR text = nullptr;
    (object->*get)(Self(), &text);
    object->Release();
    return Take(text);
  }
  void Press(int i, bool down) {
    MoveMouseTo(form_->Centre(i));
    MouseLeft(down);
    PumpUntil([&] { return (form_->Control(i).DrawState() == DrawState::Pressed) == down; });
  }
  std::unique_ptr<TestForm> form_;
  HWINEVENTHOOK hook_ = nullptr;
};

constexpr LONG kFocusable = STATE_SYSTEM_FOCUSABLE;

TEST_F(ButtonAccessibleTest, RoleStateAndDefaultActionOfEachLookAndTheEventItRaises) {
  struct Row {
    const char* look;
    std::function<void(ButtonAccessibleTest&)> apply;
    LONG role, state;
    const wchar_t* action;
    std::vector<DWORD> events;
  };
  const std::vector<Row> rows = {
      {"plain", [](auto&) {}, ROLE_SYSTEM_PUSHBUTTON, kFocusable, L"Press", {}},
      {"focused", [](auto& t) { SetFocus(t.form_->ButtonHandle(0)); },
       ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_FOCUSED, L"Press", {EVENT_OBJECT_FOCUS}},
      {"pressed", [](auto& t) { t.Press(0, true); }, ROLE_SYSTEM_PUSHBUTTON,
       kFocusable | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_PRESSED, L"Press", {EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE}},
      {"unavailable", [](auto& t) { t.form_->Button(0)->SetEnabled(false); }, ROLE_SYSTEM_PUSHBUTTON,
       STATE_SYSTEM_UNAVAILABLE, L"Press", {EVENT_OBJECT_STATECHANGE}},
      {"default", [](auto& t) { t.form_->Button(0)->ChangeAmbient("DisplayAsDefault", true); },
       ROLE_SYSTEM_PUSHBUTTON, kFocusable | STATE_SYSTEM_DEFAULT, L"Press", {EVENT_OBJECT_STATECHANGE}},
      {"check box", [](auto& t) { t.form_->Control(0).CheckBoxMode(true); }, ROLE_SYSTEM_CHECKBUTTON, kFocusable,
       L"Check", {}},
      {"checked", [](auto& t) { t.form_->Control(0).CheckBoxMode(true); t.form_->Control(0).Value(true); },
       ROLE_SYSTEM_CHECKBUTTON, kFocusable | STATE_SYSTEM_CHECKED, L"Uncheck", {EVENT_OBJECT_STATECHANGE}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.look);
    recorded.clear();
    row.apply(*this);
    PumpFor(100);
    EXPECT_EQ(Read(0, &IAccessible::get_accRole), row.role);
    EXPECT_EQ(Read(0, &IAccessible::get_accState), row.state);
    EXPECT_EQ(Text(0, &IAccessible::get_accDefaultAction), row.action);
    EXPECT_EQ(ClientEvents(form_->ButtonHandle(0)), row.events);
    Press(0, false);
    TearDown();
    SetUp();
  }
  // Every look reports the press it draws.
  for (int style = 0; style < 16; ++style) {
    form_->Control(1).ButtonStyle(static_cast<ButtonStyle>(style));
    Press(1, true);
    EXPECT_TRUE(Read(1, &IAccessible::get_accState) & STATE_SYSTEM_PRESSED) << "style " << style;
    Press(1, false);
    EXPECT_FALSE(Read(1, &IAccessible::get_accState) & STATE_SYSTEM_PRESSED) << "style " << style;
  }
}

TEST_F(ButtonAccessibleTest, NameIsTheCaptionWithoutTheMarkerAndTheShortcutItsKey) {
  struct Row {
    const char16_t* caption;
    const wchar_t* name;
    const wchar_t* shortcut;
  };
  for (const Row& row : {Row{u"&Alpha", L"Alpha", L"Alt+A"}, Row{u"\u786e\u8ba4\u4fee\u6539(&q)", L"\u786e\u8ba4\u4fee\u6539(q)", L"Alt+Q"},
                         Row{u"Save && E&xit", L"Save & Exit", L"Alt+X"}, Row{u"No key", L"No key", L""}}) {
    SCOPED_TRACE(std::wstring(row.name));
    recorded.clear();
    form_->Button(1)->SetCaption(row.caption);
    PumpFor(50);
    EXPECT_EQ(Text(1, &IAccessible::get_accName), row.name);
    EXPECT_EQ(Text(1, &IAccessible::get_accKeyboardShortcut), row.shortcut);
    EXPECT_EQ(ClientEvents(form_->ButtonHandle(1)), std::vector<DWORD>{EVENT_OBJECT_NAMECHANGE});
  }
}

TEST_F(ButtonAccessibleTest, DefaultActionClicksAndAnObjectOutlivingItsWindowFails) {
  IAccessible* object = Object(0);
  ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
  EXPECT_TRUE(PumpUntil([&] { return form_->commands == std::vector<int>{kFirstId}; }));
  form_->Control(0).CheckBoxMode(true);
  ASSERT_EQ(object->accDoDefaultAction(Self()), S_OK);
  EXPECT_TRUE(PumpUntil([&] { return form_->Control(0).Value(); }));
  form_->Button(0)->SetEnabled(false);
  EXPECT_EQ(object->accDoDefaultAction(Self()), E_FAIL);
  PumpFor(100);
  EXPECT_EQ(form_->commands.size(), 2u);
  EXPECT_TRUE(form_->Control(0).Value());
  form_.reset();
  VARIANT role{};
  EXPECT_EQ(object->get_accRole(Self(), &role), RPC_E_DISCONNECTED);
  object->Release();
}

// The font selected into the button's drawing and the picture's pixels on the screen.
LONG FontHeight(ButtonWindow* b) {
  LOGFONTW lf{};
  GetObjectW(GetCurrentObject(dynamic_cast<GdiSurface&>(b->DrawingSurface()).dc(), OBJ_FONT), sizeof lf, &lf);
  return lf.lfHeight;
}

int PixelsOf(HWND window, COLORREF colour) {
  RECT r{};
  GetClientRect(window, &r);
  HDC dc = GetDC(window);
  int count = 0;
  for (int y = 0; y < r.bottom; ++y) {
    for (int x = 0; x < r.right; ++x) count += GetPixel(dc, x, y) == colour;
  }
  ReleaseDC(window, dc);
  return count;
}

TEST(ButtonDpi, FontAndPictureScaleByTheDpiTheMessageGives) {
  using AwarenessFn = HANDLE(WINAPI*)(HANDLE);
  const auto set_awareness = reinterpret_cast<AwarenessFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  ASSERT_NE(set_awareness, nullptr);
  for (const bool per_monitor : {false, true}) {
    SCOPED_TRACE(per_monitor ? "per-monitor aware" : "unaware");
    // DPI_AWARENESS_CONTEXT_UNAWARE, or PER_MONITOR_AWARE_V2 and else V1 (Wine 8 lacks V2).
    HANDLE before = set_awareness(reinterpret_cast<HANDLE>(per_monitor ? -4 : -1));
    if (!before && per_monitor) before = set_awareness(reinterpret_cast<HANDLE>(-3));
    ASSERT_NE(before, nullptr);
    TestForm form({u"Pic"});
    ButtonWindow* b = form.Button(0);
    const HWND window = form.ButtonHandle(0);
    SetWindowPos(window, nullptr, 0, 0, 200, 60, SWP_NOMOVE | SWP_NOZORDER);
    constexpr COLORREF kInk = RGB(255, 0, 255);
    PictureImage image{16, 16, std::vector<std::uint32_t>(256, 0x00FF00FF), std::vector<std::uint8_t>(256, 0)};
    form.Control(0).Picture(GdiPicture::FromImage(PictureType::Icon, image));
    form.Control(0).PictureSize(PictureSize::Picture16);
    PumpFor(100);
    const LONG height = FontHeight(b);
    ASSERT_LT(height, 0);
    EXPECT_EQ(PixelsOf(window, kInk), 16 * 16);
    const int system_dpi = CurrentScreenDpi().y;
    for (const int dpi : {120, 144, 192}) {
      SCOPED_TRACE(dpi);
      SendMessageW(window, kWmDpiChanged, MAKEWPARAM(dpi, dpi), 0);
      PumpFor(100);
      const int side = static_cast<int>(std::lround(16.0 * dpi / system_dpi));
      EXPECT_EQ(FontHeight(b), std::lround(static_cast<double>(height) * dpi / system_dpi));
      EXPECT_EQ(form.Control(0).PictureDrawWidth(), side);
      EXPECT_EQ(PixelsOf(window, kInk), side * side);
    }
    // A child's own notice asks the system, which answers only for a per-monitor aware window.
    SendMessageW(window, kWmDpiChangedAfterParent, 0, 0);
    PumpFor(100);
    const UINT monitor = MonitorDpiOf(window);
    EXPECT_EQ(monitor != 0, per_monitor);
    const int now = per_monitor ? static_cast<int>(monitor) : 192;
    EXPECT_EQ(FontHeight(b), std::lround(static_cast<double>(height) * now / system_dpi));
    set_awareness(before);
  }
}

}  // namespace
}  // namespace quillet::win32::test
