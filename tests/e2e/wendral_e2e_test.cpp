// wendral.exe driven through real input under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e_fixture.h"
#include "resource_ids.h"
#include "support/refused_names.h"
#include "support/wine_registry.h"

namespace wendral::e2e {
namespace {

TEST_F(WendralE2eTest, FirstRunResetsCountsDownAndOpensTheMainWindow) {
  for (const wchar_t* classKey : {kCurrentClass, kClass001}) {
    for (const wchar_t* slot : {L"0000", L"0007", L"0099"}) PutString(classKey, slot, L"SSID", L"old");
    PutString(classKey, L"0007", L"DriverDesc", L"stick");
  }
  program.Start();
  EXPECT_EQ(ConfirmBox(), L"检测到你是第一次运行本程序,需要进行初次化操作!");

  HWND notice = program.WaitForWindow(L"WendralForm2");
  ASSERT_TRUE(notice);
  EXPECT_EQ(WindowText(notice), L" 第二步   此步骤非常重要");
  HWND next = Child(notice, IDC_NOTICE_NEXT);
  EXPECT_FALSE(IsWindowEnabled(next));
  for (const wchar_t* classKey : {kCurrentClass, kClass001}) {
    const RegDump dump = QueryClass(classKey);
    EXPECT_EQ(SsidCount(dump), 0);
    EXPECT_EQ(dump.at(L"0007").at(L"DriverDesc"), L"stick");
  }
  EXPECT_TRUE(WaitFor([&] { return WindowText(next) == L"29 秒"; }, 4000)) << WindowText(next);
  // Neither the mouse nor the keyboard gets through while it counts.
  ProgramDriver::ClickWindow(next);
  ProgramDriver::Key(VK_SPACE);
  ProgramDriver::Key(VK_RETURN);
  Sleep(300);
  EXPECT_FALSE(program.FindVisible(L"WendralForm1"));

  ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(next) != FALSE; }, 35000));
  EXPECT_EQ(WindowText(next), L"下一步");
  ProgramDriver::ClickWindow(next);
  HWND form = program.WaitForWindow(L"WendralForm1");
  ASSERT_TRUE(form);
  EXPECT_FALSE(IsWindowVisible(notice));
  EXPECT_EQ(WindowText(Child(form, IDC_NETWORK_NAME)), L"TP-LINK_75BCRT");
  EXPECT_TRUE(Checked(Child(form, IDC_CAFE_OPTION)));
  EXPECT_EQ(program.Focus(), Child(form, IDC_NETWORK_NAME));
  EXPECT_EQ(program.SettingsBytes(), "<no file>");
  CloseWith(form);
  EXPECT_EQ(program.SettingsBytes(), SettingsText(L"TP-LINK_75BCRT", "0000", "0000"));
}

TEST_F(WendralE2eTest, HiddenSettingsFileMeansFirstRunAndClosingTheNoticeSavesNothing) {
  const std::string hidden = SettingsText(L"hidden", "0001", "0002");
  program.WriteSettings(hidden);
  SetFileAttributesW(program.SettingsFile().c_str(), FILE_ATTRIBUTE_HIDDEN);
  PutString(kCurrentClass, L"0050", L"SSID", L"old");
  program.Start();
  EXPECT_EQ(ConfirmBox(), L"检测到你是第一次运行本程序,需要进行初次化操作!");
  HWND notice = program.WaitForWindow(L"WendralForm2");
  ASSERT_TRUE(notice);
  EXPECT_EQ(SsidCount(QueryClass(kCurrentClass)), 0);
  CloseWith(notice);
  EXPECT_EQ(program.SettingsBytes(), hidden);
}

