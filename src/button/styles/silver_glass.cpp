// SilverGlass, ButtonStyle 4: a light two-band gradient of BackColor in a grey frame with a
// white inner frame at rest; pale blue glass with shaded side bands when hot; a deeper blue
// face in a dark blue frame with a graded top rim when pressed; blue frames when focused or
// default at rest; a flat face in frames of BackColor when disabled.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

Color Off(Color c, float amount) { return QuilletButton::OffsetColor(c, amount); }

constexpr std::int32_t kTopToBottom = 1;
constexpr std::int32_t kLeftToRight = 0;
constexpr std::int32_t kSideBand = 5;  // columns of each side band

// The four side bands, left pair then mirrored right pair: `upper_outer` to `upper_inner`
// from row 3, `lower_outer` to `lower_inner` from row m.
void PaintSideBands(QuilletButton& b, std::int32_t W, std::int32_t m, std::int32_t m1, std::int32_t m2,
                    Color upper_outer, Color upper_inner, Color lower_outer, Color lower_inner) {
  b.PaintGradient(1, 3, kSideBand, m2, upper_outer, upper_inner, kLeftToRight);
  b.PaintGradient(1, m, kSideBand, m1, lower_outer, lower_inner, kLeftToRight);
  b.PaintGradient(W - 6, 3, kSideBand, m2, upper_inner, upper_outer, kLeftToRight);
  b.PaintGradient(W - 6, m, kSideBand, m1, lower_inner, lower_outer, kLeftToRight);
}

}  // namespace

void RenderSilverGlass(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Color B = b.ResolveColor(b.BackColor());
  // Row positions around the middle, each rounded halves to even.
  const std::int32_t m = RoundHalfEven(H / 2.0);
  const std::int32_t m1 = RoundHalfEven(H / 2.0 - 1);
  const std::int32_t m2 = RoundHalfEven(H / 2.0 - 2);

  if (!b.Enabled()) {
    b.ApplyButtonRegion();
    b.PaintRect(Off(B, 0.03f), Rect{0, 0, W, H});
    b.PaintFrameRect(0, 0, W, H, Off(B, -0.25f));
    b.PaintFrameRect(1, 1, W - 2, H - 2, Off(B, 0.25f));
    b.PaintCornerPixels(Off(B, -0.03f));
    return;
  }

  switch (state) {
    case DrawState::Normal:
      b.ApplyButtonRegion();
      b.PaintGradient(1, 1, W - 1, H, Off(B, 0.05f), B, kTopToBottom);
      // Starts at row m and is H - 2 rows tall: only its upper part lies on the surface.
      b.PaintGradient(1, m, W - 2, H - 2, Off(B, -0.02f), Off(B, -0.15f), kTopToBottom);
      break;
    case DrawState::Hot:
      b.PaintGradient(1, 1, W - 2, m, 0xFFF7E4, 0xFFF3DA, kTopToBottom);
      b.PaintGradient(1, m, W - 2, H - 2, 0xFFE9C1, 0xFDE1AE, kTopToBottom);
      PaintSideBands(b, W, m, m1, m2, 0xFFEECD, 0xFFF7E4, 0xFAD68F, Off(0xFDE1AC, 0.01f));
      break;
    case DrawState::Pressed:
      b.PaintGradient(1, 1, W - 1, H, 0xF6E4C2, 0xF6E4C2, kTopToBottom);
      b.PaintGradient(1, m, W - 2, H - 2, 0xF0D29A, 0xF0D29A, kTopToBottom);
      b.PaintFrameRect(0, 0, W, H, 0x5C411D);
      b.PaintLine(1, 1, W - 1, 1, 0xB39C71);
      b.PaintLine(1, 2, W - 1, 2, 0xD6C6A9);
      b.PaintLine(1, 3, W - 1, 3, 0xECD9B9);
      b.PaintLine(1, 1, 1, m1, 0xCFB073);  // the side band overpaints it from row 3 on
      PaintSideBands(b, W, m, m1, m2, Off(0xE6C891, 0.02f), Off(0xF6E4C2, -0.01f), Off(0xDCAB4E, 0.02f),
                     Off(0xF0D29A, -0.01f));
      break;
    default: break;
  }

  // Grey and white frames at rest and hot; pressed keeps its dark blue frame.
  if (state == DrawState::Normal || state == DrawState::Hot) {
    b.PaintFrameRect(0, 0, W, H, 0x707070);
    b.PaintFrameRect(1, 1, W - 2, H - 2, 0xFFFFFF);
  }

  if (b.ParentActive()) {
    if ((b.HasFocus() || b.DisplayAsDefault()) && state == DrawState::Normal) {
      b.PaintFrameRect(0, 0, W, H, 0xA77532);
      b.PaintFrameRect(1, 1, W - 2, H - 2, 0xFBD848);
    }
    // Only the focus itself draws the dotted rectangle; being the default does not.
    if (b.DrawsFocusRect() && b.HasFocus()) b.DrawingSurface().DrawFocusRect(Rect{2, 2, W - 2, H - 2});
  }
  b.PaintCornerPixels(0xBE965F);
}

}  // namespace quillet
