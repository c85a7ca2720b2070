// PLACEHOLDER: the caption-and-picture step of Redraw draws nothing yet.
// Replace this file with the real DrawCaptionAndPicture (and DrawDisabledPicture); no other
// file needs to change. UpdateAccessKey is already written (access_key.cpp).
#include "button/caption_picture.h"

namespace quillet {

void DrawCaptionAndPicture(QuilletButton& /*button*/) {}

}  // namespace quillet
