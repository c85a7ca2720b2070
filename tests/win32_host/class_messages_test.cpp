// The class's message interface on a window made by CreateWindowEx: each property's message
// pair, the system button messages, and the property set saved as text and loaded into
// another button.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "QuilletButton.h"
#include "support/form_fixture.h"
#include "win32/button_window.h"

namespace quillet::win32::test {
namespace {

class ClassMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(QuilletButton_Register(nullptr), 0);
    form_ = std::make_unique<TestForm>(std::vector<std::u16string>{});
    for (HWND& b : buttons_) {
      b = CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"&Save", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 120, 34,
                          form_->hwnd(), reinterpret_cast<HMENU>(INT_PTR{300}), GetModuleHandleW(nullptr), nullptr);
      ASSERT_NE(b, nullptr);
    }
  }
  std::wstring SaveText(HWND b) {
    const int n = QuilletButton_SaveText(b, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    EXPECT_EQ(QuilletButton_SaveText(b, text.data(), n + 1), n);
    text.resize(static_cast<std::size_t>(n));
    return text;
  }
  std::unique_ptr<TestForm> form_;
  HWND buttons_[2] = {};
};

TEST_F(ClassMessagesTest, EachPropertyMessagePairSetsReadsAndAnswersThePreviousValue) {
  const HWND b = buttons_[0];
  QuilletButton& c = *ButtonWindow::FromWindow(b)->Control();
  struct Row {
    UINT set, get;
    WPARAM value;
    std::function<LRESULT()> control;  // the control's own reading
  };
  const Row rows[] = {
      {QBM_SETSTYLE, QBM_GETSTYLE, 13, [&] { return static_cast<LRESULT>(c.ButtonStyle()); }},
      {QBM_SETBACKCOLOR, QBM_GETBACKCOLOR, RGB(12, 34, 56), [&] { return static_cast<LRESULT>(c.BackColor()); }},
      {QBM_SETFORECOLOR, QBM_GETFORECOLOR, 0x80000008, [&] { return static_cast<LRESULT>(c.ForeColor()); }},
      {QBM_SETMASKCOLOR, QBM_GETMASKCOLOR, RGB(255, 0, 255), [&] { return static_cast<LRESULT>(c.MaskColor()); }},
      {QBM_SETUSEMASKCOLOR, QBM_GETUSEMASKCOLOR, TRUE, [&] { return static_cast<LRESULT>(c.UseMaskColor()); }},
      {QBM_SETCAPTIONALIGN, QBM_GETCAPTIONALIGN, QBCA_RIGHT, [&] { return static_cast<LRESULT>(c.CaptionAlign()); }},
      {QBM_SETPICTUREALIGN, QBM_GETPICTUREALIGN, QBPA_BOTTOMEDGE, [&] { return static_cast<LRESULT>(c.PictureAlign()); }},
      {QBM_SETPICTURESIZE, QBM_GETPICTURESIZE, QBPS_24, [&] { return static_cast<LRESULT>(c.PictureSize()); }},
      {QBM_SETCHECKBOXMODE, QBM_GETCHECKBOXMODE, TRUE, [&] { return static_cast<LRESULT>(c.CheckBoxMode()); }},
      {QBM_SETFOCUSRECT, QBM_GETFOCUSRECT, TRUE, [&] { return static_cast<LRESULT>(c.ShowFocusRect()); }},
      {QBM_SETHANDPOINTER, QBM_GETHANDPOINTER, TRUE, [&] { return static_cast<LRESULT>(c.HandPointer()); }},
  };
  for (const Row& row : rows) {
    const LRESULT before = SendMessageW(b, row.get, 0, 0);
    EXPECT_EQ(before, row.control()) << row.set;
    EXPECT_EQ(SendMessageW(b, row.set, row.value, 0), before) << row.set;
    EXPECT_EQ(SendMessageW(b, row.get, 0, 0), static_cast<LRESULT>(row.value)) << row.set;
    EXPECT_EQ(row.control(), static_cast<LRESULT>(row.value)) << row.set;
  }
  // Out of range: refused, nothing changed.
  EXPECT_EQ(QuilletButton_SetStyle(b, 16), -1);
  EXPECT_EQ(QuilletButton_SetCaptionAlign(b, 3), -1);
  EXPECT_EQ(QuilletButton_SetPictureAlign(b, 9), -1);
  EXPECT_EQ(QuilletButton_SetPictureSize(b, 4), -1);
  EXPECT_EQ(QuilletButton_GetStyle(b), 13);
  EXPECT_EQ(QuilletButton_GetCaptionAlign(b), QBCA_RIGHT);
}

