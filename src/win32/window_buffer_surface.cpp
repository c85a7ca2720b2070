#include "win32/window_buffer_surface.h"

#include <algorithm>

namespace quillet::win32 {

HBITMAP WindowBufferSurface::MakeBitmap(std::int32_t width, std::int32_t height) {
  // A zero-sized bitmap cannot be selected; keep one pixel for an empty window.
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
  ReleaseDC(nullptr, screen);
  return bitmap;
}

std::unique_ptr<WindowBufferSurface> WindowBufferSurface::Create(HWND window, std::int32_t width, std::int32_t height) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return nullptr;
  HBITMAP bitmap = MakeBitmap(width, height);
  if (!bitmap) {
    DeleteDC(dc);
    return nullptr;
  }
  HGDIOBJ previous = SelectObject(dc, bitmap);
  return std::unique_ptr<WindowBufferSurface>(new WindowBufferSurface(window, dc, bitmap, previous, width, height));
}

WindowBufferSurface::WindowBufferSurface(HWND window, HDC dc, HBITMAP bitmap, HGDIOBJ previous, std::int32_t width,
                                         std::int32_t height)
    : GdiSurface(dc, width, height, window), window_(window), dc_(dc), bitmap_(bitmap), previous_(previous) {}

WindowBufferSurface::~WindowBufferSurface() {
  ReleaseObjects();
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

bool WindowBufferSurface::Resize(std::int32_t width, std::int32_t height) {
  if (width == Width() && height == Height()) return true;
  HBITMAP bitmap = MakeBitmap(width, height);
  if (!bitmap) return false;
  SelectObject(dc_, bitmap);
  DeleteObject(bitmap_);
  bitmap_ = bitmap;
  SetSize(width, height);
  shown_.clear();
  return true;
}

std::vector<std::uint32_t> WindowBufferSurface::ReadPixels() const {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Width()) * Height());
  if (pixels.empty()) return pixels;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = Width();
  info.bmiHeader.biHeight = -Height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  GdiFlush();
  if (GetDIBits(dc_, bitmap_, 0, static_cast<UINT>(Height()), pixels.data(), &info, DIB_RGB_COLORS) == 0)
    pixels.clear();
  return pixels;
}

void WindowBufferSurface::CopyTo(HDC target) {
  BitBlt(target, 0, 0, Width(), Height(), dc_, 0, 0, SRCCOPY);
  shown_ = ReadPixels();
}

void WindowBufferSurface::PrintTo(HDC target) const { BitBlt(target, 0, 0, Width(), Height(), dc_, 0, 0, SRCCOPY); }

std::optional<RECT> WindowBufferSurface::TakeChangedArea() {
  presentPosted_ = false;
  std::vector<std::uint32_t> now = ReadPixels();
  const std::int32_t w = Width(), h = Height();
  if (now.empty() || shown_.size() != now.size()) return RECT{0, 0, w, h};  // unknown: all of it
  RECT box{w, h, 0, 0};
  for (std::int32_t y = 0; y < h; ++y) {
    const std::uint32_t* a = now.data() + static_cast<std::size_t>(y) * w;
    const std::uint32_t* b = shown_.data() + static_cast<std::size_t>(y) * w;
    std::int32_t first = 0, last = w - 1;
    while (first < w && a[first] == b[first]) ++first;
    if (first == w) continue;
    while (a[last] == b[last]) --last;
    box.left = std::min<LONG>(box.left, first);
    box.right = std::max<LONG>(box.right, last + 1);
    box.top = std::min<LONG>(box.top, y);
    box.bottom = y + 1;
  }
  if (box.left >= box.right) return std::nullopt;
  return box;
}

void WindowBufferSurface::Cls() {
  GdiSurface::Cls();
  if (!invalidateOnClear_ || !window_ || presentPosted_) return;
  presentPosted_ = PostMessageW(window_, kPresentMessage, 0, 0) != 0;
  if (!presentPosted_) InvalidateRect(window_, nullptr, FALSE);  // no queue room: repaint all
}

}  // namespace quillet::win32
