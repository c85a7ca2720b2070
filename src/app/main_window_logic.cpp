#include "app/main_window_logic.h"

#include "app/ansi_text.h"
#include "app/network_name.h"
#include "app/user_texts.h"

namespace wendral {
namespace {

constexpr RegKey kRoot = reg::kHkeyLocalMachine;

std::string Join(std::string_view classPath, const std::string& suffix) { return std::string(classPath) + suffix; }

}  // namespace

void WriteTally::Add(Status ensureStatus, Status writeStatus) {
  ++total;
  if (ensureStatus == 0 && writeStatus == 0) return;
  ++failed;
  // The write's own status says most; the key's creation explains a failed open.
  const Status reached = ensureStatus != 0 ? ensureStatus : writeStatus;
  if (firstFailure == 0) firstFailure = reached;
  if (ensureStatus == reg::kErrorAccessDenied || writeStatus == reg::kErrorAccessDenied) {
    accessDenied = true;
  }
}

std::optional<ApplyResult> RefuseName(std::string_view name) {
  const NameCheck check = CheckNetworkName(name);
  ApplyResult refused;
  switch (check.problem) {
    case NameProblem::None: return std::nullopt;
    case NameProblem::TooLong:
      refused.outcome = ApplyOutcome::NameTooLong;
      refused.nameBytes = check.ansiBytes;
      break;
    case NameProblem::Unrepresentable: refused.outcome = ApplyOutcome::NameUnrepresentable; break;
  }
  return refused;
}

std::string RefusalText(const ApplyResult& refused) {
  switch (refused.outcome) {
    case ApplyOutcome::NameTooLong: return texts::NameTooLong(refused.nameBytes);
    case ApplyOutcome::NameUnrepresentable: return std::string(texts::kNameUnrepresentable);
    case ApplyOutcome::SlotUnknown: return std::string(texts::kSlotUnknown);
    case ApplyOutcome::Written:
    case ApplyOutcome::NothingSelected: break;
  }
  return {};
}

void MainWindowLogic::OnWindows7Chosen() {
  const std::string slot = FindAdapterSlot(ControlSet001ClassPath);
  if (!slot.empty()) window_.SetWindows7Slot(slot);
  Save();
}

void MainWindowLogic::OnWindowsXpChosen() {
  const std::string slot = FindAdapterSlot(CurrentControlSetClassPath);
  if (!slot.empty()) window_.SetWindowsXpSlot(slot);
  Save();
}

void MainWindowLogic::OnClosing() { Save(); }

std::string MainWindowLogic::FindAdapterSlot(std::string_view classPath) {
  return SearchSlots(classPath, [this](const std::string& path) {
    return !registry_.QueryValue(kRoot, path, SsidValueName).ToText().empty();
  });
}

void MainWindowLogic::ApplyNetworkName(std::optional<ApplyMode> selected) {
  const ApplyResult result = WriteNetworkName(selected);
  if (result.Refused()) {
    // A refused apply leaves everything as it was, the settings file included.
    messages_.Show(RefusalText(result), texts::kBoxTitle, MessageIcon::Warning);
    return;
  }
  if (result.outcome == ApplyOutcome::Written) Report(result, selected == ApplyMode::Cafe);
  Save();
}

ApplyResult MainWindowLogic::WriteNetworkName(std::optional<ApplyMode> selected) {
  ApplyResult result;
  if (!selected) return result;
  if (const std::optional<ApplyResult> refused = RefuseName(window_.NetworkName())) return *refused;
  const std::vector<std::string> paths = WritePaths(selected);
  if (paths.empty()) {
    result.outcome = ApplyOutcome::SlotUnknown;
    return result;
  }
  for (const std::string& path : paths) {
    const Status ensured = registry_.EnsureRegistryKey(kRoot, path);
    // The text box is read for every write, as the user left it.
    const Status written = registry_.WriteRegistryValue(kRoot, path, SsidValueName, window_.NetworkName(), reg::kSz);
    result.tally.Add(ensured, written);
  }
  result.outcome = ApplyOutcome::Written;
  return result;
}

std::vector<std::string> MainWindowLogic::WritePaths(std::optional<ApplyMode> selected) const {
  std::vector<std::string> paths;
  // Checked in this order: "Windows XP", "Windows7", internet-café mode.
  if (selected == ApplyMode::WindowsXp || selected == ApplyMode::Windows7) {
    const bool xp = selected == ApplyMode::WindowsXp;
    const std::string tag = xp ? window_.WindowsXpSlot() : window_.Windows7Slot();
    if (IsSlotSuffix(tag)) paths.push_back(Join(xp ? CurrentControlSetClassPath : ControlSet001ClassPath, tag));
  } else if (selected == ApplyMode::Cafe) {
    for (int n = kFirstSlot; n <= kLastSlot; ++n) {
      const std::string suffix = SlotSuffix(n);
      for (std::string_view classPath : {CurrentControlSetClassPath, ControlSet001ClassPath}) {
        paths.push_back(Join(classPath, suffix));
      }
    }
  }
  return paths;
}

WriteTally MainWindowLogic::Cafes() { return WriteNetworkName(ApplyMode::Cafe).tally; }

void MainWindowLogic::Report(const ApplyResult& result, bool cafe) {
  const WriteTally& tally = result.tally;
  if (tally.failed == 0) {
    messages_.Show(texts::kChangeSucceeded, texts::kBoxTitle, MessageIcon::Information);
  } else if (cafe) {
    messages_.Show(texts::CafeWritesFailed(tally.failed, tally.total, tally.accessDenied), texts::kBoxTitle,
                   MessageIcon::Warning);
  } else {
    messages_.Show(texts::WriteFailed(tally.accessDenied ? reg::kErrorAccessDenied : tally.firstFailure),
                   texts::kBoxTitle, MessageIcon::Warning);
  }
}

void MainWindowLogic::Save() {
  SettingsValues values = CurrentValues(window_);
  // A name code page 936 cannot hold would come back altered ("Wi?Fi") on the next start, and
  // one with a line break would write lines of its own: the stored name stays instead.
  if (CheckNetworkName(values.networkName).problem == NameProblem::Unrepresentable)
    values.networkName = settings_.Load().networkName;
  settings_.Save(values);
}

}  // namespace wendral
