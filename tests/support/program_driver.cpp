#include "support/program_driver.h"

#include <atomic>
#include <vector>

namespace wendral::e2e {
namespace {

void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void MovePointerTo(int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

}  // namespace

ProgramDriver::ProgramDriver() {
  static std::atomic<int> counter{0};
  dir_ = test::ExecutableFolder() + L"\\e2e-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(counter++);
  CreateDirectoryW(dir_.c_str(), nullptr);
  CopyFileW((test::ExecutableFolder() + L"\\wendral.exe").c_str(), (dir_ + L"\\wendral.exe").c_str(), FALSE);
}

ProgramDriver::~ProgramDriver() {
  process_.End();
  const std::wstring settings = SettingsFile();
  SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(settings.c_str());
  RemoveDirectoryW(settings.c_str());
  DeleteFileW((dir_ + L"\\wendral.exe").c_str());
  RemoveDirectoryW(dir_.c_str());
}

std::string ProgramDriver::SettingsBytes() const { return test::ReadBytes(SettingsFile()); }

void ProgramDriver::WriteSettings(const std::string& bytes) const { test::WriteBytes(SettingsFile(), bytes); }

void ProgramDriver::Start() { process_.Start(dir_ + L"\\wendral.exe", L"", dir_); }

bool ProgramDriver::Running() const { return process_.Running(); }

bool ProgramDriver::WaitForExit(DWORD timeoutMs) const { return process_.WaitForExit(timeoutMs); }

HWND ProgramDriver::FindVisible(const wchar_t* className, const wchar_t* title) const {
  return process_.VisibleWindow(className, title);
}

HWND ProgramDriver::WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs) const {
  HWND found = process_.WaitForWindow(className, title, timeoutMs);
  if (found) Sleep(150);  // let it finish painting and take the focus
  return found;
}

std::wstring ProgramDriver::BoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

HWND ProgramDriver::Focus() const { return process_.Focus(); }

void ProgramDriver::Activate(HWND window) {
  SetForegroundWindow(GetAncestor(window, GA_ROOT));
  Sleep(100);
}

DWORD ProgramDriver::ReportedVersion() const {
  // kernel32 sits at the same address in every process, and GetVersion takes no argument, so
  // it can serve as the thread's start routine; its result becomes the thread's exit code.
  const auto getVersion = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetVersion")));
  HANDLE thread = CreateRemoteThread(process_.Handle(), nullptr, 0, getVersion, nullptr, 0, nullptr);
  if (!thread) return 0;
  DWORD version = 0;
  if (WaitForSingleObject(thread, 5000) != WAIT_OBJECT_0 || !GetExitCodeThread(thread, &version)) version = 0;
  CloseHandle(thread);
  return version;
}

COLORREF ProgramDriver::SystemColor(int index) const {
  // user32 too sits at the same address in every process; the index travels as the argument.
  const auto getSysColor = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSysColor")));
  HANDLE thread = CreateRemoteThread(process_.Handle(), nullptr, 0, getSysColor,
                                     reinterpret_cast<void*>(static_cast<INT_PTR>(index)), 0, nullptr);
  if (!thread) return CLR_INVALID;
  DWORD color = CLR_INVALID;
  if (WaitForSingleObject(thread, 5000) != WAIT_OBJECT_0 || !GetExitCodeThread(thread, &color)) color = CLR_INVALID;
  CloseHandle(thread);
  return color;
}

void ProgramDriver::PointAt(HWND window, int clientX, int clientY) {
  POINT at{clientX, clientY};
  ClientToScreen(window, &at);
  MovePointerTo(at.x, at.y);
  Sleep(150);
}

void ProgramDriver::LeftButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  Sleep(150);
}

void ProgramDriver::ClickWindow(HWND window) {
  Activate(window);
  RECT box;
  GetWindowRect(window, &box);
  MovePointerTo((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  Sleep(60);
  INPUT input[2] = {};
  for (INPUT& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(60);
  SendInput(1, &input[1], sizeof(INPUT));
  Sleep(150);
}

void ProgramDriver::Key(WORD vk, bool alt, bool ctrl, bool shift) {
  if (alt) SendKey(VK_MENU, false);
  if (ctrl) SendKey(VK_CONTROL, false);
  if (shift) SendKey(VK_SHIFT, false);
  SendKey(vk, false);
  SendKey(vk, true);
  if (shift) SendKey(VK_SHIFT, true);
  if (ctrl) SendKey(VK_CONTROL, true);
  if (alt) SendKey(VK_MENU, true);
  Sleep(150);
}

void ProgramDriver::Type(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    for (DWORD flags : {DWORD{KEYEVENTF_UNICODE}, DWORD{KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = flags;
      inputs.push_back(input);
    }
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(200);
}

HWND Child(HWND parent, int id) { return GetDlgItem(parent, id); }

}  // namespace wendral::e2e
