// The real wendral-cli.exe as its own process under Wine: its output (UTF-8 when
// redirected) and exit status, the prefix's registry exported with reg.exe and regedit, and
// 360RI.INI byte for byte. Registered twice: in the usual prefix (code page 936) and in one
// with code page 1252.
#include <windows.h>
#include <setupapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/wine_registry.h"
#include "support/refused_names.h"
#include "support/win32_test_utils.h"

namespace wendral::e2e {
namespace {

using test::ExecutableFolder;
using test::ProcessOutcome;
using test::ReadBytes;
using test::RunProcess;
using test::Utf8ToWide;
using test::WideToUtf8;
using test::WriteBytes;

const std::string k001 = "HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
const std::string kCurrent =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";

class CliExeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSlots();
    static int counter = 0;
    dir_ = ExecutableFolder() + L"\\cli-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    // A folder left by an earlier run under the same process id starts empty again.
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(dir_), ignored);
    CreateDirectoryW(dir_.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((ExecutableFolder() + L"\\wendral-cli.exe").c_str(), (dir_ + L"\\wendral-cli.exe").c_str(), FALSE));
  }
  void TearDown() override {
    ClearSlots();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(dir_), ignored);
  }

  ProcessOutcome Cli(const std::wstring& args) { return RunProcess(L"\"" + dir_ + L"\\wendral-cli.exe\" " + args, dir_); }
  std::wstring Settings() const { return dir_ + L"\\360RI.INI"; }
  // Both class keys as Wine's regedit exports them.
  std::string Export() {
    std::string both;
    for (const wchar_t* key : {kClass001, kCurrentClass}) {
      const std::wstring file = dir_ + L"\\export.reg";
      DeleteFileW(file.c_str());
      RunProcess(L"regedit.exe /e \"" + file + L"\" \"HKEY_LOCAL_MACHINE\\" + key + L"\"", dir_);
      both += ReadBytes(file);
    }
    return both;
  }
  static int SsidCount(const RegDump& dump) {
    int count = 0;
    for (const auto& [slot, values] : dump) count += static_cast<int>(values.count(L"SSID"));
    return count;
  }

  std::wstring dir_;
};

// A network-class device of the prefix, made through SetupAPI as an installer makes one, its
// driver key the given slot; removed again when it goes.
class PrefixDevice {
 public:
  PrefixDevice(const std::wstring& instanceId, const wchar_t* description, const wchar_t* slot) : id_(instanceId) {
    Remove(id_);  // left by a run that did not end
    const HDEVINFO set = SetupDiCreateDeviceInfoList(&kNetClass, nullptr);
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    const std::wstring driver = L"{4d36e972-e325-11ce-bfc1-08002be10318}\\" + std::wstring(slot);
    made_ = SetupDiCreateDeviceInfoW(set, id_.c_str(), &kNetClass, description, nullptr, 0, &device) &&
            SetupDiRegisterDeviceInfo(set, &device, 0, nullptr, nullptr, nullptr) &&
            SetupDiSetDeviceRegistryPropertyW(set, &device, SPDRP_DRIVER, reinterpret_cast<const BYTE*>(driver.c_str()),
                                              static_cast<DWORD>((driver.size() + 1) * sizeof(wchar_t)));
    SetupDiDestroyDeviceInfoList(set);
  }
  ~PrefixDevice() { Remove(id_); }
  PrefixDevice(const PrefixDevice&) = delete;
  PrefixDevice& operator=(const PrefixDevice&) = delete;
  bool made() const { return made_; }

