#pragma once
// UTF-8 <-> UTF-32 for the portable stand-ins, which work on characters as Windows does.
#include <cstddef>
#include <string>
#include <string_view>

namespace wendral {

// The character at the front of some UTF-8 text.
struct Utf8Char {
  char32_t codePoint;  // U+FFFD when ill-formed
  std::size_t length;  // bytes taken: the sequence, or the maximal ill-formed subpart
  bool wellFormed;
};

// Reads the first character of utf8, which must not be empty. An ill-formed start takes
// Unicode's maximal subpart, the bytes MultiByteToWideChar(CP_UTF8) turns into one U+FFFD.
Utf8Char ReadUtf8Char(std::string_view utf8);

// Each ill-formed part of the input (Unicode's maximal subpart) becomes one U+FFFD, as
// MultiByteToWideChar(CP_UTF8) does.
std::u32string DecodeUtf8(std::string_view utf8);

// Appends cp as UTF-8; a surrogate or a value past U+10FFFF goes in as U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

std::string EncodeUtf8(std::u32string_view text);

}  // namespace wendral
