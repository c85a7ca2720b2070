// The store's .reg files against Wine's own regedit: what the store saves, `regedit /s` imports
// into the same values; what `regedit /e` exports (UTF-16LE, version 5), the store loads into
// the same values.
#include <windows.h>

#include <gtest/gtest.h>

#include "formats/reg_file.h"
#include "win32/win32_registry.h"
#include "registry/registry_backends.h"
#include "support/win32_test_utils.h"

namespace wendral::testing {
namespace {

// Runs regedit.exe and waits for it; its exit code, or -1.
long Regedit(const std::string& arguments) {
  const int size = static_cast<int>(arguments.size());
  std::wstring wide(arguments.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, arguments.data(), size, wide.data(), size)));
  return static_cast<long>(test::RunProcess(L"regedit.exe " + wide, L"", 120000).exit_code);
}

class WineRegedit : public ::testing::Test {
 protected:
  void SetUp() override {
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    file_ = std::string(directory) + "wendral-" + std::to_string(GetCurrentProcessId()) + ".reg";
  }
  void TearDown() override { DeleteFileA(file_.c_str()); }

  std::unique_ptr<RegistryBackend> wine_ = MakeWin32Backend();
  std::string key_ = wine_->Scratch() + "\\Regedit";
  std::string file_;
  MemoryRegistry store_;
};

TEST_F(WineRegedit, ImportsWhatTheStoreSaves) {
  FillWithEveryKind(store_, key_, /*exportSafe=*/false);
  ASSERT_TRUE(SaveRegFile(store_, file_, reg::kHkeyLocalMachine, key_));
  ASSERT_EQ(Regedit("/s \"" + file_ + "\""), 0);
  const auto imported = wine_->Snapshot(key_);
  ASSERT_TRUE(imported) << "regedit made no key";
  EXPECT_EQ(store_.Snapshot(reg::kHkeyLocalMachine, key_), *imported);
}

TEST_F(WineRegedit, TheStoreLoadsWhatRegeditExports) {
  Win32Registry api;
  FillWithEveryKind(api, key_, /*exportSafe=*/true);
  ASSERT_EQ(Regedit("/e \"" + file_ + "\" \"HKEY_LOCAL_MACHINE\\" + key_ + "\""), 0);
  const RegImportReport report = LoadRegFile(store_, file_);
  EXPECT_TRUE(report.ok()) << (report.issues.empty() ? "no file" : report.issues[0].message);
  const auto loaded = store_.Snapshot(reg::kHkeyLocalMachine, key_);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(wine_->Snapshot(key_), *loaded);
}

// The forms regedit takes beside those it writes: a dword of fewer digits, a comment after a
// value, a hex list going on past a comment line, a type number with leading zeros.
TEST_F(WineRegedit, TheStoreReadsAFileAsRegeditDoes) {
  test::WriteBytes(file_,
                 "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" + key_ +
                     "]\r\n"
                     "\"short\"=dword:1a\r\n"
                     "\"noted\"=dword:00000002 ; a comment\r\n"
                     "\"text\"=\"a\\\\b\\\"c\" ; a comment\r\n"
                     "\"list\"=hex:01,02,\\\r\n"
                     "; a comment inside the list\r\n"
                     "  03\r\n"
                     "\"typed\"=hex(0003):ff\r\n"
                     "@=\"default\"\r\n");
  ASSERT_EQ(Regedit("/s \"" + file_ + "\""), 0);
  const auto imported = wine_->Snapshot(key_);
  ASSERT_TRUE(imported) << "regedit made no key";
  ASSERT_EQ(imported->values.size(), 6u);
  EXPECT_TRUE(LoadRegFile(store_, file_).ok());
  EXPECT_EQ(store_.Snapshot(reg::kHkeyLocalMachine, key_), *imported);
}

}  // namespace
}  // namespace wendral::testing
