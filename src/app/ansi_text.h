#pragma once
// The program keeps its text in UTF-8. Registry values and the settings file hold it in the
// ANSI code page (936, GBK, on the systems the program targets). The conversions are
// implemented by the platform layer: WideCharToMultiByte on Windows, iconv elsewhere.
#include <optional>
#include <string>
#include <string_view>

namespace wendral {

// UTF-8 to code page 936. Characters the code page cannot hold become their best-fit form
// where Windows has one (A grave -> pinyin a grave, superscript two -> '2'), else '?', as the
// Windows ANSI functions do.
std::string ToAnsi(std::string_view utf8);

// UTF-8 to code page 936, or nothing when some character has no code page 936 form.
std::optional<std::string> ToAnsiExact(std::string_view utf8);

// Code page 936 to UTF-8. A byte sequence that is not valid GBK decodes as the platform does
// (Windows: its default character; elsewhere: U+FFFD), never fails.
std::string FromAnsi(std::string_view ansi);

}  // namespace wendral