 private:
  static constexpr GUID kNetClass = {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
  static void Remove(const std::wstring& id) {
    const HDEVINFO set = SetupDiCreateDeviceInfoList(&kNetClass, nullptr);
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    if (SetupDiOpenDeviceInfoW(set, id.c_str(), nullptr, 0, &device)) SetupDiRemoveDevice(set, &device);
    SetupDiDestroyDeviceInfoList(set);
  }
  std::wstring id_;
  bool made_ = false;
};

TEST_F(CliExeTest, StatusSetAndTheirOutputInUtf8) {
  PutString(kClass001, L"0007", L"SSID", L"老名字");
  PutString(kCurrentClass, L"0099", L"SSID", L"末位\t");
  WriteBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0003\r\nSSIDITEMT=0005\r\n");

  ProcessOutcome run = Cli(L"status");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(run.out, "[Windows7] " + k001 + "\r\n  0007  SSID = \"老名字\"\r\n[Windows XP] " + kCurrent +
                         "\r\n  0099  SSID = \"末位\\t\"\r\n[360RI.INI] " + WideToUtf8(Settings()) +
                         "\r\n  SSID=\"old\"\r\n  SSIDITEMO=\"0003\"\r\n  SSIDITEMT=\"0005\"\r\n");
  EXPECT_EQ(run.err, "");

  run = Cli(L"set 奶茶店 --mode windows7");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_EQ(run.out, "已把网络名称 \"奶茶店\" 写入 " + k001 + "\\0007。请重新拨插随身WIFI,让新名称生效。\r\n");
  EXPECT_EQ(QueryClass(kClass001)[L"0007"][L"SSID"], L"奶茶店");
  EXPECT_EQ(ReadBytes(Settings()), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\xB5\xEA\r\nSSIDITEMO=0007\r\nSSIDITEMT=0005\r\n");

  run = Cli(L"set \"XP 模式\" --mode xp");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_EQ(QueryClass(kCurrentClass)[L"0099"][L"SSID"], L"XP 模式");
  EXPECT_EQ(ReadBytes(Settings()), "[SSID]\r\nSSID=XP \xC4\xA3\xCA\xBD\r\nSSIDITEMO=0007\r\nSSIDITEMT=0099\r\n");

  run = Cli(L"--version");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_EQ(run.out, "Wendral 1.5.0\r\n");
}

TEST_F(CliExeTest, RefusalsExitWithTwoAndChangeNothing) {
  PutString(kClass001, L"0000", L"SSID", L"slot zero");
  WriteBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n");
  WriteBytes(dir_ + L"\\taken.reg", "an earlier backup");
  const std::string before = Export();
  std::vector<std::tuple<std::wstring, DWORD, std::string>> cases;
  for (const test::RefusedName& refused : test::RefusedNames()) {
    cases.push_back({L"set \"" + Utf8ToWide(refused.name) + L"\" --mode cafe", 2, refused.says});
  }
  cases.insert(cases.end(), {
      // Slot 0000 is the wired card's: no stick, and no stored slot written in its place.
      {L"set ok --mode windows7", 4, "没有找到随身WIFI"},
      {L"set ok --mode xp", 4, "没有找到随身WIFI"},
      {L"set ok --mode xp --slot 0100", 2, "--slot 应为 0000 到 0099"},
      {L"set ok", 2, "必须给出 --mode"},
      {L"", 2, "缺少命令"},
      // The backup's file name forgotten: once all 200 slots, with exit 0.
      {L"set X --mode cafe --backup --dry-run", 2, "--backup 后面缺少参数"},
      {L"set X --mode cafe --backup taken.reg", 2, "已经存在"},
      {L"status --restart", 2, "--restart 只用于 set"},
      {L"restart", 4, "没有找到使用这些位置、已接入的 USB 网络设备"},
  });
  for (const auto& [args, status, says] : cases) {
    const ProcessOutcome run = Cli(args);
    EXPECT_EQ(run.exit_code, status) << says;
    EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadBytes(Settings()), "[SSID]\r\nSSID=old\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n");
  EXPECT_EQ(ReadBytes(dir_ + L"\\taken.reg"), "an earlier backup");
}

TEST_F(CliExeTest, BackupThenRestoreLeavesTheRegistryExportByteIdentical) {
  PutString(kClass001, L"0007", L"SSID", L"老名字");
  PutString(kClass001, L"0007", L"DriverDesc", L"stick");
  PutString(kClass001, L"0003", L"DriverDesc", L"nic");
  PutString(kCurrentClass, L"0099", L"SSID", L"末位\t\"引号\" C:\\路径\\");
  PutString(kCurrentClass, L"0042", L"SSID", L"乗\\");  // 81 5C in code page 936: its second byte is '\'
  const std::string settings = "[SSID]\r\nSSID=\xC0\xCF\r\nSSIDITEMO=0007\r\nSSIDITEMT=0099\r\n";
  WriteBytes(Settings(), settings);
  const std::string before = Export();
  ASSERT_NE(before.find(std::string("D\0r\0i\0v\0e\0r\0D\0e\0s\0c\0", 20)), std::string::npos);  // UTF-16

  ProcessOutcome run = Cli(L"set 网吧-3号机 --mode cafe --backup \"备份 1.reg\"");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  for (const wchar_t* classKey : {kClass001, kCurrentClass}) {
    RegDump dump = QueryClass(classKey);
    EXPECT_EQ(SsidCount(dump), 100);
    EXPECT_EQ(dump[L"0042"][L"SSID"], L"网吧-3号机");
  }
  EXPECT_EQ(ReadBytes(Settings()), "[SSID]\r\nSSID=\xCD\xF8\xB0\xC9-3\xBA\xC5\xBB\xFA\r\nSSIDITEMO=0007\r\nSSIDITEMT=0099\r\n");
  const std::wstring backup = dir_ + L"\\备份 1.reg";
  const std::string file = ReadBytes(backup);
  // REGEDIT4 where regedit reads it in code page 936, else regedit's UTF-16 format.
  const bool regedit4 = GetACP() == 936;
  const std::wstring wide = [&] {
    const bool utf16 = file.rfind("\xFF\xFE", 0) == 0;
    const std::size_t units = (file.size() - 2) / 2;
    std::wstring text(utf16 ? units : file.size(), L'\0');
    if (utf16) {
      for (std::size_t i = 0; i < units; ++i) text[i] = static_cast<wchar_t>(static_cast<unsigned char>(file[2 + 2 * i]) |
                                                                          (static_cast<unsigned char>(file[3 + 2 * i]) << 8));
      return text;
    }
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(936, 0, file.data(), static_cast<int>(file.size()), text.data(), static_cast<int>(text.size()))));
    return text;
  }();
  EXPECT_EQ(file.rfind(regedit4 ? "REGEDIT4\r\n" : "\xFF\xFEW\0i\0n\0d\0o\0w\0s\0", 0), 0u);
  if (regedit4) {
    EXPECT_NE(file.find("\"SSID\"=\"\x81\x5C\\\\\"\r\n"), std::string::npos);
  }
  EXPECT_NE(wide.find(L"\"SSID\"=\"乗\\\\\"\r\n"), std::wstring::npos);

