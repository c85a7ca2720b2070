// Where quillet-gallery.exe places its sixteen buttons and its option controls, and what the
// options start at. No Windows header: the end-to-end test and the native tests read the
// same numbers.
#pragma once

#include <cstdint>
#include <string_view>

#include "button/button_types.h"
#include "button/surface.h"

namespace quillet::gallery {

// Twips from the top-left of the window's client area (15 per pixel at 96 dots per inch).
struct TwipsBox {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

constexpr std::int32_t kButtonColumns = 4;
constexpr std::int32_t kButtonWidthTwips = 1800;  // 120 pixels
constexpr std::int32_t kButtonHeightTwips = 480;  // 32 pixels

// Control ids: the button of style n is kFirstButtonId + n.
constexpr int kFirstButtonId = 1000;
enum OptionId : int {
  kEnabledId = 2000,
  kCheckBoxModeId,
  kShowFocusRectId,
  kPictureId,
  kCaptionLeftId,
  kCaptionCenterId,
  kCaptionRightId,
};
constexpr int kOptionCount = 7;
constexpr int kCheckBoxCount = 4;  // the first four options; the last three are one choice

// The buttons' font: 宋体 9 pt.
constexpr std::u16string_view kButtonFontFace = u"\u5b8b\u4f53";
constexpr double kButtonFontPoints = 9.0;

// What the options say when the window opens.
struct GalleryOptions {
  bool enabled = true;
  bool check_box_mode = false;
  bool show_focus_rect = true;
  bool picture = false;
  CaptionAlign caption_align = CaptionAlign::CaptionCenter;
};

TwipsBox ButtonBox(std::int32_t style);
// Option `index` 0..6 in OptionId order.
TwipsBox OptionBox(int index);
std::u16string_view OptionLabel(int index);
// The client area that holds everything with a margin around it.
TwipsBox ClientBox();

// The built-in picture: a 16 x 16 icon, a blue disc with a light centre on a transparent
// ground.
PictureImage GalleryIconImage();

}  // namespace quillet::gallery
