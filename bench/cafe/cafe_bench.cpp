// Café mode's 400 registry operations through the program's layers, against a bare loop of
// the same advapi32 calls: what the layering costs. Writes the adapter class keys of
// whatever registry it runs on; run it in a scratch Wine prefix.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window_logic.h"
#include "win32/win32_profile.h"
#include "win32/win32_registry.h"

namespace {

struct Values final : wendral::MainWindowValues {
  std::string NetworkName() const override { return "网吧-bench"; }
  void SetNetworkName(const std::string&) override {}
  std::string Windows7Slot() const override { return "0000"; }
  void SetWindows7Slot(const std::string&) override {}
  std::string WindowsXpSlot() const override { return "0000"; }
  void SetWindowsXpSlot(const std::string&) override {}
};

struct Silent final : wendral::MessageService {
  void Show(std::string_view, std::string_view, wendral::MessageIcon) override {}
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void BareLoop() {
  static const char* const kClasses[] = {
      "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}\\",
      "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002bE10318}\\"};
  // "网吧-bench" in code page 936, with its terminator.
  static const char kName[] = "\xCD\xF8\xB0\xC9-bench";
  char path[160];
  for (int n = 0; n <= 99; ++n) {
    for (const char* classPath : kClasses) {
      std::snprintf(path, sizeof path, "%s%04d", classPath, n);
      HKEY key = nullptr;
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, 0x3F, nullptr, &key, nullptr);
      RegCloseKey(key);
      key = nullptr;
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, 0x3F, &key);
      RegSetValueExA(key, "SSID", 0, REG_SZ, reinterpret_cast<const BYTE*>(kName), sizeof kName);
      RegCloseKey(key);
    }
  }
}

}  // namespace

int main() {
  wendral::Win32Registry api;
  wendral::AdapterRegistry registry(api);
  wendral::Win32ProfileStore profiles;
  Silent messages;
  wendral::SettingsKeeper settings(profiles, "NUL", messages);
  Values values;
  wendral::MainWindowLogic form(registry, settings, messages, values);

  constexpr int kRounds = 15;
  std::vector<double> layered, bare;
  for (int round = 0; round < kRounds; ++round) {
    LARGE_INTEGER t0, t1, t2;
    QueryPerformanceCounter(&t0);
    const wendral::WriteTally tally = form.Cafes();
    QueryPerformanceCounter(&t1);
    BareLoop();
    QueryPerformanceCounter(&t2);
    if (tally.failed != 0) {
      std::printf("%d of %d writes failed; run with write access below HKLM\n", tally.failed, tally.total);
      return 1;
    }
    layered.push_back(Seconds(t0, t1));
    bare.push_back(Seconds(t1, t2));
  }
  std::sort(layered.begin(), layered.end());
  std::sort(bare.begin(), bare.end());
  const double layeredMedian = layered[kRounds / 2];
  const double bareMedian = bare[kRounds / 2];
  std::printf("cafe mode, 400 registry operations (median of %d rounds)\n", kRounds);
  std::printf("  through the program's layers: %8.2f ms\n", layeredMedian * 1000);
  std::printf("  bare advapi32 loop:           %8.2f ms\n", bareMedian * 1000);
  std::printf("  ratio layered / bare:         %8.3f\n", layeredMedian / bareMedian);
  return 0;
}
