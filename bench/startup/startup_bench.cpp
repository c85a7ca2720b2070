// Start-up to the first window, under Wine: wendral.exe (a later run, settings file in
// place) against a program that only opens one window.
//
// The win64 build's Wine runner readies the prefix and the wineserver once and hands over
// its environment; each run then starts the program with Wine's loader directly, as a
// user's double-click does with the server already up (the runner's own work, a shell and
// a wineboot per call, would otherwise swamp the difference). The clock stops when the
// display maps a new top-level window, which must carry the program's main-window title:
// wendral.exe's first-run box or any other window first fails the benchmark. The two
// programs take turns within every iteration, so a busy machine slows both alike; one run
// of each before the clock starts is left out.
//
// Counters: the median time and CPU (the started process, all its threads) of each
// program per start; wendral.exe's over the minimal program's, as the median of each
// iteration's ratio (bench/ratios.py prints them); the wineserver's CPU per start, as a
// mean.
//
// Needs DISPLAY (an Xvfb will do) and the win64 build beside this one (build/win64).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/user_texts.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path kWin64 = WENDRAL_WIN64_BUILD;

struct Program {
  std::string file;
  std::string title;  // of its main window
};

const Program kMinimal{"minimal_window.exe", "minimal"};
const Program kWendral{"wendral.exe", std::string(wendral::texts::kMainCaption)};

// A window can be gone by the time its attributes are asked for.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

// The environment the runner gives a program, and its loader; the runner readies the
// prefix and starts the wineserver on the way.
struct WineLaunch {
  std::vector<std::string> environment;
  std::string loader;
};

WineLaunch PrepareWine() {
  const std::string command = "'" + (kWin64 / "wine-run.sh").string() + "' --env";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot start the Wine runner");
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  if (pclose(pipe) != 0) throw std::runtime_error("the Wine runner failed (is build/win64 configured?)");
  WineLaunch launch;
  for (std::size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos; start = end + 1) {
    launch.environment.push_back(text.substr(start, end - start));
    if (launch.environment.back().rfind("WINELOADER=", 0) == 0) launch.loader = launch.environment.back().substr(11);
  }
  if (launch.loader.empty()) throw std::runtime_error("the Wine runner names no loader");
  return launch;
}

// A copy of both programs in a folder of their own, with a settings file so that
// wendral.exe takes its later-run road straight to the main window.
fs::path Stage() {
  const fs::path dir = fs::temp_directory_path() / ("wendral-startup-" + std::to_string(getpid()));
  fs::create_directories(dir);
  for (const Program* p : {&kMinimal, &kWendral})
    fs::copy_file(kWin64 / "bin" / p->file, dir / p->file, fs::copy_options::overwrite_existing);
  std::ofstream(dir / "360RI.INI") << "[SSID]\r\nSSID=bench\r\nSSIDITEMO=0001\r\nSSIDITEMT=0001\r\n";
  return dir;
}

std::string WindowTitle(Display* display, Window window) {
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const Atom net_name = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display, window, net_name, 0, 1024, False, utf8, &type, &format, &count, &after,
                         &data) == Success && data) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
  } else if (char* name = nullptr; XFetchName(display, window, &name) && name) {
    title = name;
    XFree(name);
  }
  return title;
}

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The prefix's wineserver, which does part of every program's work: its CPU time so far
// (in clock ticks, so only a mean over many runs says much).
struct Server {
  pid_t pid = 0;
  double CpuSeconds() const {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(text.substr(close + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;  // state .. cmajflt
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
  }
};

Server FindServer(const WineLaunch& wine) {
  std::string prefix;
  for (const std::string& entry : wine.environment)
    if (entry.rfind("WINEPREFIX=", 0) == 0) prefix = entry;
  for (const auto& process : fs::directory_iterator("/proc")) {
    std::ifstream comm(process.path() / "comm");
    std::string name;
    if (!std::getline(comm, name) || name.rfind("wineserver", 0) != 0) continue;
    std::ifstream environ(process.path() / "environ");
    for (std::string entry; std::getline(environ, entry, '\0');)
      if (entry == prefix) return {static_cast<pid_t>(std::stol(process.path().filename().string()))};
  }
  throw std::runtime_error("no wineserver for " + prefix);
}

struct Start {
  double seconds = 0;
  double cpu_seconds = 0;
  double server_cpu_seconds = 0;
};

// Waits up to `limit` for the next X event; false when none came.
bool NextEvent(Display* display, XEvent& event, std::chrono::milliseconds limit) {
  if (!XPending(display)) {
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(limit.count())) <= 0 || !XPending(display)) return false;
  }
  XNextEvent(display, &event);
  return true;
}

pid_t Launch(const WineLaunch& wine, const fs::path& dir, const Program& program) {
  std::vector<char*> envp;
  for (const std::string& entry : wine.environment) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);
  const std::string exe = (dir / program.file).string();
  const pid_t child = fork();
  if (child == 0) {
    setpgid(0, 0);
    if (chdir(dir.c_str()) != 0) _exit(126);
    // Wine's own messages, for the error when the program fails to start.
    const int log = open("wine-stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log >= 0) dup2(log, 2);
    const char* argv[] = {wine.loader.c_str(), exe.c_str(), nullptr};
    execve(wine.loader.c_str(), const_cast<char* const*>(argv), envp.data());
    _exit(127);
  }
  return child;
}

