// The four looks drawn with the system's three-dimensional edges on a flat face of
// BackColor: Classic3D (0), ThinEdge (1), Popup3D (11) and PopupThin (12). They differ only
// in which edge each look takes; Classic3D also draws a black default frame, and a checked
// button (check-box mode) is a lighter face in a sunken edge whatever the look.
#include "button/primitives.h"
#include "button/property_value.h"
#include "button/quillet_button.h"
#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

constexpr Color kClassicPressedInner = 0x99A8AC;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kAppWorkspace = 0x8000000C;

}  // namespace

void RenderEdgeStyles(QuilletButton& b, DrawState state) {
  const std::int32_t W = RoundHalfEven(b.Host().ScaleWidth());
  const std::int32_t H = RoundHalfEven(b.Host().ScaleHeight());
  const Rect whole{0, 0, W, H};
  const ButtonStyle style = b.ButtonStyle();
  const bool classic = style == ButtonStyle::Classic3D;
  const bool thin = style == ButtonStyle::ThinEdge || style == ButtonStyle::PopupThin;
  const Color B = b.ResolveColor(b.BackColor());
  Surface& s = b.DrawingSurface();

  // Checked: a lighter face, sunken, whatever the look; no focus rectangle, no default frame.
  if (b.CheckBoxMode() && b.Value()) {
    b.PaintRect(QuilletButton::OffsetColor(B, 0.02f), whole);
    if (style == ButtonStyle::PopupThin) return;
    s.DrawEdge(whole, kEdgeSunken, kBfRect);
    if (classic && b.DrawsFocusRect() && b.HasFocus())
      b.PaintFrameRect(4, 4, W - 7, H - 7, b.ResolveColor(kAppWorkspace));
    return;
  }

  switch (state) {
    case DrawState::Normal:
      b.ApplyButtonRegion();
      b.PaintRect(B, whole);
      if (classic) s.DrawEdge(whole, kEdgeRaised, kBfRect);
      if (style == ButtonStyle::ThinEdge) s.DrawEdge(whole, kBdrRaisedInner, kBfRect);
      break;
    case DrawState::Hot:
      b.PaintRect(B, whole);
      s.DrawEdge(whole, thin ? kBdrRaisedInner : kEdgeRaised, kBfRect);
      break;
    case DrawState::Pressed:
      b.PaintRect(B, whole);
      if (classic) {
        b.PaintFrameRect(1, 1, W - 2, H - 2, kClassicPressedInner);
        b.PaintFrameRect(0, 0, W, H, kBlack);
      } else if (thin) {
        // The grey frame reaches one pixel past the right and bottom edges, so only its top
        // and left lines land: grey top and left, white bottom and right.
        b.PaintFrameRect(0, 0, W, H, kWhite);
        b.PaintFrameRect(0, 0, W + 1, H + 1, b.ResolveColor(kSysColorGrayText));
      } else {
        s.DrawEdge(whole, kEdgeSunken, kBfRect);
      }
      break;
    default: break;
  }

  if (!b.HasFocus() && !b.DisplayAsDefault()) return;
  // No dotted rectangle while the form is being designed or is inactive.
  if (b.DrawsFocusRect() && ToBool(b.Host().Ambient("UserMode")) && b.ParentActive()) {
    const std::int32_t inset = thin ? 3 : 4;
    s.DrawFocusRect(Rect{inset, inset, W - inset, H - inset});
  }

  // The default frame of Classic3D: the raised edge one pixel in from the right and bottom,
  // its outer line overpainted in the workspace colour, all inside a black outline.
  if (state == DrawState::Pressed || !classic) return;
  s.DrawEdge(Rect{0, 0, W - 1, H - 1}, kEdgeRaised, kBfRect);
  b.PaintFrameRect(0, 0, W - 1, H - 1, b.ResolveColor(kAppWorkspace));
  b.PaintFrameRect(0, 0, W, H, kBlack);
}

}  // namespace quillet