  // The roll-out script run a second time: the only copy of the old names stays.
  run = Cli(L"set again --mode cafe --backup \"备份 1.reg\"");
  EXPECT_EQ(run.exit_code, 2u);
  EXPECT_NE(run.err.find("已经存在"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(backup), file);
  EXPECT_EQ(QueryClass(kClass001)[L"0042"][L"SSID"], L"网吧-3号机");

  run = Cli(L"restore --dry-run \"备份 1.reg\"");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_NE(run.out.find(k001 + "\\0007  SSID = \"老名字\"\r\n"), std::string::npos) << run.out;
  EXPECT_EQ(SsidCount(QueryClass(kClass001)), 100);

  run = Cli(L"restore \"备份 1.reg\"");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_EQ(run.out, "已从 备份 1.reg 恢复 200 处 \"SSID\" 值。请重新拨插随身WIFI。\r\n");
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadBytes(Settings()), settings);

  // Saved again by Notepad as UTF-8 without a byte-order mark: read as UTF-8, not as 936.
  WriteBytes(dir_ + L"\\utf8.reg", WideToUtf8(wide));
  ASSERT_EQ(Cli(L"set 网吧-3号机 --mode cafe").exit_code, 0u);
  run = Cli(L"restore utf8.reg");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadBytes(Settings()), settings);
}

