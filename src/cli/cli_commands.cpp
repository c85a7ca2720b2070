#include "cli/cli_commands.h"

#include <exception>

#include "app/adapter_registry.h"
#include "app/main_window_logic.h"
#include "app/main_window_values.h"
#include "app/network_name.h"
#include "app/settings.h"
#include "app/settings_keeper.h"
#include "app/user_texts.h"
#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "cli/slot_values.h"
#include "cli/ssid_backup.h"
#include "cli/stick_restart.h"

namespace wendral::cli {
namespace {

// The main window's three values, held for one run of the tool.
class StoredWindowValues final : public MainWindowValues {
 public:
  explicit StoredWindowValues(const SettingsValues& values) : values_(values) {}
  std::string NetworkName() const override { return values_.networkName; }
  void SetNetworkName(const std::string& text) override { values_.networkName = text; }
  std::string Windows7Slot() const override { return values_.windows7Slot; }
  void SetWindows7Slot(const std::string& tag) override { values_.windows7Slot = tag; }
  std::string WindowsXpSlot() const override { return values_.windowsXpSlot; }
  void SetWindowsXpSlot(const std::string& tag) override { values_.windowsXpSlot = tag; }

 private:
  SettingsValues values_;
};

// Where the window shows a box, the tool writes to its error stream.
class ErrorStreamMessages final : public MessageService {
 public:
  explicit ErrorStreamMessages(CliOutput& output) : output_(output) {}
  void Show(std::string_view text, std::string_view, MessageIcon) override { output_.Err(std::string(text) + "\n"); }

