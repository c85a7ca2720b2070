// The look every style takes while high contrast is on: the system's colours only (face,
// text, frame, highlight, grey text), so the button reads like the system's push button in
// whatever scheme the user chose.
#pragma once

#include "button/button_types.h"
#include "button/surface.h"

namespace quillet {

class QuilletButton;

// System colour indices of the high-contrast look.
constexpr std::int32_t kColorHighlight = 13;
constexpr std::int32_t kColorHighlightText = 14;

// Draws the face, frame and focus rectangle in place of the style's renderer.
void RenderHighContrast(QuilletButton& button, DrawState state);

// The caption's colour: the ForeColor (grey text when disabled), or the high-contrast one.
Color CaptionColor(const QuilletButton& button);

}  // namespace quillet
