#pragma once
// Where the controls of both windows sit, in twips (15 per pixel at 96 dots per inch), and
// their conversion to pixels at the screen's resolution.
#include <cstdint>

#include "button/twips.h"

namespace wendral {

struct TwipRect {
  int left, top, width, height;
};

struct PixelRect {
  int left, top, width, height;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool Contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
};

namespace layout {
// Main window.
inline constexpr int kMainWindowClientWidth = 4560, kMainWindowClientHeight = 3705;
inline constexpr TwipRect kNetworkName{120, 1680, 4335, 405};
inline constexpr TwipRect kApplyButton{1057, 2280, 2535, 495};
inline constexpr TwipRect kModeFrame{0, 3360, 5055, 855};
inline constexpr TwipRect kWindows7Option{1800, 1320, 1095, 255};
inline constexpr TwipRect kWindowsXpOption{240, 1320, 1215, 255};
inline constexpr TwipRect kCafeOption{3240, 1320, 1095, 255};
inline constexpr TwipRect kFeedbackLink{1875, 3000, 900, 180};
inline constexpr TwipRect kBanner{-720, -240, 6015, 1545};
// Fonts, in hundredths of a point.
inline constexpr int kFormFontCentipoints = 900;  // the windows' default font and the buttons
inline constexpr int kNetworkNameFontCentipoints = 1575;
inline constexpr int kNoticeLabelCentipoints = 1050;
inline constexpr char kFontFace[] = "宋体";
inline constexpr int kGb2312Charset = 134;
// Colours (0x00BBGGRR).
inline constexpr std::uint32_t kLabelIdleColor = 0x00FF0000;   // blue
inline constexpr std::uint32_t kLabelHoverColor = 0x000000FF;  // red
inline constexpr std::uint32_t kButtonBackColor = 0x00E7EBEC;
inline constexpr std::uint32_t kFrameTextColor = 0x80000015;  // system colour: 3-D dark shadow

// Notice window.
inline constexpr int kNoticeWindowClientWidth = 6750, kNoticeWindowClientHeight = 1425;
inline constexpr TwipRect kNoticeText{0, 240, 6855, 255};
inline constexpr TwipRect kNextButton{2280, 840, 2055, 375};
}  // namespace layout

// twips * dpi / 1440, to the nearest pixel, halves to even: the control's conversion.
using quillet::TwipsToPixels;
PixelRect ToPixels(const TwipRect& rect, int dpi);
// The LOGFONT height (negative: character height) of a font of that size.
int FontHeight(int centipoints, int dpi);

}  // namespace wendral
