// The Windows suites rely on the Wine prefix being set up like a Chinese Windows:
// ANSI code page 936 and a CJK face behind 宋体. Catch a broken prefix here, once.
#include <gtest/gtest.h>
#include <windows.h>

TEST(WineHarness, AnsiCodePageIs936) {
  EXPECT_EQ(GetACP(), 936u);
}

TEST(WineHarness, SongTiResolvesToAChineseFace) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"\u5b8b\u4f53");
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW tm{};
  ASSERT_TRUE(GetTextMetricsW(dc, &tm));
  EXPECT_EQ(tm.tmCharSet, GB2312_CHARSET);
  SIZE size{};
  ASSERT_TRUE(GetTextExtentPoint32W(dc, L"\u786e\u8ba4", 2, &size));  // "确认"
  // A face without CJK glyphs would fall back to narrow default boxes; a CJK face draws
  // each ideograph about one em wide.
  EXPECT_GE(size.cx, 2 * 10);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
}