TEST_F(ClassMessagesTest, TextFontEnabledAndTheSystemButtonMessages) {
  const HWND b = buttons_[0];
  ButtonWindow* w = ButtonWindow::FromWindow(b);
  EXPECT_EQ(w->Caption(), u"&Save");
  SetWindowTextW(b, L"\x786e\x8ba4&Y");
  EXPECT_EQ(w->Caption(), u"\x786e\x8ba4&Y");
  EXPECT_EQ(w->Control()->AccessKeys(), u"y");
  w->SetCaption(u"Back");
  wchar_t text[16] = {};
  GetWindowTextW(b, text, 16);
  EXPECT_STREQ(text, L"Back");

  HFONT font = CreateFontW(-17, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");
  SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(b, WM_GETFONT, 0, 0)), font);
  const FontDescription& d = w->Control()->Font()->Description();
  EXPECT_EQ(d.height, -17);
  EXPECT_EQ(d.weight, FW_BOLD);
  EXPECT_TRUE(d.italic);
  EXPECT_EQ(d.charset, GB2312_CHARSET);
  EXPECT_EQ(d.face, u"SimSun");

  EnableWindow(b, FALSE);
  EXPECT_FALSE(w->Enabled());
  EnableWindow(b, TRUE);
  EXPECT_TRUE(w->Enabled());

  // A push button has no check; in check-box mode BM_SETCHECK sets the value.
  QuilletButton_SetCheck(b, BST_CHECKED);
  EXPECT_EQ(QuilletButton_GetCheck(b), BST_UNCHECKED);
  QuilletButton_SetCheckBoxMode(b, TRUE);
  QuilletButton_SetCheck(b, BST_CHECKED);
  EXPECT_EQ(QuilletButton_GetCheck(b), BST_CHECKED);
  EXPECT_TRUE(w->Control()->Value());
  SetFocus(b);
  EXPECT_EQ(SendMessageW(b, BM_GETSTATE, 0, 0), BST_CHECKED | BST_FOCUS);
  // A check box never takes the dialog's default frame.
  EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_BUTTON);
  QuilletButton_SetCheckBoxMode(b, FALSE);

  // BS_DEFPUSHBUTTON through BM_SETSTYLE: the dialog code and the drawn frame follow.
  EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), DLGC_UNDEFPUSHBUTTON);
  SendMessageW(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), DLGC_DEFPUSHBUTTON);
  EXPECT_TRUE(w->Control()->DisplayAsDefault());
  EXPECT_TRUE(GetWindowLongPtrW(b, GWL_STYLE) & WS_TABSTOP);
  DeleteObject(font);
}

TEST_F(ClassMessagesTest, PicturesAreCopiedFromTheCallersBitmapAndIcon) {
  const HWND b = buttons_[0];
  QuilletButton& c = *ButtonWindow::FromWindow(b)->Control();
  // A 2 x 2 bitmap: red, green / blue, white.
  const DWORD pixels[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
  HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, pixels);
  EXPECT_TRUE(QuilletButton_SetBitmap(b, bitmap));
  DeleteObject(bitmap);  // the control keeps its own copy
  ASSERT_NE(c.Picture(), nullptr);
  EXPECT_EQ(c.Picture()->Type(), PictureType::Bitmap);
  EXPECT_EQ(c.Picture()->Image().pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(QuilletButton_GetImage(b, IMAGE_BITMAP)), c.Picture()->Handle());
  EXPECT_EQ(QuilletButton_GetImage(b, IMAGE_ICON), nullptr);

  // An icon with its mask: transparent where the mask is set.
  const BYTE and_bits[] = {0x40, 0, 0, 0};  // row 0: the second pixel transparent (word-aligned rows)
  const BYTE and_rows[4] = {and_bits[0], 0, 0, 0};
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, and_rows);
  HBITMAP colour = CreateBitmap(2, 2, 1, 32, pixels);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  EXPECT_TRUE(QuilletButton_SetHoverIcon(b, icon));
  DestroyIcon(icon);
  ASSERT_NE(c.PictureHover(), nullptr);
  EXPECT_EQ(c.PictureHover()->Type(), PictureType::Icon);
  EXPECT_EQ(c.PictureHover()->Image().mask, (std::vector<std::uint8_t>{0, 1, 0, 0}));
  EXPECT_NE(QuilletButton_GetHoverImage(b, IMAGE_ICON), nullptr);

  EXPECT_FALSE(SendMessageW(b, QBM_SETIMAGE, IMAGE_CURSOR + 7, reinterpret_cast<LPARAM>(b)));
  EXPECT_TRUE(QuilletButton_SetBitmap(b, nullptr));
  EXPECT_EQ(c.Picture(), nullptr);
}

