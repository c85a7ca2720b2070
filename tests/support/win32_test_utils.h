// What Win32 suites need around the code they test: the folder the test executable stands
// in, a program run to its end with its output, a program started and its windows waited
// for. A file's bytes: support/test_files.h.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "support/test_files.h"

namespace wendral::test {

// The folder of the running executable, without a trailing backslash; the programs under
// test are built beside it.
inline std::wstring ExecutableFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring file(path, n);
  return file.substr(0, file.find_last_of(L'\\'));
}

inline std::wstring Utf8ToWide(const std::string& text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), size)));
  return wide;
}

inline std::string WideToUtf8(const std::wstring& text) {
  std::string out(text.size() * 4, '\0');
  out.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                          out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

// Polls until the condition holds; false on timeout.
inline bool WaitFor(const std::function<bool()>& condition, DWORD timeout_ms = 10000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(50);
  }
  return true;
}

// A window's text, also of another process's child window (WM_GETTEXT crosses the process
// boundary, GetWindowText does not for child windows).
inline std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

struct ProcessOutcome {
  bool started = false;
  DWORD exit_code = 0xFFFFFFFF;  // also when it did not end within the time
  std::string out;               // the bytes written to standard output
  std::string err;               // and to standard error
};

// Runs a command line (its first word the program, quoted where it holds spaces) in
// `folder` (empty: this process's) until it ends or `timeout_ms` passes. Its output goes to
// files, so the program sees a redirection rather than a console or a pipe; they are made in
// `folder`, or the temporary folder, and removed again.
inline ProcessOutcome RunProcess(const std::wstring& command_line, const std::wstring& folder = L"",
                                 DWORD timeout_ms = 60000) {
  std::wstring files = folder;
  if (files.empty()) {
    wchar_t temp[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, temp);
    files.assign(temp, n);
    if (!files.empty() && files.back() == L'\\') files.pop_back();
  }
  // Names of their own each time: a console helper may hold the last run's files a while.
  static int run = 0;
  const std::wstring number = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++run);
  const std::wstring out_path = files + L"\\stdout-" + number + L".txt";
  const std::wstring err_path = files + L"\\stderr-" + number + L".txt";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileW(out_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  HANDLE err = CreateFileW(err_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  std::wstring command = command_line;
  PROCESS_INFORMATION process{};
  ProcessOutcome outcome;
  outcome.started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                   folder.empty() ? nullptr : folder.c_str(), &startup, &process) != FALSE;
  if (outcome.started) {
    if (WaitForSingleObject(process.hProcess, timeout_ms) == WAIT_OBJECT_0)
      GetExitCodeProcess(process.hProcess, &outcome.exit_code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(out);
  CloseHandle(err);
  outcome.out = ReadBytes(out_path);
  outcome.err = ReadBytes(err_path);
  DeleteFileW(out_path.c_str());
  DeleteFileW(err_path.c_str());
  return outcome;
}

// A program started for a test, ended when the test lets go of it if it still runs.
class StartedProcess {
 public:
  StartedProcess() = default;
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;
  ~StartedProcess() { End(); }

  // Ends it if it still runs and lets go of it (before its files can be removed).
  void End() {
    if (!process_.hProcess) return;
    if (Running()) TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
  }

  // Starts `exe` with `arguments` in `folder` (empty: this process's) and waits until it
  // is idle for input; false when it could not be started.
  bool Start(const std::wstring& exe, const std::wstring& arguments = L"", const std::wstring& folder = L"") {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process_))
      return false;
    WaitForInputIdle(process_.hProcess, 10000);
    return true;
  }
  bool Running() const { return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
  // True when it ended within the time.
  bool WaitForExit(DWORD timeout_ms = 10000) const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, timeout_ms) == WAIT_OBJECT_0;
  }
  HANDLE Handle() const { return process_.hProcess; }
  // A named function, not a lambda: the callback must be CALLBACK (stdcall on 32-bit).
  struct WindowRequest {
    DWORD pid;
    const wchar_t* class_name;
    const wchar_t* title;
    HWND found;
  };
  static BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* r = reinterpret_cast<WindowRequest*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != r->pid || !IsWindowVisible(window)) return TRUE;
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) != r->class_name) return TRUE;
    if (r->title && WindowText(window) != r->title) return TRUE;
    r->found = window;
    return FALSE;
  }

  DWORD Id() const { return process_.dwProcessId; }
  DWORD MainThreadId() const { return process_.dwThreadId; }

  // A visible top-level window of this program by class name and, when given, title; null
  // when there is none.
  HWND VisibleWindow(const wchar_t* class_name, const wchar_t* title = nullptr) const {
    WindowRequest request{process_.dwProcessId, class_name, title, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&request));
    return request.found;
  }
  // The same, waited for; null when it did not come within the time.
  HWND WaitForWindow(const wchar_t* class_name, const wchar_t* title = nullptr, DWORD timeout_ms = 10000) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = VisibleWindow(class_name, title)) != nullptr; }, timeout_ms);
    return found;
  }
  // The program's keyboard focus (GetGUIThreadInfo of its first thread).
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
  }

 private:
  PROCESS_INFORMATION process_{};
};

}  // namespace wendral::test
