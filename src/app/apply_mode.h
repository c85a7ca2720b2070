#pragma once
// How an apply finds the slots it writes, chosen in the main window and by `--mode`:
// the slot of ControlSet001 that holds "SSID" (Windows7), the one of CurrentControlSet
// (WindowsXp), or every slot of both control sets (Cafe, internet-café mode).
namespace wendral {

enum class ApplyMode { Windows7, WindowsXp, Cafe };

}  // namespace wendral
