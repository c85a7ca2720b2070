#include "button/style_dispatch.h"

#include <array>

#include "button/styles/style_renderers.h"

namespace quillet {
namespace {

// Index = ButtonStyle; the renderers are declared in button/styles/style_renderers.h.
std::array<StyleRenderer, kButtonStyleCount>& Table() {
  static std::array<StyleRenderer, kButtonStyleCount> table = {
      &RenderEdgeStyles,      // 0 Classic3D (shared by 0, 1, 11, 12)
      &RenderEdgeStyles,      // 1 ThinEdge
      &RenderNavyFrame,       // 2 NavyFrame
      &RenderSilverHover,     // 3 SilverHover
      &RenderSilverGlass,     // 4 SilverGlass
      &RenderDropShadow,      // 5 DropShadow
      &RenderTwoToneGloss,    // 6 TwoToneGloss
      &RenderAmberGloss,      // 7 AmberGloss
      &RenderHoverGlass,      // 8 HoverGlass
      &RenderFlatBlueBox,     // 9 FlatBlueBox
      &RenderBandedGradient,  // 10 BandedGradient
      &RenderEdgeStyles,      // 11 Popup3D
      &RenderEdgeStyles,      // 12 PopupThin
      &RenderAmberBox,        // 13 AmberBox
      &RenderPixelCapsule,    // 14 PixelCapsule
      &RenderSideGradient,    // 15 SideGradient
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
