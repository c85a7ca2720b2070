// Styles 0, 1, 3, 4, 11 and 12 drawn by GDI and by the raster through the same setters and
// input: every pixel inside the window region must agree, in every look and state, at sizes
// from the 15x15 minimum to 400x120 and on black, white, saturated and system colours.
#include <gtest/gtest.h>

#include <string>

#include "support/gdi_agreement.h"

namespace quillet::testing {
namespace {

GdiAgreement agreement("look_edge");

constexpr std::int32_t kStyles[] = {0, 1, 3, 4, 11, 12};

// After the tool's own driving, the form switched to design time and repainted.
void DesignTime(HeadlessHost& host) {
  host.SetAmbient("UserMode", false);
  host.PaintNow();
}

bool Agrees(const RenderOptions& o, bool design, const std::string& name) {
  AgreementCase c{o};
  if (design) c.afterwards = DesignTime;
  return agreement.Differences(c, name + (design ? " design" : "")) == 0;
}

// Every combination of the six state bits, and design time.
bool EveryState(std::int32_t style, Size size, Color back) {
  for (Look look : {Look::Normal, Look::Hot, Look::Pressed})
    for (int bits = 0; bits < 64; ++bits)
      for (bool design : {false, true}) {
        const RenderOptions o = StateOptions(style, size, back, look, bits);
        if (!Agrees(o, design, DescribeState(o, bits))) return false;
      }
  return true;
}

// The named looks: normal, hot, pressed, focused, default, checked (at rest, hot, held),
// disabled, inactive, design time.
bool NamedLooks(std::int32_t style, Size size, Color back) {
  struct Named {
    Look look;
    int bits;
    bool design;
  };
  const Named looks[] = {
      {Look::Normal, 0, false},
      {Look::Hot, 0, false},
      {Look::Pressed, 0, false},
      {Look::Normal, kFocused | kFocusRect, false},
      {Look::Hot, kFocused | kFocusRect, false},
      {Look::Normal, kDefault | kFocusRect, false},
      {Look::Normal, kFocused | kFocusRect | kChecked, false},
      {Look::Hot, kChecked, false},
      {Look::Pressed, kChecked, false},
      {Look::Normal, kDisabled, false},
      {Look::Normal, kFocused | kDefault | kFocusRect | kInactive, false},
      {Look::Normal, kFocused | kDefault | kFocusRect, true},
  };
  for (const Named& n : looks) {
    const RenderOptions o = StateOptions(style, size, back, n.look, n.bits);
    if (!Agrees(o, n.design, DescribeState(o, n.bits) + " named")) return false;
  }
  return true;
}

TEST(LookEdgeGdiAgreement, EveryStateOnTwoShapes) {
  for (std::int32_t style : kStyles) {
    if (!EveryState(style, {57, 21}, 0x3060C0)) return;
    if (!EveryState(style, {15, 15}, 0x8000000F)) return;
  }
}

TEST(LookEdgeGdiAgreement, NamedLooksOnEverySizeAndColour) {
  const Size sizes[] = {{15, 15}, {57, 21}, {169, 33}, {400, 120}, {32, 77}};
  const Color colours[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF00FF, 0x3060C0,
                           0x8000000F, 0x80000005, 0xE3E3E3};
  for (std::int32_t style : kStyles)
    for (const Size& size : sizes)
      for (Color colour : colours)
        if (!NamedLooks(style, size, colour)) return;
  agreement.PrintTotals();
}

}  // namespace
}  // namespace quillet::testing
