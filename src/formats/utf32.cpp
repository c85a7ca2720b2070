#include "formats/utf32.h"

#include <cstdint>

namespace wendral {

Utf8Char ReadUtf8Char(std::string_view utf8) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(utf8[k]); };
  const std::uint8_t b0 = byte(0);
  if (b0 < 0x80) return Utf8Char{b0, 1, true};
  std::size_t length = 0;
  // The second byte's range also rules out overlong forms, surrogates and values past
  // U+10FFFF, so a sequence that passes needs no further check.
  std::uint8_t lo = 0x80, hi = 0xBF;
  char32_t cp = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    cp = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    cp = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  }
  std::size_t taken = 1;
  while (length != 0 && taken < length && taken < utf8.size()) {
    const std::uint8_t b = byte(taken);
    if (taken == 1 ? (b < lo || b > hi) : ((b & 0xC0) != 0x80)) break;
    cp = (cp << 6) | (b & 0x3F);
    ++taken;
  }
  if (length != 0 && taken == length) return Utf8Char{cp, length, true};
  return Utf8Char{U'\uFFFD', taken, false};
}

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const Utf8Char c = ReadUtf8Char(utf8);
    out += c.codePoint;
    utf8.remove_prefix(c.length);
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) AppendUtf8(out, cp);
  return out;
}

}  // namespace wendral
