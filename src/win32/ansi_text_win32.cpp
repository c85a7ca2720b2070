// UTF-8 <-> code page 936 with the Windows conversion functions: UTF-8 is widened with
// MultiByteToWideChar(CP_UTF8) and narrowed with WideCharToMultiByte(936), and back.
#include <windows.h>

#include <climits>

#include "app/ansi_text.h"

namespace wendral {
namespace {

constexpr UINT kAnsiCodePage = 936;

std::wstring Widen(UINT codePage, std::string_view text) {
  if (text.empty() || text.size() > static_cast<size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (wideLength <= 0) return {};
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
  return wide;
}

std::string Narrow(UINT codePage, DWORD flags, const std::wstring& wide, BOOL* usedDefault) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int narrowLength = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, usedDefault);
  if (narrowLength <= 0) return {};
  std::string narrow(static_cast<size_t>(narrowLength), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), length, narrow.data(), narrowLength, nullptr, usedDefault);
  return narrow;
}

}  // namespace

std::string ToAnsi(std::string_view utf8) { return Narrow(kAnsiCodePage, 0, Widen(CP_UTF8, utf8), nullptr); }

std::optional<std::string> ToAnsiExact(std::string_view utf8) {
  BOOL usedDefault = FALSE;
  std::string ansi = Narrow(kAnsiCodePage, WC_NO_BEST_FIT_CHARS, Widen(CP_UTF8, utf8), &usedDefault);
  if (usedDefault) return std::nullopt;
  return ansi;
}

std::string FromAnsi(std::string_view ansi) { return Narrow(CP_UTF8, 0, Widen(kAnsiCodePage, ansi), nullptr); }

}  // namespace wendral
