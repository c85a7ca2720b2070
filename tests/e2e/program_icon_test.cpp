// The program's icon as Windows loads it from wendral.exe: all five sizes, the 128-pixel one
// kept as a compressed PNG image, drawn with the artwork's colours.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/win32_test_utils.h"

namespace wendral::e2e {
namespace {

constexpr int kIconResource = 1;  // IDI_WENDRAL

std::wstring ProgramPath() { return test::ExecutableFolder() + L"\\wendral.exe"; }

// The icon drawn at its own size on white, read back pixel by pixel.
COLORREF PixelOfIcon(HICON icon, int size, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return c;
}

TEST(ProgramIcon, EverySizeLoadsWithTheArtworksColours) {
  HMODULE program = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  for (int size : {16, 32, 48, 64, 128}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(program, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << size;
    BITMAP bm{};
    GetObjectW(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    // The rounded square's blue #1F6FD1 inside its left edge, halfway down (at the larger
    // sizes, where the resampling leaves it untouched); the corner is transparent, so the
    // white behind shows.
    if (size >= 64) {
      EXPECT_EQ(PixelOfIcon(icon, size, size / 8, size / 2), RGB(0x1F, 0x6F, 0xD1)) << size;
      EXPECT_EQ(PixelOfIcon(icon, size, 0, 0), RGB(255, 255, 255)) << size;
    }
    DestroyIcon(icon);
  }
  FreeLibrary(program);
}

}  // namespace
}  // namespace wendral::e2e
