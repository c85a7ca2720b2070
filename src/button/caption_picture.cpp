// DrawCaptionAndPicture: the last step of every Redraw. Lays out the picture and the
// caption (caption_layout.cpp), draws the picture for the current look, then the caption.
#include "button/caption_picture.h"

#include "button/caption_layout.h"
#include "button/disabled_picture.h"
#include "button/high_contrast.h"
#include "button/primitives.h"
#include "button/quillet_button.h"

namespace quillet {
namespace {

PictureType TypeOf(const PicturePtr& p) { return p ? p->Type() : PictureType::None; }

// Himetric size of the picture in pixels, each side through the host's ScaleX, rounded.
Size NaturalPixels(ControlHost& host, const PicturePtr& p) {
  if (!p) return Size{0, 0};
  const Size hm = p->HimetricSize();
  return Size{RoundHalfEven(host.ScaleX(hm.cx)), RoundHalfEven(host.ScaleX(hm.cy))};
}

}  // namespace

void DrawCaptionAndPicture(QuilletButton& b) {
  ControlHost& host = b.Host();
  Surface& surface = b.DrawingSurface();

  const double scale_width = host.ScaleWidth();
  const double scale_height = host.ScaleHeight();
  b.buttonWidth_ = RoundHalfEven(scale_width);
  b.buttonHeight_ = RoundHalfEven(scale_height);
  // Measured as stored: the "&" markers count.
  const Size text = surface.MeasureText(b.caption_);

  const Size drawn = PictureDrawSize(b.pictureSize_, NaturalPixels(host, b.picture_),
                                     Size{b.pictureDrawWidth_, b.pictureDrawHeight_}, host.DpiScale());

  CaptionLayoutInput in;
  in.width = b.buttonWidth_;
  in.height = b.buttonHeight_;
  in.scale_width = scale_width;
  in.scale_height = scale_height;
  in.text = text;
  in.picture = drawn;
  in.has_picture = b.picture_ != nullptr;
  in.picture_align = b.pictureAlign_;
  in.caption_align = b.captionAlign_;
  in.style = b.buttonStyle_;
  in.state = b.drawState_;
  in.has_access_key = !b.AccessKeys().empty();
  const CaptionLayout layout = LayOutCaption(in);

  b.pictureDrawWidth_ = layout.picture_size.cx;
  b.pictureDrawHeight_ = layout.picture_size.cy;
  // Renderers of this Redraw have already run: they saw the previous rectangle.
  if (layout.focus_rect) b.captionFocusRect_ = *layout.focus_rect;

  // The hover picture stands in only when it is of the picture's type.
  const PicturePtr& P = b.picture_;
  const PicturePtr& Q = TypeOf(b.pictureHover_) == TypeOf(P) ? b.pictureHover_ : P;
  const PictureType type = TypeOf(P);
  if (type == PictureType::Icon || type == PictureType::Bitmap) {
    const std::int32_t PX = layout.picture_position.x, PY = layout.picture_position.y;
    const std::int32_t PW = layout.picture_size.cx, PH = layout.picture_size.cy;
    const bool hover_set = b.pictureHover_ != nullptr;
    const bool hot_look = b.drawState_ == DrawState::Hot || b.drawState_ == DrawState::Pressed;
    const Picture& look_choice = (hot_look && hover_set) ? *Q : *P;
    const Picture& checked_choice = hover_set ? *Q : *P;
    const bool checked = b.checkBoxMode_ && b.value_;
    if (!b.enabled_) {
      DrawDisabledPicture(surface, *P, PX, PY, PW, PH);
    } else if (type == PictureType::Icon) {
      surface.DrawIcon(look_choice, PX, PY, PW, PH);
      if (checked) surface.DrawIcon(checked_choice, PX, PY, PW, PH);
    } else {
      const Picture& chosen = checked ? checked_choice : look_choice;
      if (b.useMaskColor_) {
        surface.TransparentBltPicture(chosen, PX, PY, PW, PH, 0, 0, PW, PH, b.maskColor_);
      } else {
        surface.StretchBltPicture(chosen, PX, PY, PW, PH, 0, 0, PW, PH);
      }
    }
  }

  surface.SetTextColor(b.ResolveColor(CaptionColor(b)));
  // The surface draws UTF-16 only; DrawTextA's code-page round trip is not modelled.
  surface.DrawText(b.caption_, layout.caption_rect, kDtSingleLine | (b.host_.AccessKeyCueHidden() ? kDtHidePrefix : 0));
}

}  // namespace quillet
