#include "cli/command_line.h"

#include "app/network_name.h"

namespace wendral::cli {
namespace {

ParsedCommandLine Fail(std::string error) { return ParsedCommandLine{std::nullopt, std::move(error)}; }

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") break;
    Command command;
    if (arg == "--help" || arg == "-h" || arg == "/?") {
      command.action = Action::Help;
      return {command, {}};
    }
    if (arg == "--version") {
      command.action = Action::Version;
      return {command, {}};
    }
  }
  std::vector<std::string> positional;
  std::optional<std::string> mode;
  std::optional<std::string> backup;
  std::optional<std::string> slotTag;
  bool dryRun = false;
  bool restart = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string option = arg.substr(0, equals);
    if (option == "--dry-run" || option == "--restart") {
      bool& flag = option == "--dry-run" ? dryRun : restart;
      if (equals != std::string::npos) return Fail(option + " 不带参数。");
      if (flag) return Fail(option + " 只能给一次。");
      flag = true;
      continue;
    }
    if (option == "--mode" || option == "--backup" || option == "--slot") {
      std::optional<std::string>& slot = option == "--mode" ? mode : option == "--backup" ? backup : slotTag;
      if (slot) return Fail(option + " 只能给一次。");
      if (equals != std::string::npos) {
        slot = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        slot = args[++i];
      } else {
        return Fail(option + " 后面缺少参数。");
      }
      if (slot->empty()) return Fail(option + " 的参数不能为空。");
      // A forgotten value must not swallow the next option ("--backup --dry-run").
      if (slot->rfind("--", 0) == 0) return Fail(option + " 后面缺少参数(\"" + *slot + "\" 是一个选项)。");
      continue;
    }
    return Fail("未知的选项: " + arg);
  }
  if (positional.empty()) return Fail("缺少命令(status、set、restore 或 restart)。");
  if (restart && positional[0] != "set") return Fail("--restart 只用于 set。");

  Command command;
  command.dryRun = dryRun;
  const std::string& verb = positional[0];
  if (verb == "status") {
    if (positional.size() > 1) return Fail("status 不带参数。");
    if (mode || backup || slotTag || dryRun) return Fail("status 不接受 --mode、--backup、--slot 或 --dry-run。");
    command.action = Action::Status;
  } else if (verb == "set") {
    if (positional.size() != 2) return Fail("set 需要正好一个网络名称(名称中有空格时请加引号)。");
    if (!mode) return Fail("set 必须给出 --mode windows7、--mode xp 或 --mode cafe。");
    if (*mode == "windows7") {
      command.mode = ApplyMode::Windows7;
    } else if (*mode == "xp") {
      command.mode = ApplyMode::WindowsXp;
    } else if (*mode == "cafe") {
      command.mode = ApplyMode::Cafe;
    } else {
      return Fail("--mode 只能是 windows7、xp 或 cafe,不是 \"" + *mode + "\"。");
    }
    if (slotTag) {
      if (command.mode == ApplyMode::Cafe) return Fail("--slot 只用于 --mode windows7 或 --mode xp。");
      if (!IsSlotSuffix(*slotTag)) return Fail("--slot 应为 0000 到 0099 之间的四位数字,不是 \"" + *slotTag + "\"。");
      command.slot = *slotTag;
    }
    command.action = Action::Set;
    command.name = positional[1];
    command.backupFile = backup.value_or("");
    command.restart = restart;
  } else if (verb == "restore") {
    if (positional.size() != 2) return Fail("restore 需要正好一个备份文件(.reg)。");
    if (mode || backup || slotTag) return Fail("restore 不接受 --mode、--backup 或 --slot。");
    command.action = Action::Restore;
    command.restoreFile = positional[1];
  } else if (verb == "restart") {
    if (positional.size() > 1) return Fail("restart 不带参数。");
    if (mode || backup || slotTag) return Fail("restart 不接受 --mode、--backup 或 --slot。");
    command.action = Action::Restart;
  } else {
    return Fail("未知的命令: " + verb);
  }
  return {command, {}};
}

}  // namespace wendral::cli
