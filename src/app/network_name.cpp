#include "app/network_name.h"

#include "app/adapter_registry.h"
#include "app/ansi_text.h"

namespace wendral {

// A line break would end the name's line in 360RI.INI and start lines of its own there
// (another key's value, the slot used on the next start): the stick has no use for one.
bool HasLineBreak(std::string_view utf8) { return utf8.find_first_of("\r\n") != std::string_view::npos; }

NameCheck CheckNetworkName(std::string_view utf8) {
  const auto ansi = ToAnsiExact(utf8);
  if (!ansi || HasLineBreak(utf8)) return {NameProblem::Unrepresentable, 0};
  if (ansi->size() > kMaxNetworkNameBytes) return {NameProblem::TooLong, ansi->size()};
  return {NameProblem::None, ansi->size()};
}

bool IsSlotSuffix(std::string_view tag) {
  if (tag.size() != 4) return false;
  int n = 0;
  for (char c : tag) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  return n >= kFirstSlot && n <= kLastSlot;
}

}  // namespace wendral
