// construction, HandleCreate, HandleFirstPlacement, HandleDestroy and About, with
// the small ambient helpers the other parts share.
#include "button/primitives.h"
#include "button/quillet_button.h"

namespace quillet {

QuilletButton::QuilletButton(ControlHost& host) : host_(host), hooks_(host, *this) {}

QuilletButton::~QuilletButton() {
  // No message may reach a destroyed control, and the font must not call back into it.
  try {
    hooks_.UnhookAll();
  } catch (...) {
  }
  if (font_ && fontSubscription_ != 0) font_->Unsubscribe(fontSubscription_);
}

std::u16string QuilletButton::NameOnForm(int ordinal) {
  const std::string digits = std::to_string(ordinal);
  return u"QuilletButton" + std::u16string(digits.begin(), digits.end());
}

void QuilletButton::HandleCreate() { unicodePlatform_ = (host_.PlatformId() & kVerPlatformWin32Nt) != 0; }

void QuilletButton::HandleFirstPlacement() {
  // 1.
  showFocusRect_ = true;
  enabled_ = true;
  buttonStyle_ = static_cast<std::int32_t>(quillet::ButtonStyle::Classic3D);
  // 2. The name the form gave the new control (NameOnForm).
  caption_ = ToText(host_.Ambient("DisplayName"));
  // 3. mFont stays empty.
  FontDescription font = DrawingSurface().Font();
  font.face = u"Tahoma";
  DrawingSurface().SetFont(font);
  // 4.
  pictureAlign_ = static_cast<std::int32_t>(quillet::PictureAlign::PictureLeftOfCaption);
  captionAlign_ = static_cast<std::int32_t>(quillet::CaptionAlign::CaptionCenter);
  useMaskColor_ = false;
  maskColor_ = kMaskColorDefault;
  // 5., 6.
  CacheButtonSize();
  ApplyStyleDefaults();
}

void QuilletButton::HandleDestroy() {
  // Every failure is ignored, including unhooking a window that was never hooked.
  bool user_mode = false;
  try {
    user_mode = AmbientUserMode();
  } catch (...) {
  }
  if (!user_mode) return;
  try {
    UnhookWindow(parentWindow_);
  } catch (...) {
  }
  try {
    UnhookWindow(hWnd());
  } catch (...) {
  }
  try {
    UnhookAll();
  } catch (...) {
  }
}

void QuilletButton::About() {
  host_.ShowMessageBox(u"QuilletButton: an owner-drawn push button with sixteen looks.", u"About");
}

void QuilletButton::CacheButtonSize() {
  buttonHeight_ = RoundHalfEven(host_.ScaleHeight());
  buttonWidth_ = RoundHalfEven(host_.ScaleWidth());
}

bool QuilletButton::AmbientUserMode() { return ToBool(host_.Ambient("UserMode")); }

FontPtr QuilletButton::AmbientFont() { return ToFont(host_.Ambient("Font")); }

Color QuilletButton::AmbientBackColor() const {
  return ResolveColor(static_cast<Color>(ToInt32(host_.Ambient("BackColor"))));
}

std::u16string QuilletButton::AccessKeys() const { return host_.AccessKeys(); }

}  // namespace quillet
