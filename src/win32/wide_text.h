#pragma once
// Window texts are UTF-16; the program's logic keeps UTF-8.
#include <string>
#include <string_view>

namespace wendral::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
std::u16string WidenU16(std::string_view utf8);

}  // namespace wendral::win32
