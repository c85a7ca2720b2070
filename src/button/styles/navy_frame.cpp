// NavyFrame, ButtonStyle 2: a soft vertical gradient of BackColor with a bright top band,
// a one-pixel navy frame with softened corners, amber trim when hot, blue trim when
// focused or default, a flat sunken face when pressed, and a flat lighter face when
// disabled. This is the look of both of the program's windows.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kNavy = 0x743C00;

// The eight trim lines in painting order; hot (amber) and focus (blue) share the geometry.
struct TrimColors {
  Color top2, top1, left1, right1, left2, right2, bottom3, bottom2;
};
constexpr TrimColors kHotTrim{0x89D8FD, 0xCFF0FF, 0x49BDF9, 0x49BDF9, 0x7AD2FC, 0x7AD2FC, 0x30B3F8, 0x0097E5};
constexpr TrimColors kFocusTrim{0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E, 0xF4D1B8, 0xF4D1B8, 0xE4AD89, 0xEE8269};

void PaintTrim(QuilletButton& b, std::int32_t W, std::int32_t H, const TrimColors& c) {
  b.PaintLine(1, 2, W - 2, 2, c.top2);
  b.PaintLine(1, 1, W - 2, 1, c.top1);
  b.PaintLine(1, 1, 1, H - 2, c.left1);
  b.PaintLine(W - 2, 2, W - 2, H - 2, c.right1);
  b.PaintLine(2, 2, 2, H - 3, c.left2);
  b.PaintLine(W - 3, 3, W - 3, H - 3, c.right2);
  b.PaintLine(2, H - 3, W - 2, H - 3, c.bottom3);
  b.PaintLine(2, H - 2, W - 2, H - 2, c.bottom2);
}

void PaintFace(QuilletButton& b, std::int32_t W, std::int32_t H, Color B) {
  b.PaintGradient(0, 0, W, H, QuilletButton::OffsetColor(B, 0.07f), B, 1);
  b.PaintGradient(0, 0, W, 5, QuilletButton::OffsetColor(B, 0.2f), QuilletButton::OffsetColor(B, 0.08f), 1);
}

// From the focus rectangle on, a failing drawing call is skipped and the next one runs.
template <typename F>
void Tolerating(F&& step) {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace

void RenderNavyFrame(QuilletButton& b, DrawState state) {
  // Redraw has just cached the size and set ButtonRect from the same host size.
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());
  const Rect whole{0, 0, W, H};
  auto off = [B](float a) { return QuilletButton::OffsetColor(B, a); };

  if (!b.Enabled()) {
    b.ApplyButtonRegion();
    b.PaintRect(off(0.03f), whole);
    b.PaintFrameRect(0, 0, W, H, off(-0.1f));
    b.PaintCornerPixels(off(0.2f));
    return;
  }

  switch (state) {
    case DrawState::Normal:
      b.ApplyButtonRegion();
      PaintFace(b, W, H, B);
      b.PaintLine(1, H - 2, W - 2, H - 2, off(-0.09f));
      b.PaintLine(1, H - 3, W - 2, H - 3, off(-0.05f));
      b.PaintLine(1, H - 4, W - 2, H - 4, off(-0.01f));
      b.PaintLine(W - 2, 2, W - 2, H - 2, off(-0.08f));
      b.PaintLine(1, 1, 1, H - 2, QuilletButton::AverageColors(0xFFFFFF, B));
      break;
    case DrawState::Hot:
      // The region of the previous size stays until the next normal redraw.
      PaintFace(b, W, H, B);
      PaintTrim(b, W, H, kHotTrim);
      break;
    case DrawState::Pressed:
      b.PaintRect(off(-0.05f), whole);
      b.PaintLine(1, 1, W - 2, 1, off(-0.16f));
      b.PaintLine(1, 2, W - 2, 2, off(-0.1f));
      b.PaintLine(1, H - 2, W - 2, H - 2, off(0.07f));
      b.PaintLine(1, 1, 1, H - 2, off(-0.16f));
      b.PaintLine(2, 2, 2, H - 2, off(-0.1f));
      b.PaintLine(W - 2, 2, W - 2, H - 2, off(0.04f));
      break;
    default: break;
  }

  const bool focus_look = b.ParentActive() && (b.HasFocus() || b.DisplayAsDefault());
  if (focus_look && state != DrawState::Hot && state != DrawState::Pressed) {
    PaintTrim(b, W, H, kFocusTrim);
  }
  if (focus_look && b.DrawsFocusRect()) {
    Tolerating([&] { b.DrawingSurface().DrawFocusRect(Rect{2, 2, W - 2, H - 2}); });
  }
  Tolerating([&] { b.PaintFrameRect(0, 0, W, H, kNavy); });
  Tolerating([&] { b.PaintCornerPixels(QuilletButton::OffsetColor(kNavy, 0.3f)); });
}

}  // namespace quillet
