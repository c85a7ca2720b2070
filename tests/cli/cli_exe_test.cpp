// The real wendral-cli.exe as its own process under Wine: its output (UTF-8 when
// redirected) and exit status, the prefix's registry read back with reg.exe and exported
// with regedit, and 360RI.INI byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/wine_registry.h"

namespace wendral::e2e {
namespace {

std::wstring Here() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, n);
  return dir.substr(0, dir.find_last_of(L'\\'));
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) return "<no file>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Utf8(const std::wstring& text) {
  std::string out(text.size() * 4, '\0');
  out.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                          out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

struct Outcome {
  DWORD exitCode = 0xFFFFFFFF;
  std::string out;
  std::string err;
};

// Runs a program of the prefix with its output into files, so it sees a redirection.
Outcome RunProcess(const std::wstring& commandLine, const std::wstring& outputDir) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  // Names of their own each time: a console helper may hold the last run's files a while.
  static int run = 0;
  const std::wstring number = std::to_wstring(++run);
  const std::wstring outPath = outputDir + L"\\stdout-" + number + L".txt";
  const std::wstring errPath = outputDir + L"\\stderr-" + number + L".txt";
  HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  HANDLE err = CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  std::wstring command = commandLine;
  PROCESS_INFORMATION process{};
  Outcome outcome;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, outputDir.c_str(),
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &outcome.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(out);
  CloseHandle(err);
  outcome.out = ReadFileBytes(outPath);
  outcome.err = ReadFileBytes(errPath);
  DeleteFileW(outPath.c_str());
  DeleteFileW(errPath.c_str());
  return outcome;
}

const std::string k001 = "HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";
const std::string kCurrent =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}";

class CliExeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSlots();
    static int counter = 0;
    dir_ = Here() + L"\\cli-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    CreateDirectoryW(dir_.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((Here() + L"\\wendral-cli.exe").c_str(), (dir_ + L"\\wendral-cli.exe").c_str(), FALSE));
  }
  void TearDown() override {
    ClearSlots();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(dir_), ignored);
  }

  Outcome Cli(const std::wstring& args) { return RunProcess(L"\"" + dir_ + L"\\wendral-cli.exe\" " + args, dir_); }
  std::wstring Settings() const { return dir_ + L"\\360RI.INI"; }
  // Both class keys as Wine's regedit exports them.
  std::string Export() {
    std::string both;
    for (const wchar_t* key : {kClass001, kCurrentClass}) {
      const std::wstring file = dir_ + L"\\export.reg";
      DeleteFileW(file.c_str());
      RunProcess(L"regedit.exe /e \"" + file + L"\" \"HKEY_LOCAL_MACHINE\\" + key + L"\"", dir_);
      both += ReadFileBytes(file);
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

TEST_F(CliExeTest, StatusSetAndTheirOutputInUtf8) {
  PutString(kClass001, L"0007", L"SSID", L"老名字");
  PutString(kCurrentClass, L"0099", L"SSID", L"末位\t");
  WriteFileBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0003\r\nSSIDITEMT=0005\r\n");

  Outcome run = Cli(L"status");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.out, "[Windows7] " + k001 + "\r\n  0007  SSID = \"老名字\"\r\n[Windows XP] " + kCurrent +
                         "\r\n  0099  SSID = \"末位\\t\"\r\n[360RI.INI] " + Utf8(Settings()) +
                         "\r\n  SSID=\"old\"\r\n  SSIDITEMO=\"0003\"\r\n  SSIDITEMT=\"0005\"\r\n");
  EXPECT_EQ(run.err, "");

  run = Cli(L"set 奶茶店 --mode windows7");
  EXPECT_EQ(run.exitCode, 0u) << run.err;
  EXPECT_EQ(run.out, "已把网络名称 \"奶茶店\" 写入 " + k001 + "\\0007。请重新拨插随身WIFI,让新名称生效。\r\n");
  EXPECT_EQ(QueryClass(kClass001)[L"0007"][L"SSID"], L"奶茶店");
  EXPECT_EQ(ReadFileBytes(Settings()), "[SSID]\r\nSSID=\xC4\xCC\xB2\xE8\xB5\xEA\r\nSSIDITEMO=0007\r\nSSIDITEMT=0005\r\n");

  run = Cli(L"set \"XP 模式\" --mode xp");
  EXPECT_EQ(run.exitCode, 0u) << run.err;
  EXPECT_EQ(QueryClass(kCurrentClass)[L"0099"][L"SSID"], L"XP 模式");
  EXPECT_EQ(ReadFileBytes(Settings()), "[SSID]\r\nSSID=XP \xC4\xA3\xCA\xBD\r\nSSIDITEMO=0007\r\nSSIDITEMT=0099\r\n");

  run = Cli(L"--version");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(run.out, "Wendral 1.5.0\r\n");
}

TEST_F(CliExeTest, RefusalsExitWithTwoAndChangeNothing) {
  PutString(kClass001, L"0000", L"SSID", L"slot zero");
  WriteFileBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n");
  const std::string before = Export();
  const std::vector<std::pair<std::wstring, std::string>> cases = {
      {L"set " + std::wstring(33, L'a') + L" --mode cafe", "现在是33个字节"},
      {L"set 一二三四五六七八九十一二三四五六七 --mode cafe", "现在是34个字节"},
      {L"set Wi\U0001F600Fi --mode cafe", "无法使用的字符"},
      {L"set ok --mode windows7", "没有找到随身WIFI"},
      {L"set ok --mode xp", "\"0100\" 不在 0000 到 0099 之间"},
      {L"set ok", "必须给出 --mode"},
      {L"", "缺少命令"},
  };
  for (const auto& [args, says] : cases) {
    const Outcome run = Cli(args);
    EXPECT_EQ(run.exitCode, 2u) << says;
    EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadFileBytes(Settings()), "[SSID]\r\nSSID=old\r\nSSIDITEMO=\r\nSSIDITEMT=0100\r\n");
}

TEST_F(CliExeTest, BackupThenRestoreLeavesTheRegistryExportByteIdentical) {
  PutString(kClass001, L"0007", L"SSID", L"老名字");
  PutString(kClass001, L"0007", L"DriverDesc", L"stick");
  PutString(kClass001, L"0003", L"DriverDesc", L"nic");
  PutString(kCurrentClass, L"0099", L"SSID", L"末位\t\"引号\"");
  const std::string before = Export();
  ASSERT_NE(before.find(std::string("D\0r\0i\0v\0e\0r\0D\0e\0s\0c\0", 20)), std::string::npos);  // UTF-16

  Outcome run = Cli(L"set 网吧-3号机 --mode cafe --backup \"备份 1.reg\"");
  EXPECT_EQ(run.exitCode, 0u) << run.err;
  for (const wchar_t* classKey : {kClass001, kCurrentClass}) {
    RegDump dump = QueryClass(classKey);
    EXPECT_EQ(SsidCount(dump), 100);
    EXPECT_EQ(dump[L"0042"][L"SSID"], L"网吧-3号机");
  }
  EXPECT_EQ(ReadFileBytes(Settings()), "[SSID]\r\nSSID=\xCD\xF8\xB0\xC9-3\xBA\xC5\xBB\xFA\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n");

  run = Cli(L"restore --dry-run \"备份 1.reg\"");
  EXPECT_EQ(run.exitCode, 0u) << run.err;
  EXPECT_NE(run.out.find(k001 + "\\0007  SSID = \"老名字\"\r\n"), std::string::npos) << run.out;
  EXPECT_EQ(SsidCount(QueryClass(kClass001)), 100);

  run = Cli(L"restore \"备份 1.reg\"");
  EXPECT_EQ(run.exitCode, 0u) << run.err;
  EXPECT_EQ(run.out, "已从 备份 1.reg 恢复 200 处 \"SSID\" 值。请重新拨插随身WIFI。\r\n");
  EXPECT_EQ(Export(), before);
}

TEST_F(CliExeTest, ABackupThatCannotBeWrittenChangesNothing) {
  PutString(kClass001, L"0007", L"SSID", L"old");
  WriteFileBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0007\r\nSSIDITEMT=0000\r\n");
  const std::string before = Export();
  Outcome run = Cli(L"set new --mode cafe --backup missing\\b.reg");
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_EQ(run.err, "备份文件 missing\\b.reg 无法写入,本次没有修改。\r\n");

  // A file another program holds open without sharing.
  const std::wstring locked = dir_ + L"\\locked.reg";
  HANDLE hold = CreateFileW(locked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);
  run = Cli(L"set new --mode windows7 --backup locked.reg");
  CloseHandle(hold);
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_NE(run.err.find("无法写入"), std::string::npos) << run.err;
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadFileBytes(Settings()), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0007\r\nSSIDITEMT=0000\r\n");
}

TEST_F(CliExeTest, AccessDeniedExitsWithThreeAndWritesNothing) {
  // Every slot of both control sets exists and lets everyone only read it, as for a user
  // without administrator rights.
  for (const wchar_t* classKey : {kClass001, kCurrentClass}) {
    for (int n = 0; n <= 99; ++n) {
      wchar_t slot[8];
      wsprintfW(slot, L"%04d", n);
      PutString(classKey, slot, L"SSID", n == 4 ? L"stick" : L"old");
      if (!MakeReadOnly(classKey, slot)) GTEST_SKIP() << "this Wine cannot restrict a key";
    }
  }
  WriteFileBytes(Settings(), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0004\r\nSSIDITEMT=0004\r\n");
  const std::string before = Export();

  Outcome run = Cli(L"set new --mode windows7");
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(run.err, "1 处写入中有 1 处没有成功(第一个错误代码 5)。\r\n"
                     "没有修改注册表的权限:请在\"以管理员身份运行\"的命令提示符中执行 wendral-cli。\r\n");
  run = Cli(L"set new --mode cafe --backup b.reg");
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_NE(run.err.find("200 处写入中有 200 处没有成功"), std::string::npos) << run.err;
  // Reading for the backup needs no more than read access.
  EXPECT_NE(ReadFileBytes(dir_ + L"\\b.reg").find("\"SSID\"=\"stick\""), std::string::npos);
  run = Cli(L"restore b.reg");
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(Export(), before);
  EXPECT_EQ(ReadFileBytes(Settings()), "[SSID]\r\nSSID=old\r\nSSIDITEMO=0004\r\nSSIDITEMT=0004\r\n");
}

TEST_F(CliExeTest, RestoreRefusesAFileThatTouchesOtherValues) {
  PutString(kClass001, L"0007", L"SSID", L"keep");
  const std::string before = Export();
  WriteFileBytes(dir_ + L"\\evil.reg", "REGEDIT4\r\n\r\n[" + k001 + "\\0007]\r\n\"SSID\"=\"x\"\r\n\"DriverDesc\"=\"x\"\r\n");
  const Outcome run = Cli(L"restore evil.reg");
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_EQ(run.err, "拒绝恢复 evil.reg:第 5 行: 文件要修改 \"SSID\" 以外的值。 没有做任何修改。\r\n");
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
  ASSERT_NE(at, std::wstring::npos) << Utf8(screen);
  const std::wstring line = screen.substr(at, 40);
  // A console may give a double-width character's two cells as one character or two.
  EXPECT_EQ(line.rfind(L"  0007  SSID = \"老", 0), 0u) << Utf8(line);
  const std::size_t name = line.find(L"名"), character = line.find(L"字");
  EXPECT_TRUE(name != std::wstring::npos && character != std::wstring::npos && name < character) << Utf8(line);
}

}  // namespace
}  // namespace wendral::e2e