TEST_F(WendralE2eTest, LaterRunLoadsSearchesAndAppliesInEachMode) {
  PutString(kClass001, L"0000", L"SSID", L"slot zero is not searched");
  PutString(kClass001, L"0042", L"SSID", L"stick");
  PutString(kCurrentClass, L"0017", L"SSID", L"stick");
  HWND form = StartLater(SettingsText(L"奶茶店", "0003", "0005"));
  ASSERT_TRUE(form);
  EXPECT_EQ(WindowText(form), L"Wendralv1.5.0");
  EXPECT_EQ(WindowText(Child(form, IDC_NETWORK_NAME)), L"奶茶店");
  EXPECT_FALSE(program.FindVisible(L"#32770", L"提示"));

  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWSXP_OPTION));
  EXPECT_TRUE(WaitFor([&] { return program.SettingsBytes() == SettingsText(L"奶茶店", "0003", "0017"); }));
  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWS7_OPTION));
  EXPECT_TRUE(WaitFor([&] { return program.SettingsBytes() == SettingsText(L"奶茶店", "0042", "0017"); }));

  ReplaceName(form, L"新名字-5G");
  ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
  EXPECT_EQ(ConfirmBox(), kSuccess);
  EXPECT_EQ(QueryClass(kClass001)[L"0042"][L"SSID"], L"新名字-5G");
  EXPECT_EQ(program.SettingsBytes(), SettingsText(L"新名字-5G", "0042", "0017"));

  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWSXP_OPTION));
  ReplaceName(form, L"XP 模式");
  ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
  EXPECT_EQ(ConfirmBox(), kSuccess);
  EXPECT_EQ(QueryClass(kCurrentClass)[L"0017"][L"SSID"], L"XP 模式");
  EXPECT_EQ(QueryClass(kClass001)[L"0000"][L"SSID"], L"slot zero is not searched");
  CloseWith(form);
  EXPECT_EQ(program.SettingsBytes(), SettingsText(L"XP 模式", "0042", "0017"));
}

TEST_F(WendralE2eTest, CafeModeWritesEverySlotOfBothControlSets) {
  PutString(kClass001, L"0007", L"DriverDesc", L"stick");
  HWND form = StartLater(SettingsText(L"网吧-3号机", "0000", "0000"));
  ASSERT_TRUE(form);
  EXPECT_TRUE(Checked(Child(form, IDC_CAFE_OPTION)));
  ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
  EXPECT_EQ(ConfirmBox(), kSuccess);
  for (const wchar_t* classKey : {kCurrentClass, kClass001}) {
    RegDump dump = QueryClass(classKey);
    EXPECT_EQ(SsidCount(dump), 100);
    for (int n = 0; n <= 99; ++n) {
      wchar_t slot[8];
      wsprintfW(slot, L"%04d", n);
      ASSERT_EQ(dump[slot][L"SSID"], L"网吧-3号机") << slot;
    }
    EXPECT_EQ(dump.count(L"0100"), 0u);
  }
  CloseWith(form);
  EXPECT_EQ(QueryClass(kClass001)[L"0007"][L"DriverDesc"], L"stick");
  EXPECT_EQ(program.SettingsBytes(), SettingsText(L"网吧-3号机", "0000", "0000"));
}

// Run under code page 936 and again under 1252: the name 360RI.INI holds in code page 936
// is applied as typed in each mode, and saved as the same bytes.
TEST_F(WendralE2eTest, TheStoredNameReachesTheRegistryAsTypedInEachMode) {
  PutString(kClass001, L"0042", L"SSID", L"stick");
  PutString(kCurrentClass, L"0017", L"SSID", L"stick");
  const struct {
    const wchar_t* name;
    int option;
    const wchar_t* classKey;  // where to look: the slot written, or one of all 200
    const wchar_t* slot;
    const char* windows7Slot;
    const char* xpSlot;
  } cases[] = {{L"Café", IDC_WINDOWS7_OPTION, kClass001, L"0042", "0042", "0000"},
               {L"网吧-3号机", IDC_WINDOWSXP_OPTION, kCurrentClass, L"0017", "0000", "0017"},
               {L"Café", IDC_CAFE_OPTION, kCurrentClass, L"0099", "0000", "0000"}};
  for (const auto& c : cases) {
    HWND form = StartLater(SettingsText(c.name, "0000", "0000"));
    ASSERT_TRUE(form);
    ProgramDriver::ClickWindow(Child(form, c.option));
    ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
    EXPECT_EQ(ConfirmBox(), kSuccess);
    EXPECT_EQ(ExportKey(std::wstring(c.classKey) + L"\\" + c.slot), SlotExport(c.classKey, c.slot, c.name));
    CloseWith(form);
    EXPECT_EQ(program.SettingsBytes(), SettingsText(c.name, c.windows7Slot, c.xpSlot));
  }
}