// Run under code page 936 and again under 1252: in each mode set, status, a backup and its
// restore leave the registry holding the names as typed, and 360RI.INI their code page 936
// bytes.
TEST_F(CliExeTest, NamesReachTheRegistryAsTypedOnEveryCodePage) {
  PutString(kClass001, L"0042", L"SSID", L"stick");
  PutString(kCurrentClass, L"0017", L"SSID", L"stick");
  const std::wstring internetCafe = L"网吧-3号机", cafe = L"Café";
  const auto settings = [](const std::string& name, const char* windows7, const char* xp) {
    return "[SSID]\r\nSSID=" + name + "\r\nSSIDITEMO=" + windows7 + "\r\nSSIDITEMT=" + xp + "\r\n";
  };
  const std::string internetCafe936 = "\xCD\xF8\xB0\xC9-3\xBA\xC5\xBB\xFA", cafe936 = "Caf\xA8\xA6";
  const struct {
    const wchar_t* mode;
    const wchar_t* classKey;  // where to look: the slot written, or one of all 200
    const wchar_t* slot;
    const char* windows7Slot;
    const char* xpSlot;
  } modes[] = {{L"windows7", kClass001, L"0042", "0042", "0000"},
               {L"xp", kCurrentClass, L"0017", "0042", "0017"},
               {L"cafe", kCurrentClass, L"0099", "0042", "0017"}};
  for (const auto& m : modes) {
    const std::wstring key = std::wstring(m.classKey) + L"\\" + m.slot;
    ProcessOutcome run = Cli(L"set " + internetCafe + L" --mode " + m.mode);
    ASSERT_EQ(run.exit_code, 0u) << run.err;
    EXPECT_EQ(ExportKey(key), SlotExport(m.classKey, m.slot, internetCafe)) << m.mode;
    EXPECT_EQ(ReadBytes(Settings()), settings(internetCafe936, m.windows7Slot, m.xpSlot));

    run = Cli(L"set " + cafe + L" --mode " + m.mode + L" --backup \"" + m.mode + L".reg\"");
    ASSERT_EQ(run.exit_code, 0u) << run.err;
    EXPECT_EQ(ExportKey(key), SlotExport(m.classKey, m.slot, cafe)) << m.mode;
    EXPECT_EQ(ReadBytes(Settings()), settings(cafe936, m.windows7Slot, m.xpSlot));
    run = Cli(L"status");
    EXPECT_NE(run.out.find("  " + WideToUtf8(m.slot) + "  SSID = \"Café\"\r\n"), std::string::npos) << run.out;

    run = Cli(L"restore \"" + std::wstring(m.mode) + L".reg\"");
    ASSERT_EQ(run.exit_code, 0u) << run.err;
    EXPECT_EQ(ExportKey(key), SlotExport(m.classKey, m.slot, internetCafe)) << m.mode;
    EXPECT_EQ(ReadBytes(Settings()), settings(internetCafe936, m.windows7Slot, m.xpSlot));
    run = Cli(L"status");
    EXPECT_NE(run.out.find("  " + WideToUtf8(m.slot) + "  SSID = \"网吧-3号机\"\r\n"), std::string::npos) << run.out;
  }
}

// reg.exe prints through code page 936; the value itself, as the wide call reads it.
std::wstring Ssid(const wchar_t* classKey, const wchar_t* slot) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(classKey) + L"\\" + slot).c_str(), 0, KEY_QUERY_VALUE, &key) != 0) {
    return L"<no key>";
  }
  wchar_t text[512] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  const LONG status = RegQueryValueExW(key, L"SSID", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  return status == 0 ? std::wstring(text) : L"<no value>";
}

// A name code page 936 cannot hold, as reg.exe writes it: read and put back by the wide calls,
// through a backup in regedit's UTF-16 format.
TEST_F(CliExeTest, ANameOutsideCodePage936IsBackedUpAndRestoredExactly) {
  const std::wstring name = L"Wi\U0001F600Fi와이파이";
  RunProcess(L"reg.exe add \"HKEY_LOCAL_MACHINE\\" + std::wstring(kClass001) + L"\\0007\" /v SSID /t REG_SZ /d \"" +
                 name + L"\" /f",
             dir_);
  ASSERT_EQ(Ssid(kClass001, L"0007"), name);
  PutString(kCurrentClass, L"0003", L"SSID", L"奶茶店");
  const std::string before = Export();

  ProcessOutcome run = Cli(L"status");
  EXPECT_NE(run.out.find("  0007  SSID = \"" + WideToUtf8(name) + "\"\r\n"), std::string::npos) << run.out;
  run = Cli(L"set x --mode windows7 --backup u.reg");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_EQ(QueryClass(kClass001)[L"0007"][L"SSID"], L"x");
  const std::string file = ReadBytes(dir_ + L"\\u.reg");
  EXPECT_EQ(file.rfind(std::string("\xFF\xFEW\0i\0n\0d\0o\0w\0s\0", 16), 0), 0u);
  run = Cli(L"restore u.reg");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_EQ(Ssid(kClass001, L"0007"), name);
  EXPECT_EQ(Export(), before);
}

