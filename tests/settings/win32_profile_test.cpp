// kernel32's store: a write it cannot carry out is reported, so SaveSettings can report it.
#include "win32/win32_profile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "app/ansi_text.h"
#include "app/settings.h"
#include "support/test_files.h"

namespace wendral::test {
namespace {

// Another program holding the file open without sharing it for writing.
TEST(Win32ProfileStore, SaveFailsWhileAnotherProgramLocksTheFile) {
  TempDir dir;
  const std::string path = dir.File("360RI.INI");
  WriteBytes(path, "[SSID]\r\nSSID=old\r\n");
  const std::wstring widePath = Utf8Path(path).wstring();
  HANDLE lock = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  Win32ProfileStore store;
  EXPECT_FALSE(SaveSettings(store, path, {"new", "0001", "0002"}));
  CloseHandle(lock);
  Win32ProfileStore::Flush(path);
  EXPECT_EQ(ReadBytes(path), "[SSID]\r\nSSID=old\r\n");
  // Unlocked, the same save goes through.
  EXPECT_TRUE(SaveSettings(store, path, {"new", "0001", "0002"}));
  Win32ProfileStore::Flush(path);
  EXPECT_EQ(LoadSettings(store, path), (SettingsValues{"new", "0001", "0002"}));
}

// A path with a character code page 936 lacks cannot reach the A functions.
TEST(Win32ProfileStore, PathWithoutAnAnsiFormReadsEmptyAndCannotBeWritten) {
  TempDir dir;
  const std::string path = dir.File("\xed\x95\x9c.ini");  // 한
  WriteBytes(path, "[SSID]\r\nSSID=x\r\n");
  Win32ProfileStore store;
  EXPECT_EQ(store.Read("SSID", "SSID", "", 255, path), "");
  EXPECT_FALSE(store.Write("SSID", "SSID", "y", path));
}

}  // namespace
}  // namespace wendral::test
