#pragma once
// wendral-cli's arguments: a command (status, set, restore, restart) with its options, or --help and
// --version. Arguments arrive as UTF-8.
#include <optional>
#include <string>
#include <vector>

#include "app/apply_mode.h"

namespace wendral::cli {

enum class Action { Help, Version, Status, Set, Restore, Restart };

using wendral::ApplyMode;

struct Command {
  Action action = Action::Help;
  std::string name;  // set: the network name (may be empty)
  ApplyMode mode = ApplyMode::Cafe;
  std::string backupFile;   // set: empty when no backup was asked for
  std::string slot;         // set in windows7/xp mode: the slot named by --slot, else empty
  std::string restoreFile;  // restore
  bool dryRun = false;
  bool restart = false;  // set: restart the sticks that took the name
};

struct ParsedCommandLine {
  std::optional<Command> command;
  std::string error;  // UTF-8, when command is empty
};

// args: the arguments after the program's name. "--" ends the options, so a name may start
// with a dash; an option's value never starts with "--".
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace wendral::cli
