// The capsule and side gradient looks drawn by GDI and by the raster through the same setters
// and input: every pixel inside the window region must agree. No captions.
#include <gtest/gtest.h>

#include <string>

#include "support/gdi_agreement.h"

namespace quillet::testing {
namespace {

GdiAgreement agreement("look_capsule");

// Every look and state: three looks times enabled, focus, default, focus rectangle, active
// form and checked, at each size and base colour.
void EveryLook(std::int32_t style, Color form_colour) {
  const Size sizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}, {100, 30}, {44, 23}};
  const Color colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00C0FF, 0x8000000F, 0x80000005};
  int variant = 0;
  for (const Size& size : sizes)
    for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
      for (int bits = 0; bits < 64; ++bits) {
        // The focus rectangle is asked for when the bit is clear: the style shows it by default.
        AgreementCase c{StateOptions(style, size, colours[variant++ % 6], look, bits ^ kFocusRect)};
        c.form_color = form_colour;
        if (agreement.Differences(c, DescribeState(c.options, bits) + " form " + std::to_string(form_colour)) > 0)
          return;
      }
}

// The capsule's corners show the form's colour: a system colour and a plain one.
TEST(LookCapsuleGdiAgreement, CapsuleInEveryLookStateSizeAndColour) {
  EveryLook(14, 0x8000000F);
  EveryLook(14, 0x3070B0);
}

TEST(LookCapsuleGdiAgreement, SideGradientInEveryLookStateSizeAndColour) { EveryLook(15, 0x8000000F); }

TEST(LookCapsuleGdiAgreement, Totals) {
  agreement.PrintTotals();
  EXPECT_GT(agreement.Buttons(), 0);
}

}  // namespace
}  // namespace quillet::testing