// Opened by double-click, a backup is imported by regedit: it puts the names back and deletes
// no key, not even one created by the roll-out that a network card has filled since.
TEST_F(CliExeTest, RegeditImportingABackupDeletesNoKey) {
  PutString(kClass001, L"0007", L"SSID", L"老名字");
  ASSERT_EQ(Cli(L"set x --mode cafe --backup b.reg").exit_code, 0u);
  PutString(kCurrentClass, L"0005", L"DriverDesc", L"new card");
  RunProcess(L"regedit.exe /s \"" + dir_ + L"\\b.reg\"", dir_);
  RegDump dump = QueryClass(kClass001);
  EXPECT_EQ(dump[L"0007"][L"SSID"], L"老名字");  // the import ran
  EXPECT_EQ(QueryClass(kCurrentClass)[L"0005"][L"DriverDesc"], L"new card");
  EXPECT_EQ(SsidCount(dump), 100);  // the keys the roll-out created keep their name
}

// What a backup cannot hold is refused before anything is written: a file cut at any line
// end, other types, oversized or multi-line data, a header of another tool.
TEST_F(CliExeTest, RestoreRefusesWhatABackupCannotHold) {
  PutString(kClass001, L"0007", L"SSID", L"老名字");
  PutString(kCurrentClass, L"0042", L"SSID", L"old");
  ASSERT_EQ(Cli(L"set x --mode cafe --backup b.reg").exit_code, 0u);
  const std::string file = ReadBytes(dir_ + L"\\b.reg");
  WriteBytes(Settings(), "[SSID]\r\nSSID=x\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n");
  const std::string before = Export();
  const std::string end = "; 360RI.INI (none)\r\n; end of backup: 1 slots\r\n";
  const auto value = [&](const std::string& data) {
    return "REGEDIT4\r\n[" + k001 + "\\0007]\r\n\"SSID\"=" + data + "\r\n" + end;
  };
  std::string big = "hex:00";
  for (int n = 0; n < 256; ++n) big += ",41";
  std::vector<std::string> files = {
      "REGEDIT4",
      "REGEDIT4\r\n",
      value("hex(2):61,00"),
      value("hex(ffffffff):61,00"),
      value("hex(4):01,00,00,00"),
      value(big),
      value("hex(1):61,00,0a,00,62,00,00,00"),
      "Windows Registry Editor Version 4.00\r\n[" + k001 + "\\0007]\r\n\"SSID\"=\"y\"\r\n" + end,
  };
  // Cut after each line end; in regedit's UTF-16 format (a code page other than 936) too.
  const std::string lineEnd = file.rfind("\xFF\xFE", 0) == 0 ? std::string("\r\0\n\0", 4) : std::string("\r\n");
  for (std::size_t at = file.find(lineEnd); at != std::string::npos && at + lineEnd.size() < file.size();
       at = file.find(lineEnd, at + lineEnd.size())) {
    files.push_back(file.substr(0, at + lineEnd.size()));
  }
  ASSERT_GT(files.size(), 200u);
  for (std::size_t n = 0; n < files.size(); ++n) {
    WriteBytes(dir_ + L"\\r.reg", files[n]);
    const ProcessOutcome run = Cli(L"restore r.reg");
    ASSERT_EQ(run.exit_code, 2u) << files[n];
    ASSERT_NE(run.err.find("没有做任何修改"), std::string::npos) << run.err;
  }
  EXPECT_EQ(Export(), before);
  // The same data, whole, is taken.
  WriteBytes(dir_ + L"\\r.reg", value("\"y\""));
  EXPECT_EQ(Cli(L"restore r.reg").exit_code, 0u);
  EXPECT_EQ(QueryClass(kClass001)[L"0007"][L"SSID"], L"y");
}

