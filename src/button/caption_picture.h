// Caption, access key and picture rendering: the last step of every Redraw.
//
// DrawCaptionAndPicture lays out and draws the picture and the caption of `button` on its
// surface, after the style renderer. It is a friend of QuilletButton so it can keep the
// caption members (PictureDrawWidth, PictureDrawHeight, CaptionFocusRect, ButtonWidth,
// ButtonHeight). Until the caption renderer is written it does nothing: see
// caption_picture_pending.cpp, which the real implementation replaces.
#pragma once

namespace quillet {

class QuilletButton;

void DrawCaptionAndPicture(QuilletButton& button);

}  // namespace quillet
