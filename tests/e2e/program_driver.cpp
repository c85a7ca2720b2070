#include "program_driver.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace wendral::e2e {
namespace {

std::wstring DriverDirectory() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, n);
  return dir.substr(0, dir.find_last_of(L'\\'));
}

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

struct FindRequest {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* request = reinterpret_cast<FindRequest*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != request->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != request->className) return TRUE;
  if (request->title && WindowText(window) != request->title) return TRUE;
  request->found = window;
  return FALSE;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

ProgramDriver::ProgramDriver() {
  static std::atomic<int> counter{0};
  dir_ = DriverDirectory() + L"\\e2e-run-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(counter++);
  CreateDirectoryW(dir_.c_str(), nullptr);
  CopyFileW((DriverDirectory() + L"\\wendral.exe").c_str(), (dir_ + L"\\wendral.exe").c_str(), FALSE);
}

ProgramDriver::~ProgramDriver() {
  if (process_.hProcess) {
    if (Running()) TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  const std::wstring settings = SettingsFile();
  SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(settings.c_str());
  RemoveDirectoryW(settings.c_str());
  DeleteFileW((dir_ + L"\\wendral.exe").c_str());
  RemoveDirectoryW(dir_.c_str());
}

std::string ProgramDriver::SettingsBytes() const {
  std::ifstream in(std::filesystem::path(SettingsFile()), std::ios::binary);
  if (!in) return "<no file>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ProgramDriver::WriteSettings(const std::string& bytes) const {
  std::ofstream(std::filesystem::path(SettingsFile()), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void ProgramDriver::Start() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring exe = dir_ + L"\\wendral.exe";
  std::wstring command = L"\"" + exe + L"\"";
  CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &startup,
                 &process_);
  WaitForInputIdle(process_.hProcess, 10000);
}

bool ProgramDriver::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramDriver::WaitForExit(DWORD timeoutMs) const {
  return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

HWND ProgramDriver::FindVisible(const wchar_t* className, const wchar_t* title) const {
  FindRequest request{process_.dwProcessId, className, title, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&request));
  return request.found;
}

HWND ProgramDriver::WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindVisible(className, title)) != nullptr; }, timeoutMs);
  if (found) Sleep(150);  // let it finish painting and take the focus
  return found;
}

std::wstring ProgramDriver::BoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

HWND ProgramDriver::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(process_.dwThreadId, &info);
  return info.hwndFocus;
}

void ProgramDriver::Activate(HWND window) {
  SetForegroundWindow(GetAncestor(window, GA_ROOT));
  Sleep(100);
}

DWORD ProgramDriver::ReportedVersion() const {
  // kernel32 sits at the same address in every process, and GetVersion takes no argument, so
  // it can serve as the thread's start routine; its result becomes the thread's exit code.
  const auto getVersion = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetVersion")));
  HANDLE thread = CreateRemoteThread(process_.hProcess, nullptr, 0, getVersion, nullptr, 0, nullptr);
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
  HANDLE thread = CreateRemoteThread(process_.hProcess, nullptr, 0, getSysColor,
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

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  // Another process's window: WM_GETTEXT crosses the boundary, GetWindowText does not for
  // child windows.
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

}  // namespace wendral::e2e
