// Code page 936 text: any bytes decode to well-formed UTF-8 without a fault, and bytes that
// decode without a replacement character encode back to the same bytes. Any UTF-8 encodes;
// what encodes exactly decodes back to the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/ansi_text.h"
#include "fuzz_check.h"
#include "formats/utf32.h"

using namespace wendral;

namespace {

bool WellFormedUtf8(std::string_view s) {
  while (!s.empty()) {
    const Utf8Char c = ReadUtf8Char(s);
    if (!c.wellFormed) return false;
    s.remove_prefix(c.length);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string text = FromAnsi(bytes);
  FUZZ_CHECK(WellFormedUtf8(text));
  if (text.find("\xEF\xBF\xBD") == std::string::npos) {
    FUZZ_CHECK(ToAnsi(text) == bytes);
    FUZZ_CHECK(ToAnsiExact(text) == std::string(bytes));
  }

  const std::string ansi = ToAnsi(bytes);  // the same bytes taken as UTF-8
  FUZZ_CHECK(WellFormedUtf8(FromAnsi(ansi)));
  if (const std::optional<std::string> exact = ToAnsiExact(bytes)) {
    FUZZ_CHECK(*exact == ansi);
    FUZZ_CHECK(FromAnsi(*exact) == bytes);
  }
  return 0;
}