TEST_F(CliExeTest, ABackupThatCannotBeWrittenChangesNothing) {
  PutString(kClass001, L"0007", L"SSID", L"old");
  WriteBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0007\r\nSSIDITEMT=0000\r\n");
  const std::string before = Export();
  ProcessOutcome run = Cli(L"set new --mode cafe --backup missing\\b.reg");
  EXPECT_EQ(run.exit_code, 2u);
  EXPECT_EQ(run.err, "备份文件 missing\\b.reg 无法写入,本次没有修改。\r\n");

  // A file another program holds open without sharing.
  const std::wstring locked = dir_ + L"\\locked.reg";
  HANDLE hold = CreateFileW(locked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);
  run = Cli(L"set new --mode windows7 --backup locked.reg");
  CloseHandle(hold);
  EXPECT_EQ(run.exit_code, 2u);
  EXPECT_NE(run.err.find("已经存在"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(locked), "");
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadBytes(Settings()), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0007\r\nSSIDITEMT=0000\r\n");
}

TEST_F(CliExeTest, AccessDeniedExitsWithThreeAndWritesNothing) {
  // Every slot of both control sets exists, the stick in 0004; a backup taken while allowed.
  for (const wchar_t* classKey : {kClass001, kCurrentClass}) {
    for (int n = 0; n <= 99; ++n) {
      wchar_t slot[8];
      wsprintfW(slot, L"%04d", n);
      PutString(classKey, slot, n == 4 ? L"SSID" : L"DriverDesc", n == 4 ? L"stick" : L"old");
    }
  }
  ASSERT_EQ(Cli(L"set old --mode xp --backup b.reg").exit_code, 0u);

  // One slot nobody may write: café mode writes none of the 200 rather than 199 and a 3.
  if (!MakeReadOnly(kClass001, L"0050")) GTEST_SKIP() << "this Wine cannot restrict a key";
  std::string before = Export();
  ProcessOutcome run = Cli(L"set new --mode cafe");
  EXPECT_EQ(run.exit_code, 3u) << run.err;
  EXPECT_EQ(Export(), before);

  // Then every slot lets everyone only read it, as for a user without administrator rights.
  for (const wchar_t* classKey : {kClass001, kCurrentClass}) {
    for (int n = 0; n <= 99; ++n) {
      wchar_t slot[8];
      wsprintfW(slot, L"%04d", n);
      ASSERT_TRUE(MakeReadOnly(classKey, slot));
    }
  }
  WriteBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0009\r\nSSIDITEMT=0009\r\n");
  before = Export();

  // The search only reads: status, --dry-run and the run itself all find 0004.
  run = Cli(L"status");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_NE(run.out.find("  0004  SSID = \"stick\"\r\n"), std::string::npos) << run.out;
  run = Cli(L"set new --mode windows7 --dry-run");
  EXPECT_EQ(run.exit_code, 0u);
  EXPECT_NE(run.out.find(k001 + "\\0004  SSID = \"new\""), std::string::npos) << run.out;
  run = Cli(L"set new --mode windows7");
  EXPECT_EQ(run.exit_code, 3u);
  EXPECT_EQ(run.err, "没有修改注册表的权限:请在\"以管理员身份运行\"的命令提示符中执行 wendral-cli。本次没有修改。\r\n");
  run = Cli(L"set new --mode cafe --backup c.reg");
  EXPECT_EQ(run.exit_code, 3u);
  EXPECT_EQ(ReadBytes(dir_ + L"\\c.reg"), "<no file>");
  run = Cli(L"restore b.reg");
  EXPECT_EQ(run.exit_code, 3u);
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadBytes(Settings()), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0009\r\nSSIDITEMT=0009\r\n");
}

// Some written, some not: the registry took the name, the settings file did not.
TEST_F(CliExeTest, AWriteThatFailsAfterOthersExitsWithOne) {
  PutString(kClass001, L"0007", L"SSID", L"stick");
  WriteBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0007\r\nSSIDITEMT=0000\r\n");
  // Held open without sharing by another program.
  HANDLE hold = CreateFileW(Settings().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);
  const ProcessOutcome run = Cli(L"set new --mode windows7");
  CloseHandle(hold);
  EXPECT_EQ(run.exit_code, 1u) << run.err;
  EXPECT_EQ(QueryClass(kClass001)[L"0007"][L"SSID"], L"new");
  EXPECT_EQ(ReadBytes(Settings()), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0007\r\nSSIDITEMT=0000\r\n");
}

TEST_F(CliExeTest, RestoreRefusesAFileThatTouchesOtherValues) {
  PutString(kClass001, L"0007", L"SSID", L"keep");
  const std::string before = Export();
  WriteBytes(dir_ + L"\\evil.reg", "REGEDIT4\r\n\r\n[" + k001 + "\\0007]\r\n\"SSID\"=\"x\"\r\n\"DriverDesc\"=\"x\"\r\n");
  const ProcessOutcome run = Cli(L"restore evil.reg");
  EXPECT_EQ(run.exit_code, 2u);
  EXPECT_EQ(run.err, "拒绝恢复 evil.reg:第 5 行: 文件要修改 \"SSID\" 以外的值。 没有做任何修改。\r\n");
  EXPECT_EQ(Export(), before);
}

// Wine's class installer cannot restart a device (its class install parameters are not
// implemented): the USB stick is tried and named, the wired card never, and the write stands.
TEST_F(CliExeTest, RestartTriesOnlyTheUsbDeviceOfAWrittenSlotAndExitsWithFiveUnderWine) {
  const PrefixDevice stick(L"USB\\VID_0BDA&PID_8179\\WENDRAL", L"360随身WIFI", L"0042");
  const PrefixDevice wired(L"PCI\\VEN_8086&DEV_100E\\WENDRAL", L"有线网卡", L"0001");
  ASSERT_TRUE(stick.made() && wired.made());
  PutString(kCurrentClass, L"0042", L"SSID", L"老名字");
  PutString(kCurrentClass, L"0001", L"SSID", L"wired");
  const std::string named = "\"360随身WIFI\"(USB\\VID_0BDA&PID_8179\\WENDRAL)";

  ProcessOutcome run = Cli(L"status");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_NE(run.out.find("  0001  SSID = \"wired\"  设备: \"有线网卡\"(PCI\\VEN_8086&DEV_100E\\WENDRAL,其他总线,已接入)\r\n"
                         "  0042  SSID = \"老名字\"  设备: \"360随身WIFI\"(USB\\VID_0BDA&PID_8179\\WENDRAL,USB,已接入)\r\n"),
            std::string::npos)
      << run.out;

  const std::string before = Export();
  run = Cli(L"set 网吧-3号机 --mode cafe --restart --dry-run");
  EXPECT_EQ(run.exit_code, 0u) << run.err;
  EXPECT_NE(run.out.find("\r\n将重启设备 " + named + "\r\n(--dry-run:没有做任何修改)\r\n"), std::string::npos) << run.out;
  EXPECT_EQ(Export(), before);

  run = Cli(L"set 网吧-3号机 --mode cafe --restart --backup b.reg");
  EXPECT_EQ(run.exit_code, 5u);
  EXPECT_EQ(run.out, "已把 \"SSID\" 值备份到 b.reg\r\n已把网络名称 \"网吧-3号机\" 写入 200 处位置。\r\n");
  EXPECT_EQ(run.err, "无法重启设备 " + named + "。请重新拨插这个随身WIFI,让新名称生效。\r\n");
  for (const wchar_t* classKey : {kClass001, kCurrentClass}) EXPECT_EQ(SsidCount(QueryClass(classKey)), 100);
  EXPECT_EQ(QueryClass(kCurrentClass)[L"0042"][L"SSID"], L"网吧-3号机");

  // The backup holds the names from before the write.
  EXPECT_EQ(Cli(L"restore b.reg").exit_code, 0u);
  EXPECT_EQ(Export(), before);
}

TEST_F(CliExeTest, OnAConsoleChineseIsWrittenAsUnicodeText) {
  PutString(kClass001, L"0007", L"SSID", L"老名字");
  // A console of this test's own, which the tool inherits as its output.
  FreeConsole();
  if (!AllocConsole()) GTEST_SKIP() << "no console available";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(console, INVALID_HANDLE_VALUE);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = console;
  startup.hStdError = console;
  std::wstring command = L"\"" + dir_ + L"\\wendral-cli.exe\" status";
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, dir_.c_str(), &startup,
                             &process));
  WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  EXPECT_EQ(exitCode, 0u);
  // The screen up to the cursor: the long key lines wrap, the slot line follows them.
  CONSOLE_SCREEN_BUFFER_INFO info{};
  ASSERT_TRUE(GetConsoleScreenBufferInfo(console, &info));
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwCursorPosition.Y + 1);
  std::wstring screen(cells, L' ');
  DWORD read = 0;
  ReadConsoleOutputCharacterW(console, screen.data(), cells, COORD{0, 0}, &read);
  CloseHandle(console);
  FreeConsole();
  const std::size_t at = screen.find(L"  0007  SSID = ");
  ASSERT_NE(at, std::wstring::npos) << WideToUtf8(screen);
  const std::wstring line = screen.substr(at, 40);
  // A console may give a double-width character's two cells as one character or two.
  EXPECT_EQ(line.rfind(L"  0007  SSID = \"老", 0), 0u) << WideToUtf8(line);
  const std::size_t name = line.find(L"名"), character = line.find(L"字");
  EXPECT_TRUE(name != std::wstring::npos && character != std::wstring::npos && name < character) << WideToUtf8(line);
}

}  // namespace
}  // namespace wendral::e2e
