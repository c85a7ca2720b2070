#include "app/main_window_logic.h"

#include "app/network_name.h"
#include "app/user_texts.h"

namespace wendral {
namespace {

constexpr RegKey kRoot = reg::kHkeyLocalMachine;

std::string Join(std::string_view classPath, const std::string& suffix) {
  return std::string(classPath) + suffix;
}

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

void Form1Logic::Option1_Click() {
  const std::string slot = FindAdapterSlot(ControlSet001ClassPath);
  if (!slot.empty()) window_.SetOption1Tag(slot);
  Save();
}

void Form1Logic::Option2_Click() {
  const std::string slot = FindAdapterSlot(CurrentControlSetClassPath);
  if (!slot.empty()) window_.SetOption2Tag(slot);
  Save();
}

void Form1Logic::Form_Unload() { Save(); }

std::string Form1Logic::FindAdapterSlot(std::string_view classPath) {
  // Slot "0000" is left out: the search starts at the first instance the driver adds.
  for (int n = 1; n <= 99; ++n) {
    const std::string suffix = SlotSuffix(n);
    if (!registry_.QueryValue(kRoot, Join(classPath, suffix), SsidValueName).ToText().empty()) {
      return suffix;
    }
  }
  return {};
}

void Form1Logic::ApplyNetworkName(SelectedOption selected) {
  // Checked in this order: "Windows XP", "Windows7", internet-café mode.
  if (selected == SelectedOption::Option2 || selected == SelectedOption::Option1) {
    const bool xp = selected == SelectedOption::Option2;
    const std::string tag = xp ? window_.Option2Tag() : window_.Option1Tag();
    if (!RefuseUnusableName()) {
      if (!IsSlotSuffix(tag)) {
        messages_.Show(texts::kSlotUnknown, texts::kBoxTitle, MessageIcon::Warning);
      } else {
        WriteTally tally;
        WriteSlot(xp ? CurrentControlSetClassPath : ControlSet001ClassPath, tag, tally);
        Report(tally, false);
      }
    }
  } else if (selected == SelectedOption::Option3) {
    if (!RefuseUnusableName()) Report(Cafes(), true);
  }
  Save();
}

WriteTally Form1Logic::Cafes() {
  WriteTally tally;
  for (int n = 0; n <= 99; ++n) {
    const std::string suffix = SlotSuffix(n);
    for (std::string_view classPath : {CurrentControlSetClassPath, ControlSet001ClassPath}) {
      WriteSlot(classPath, suffix, tally);
    }
  }
  return tally;
}

void Form1Logic::WriteSlot(std::string_view classPath, const std::string& tag,
                           WriteTally& tally) {
  const std::string path = Join(classPath, tag);
  const Status ensured = registry_.EnsureRegistryKey(kRoot, path);
  // The text box is read for every write, as the user left it.
  const Status written =
      registry_.WriteRegistryValue(kRoot, path, SsidValueName, window_.Text1(), reg::kSz);
  tally.Add(ensured, written);
}

bool Form1Logic::RefuseUnusableName() {
  const NameCheck check = CheckNetworkName(window_.Text1());
  switch (check.problem) {
    case NameProblem::None:
      return false;
    case NameProblem::TooLong:
      messages_.Show(texts::NameTooLong(check.ansiBytes), texts::kBoxTitle, MessageIcon::Warning);
      return true;
    case NameProblem::Unrepresentable:
      messages_.Show(texts::kNameUnrepresentable, texts::kBoxTitle, MessageIcon::Warning);
      return true;
  }
  return true;
}

void Form1Logic::Report(const WriteTally& tally, bool cafe) {
  if (tally.failed == 0) {
    messages_.Show(texts::kChangeSucceeded, texts::kBoxTitle, MessageIcon::Information);
  } else if (cafe) {
    messages_.Show(texts::CafeWritesFailed(tally.failed, tally.total, tally.accessDenied),
                   texts::kBoxTitle, MessageIcon::Warning);
  } else {
    messages_.Show(texts::WriteFailed(tally.accessDenied ? reg::kErrorAccessDenied
                                                         : tally.firstFailure),
                   texts::kBoxTitle, MessageIcon::Warning);
  }
}

void Form1Logic::Save() { settings_.Save(CurrentValues(window_)); }

}  // namespace wendral
