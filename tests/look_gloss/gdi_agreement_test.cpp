// Styles 5, 6 and 7 drawn by GDI and by the raster through the same setters and input: every
// pixel inside the window region must agree, in every look and state, at the smallest size,
// odd sizes and large ones, on black, white, saturated and system colours.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/gdi_agreement.h"

namespace quillet::testing {
namespace {

GdiAgreement agreement("look_gloss");

// The states each look is drawn in: resting, disabled, focused with and without the dotted
// rectangle, default without the focus, focused in an inactive form.
struct State {
  const char* name;
  int bits;
};
constexpr State kStates[] = {
    {"plain", 0},
    {"disabled", kDisabled | kFocusRect},
    {"focus", kFocused | kFocusRect},
    {"focus-no-rect", kFocused},
    {"default", kDefault | kFocusRect},
    {"inactive", kFocused | kDefault | kFocusRect | kInactive},
    {"disabled-focus", kDisabled | kFocused | kFocusRect},
};

void AllLooksOfStyle(std::int32_t style) {
  const Size sizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}};
  const std::optional<Color> colours[] = {std::nullopt, 0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00,
                                          0xFF00FF,     0x3366CC, 0x8000000F, 0x80000005};
  // Varied so the drop shadow's surroundings show the form's colour.
  const Color forms[] = {0x8000000F, 0x00C0FF, 0x80000005};
  int form_index = 0;
  for (const Size& size : sizes)
    for (const std::optional<Color>& colour : colours) {
      const Color form = forms[form_index++ % 3];
      const auto agrees = [&](Look look, int bits, const std::string& state) {
        AgreementCase c{StateOptions(style, size, colour, look, bits)};
        c.options.caption = std::u16string(static_cast<std::size_t>(size.cx / 20), u' ');
        c.form_color = form;
        // The raster lays the caption out as GDI does, so style 6's focus rectangle round the
        // caption lands on the same pixels. Style 5 never places it.
        c.measure_text_with_gdi = true;
        c.compare_caption_focus = style == 6;
        return agreement.Differences(c, DescribeState(c.options, bits) + " " + state) == 0;
      };
      for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
        for (const State& st : kStates)
          if (!agrees(look, st.bits, st.name)) return;
      // Check-box mode with Value set, resting and under the pointer, enabled and not.
      for (Look look : {Look::Normal, Look::Hot})
        for (bool enabled : {true, false})
          if (!agrees(look, kChecked | kFocusRect | (enabled ? 0 : kDisabled), "checked")) return;
    }
}

TEST(LookGlossGdiAgreement, DropShadow) { AllLooksOfStyle(5); }
TEST(LookGlossGdiAgreement, TwoToneGloss) { AllLooksOfStyle(6); }
TEST(LookGlossGdiAgreement, AmberGloss) {
  AllLooksOfStyle(7);
  agreement.PrintTotals();
}

}  // namespace
}  // namespace quillet::testing