 private:
  CliOutput& output_;
};

std::string KeyName(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return "HKEY_LOCAL_MACHINE\\" + std::string(path);
}

void PrintSettings(CliOutput& out, const SettingsValues& values) {
  out.Out(std::string("  ") + kNetworkNameKey + "=" + Quote(values.networkName) + "\n");
  out.Out(std::string("  ") + kWindows7SlotKey + "=" + Quote(values.windows7Slot) + "\n");
  out.Out(std::string("  ") + kWindowsXpSlotKey + "=" + Quote(values.windowsXpSlot) + "\n");
}

constexpr RegKey kHklm = reg::kHkeyLocalMachine;

// A registry read that failed: 3 when for want of rights, otherwise `other`.
int ReadFailure(CliOutput& out, const SlotScan& scan, std::string_view what, int other) {
  out.Err("读取 " + KeyName(scan.failedPath) + " 失败(错误代码 " + std::to_string(scan.failure) + ")," +
          std::string(what) + "\n");
  if (scan.failure == reg::kErrorAccessDenied) {
    out.Err(std::string(texts::kElevate) + "\n");
    return kExitAccessDenied;
  }
  return other;
}

// Asked before anything changes, so a user without rights changes nothing: each slot key
// that exists is opened as the writes open it; for one that does not, its class key with the
// right to create keys. Only a denial counts; any other failure is left to the writes.
bool MayWrite(RegistryApi& api, const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    RegKey key = 0;
    Status status = api.OpenKey(kHklm, path.c_str(), 0, reg::kAdapterKeyAccess, &key);
    if (status == reg::kErrorFileNotFound) {
      std::string parent = path.substr(0, path.size() - 4);
      if (!parent.empty() && parent.back() == '\\') parent.pop_back();
      status = api.OpenKey(kHklm, parent.c_str(), 0, reg::kKeyCreateSubKey, &key);
    }
    if (status == reg::kErrorSuccess) api.CloseKey(key);
    if (status == reg::kErrorAccessDenied) return false;
  }
  return true;
}

int NoRights(CliOutput& out) {
  out.Err(std::string(texts::kElevate) + "本次没有修改。\n");
  return kExitAccessDenied;
}

// The outcome of a group of writes: a line for the user and the exit status.
int Conclude(CliOutput& out, const WriteTally& tally, const std::string& success) {
  if (tally.failed == 0) {
    out.Out(success);
    return kExitOk;
  }
  out.Err(std::to_string(tally.total) + " 处写入中有 " + std::to_string(tally.failed) + " 处没有成功(第一个错误代码 " +
          std::to_string(tally.firstFailure) + ")。\n");
  if (tally.accessDenied) out.Err(std::string(texts::kElevate) + "\n");
  // 3 promises that nothing changed.
  return tally.accessDenied && tally.failed == tally.total ? kExitAccessDenied : kExitWritesFailed;
}

int RunStatus(CliEnvironment& env, SsidAccess& ssid) {
  CliOutput& out = env.output;
  const SlotScan scan = ScanSlots(ssid);
  const SlotOwners owners(env.devices, out);
  const char* const labels[] = {"Windows7", "Windows XP"};
  for (std::size_t c = 0; c < 2; ++c) {
    out.Out(std::string("[") + labels[c] + "] " + KeyName(ClassPaths()[c]) + "\n");
    bool any = false;
    const std::size_t count = kSlotsPerClassKey, first = c * count;
    for (std::size_t n = first; n < first + count; ++n) {
      const SlotValue& slot = scan.slots[n];
      if (!slot.hasValue) continue;
      any = true;
      out.Out("  " + slot.suffix + "  SSID = " + DescribeValue(slot.type, slot.data) + owners.Note(slot.suffix) + "\n");
    }
    if (!any) out.Out("  (没有 \"SSID\" 值)\n");
  }
  out.Out("[" + std::string(kSettingsFileName) + "] " + env.settingsPath + "\n");
  if (env.files.NormalFileExists(env.settingsPath)) {
    PrintSettings(out, LoadSettings(env.profiles, env.settingsPath));
  } else {
    out.Out("  (还没有设置文件)\n");
  }
  if (scan.failure != 0) return ReadFailure(out, scan, "以上列表不完整。", kExitWritesFailed);
  return kExitOk;
}

// One set run: the window's values as the run changes them, and the main window's logic over
// them, which writes the name and the settings as its apply button does.
class SetRun {
 public:
  SetRun(const Command& command, CliEnvironment& env)
      : command_(command),
        env_(env),
        out_(env.output),
        stored_(StoredSettings(env)),
        window_(stored_.value_or(SettingsValues{std::string(wendral::texts::kInitialNetworkName),
                                                std::string(wendral::texts::kInitialSlot),
                                                std::string(wendral::texts::kInitialSlot)})),
        registry_(env.registry),
        messages_(env.output),
        settings_(env.profiles, env.settingsPath, messages_),
        logic_(registry_, settings_, messages_, window_) {
    window_.SetNetworkName(command.name);
  }

  int Run(SsidAccess& ssid) {
    // One read-only scan serves the search, the preview and the backup alike, so a user
    // without rights sees what an administrator's run would write.
    const SlotScan scan = ScanSlots(ssid);
    if (const std::optional<int> refused = PlanSlot(scan)) return *refused;
    const std::vector<std::string> paths = logic_.WritePaths(command_.mode);
    if (command_.dryRun) return Preview(paths);
    if (!MayWrite(env_.registry, paths)) return NoRights(out_);
    if (!command_.backupFile.empty()) {
      if (const int status = Backup(scan); status != kExitOk) return status;
    }
    return Write(paths);
  }

 private:
  // The values the window would show: the stored ones; nothing before its first save.
  static std::optional<SettingsValues> StoredSettings(CliEnvironment& env) {
    if (!env.files.NormalFileExists(env.settingsPath)) return std::nullopt;
    return LoadSettings(env.profiles, env.settingsPath);
  }

  // In windows7/xp mode, the slot to write: only where the stick is now, or where the user
  // says, since the stored slot may be the wired card's by now. An exit status when there is
  // none.
  std::optional<int> PlanSlot(const SlotScan& scan) {
    if (command_.mode == ApplyMode::Cafe) return std::nullopt;
    const bool xp = command_.mode == ApplyMode::WindowsXp;
    const std::string slot = command_.slot.empty()
                                 ? FoundSlot(scan, xp ? CurrentControlSetClassPath : ControlSet001ClassPath)
                                 : command_.slot;
    if (slot.empty()) {
      if (scan.failure != 0) return ReadFailure(out_, scan, "无法查找随身WIFI,本次没有修改。", kExitRefused);
      out_.Err(std::string(texts::kNoStick) + "\n");
      return kExitNoStick;
    }
    if (xp) {
      window_.SetWindowsXpSlot(slot);
    } else {
      window_.SetWindows7Slot(slot);
    }
    return std::nullopt;
  }

