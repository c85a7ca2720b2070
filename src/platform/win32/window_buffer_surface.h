// The drawing surface of a button window: a memory DC holding a bitmap the size of the
// window's client area. The control draws into it at any time, not only while painting; a
// redraw starts with Cls, which marks the window for repainting, and WM_PAINT copies the
// bitmap to the screen. Regions go to the window itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "platform/win32/gdi_surface.h"

namespace quillet::win32 {

class WindowBufferSurface : public GdiSurface {
 public:
  static std::unique_ptr<WindowBufferSurface> Create(HWND window, std::int32_t width, std::int32_t height);
  ~WindowBufferSurface() override;

  // A new bitmap of the given size; the old content is dropped (the control redraws).
  bool Resize(std::int32_t width, std::int32_t height);
  // Copies the bitmap to `target` at (0, 0).
  void CopyTo(HDC target) const;
  // While painting, a redraw must not mark the window invalid again.
  void SetInvalidateOnClear(bool on) { invalidate_on_clear_ = on; }

  void Cls() override;

 private:
  WindowBufferSurface(HWND window, HDC dc, HBITMAP bitmap, HGDIOBJ previous, std::int32_t width,
                      std::int32_t height);
  static HBITMAP MakeBitmap(std::int32_t width, std::int32_t height);

  HWND window_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  bool invalidate_on_clear_ = true;
};

}  // namespace quillet::win32
