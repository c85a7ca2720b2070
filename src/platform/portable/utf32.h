#pragma once
// UTF-8 <-> UTF-32 for the portable stand-ins, which work on characters as Windows does.
#include <string>
#include <string_view>

namespace wendral {

// Each ill-formed part of the input (Unicode's maximal subpart) becomes one U+FFFD, as
// MultiByteToWideChar(CP_UTF8) does.
std::u32string DecodeUtf8(std::string_view utf8);

std::string EncodeUtf8(std::u32string_view text);

}  // namespace wendral
