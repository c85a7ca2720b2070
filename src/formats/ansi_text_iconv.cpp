// UTF-8 <-> code page 936 with iconv, for machines without the Windows conversion functions.
//
// glibc's "CP936" is GBK with the euro sign at 0x80. Windows code page 936 holds the same
// characters and, beyond them, maps every other two-byte code (the user-defined areas and the
// unassigned places of the symbol rows, 2149 codes) and the single byte 0xFF to the Private
// Use Area, U+E000 to U+E864 and U+F8F5. iconv knows none of these, so this file adds them
// (PrivateUseTable below); with them every code of the code page decodes as on Windows, which
// tests/settings/ansi_text_test.cpp checks over the whole code page natively and under Wine.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

#include "app/ansi_text.h"
#include "formats/best_fit_936.h"
#include "formats/utf32.h"

namespace wendral {
namespace {

constexpr const char* kAnsiCharset = "CP936";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv_open failed: ") + from + " -> " + to);
    }
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts as much of in as it can, appending to out. Returns 0 when all of in was taken,
  // else the errno that stopped it (EILSEQ or EINVAL) with in advanced to the bad bytes.
  int Convert(std::string_view& in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    char buffer[1024];
    while (!in.empty()) {
      char* src = const_cast<char*>(in.data());
      size_t srcLeft = in.size();
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      const size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      const int error = rc == static_cast<size_t>(-1) ? errno : 0;
      out.append(buffer, static_cast<size_t>(dst - buffer));
      in.remove_prefix(in.size() - srcLeft);
      if (error == E2BIG) continue;
      if (error != 0) return error;
    }
    return 0;
  }

 private:
  iconv_t cd_;
};

// Windows' Private Use Area mappings of code page 936 that iconv lacks, both ways. A code is
// the byte value for one byte, lead * 256 + trail for two. Built once from iconv itself: every
// two-byte code that iconv cannot decode is one of Windows' PUA codes, placed by the rules of
// Microsoft's table:
//   AAA1-AFFE -> U+E000.., F8A1-FEFE -> U+E234.., A140-A7A0 -> U+E4C6.. (trail 0x7F skipped),
//   all others (unassigned places in rows A2-A9, D7FA-D7FE, FE50-FEA0) in code order from
//   U+E766 on; and the single byte 0xFF -> U+F8F5.
class PrivateUseTable {
 public:
  static const PrivateUseTable& Get() {
    static const PrivateUseTable table;
    return table;
  }
  // 0 when the code has no such mapping.
  uint32_t Decode(uint32_t code) const {
    const auto it = toUnicode_.find(code);
    return it == toUnicode_.end() ? 0 : it->second;
  }
  // 0 when the character has no such mapping.
  uint32_t Encode(uint32_t cp) const {
    const auto it = toCode_.find(cp);
    return it == toCode_.end() ? 0 : it->second;
  }

 private:
  PrivateUseTable() {
    iconv_t cd = iconv_open("UTF-8", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed: CP936");
    uint32_t next = 0xE766;
    for (uint32_t lead = 0x81; lead <= 0xFE; ++lead) {
      for (uint32_t trail = 0x40; trail <= 0xFE; ++trail) {
        if (trail == 0x7F) continue;
        char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        char out[8];
        char* src = in;
        char* dst = out;
        size_t srcLeft = 2, dstLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) continue;
        uint32_t cp;
        if (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1) {
          cp = 0xE000 + (lead - 0xAA) * 94 + (trail - 0xA1);
        } else if (lead >= 0xF8 && trail >= 0xA1) {
          cp = 0xE234 + (lead - 0xF8) * 94 + (trail - 0xA1);
        } else if (lead >= 0xA1 && lead <= 0xA7 && trail <= 0xA0) {
          cp = 0xE4C6 + (lead - 0xA1) * 96 + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
        } else {
          cp = next++;
        }
        Add(lead * 256 + trail, cp);
      }
    }
    iconv_close(cd);
    Add(0xFF, 0xF8F5);
  }
  void Add(uint32_t code, uint32_t cp) {
    toUnicode_.emplace(code, cp);
    toCode_.emplace(cp, code);
  }
  std::unordered_map<uint32_t, uint32_t> toUnicode_;
  std::unordered_map<uint32_t, uint32_t> toCode_;
};

void AppendCode(std::string& out, uint32_t code) {
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// WideCharToMultiByte's best-fit form of a character code page 936 lacks, or 0.
uint32_t BestFit(uint32_t cp) {
  const auto it = std::lower_bound(std::begin(kBestFit936), std::end(kBestFit936), cp,
                                   [](const BestFit936& entry, uint32_t c) { return entry.character < c; });
  return (it != std::end(kBestFit936) && it->character == cp) ? it->code : 0;
}

// UTF-8 to code page 936. Characters without a code page 936 form take their best-fit form
// where Windows has one, else become '?' (one per UTF-16 unit, as WideCharToMultiByte does for
// a surrogate pair); ill-formed bytes one '?' per maximal subpart. With exact set, the first
// such character makes the result nothing.
std::optional<std::string> Encode(std::string_view utf8, bool exact) {
  Iconv cd(kAnsiCharset, "UTF-8");
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    if (cd.Convert(utf8, out) == 0) break;
    const Utf8Char c = ReadUtf8Char(utf8);
    if (const uint32_t code = c.wellFormed ? PrivateUseTable::Get().Encode(c.codePoint) : 0) {
      AppendCode(out, code);
      utf8.remove_prefix(c.length);
      continue;
    }
    if (exact) return std::nullopt;
    if (const uint32_t code = c.wellFormed ? BestFit(c.codePoint) : 0) {
      AppendCode(out, code);
    } else if (!c.wellFormed) {
      out += '?';
    } else {
      out.append(c.codePoint >= 0x10000 ? 2 : 1, '?');
    }
    utf8.remove_prefix(c.length);
  }
  return out;
}

}  // namespace

std::string ToAnsi(std::string_view utf8) { return *Encode(utf8, false); }

std::optional<std::string> ToAnsiExact(std::string_view utf8) { return Encode(utf8, true); }

std::string FromAnsi(std::string_view ansi) {
  Iconv cd("UTF-8", kAnsiCharset);
  std::string out;
  out.reserve(ansi.size() * 3 / 2);
  while (!ansi.empty()) {
    if (cd.Convert(ansi, out) == 0) break;
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(ansi[i]); };
    if (ansi.size() >= 2) {
      if (const uint32_t cp = PrivateUseTable::Get().Decode(byte(0) * 256u + byte(1))) {
        AppendUtf8(out, cp);
        ansi.remove_prefix(2);
        continue;
      }
    }
    if (const uint32_t cp = PrivateUseTable::Get().Decode(byte(0))) {
      AppendUtf8(out, cp);
      ansi.remove_prefix(1);
      continue;
    }
    // Not valid GBK. As on Windows, a lead byte takes the byte after it along (unless that is
    // a zero byte) and the pair becomes one replacement character; any other byte alone.
    out += kReplacementUtf8;
    const bool isLead = byte(0) >= 0x81 && byte(0) <= 0xFE;
    ansi.remove_prefix(isLead && ansi.size() >= 2 && byte(1) != 0 ? 2 : 1);
  }
  return out;
}

}  // namespace wendral
