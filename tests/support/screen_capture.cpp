#include "support/screen_capture.h"

#include <cstdio>
#include <cstdlib>

#include "formats/png_encode.h"

namespace wendral::e2e {
namespace {

void Capture(const RECT& screenRect, int& width, int& height, std::vector<std::uint32_t>& pixels) {
  width = screenRect.right - screenRect.left;
  height = screenRect.bottom - screenRect.top;
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib && bits) {
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, screenRect.left, screenRect.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = source[i] & 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(dib);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace

ScreenShot ScreenShot::Of(HWND window) {
  RECT box;
  GetWindowRect(window, &box);
  ScreenShot shot;
  Capture(box, shot.width_, shot.height_, shot.pixels_);
  return shot;
}

ScreenShot ScreenShot::OfClient(HWND window, const RECT& clientRect) {
  POINT corners[2] = {{clientRect.left, clientRect.top}, {clientRect.right, clientRect.bottom}};
  MapWindowPoints(window, nullptr, corners, 2);
  ScreenShot shot;
  Capture({corners[0].x, corners[0].y, corners[1].x, corners[1].y}, shot.width_, shot.height_, shot.pixels_);
  return shot;
}

COLORREF ScreenShot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                  static_cast<std::size_t>(x)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int ScreenShot::DifferingPixels(const ScreenShot& other) const {
  if (width_ != other.width_ || height_ != other.height_) return static_cast<int>(pixels_.size());
  int count = 0;
  for (std::size_t i = 0; i < pixels_.size(); ++i) count += pixels_[i] != other.pixels_[i];
  return count;
}

std::string ScreenShot::SavePng(const std::wstring& path) const {
  std::vector<std::uint8_t> rgba;
  rgba.reserve(pixels_.size() * 4);
  for (std::uint32_t p : pixels_) {
    rgba.push_back(static_cast<std::uint8_t>(p >> 16));
    rgba.push_back(static_cast<std::uint8_t>(p >> 8));
    rgba.push_back(static_cast<std::uint8_t>(p));
    rgba.push_back(0xFF);
  }
  char ansi[MAX_PATH * 2] = {};
  WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  if (!quillet::WritePngFile(ansi, width_, height_, rgba)) return "<not written: " + std::string(ansi) + ">";
  // Under Wine, name the file as the host sees it, so a person can open it from there.
  using UnixName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName) {
    if (char* host = unixName(path.c_str())) {
      std::string answer = host;
      HeapFree(GetProcessHeap(), 0, host);
      return answer;
    }
  }
  return ansi;
}

int ColorDistance(COLORREF a, COLORREF b) {
  const int dr = std::abs(GetRValue(a) - GetRValue(b));
  const int dg = std::abs(GetGValue(a) - GetGValue(b));
  const int db = std::abs(GetBValue(a) - GetBValue(b));
  return dr > dg ? (dr > db ? dr : db) : (dg > db ? dg : db);
}

std::string DescribeColor(COLORREF color) {
  char text[40];
  std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(color), GetGValue(color), GetBValue(color));
  return text;
}

}  // namespace wendral::e2e
