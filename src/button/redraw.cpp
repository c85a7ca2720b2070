// Redraw (the one drawing path), ApplyButtonRegion, Resize and Paint.
#include "button/caption_picture.h"
#include "button/high_contrast.h"
#include "button/primitives.h"
#include "button/quillet_button.h"
#include "button/style_dispatch.h"

namespace quillet {

void QuilletButton::Redraw() {
  // 1. to 3.
  DrawingSurface().Cls();
  CacheButtonSize();
  buttonRect_ = Rect{0, 0, buttonWidth_, buttonHeight_};
  // 4. Check-box look; styles 0, 3 and 9 draw their own.
  if (checkBoxMode_ && value_ && buttonStyle_ != 0 && buttonStyle_ != 3 && buttonStyle_ != 9) {
    SetDrawState(quillet::DrawState::Pressed);
  }
  // 5. The style's renderer, if it has one; in high contrast every style looks alike.
  if (HighContrastLook()) {
    RenderHighContrast(*this, drawState_);
  } else if (StyleRenderer renderer = RendererForStyle(buttonStyle_)) {
    renderer(*this, drawState_);
  }
  // 6. Caption and picture, for every style.
  DrawCaptionAndPicture(*this);
}

void QuilletButton::ApplyButtonRegion() {
  const std::int32_t w = buttonWidth_;
  const std::int32_t h = buttonHeight_;
  RegionShape region;
  switch (buttonStyle_) {
    case 2:
    case 4:
    case 6:
    case 8: region = RegionShape::FromRoundRect(0, 0, w + 1, h + 1, 3, 3); break;
    case 3:
    case 10: region = RegionShape::FromRoundRect(0, 0, w + 1, h + 1, 4, 4); break;
    case 14: region = RegionShape::FromRoundRect(0, 0, w + 1, h + 1, 18, 18); break;
    default:
      // The live size, not the cached one.
      region = RegionShape::FromRect(0, 0, RoundHalfEven(host_.ScaleWidth()), RoundHalfEven(host_.ScaleHeight()));
      break;
  }
  // The window owns the region from now on. On failure it keeps its previous region.
  if (const std::uintptr_t handle = DrawingSurface().SetWindowRegion(region); handle != 0) {
    regionHandle_ = handle;
  }
}

void QuilletButton::Resize() {
  if (host_.Height() < kMinimumSizeTwips) host_.SetHeight(kMinimumSizeTwips);
  if (host_.Width() < kMinimumSizeTwips) host_.SetWidth(kMinimumSizeTwips);
  ApplyButtonRegion();
  Redraw();
}

void QuilletButton::Paint() { Redraw(); }

}  // namespace quillet
