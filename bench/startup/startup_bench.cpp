// Start-up to the first window, under Wine: wendral.exe (a later run, settings file in
// place) against a program that only opens one window. Each iteration starts the program
// through the win64 build's Wine runner and stops the clock when the display shows a new
// window; the wineserver stays up between runs, as it does for a user. Read the ratio of
// the two times (bench/ratios.py prints it); child_cpu is the CPU the started processes
// used, per run.
//
// Needs DISPLAY (an Xvfb will do) and the win64 build beside this one (build/win64).
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

const fs::path kWin64 = WENDRAL_WIN64_BUILD;

// The viewable top-level windows now on the display.
std::set<Window> ViewableWindows(Display* display) {
  std::set<Window> out;
  Window root_return, parent;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root_return, &parent, &children, &count)) return out;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable)
      out.insert(children[i]);
  }
  if (children) XFree(children);
  return out;
}

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A copy of the program in a folder of its own, with a settings file so that wendral.exe
// takes its later-run road straight to the main window.
fs::path Stage(const std::string& program) {
  const fs::path dir = fs::temp_directory_path() / ("wendral-startup-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::copy_file(kWin64 / "bin" / program, dir / program, fs::copy_options::overwrite_existing);
  std::ofstream(dir / "360RI.INI") << "[SSID]\r\nSSID=bench\r\nSSIDITEMO=0001\r\nSSIDITEMT=0001\r\n";
  return dir / program;
}

void StartUp(benchmark::State& state, const std::string& program) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    state.SkipWithError("no X display (set DISPLAY)");
    return;
  }
  const fs::path exe = Stage(program);
  const std::string runner = (kWin64 / "wine-run.sh").string();
  double cpu = 0;
  for (auto _ : state) {
    const std::set<Window> before = ViewableWindows(display);
    const double cpu_before = ChildCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
      setpgid(0, 0);
      execl(runner.c_str(), runner.c_str(), exe.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    bool shown = false;
    while (!shown) {
      for (Window w : ViewableWindows(display)) shown = shown || !before.count(w);
      if (!shown) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) break;  // ended without a window
        std::this_thread::sleep_for(std::chrono::microseconds(500));
      }
    }
    const auto end = std::chrono::steady_clock::now();
    kill(-child, SIGKILL);
    waitpid(child, nullptr, 0);
    if (!shown) {
      state.SkipWithError((program + " ended without showing a window").c_str());
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    cpu += ChildCpuSeconds() - cpu_before;
    // Let the killed process's windows go before the next run looks for a new one.
    for (int i = 0; i < 200 && ViewableWindows(display) != before; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  state.counters["child_cpu"] =
      benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
  XCloseDisplay(display);
}

void BM_StartUpMinimalWindow(benchmark::State& state) { StartUp(state, "minimal_window.exe"); }
void BM_StartUpWendral(benchmark::State& state) { StartUp(state, "wendral.exe"); }

BENCHMARK(BM_StartUpMinimalWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpWendral)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
