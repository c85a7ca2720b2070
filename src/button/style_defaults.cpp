// ApplyStyleDefaults: each style's default BackColor, ForeColor and
// ShowFocusRect. System colours are kept as such (0x80000000 + index) and resolved at each
// draw, so the button follows a change of the system's colours. No change notification is
// sent.
#include "button/quillet_button.h"

namespace quillet {

void QuilletButton::ApplyStyleDefaults() {
  struct Palette {
    Color back;
    bool show_focus_rect;
  };
  static constexpr Palette kPalettes[kButtonStyleCount] = {
      {kSysColorButtonFace, true},   // 0
      {kSysColorButtonFace, true},   // 1
      {0xE7EBEC, false},             // 2
      {kSysColorButtonFace, false},  // 3
      {0xD4D4D4, false},             // 4, brightened by 0.06 below
      {0xAA6D00, true},              // 5, ForeColor white
      {0xE1D6D5, true},              // 6
      {0xFFD1AD, false},             // 7
      {kSysColorButtonFace, false},  // 8
      {kSysColorButtonFace, false},  // 9
      {0xFFD1AD, false},             // 10
      {kSysColorButtonFace, false},  // 11
      {kSysColorButtonFace, false},  // 12
      {0xFCE1CA, false},             // 13
      {0xD0D0D0, false},             // 14
      {0xE6CAA7, true},              // 15
  };
  if (buttonStyle_ < 0 || buttonStyle_ >= kButtonStyleCount) return;  // no style colours
  const Palette& p = kPalettes[buttonStyle_];
  Color back = p.back;
  if (buttonStyle_ == 4) back = OffsetColor(back, 0.06f);
  backColor_ = back;
  foreColor_ = buttonStyle_ == 5 ? Color{0xFFFFFF} : kSysColorButtonText;
  showFocusRect_ = p.show_focus_rect;
}

}  // namespace quillet
