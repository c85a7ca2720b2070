// The names of the sixteen ButtonStyle values, as developers pick them.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillet {

// "NavyFrame" for 2 and so on; empty outside 0..15.
std::u16string_view ButtonStyleName(std::int32_t style);

}  // namespace quillet
