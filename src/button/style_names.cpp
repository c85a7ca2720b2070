#include "button/style_names.h"

#include <array>

#include "button/button_types.h"

namespace quillet {

std::u16string_view ButtonStyleName(std::int32_t style) {
  static constexpr std::array<std::u16string_view, kButtonStyleCount> kNames = {
      u"Classic3D",    u"ThinEdge",   u"NavyFrame",    u"SilverHover",  u"SilverGlass",    u"DropShadow",
      u"TwoToneGloss", u"AmberGloss", u"HoverGlass",   u"FlatBlueBox",  u"BandedGradient", u"Popup3D",
      u"PopupThin",    u"AmberBox",   u"PixelCapsule", u"SideGradient",
  };
  if (style < 0 || style >= kButtonStyleCount) return {};
  return kNames[static_cast<std::size_t>(style)];
}

}  // namespace quillet
