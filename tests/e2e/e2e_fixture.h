#pragma once
// What every end-to-end case of wendral.exe shares: a program in a directory of its own,
// clean adapter slots before and after, the settings file as the program writes it, and
// the user's ways through message boxes, the text box and the close box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/program_driver.h"
#include "resource_ids.h"
#include "support/wine_registry.h"

namespace wendral::e2e {

inline const std::wstring kSuccess = L"恭喜,修改360随身WIFI(SSID)网络名称成功!";

inline std::string Gbk(const std::wstring& text) {
  std::string bytes(text.size() * 2, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()),
                                                            bytes.data(), static_cast<int>(bytes.size()),
                                                            nullptr, nullptr)));
  return bytes;
}

inline std::string SettingsText(const std::wstring& name, const char* tag1, const char* tag2) {
  return "[SSID]\r\nSSID=" + Gbk(name) + "\r\nSSIDITEMO=" + tag1 + "\r\nSSIDITEMT=" + tag2 + "\r\n";
}

inline bool Checked(HWND option) { return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

class WendralE2eTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearSlots(); }
  void TearDown() override { ClearSlots(); }

  // Confirms the box on top with the keyboard and answers its text.
  std::wstring ConfirmBox(DWORD timeoutMs = 10000) {
    HWND box = program.MessageBox(timeoutMs);
    if (!box) return L"<no box>";
    const std::wstring text = ProgramDriver::BoxText(box);
    ProgramDriver::Activate(box);
    ProgramDriver::Key(VK_RETURN);
    WaitFor([&] { return !IsWindow(box); }, 3000);
    return text;
  }
  // Starts a later run and answers its main window.
  HWND StartLater(const std::string& settings) {
    program.WriteSettings(settings);
    program.Start();
    return program.WaitForWindow(L"WendralForm1");
  }
  void ReplaceName(HWND form, const std::wstring& name) {
    ProgramDriver::ClickWindow(Child(form, IDC_NETWORK_NAME));
    ProgramDriver::Key(VK_HOME);
    ProgramDriver::Key(VK_END, false, false, true);
    ProgramDriver::Key(VK_DELETE);
    ProgramDriver::Type(name);
  }
  void CloseWith(HWND form) {
    ProgramDriver::Activate(form);
    ProgramDriver::Key(VK_F4, true);
    EXPECT_TRUE(program.WaitForExit());
  }
  static int SsidCount(const RegDump& dump) {
    int count = 0;
    for (const auto& [slot, values] : dump) count += static_cast<int>(values.count(L"SSID"));
    return count;
  }

  ProgramDriver program;
};

}  // namespace wendral::e2e
