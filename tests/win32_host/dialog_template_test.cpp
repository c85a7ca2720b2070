// QuilletButtons from a dialog template, run by the system's dialog manager (IsDialogMessage)
// under real input. The same template made of the system's push buttons is the oracle: the
// focus, the default button, the default frame and the commands must follow the same script
// step for step. Then check-box mode, and the buttons on the screen against the raster.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "QuilletButton.h"
#include "dialog_template_ids.h"
#include "support/form_fixture.h"
#include "render_button.h"
#include "support/wine_system_colors.h"
#include "win32/button_window.h"

namespace quillet::win32::test {
namespace {

constexpr int kButtonIds[] = {IDC_DLG_APPLY, IDC_DLG_NEXT, IDC_DLG_KEEP, IDC_DLG_OFF, IDC_DLG_SKIP};
// One look per button of the QuilletButton dialog.
constexpr int kStyles[] = {2, 7, 14, 9, 0};

struct DialogLog {
  std::vector<std::string> commands;  // "id/code"
  std::vector<UINT> notes;            // WM_NOTIFY codes
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* log = reinterpret_cast<DialogLog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      return TRUE;
    case WM_COMMAND:
      if (log && HIWORD(wparam) != EN_SETFOCUS && HIWORD(wparam) != EN_KILLFOCUS && HIWORD(wparam) != EN_UPDATE &&
          HIWORD(wparam) != EN_CHANGE && HIWORD(wparam) != BN_SETFOCUS && HIWORD(wparam) != BN_KILLFOCUS)
        log->commands.push_back(std::to_string(LOWORD(wparam)) + "/" + std::to_string(HIWORD(wparam)));
      return TRUE;
    case WM_NOTIFY:
      if (log) log->notes.push_back(reinterpret_cast<NMHDR*>(lparam)->code);
      return FALSE;
    default:
      return FALSE;
  }
}

class Dialog {
 public:
  explicit Dialog(int id) {
    EXPECT_NE(QuilletButton_Register(GetModuleHandleW(nullptr)), 0);
    hwnd_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr, &DialogProc,
                               reinterpret_cast<LPARAM>(&log));
    if (!hwnd_) return;
    SetWindowPos(hwnd_, HWND_TOP, 120, 120, 0, 0, SWP_NOSIZE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    Pump([this] { return GetForegroundWindow() == hwnd_ && GetFocus() != nullptr; });
    Pump([] { return false; }, 150);
  }
  ~Dialog() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  // The dialog's own loop: what IsDialogMessage takes is not dispatched.
  bool Pump(const std::function<bool()>& done, int timeout_ms = 3000) {
    const DWORD start = GetTickCount();
    for (;;) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(hwnd_, &msg)) {
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
        }
      }
      if (done()) return true;
      if (static_cast<int>(GetTickCount() - start) > timeout_ms) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  void Settle() { Pump([] { return false; }, 200); }