TEST_F(ClassMessagesTest, ThePropertySetSavedAsTextLoadsIntoAnotherButton) {
  const HWND a = buttons_[0], b = buttons_[1];
  QuilletButton_SetStyle(a, 6);
  QuilletButton_SetBackColor(a, RGB(40, 80, 120));
  QuilletButton_SetCaptionAlign(a, QBCA_LEFT);
  QuilletButton_SetCheckBoxMode(a, TRUE);
  QuilletButton_SetCheck(a, BST_CHECKED);
  QuilletButton_SetHandPointer(a, TRUE);
  SetWindowTextW(a, L"\x4e0b\x4e00\x6b65\\n,=\n2");
  const DWORD pixels[] = {0x00102030, 0x00405060};
  HBITMAP bitmap = CreateBitmap(2, 1, 1, 32, pixels);
  QuilletButton_SetBitmap(a, bitmap);
  DeleteObject(bitmap);
  const std::wstring text = SaveText(a);
  // A short buffer gets what fits, terminated, and the full length.
  wchar_t small[8];
  EXPECT_EQ(QuilletButton_SaveText(a, small, 8), static_cast<int>(text.size()));
  EXPECT_EQ(std::wstring(small), text.substr(0, 7));

  ASSERT_TRUE(QuilletButton_LoadText(b, text.c_str()));
  EXPECT_EQ(SaveText(b), text);
  QuilletButton& c = *ButtonWindow::FromWindow(b)->Control();
  EXPECT_EQ(c.ButtonStyle(), ButtonStyle::TwoToneGloss);
  EXPECT_EQ(c.BackColor(), RGB(40, 80, 120));
  EXPECT_EQ(QuilletButton_GetCheck(b), BST_CHECKED);
  EXPECT_EQ(c.Caption(), u"\x4e0b\x4e00\x6b65\\n,=\n2");
  ASSERT_NE(c.Picture(), nullptr);
  EXPECT_EQ(c.Picture()->Image().pixels, (std::vector<std::uint32_t>{0x102030, 0x405060}));

  // Loading the text of a fresh button puts every property back to its default.
  const HWND fresh = CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"&Save", WS_CHILD, 0, 0, 120, 34, form_->hwnd(),
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
  const std::wstring defaults = SaveText(fresh);
  ASSERT_TRUE(QuilletButton_LoadText(b, defaults.c_str()));
  EXPECT_EQ(SaveText(b), defaults);
  EXPECT_EQ(c.Picture(), nullptr);
  DestroyWindow(fresh);

  // A text it did not write changes nothing.
  for (const wchar_t* bad : {L"", L"ButtonStyle=i:3\n", L"QuilletButton properties 1\nButtonStyle=x:3\n",
                             L"QuilletButton properties 1\nButtonStyle=t:three\n"}) {
    EXPECT_FALSE(QuilletButton_LoadText(b, bad)) << bad;
    EXPECT_EQ(SaveText(b), defaults) << bad;
  }
}

TEST_F(ClassMessagesTest, EventsReachTheParentAsNotificationsAndTheClickAsACommand) {
  std::vector<UINT> codes;
  std::vector<int> keys;
  form_->on_message = [&](UINT msg, WPARAM, LPARAM lparam) {
    if (msg != WM_NOTIFY) return;
    const auto* nm = reinterpret_cast<const NMQUILLETBUTTON*>(lparam);
    if (nm->hdr.hwndFrom != buttons_[0] || nm->hdr.idFrom != 300) return;
    codes.push_back(nm->hdr.code);
    if (nm->hdr.code == QBN_KEYDOWN) keys.push_back(nm->key);
  };
  form_->Activate();
  SetFocus(buttons_[0]);
  Tap(VK_SPACE);
  ASSERT_TRUE(PumpUntil([&] { return !form_->commands.empty(); }));
  EXPECT_EQ(form_->commands, std::vector<int>{300});
  EXPECT_EQ(keys, std::vector<int>{VK_SPACE});
  EXPECT_NE(std::find(codes.begin(), codes.end(), QBN_KEYUP), codes.end());
  form_->on_message = nullptr;
}

}  // namespace
}  // namespace quillet::win32::test