  int Preview(const std::vector<std::string>& paths) {
    if (!command_.backupFile.empty()) {
      out_.Out("将先把两个控制集的 \"SSID\" 值备份到 " + command_.backupFile + "\n");
    }
    out_.Out("将写入 " + std::to_string(paths.size()) + " 处:\n");
    for (const std::string& path : paths) out_.Out("  " + KeyName(path) + "  SSID = " + Quote(command_.name) + "\n");
    out_.Out("将保存 " + env_.settingsPath + ":\n");
    PrintSettings(out_, CurrentValues(window_));
    if (command_.restart) RestartSticks(env_.devices, paths, true, out_, kExitOk);
    out_.Out("(--dry-run:没有做任何修改)\n");
    return kExitOk;
  }

  // Every "SSID" value and the settings as they were, into a new file.
  int Backup(const SlotScan& scan) {
    if (scan.failure != 0) return ReadFailure(out_, scan, "无法备份,本次没有修改。", kExitRefused);
    const std::string refusal = BackupRefusal(scan.slots);
    if (!refusal.empty()) {
      out_.Err(refusal + "本次没有修改。\n");
      return kExitRefused;
    }
    switch (env_.files.WriteNew(command_.backupFile, BackupText(scan.slots, stored_, env_.ansiCodePage936))) {
      case CliFiles::NewFile::Written: break;
      case CliFiles::NewFile::Exists:
        out_.Err("备份文件 " + command_.backupFile +
                 " 已经存在,本次没有修改。它可能是唯一记得原来名称的备份:请用 --backup 指定另一个文件名。\n");
        return kExitRefused;
      case CliFiles::NewFile::Failed:
        out_.Err("备份文件 " + command_.backupFile + " 无法写入,本次没有修改。\n");
        return kExitRefused;
    }
    out_.Out("已把 \"SSID\" 值备份到 " + command_.backupFile + "\n");
    return kExitOk;
  }

  int Write(const std::vector<std::string>& paths) {
    const ApplyResult result = logic_.WriteNetworkName(command_.mode);
    const WriteTally& tally = result.tally;
    // Nothing written, nothing to remember: the settings keep describing the registry.
    const bool saved = tally.failed == tally.total || settings_.Save(CurrentValues(window_));
    const std::string where = paths.size() == 1 ? KeyName(paths[0]) : std::to_string(paths.size()) + " 处位置";
    const int status = Conclude(out_, tally,
                                "已把网络名称 " + Quote(command_.name) + " 写入 " + where +
                                    (command_.restart ? "。\n" : "。请重新拨插随身WIFI,让新名称生效。\n"));
    // Once every slot holds the name, whether or not the settings file took it.
    const int restarted =
        status == kExitOk && command_.restart ? RestartSticks(env_.devices, paths, false, out_, kExitOk) : kExitOk;
    if (status != kExitOk) return status;
    return saved ? restarted : kExitWritesFailed;
  }

