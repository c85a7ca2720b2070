#pragma once
// What a window looks like on the screen: a copy of the screen's pixels under it, taken
// with GDI from the screen's device context, so the program is seen exactly as a user sees
// it, whatever drew it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace wendral::e2e {

class ScreenShot {
 public:
  // The window's whole area (client and frame) as it is on the screen now.
  static ScreenShot Of(HWND window);
  // A rectangle of a window's client area, in client coordinates.
  static ScreenShot OfClient(HWND window, const RECT& clientRect);

  int width() const { return width_; }
  int height() const { return height_; }
  // COLORREF (0x00BBGGRR) of a pixel; x and y from the shot's top-left corner.
  COLORREF At(int x, int y) const;
  // Pixels that differ between two shots of the same size (all of them when sizes differ).
  int DifferingPixels(const ScreenShot& other) const;
  // Writes a PNG and answers where it went, with the host's path when Wine can say it.
  std::string SavePng(const std::wstring& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, rows top-down
};

// Channel distance: the largest of the three channel differences.
int ColorDistance(COLORREF a, COLORREF b);
std::string DescribeColor(COLORREF color);

}  // namespace wendral::e2e