  POINT Centre(int id) const {
    RECT r{};
    GetWindowRect(Item(id), &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  // Focus, the dialog's default id, the buttons drawn as default, Keep's check, and the
  // commands since the last call.
  std::string Trace() {
    const HWND focus = GetFocus();
    std::string t = "focus " + std::to_string(focus && IsChild(hwnd_, focus) ? GetDlgCtrlID(focus) : 0);
    const LRESULT def = SendMessageW(hwnd_, DM_GETDEFID, 0, 0);
    t += " default " + std::to_string(HIWORD(def) == DC_HASDEFID ? LOWORD(def) : 0) + " framed";
    for (int id : kButtonIds)
      if ((GetWindowLongPtrW(Item(id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) t += " " + std::to_string(id);
    t += " check " + std::to_string(SendMessageW(Item(IDC_DLG_KEEP), BM_GETCHECK, 0, 0));
    t += " commands";
    for (const std::string& c : log.commands) t += " " + c;
    log.commands.clear();
    return t;
  }

  DialogLog log;
  bool quillet = false;  // a dialog of QuilletButtons

 private:
  HWND hwnd_ = nullptr;
};

void AltKey(WORD vk) {
  Key(VK_MENU, true);
  Tap(vk);
  Key(VK_MENU, false);
}

void ClickAt(POINT p) {
  MoveMouseTo(p);
  MouseLeft(true);
  MouseLeft(false);
}

struct Step {
  const char* what;
  std::function<void(Dialog&)> act;
};

// The script both dialogs go through.
const std::vector<Step>& Script() {
  static const std::vector<Step> steps = {
      {"opened", [](Dialog&) {}},
      {"tab", [](Dialog&) { Tap(VK_TAB); }},
      {"tab", [](Dialog&) { Tap(VK_TAB); }},
      {"tab into the edit box", [](Dialog&) { Tap(VK_TAB); }},
      {"enter in the edit box", [](Dialog&) { Tap(VK_RETURN); }},
      {"tab past the disabled and the non-tab-stop button", [](Dialog&) { Tap(VK_TAB); }},
      {"shift+tab", [](Dialog&) { Key(VK_SHIFT, true); Tap(VK_TAB); Key(VK_SHIFT, false); }},
      {"shift+tab", [](Dialog&) { Key(VK_SHIFT, true); Tap(VK_TAB); Key(VK_SHIFT, false); }},
      {"enter on a focused button", [](Dialog&) { Tap(VK_RETURN); }},
      {"space on a focused button", [](Dialog&) { Tap(VK_SPACE); }},
      {"alt+n", [](Dialog&) { AltKey('N'); }},
      {"k alone", [](Dialog&) { Tap('K'); }},
      {"alt+o: disabled", [](Dialog&) { AltKey('O'); }},
      {"alt+s: not a tab stop", [](Dialog&) { AltKey('S'); }},
      {"mouse click", [](Dialog& d) { ClickAt(d.Centre(IDC_DLG_NEXT)); }},
      {"DM_SETDEFID, focus to the edit box", [](Dialog& d) {
         SendMessageW(d.hwnd(), DM_SETDEFID, IDC_DLG_KEEP, 0);
         SendMessageW(d.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.Item(IDC_DLG_EDIT)), TRUE);
       }},
      {"enter presses the new default", [](Dialog&) { Tap(VK_RETURN); }},
      {"escape", [](Dialog&) { Tap(VK_ESCAPE); }},
      {"DM_SETDEFID back to apply", [](Dialog& d) { SendMessageW(d.hwnd(), DM_SETDEFID, IDC_DLG_APPLY, 0); }},
      {"keep becomes a check box", [](Dialog& d) {
         if (d.quillet) {
           QuilletButton_SetCheckBoxMode(d.Item(IDC_DLG_KEEP), TRUE);
         } else {
           SendMessageW(d.Item(IDC_DLG_KEEP), BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
         }
       }},
      {"mouse click on the check box", [](Dialog& d) { ClickAt(d.Centre(IDC_DLG_KEEP)); }},
      {"space on the check box", [](Dialog&) { Tap(VK_SPACE); }},
      {"enter presses the default, not the check box", [](Dialog&) { Tap(VK_RETURN); }},
      {"up arrow", [](Dialog&) { Tap(VK_UP); }},
      {"left arrow", [](Dialog&) { Tap(VK_LEFT); }},
      {"right arrow", [](Dialog&) { Tap(VK_RIGHT); }},
      {"shift+down", [](Dialog&) { Key(VK_SHIFT, true); Tap(VK_DOWN); Key(VK_SHIFT, false); }},
      {"alt+up: nothing", [](Dialog&) { AltKey(VK_UP); }},
      {"space on the check box again", [](Dialog&) { Tap(VK_SPACE); }},
  };
  return steps;
}

std::vector<std::string> RunScript(int dialog_id, bool quillet) {
  // The pointer away before the dialog opens where the last one was.
  MoveMouseTo(POINT{900, 700});
  PumpFor(200);
  Dialog d(dialog_id);
  d.quillet = quillet;
  EXPECT_NE(d.hwnd(), nullptr);
  if (!d.hwnd()) return {};
  // Each QuilletButton in a look of its own: none may change what the dialog manager does.
  if (quillet) {
    for (std::size_t i = 0; i < std::size(kButtonIds); ++i) QuilletButton_SetStyle(d.Item(kButtonIds[i]), kStyles[i]);
  }
  MoveMouseTo(POINT{900, 700});
  std::vector<std::string> trace;
  for (const Step& step : Script()) {
    step.act(d);
    d.Settle();
    trace.push_back(std::string(step.what) + ": " + d.Trace());
    if (!quillet) continue;
    // The frame the control draws follows the style bit the dialog manager sets.
    for (int id : kButtonIds) {
      ButtonWindow* b = ButtonWindow::FromWindow(d.Item(id));
      EXPECT_NE(b, nullptr);
      if (b) {
        EXPECT_EQ(b->Control()->DisplayAsDefault(), b->IsDefaultButton()) << step.what << " button " << id;
      }
    }
  }
  MouseLeft(false);
  MoveMouseTo(POINT{900, 700});
  return trace;
}

TEST(DialogTemplate, TheDialogManagerDrivesQuilletButtonsAsItDrivesItsOwnPushButtons) {
  const std::vector<std::string> system = RunScript(IDD_SYSTEM_DIALOG, false);
  const std::vector<std::string> quillet = RunScript(IDD_QUILLET_DIALOG, true);
  ASSERT_EQ(system.size(), Script().size());
  ASSERT_EQ(quillet.size(), system.size());
  for (std::size_t i = 0; i < system.size(); ++i) EXPECT_EQ(quillet[i], system[i]);
  // The oracle itself did something: Enter on the new default, Escape, the check box by
  // mouse and Space, Enter on it pressing the default, the arrows moving the focus.
  EXPECT_NE(system[16].find("commands 1003/0"), std::string::npos) << system[16];
  EXPECT_NE(system[17].find("commands 2/0"), std::string::npos) << system[17];
  EXPECT_NE(system[20].find("focus 1003 default 1001 framed 1001 check 1 commands 1003/0"), std::string::npos)
      << system[20];
  EXPECT_NE(system[21].find("check 0 commands 1003/0"), std::string::npos) << system[21];
  EXPECT_NE(system[22].find("focus 1003 default 1001 framed 1001 check 0 commands 1001/0"), std::string::npos)
      << system[22];
  EXPECT_NE(system[23].find("focus 1002"), std::string::npos) << system[23];
}

TEST(DialogTemplate, CreatedFromTheTemplateWithCaptionStyleAndState) {
  Dialog d(IDD_QUILLET_DIALOG);
  ASSERT_NE(d.hwnd(), nullptr);
  wchar_t name[32] = {};
  GetClassNameW(d.Item(IDC_DLG_APPLY), name, 32);
  EXPECT_STREQ(name, QUILLETBUTTON_CLASSW);
  ButtonWindow* apply = ButtonWindow::FromWindow(d.Item(IDC_DLG_APPLY));
  ASSERT_NE(apply, nullptr);
  EXPECT_EQ(apply->Caption(), u"&Apply");
  EXPECT_EQ(apply->Control()->AccessKeys(), u"a");
  EXPECT_TRUE(apply->Control()->DisplayAsDefault());
  EXPECT_FALSE(ButtonWindow::FromWindow(d.Item(IDC_DLG_OFF))->Enabled());
  // The dialog's font reached the control through WM_SETFONT, and comes back out.
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(d.hwnd(), WM_GETFONT, 0, 0));
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(d.Item(IDC_DLG_APPLY), WM_GETFONT, 0, 0)), font);
  LOGFONTW lf{};
  GetObjectW(font, sizeof lf, &lf);
  EXPECT_EQ(apply->Control()->Font()->Description().height, lf.lfHeight);
  // Registering again is harmless and answers the same class.
  const ATOM atom = QuilletButton_Register(GetModuleHandleW(nullptr));
  EXPECT_EQ(atom, QuilletButton_Register(nullptr));
  EXPECT_EQ(atom, static_cast<ATOM>(GetClassLongPtrW(d.Item(IDC_DLG_APPLY), GCW_ATOM)));
}

TEST(DialogTemplate, CheckBoxModeTogglesByKeyMouseAndAccessKeyAndByMessage) {
  Dialog d(IDD_QUILLET_DIALOG);
  ASSERT_NE(d.hwnd(), nullptr);
  const HWND keep = d.Item(IDC_DLG_KEEP);
  EXPECT_EQ(QuilletButton_SetCheckBoxMode(keep, TRUE), FALSE);
  EXPECT_EQ(QuilletButton_GetCheck(keep), BST_UNCHECKED);
  SendMessageW(d.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(keep), TRUE);
  d.Settle();
  d.Trace();
  struct Row {
    const char* what;
    std::function<void()> act;
    int check;
    bool clicked;
  };
  const Row rows[] = {
      {"space", [] { Tap(VK_SPACE); }, BST_CHECKED, true},
      {"mouse", [&] { ClickAt(d.Centre(IDC_DLG_KEEP)); }, BST_UNCHECKED, true},
      {"alt+k", [] { AltKey('K'); }, BST_CHECKED, true},
      {"BM_SETCHECK", [&] { QuilletButton_SetCheck(keep, BST_UNCHECKED); }, BST_UNCHECKED, false},
      {"BM_CLICK", [&] { QuilletButton_Click(keep); }, BST_CHECKED, true},
  };
  for (const Row& row : rows) {
    row.act();
    d.Settle();
    EXPECT_EQ(QuilletButton_GetCheck(keep), row.check) << row.what;
    EXPECT_EQ((SendMessageW(keep, BM_GETSTATE, 0, 0) & BST_CHECKED) != 0, row.check == BST_CHECKED) << row.what;
    const std::string trace = d.Trace();
    EXPECT_EQ(trace.find("1003/0") != std::string::npos, row.clicked) << row.what << ": " << trace;
  }
  // The pointer's events came as notifications.
  EXPECT_NE(std::find(d.log.notes.begin(), d.log.notes.end(), QBN_MOUSEDOWN), d.log.notes.end());
  EXPECT_NE(std::find(d.log.notes.begin(), d.log.notes.end(), QBN_MOUSEENTER), d.log.notes.end());
  MoveMouseTo(POINT{900, 700});
}

// The buttons read back from the screen agree with the raster drawing the same look, size
// and state, pixel for pixel inside the window region.
TEST(DialogTemplate, TheScreenShowsWhatTheRasterDraws) {
  Dialog d(IDD_QUILLET_DIALOG);
  ASSERT_NE(d.hwnd(), nullptr);
  MoveMouseTo(POINT{900, 700});
  SendMessageW(d.hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.Item(IDC_DLG_EDIT)), TRUE);
  for (std::size_t i = 0; i < std::size(kButtonIds); ++i) {
    const HWND b = d.Item(kButtonIds[i]);
    EXPECT_EQ(QuilletButton_SetStyle(b, kStyles[i]), 1);
    SetWindowTextW(b, L"");
  }
  EXPECT_EQ(QuilletButton_SetStyle(d.Item(IDC_DLG_APPLY), 16), -1);
  d.Settle();
  for (std::size_t i = 0; i < std::size(kButtonIds); ++i) {
    const HWND b = d.Item(kButtonIds[i]);
    RECT client{};
    GetClientRect(b, &client);
    render::RenderOptions o;
    o.style = kStyles[i];
    o.width = client.right;
    o.height = client.bottom;
    o.enabled = IsWindowEnabled(b) != FALSE;
    o.display_as_default = ButtonWindow::FromWindow(b)->IsDefaultButton();
    HeadlessForm form;
    HeadlessHost host(form, render::PlacementFor(o));
    host.Raster().SetSystemColors(WineSystemColors());
    render::DriveButton(host, o, {});
    const auto region = render::LastRegion(host);
    const std::vector<std::uint8_t> alpha =
        render::ButtonRgba(host.Raster().Pixels().data(), host.Raster().Width(), host.Raster().Height(), region);
    ASSERT_EQ(host.Raster().Width(), client.right);
    ASSERT_EQ(host.Raster().Height(), client.bottom);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(b);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    long compared = 0, diffs = 0;
    std::string report;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) {
        const std::size_t p = static_cast<std::size_t>(y) * client.right + x;
        if (alpha[4 * p + 3] == 0) continue;
        ++compared;
        const std::uint32_t s = static_cast<const std::uint32_t*>(bits)[p] & 0xFFFFFF;
        const std::uint32_t r = host.Raster().Pixels()[p] & 0xFFFFFF;
        if (s != r && ++diffs <= 4) {
          char text[64];
          std::snprintf(text, sizeof text, " (%d,%d) screen %06x raster %06x", x, y, s, r);
          report += text;
        }
      }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    ReleaseDC(b, screen);
    EXPECT_GT(compared, client.right * client.bottom / 2) << "style " << kStyles[i];
    EXPECT_EQ(diffs, 0) << "style " << kStyles[i] << report;
  }
}

}  // namespace
}  // namespace quillet::win32::test
