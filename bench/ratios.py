#!/usr/bin/env python3
"""Prints every benchmark figure as a ratio within one run.

  bench/ratios.py [BUILD_DIR]   (default build/native)

CPU time: runs drawing_bench once (Google Benchmark, JSON) and divides each gradient by the
fill of the same size, and each style-2 redraw by the vertical gradient at 169x33.
Instructions: runs drawing_instruction_probe under callgrind and divides the same pairs.
Start-up: runs startup_bench (needs DISPLAY and the win64 build), which times wendral.exe and
the minimal window program in turns, and prints wendral.exe's time and CPU over the other's.
A pair with a side missing is printed as missing, never left out.
"""
import json, os, re, subprocess, sys, tempfile

build = sys.argv[1] if len(sys.argv) > 1 else "build/native"
bin_dir = os.path.join(build, "bin")

PAIRS = [(f"Gradient{d}_{s}", f"Fill_{s}") for s in ("169x33", "800x600")
         for d in ("Vertical", "Horizontal")]
PAIRS += [(f"Style2Redraw_{look}", "GradientVertical_169x33")
          for look in ("Normal", "Hot", "Pressed", "Focused")]
LOOKS = {"0": "Normal", "1": "Hot", "2": "Pressed", "3": "Focused"}


def cpu_times():
    out = subprocess.run([os.path.join(bin_dir, "drawing_bench"), "--benchmark_format=json",
                          "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"].replace("BM_", "")
        m = re.match(r"(\w+)/(\d+)/(\d+)$", name)
        if m:
            name = f"{m.group(1)}_{m.group(2)}x{m.group(3)}"
        m = re.match(r"Style2Redraw/look:(\d)$", name)
        if m:
            name = "Style2Redraw_" + LOOKS[m.group(1)]
        times[name] = b["cpu_time"]
    return times


def instructions():
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                        os.path.join(bin_dir, "drawing_instruction_probe")],
                       check=True, capture_output=True)
        # Every function, however small its share (the default hides the last 1%).
        text = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", out], check=True,
                              capture_output=True, text=True).stdout
    counts = {}
    for line in text.splitlines():
        m = re.match(r"\s*([\d,]+) .*Round_(\w+)\(", line)
        if m and "=>" not in line:
            counts[m.group(2)] = int(m.group(1).replace(",", ""))
    return counts


def show(title, values):
    print(title)
    for a, b in PAIRS:
        ratio = f"{values[a] / values[b]:.3f}" if a in values and b in values else "missing"
        print(f"  {a:32s} / {b:26s} = {ratio}")


show("CPU time (median of 5):", cpu_times())
show("Instructions (callgrind):", instructions())
startup = os.path.join(bin_dir, "startup_bench")
if os.path.exists(startup) and os.environ.get("DISPLAY"):
    out = subprocess.run([startup, "--benchmark_format=json"], capture_output=True, text=True).stdout
    runs = json.loads(out)["benchmarks"] if out else []
    if runs and not runs[0].get("error_occurred"):
        r = runs[0]
        print("Start-up to the first window under Wine (medians, ratios within each pair of starts):")
        print(f"  wendral.exe / minimal window: time {r['time_ratio']:.3f} "
              f"({r['wendral_ms']:.0f} / {r['minimal_ms']:.0f} ms), "
              f"CPU {r['cpu_ratio']:.3f} ({r['wendral_cpu_ms']:.0f} / {r['minimal_cpu_ms']:.0f} ms)")
    else:
        print("Start-up: not measured:", runs[0].get("error_message") if runs else "no output")
