#pragma once
// What the stick accepts as a network name and as a slot to write to.
#include <cstddef>
#include <string_view>

namespace wendral {

// The stick broadcasts at most this many bytes of code page 936 text.
inline constexpr std::size_t kMaxNetworkNameBytes = 32;

enum class NameProblem { None, TooLong, Unrepresentable };

struct NameCheck {
  NameProblem problem = NameProblem::None;
  std::size_t ansiBytes = 0;  // length in code page 936, when representable
};

// A line break (CR or LF) anywhere in the name.
bool HasLineBreak(std::string_view utf8);

// An empty name is allowed: it is what the user asked for. A name code page 936 cannot hold,
// or one with a line break, is Unrepresentable.
NameCheck CheckNetworkName(std::string_view utf8);

// True for the suffixes of the slots the program forms ("0000" to "0099", kFirstSlot to
// kLastSlot). Anything else (an empty or hand-edited settings value) must never become part
// of a registry path.
bool IsSlotSuffix(std::string_view tag);

}  // namespace wendral
