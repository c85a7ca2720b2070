// Enumerations and small value types of QuilletButton shared by the control, its host and
// the style renderers. The numbers are the persisted and event values.
#pragma once

#include <cstdint>

namespace quillet {

// Visual style. Any 32-bit value can be stored; only 0..15 have a look.
enum class ButtonStyle : std::int32_t {
  Classic3D = 0,
  ThinEdge = 1,
  NavyFrame = 2,
  SilverHover = 3,
  SilverGlass = 4,
  DropShadow = 5,
  TwoToneGloss = 6,
  AmberGloss = 7,
  HoverGlass = 8,
  FlatBlueBox = 9,
  BandedGradient = 10,
  Popup3D = 11,
  PopupThin = 12,
  AmberBox = 13,
  PixelCapsule = 14,
  SideGradient = 15,
};
constexpr std::int32_t kButtonStyleCount = 16;

enum class CaptionAlign : std::int32_t { CaptionLeft = 0, CaptionCenter = 1, CaptionRight = 2 };

enum class PictureAlign : std::int32_t {
  PictureLeftEdge = 0,
  PictureLeftOfCaption = 1,
  PictureRightEdge = 2,
  PictureRightOfCaption = 3,
  PictureCenter = 4,
  PictureTopEdge = 5,
  PictureTopOfCaption = 6,
  PictureBottomEdge = 7,
  PictureBottomOfCaption = 8,
};

enum class PictureSize : std::int32_t { PictureNatural = 0, Picture16 = 1, Picture24 = 2, Picture32 = 3 };

// The look handed to every style renderer.
enum class DrawState : std::int32_t { Normal = 0, Hot = 1, Pressed = 2 };

// Events raised to the containing form, numbered in declaration order. KeyPress
// (10) is declared and never raised.
enum class ButtonEvent : std::int32_t {
  Click = 1,
  DblClick = 2,
  MouseEnter = 3,
  MouseLeave = 4,
  MouseMove = 5,
  MouseUp = 6,
  MouseDown = 7,
  KeyDown = 8,
  KeyUp = 9,
  KeyPress = 10,
};

// Mouse buttons and shift states as the host reports them.
constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;
constexpr std::int16_t kShiftMask = 1;
constexpr std::int16_t kCtrlMask = 2;
constexpr std::int16_t kAltMask = 4;

// Virtual-key codes the input handlers look at.
constexpr std::int16_t kVkReturn = 13;
constexpr std::int16_t kVkEscape = 27;
constexpr std::int16_t kVkSpace = 32;
constexpr std::int16_t kVkLeft = 37;
constexpr std::int16_t kVkUp = 38;
constexpr std::int16_t kVkRight = 39;
constexpr std::int16_t kVkDown = 40;

// Colours the control names (system colour n is 0x80000000 + n).
constexpr std::uint32_t kSysColorButtonFace = 0x8000000F;
constexpr std::uint32_t kSysColorGrayText = 0x80000011;
constexpr std::uint32_t kSysColorButtonText = 0x80000012;

// Outer size of the control in the host's unit (twips) below which Resize enlarges it.
constexpr std::int32_t kMinimumSizeTwips = 220;

}  // namespace quillet
