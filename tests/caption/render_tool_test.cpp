// The pieces of quillet-render: its command line, BMP/ICO reading, the PNG encoder's
// checksums and the transparent outside of a rendered button.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "formats/picture_file.h"
#include "formats/png_encode.h"
#include "formats/utf16.h"
#include "render_button.h"
#include "render_options.h"

namespace quillet::render {
namespace {

ParseResult Parse(std::vector<std::string> args) { return ParseRenderOptions(args); }

TEST(RenderOptions, ValuesArriveAndDefaultsStand) {
  const ParseResult r = Parse({"--style", "5", "--size", "120x40", "--look", "pressed", "--enabled", "0",
                               "--active", "0", "--backcolor", "0x102030", "--mask-color", "2147483663",
                               "--caption", "\xe7\xa1\xae&OK", "--font-size", "10.5", "--out", "x.png"});
  ASSERT_TRUE(r.options) << r.error;
  const RenderOptions& o = *r.options;
  EXPECT_EQ(o.style, 5);
  EXPECT_EQ(o.width, 120);
  EXPECT_EQ(o.height, 40);
  EXPECT_EQ(o.look, Look::Pressed);
  EXPECT_FALSE(o.enabled);
  EXPECT_FALSE(o.active);
  EXPECT_EQ(o.back_color, 0x102030u);
  EXPECT_EQ(o.mask_color, 0x8000000Fu);
  EXPECT_EQ(o.caption, u"\u786e&OK");
  EXPECT_EQ(o.font_size, 10.5);
  EXPECT_FALSE(o.fore_color);
  EXPECT_FALSE(o.show_focus_rect);

  const RenderOptions d = *Parse({"--out", "x.png"}).options;
  EXPECT_EQ(d.style, 2);
  EXPECT_TRUE(d.active);
  EXPECT_TRUE(d.caption.empty());
}

TEST(RenderOptions, CaptionTextBeyondTheBmpAndBrokenUtf8) {
  // A character past U+FFFF becomes a surrogate pair; overlong forms, encoded surrogates and
  // lead bytes past U+10FFFF are not characters and each become one U+FFFD per broken piece.
  EXPECT_EQ(wendral::Utf8ToUtf16("\xf0\x9f\x93\xb6"), u"\U0001F4F6");
  EXPECT_EQ(wendral::Utf8ToUtf16("a\xc0\xaf" "b"), u"a\uFFFD\uFFFDb");
  EXPECT_EQ(wendral::Utf8ToUtf16("\xed\xa0\x80"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(wendral::Utf8ToUtf16("\xf4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(wendral::Utf8ToUtf16("\xe7\xa1"), u"\uFFFD");
}

TEST(RenderOptions, MalformedOrUnknownArgumentsAreRefusedWithAReason) {
  const std::vector<std::vector<std::string>> bad = {
      {"--colour", "1", "--out", "x"}, {"--size", "100", "--out", "x"}, {"--size", "0x30", "--out", "x"},
      {"--look", "glowing", "--out", "x"}, {"--focus", "yes", "--out", "x"}, {"--backcolor", "0xZZ", "--out", "x"},
      {"--style", "2.5", "--out", "x"}, {"--font-size", "-3", "--out", "x"}, {"--out"}, {"--style", "2"},
  };
  for (const auto& args : bad) {
    const ParseResult r = Parse(args);
    EXPECT_FALSE(r.options) << args[0];
    EXPECT_FALSE(r.error.empty()) << args[0];
  }
  EXPECT_NE(Parse({"--colour", "1"}).error.find("--colour"), std::string::npos);
}

// Little-endian helpers for building files in memory.
void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void InfoHeader(std::vector<std::uint8_t>& b, std::int32_t w, std::int32_t h, std::uint32_t bits,
                std::uint32_t colours) {
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(h));
  Put16(b, 1);
  Put16(b, bits);
  for (std::uint32_t v : {0u, 0u, 0u, 0u, colours, 0u}) Put32(b, v);
}

TEST(PictureFile, BitmapsDecodeBottomUpWithPaddedRowsAndPalettes) {
  // 3 x 2, 24 bits: rows of 9 bytes padded to 12, stored bottom row first.
  std::vector<std::uint8_t> bmp{'B', 'M'};
  Put32(bmp, 0);
  Put32(bmp, 0);
  Put32(bmp, 54);
  InfoHeader(bmp, 3, 2, 24, 0);
  const std::uint8_t bottom[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0};
  const std::uint8_t top[12] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
  bmp.insert(bmp.end(), bottom, bottom + 12);
  bmp.insert(bmp.end(), top, top + 12);
  std::string error;
  auto f = DecodePictureFile(bmp, error);
  ASSERT_TRUE(f) << error;
  EXPECT_EQ(f->type, PictureType::Bitmap);
  EXPECT_EQ(f->image.pixels, (std::vector<std::uint32_t>{0x0C0B0A, 0x0F0E0D, 0x121110, 0x030201, 0x060504, 0x090807}));

  // 4 bits with a two-colour palette; pixel data found through the offset field.
  std::vector<std::uint8_t> pal{'B', 'M'};
  Put32(pal, 0);
  Put32(pal, 0);
  Put32(pal, 54 + 8);
  InfoHeader(pal, 3, 1, 4, 2);
  Put32(pal, 0x00112233);
  Put32(pal, 0x00AABBCC);
  for (std::uint8_t v : {0x10, 0x10, 0, 0}) pal.push_back(v);
  f = DecodePictureFile(pal, error);
  ASSERT_TRUE(f) << error;
  EXPECT_EQ(f->image.pixels, (std::vector<std::uint32_t>{0xAABBCC, 0x112233, 0xAABBCC}));

  pal.resize(pal.size() - 3);
  EXPECT_FALSE(DecodePictureFile(pal, error));
  EXPECT_FALSE(error.empty());
}

TEST(PictureFile, IconsTakeTheirFirstImageAndItsAndMask) {
  std::vector<std::uint8_t> ico;
  Put16(ico, 0);
  Put16(ico, 1);
  Put16(ico, 1);
  ico.insert(ico.end(), {2, 2, 0, 0});
  Put16(ico, 1);
  Put16(ico, 24);
  Put32(ico, 40 + 16 + 8);
  Put32(ico, 22);
  InfoHeader(ico, 2, 4, 24, 0);  // stored height counts the mask too
  for (std::uint8_t v : {1, 1, 1, 2, 2, 2, 0, 0, 3, 3, 3, 4, 4, 4, 0, 0}) ico.push_back(v);
  for (std::uint8_t v : {0x40, 0, 0, 0, 0x80, 0, 0, 0}) ico.push_back(v);  // bottom row: 2nd set; top: 1st
  std::string error;
  ASSERT_EQ(FirstIconSize(ico), (Size{2, 2}));
  const auto f = DecodePictureFile(ico, error);
  ASSERT_TRUE(f) << error;
  EXPECT_EQ(f->type, PictureType::Icon);
  EXPECT_EQ(f->image.pixels, (std::vector<std::uint32_t>{0x030303, 0x040404, 0x010101, 0x020202}));
  EXPECT_EQ(f->image.mask, (std::vector<std::uint8_t>{1, 0, 0, 1}));
}

// Sizes no picture can have are refused with a reason, the most negative height (a top-down
// bitmap of 2^31 rows, which cannot be turned positive) among them.
TEST(PictureFile, ImpossibleSizesAreRefused) {
  for (std::int32_t h : {INT32_MIN, 0, -4097, 4097}) {
    std::vector<std::uint8_t> bmp{'B', 'M'};
    Put32(bmp, 0);
    Put32(bmp, 0);
    Put32(bmp, 54);
    InfoHeader(bmp, 4, h, 24, 0);
    bmp.resize(bmp.size() + 64, 0);
    std::string error;
    EXPECT_FALSE(DecodePictureFile(bmp, error)) << h;
    EXPECT_EQ(error, "bad bitmap size") << h;
  }
}

TEST(PngEncode, ChecksumsAndStoredBlocksFollowTheFormat) {
  // Published check values of CRC-32 and Adler-32.
  const char* check = "123456789";
  EXPECT_EQ(Crc32({reinterpret_cast<const std::uint8_t*>(check), 9}), 0xCBF43926u);
  const char* wiki = "Wikipedia";
  EXPECT_EQ(Adler32({reinterpret_cast<const std::uint8_t*>(wiki), 9}), 0x11E60398u);

  // 200 x 100 RGBA is 80100 filtered bytes: two stored blocks, the second one final.
  const std::vector<std::uint8_t> rgba(200 * 100 * 4, 7);
  const std::vector<std::uint8_t> png = EncodePng(200, 100, rgba);
  ASSERT_GT(png.size(), 80100u);
  EXPECT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0);
  const std::size_t idat = 8 + 25;
  EXPECT_EQ(std::memcmp(png.data() + idat + 4, "IDAT", 4), 0);
  const std::uint8_t* z = png.data() + idat + 8;
  EXPECT_EQ(z[2], 0);  // first block, not final
  EXPECT_EQ(z[3] | (z[4] << 8), 65535);
  const std::uint8_t* second = z + 2 + 5 + 65535;
  EXPECT_EQ(second[0], 1);
  EXPECT_EQ(second[1] | (second[2] << 8), 80100 - 65535);
  // IEND closes with its well-known CRC.
  const std::uint8_t iend_crc[4] = {0xAE, 0x42, 0x60, 0x82};
  EXPECT_EQ(std::memcmp(png.data() + png.size() - 4, iend_crc, 4), 0);
}

TEST(ButtonRgba, OutsideTheRegionIsTransparentBlackInsideOpaque) {
  const std::vector<std::uint32_t> pixels(10 * 6, 0x00A0B0C0);
  const auto rgba = ButtonRgba(pixels.data(), 10, 6, RegionShape::FromRoundRect(0, 0, 11, 7, 3, 3));
  EXPECT_EQ(rgba[3], 0);  // the corner of a rounded region
  EXPECT_EQ(rgba[0], 0);
  const std::size_t mid = (3 * 10 + 5) * 4;
  EXPECT_EQ((std::vector<std::uint8_t>(rgba.begin() + mid, rgba.begin() + mid + 4)),
            (std::vector<std::uint8_t>{0xA0, 0xB0, 0xC0, 255}));
  const auto all = ButtonRgba(pixels.data(), 10, 6, std::nullopt);
  EXPECT_EQ(all[3], 255);
}

}  // namespace
}  // namespace quillet::render
