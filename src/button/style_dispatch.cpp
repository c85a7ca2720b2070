#include "button/style_dispatch.h"

#include <array>

#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

// Index = ButtonStyle. A renderer Part that lands puts its function here (declared in
// button/styles/style_renderers.h); nullptr means "no look of its own yet".
std::array<StyleRenderer, kButtonStyleCount>& Table() {
  static std::array<StyleRenderer, kButtonStyleCount> table = {
      &RenderEdgeStyles,  // 0 Classic3D (shared by 0, 1, 11, 12)
      &RenderEdgeStyles,  // 1 ThinEdge
      &RenderNavyFrame,  // 2 NavyFrame
      &RenderSilverHover,  // 3 SilverHover
      &RenderSilverGlass,  // 4 SilverGlass
      nullptr,  // 5 DropShadow
      nullptr,  // 6 TwoToneGloss
      nullptr,  // 7 AmberGloss
      nullptr,  // 8 HoverGlass
      nullptr,  // 9 FlatBlueBox
      nullptr,  // 10 BandedGradient
      &RenderEdgeStyles,  // 11 Popup3D
      &RenderEdgeStyles,  // 12 PopupThin
      nullptr,  // 13 AmberBox
      nullptr,  // 14 PixelCapsule
      nullptr,  // 15 SideGradient
  };
  return table;
}

}  // namespace

StyleRenderer RendererForStyle(std::int32_t style) {
  if (style < 0 || style >= kButtonStyleCount) return nullptr;
  return Table()[static_cast<std::size_t>(style)];
}

StyleRenderer ReplaceRendererForStyle(std::int32_t style, StyleRenderer renderer) {
  if (style < 0 || style >= kButtonStyleCount) return nullptr;
  StyleRenderer& slot = Table()[static_cast<std::size_t>(style)];
  StyleRenderer old = slot;
  slot = renderer;
  return old;
}

}  // namespace quillet
