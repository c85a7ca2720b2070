#include "platform/win32/window_buffer_surface.h"

#include <algorithm>

namespace quillet::win32 {

HBITMAP WindowBufferSurface::MakeBitmap(std::int32_t width, std::int32_t height) {
  // A zero-sized bitmap cannot be selected; keep one pixel for an empty window.
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
  ReleaseDC(nullptr, screen);
  return bitmap;
}

std::unique_ptr<WindowBufferSurface> WindowBufferSurface::Create(HWND window, std::int32_t width,
                                                                 std::int32_t height) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return nullptr;
  HBITMAP bitmap = MakeBitmap(width, height);
  if (!bitmap) {
    DeleteDC(dc);
    return nullptr;
  }
  HGDIOBJ previous = SelectObject(dc, bitmap);
  return std::unique_ptr<WindowBufferSurface>(
      new WindowBufferSurface(window, dc, bitmap, previous, width, height));
}

WindowBufferSurface::WindowBufferSurface(HWND window, HDC dc, HBITMAP bitmap, HGDIOBJ previous,
                                         std::int32_t width, std::int32_t height)
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
  return true;
}

void WindowBufferSurface::CopyTo(HDC target) const {
  BitBlt(target, 0, 0, Width(), Height(), dc_, 0, 0, SRCCOPY);
}

void WindowBufferSurface::Cls() {
  GdiSurface::Cls();
  if (invalidate_on_clear_ && window_) InvalidateRect(window_, nullptr, FALSE);
}

}  // namespace quillet::win32
