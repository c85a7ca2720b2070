// The drawing surface of a button window: a memory DC holding a bitmap the size of the
// window's client area. The control draws into it at any time, not only while painting; a
// redraw starts with Cls, which posts kPresentMessage to the window once. When that arrives
// (after whatever redraws the current message made), the window compares the bitmap with
// what it last showed and repaints only the pixels that changed, if any; WM_PAINT copies
// the bitmap to the screen. Regions go to the window itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "win32/gdi_surface.h"

namespace quillet::win32 {

// Posted by a redraw: compare and repaint what changed (a message private to the class).
constexpr UINT kPresentMessage = WM_USER + 0x5A1;

class WindowBufferSurface : public GdiSurface {
 public:
  static std::unique_ptr<WindowBufferSurface> Create(HWND window, std::int32_t width, std::int32_t height);
  ~WindowBufferSurface() override;

  // A new bitmap of the given size; the old content is dropped (the control redraws).
  bool Resize(std::int32_t width, std::int32_t height);
  // Copies the bitmap to `target` at (0, 0) and remembers it as what the screen shows.
  void CopyTo(HDC target);
  // Copies the bitmap to another device (WM_PRINTCLIENT); the screen is not concerned.
  void PrintTo(HDC target) const;
  // Answers kPresentMessage: the bounds of the pixels that differ from what the screen
  // last showed, or nothing when the redraws since then changed no pixel.
  std::optional<RECT> TakeChangedArea();
  // While painting, a redraw must not mark the window invalid again.
  void SetInvalidateOnClear(bool on) { invalidateOnClear_ = on; }

  void Cls() override;

 private:
  WindowBufferSurface(HWND window, HDC dc, HBITMAP bitmap, HGDIOBJ previous, std::int32_t width, std::int32_t height);
  static HBITMAP MakeBitmap(std::int32_t width, std::int32_t height);
  std::vector<std::uint32_t> ReadPixels() const;

  HWND window_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  bool invalidateOnClear_ = true;
  bool presentPosted_ = false;
  std::vector<std::uint32_t> shown_;  // what the screen shows; empty: not known
};

}  // namespace quillet::win32
