// Caption, access key and picture rendering: the last step of every Redraw.
//
// DrawCaptionAndPicture lays out and draws the picture and the caption of `button` on its
// surface, after the style renderer. It is a friend of QuilletButton so it can keep the
// caption members (PictureDrawWidth, PictureDrawHeight, CaptionFocusRect, ButtonWidth,
// ButtonHeight). The layout arithmetic is in caption_layout.h, the grey disabled picture
// in disabled_picture.h.
#pragma once

namespace quillet {

class QuilletButton;

void DrawCaptionAndPicture(QuilletButton& button);

}  // namespace quillet