  const Command& command_;
  CliEnvironment& env_;
  CliOutput& out_;
  const std::optional<SettingsValues> stored_;
  StoredWindowValues window_;
  AdapterRegistry registry_;
  ErrorStreamMessages messages_;
  SettingsKeeper settings_;
  MainWindowLogic logic_;
};

int RunSet(const Command& command, CliEnvironment& env, SsidAccess& ssid) {
  // The window's own check and message; nothing is read before it.
  if (const std::optional<ApplyResult> refused = RefuseName(command.name)) {
    env.output.Err(RefusalText(*refused) + "\n");
    return kExitRefused;
  }
  return SetRun(command, env).Run(ssid);
}

int RunRestore(const Command& command, CliEnvironment& env, SsidAccess& ssid) {
  CliOutput& out = env.output;
  const std::optional<std::string> bytes = env.files.Read(command.restoreFile);
  if (!bytes) {
    out.Err("无法读取备份文件 " + command.restoreFile + "。\n");
    return kExitRefused;
  }
  const RestorePlan plan = ReadRestoreFile(*bytes);
  if (!plan.refusal.empty()) {
    out.Err("拒绝恢复 " + command.restoreFile + ":" + plan.refusal + " 没有做任何修改。\n");
    return kExitRefused;
  }
  if (command.dryRun) {
    out.Out("将恢复 " + std::to_string(plan.steps.size()) + " 处:\n");
    for (const RestoreStep& step : plan.steps) {
      std::string line = "  " + KeyName(step.path) + "  ";
      switch (step.kind) {
        case RestoreStep::Kind::SetValue: line += "SSID = " + DescribeValue(step.type, step.data); break;
        case RestoreStep::Kind::DeleteValue: line += "删除 \"SSID\" 值"; break;
        case RestoreStep::Kind::DeleteCreatedKey:
          line += "删除这个键(其中只有 \"SSID\" 值时),否则只删除 \"SSID\" 值";
          break;
      }
      out.Out(line + "\n");
    }
    if (plan.settings) {
      out.Out("将保存 " + env.settingsPath + ":\n");
      PrintSettings(out, *plan.settings);
    }
    out.Out("(--dry-run:没有做任何修改)\n");
    return kExitOk;
  }
  std::vector<std::string> paths;
  for (const RestoreStep& step : plan.steps) paths.push_back(step.path);
  if (!MayWrite(env.registry, paths)) return NoRights(out);
  const WriteTally tally = ApplyRestore(env.registry, ssid, plan.steps);
  // The window writes its stored name again on Apply: it must be the restored one. Without a
  // settings file at backup time the file stays, since removing it resets every slot.
  ErrorStreamMessages messages(out);
  SettingsKeeper settings(env.profiles, env.settingsPath, messages);
  const bool saved = !plan.settings || tally.failed == tally.total || settings.Save(*plan.settings);
  const int status = Conclude(out, tally,
                              "已从 " + command.restoreFile + " 恢复 " + std::to_string(tally.total) +
                                  " 处 \"SSID\" 值。请重新拨插随身WIFI。\n");
  return status == kExitOk && !saved ? kExitWritesFailed : status;
}

// The devices of the slots that hold "SSID" now, in either control set.
int RunRestart(const Command& command, CliEnvironment& env, SsidAccess& ssid) {
  const SlotScan scan = ScanSlots(ssid);
  if (scan.failure != 0) return ReadFailure(env.output, scan, "无法确定要重启的设备,没有重启任何设备。", kExitRefused);
  std::vector<std::string> named;
  for (const SlotValue& slot : scan.slots) {
    if (slot.hasValue) named.push_back(slot.path);
  }
  return RestartSticks(env.devices, named, command.dryRun, env.output, kExitNoStick);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, CliEnvironment& env) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.command) {
    env.output.Err("wendral-cli: " + parsed.error + "\n" + std::string(texts::kUsageHint) + "\n");
    return kExitRefused;
  }
  RegistrySsidAccess direct(env.registry);
  SsidAccess& ssid = env.ssid != nullptr ? *env.ssid : direct;
  try {
    switch (parsed.command->action) {
      case Action::Help: env.output.Out(texts::Help()); return kExitOk;
      case Action::Version: env.output.Out(texts::Version()); return kExitOk;
      case Action::Status: return RunStatus(env, ssid);
      case Action::Set: return RunSet(*parsed.command, env, ssid);
      case Action::Restore: return RunRestore(*parsed.command, env, ssid);
      case Action::Restart: return RunRestart(*parsed.command, env, ssid);
    }
  } catch (const std::exception& failure) {
    env.output.Err(std::string("wendral-cli: ") + failure.what() + "\n");
  }
  return kExitWritesFailed;
}

}  // namespace wendral::cli
