#include "gallery_layout.h"

#include <array>

namespace quillet::gallery {
namespace {

constexpr std::int32_t kMargin = 240;
constexpr std::int32_t kGap = 180;
constexpr std::int32_t kOptionWidth = 1800;
constexpr std::int32_t kOptionHeight = 300;
constexpr std::int32_t kOptionsTop = kMargin + 4 * kButtonHeightTwips + 3 * kGap + kMargin;

}  // namespace

TwipsBox ButtonBox(std::int32_t style) {
  const std::int32_t column = style % kButtonColumns, row = style / kButtonColumns;
  return TwipsBox{kMargin + column * (kButtonWidthTwips + kGap), kMargin + row * (kButtonHeightTwips + kGap),
                  kButtonWidthTwips, kButtonHeightTwips};
}

TwipsBox OptionBox(int index) {
  // Four check boxes in one row, the three caption choices in the row below.
  const int row = index < kCheckBoxCount ? 0 : 1, column = index < kCheckBoxCount ? index : index - kCheckBoxCount;
  return TwipsBox{kMargin + column * (kOptionWidth + kGap), kOptionsTop + row * (kOptionHeight + kGap / 2),
                  kOptionWidth, kOptionHeight};
}

std::u16string_view OptionLabel(int index) {
  static constexpr std::array<std::u16string_view, kOptionCount> kLabels = {
      u"Enabled", u"CheckBoxMode", u"ShowFocusRect", u"Picture", u"Caption left", u"Caption center", u"Caption right"};
  return index >= 0 && index < kOptionCount ? kLabels[static_cast<std::size_t>(index)] : std::u16string_view{};
}

TwipsBox ClientBox() {
  const TwipsBox last_button = ButtonBox(kButtonColumns - 1), last_option = OptionBox(kOptionCount - 1);
  return TwipsBox{0, 0, last_button.left + last_button.width + kMargin, last_option.top + last_option.height + kMargin};
}

PictureImage GalleryIconImage() {
  PictureImage image;
  image.width = image.height = 16;
  image.pixels.assign(256, 0);
  image.mask.assign(256, 1);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      // Distance from the centre (7.5, 7.5), doubled to stay in whole numbers.
      const int dx = 2 * x - 15, dy = 2 * y - 15, d2 = dx * dx + dy * dy;
      if (d2 > 15 * 15) continue;
      const std::size_t i = static_cast<std::size_t>(y) * 16 + x;
      image.mask[i] = 0;
      image.pixels[i] = d2 <= 7 * 7 ? 0xC8E6FF : 0x1E64C8;  // 0x00RRGGBB
    }
  return image;
}

}  // namespace quillet::gallery
