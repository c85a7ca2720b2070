#include "formats/utf16.h"

#include "formats/utf32.h"

namespace wendral {
namespace {

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  for (char32_t c : DecodeUtf8(utf8)) {
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  for (char16_t unit : Utf8ToUtf16(utf8)) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view units, bool* exact) {
  std::string out;
  bool whole = true;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t unit = units[i];
    if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      whole = false;  // AppendUtf8 writes U+FFFD
    }
    AppendUtf8(out, unit);
  }
  if (exact != nullptr) *exact = whole;
  return out;
}

std::string Utf16LeToUtf8(std::string_view bytes, bool* exact) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units +=
        static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  const std::string text = Utf16ToUtf8(units, exact);
  if (exact != nullptr && bytes.size() % 2 != 0) *exact = false;
  return text;
}

std::string ToTerminatedUtf16Le(std::string_view utf8) { return Utf8ToUtf16Le(utf8) + std::string(2, '\0'); }

std::optional<std::string> FromTerminatedUtf16Le(std::string_view bytes) {
  if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes[bytes.size() - 2] != '\0' || bytes.back() != '\0') {
    return std::nullopt;
  }
  bool exact = false;
  std::string text = Utf16LeToUtf8(bytes.substr(0, bytes.size() - 2), &exact);
  if (!exact || text.find('\0') != std::string::npos) return std::nullopt;
  return text;
}

}  // namespace wendral
