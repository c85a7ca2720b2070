// The program on the two systems it names: Wine set to report Windows XP, then Windows 7,
// for wendral.exe alone. Each run searches a slot, applies a name and hovers the button.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e_fixture.h"
#include "support/screen_capture.h"

namespace wendral::e2e {
namespace {

struct ReportedSystem {
  const wchar_t* wineVersion;  // Wine's name for the system
  const wchar_t* otherVersion; // the other one
  int major;
  int minor;
  int option;                  // the mode a user of that system picks
  const wchar_t* classKey;     // where that mode searches and writes
  const char* name;
};

void PrintTo(const ReportedSystem& system, std::ostream* out) { *out << system.name; }

class WindowsVersionTest : public WendralE2eTest, public ::testing::WithParamInterface<ReportedSystem> {};

TEST_P(WindowsVersionTest, LaterRunSearchesAppliesAndHovers) {
  const ReportedSystem& system = GetParam();
  ScopedRegistryText version(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\wendral.exe", L"Version",
                             system.wineVersion);
  ASSERT_TRUE(version.set());
  PutString(system.classKey, L"0023", L"SSID", L"stick");
  PutString(system.classKey, L"0061", L"SSID", L"another");
  HWND form = nullptr;
  DWORD reported = 0;
  {
    // While the program starts, Wine's default for all programs is the other system, so
    // only the setting for wendral.exe can give it the version it reports. Programs of other
    // suites started in these few seconds see the other system too; none of them cares.
    ScopedRegistryText others(HKEY_CURRENT_USER, L"Software\\Wine", L"Version", system.otherVersion);
    ASSERT_TRUE(others.set());
    form = StartLater(SettingsText(L"旧名字", "0000", "0000"));
    ASSERT_TRUE(form);
    reported = program.ReportedVersion();
  }
  ASSERT_NE(reported, 0u) << "could not ask the program";
  EXPECT_EQ(LOBYTE(LOWORD(reported)), system.major);
  EXPECT_EQ(HIBYTE(LOWORD(reported)), system.minor);

  ProgramDriver::ClickWindow(Child(form, system.option));
  const bool seven = system.option == IDC_WINDOWS7_OPTION;
  const std::string searched = SettingsText(L"旧名字", seven ? "0023" : "0000", seven ? "0000" : "0023");
  EXPECT_TRUE(WaitFor([&] { return program.SettingsBytes() == searched; })) << program.SettingsBytes();

  HWND button = Child(form, IDC_APPLY_BUTTON);
  RECT client;
  GetClientRect(button, &client);
  ProgramDriver::PointAt(button, 10, client.bottom / 2);
  EXPECT_TRUE(WaitFor(
      [&] { return ColorDistance(ScreenShot::OfClient(button, client).At(client.right / 2, 1), 0xCFF0FF) <= 2; },
      3000))
      << "no hot look";

  ReplaceName(form, L"随身WIFI-二楼");
  ProgramDriver::ClickWindow(button);
  EXPECT_EQ(ConfirmBox(), kSuccess);
  const RegDump dump = QueryClass(system.classKey);
  EXPECT_EQ(dump.at(L"0023").at(L"SSID"), L"随身WIFI-二楼");
  EXPECT_EQ(dump.at(L"0061").at(L"SSID"), L"another");
  EXPECT_EQ(SsidCount(QueryClass(system.classKey == kClass001 ? kCurrentClass : kClass001)), 0);
  CloseWith(form);
  EXPECT_EQ(program.SettingsBytes(),
            SettingsText(L"随身WIFI-二楼", seven ? "0023" : "0000", seven ? "0000" : "0023"));
}

INSTANTIATE_TEST_SUITE_P(
    ReportedSystems, WindowsVersionTest,
    ::testing::Values(ReportedSystem{L"winxp", L"win7", 5, 1, IDC_WINDOWSXP_OPTION, kCurrentClass, "WindowsXp"},
                      ReportedSystem{L"win7", L"winxp", 6, 1, IDC_WINDOWS7_OPTION, kClass001, "Windows7"}),
    [](const ::testing::TestParamInfo<ReportedSystem>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wendral::e2e