// Waits for the child's first mapped top-level window, which must be its main window.
Window AwaitMainWindow(Display* display, pid_t child, const fs::path& dir, const Program& program,
                       Clock::time_point* shown_at) {
  Window shown = None;
  XEvent event;
  int status = 0;
  bool ended = false;
  for (const auto limit = Clock::now() + std::chrono::seconds(30); shown == None && Clock::now() < limit;) {
    if (!NextEvent(display, event, std::chrono::milliseconds(20))) {
      if (waitpid(child, &status, WNOHANG) == child) {
        ended = true;
        break;
      }
      continue;
    }
    if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) {
      if (shown_at) *shown_at = Clock::now();
      shown = event.xmap.window;
    }
  }
  if (ended) {
    std::ifstream log(dir / "wine-stderr.txt");
    std::string line, last;
    while (std::getline(log, line))
      if (!line.empty()) last = line;
    throw std::runtime_error(program.file + " ended without a window (wait status " + std::to_string(status) +
                             (last.empty() ? ")" : "): " + last));
  }
  if (shown == None) throw std::runtime_error(program.file + " showed no window in 30 s");
  const std::string title = WindowTitle(display, shown);
  if (title != program.title)
    throw std::runtime_error(program.file + " first showed \"" + title + "\", not its main window");
  return shown;
}

void Stop(pid_t child) {
  kill(-child, SIGKILL);
  waitpid(child, nullptr, 0);
}

// Starts the program once and times it to its first mapped top-level window.
Start StartOnce(Display* display, const WineLaunch& wine, const Server& server, const fs::path& dir,
                const Program& program) {
  XSync(display, True);  // forget the windows of earlier runs
  const double cpu_before = ChildCpuSeconds();
  const double server_before = server.CpuSeconds();
  const auto start = Clock::now();
  const pid_t child = Launch(wine, dir, program);
  Clock::time_point end;
  Window shown;
  double server_cpu = 0;
  try {
    shown = AwaitMainWindow(display, child, dir, program, &end);
    server_cpu = server.CpuSeconds() - server_before;
  } catch (...) {
    Stop(child);
    throw;
  }
  Stop(child);
  // Let the killed program's window go before the next run watches for a new one.
  XEvent event;
  for (auto limit = Clock::now() + std::chrono::seconds(2); Clock::now() < limit;) {
    if (NextEvent(display, event, std::chrono::milliseconds(20)) &&
        ((event.type == UnmapNotify && event.xunmap.window == shown) ||
         (event.type == DestroyNotify && event.xdestroywindow.window == shown)))
      break;
  }
  return {std::chrono::duration<double>(end - start).count(), ChildCpuSeconds() - cpu_before, server_cpu};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_StartUpWendralAgainstMinimal(benchmark::State& state) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    state.SkipWithError("no X display (set DISPLAY)");
    return;
  }
  XSetErrorHandler(IgnoreXErrors);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::vector<double> time[2], cpu[2];
  double server_cpu[2] = {0, 0};
  pid_t keeper = 0;
  fs::path dir;
  try {
    const WineLaunch wine = PrepareWine();
    dir = Stage();
    const Server server = FindServer(wine);
    // Wine's desktop process ends a moment after its last window's program; one more
    // window held open for the whole run keeps it up, so no run pays for (or races) its
    // restart.
    XSync(display, True);
    keeper = Launch(wine, dir, kMinimal);
    AwaitMainWindow(display, keeper, dir, kMinimal, nullptr);
    const Program* programs[2] = {&kMinimal, &kWendral};
    for (const Program* p : programs) StartOnce(display, wine, server, dir, *p);  // warm-up, not counted
    bool wendral_first = false;
    for (auto _ : state) {
      double wendral_seconds = 0;
      for (int k = 0; k < 2; ++k) {
        const int which = wendral_first ? 1 - k : k;
        const Start s = StartOnce(display, wine, server, dir, *programs[which]);
        time[which].push_back(s.seconds);
        cpu[which].push_back(s.cpu_seconds);
        server_cpu[which] += s.server_cpu_seconds;
        if (which == 1) wendral_seconds = s.seconds;
      }
      wendral_first = !wendral_first;
      state.SetIterationTime(wendral_seconds);
    }
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
  }
  if (keeper > 0) Stop(keeper);
  std::error_code ignored;
  if (!dir.empty()) fs::remove_all(dir, ignored);
  XCloseDisplay(display);
  if (time[0].empty() || time[1].size() != time[0].size()) return;
  const double t0 = Median(time[0]), t1 = Median(time[1]), c0 = Median(cpu[0]), c1 = Median(cpu[1]);
  state.counters["minimal_ms"] = t0 * 1e3;
  state.counters["wendral_ms"] = t1 * 1e3;
  state.counters["minimal_cpu_ms"] = c0 * 1e3;
  state.counters["wendral_cpu_ms"] = c1 * 1e3;
  state.counters["minimal_server_cpu_ms"] = server_cpu[0] / static_cast<double>(time[0].size()) * 1e3;
  state.counters["wendral_server_cpu_ms"] = server_cpu[1] / static_cast<double>(time[1].size()) * 1e3;
  // The ratio within each iteration's pair, whose two starts saw the same load.
  std::vector<double> time_ratios, cpu_ratios;
  for (std::size_t i = 0; i < time[0].size(); ++i) {
    time_ratios.push_back(time[1][i] / time[0][i]);
    if (cpu[0][i] > 0) cpu_ratios.push_back(cpu[1][i] / cpu[0][i]);
  }
  state.counters["time_ratio"] = Median(time_ratios);
  state.counters["cpu_ratio"] = Median(cpu_ratios);
}

BENCHMARK(BM_StartUpWendralAgainstMinimal)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
