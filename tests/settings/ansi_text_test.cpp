// The ANSI text codec (src/app/ansi_text.h). The same suite runs natively against iconv and
// under Wine against MultiByteToWideChar/WideCharToMultiByte, so the two implementations are
// held to the same table of known GBK bytes and to each other over the whole code page. Also
// the UTF-16 helpers (src/formats/utf16.h) the wide registry values and regedit's files take.
#include "app/ansi_text.h"
#include "formats/utf16.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace wendral {
namespace {

struct Known {
  const char* utf8;
  const char* gbk;
};

// Known code page 936 forms; each also decodes back to the same UTF-8.
const Known kKnown[] = {
    {"", ""},
    {"TP-LINK_75BCRT", "TP-LINK_75BCRT"},
    {"\xe4\xb8\xad\xe6\x96\x87\xe7\xbd\x91\xe7\xbb\x9c", "\xd6\xd0\xce\xc4\xcd\xf8\xc2\xe7"},  // 中文网络
    {"360\xe9\x9a\x8f\xe8\xba\xab" "WIFI", "\x33\x36\x30\xcb\xe6\xc9\xed\x57\x49\x46\x49"},  // 360随身WIFI
    {"\xe7\xbd\x91\xe5\x90\xa7\xe6\xa8\xa1\xe5\xbc\x8f", "\xcd\xf8\xb0\xc9\xc4\xa3\xca\xbd"},  // 网吧模式
    {"\xe6\x8f\x90\xe7\xa4\xba", "\xcc\xe1\xca\xbe"},                                          // 提示
    {"\xe7\xa1\xae\xe8\xae\xa4\xe4\xbf\xae\xe6\x94\xb9", "\xc8\xb7\xc8\xcf\xd0\xde\xb8\xc4"},  // 确认修改
    // 我的网络，你好！ (full-width comma and exclamation mark)
    {"\xe6\x88\x91\xe7\x9a\x84\xe7\xbd\x91\xe7\xbb\x9c\xef\xbc\x8c\xe4\xbd\xa0\xe5\xa5\xbd\xef\xbc\x81",
     "\xce\xd2\xb5\xc4\xcd\xf8\xc2\xe7\xa3\xac\xc4\xe3\xba\xc3\xa3\xa1"},
    {"\xe2\x82\xac", "\x80"},                                                 // € (the one single byte above 0x7F)
    {"\xc2\xb7\xe2\x80\x94\xef\xbd\x9e", "\xa1\xa4\xa1\xaa\xa1\xab"},        // ·—～
    {"\xe7\x8c\xab\xe3\x81\xae\xe5\xae\xb6", "\xc3\xa8\xa4\xce\xbc\xd2"},    // 猫の家
    {"\xe9\xbe\x98", "\xfd\x93"},                                             // 龘 (GBK extension)
    {"\xe3\x80\x87", "\xa9\x96"},                                             // 〇
    {"\xe9\xbd\x84", "\xf7\xfe"},                                             // 齄 (last GB2312 hanzi)
    {"\xc3\xa9\xc4\x81", "\xa8\xa6\xa8\xa1"},                                 // éā (pinyin letters)
    {"\xef\xbf\xa5\xc2\xa7", "\xa3\xa4\xa1\xec"},                             // ￥§
    {"\xe2\x91\xa0\xe3\x88\xa0\xe2\x85\xab", "\xa2\xd9\xa2\xe5\xa2\xfc"},     // ①㈠Ⅻ
    {"a\x7f" "b c\t~", "a\x7f" "b c\t~"},
};

std::string Hex(const std::string& s) {
  std::string out;
  char buf[4];
  for (unsigned char c : s) {
    std::snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

TEST(AnsiText, KnownStringsEncodeToTheirGbkBytes) {
  for (const Known& k : kKnown) {
    EXPECT_EQ(Hex(ToAnsi(k.utf8)), Hex(k.gbk)) << k.utf8;
    const std::optional<std::string> exact = ToAnsiExact(k.utf8);
    ASSERT_TRUE(exact.has_value()) << k.utf8;
    EXPECT_EQ(Hex(*exact), Hex(k.gbk)) << k.utf8;
  }
}

TEST(AnsiText, KnownGbkBytesDecodeToTheirStrings) {
  for (const Known& k : kKnown) EXPECT_EQ(Hex(FromAnsi(k.gbk)), Hex(k.utf8)) << k.utf8;
}

TEST(AnsiText, EmbeddedZeroBytesPassThrough) {
  const std::string utf8("a\0\xe4\xb8\xad", 5);
  const std::string gbk("a\0\xd6\xd0", 4);
  EXPECT_EQ(ToAnsi(utf8), gbk);
  EXPECT_EQ(FromAnsi(gbk), utf8);
}

// Hangul, an emoji (outside the Basic Multilingual Plane), the Japanese middle dot: no code
// page 936 form.
TEST(AnsiText, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(ToAnsi("a\xed\x95\x9c" "b"), "a?b");                       // a한b
  EXPECT_EQ(ToAnsi("\xe4\xb8\xad\xe3\x83\xbb"), "\xd6\xd0?");          // 中・
  // One '?' per UTF-16 unit: WideCharToMultiByte sees the two halves of a surrogate pair.
  EXPECT_EQ(ToAnsi("x\xf0\x9f\x98\x80y"), "x??y");                     // x😀y
  // Some take a close form the code page has: À (A grave) the pinyin a grave, superscript
  // two the digit.
  EXPECT_EQ(ToAnsi("\xc3\x80\xc2\xb2"), "\xa8\xa4" "2");
  EXPECT_FALSE(ToAnsiExact("\xc3\x80").has_value());
}

TEST(AnsiText, ExactConversionRefusesUnrepresentableCharacters) {
  EXPECT_FALSE(ToAnsiExact("a\xed\x95\x9c" "b").has_value());
  EXPECT_FALSE(ToAnsiExact("\xf0\x9f\x98\x80").has_value());
  EXPECT_FALSE(ToAnsiExact("\xe3\x83\xbb").has_value());
  // A literal question mark is text like any other.
  ASSERT_TRUE(ToAnsiExact("?").has_value());
  EXPECT_EQ(*ToAnsiExact("?"), "?");
}

TEST(AnsiText, IllFormedUtf8IsNeverExact) {
  EXPECT_FALSE(ToAnsiExact("a\xff" "b").has_value());
  EXPECT_FALSE(ToAnsiExact("\xe4\xb8").has_value());
  EXPECT_EQ(ToAnsi("a\xff" "b"), "a?b");
}

TEST(Utf16Text, AValuesBytesComeBackOnlyWhenWhole) {
  const std::string text = "\xe4\xb8\xad\xf0\x9f\x93\xb6";  // 中 and U+1F4F6, past U+FFFF
  const std::string bytes = ToTerminatedUtf16Le(text);
  EXPECT_EQ(bytes, std::string("\x2d\x4e\x3d\xd8\xf6\xdc\0\0", 8));
  EXPECT_EQ(FromTerminatedUtf16Le(bytes), text);
  EXPECT_EQ(Utf16ToUtf8(u"\u4e2d\U0001F4F6"), text);
  // No terminator, an odd byte, a lone surrogate, a zero unit before the end.
  for (const std::string& broken : {std::string("a\0", 2), std::string("a\0\0", 3), std::string("\x3d\xd8\0\0", 4),
                                    std::string("a\0\0\0b\0\0\0", 8)}) {
    EXPECT_FALSE(FromTerminatedUtf16Le(broken)) << broken.size();
  }
  // Read whatever comes: a lone surrogate as U+FFFD, an odd last byte dropped, zeros kept.
  bool exact = true;
  EXPECT_EQ(Utf16LeToUtf8(std::string("a\0\0\0\x3d\xd8z", 7), &exact), std::string("a\0\xef\xbf\xbd", 5));
  EXPECT_FALSE(exact);
  EXPECT_EQ(Utf16LeToUtf8(bytes, &exact), text + std::string(1, '\0'));
  EXPECT_TRUE(exact);
}

TEST(AnsiText, InvalidGbkNeverFails) {
  // A lead byte at the end, a lead byte before an invalid trail byte, the unused byte 0xFF.
  const std::string decoded = FromAnsi("a\x81");
  EXPECT_EQ(decoded.substr(0, 1), "a");
  EXPECT_GT(decoded.size(), 1u);
  EXPECT_FALSE(FromAnsi("\x81\x7f" "b").empty());
  EXPECT_FALSE(FromAnsi("\xff").empty());
  // A lead byte swallows the byte after it, but not a zero byte.
  const std::string pair = FromAnsi("\x81\x20" "b");
  EXPECT_EQ(ToAnsi(pair), "?b");
  EXPECT_EQ(ToAnsi(FromAnsi(std::string("\x81\0", 2))), std::string("?\0", 2));
#ifdef _WIN32
  EXPECT_EQ(pair, "?b");
#else
  EXPECT_EQ(FromAnsi("a\x81"), "a\xef\xbf\xbd");
  EXPECT_EQ(pair, "\xef\xbf\xbd" "b");
#endif
}

// Every two-byte code of code page 936 and every single byte: the decoded text, folded into a
// 64-bit FNV-1a digest. The constant is what Windows (Wine) gives; the native build must give
// the same, so iconv and Windows agree on every character of the code page. With
// WENDRAL_CODEC_DUMP=<file> the suite writes the table out, one code per line, to compare.
uint64_t Fnv1a(uint64_t h, const std::string& s) {
  for (unsigned char c : s) {
    h ^= c;
    h *= 0x100000001b3ull;
  }
  return h;
}

TEST(AnsiText, WholeCodePageDecodesAsOnWindows) {
  FILE* dump = nullptr;
  if (const char* path = std::getenv("WENDRAL_CODEC_DUMP")) dump = std::fopen(path, "wb");
  uint64_t digest = 0xcbf29ce484222325ull;
  int roundTrips = 0;
  for (int lead = 0x00; lead <= 0xFF; ++lead) {
    const bool isLead = lead >= 0x81 && lead <= 0xFE;
    for (int trail = isLead ? 0x40 : -1; trail <= (isLead ? 0xFE : -1); ++trail) {
      if (trail == 0x7F) continue;
      std::string code(1, static_cast<char>(lead));
      if (trail >= 0) code += static_cast<char>(trail);
      const std::string text = FromAnsi(code);
      digest = Fnv1a(Fnv1a(digest, code), text);
      const std::optional<std::string> back = ToAnsiExact(text);
      if (back && *back == code) ++roundTrips;
      if (dump) std::fprintf(dump, "%s\t%s\t%s\n", Hex(code).c_str(), Hex(text).c_str(),
                             back ? Hex(*back).c_str() : "-");
    }
  }
  if (dump) std::fclose(dump);
  std::printf("code page 936: %d codes round-trip, digest %016llx\n", roundTrips,
              static_cast<unsigned long long>(digest));
  EXPECT_EQ(digest, 0x71cfdfc359f4590full);  // as Wine gives it
}

// Every character of the Basic Multilingual Plane (less the surrogates) through ToAnsiExact
// (the bytes, or nothing) and through ToAnsi, folded into digests; again the Windows (Wine)
// values. So both implementations agree on which characters code page 936 holds, on their
// bytes, and on the best-fit form or '?' of the others.
TEST(AnsiText, WholeBmpEncodesExactlyAsOnWindows) {
  FILE* dump = nullptr;
  if (const char* path = std::getenv("WENDRAL_CODEC_DUMP_BMP")) dump = std::fopen(path, "wb");
  uint64_t digest = 0xcbf29ce484222325ull;
  uint64_t lossyDigest = digest;
  int representable = 0;
  for (uint32_t cp = 1; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string utf8;
    if (cp < 0x80) {
      utf8 += static_cast<char>(cp);
    } else if (cp < 0x800) {
      utf8 += static_cast<char>(0xC0 | (cp >> 6));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (cp >> 12));
      utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (cp & 0x3F));
    }
    const std::optional<std::string> exact = ToAnsiExact(utf8);
    digest = Fnv1a(digest, exact ? "+" + *exact : "-");
    lossyDigest = Fnv1a(lossyDigest, ToAnsi(utf8) + "|");
    if (exact) ++representable;
    if (dump) {
      std::fprintf(dump, "%04X\t%s\t%s\n", static_cast<unsigned>(cp),
                   exact ? Hex(*exact).c_str() : "-", Hex(ToAnsi(utf8)).c_str());
    }
  }
  if (dump) std::fclose(dump);
  std::printf("BMP: %d characters have a code page 936 form, digest %016llx, lossy %016llx\n",
              representable, static_cast<unsigned long long>(digest),
              static_cast<unsigned long long>(lossyDigest));
  EXPECT_EQ(digest, 0xef4d7f764de11fe1ull);  // as Wine gives it
  EXPECT_EQ(lossyDigest, 0x9123d90c2b7a2120ull);  // ToAnsi, best-fit forms included, as Wine gives it
}

}  // namespace
}  // namespace wendral
