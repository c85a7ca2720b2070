// the property setters, each doing its steps in the stated order, and
// OnFontChanged. Getters that only return a member are inline in quillet_button.h.
#include <limits>
#include <stdexcept>

#include "button/quillet_button.h"

namespace quillet {

void QuilletButton::BackColor(Color value) {
  backColor_ = value;
  Redraw();
  Notify("BackColor");
}

void QuilletButton::ButtonStyle(quillet::ButtonStyle value) {
  buttonStyle_ = static_cast<std::int32_t>(value);
  // A style that draws its focus rectangle in invert mode leaves the surface so; the next
  // style's lines would come out inverted.
  DrawingSurface().SetDrawMode(kDrawModeCopyPen);
  ApplyStyleDefaults();
  ApplyButtonRegion();
  Redraw();
  Notify("ButtonStyle");
}

void QuilletButton::Caption(std::u16string value) {
  caption_ = std::move(value);
  UpdateAccessKey();
  Redraw();
  Notify("Caption");
}

void QuilletButton::CaptionAlign(quillet::CaptionAlign value) {
  captionAlign_ = static_cast<std::int32_t>(value);
  Redraw();
  Notify("CaptionAlign");
}

void QuilletButton::CheckBoxMode(bool value) {
  checkBoxMode_ = value;
  if (!value) SetDrawState(quillet::DrawState::Normal);
  Redraw();
  Notify("Value");
  Notify("CheckBoxMode");
}

void QuilletButton::Enabled(bool value) {
  enabled_ = value;
  host_.SetWindowEnabled(value);
  Redraw();
  Notify("Enabled");
}

void QuilletButton::Font(FontPtr value) {
  SetFontMember(std::move(value));
  host_.Refresh();
  Redraw();
  Notify("Font");
  OnFontChanged(u"");
}

void QuilletButton::OnFontChanged(std::u16string_view /*propertyName*/) {
  if (font_) DrawingSurface().SetFont(font_->Description());
  host_.Refresh();
  Redraw();
  Notify("Font");
}

// Holding a font means listening to it.
void QuilletButton::SetFontMember(FontPtr font) {
  if (font_ && fontSubscription_ != 0) font_->Unsubscribe(fontSubscription_);
  fontSubscription_ = 0;
  font_ = std::move(font);
  if (font_) {
    fontSubscription_ = font_->Subscribe([this](std::u16string_view name) { OnFontChanged(name); });
  }
}

void QuilletButton::ForeColor(Color value) {
  foreColor_ = value;
  DrawingSurface().SetForeColor(value);
  Resize();
  Notify("ForeColor");
}

void QuilletButton::HandPointer(bool value) {
  // Stores the flag only: the hand pointer is obtained at load; SetPointer does nothing while HandCursor is 0.
  handPointer_ = value;
  Notify("HandPointer");
}

WindowHandle QuilletButton::hWnd() const { return host_.Window(); }

void QuilletButton::MaskColor(Color value) {
  maskColor_ = value;
  Redraw();
  Notify("MaskColor");
}

PicturePtr QuilletButton::MouseIcon() const { return host_.MouseIcon(); }

void QuilletButton::MouseIcon(PicturePtr value) {
  // Every failure is ignored, step by step.
  const bool empty = !value;
  try {
    host_.SetMouseIcon(std::move(value));
  } catch (...) {
  }
  try {
    host_.SetMousePointer(empty ? 0 : 99);
  } catch (...) {
  }
  try {
    Notify("MouseIcon");
  } catch (...) {
  }
}

std::int32_t QuilletButton::MousePointer() const { return host_.MousePointer(); }

void QuilletButton::MousePointer(std::int32_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    throw std::overflow_error("MousePointer: value outside the 16-bit range");
  }
  host_.SetMousePointer(static_cast<std::int16_t>(value));
  Notify("MousePointer");
}

void QuilletButton::Picture(PicturePtr value) {
  picture_ = std::move(value);
  if (!picture_) {
    Resize();
    return;
  }
  Redraw();
  Notify("Picture");
}

void QuilletButton::PictureAlign(quillet::PictureAlign value) {
  pictureAlign_ = static_cast<std::int32_t>(value);
  if (picture_) Redraw();
  Notify("PictureAlign");
}

void QuilletButton::PictureSize(quillet::PictureSize value) {
  pictureSize_ = static_cast<std::int32_t>(value);
  Redraw();
  Notify("PictureSize");
}

void QuilletButton::PictureHover(PicturePtr value) {
  if (!picture_) {
    picture_ = value;
    Notify("Picture");
  }
  pictureHover_ = std::move(value);
  if (!pictureHover_) {
    Resize();
    return;
  }
  Redraw();
  Notify("PictureHover");
}

void QuilletButton::ShowFocusRect(bool value) {
  showFocusRect_ = value;
  Notify("ShowFocusRect");
}

void QuilletButton::UseMaskColor(bool value) {
  useMaskColor_ = value;
  if (picture_) Redraw();
  Notify("UseMaskColor");
}

void QuilletButton::Value(bool value) {
  if (checkBoxMode_) {
    value_ = value;
    if (!value) SetDrawState(quillet::DrawState::Normal);
    Redraw();
    Notify("Value");
  } else {
    SetDrawState(quillet::DrawState::Normal);
    Redraw();
  }
}

}  // namespace quillet
