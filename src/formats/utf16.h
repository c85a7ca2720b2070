#pragma once
// UTF-8 <-> UTF-16, the text of windows, of the registry's wide calls and of regedit's Unicode
// files: as code units, or as the little-endian bytes a registry value or a file holds.
#include <optional>
#include <string>
#include <string_view>

namespace wendral {

// Each ill-formed part of the UTF-8 becomes one U+FFFD (as DecodeUtf8); a character past
// U+FFFF becomes a surrogate pair.
std::u16string Utf8ToUtf16(std::string_view utf8);
// The same as little-endian bytes.
std::string Utf8ToUtf16Le(std::string_view utf8);

// UTF-16 as UTF-8, zero characters kept: a surrogate pair becomes its character and a lone
// surrogate U+FFFD. *exact, when given, says whether no lone surrogate was met.
std::string Utf16ToUtf8(std::u16string_view units, bool* exact = nullptr);
// The same from little-endian bytes, of which an odd last one is dropped (and *exact false).
std::string Utf16LeToUtf8(std::string_view bytes, bool* exact = nullptr);

// A REG_SZ value's bytes as the wide calls store it: the text in UTF-16LE and its terminator.
std::string ToTerminatedUtf16Le(std::string_view utf8);
// Its inverse: nothing unless the bytes are whole units that end in one terminator and hold
// none before it, every surrogate paired.
std::optional<std::string> FromTerminatedUtf16Le(std::string_view bytes);

}  // namespace wendral
