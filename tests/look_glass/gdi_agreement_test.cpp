// Under Wine: styles 8, 9, 10 and 13 drawn by GDI and by the raster through the same setters
// and input. Every pixel inside the window region must agree, in every look and state, at the
// 15x15 minimum, odd and wide sizes, and on dark, light, saturated and system BackColors.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "support/gdi_agreement.h"

namespace quillet::testing {
namespace {

GdiAgreement agreement("look_glass");

constexpr std::int32_t kStyles[] = {8, 9, 10, 13};
const Size kSizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}};
// Unset: the style's own default. Then black, white, saturated, button face, window.
const std::optional<Color> kColours[] = {std::nullopt, 0x000000,   0xFFFFFF,  0x3060C0,
                                         0x00FF00,     0x8000000F, 0x80000005};

TEST(GlassLooksAgainstGdi, EveryStyleInEveryLookStateSizeAndColour) {
  // Every combination of the six state bits on the two small sizes; on the larger ones the
  // states that lead to a different path through a renderer.
  const int some[] = {0,
                      kDisabled,
                      kFocused | kFocusRect,
                      kDefault | kFocusRect,
                      kFocused | kFocusRect | kInactive,
                      kChecked,
                      kChecked | kDisabled,
                      kChecked | kFocused | kDefault | kFocusRect | kInactive};
  for (std::int32_t style : kStyles)
    for (const Size& size : kSizes)
      for (const std::optional<Color>& colour : kColours)
        for (Look look : {Look::Normal, Look::Hot, Look::Pressed}) {
          std::vector<int> states;
          if (size.cx < 100)
            for (int bits = 0; bits < 64; ++bits) states.push_back(bits);
          else
            states.assign(std::begin(some), std::end(some));
          for (int bits : states) {
            const AgreementCase c{StateOptions(style, size, colour, look, bits)};
            if (agreement.Differences(c, DescribeState(c.options, bits)) > 0) return;
          }
        }
}

TEST(GlassLooksAgainstGdi, DisabledUnderThePointerAndCheckedLooksAfterInput) {
  // Disabling a hot or pressed button keeps its look; moving off a checked one changes it.
  for (std::int32_t style : kStyles)
    for (const Size& size : kSizes)
      for (Look look : {Look::Hot, Look::Pressed})
        for (bool checked : {false, true}) {
          AgreementCase c{StateOptions(style, size, 0x3060C0, look, checked ? kChecked : 0)};
          const std::string name = DescribeState(c.options, checked ? kChecked : 0);
          c.afterwards = [](HeadlessHost& h) { h.Control().Enabled(false); };
          agreement.Differences(c, name + " then disabled");
          c.afterwards = [](HeadlessHost& h) {
            h.MovePointerAway();
            h.PaintNow();
          };
          agreement.Differences(c, name + " then away");
        }
}

TEST(GlassLooksAgainstGdi, TheFaceAroundACaptionAgrees) {
  for (std::int32_t style : kStyles)
    for (Look look : {Look::Normal, Look::Hot, Look::Pressed}) {
      AgreementCase c{StateOptions(style, {100, 30}, std::nullopt, look, kFocused)};
      c.options.caption = u"\u786e\u8ba4\u4fee\u6539";
      c.skip_caption = true;
      agreement.Differences(c, DescribeState(c.options, kFocused) + " captioned");
    }
  agreement.PrintTotals();
}

}  // namespace
}  // namespace quillet::testing
