// GDI's text under Wine, held to the record the native raster is compared against, so the
// record cannot go stale. With WENDRAL_RECORD_TEXT set the suite prints a fresh record
// instead (tests/text/gdi_text_record.inc).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>
#include <vector>

#include "text/text_corpus.h"

namespace wendral::text_test {
namespace {

const std::vector<GdiText> kRecord = {
#include "text/gdi_text_record.inc"
};

struct Drawn {
  GdiText box{};
  std::string coverage;
};

Drawn DrawWithGdi(const TextCase& c) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSurfaceWidth;
  info.bmiHeader.biHeight = -kSurfaceHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  HFONT font = CreateFontW(c.height, 0, 0, 0, c.weight, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                           L"\u5b8b\u4f53");
  HGDIOBJ old_font = SelectObject(dc, font);
  const auto* text = reinterpret_cast<const wchar_t*>(c.caption.c_str());
  const int length = static_cast<int>(c.caption.size());
  SIZE extent{};
  GetTextExtentPoint32W(dc, text, length, &extent);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::fill(pixels, pixels + kSurfaceWidth * kSurfaceHeight, 0xFFFFFFu);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT where{kLeft, kTop, kSurfaceWidth - kLeft, kSurfaceHeight - 2};
  DrawTextW(dc, text, length, &where, DT_SINGLELINE);
  GdiFlush();

  Drawn d;
  d.box = GdiText{extent.cx, extent.cy, kSurfaceWidth, kSurfaceHeight, 0, 0, nullptr};
  for (int y = 0; y < kSurfaceHeight; ++y)
    for (int x = 0; x < kSurfaceWidth; ++x)
      if ((pixels[y * kSurfaceWidth + x] & 0xFFFFFF) != 0xFFFFFF) {
        d.box.left = std::min(d.box.left, x);
        d.box.top = std::min(d.box.top, y);
        d.box.right = std::max(d.box.right, x + 1);
        d.box.bottom = std::max(d.box.bottom, y + 1);
      }
  for (int y = d.box.top; y < d.box.bottom; ++y)
    for (int x = d.box.left; x < d.box.right; ++x) {
      char hex[3];
      std::snprintf(hex, sizeof hex, "%02x", 255 - static_cast<int>(pixels[y * kSurfaceWidth + x] & 0xFF));
      d.coverage += hex;
    }
  SelectObject(dc, old_font);
  DeleteObject(font);
  SelectObject(dc, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return d;
}

TEST(GdiText, EveryCaptionDrawsAsRecorded) {
  const std::vector<TextCase> corpus = Corpus();
  if (std::getenv("WENDRAL_RECORD_TEXT")) {
    for (const TextCase& c : corpus) {
      const Drawn d = DrawWithGdi(c);
      std::printf("    {%d, %d, %d, %d, %d, %d,\n     \"%s\"},\n", d.box.cx, d.box.cy, d.box.left, d.box.top,
                  d.box.right, d.box.bottom, d.coverage.c_str());
    }
    GTEST_SKIP() << "record printed";
  }
  ASSERT_EQ(kRecord.size(), corpus.size());
  for (std::size_t i = 0; i < corpus.size(); ++i) {
    const Drawn d = DrawWithGdi(corpus[i]);
    const GdiText& r = kRecord[i];
    EXPECT_EQ((std::vector<int>{d.box.cx, d.box.cy, d.box.left, d.box.top, d.box.right, d.box.bottom}),
              (std::vector<int>{r.cx, r.cy, r.left, r.top, r.right, r.bottom}))
        << "case " << i;
    EXPECT_EQ(d.coverage, r.coverage) << "case " << i;
  }
}

}  // namespace
}  // namespace wendral::text_test
