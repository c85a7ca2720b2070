// SilverHover, ButtonStyle 3: a flat face of BackColor at rest (the rounded region alone
// shapes it), a pale silver two-band gradient in a grey frame when hot, a grey sunken face
// in a dark frame when pressed, and a near-white face in a steel-blue frame when checked.
// It chooses the caption colour itself (white while pressed) and clears to the form's colour.
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

Color Off(Color c, float amount) { return QuilletButton::OffsetColor(c, amount); }

}  // namespace

void RenderSilverHover(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  // The next Cls shows the form's colour where the rounded region leaves corners.
  b.DrawingSurface().SetBackColor(b.AmbientBackColor());
  const Color B = b.ResolveColor(b.BackColor());
  const Rect whole{0, 0, W, H};
  const bool checked = b.CheckBoxMode() && b.Value();
  // A checked button being clicked shows the pressed look.
  if (checked && b.LeftButtonDown()) state = DrawState::Pressed;

  if (checked && state != DrawState::Pressed) {
    b.PaintRect(0xFEFEFE, whole);
    b.foreColor_ = kSysColorButtonText;
    b.PaintFrameRect(0, 0, W, H, 0xAF987A);
    b.PaintCornerPixels(Off(0xC1B3A0, -0.2f));
    if (state == DrawState::Hot) {
      b.PaintLine(W - 2, 2, W - 2, H - 2, 0xEDF0F2);
      b.PaintLine(2, H - 2, W - 2, H - 2, 0xD8DEE4);
      b.PaintLine(1, H - 3, W - 1, H - 3, 0xE8ECEF);
      b.PaintLine(1, H - 4, W - 1, H - 4, 0xF8F9FA);
    }
    return;
  }

  switch (state) {
    case DrawState::Normal:
      b.ApplyButtonRegion();
      b.PaintRect(B, whole);
      break;
    case DrawState::Hot: {
      // Two bands of the same height; an odd height leaves the last row to the frame.
      const std::int32_t h2 = RoundHalfEven(H / 2.0);
      b.PaintGradient(0, 0, W, h2, 0xFDFEFE, 0xEEF4F4, 1);
      b.PaintGradient(0, h2, W, h2, 0xEEF4F4, 0xEAF1F1, 1);
      b.PaintLine(W - 2, 2, W - 2, H - 2, 0xE0E7EA);
      b.PaintLine(W - 3, 2, W - 3, H - 2, 0xEAF0F0);
      b.PaintLine(0, H - 4, W, H - 4, 0xE5EDEE);
      b.PaintLine(0, H - 3, W, H - 3, 0xD6E1E4);
      b.PaintLine(0, H - 2, W, H - 2, 0xC6D2D7);
      b.PaintFrameRect(0, 0, W, H, 0xC3CECE);
      b.PaintCornerPixels(Off(0xC9D4D4, -0.05f));
      break;
    }
    case DrawState::Pressed:
      b.PaintRect(0xDDE4E5, whole);
      b.PaintLine(1, 1, W - 2, 1, Off(0xD1DADC, -0.02f));
      b.PaintLine(1, 2, W - 2, 2, Off(0xDAE1E3, -0.02f));
      b.PaintLine(1, H - 3, W - 2, H - 3, Off(0xDEE5E6, 0.02f));
      b.PaintLine(1, H - 2, W - 2, H - 2, Off(0xE5EAEB, 0.02f));
      b.PaintFrameRect(0, 0, W, H, 0x929D9D);
      b.PaintCornerPixels(Off(0xABB4B5, -0.2f));
      break;
    default: break;
  }

  // Written straight into the member: no change notification, nothing persisted.
  b.foreColor_ = state == DrawState::Pressed ? 0xFFFFFF : kSysColorButtonText;
}

}  // namespace quillet
