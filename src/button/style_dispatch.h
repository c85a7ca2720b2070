// The dispatch table of Redraw: one renderer per ButtonStyle. Styles 0, 1, 11 and 12 share
// one renderer; a value outside 0..15 has none and draws nothing of its own: Redraw then
// draws only the caption and picture on the cleared surface.
#pragma once

#include <cstdint>

#include "button/button_types.h"

namespace quillet {

class QuilletButton;

// A style renderer: paints the face and frame of `button` in the look `state`, on the
// surface Redraw has already cleared and measured, with ButtonRect already set.
using StyleRenderer = void (*)(QuilletButton& button, DrawState state);

// The renderer of `style`, or nullptr.
StyleRenderer RendererForStyle(std::int32_t style);

// Replaces the renderer of one style (0..15) and answers the one it replaces; for tests
// that watch what Redraw hands over. Out-of-range styles are ignored (answer nullptr).
StyleRenderer ReplaceRendererForStyle(std::int32_t style, StyleRenderer renderer);

}  // namespace quillet