TEST_F(WendralE2eTest, KeyboardAloneReachesEveryControlInTabOrder) {
  PutString(kCurrentClass, L"0011", L"SSID", L"stick");
  HWND form = StartLater(SettingsText(L"", "0000", "0000"));
  ASSERT_TRUE(form);
  ProgramDriver::Activate(form);
  EXPECT_EQ(program.Focus(), Child(form, IDC_NETWORK_NAME));
  ProgramDriver::Type(L"键盘");
  ProgramDriver::Key(VK_TAB);
  EXPECT_EQ(program.Focus(), Child(form, IDC_APPLY_BUTTON));
  ProgramDriver::Key(VK_TAB);
  EXPECT_EQ(program.Focus(), Child(form, IDC_CAFE_OPTION));  // the group is entered at its selection
  ProgramDriver::Key(VK_LEFT);
  EXPECT_EQ(program.Focus(), Child(form, IDC_WINDOWSXP_OPTION));
  EXPECT_TRUE(Checked(Child(form, IDC_WINDOWSXP_OPTION)));
  EXPECT_TRUE(WaitFor([&] { return program.SettingsBytes() == SettingsText(L"键盘", "0000", "0011"); }));
  ProgramDriver::Key(VK_TAB, false, false, true);
  EXPECT_EQ(program.Focus(), Child(form, IDC_APPLY_BUTTON));
  ProgramDriver::Key(VK_SPACE);
  EXPECT_EQ(ConfirmBox(), kSuccess);
  EXPECT_EQ(QueryClass(kCurrentClass)[L"0011"][L"SSID"], L"键盘");
  CloseWith(form);
}

TEST_F(WendralE2eTest, UnusableNamesAndUnknownSlotsAreRefusedWithoutWriting) {
  HWND form = StartLater(SettingsText(L"", "0000", ""));
  ASSERT_TRUE(form);
  for (const test::RefusedName& refused : test::RefusedNames()) {
    const std::wstring name = test::Utf8ToWide(refused.name);
    ReplaceName(form, name);
    ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
    const std::wstring box = ConfirmBox();
    EXPECT_NE(box.find(test::Utf8ToWide(refused.says)), std::wstring::npos)
        << refused.name << ": " << test::WideToUtf8(box);
  }
  EXPECT_EQ(SsidCount(QueryClass(kClass001)), 0);

  // No stick plugged in: the search keeps the empty tag, and apply must not write at the
  // class key itself.
  ReplaceName(form, L"ok");
  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWSXP_OPTION));
  ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
  EXPECT_NE(ConfirmBox().find(L"还没有找到随身WIFI"), std::wstring::npos);
  EXPECT_EQ(SsidCount(QueryClass(kCurrentClass)), 0);
  CloseWith(form);
  EXPECT_EQ(program.SettingsBytes(), SettingsText(L"ok", "0000", ""));
}

TEST_F(WendralE2eTest, FailedWritesAreReportedNotCelebrated) {
  for (const wchar_t* classKey : {kCurrentClass, kClass001}) {
    PutString(classKey, L"0004", L"SSID", L"locked");
    if (!MakeReadOnly(classKey, L"0004")) GTEST_SKIP() << "this Wine cannot restrict a key";
  }
  HWND form = StartLater(SettingsText(L"new", "0004", "0004"));
  ASSERT_TRUE(form);
  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWS7_OPTION));
  ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
  const std::wstring single = ConfirmBox();
  EXPECT_NE(single, kSuccess);
  EXPECT_NE(single.find(L"管理员身份运行"), std::wstring::npos) << single;

  ProgramDriver::ClickWindow(Child(form, IDC_CAFE_OPTION));
  ProgramDriver::ClickWindow(Child(form, IDC_APPLY_BUTTON));
  const std::wstring cafe = ConfirmBox();
  EXPECT_NE(cafe.find(L"200处写入中有2处"), std::wstring::npos) << cafe;
  EXPECT_EQ(QueryClass(kClass001)[L"0004"][L"SSID"], L"locked");
  EXPECT_EQ(QueryClass(kClass001)[L"0005"][L"SSID"], L"new");
  CloseWith(form);
  EXPECT_EQ(program.SettingsBytes(), SettingsText(L"new", "0004", "0004"));
}

TEST_F(WendralE2eTest, AnUnwritableSettingsFileIsToldOnce) {
  // A directory of that name is no settings file: a first run, and every save fails.
  CreateDirectoryW(program.SettingsFile().c_str(), nullptr);
  program.Start();
  ConfirmBox();
  HWND notice = program.WaitForWindow(L"WendralForm2");
  ASSERT_TRUE(notice);
  HWND next = Child(notice, IDC_NOTICE_NEXT);
  ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(next) != FALSE; }, 35000));
  ProgramDriver::ClickWindow(next);
  HWND form = program.WaitForWindow(L"WendralForm1");
  ASSERT_TRUE(form);
  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWS7_OPTION));
  EXPECT_NE(ConfirmBox().find(L"设置没有保存成功"), std::wstring::npos);
  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWSXP_OPTION));
  Sleep(500);
  EXPECT_FALSE(program.FindVisible(L"#32770", L"提示"));
  CloseWith(form);
}

}  // namespace
}  // namespace wendral::e2e
